// Opening the databases, the update lock across programs, the check stamp,
// the batch runner and the date text.

#include "core/database.h"
#include "core/globals.h"

#include "support/testutil.h"

#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

using namespace Modulo;
using namespace platform::dao;

namespace {

// A data folder with a small catalogue and an empty auxiliary database.
class DataFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        gCaminhoDados = dir.pathSlash();
        DatabasePtr cat = DBEngine::CreateDatabase(gCaminhoDados + NomeArquivoCatalogo());
        cat->Execute(QStringLiteral("CREATE TABLE UMREGISTRO (UrlAtualizacao TEXT(255), Versao LONG, "
                                    "DataUltimaVerificacao DATETIME, FlagErroUltimaVerificacao BYTE)"));
        cat->Execute(QStringLiteral("INSERT INTO UMREGISTRO (UrlAtualizacao, Versao, FlagErroUltimaVerificacao) "
                                    "VALUES ('http://127.0.0.1/', 140, 0)"));
        cat->Execute(QStringLiteral("CREATE TABLE T (Codigo LONG CONSTRAINT PK_T PRIMARY KEY, Nome TEXT(20))"));
        cat->Close();
        DBEngine::CreateDatabase(gCaminhoDados + NomeArquivoAuxiliar())->Close();
        AbreBancoDazadize(gWsDazadize, QStringLiteral("gWS"), gDbDazadize, true);
    }
    void TearDown() override
    {
        BloqueiaDazadize(false);
        FechaBanco(gWsDazadize, gDbDazadize);
    }
    QString probe()
    {
        QProcess p;
        p.start(tqtest::binaryDir() + QStringLiteral("/tests/tq_lockprobe"), {gCaminhoDados});
        p.waitForFinished(10000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }
    tqtest::TempDir dir;
};

TEST_F(DataFolder, OpensBothDatabasesAndClosesSafely)
{
    EXPECT_TRUE(gDbDazadize->ReadOnly());
    EXPECT_EQ(tqtest::errorNumberOf([] { gDbDazadize->Execute(QStringLiteral("DELETE FROM T")); }), JetError::ReadOnly);
    WorkspacePtr ws;
    DatabasePtr db;
    AbreBancoAuxiliar(ws, db);
    EXPECT_EQ(ws->Name(), QStringLiteral("DbTqAux"));
    EXPECT_FALSE(db->ReadOnly());
    FechaBanco(ws, db);
    FechaBanco(ws, db);  // twice: ignored
    EXPECT_FALSE(db);

    gCaminhoDados = dir.file(QStringLiteral("nada/"));
    EXPECT_EQ(tqtest::errorNumberOf([&] { AbreBancoAuxiliar(ws, db); }), JetError::FileNotFound);
}

TEST_F(DataFolder, TheLockHeldHereMakesAnotherProgramFailWhileOurStampWorks)
{
    EXPECT_EQ(probe(), QStringLiteral("1"));  // free: the other program takes and releases it
    ASSERT_TRUE(BloqueiaDazadize(true));
    EXPECT_EQ(probe(), QStringLiteral("0"));
    // This program's own writable connections keep working while it holds the lock.
    GravaVerificacaoAtualizacao(QStringLiteral("DateSerial(2024,5,5)+TimeSerial(13,5,9)"), QStringLiteral("1"));
    auto rs = gDbDazadize->OpenRecordset(QStringLiteral("SELECT DataUltimaVerificacao, FlagErroUltimaVerificacao FROM UMREGISTRO"));
    EXPECT_EQ(rs->Value(0).toDateTime(), QDateTime(QDate(2024, 5, 5), QTime(13, 5, 9)));
    EXPECT_EQ(rs->Value(1).toInt(), 1);
    EXPECT_TRUE(BloqueiaDazadize(false));
    EXPECT_EQ(probe(), QStringLiteral("1"));
}

