#pragma once
// What the fuzz targets share: a private folder, the text of the fuzz bytes,
// and a small catalogue whose every change is rolled back.
//
// The database runs each input's statements inside a workspace transaction
// that is rolled back afterwards, under the authorizer for untrusted SQL,
// with a budget of SQLite steps per statement (a cross join of every table
// ends with an error instead of running for minutes); after the rollback the
// database must have no transaction open and the same tables and row counts
// as before, or the target aborts (a finding).
// Nothing here opens a network connection.

#include "platform/dao/dao.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace tqfuzz {

// A folder of this process (on tmpfs when the machine has one), made on the
// first call and removed at exit.
QString Folder();

// The input as the program would receive it from a file or the server.
QString Utf8(const std::uint8_t* data, std::size_t size);
QString Windows1252(const std::uint8_t* data, std::size_t size);
inline std::string_view Bytes(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// A catalogue of the programs' own schema (tools/demo/schema.h) with three
// rows a table, opened writable once.
platform::dao::DatabasePtr Database();

// Runs `work` inside a transaction that is rolled back; platform::Error is
// expected and swallowed.  Aborts when the rollback leaves a trace.
void RolledBack(const std::function<void(const platform::dao::DatabasePtr&)>& work);

// Aborts with a message: a property the target checks does not hold.
[[noreturn]] void Finding(const char* what);

}  // namespace tqfuzz
