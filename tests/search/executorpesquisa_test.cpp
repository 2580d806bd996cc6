// The search runner: searches read on the worker, older ones interrupted,
// only the newest bound, Conclui binding at once, one error box per failure.
// No sleeps: signals are awaited with QSignalSpy and QTest::qWaitFor.

#include "search/executorpesquisa.h"
#include "search/sqlpesquisa.h"
#include "search/vinculolista.h"

#include "core/database.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "listcontrols/thgrid.h"
#include "tools/demo/demo.h"

#include "support/demofixture.h"
#include "support/fakemessagebox.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <sqlite3.h>

#include <cstdio>

#include <gtest/gtest.h>

using namespace platform::dao;
using Pesquisa::ExecutorPesquisa;

namespace {

// A statement that runs until it is interrupted (796^3 rows to count).
const QString kLenta = QStringLiteral("SELECT Count(*) FROM PECA_COMPONENTE AS a, PECA_COMPONENTE AS b, PECA_COMPONENTE AS c");

class Executor : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new tqtest::TempDir;
        s_summary = &tqtest::DemoFixture(QStringLiteral("V"));
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
    }
    void SetUp() override
    {
        Modulo::gIdioma = QStringLiteral("P");
        Modulo::gEdicao = QStringLiteral("V");
        Modulo::gCaminhoDados = s_summary->dataFolder;
        Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
    }
    void TearDown() override { Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize); }

    static QString Pesquisa(const QString& descricao)
    {
        Pesquisa::EntradaPesquisaPecas e;
        e.componentes = e.jogosReparo = e.transmissoes = true;
        e.descricao = descricao;
        return Pesquisa::SqlPesquisaPecas(e, QStringLiteral("2"));
    }
    // The rows of a recordset as text, for comparing two readings.
    static QStringList Linhas(const RecordsetPtr& rs)
    {
        QStringList out;
        for (long r = 0; r < rs->RecordCount(); ++r) {
            QStringList c;
            for (int f = 0; f < rs->FieldCount(); ++f)
                c << rs->ValueAt(r, f).toString();
            out << c.join(QLatin1Char('|'));
        }
        return out;
    }
    static QStringList Direto(const QString& sql) { return Linhas(Modulo::gDbDazadize->OpenRecordset(sql)); }

    static tqtest::TempDir* s_dir;
    static const demo::Summary* s_summary;
};
tqtest::TempDir* Executor::s_dir = nullptr;
const demo::Summary* Executor::s_summary = nullptr;

TEST_F(Executor, AnOlderSearchIsInterruptedAndOnlyTheNewestIsBound)
{
    ExecutorPesquisa executor;
    QSignalSpy vinculadas(&executor, &ExecutorPesquisa::vinculada);
    QStringList vinculos;
    QStringList linhas;
    executor.Inicia(kLenta, [&](const RecordsetPtr&) { vinculos << QStringLiteral("lenta"); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return executor.Lendo(); }, 10000));
    const QString sql = Pesquisa(QStringLiteral("engrenagem"));
    const quint64 nova = executor.Inicia(sql, [&](const RecordsetPtr& rs) {
        vinculos << QStringLiteral("nova");
        linhas = Linhas(rs);
    });
    // Only an interrupt ends the first statement: the second arrives.
    ASSERT_TRUE(vinculadas.wait(20000));
    ASSERT_EQ(vinculadas.size(), 1);
    EXPECT_EQ(vinculadas[0][0].value<quint64>(), nova);
    EXPECT_EQ(vinculos, QStringList{QStringLiteral("nova")});
    EXPECT_EQ(linhas, Direto(sql));
    EXPECT_FALSE(linhas.isEmpty());
    EXPECT_FALSE(executor.Pendente());
    QCoreApplication::processEvents();
    EXPECT_EQ(vinculadas.size(), 1);
}

