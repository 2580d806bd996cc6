// What may cross threads in the database layer: a snapshot opened on a
// worker's own connection and handed over, Interrupt from another thread,
// the interrupt check that catches an interrupt sent too early, and the
// translations of queries the layer keeps.

#include "platform/dao/dao.h"
#include "platform/dao/jetsql.h"

#include "support/testutil.h"

#include <atomic>
#include <future>
#include <map>
#include <thread>

#include <gtest/gtest.h>

using namespace platform::dao;

namespace {

class DaoThreads : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file(QStringLiteral("t.mdb"));
        DatabasePtr db = DBEngine::CreateDatabase(path);
        db->Execute(QStringLiteral("CREATE TABLE T (Codigo LONG, Nome TEXT(20))"));
        auto ws = DBEngine::CreateWorkspace(QStringLiteral("setup"));
        db = ws->OpenDatabase(path);
        ws->BeginTrans();
        for (int i = 1; i <= 300; ++i)
            db->Execute(QStringLiteral("INSERT INTO T VALUES (%1, 'N%1')").arg(i));
        ws->CommitTrans();
        ws->Close();
    }
    // Runs until interrupted: 300^4 rows to count.
    const QString lenta = QStringLiteral("SELECT Count(*) FROM T AS a, T AS b, T AS c, T AS d");
    tqtest::TempDir dir;
    QString path;
};

TEST_F(DaoThreads, ASnapshotOpenedOnAWorkerIsHandedOverAndRequeriesHere)
{
    RecordsetPtr rs = std::async(std::launch::async, [&] {
                          auto ws = DBEngine::CreateWorkspace(QStringLiteral("worker"));
                          DatabasePtr db = ws->OpenDatabase(path, false, true);
                          RecordsetPtr r = db->OpenRecordset(QStringLiteral("SELECT * FROM T WHERE Codigo <= 5 ORDER BY Codigo"));
                          ws->Close();  // the worker's connection is gone
                          return r;
                      }).get();
    ASSERT_EQ(rs->RecordCount(), 5);
    rs->MoveLast();
    EXPECT_EQ(rs->Value(QStringLiteral("Nome")).toString(), QStringLiteral("N5"));
    rs->FindFirst(QStringLiteral("Codigo = 3"));
    EXPECT_FALSE(rs->NoMatch());
    // Without a database of this thread a Requery has nothing to read.
    EXPECT_EQ(tqtest::errorNumberOf([&] { rs->Requery(); }), JetError::ObjectClosed);
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("here"));
    DatabasePtr aqui = ws->OpenDatabase(path, false, true);
    rs->SetDatabase(aqui);
    rs->Requery();
    EXPECT_EQ(rs->RecordCount(), 5);
}

TEST_F(DaoThreads, InterruptFromAnotherThreadStopsTheStatement)
{
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("w"));
    DatabasePtr db = ws->OpenDatabase(path, false, true);
    std::atomic<bool> parar{false};
    std::thread outro([&] {
        // Interrupts until the statement has stopped (one may come before it starts).
        while (!parar) {
            db->Interrupt();
            std::this_thread::yield();
        }
    });
    const long erro = tqtest::errorNumberOf([&] { db->OpenRecordset(lenta); });
    parar = true;
    outro.join();
    EXPECT_EQ(erro, JetError::Interrupted);
    // The connection goes on working.
    EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT Count(*) FROM T"))->Value(0).toInt(), 300);
    db->Close();
    db->Interrupt();  // closed: nothing
}

TEST_F(DaoThreads, TheInterruptCheckStopsAStatementAndCanBeRemoved)
{
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("w"));
    DatabasePtr db = ws->OpenDatabase(path, false, true);
    int chamadas = 0;
    db->SetInterruptCheck([&] { return ++chamadas > 3; });
    EXPECT_EQ(tqtest::errorNumberOf([&] { db->OpenRecordset(lenta); }), JetError::Interrupted);
    EXPECT_GT(chamadas, 3);
    db->SetInterruptCheck({});
    EXPECT_EQ(db->OpenRecordset(QStringLiteral("SELECT Count(*) FROM T AS a, T AS b"))->Value(0).toInt(), 90000);
}

}  // namespace

TEST_F(DaoThreads, QueriesTranslatedOnSeveralThreadsAtOnceKeepTheirOwnText)
{
    // The layer keeps the translations of queries: threads that translate
    // many queries at once (more than are kept) each get their own text,
    // and a statement that is no query is translated afresh every time.
    const auto traduz = [](int k) {
        return jet::TranslateStatement(QStringLiteral("SELECT Nome FROM T WHERE Codigo = %1").arg(k));
    };
    std::map<int, QByteArray> esperado;
    for (int k = 0; k < 600; ++k)
        esperado[k] = traduz(k).sql;
    std::vector<std::future<int>> trabalhos;
    for (int t = 0; t < 4; ++t)
        trabalhos.push_back(std::async(std::launch::async, [&, t] {
            int erros = 0;
            for (int volta = 0; volta < 3; ++volta)
                for (int k = t; k < 600; k += 2)
                    erros += traduz(k).sql != esperado[k] ? 1 : 0;
            return erros;
        }));
    for (auto& f : trabalhos)
        EXPECT_EQ(f.get(), 0);
    EXPECT_TRUE(esperado[7].contains("= 7)"));
    EXPECT_EQ(jet::TranslateStatement(QStringLiteral("DELETE FROM T")).kind, jet::StatementKind::Delete);
    for (int volta = 0; volta < 2; ++volta)
        EXPECT_NE(tqtest::errorNumberOf([] { jet::TranslateStatement(QStringLiteral("SELECT FROM")); }), 0);
}