// What a program killed while creating the lock database leaves behind, and
// other files that are no lock database, are rebuilt: nobody can hold such a
// file, so it must not read as a lock held elsewhere.
TEST_F(DataFolder, ALockFileThatIsNoLockDatabaseIsRebuilt)
{
    const QString lck = gCaminhoDados + NomeArquivoBloqueio();
    const auto files = [&] {
        QStringList l = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        l.sort();
        return l;
    };
    QStringList expected = files() << NomeArquivoBloqueio();
    expected.sort();
    struct Case {
        const char* name;
        QByteArray bytes;  // empty: a database without the lock table
        bool tableless;
    } cases[] = {
        {"empty file", QByteArray(), false},
        {"database without the lock table", QByteArray(), true},
        {"text", QByteArray(2048, 'x'), false},
        {"damaged database header", QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(lck);
        if (c.tableless) {
            DatabasePtr db = DBEngine::CreateDatabase(lck);
            db->Execute(QStringLiteral("CREATE TABLE OUTRA (a LONG)"));
            db->Close();
        } else {
            tqtest::writeFile(lck, c.bytes);
        }
        ASSERT_TRUE(BloqueiaDazadize(true));
        EXPECT_EQ(probe(), QStringLiteral("0"));  // a real lock: the other program cannot take it
        EXPECT_TRUE(BloqueiaDazadize(false));
        EXPECT_EQ(probe(), QStringLiteral("1"));
        EXPECT_EQ(files(), expected) << "nothing left beside the lock database";
    }
}

TEST_F(DataFolder, StampWritesOnlyTheColumnsGiven)
{
    GravaVerificacaoAtualizacao(QString(), QString());  // opens nothing, changes nothing
    GravaVerificacaoAtualizacao(QString(), QStringLiteral("1"));
    auto rs = gDbDazadize->OpenRecordset(QStringLiteral("SELECT DataUltimaVerificacao, FlagErroUltimaVerificacao FROM UMREGISTRO"));
    EXPECT_TRUE(IsNull(rs->Value(0)));
    EXPECT_EQ(rs->Value(1).toInt(), 1);
}

TEST(DataHoraSQLTest, WritesPlainNumbers)
{
    EXPECT_EQ(DataHoraSQL(QDateTime(QDate(2024, 5, 5), QTime(13, 5, 9))),
              QStringLiteral("DateSerial(2024,5,5)+TimeSerial(13,5,9)"));
    EXPECT_EQ(DataHoraSQL(QDateTime(QDate(2000, 1, 1), QTime(0, 0))), QStringLiteral("DateSerial(2000,1,1)+TimeSerial(0,0,0)"));
    const QString now = DataHoraSQL();
    EXPECT_TRUE(now.startsWith(QStringLiteral("DateSerial(%1,").arg(QDate::currentDate().year()))) << now.toStdString();
    EXPECT_EQ(DataHoraSQL(QDateTime(QDate(1899, 12, 31), QTime(0, 0))).left(15), now.left(15));
}

TEST_F(DataFolder, BatchRunnerIsAllOrNothing)
{
    WorkspacePtr ws;
    DatabasePtr db;
    AbreBancoDazadize(ws, QStringLiteral("sWsNotReadOnly"), db, false);
    const QStringList dois{QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (1, 'um')"),
                           QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (1, 'outro')")};
    EXPECT_EQ(tqtest::errorNumberOf([&] { ExecutaComandosSQL(dois, QString(), &db, &ws); }), JetError::DuplicateKey);
    EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 0);

    // A single statement, empty elements skipped, the final query's value returned.
    EXPECT_EQ(ExecutaComandosSQL(QStringList{QString(), QStringLiteral("INSERT INTO T (Codigo, Nome) VALUES (2, 'dois')")},
                                 QStringLiteral("SELECT Nome FROM T WHERE Codigo = 2"), &db, &ws)
                  .toString(),
              QStringLiteral("dois"));
    EXPECT_FALSE(ExecutaComandosSQL(QStringLiteral("UPDATE T SET Nome = 'x'"), QString(), &db, &ws).isValid());
    // A final query without rows rolls back and raises "no current record".
    EXPECT_EQ(tqtest::errorNumberOf([&] {
                  ExecutaComandosSQL(QStringLiteral("DELETE FROM T"), QStringLiteral("SELECT Nome FROM T"), &db, &ws);
              }),
              JetError::NoCurrentRecord);
    EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT * FROM T"))->RecordCount(), 1);
    // Creating a table and its rows in one transaction: a failing row takes the table with it.
    ws->BeginTrans();
    EXPECT_NE(tqtest::errorNumberOf([&] {
                  db->Execute(QStringLiteral("CREATE TABLE N (a TEXT(1) NOT NULL CONSTRAINT a PRIMARY KEY)"));
                  ExecutaComandosSQL(QStringList{QStringLiteral("INSERT INTO N (a) VALUES ('x')"),
                                                 QStringLiteral("INSERT INTO N (a) VALUES ('X')")},
                                     QString(), &db, &ws);
              }),
              0);
    ws->Rollback();
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->OpenRecordset(QStringLiteral("SELECT * FROM N")); }), JetError::NoSuchTable);
    FechaBanco(ws, db);
}

}  // namespace