TEST_F(Executor, ConcluiBindsTheNewestAtOnceAndNothingArrivesLater)
{
    ExecutorPesquisa executor;
    QSignalSpy vinculadas(&executor, &ExecutorPesquisa::vinculada);
    DataControl dtc;
    int chamadas = 0;
    // Three keystrokes, then Forward: it acts on the third search.
    for (const char* t : {"e", "en", "eng"}) {
        const QString sql = Pesquisa(QLatin1String(t));
        executor.Inicia(sql, [&, sql](const RecordsetPtr& rs) {
            ++chamadas;
            dtc.SetRecordSource(sql);
            dtc.SetRecordset(rs);
        });
    }
    executor.Conclui();
    EXPECT_EQ(chamadas, 1);
    EXPECT_EQ(dtc.RecordSource(), Pesquisa(QStringLiteral("eng")));
    EXPECT_EQ(Linhas(dtc.Recordset()), Direto(Pesquisa(QStringLiteral("eng"))));
    // The bound rows re-query on this thread's catalogue.
    dtc.Recordset()->Requery();
    EXPECT_EQ(Linhas(dtc.Recordset()), Direto(Pesquisa(QStringLiteral("eng"))));
    EXPECT_EQ(vinculadas.size(), 1);
    // The queued arrival of the same result binds nothing again.
    QTest::qWait(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(chamadas, 1);
    EXPECT_EQ(vinculadas.size(), 1);
    // Nothing pending: Conclui does nothing.
    executor.Conclui();
    EXPECT_EQ(chamadas, 1);
}

TEST_F(Executor, AFailureIsShownOnceAndTheListKeepsItsRows)
{
    tqtest::FakeMessageBoxes caixas;
    ExecutorPesquisa executor;
    DataControl dtc;
    const QString boa = Pesquisa(QStringLiteral("anel"));
    executor.Inicia(boa, Pesquisa::VinculoLista(nullptr, &dtc, boa, false));
    executor.Conclui();
    const QStringList antes = Linhas(dtc.Recordset());
    ASSERT_FALSE(antes.isEmpty());
    QSignalSpy falhas(&executor, &ExecutorPesquisa::falhou);
    QSignalSpy vinculadas(&executor, &ExecutorPesquisa::vinculada);
    int vinculos = 0;

    // Arriving on its own: one error box, then `falhou`.
    executor.Inicia(QStringLiteral("SELECT * FROM TABELA_QUE_NAO_EXISTE"), [&](const RecordsetPtr&) { ++vinculos; });
    ASSERT_TRUE(falhas.wait(10000));
    EXPECT_EQ(falhas[0][1].toLongLong(), JetError::NoSuchTable);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.contains(QStringLiteral("3078")));
    EXPECT_FALSE(executor.Pendente());

    // Met by Conclui in a handler's guard: raised there, shown once by the guard.
    executor.Inicia(QStringLiteral("SELECT * FROM OUTRA_QUE_NAO_EXISTE"), [&](const RecordsetPtr&) { ++vinculos; });
    EXPECT_FALSE(Modulo::Guarda([&] { executor.Conclui(); }));
    QCoreApplication::processEvents();
    EXPECT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(falhas.size(), 1);
    EXPECT_EQ(vinculos, 0);
    EXPECT_EQ(vinculadas.size(), 0);
    EXPECT_EQ(dtc.RecordSource(), boa);
    EXPECT_EQ(Linhas(dtc.Recordset()), antes);
}

TEST_F(Executor, ACancelledSearchIsNeverBound)
{
    ExecutorPesquisa executor;
    QSignalSpy vinculadas(&executor, &ExecutorPesquisa::vinculada);
    executor.Inicia(kLenta, [](const RecordsetPtr&) { ADD_FAILURE() << "a cancelled search was bound"; });
    ASSERT_TRUE(QTest::qWaitFor([&] { return executor.Lendo(); }, 10000));
    executor.Cancela();
    EXPECT_FALSE(executor.Pendente());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !executor.Lendo(); }, 20000));
    QCoreApplication::processEvents();
    EXPECT_EQ(vinculadas.size(), 0);
    // The runner goes on with the next search.
    executor.Inicia(Pesquisa(QStringLiteral("anel")), [](const RecordsetPtr&) {});
    EXPECT_TRUE(vinculadas.wait(10000));
}

