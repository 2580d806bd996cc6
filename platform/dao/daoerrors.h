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

// One of three texts for the language of platform::textLanguage(): the
// layer words its errors with it.
QString say(const char* portuguese, const char* spanish, const char* english);

// Errors several routines raise: 3027, 3112 (with the refused statement in
// parentheses when `detail` is not empty) and 3265 (with the name asked for).
platform::Error ReadOnlyError();
platform::Error NotAllowedHereError(const QString& detail);
platform::Error ItemNotFoundError(const QString& name = {});
// The description of 3024 with "%1" for the path.
QString FileNotFoundText();

// Runs SQL that the layer writes itself; a failure is raised as MakeError.
void Exec(sqlite3* db, const char* sql, Context ctx = Context::Action);

}  // namespace platform::dao::detail
