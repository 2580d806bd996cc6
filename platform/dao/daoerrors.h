#pragma once
// Turning SQLite results into the Jet errors the catalogue code tests.

#include "platform/base/error.h"

#include <QString>

struct sqlite3;

namespace platform::dao::detail {

// What the statement was doing, so that one SQLite result maps to the error
// Jet raises in that situation ("no such table" is 3376 for DROP TABLE and
// 3078 elsewhere).
enum class Context { Query, Action, Drop, Create, Open, Transaction };

// The Jet error for SQLite result `rc` with the connection's message.
platform::Error MakeError(int rc, const QString& sqliteMessage, Context ctx = Context::Action,
                          const QString& path = {});

// Raises MakeError for the connection's last error.
[[noreturn]] void ThrowLast(sqlite3* db, int rc, Context ctx = Context::Action);

[[noreturn]] void Throw(long number, const QString& description);

// Runs SQL that the layer writes itself; a failure is raised as MakeError.
void Exec(sqlite3* db, const char* sql, Context ctx = Context::Action);

}  // namespace platform::dao::detail