TEST_F(Executor, AMissingOrLockedCatalogueGivesTheErrorBox)
{
    tqtest::FakeMessageBoxes caixas;
    {
        ExecutorPesquisa executor;
        executor.DefineCatalogo(s_dir->file(QStringLiteral("nada/DAZADIZETQ_V.MDB")), Modulo::gDbDazadize);
        QSignalSpy falhas(&executor, &ExecutorPesquisa::falhou);
        executor.Inicia(Pesquisa({}), [](const RecordsetPtr&) {});
        ASSERT_TRUE(falhas.wait(10000));
        EXPECT_EQ(falhas[0][1].toLongLong(), JetError::FileNotFound);
    }
    {
        // Another program holds the file's exclusive lock: the search fails
        // as locked, and the next one, once the lock is gone, is bound.
        tqtest::TempDir copia;
        const QString arquivo = copia.file(QStringLiteral("DAZADIZETQ_V.MDB"));
        ASSERT_TRUE(QFile::copy(s_summary->catalogueFile, arquivo));
        sqlite3* outro = nullptr;
        ASSERT_EQ(sqlite3_open(arquivo.toUtf8().constData(), &outro), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(outro, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        ExecutorPesquisa executor;
        executor.DefineCatalogo(arquivo, Modulo::gDbDazadize);
        QSignalSpy falhas(&executor, &ExecutorPesquisa::falhou);
        QSignalSpy vinculadas(&executor, &ExecutorPesquisa::vinculada);
        executor.Inicia(Pesquisa({}), [](const RecordsetPtr&) {});
        ASSERT_TRUE(falhas.wait(10000));
        EXPECT_EQ(falhas[0][1].toLongLong(), JetError::Locked);
        sqlite3_exec(outro, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(outro);
        executor.Inicia(Pesquisa({}), [](const RecordsetPtr&) {});
        EXPECT_TRUE(vinculadas.wait(10000));
    }
    ASSERT_EQ(caixas.shown.size(), 2u);
    EXPECT_TRUE(caixas.shown[0].text.contains(QString::number(JetError::FileNotFound)));
    EXPECT_TRUE(caixas.shown[1].text.contains(QString::number(JetError::Locked)));
}

TEST_F(Executor, AfterReabreTheReplacedFileIsRead)
{
    // A copy of the catalogue, searched, then replaced by a file without
    // components (as an update replaces the catalogue by renaming over it).
    tqtest::TempDir pasta;
    const QString arquivo = pasta.file(QStringLiteral("DAZADIZETQ_V.MDB"));
    ASSERT_TRUE(QFile::copy(s_summary->catalogueFile, arquivo));
    ExecutorPesquisa executor;
    executor.DefineCatalogo(arquivo, Modulo::gDbDazadize);
    long linhas = -1;
    const auto conta = [&](const RecordsetPtr& rs) { linhas = rs->RecordCount(); };
    const QString sql = QStringLiteral("SELECT CodigoComponente FROM COMPONENTE");
    executor.Inicia(sql, conta);
    executor.Conclui();
    ASSERT_GT(linhas, 0);

    const QString novo = pasta.file(QStringLiteral("novo.mdb"));
    ASSERT_TRUE(QFile::copy(s_summary->catalogueFile, novo));
    {
        auto ws = DBEngine::CreateWorkspace(QStringLiteral("atualizacao"));
        ws->OpenDatabase(novo)->Execute(QStringLiteral("DELETE FROM COMPONENTE"));
        ws->Close();
    }
    ASSERT_EQ(::rename(novo.toUtf8().constData(), arquivo.toUtf8().constData()), 0);
    // The open connection still reads the old file; reopened, the new one.
    executor.Inicia(sql, conta);
    executor.Conclui();
    EXPECT_GT(linhas, 0);
    executor.Reabre();
    executor.Inicia(sql, conta);
    executor.Conclui();
    EXPECT_EQ(linhas, 0);
}

TEST_F(Executor, TypingIntoABoxBindsTheFinalSearchToTheList)
{
    ExecutorPesquisa executor;
    QSignalSpy vinculadas(&executor, &ExecutorPesquisa::vinculada);
    DataControl dtc;
    THGrid grid;
    grid.mUserControlPixelWidth = 558;
    grid.mUserControlPixelHeight = 391;
    grid.Move(0, 0, 558, 391);
    dtc.SetDatabase(Modulo::gDbDazadize);
    dtc.SetRecordSource(Pesquisa({}));
    dtc.Refresh();
    grid.ObtemDataControl(&dtc);
    grid.ConfiguraColunas({QStringLiteral("NumeroEmpresa|0|1335|T|6"), QStringLiteral("Descricao|0|4050|T|6"),
                           QStringLiteral("Tipo|0|1935|T|6")});
    QLineEdit caixa;
    QObject::connect(&caixa, &QLineEdit::textChanged, &caixa, [&](const QString& texto) {
        const QString sql = Pesquisa(texto);
        executor.Inicia(sql, Pesquisa::VinculoLista(&grid, &dtc, sql, true));
    });
    for (const QChar c : QStringLiteral("rolamento"))
        caixa.setText(caixa.text() + c);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !executor.Pendente(); }, 20000));
    EXPECT_EQ(dtc.RecordSource(), Pesquisa(QStringLiteral("rolamento")));
    EXPECT_EQ(Linhas(dtc.Recordset()), Direto(Pesquisa(QStringLiteral("rolamento"))));
    EXPECT_GE(vinculadas.size(), 1);
    EXPECT_EQ(vinculadas.last()[0].value<quint64>(), executor.UltimaPesquisa());
    EXPECT_EQ(grid.Columns(1).Text(), dtc.Recordset()->Value(QStringLiteral("Descricao")).toString());
}

}  // namespace
