// INSERTs of literals run through their shape's prepared statement: the rows
// stored are those of the general path (which an untrusted connection always
// takes), value for value and type for type, and the errors are the same.

#include "platform/dao/dao.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QVariant>

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace platform::dao;

namespace {

class InsertShapes : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"rapido.mdb", "geral.mdb"}) {
            auto db = DBEngine::CreateDatabase(dir.file(QLatin1String(name)));
            db->Execute(QStringLiteral("CREATE TABLE T (Codigo LONG CONSTRAINT PK PRIMARY KEY, Nome TEXT(10), Qtd TEXT(5), "
                                       "Valor DOUBLE, Marca BYTE)"));
            dbs.push_back(db);
        }
        dbs[1]->SetUntrusted(true);
    }
    // Every row as "value:type" texts, in key order.
    static QStringList Rows(const DatabasePtr& db)
    {
        QStringList out;
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db->nativeHandle(),
                           "SELECT Codigo, typeof(Codigo), Nome, typeof(Nome), Qtd, typeof(Qtd), Valor, typeof(Valor), Marca, "
                           "typeof(Marca) FROM T ORDER BY Codigo",
                           -1, &st, nullptr);
        while (sqlite3_step(st) == SQLITE_ROW) {
            QStringList row;
            for (int i = 0; i < 10; ++i)
                row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, i)));
            out << row.join(QLatin1Char('|'));
        }
        sqlite3_finalize(st);
        return out;
    }
    tqtest::TempDir dir;
    std::vector<DatabasePtr> dbs;
};

TEST_F(InsertShapes, StoreWhatTheGeneralPathStores)
{
    const QStringList statements = {
        "INSERT INTO T (Codigo, Nome, Qtd, Valor, Marca) VALUES (1, 'D''ÁGUA', '02', 7, 1)",
        "INSERT INTO T (Codigo, Nome, Qtd, Valor, Marca) VALUES (2, '\r \r', '2.5', 0012, 0)",
        "INSERT INTO T (Codigo, Nome, Qtd, Valor, Marca) VALUES (3, 'x', Null, Null, 300)",
        "insert into t (codigo, [Nome]) values (4, '≤ \U0001D7D9')",
        "INSERT INTO T VALUES (5, 'todas', '1', 2.5, 1)",
        "INSERT INTO T (Codigo, Qtd) VALUES (6, 17)",
        "INSERT INTO T (Codigo, Valor) VALUES (7, -3)",
        "INSERT INTO T (Codigo, Nome) VALUES (8, 'a' & 'b')",
        "INSERT INTO T (Codigo, Valor) VALUES (9, 99999999999999999999)",
        "INSERT INTO T (Codigo, Nome, Qtd, Valor, Marca) VALUES (10, 'again', '3', 8, 1)",
    };
    for (const DatabasePtr& db : dbs)
        for (const QString& s : statements) {
            db->Execute(s);
            EXPECT_EQ(db->RecordsAffected(), 1) << s.toStdString();
        }
    EXPECT_EQ(Rows(dbs[0]), Rows(dbs[1]));
    EXPECT_EQ(Rows(dbs[0]).size(), 10);
}

TEST_F(InsertShapes, ErrorsAreTheGeneralPathsErrors)
{
    for (const DatabasePtr& db : dbs) {
        db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (1, 'a')"));
        EXPECT_EQ(tqtest::errorNumberOf([&] { db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (1, 'b')")); }),
                  JetError::DuplicateKey);
        EXPECT_EQ(tqtest::errorNumberOf([&] { db->Execute(QStringLiteral("INSERT INTO Nada (Codigo) VALUES (1)")); }),
                  JetError::NoSuchTable);
        // The field properties' check: a text field refuses a zero-length string.
        EXPECT_EQ(tqtest::errorNumberOf([&] { db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (5, '')")); }),
                  JetError::ZeroLength);
        EXPECT_EQ(tqtest::errorNumberOf([&] { db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (2, 'b'")); }),
                  tqtest::errorNumberOf([&] { dbs[1]->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (2, 'b'")); }));
        // A table dropped and made again with other columns takes the same shape.
        db->Execute(QStringLiteral("DROP TABLE T"));
        EXPECT_EQ(tqtest::errorNumberOf([&] { db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (3, 'c')")); }),
                  JetError::NoSuchTable);
        db->Execute(QStringLiteral("CREATE TABLE T (Nome TEXT(10), Codigo LONG)"));
        db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (3, 'c')"));
        EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT Nome FROM T WHERE Codigo = 3"))->Value(0).toString(), QStringLiteral("c"));
    }
    // Rows inserted inside a transaction go with its rollback.
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("w"));
    auto db = ws->OpenDatabase(dir.file(QStringLiteral("rapido.mdb")));
    ws->BeginTrans();
    db->Execute(QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (4, 'd')"));
    ws->Rollback();
    EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT Count(*) FROM T"))->Value(0).toInt(), 1);
    db->Close();
    EXPECT_FALSE(db->IsOpen());
}

}  // namespace
