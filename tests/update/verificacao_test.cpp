// The update checks of the main window without the window: stand-in checkers
// (canned, hung, crashing, missing) and the real one, a recording window, an
// injected clock.
#include "update/verificacaoatualizacao.h"

#include "atualizacaofixture.h"
#include "core/config.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/texts.h"
#include "platform/process/process.h"
#include "support/fakedesktop.h"
#include "support/qstringprinter.h"
#include "update/infoatualizacao.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

using namespace Atualizacao;

namespace {

class JanelaFalsa : public JanelaVerificacao {
public:
    void AtualizaInfoUltimaAtualizacao(bool c) override
    {
        chamadas << (c ? QStringLiteral("info true") : QStringLiteral("info false"));
        if (aoAtualizar)
            aoAtualizar(c);
    }
    void AbreJanelaSecundaria(int codigo, const QString& p) override
    {
        // As frmTQ1.AbreJanelaSecundaria builds the request.
        Modulo::gParametro = QString::number(codigo) + (p.isEmpty() ? QString() : QLatin1Char('|') + p);
        pedidos << Modulo::gParametro;
        if (aoAbrir)
            aoAbrir();
    }
    void DescarregaJanelaDetalhe() override { chamadas << QStringLiteral("descarrega detalhe"); }
    void VoltaInicio() override { chamadas << QStringLiteral("inicio"); }
    void Descarrega() override { chamadas << QStringLiteral("descarrega"); }
    void HabilitaVigia(bool h) override { vigia = h; }
    int IntervaloAutomatico() const override { return intervalo; }
    void DefineIntervaloAutomatico(int ms) override { intervalo = ms; }
    void Ampulheta(bool l) override { chamadas << (l ? QStringLiteral("ampulheta") : QStringLiteral("seta")); }

    QStringList chamadas, pedidos;
    std::function<void(bool)> aoAtualizar;
    std::function<void()> aoAbrir;
    bool vigia = false;
    int intervalo = 20000;
};

const QDateTime kInicio(QDate(2025, 6, 2), QTime(10, 0, 0));

class Verificacao : public ::testing::Test {
protected:
    void SetUp() override
    {
        dados = raiz.file(QStringLiteral("dados/"));
        programa = raiz.file(QStringLiteral("programa/"));
        QDir().mkpath(programa);
        tqupd::CriaCatalogo(dados, QStringLiteral("http://127.0.0.1:9/tq"), 41);
        tqupd::AbreGlobais(dados, raiz.file(QStringLiteral("usuario")));
        Modulo::gVerificacaoAutomatica = true;
        ambiente.pastaPrograma = programa;
        ambiente.agora = [this] { return agora; };
        ambiente.relogioMs = [this] { return relogio; };
    }
    void TearDown() override
    {
        controle.reset();
        tqupd::FechaGlobais();
    }

    VerificacaoAtualizacao& C()
    {
        if (!controle)
            controle = std::make_unique<VerificacaoAtualizacao>(janela, ambiente);
        return *controle;
    }

