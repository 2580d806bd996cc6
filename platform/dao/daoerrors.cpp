#include "platform/dao/daoerrors.h"

#include "platform/dao/dao.h"

#include <QRegularExpression>

#include <sqlite3.h>

namespace platform::dao::detail {
namespace {

const QString kSource = QStringLiteral("DAO");

QString quotedTail(const QString& msg, const QString& prefix)
{
    return msg.mid(prefix.size()).trimmed();
}

}  // namespace

platform::Error MakeError(int rc, const QString& msg, Context ctx, const QString& path)
{
    const int primary = rc & 0xff;
    switch (primary) {
    case SQLITE_CONSTRAINT: {
        if (rc == SQLITE_CONSTRAINT_PRIMARYKEY || rc == SQLITE_CONSTRAINT_UNIQUE)
            return {JetError::DuplicateKey,
                    QStringLiteral("The changes you requested to the table were not successful because they "
                                   "would create duplicate values in the index, primary key, or relationship. (%1)")
                        .arg(msg),
                    kSource};
        if (rc == SQLITE_CONSTRAINT_NOTNULL)
            return {JetError::RequiredNull,
                    QStringLiteral("The field '%1' cannot contain a Null value because the Required property "
                                   "for this field is set to True.")
                        .arg(quotedTail(msg, QStringLiteral("NOT NULL constraint failed:"))),
                    kSource};
        // Raised by the zero-length triggers: "JET3315:Table.Field".
        static const QRegularExpression zls(QStringLiteral("^JET3315:(.*)$"));
        if (const auto m = zls.match(msg); m.hasMatch())
            return {JetError::ZeroLength, QStringLiteral("Field '%1' cannot be a zero-length string.").arg(m.captured(1)),
                    kSource};
        return {3317, QStringLiteral("One or more values are prohibited by the validation rule. (%1)").arg(msg), kSource};
    }
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {JetError::Locked,
                QStringLiteral("Could not update; currently locked by another session of the database."), kSource};
    case SQLITE_READONLY:
        return {JetError::ReadOnly, QStringLiteral("Cannot update. Database or object is read-only."), kSource};
    case SQLITE_NOTADB:
        return {JetError::NotADatabase, QStringLiteral("Unrecognized database format '%1'.").arg(path), kSource};
    case SQLITE_CORRUPT:
        return DamagedDatabaseError(path);
    case SQLITE_CANTOPEN:
        return {JetError::CannotOpen,
                QStringLiteral("The database engine cannot open the file '%1'. It is in use or you need "
                               "permission to view its data.")
                    .arg(path),
                kSource};
    case SQLITE_FULL:
    case SQLITE_NOMEM:
    case SQLITE_IOERR:
        return {JetError::DiskFull, QStringLiteral("System resource exceeded. (%1)").arg(msg), kSource};
    case SQLITE_AUTH:
        return {JetError::NotAllowedHere, QStringLiteral("Statement not allowed here. (%1)").arg(msg), kSource};
    case SQLITE_MISMATCH:
        return {JetError::TypeMismatch, QStringLiteral("Data type mismatch in criteria expression."), kSource};
    case SQLITE_INTERRUPT:
        return {JetError::Interrupted, QStringLiteral("Operation canceled by user."), kSource};
    default:
        break;
    }

    // SQLITE_ERROR: tell the cases apart by the message.
    static const QRegularExpression noTable(QStringLiteral("^no such table: (?:main\\.)?(.+)$"));
    static const QRegularExpression noColumn(QStringLiteral("^no such column: (.+)$"));
    static const QRegularExpression exists(QStringLiteral("^table (.+) already exists$"));
    static const QRegularExpression indexExists(QStringLiteral("^index (.+) already exists$"));
    static const QRegularExpression noIndex(QStringLiteral("^no such index: (.+)$"));
    static const QRegularExpression jetRaised(QStringLiteral("^JET(\\d+):(.*)$"));
    if (const auto m = jetRaised.match(msg); m.hasMatch())
        return {m.captured(1).toLong(), m.captured(2), kSource};
    if (const auto m = noTable.match(msg); m.hasMatch()) {
        if (ctx == Context::Drop)
            return {JetError::TableNotFound, QStringLiteral("Table '%1' does not exist.").arg(m.captured(1)), kSource};
        return {JetError::NoSuchTable,
                QStringLiteral("The database engine cannot find the input table or query '%1'. Make sure it "
                               "exists and that its name is spelled correctly.")
                    .arg(m.captured(1)),
                kSource};
    }
    if (const auto m = noColumn.match(msg); m.hasMatch())
        return {JetError::TooFewParameters,
                QStringLiteral("Too few parameters. Expected 1. (Unknown name '%1'.)").arg(m.captured(1)), kSource};
    if (const auto m = exists.match(msg); m.hasMatch())
        return {JetError::TableExists, QStringLiteral("Table '%1' already exists.").arg(m.captured(1)), kSource};
    if (const auto m = indexExists.match(msg); m.hasMatch())
        return {3375, QStringLiteral("Table already has an index named '%1'.").arg(m.captured(1)), kSource};
    if (const auto m = noIndex.match(msg); m.hasMatch())
        return {3371, QStringLiteral("Cannot find table or constraint '%1'.").arg(m.captured(1)), kSource};
    if (msg.startsWith(QLatin1String("Expression tree is too large")) || msg == QLatin1String("parser stack overflow"))
        return {3360, QStringLiteral("Query is too complex."), kSource};
    if (msg.contains(QLatin1String("syntax error")) || msg.contains(QLatin1String("incomplete input")))
        return {JetError::SyntaxError, QStringLiteral("Syntax error in query expression. (%1)").arg(msg), kSource};
    if (msg.startsWith(QLatin1String("not authorized")))
        return {JetError::NotAllowedHere, QStringLiteral("Statement not allowed here."), kSource};
    return {3000, QStringLiteral("Reserved error: %1").arg(msg), kSource};
}

void Exec(sqlite3* db, const char* sql, Context ctx)
{
    char* err = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const QString msg = err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(err);
        throw MakeError(sqlite3_extended_errcode(db), msg, ctx);
    }
}

void ThrowLast(sqlite3* db, int rc, Context ctx)
{
    const QString msg = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(rc));
    const int ext = db ? sqlite3_extended_errcode(db) : rc;
    const char* file = db ? sqlite3_db_filename(db, "main") : nullptr;
    throw MakeError(ext ? ext : rc, msg, ctx, file ? QString::fromUtf8(file) : QString());
}

void Throw(long number, const QString& description)
{
    throw platform::Error(number, description, kSource);
}

}  // namespace platform::dao::detail

namespace platform::dao {

platform::Error DamagedDatabaseError(const QString& path)
{
    return {JetError::Corrupt,
            QStringLiteral("Cannot open database '%1'. The file may be damaged or not a catalogue database.").arg(path),
            detail::kSource};
}

}  // namespace platform::dao
