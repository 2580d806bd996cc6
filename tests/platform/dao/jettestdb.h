#pragma once
// An in-memory SQLite connection with the Jet functions registered, running
// Jet SQL through the translator: the bench for the translator's tests.

#include "platform/base/error.h"
#include "platform/dao/jetsql.h"
#include "support/qstringprinter.h"

#include <QRegularExpression>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

#include <ostream>
#include <vector>


namespace tqtest {

class JetDb {
public:
    JetDb()
    {
        sqlite3_open(":memory:", &m_db);
        platform::dao::jet::RegisterFunctions(m_db);
    }
    ~JetDb() { sqlite3_close(m_db); }
    JetDb(const JetDb&) = delete;
    JetDb& operator=(const JetDb&) = delete;

    sqlite3* handle() const { return m_db; }

    // Runs one Jet statement.
    void exec(const QString& jet) { run(platform::dao::jet::TranslateStatement(jet).sql); }

    // Rows of a Jet query; Null is an invalid QVariant.
    std::vector<QVariantList> rows(const QString& jet) { return run(platform::dao::jet::TranslateStatement(jet).sql); }

    // The first column of every row as text, "<Null>" for Null.
    QStringList column(const QString& jet)
    {
        QStringList out;
        for (const QVariantList& r : rows(jet))
            out << (r[0].isValid() ? r[0].toString() : QStringLiteral("<Null>"));
        return out;
    }

    // The value of one Jet expression.
    QVariant value(const QString& jetExpression)
    {
        const auto r = rows(QStringLiteral("SELECT ") + jetExpression);
        return r.empty() ? QVariant() : r[0][0];
    }

    // Runs SQLite text as it is, with parameters bound in order.
    std::vector<QVariantList> run(const QByteArray& sql, const QVariantList& params = {})
    {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
            fail(sql);
        for (int k = 0; k < params.size(); ++k) {
            const QVariant& p = params[k];
            if (!p.isValid())
                sqlite3_bind_null(st, k + 1);
            else if (p.typeId() == QMetaType::Int || p.typeId() == QMetaType::LongLong)
                sqlite3_bind_int64(st, k + 1, p.toLongLong());
            else if (p.typeId() == QMetaType::Double)
                sqlite3_bind_double(st, k + 1, p.toDouble());
            else {
                const QByteArray b = p.toString().toUtf8();
                sqlite3_bind_text(st, k + 1, b.constData(), int(b.size()), SQLITE_TRANSIENT);
            }
        }
        std::vector<QVariantList> out;
        int rc;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            QVariantList row;
            for (int c = 0; c < sqlite3_column_count(st); ++c) {
                switch (sqlite3_column_type(st, c)) {
                case SQLITE_NULL: row << QVariant(); break;
                case SQLITE_INTEGER: row << QVariant(qlonglong(sqlite3_column_int64(st, c))); break;
                case SQLITE_FLOAT: row << QVariant(sqlite3_column_double(st, c)); break;
                default:
                    row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, c)),
                                             sqlite3_column_bytes(st, c));
                }
            }
            out.push_back(row);
        }
        sqlite3_finalize(st);
        if (rc != SQLITE_DONE)
            fail(sql);
        return out;
    }

    // Names of the result columns of a Jet query.
    QStringList columnNames(const QString& jet)
    {
        const QByteArray sql = platform::dao::jet::TranslateStatement(jet).sql;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &st, nullptr) != SQLITE_OK)
            fail(sql);
        QStringList out;
        for (int c = 0; c < sqlite3_column_count(st); ++c)
            out << QString::fromUtf8(sqlite3_column_name(st, c));
        sqlite3_finalize(st);
        return out;
    }

private:
    // Errors of the registered functions come as "JET<number>:<text>".
    [[noreturn]] void fail(const QByteArray& sql)
    {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(m_db));
        static const QRegularExpression jet(QStringLiteral("^JET(\\d+):(.*)$"));
        const auto m = jet.match(msg);
        if (m.hasMatch())
            throw platform::Error(m.captured(1).toLong(), m.captured(2));
        throw platform::Error(-1, msg + QStringLiteral(" [") + QString::fromUtf8(sql) + QLatin1Char(']'));
    }

    sqlite3* m_db = nullptr;
};

// The number of the platform::Error that `f` raises, 0 when none.
template <typename F>
long errorNumber(F&& f)
{
    try {
        f();
    } catch (const platform::Error& e) {
        return e.number();
    }
    return 0;
}

}  // namespace tqtest