    // A stand-in checker: notes its argument line and answers with the text
    // of resultado<n>.txt for its n-th start (resultado.txt when there is none).
    void Verificador(const QByteArray& fim = "cat \"$r\" > \"$arq\"\n")
    {
        const QString arquivo = programa + QStringLiteral("VerifAtualizDazadizeTQ_V");
        tqupd::Escreve(arquivo, "#!/bin/sh\n"
                                "d=$(dirname \"$0\")\n"
                                "printf '%s\\n' \"$*\" >> \"$d/chamadas.txt\"\n"
                                "arg=\"$*\"; arq=\"${arg#*|}\"\n"
                                "n=$(wc -l < \"$d/chamadas.txt\")\n"
                                "r=\"$d/resultado$n.txt\"; [ -f \"$r\" ] || r=\"$d/resultado.txt\"\n"
                                + fim);
        QFile::setPermissions(arquivo, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    void Resultado(const QByteArray& texto, int n = 0)
    {
        tqupd::Escreve(programa + (n ? QStringLiteral("resultado%1.txt").arg(n) : QStringLiteral("resultado.txt")), texto);
    }
    QStringList Chamadas() const
    {
        return QString::fromUtf8(tqtest::readFile(programa + QStringLiteral("chamadas.txt"))).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Ticks the watch until the check (both passes) has ended.
    bool Termina()
    {
        return QTest::qWaitFor(
            [&] {
                C().TickVigia();
                return !C().VigiaHabilitada();
            },
            20000);
    }

    // The stamp: "<flag> <time>" or "" when there is none.
    QString Carimbo() const
    {
        platform::dao::WorkspacePtr ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("leitura"));
        auto db = ws->OpenDatabase(dados + Modulo::NomeArquivoCatalogo(), false, true);
        auto rs = db->OpenRecordset(QStringLiteral("SELECT FlagErroUltimaVerificacao, DataUltimaVerificacao FROM UMREGISTRO"));
        const QVariant data = rs->Value(1);
        const QString s = platform::dao::IsNull(data) ? QString()
                                                      : rs->Fields(0).Text() + QLatin1Char(' ')
                + data.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
        ws->Close();
        return s;
    }

    static bool BloqueioLivre()
    {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {Modulo::gCaminhoDados + Modulo::NomeArquivoBloqueio(),
                                            QStringLiteral("BEGIN IMMEDIATE; UPDATE CONTROLETRAN SET a = a; COMMIT;")});
        p.waitForFinished(10000);
        return p.exitCode() == 0 && p.readAllStandardError().isEmpty();
    }

    QString Texto(int n) const { return Modulo::ObtemTexto(n); }

    tqtest::TempDir raiz;
    QString dados, programa;
    tqtest::FakeMessageBoxes caixas;
    tqtest::FakePopupMenus menus;
    JanelaFalsa janela;
    AmbienteVerificacao ambiente;
    QDateTime agora = kInicio;
    qint64 relogio = 0;
    std::unique_ptr<VerificacaoAtualizacao> controle;
};

// ---------------------------------------------------------------------------

TEST_F(Verificacao, OutcomesOfTheFirstPass)
{
    struct Caso {
        const char* nome;
        QByteArray resultado;  // null: no checker at all
        bool automatica;
        int resposta;          // to the question, when asked
        QStringList caixas;    // "?" question 67, "i:<text>" information, "x:<number>" error box
        const char* carimbo;
    } casos[] = {
        {"newer, automatic, No", "141|43", true, platform::vbNo, {QStringLiteral("?")}, "0"},
        {"same, automatic", "143|43", true, 0, {}, "0"},
        {"same, manual", "143|43", false, 0, {QStringLiteral("i:") + Texto(68) + QLatin1Char('.')}, "0"},
        {"older, manual", "144|43", false, 0, {QStringLiteral("i:") + Texto(68) + QLatin1Char('.')}, "0"},
        {"error line, automatic", "0-104 HttpQueryInfo:0;-103;Status=404", true, 0, {}, "1"},
        {"error line, manual", "0-104 HttpQueryInfo:0;-103;Status=404", false, 0, {QStringLiteral("x:-2")}, "1"},
        {"malformed, automatic", "1abc|43", true, 0, {}, "1"},
        {"malformed, manual", "1abc|43", false, 0, {QStringLiteral("x:13")}, "1"},
        {"one field, manual", "141", false, 0, {QStringLiteral("x:9")}, "1"},
        {"empty, manual", "", false, 0, {QStringLiteral("x:9")}, "1"},
        {"no checker, automatic", QByteArray(), true, 0, {QStringLiteral("x:-1")}, "1"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(programa + QStringLiteral("VerifAtualizDazadizeTQ_V"));
        if (!c.resultado.isNull()) {
            Verificador();
            Resultado(c.resultado);
        }
        caixas.shown.clear();
        caixas.answers.clear();
        if (c.resposta)
            caixas.answers.push_back(c.resposta);
        agora = agora.addSecs(60);

        C().IniciaVerificacaoAtualizacao(c.automatica);
        ASSERT_TRUE(Termina());
        QStringList vistas;
        for (const auto& b : caixas.shown) {
            if (b.icon() == platform::vbQuestion) {
                vistas << QStringLiteral("?");
                EXPECT_EQ(b.text, Texto(67));
                EXPECT_EQ(b.buttons(), platform::vbYesNo);
                EXPECT_TRUE(b.style & platform::vbDefaultButton2);
            } else if (b.icon() == platform::vbCritical) {
                vistas << QStringLiteral("x:") + b.text.section(QStringLiteral(": "), 1).section(QStringLiteral("\r\n"), 0, 0);
            } else {
                vistas << QStringLiteral("i:") + b.text;
            }
        }
        EXPECT_EQ(vistas, c.caixas);
        EXPECT_EQ(Carimbo(), QString::fromUtf8(c.carimbo) + agora.toString(QStringLiteral(" yyyy-MM-dd hh:mm:ss")));
        EXPECT_TRUE(janela.pedidos.isEmpty());
        EXPECT_FALSE(C().VerificacaoEmAndamento());
        EXPECT_FALSE(C().DazadizeBloqueado());
        EXPECT_EQ(C().DataUltimaVerificacao(), agora);
        EXPECT_EQ(janela.chamadas.filter(QStringLiteral("info true")).size(), 1);
        janela.chamadas.clear();
        // The result file is gone.
        EXPECT_EQ(QDir(dados).entryList({QStringLiteral("*.tmp")}, QDir::Files), QStringList());
    }
}

TEST_F(Verificacao, AnErrorBoxComposesTheCheckersError)
{
    Verificador();
    Resultado("0-104 HttpQueryInfo:0;-103;Status=404");
    C().IniciaVerificacaoAtualizacao(false);
    ASSERT_TRUE(Termina());
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, Texto(21) + QStringLiteral(": -2\r\n") + Texto(70) + QStringLiteral("\r\n\r\n")
                                      + Texto(8).toUpper() + QStringLiteral(": ") + Texto(71) + QStringLiteral("\r\n\r\n")
                                      + QStringLiteral("-104 HttpQueryInfo:0;-103;Status=404"));
    ASSERT_EQ(Chamadas().size(), 1);
    EXPECT_TRUE(Chamadas()[0].startsWith(QStringLiteral("0|") + dados)) << Chamadas()[0].toStdString();
}

TEST_F(Verificacao, YesLocksRechecksUnderTheLockAndOpensRequest7)
{
    Verificador();
    Resultado("141|43");
    caixas.answers.push_back(platform::vbYes);
    bool bloqueadoNoCarimbo = false;
    QString carimboNoFim;
    janela.aoAtualizar = [&](bool) {
        bloqueadoNoCarimbo = C().DazadizeBloqueado() && !BloqueioLivre();
        carimboNoFim = Carimbo();
    };
    janela.aoAbrir = [&] { EXPECT_FALSE(BloqueioLivre()) << "the update runs under the lock"; };

    C().IniciaVerificacaoAtualizacao(true);
    ASSERT_TRUE(Termina());

    // The second pass is a manual check that does not ask again.
    const QStringList chamadas = Chamadas();
    ASSERT_EQ(chamadas.size(), 2);
    EXPECT_TRUE(chamadas[0].startsWith(QStringLiteral("1|") + dados));
    EXPECT_TRUE(chamadas[1].startsWith(QStringLiteral("0|") + dados));
    EXPECT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(janela.pedidos, QStringList{QStringLiteral("7|41|43")});
    EXPECT_TRUE(Modulo::gParametro.isEmpty());
    // Stamped once, at the end of the second pass, with the lock still held.
    EXPECT_EQ(janela.chamadas.filter(QStringLiteral("info true")).size(), 1);
    EXPECT_TRUE(bloqueadoNoCarimbo);
    EXPECT_EQ(carimboNoFim, QStringLiteral("0 2025-06-02 10:00:00"));
    EXPECT_TRUE(BloqueioLivre());
    EXPECT_EQ(janela.chamadas.filter(QStringLiteral("inicio")).size(), 1);
    EXPECT_TRUE(janela.chamadas.contains(QStringLiteral("descarrega detalhe")));
}

TEST_F(Verificacao, ASecondPassThatFindsTheUpdateDoneShowsText68AndUnlocks)
{
    Verificador();
    Resultado("141|43", 1);
    Resultado("143|43", 2);  // another computer updated meanwhile
    caixas.answers.push_back(platform::vbYes);
    C().IniciaVerificacaoAtualizacao(false);
    ASSERT_TRUE(Termina());
    ASSERT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(caixas.last().text, Texto(68) + QLatin1Char('.'));
    EXPECT_TRUE(janela.pedidos.isEmpty());
    EXPECT_EQ(Carimbo(), QStringLiteral("0 2025-06-02 10:00:00"));
    EXPECT_TRUE(BloqueioLivre());
}

TEST_F(Verificacao, AnotherProcessHoldingTheLockGivesText69)
{
    Modulo::BloqueiaDazadize(true);
    Modulo::BloqueiaDazadize(false);
    QProcess outro;
    outro.start(QStringLiteral("sqlite3"), {dados + Modulo::NomeArquivoBloqueio()});
    ASSERT_TRUE(outro.waitForStarted());
    outro.write("BEGIN IMMEDIATE;\nUPDATE CONTROLETRAN SET a = a;\n.print preso\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return outro.readAllStandardOutput().contains("preso"); }, 10000));

    Verificador();
    Resultado("141|43");
    caixas.answers.push_back(platform::vbYes);
    C().IniciaVerificacaoAtualizacao(false);
    ASSERT_TRUE(Termina());
    ASSERT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(caixas.last().text, Texto(69) + QLatin1Char('.'));
    EXPECT_EQ(caixas.last().icon(), platform::vbInformation);
    EXPECT_EQ(Chamadas().size(), 1);
    EXPECT_TRUE(janela.pedidos.isEmpty());
    EXPECT_EQ(Carimbo(), QStringLiteral("0 2025-06-02 10:00:00"));
    outro.write("ROLLBACK;\n.quit\n");
    outro.waitForFinished(5000);
}

// An empty lock file (left by a program killed while creating it) is no
// lock held elsewhere: it is rebuilt and the update goes ahead under it.
TEST_F(Verificacao, AnEmptyLockFileIsRebuiltAndTheUpdateOpens)
{
    tqupd::Escreve(dados + Modulo::NomeArquivoBloqueio(), QByteArray());
    Verificador();
    Resultado("141|43");
    caixas.answers.push_back(platform::vbYes);
    janela.aoAbrir = [&] { EXPECT_FALSE(BloqueioLivre()) << "the update runs under the lock"; };
    C().IniciaVerificacaoAtualizacao(false);
    ASSERT_TRUE(Termina());
    EXPECT_EQ(janela.pedidos, QStringList{QStringLiteral("7|41|43")});
    EXPECT_TRUE(BloqueioLivre());
}

TEST_F(Verificacao, AnErrorOpeningTheUpdateShowsTheErrorBox)
{
    Verificador();
    Resultado("141|43");
    caixas.answers.push_back(platform::vbYes);
    janela.aoAbrir = [] { throw platform::Error(7, QStringLiteral("Out of memory")); };
    C().IniciaVerificacaoAtualizacao(false);
    ASSERT_TRUE(Termina());
    EXPECT_EQ(caixas.last().text, Texto(21) + QStringLiteral(": 7\r\nOut of memory"));
    EXPECT_EQ(Carimbo(), QStringLiteral("1 2025-06-02 10:00:00"));
    EXPECT_TRUE(BloqueioLivre());
    EXPECT_EQ(janela.chamadas.filter(QStringLiteral("inicio")).size(), 1);
}

TEST_F(Verificacao, ARestartRequestedByTheUpdateUnloadsTheWindow)
{
    Verificador();
    Resultado("141|43");
    caixas.answers.push_back(platform::vbYes);
    janela.aoAbrir = [] { Modulo::gReiniciarPeloLancador = true; };
    C().IniciaVerificacaoAtualizacao(false);
    ASSERT_TRUE(Termina());
    EXPECT_TRUE(janela.chamadas.contains(QStringLiteral("descarrega")));
    EXPECT_FALSE(janela.chamadas.contains(QStringLiteral("inicio")));
}

TEST_F(Verificacao, TheWatchdogEndsAHungCheckerAfterFiveMinutes)
{
    Verificador("exec sleep 600\n");
    C().IniciaVerificacaoAtualizacao(false);
    const qint64 pid = C().ProcessoVerificacao();
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Chamadas().size() == 1; }, 10000));
    relogio += kLimiteVerificadorMs - 1;
    C().TickVigia();
    EXPECT_TRUE(C().VigiaHabilitada());
    EXPECT_TRUE(caixas.shown.empty());

    relogio += 1;
    C().TickVigia();
    EXPECT_FALSE(C().VigiaHabilitada());
    EXPECT_FALSE(C().VerificacaoEmAndamento());
    EXPECT_FALSE(platform::processRunning(pid));
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.startsWith(Texto(21) + QStringLiteral(": -2\r\n"))) << caixas.last().text.toStdString();
    EXPECT_TRUE(caixas.last().text.contains(QStringLiteral("5 minutos"))) << caixas.last().text.toStdString();
    EXPECT_EQ(Carimbo(), QStringLiteral("1 2025-06-02 10:00:00"));
}

TEST_F(Verificacao, ACrashingCheckerFailsThePass)
{
    Verificador("kill -SEGV $$\n");
    C().IniciaVerificacaoAtualizacao(true);
    ASSERT_TRUE(Termina());
    EXPECT_TRUE(caixas.shown.empty());  // automatic: silent
    EXPECT_EQ(Carimbo(), QStringLiteral("1 2025-06-02 10:00:00"));
}

TEST_F(Verificacao, ACheckDuringACheckDoesNothing)
{
    Verificador("sleep 0.3; cat \"$r\" > \"$arq\"\n");
    Resultado("143|43");
    C().IniciaVerificacaoAtualizacao(true);
    C().IniciaVerificacaoAtualizacao(false);
    menus.answers.push_back(kComandoVerificar);
    C().MostraMenuAtualizacao(QRect(0, 0, 10, 10), QRect(0, 0, 10, 10));
    C().TickAutomatico();
    ASSERT_TRUE(Termina());
    EXPECT_EQ(Chamadas().size(), 1);
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(Verificacao, TheAutomaticTimerWaitsFifteenMinutesFromTheLastCheck)
{
    Verificador();
    Resultado("143|43");
    // Never checked: the first tick checks, and the interval becomes 65,535 ms.
    C().CarregaDataUltimaVerificacao();
    EXPECT_FALSE(C().DataUltimaVerificacao().isValid());
    C().TickAutomatico();
    EXPECT_EQ(janela.intervalo, kIntervaloAutomatico);
    ASSERT_TRUE(Termina());
    ASSERT_EQ(Chamadas().size(), 1);
    EXPECT_EQ(C().DataUltimaVerificacao(), kInicio);

    agora = kInicio.addSecs(15 * 60 - 1);
    C().TickAutomatico();
    EXPECT_FALSE(C().VerificacaoEmAndamento());
    agora = kInicio.addSecs(15 * 60);
    C().TickAutomatico();
    EXPECT_TRUE(C().VerificacaoEmAndamento());
    ASSERT_TRUE(Termina());
    EXPECT_EQ(Chamadas().size(), 2);
    EXPECT_TRUE(Chamadas()[1].startsWith(QStringLiteral("1|")));

    // Every third tick refreshes the labels; automatic checking off checks nothing.
    janela.chamadas.clear();
    Modulo::gVerificacaoAutomatica = false;
    agora = agora.addDays(1);
    for (int i = 0; i < 6; ++i)
        C().TickAutomatico();
    EXPECT_EQ(janela.chamadas.filter(QStringLiteral("info false")).size(), 2);
    EXPECT_FALSE(C().VerificacaoEmAndamento());
}

TEST_F(Verificacao, LimitedModeRefusesEveryCheck)
{
    Verificador();
    Resultado("141|43");
    tqupd::Escreve(dados + QStringLiteral("ML.txt"), "");
    C().TickAutomatico();
    EXPECT_EQ(janela.intervalo, 20000);
    EXPECT_FALSE(C().VerificacaoEmAndamento());

    menus.answers.push_back(kComandoVerificar);
    C().MostraMenuAtualizacao(QRect(0, 0, 10, 10), QRect(0, 0, 10, 10));
    C().VerificacaoManual();
    ASSERT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(caixas.last().text, Modulo::MensagemModoLimitado());
    EXPECT_FALSE(C().VerificacaoEmAndamento());
    EXPECT_TRUE(Chamadas().isEmpty());
}

TEST_F(Verificacao, TheMenuOpensBesideTheUpdateButton)
{
    menus.answers.push_back(kComandoConfiguracao);
    C().MostraMenuAtualizacao(QRect(100, 200, 160, 600), QRect(10, 300, 41, 25));
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].texts(), (QStringList{Texto(80), Texto(99)}));
    EXPECT_EQ(menus.shown[0].entries[0].id, 0x6000);
    EXPECT_EQ(menus.shown[0].entries[1].id, 0x6001);
    EXPECT_EQ(menus.shown[0].at, QPoint(146, 512));  // 100+10+41-5, 200+300+12.5 (half to even)
    EXPECT_EQ(janela.pedidos, QStringList{QStringLiteral("8")});
    EXPECT_EQ(PosicaoMenuAtualizacao(QRect(0, 0, 1, 1), QRect(0, 0, 9, 27)), QPoint(4, 14));  // 13.5 -> 14

    // Dismissed: nothing.
    C().MostraMenuAtualizacao(QRect(100, 200, 160, 600), QRect(10, 300, 41, 25));
    EXPECT_EQ(janela.pedidos.size(), 1);
    EXPECT_FALSE(C().VerificacaoEmAndamento());
}

TEST_F(Verificacao, TheRealCheckerFindsTheNewerVersionAndTheUpdateIsRequested)
{
    tqtest::TempDir arvore;
    tqupd::Escreve(arvore.file(QStringLiteral("tq/V/Versao.asp")), "43");
    tqrig::Nginx web;
    if (!web.start(arvore.path()))
        GTEST_SKIP() << web.reason().toStdString();
    tqupd::FechaGlobais();
    tqupd::CriaCatalogo(dados, QStringLiteral("http://%1/tq").arg(web.hostPort()), 41);
    tqupd::AbreGlobais(dados, raiz.file(QStringLiteral("usuario")));
    qputenv("XDG_CONFIG_HOME", raiz.file(QStringLiteral("usuario")).toUtf8());
    ASSERT_TRUE(QFile::copy(QStringLiteral(TQ_VERIFICADOR), programa + QStringLiteral("VerifAtualizDazadizeTQ_V")));
    tqupd::Escreve(programa + QStringLiteral("Caminho.txt"), dados.toUtf8() + "\r\n");

    caixas.answers.push_back(platform::vbYes);
    C().IniciaVerificacaoAtualizacao(false);
    ASSERT_TRUE(Termina());
    EXPECT_EQ(janela.pedidos, QStringList{QStringLiteral("7|41|43")});
    EXPECT_EQ(Carimbo(), QStringLiteral("0 2025-06-02 10:00:00"));
    qunsetenv("XDG_CONFIG_HOME");
}

// ---------------------------------------------------------------------------

TEST_F(Verificacao, TheLabelsReadTheVersionRecord)
{
    InfoUltimaAtualizacao info = LeInfoUltimaAtualizacao();
    EXPECT_EQ(info.textoDataEmissao, QStringLiteral("15-MAR-2024 R2"));
    EXPECT_EQ(info.dicaDataEmissao, Texto(78) + QStringLiteral(": 15-MAR-2024 R2"));
    EXPECT_EQ(info.dicaIconeAtualizar, Texto(80));  // never checked
    EXPECT_FALSE(info.dataUltimaVerificacao.isValid());

    Modulo::GravaVerificacaoAtualizacao(Modulo::DataHoraSQL(kInicio), QStringLiteral("1"));
    info = LeInfoUltimaAtualizacao();
    EXPECT_EQ(info.dicaIconeAtualizar, Texto(80) + QStringLiteral("  -  ") + Texto(72) + QStringLiteral(": 02-JUN-2025 10:00:00"));
    Modulo::GravaVerificacaoAtualizacao({}, QStringLiteral("0"));
    EXPECT_EQ(LeInfoUltimaAtualizacao().dicaIconeAtualizar,
              Texto(80) + QStringLiteral("  -  ") + Texto(79) + QStringLiteral(": 02-JUN-2025 10:00:00"));

    // A Null issue date reads as an empty date.
    platform::dao::WorkspacePtr ws;
    platform::dao::DatabasePtr db;
    Modulo::AbreBancoDazadize(ws, QStringLiteral("w"), db, false);
    db->Execute(QStringLiteral("UPDATE UMREGISTRO SET DataEmissao = Null, ComplementoDataEmissao = Null"));
    Modulo::FechaBanco(ws, db);
    info = LeInfoUltimaAtualizacao();
    EXPECT_EQ(info.textoDataEmissao, QString());
    EXPECT_EQ(info.dicaDataEmissao, Texto(78) + QStringLiteral(": "));
}

}  // namespace
