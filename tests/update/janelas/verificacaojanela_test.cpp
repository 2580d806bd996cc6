// The update checks on a loaded main window over a copy of the demo
// catalogue, with the program's registration: the frame's buttons, timers and
// labels drive the checks; stand-in checkers (canned, hung, crashing,
// missing) and the real one against nginx serving the demo update tree, which
// screen 7 of the real detail window installs before the catalogue restarts
// through its launcher.
#include "update/janelas/registra.h"
#include "update/janelas/verificacaojanela.h"

#include "atualizacaofixture.h"
#include "core/config.h"
#include "core/dates.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/janeladetalhe.h"
#include "core/texts.h"
#include "detailwindow/frmTQ2.h"
#include "mainwindow/janelafixture.h"
#include "platform/process/process.h"
#include "support/qstringprinter.h"
#include "tools/demo/updatetree.h"

#include <QDirIterator>
#include <QPointer>
#include <QProcess>
#include <QTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace Atualizacao;

const QDateTime kInicio(QDate(2025, 6, 2), QTime(10, 0, 0));

// Copies a folder's files (its subfolders too).
void CopiaPasta(const QString& de, const QString& para)
{
    QDirIterator it(de, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString arquivo = it.next();
        const QString destino = para + QDir(de).relativeFilePath(arquivo);
        QDir().mkpath(QFileInfo(destino).absolutePath());
        QFile::copy(arquivo, destino);
    }
}

class VerificacaoNaJanela : public tqtest::JanelaPrincipalTeste {
protected:
    void SetUp() override
    {
        JanelaPrincipalTeste::SetUp();
        dados = raiz.file(QStringLiteral("dados/"));
        programa = raiz.file(QStringLiteral("programa/"));
        QDir().mkpath(programa);
        CopiaPasta(tqtest::CatalogoDemo(QStringLiteral("V")).dataFolder, dados);
        Modulo::gVerificacaoAutomatica = true;
        ambiente.pastaPrograma = programa;
        ambiente.agora = [this] { return agora; };
        ambiente.relogioMs = [this] { return relogio; };
    }

    void TearDown() override
    {
        JanelaPrincipalTeste::TearDown();  // the window goes while the registry holds
        m_registro.reset();
        frmTQ2::RegistraExibeTelaAtualizacao({});
        Modulo::RegistraJanelaDetalhe({});
        Modulo::BloqueiaDazadize(false);
        Modulo::gVerificacaoAutomatica = true;
    }

    // The window over the copy, with the update's registration and the
    // watch ticking every 10 ms; the automatic timer waits for the test.
    frmTQ1* CarregaJanela()
    {
        Modulo::gEdicao = QStringLiteral("V");
        Modulo::gCaminhoDados = dados;
        Modulo::AbreBancoDazadize(Modulo::gWsDazadize, QStringLiteral("gWS"), Modulo::gDbDazadize, true);
        Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
        Modulo::gTabelaCarrinho = Modulo::CriaTabelaLista(Modulo::gDbAuxiliar);
        RegistroTQ1 r;
        PreencheRegistro(r, ambiente);
        m_registro = std::make_unique<RegistroTQ1::Temporario>(std::move(r));
        janela = new frmTQ1;
        janela->Form_Load();
        janela->tmrVerificarAtualizacoes->stop();
        janela->tmrVerificaProcessoVerificacao->setInterval(10);
        janela->show();
        return janela;
    }

    // The detail window's opener replaced by one that notes the request and
    // whether the lock and the check's state are as the update needs them.
    void AbridorGravador()
    {
        aoPedir = [this] { travadoNoPedido = !BloqueioLivre() && janela->mDazadizeBloqueado && janela->mVerificacaoEmAndamento; };
        GravaPedidosDetalhe(false);
    }

    // A stand-in checker (as in the tests without the window).
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
    void Resultado(const QByteArray& texto)
    {
        tqupd::Escreve(programa + QStringLiteral("resultado.txt"), texto);
    }
    QStringList Chamadas() const
    {
        return QString::fromUtf8(tqtest::readFile(programa + QStringLiteral("chamadas.txt")))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // The automatic timer's tick, as the frame's timer delivers it.
    void TickAutomatico() { QMetaObject::invokeMethod(janela->tmrVerificarAtualizacoes, "timeout"); }

    // Waits until no check runs and the watch is off.
    bool Termina(int ms = 20000)
    {
        return QTest::qWaitFor(
            [&] { return !janela->mVerificacaoEmAndamento && !janela->tmrVerificaProcessoVerificacao->isActive(); }, ms);
    }

    QString Catalogo() const { return dados + Modulo::NomeArquivoCatalogo(); }
    QString Flag() const
    {
        return tqupd::ConsultaBanco(Catalogo(), QStringLiteral("SELECT FlagErroUltimaVerificacao FROM UMREGISTRO"));
    }
    bool BloqueioLivre() const
    {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {dados + Modulo::NomeArquivoBloqueio(),
                                            QStringLiteral("BEGIN IMMEDIATE; UPDATE CONTROLETRAN SET a = a; COMMIT;")});
        p.waitForFinished(10000);
        return p.exitCode() == 0 && p.readAllStandardError().isEmpty();
    }
    // The update icon's tooltip after a check at `quando`.
    QString Dica(int texto, const QDateTime& quando) const
    {
        return Texto(80) + QStringLiteral("  -  ") + Texto(texto) + QStringLiteral(": ") + Modulo::FormataDataHora(quando);
    }
    QString Texto(int n) const { return Modulo::ObtemTexto(n); }

    tqtest::TempDir raiz;
    QString dados, programa;
    AmbienteVerificacao ambiente;
    QDateTime agora = kInicio;
    qint64 relogio = 0;
    bool travadoNoPedido = false;

private:
    std::unique_ptr<RegistroTQ1::Temporario> m_registro;
};

// ---------------------------------------------------------------------------

TEST_F(VerificacaoNaJanela, OutcomesThroughTheWindowsButtonsTimersAndLabels)
{
    struct Caso {
        const char* nome;
        QByteArray fim;        // the checker's last line; null: no checker
        QByteArray resultado;
        bool automatica;       // the automatic timer, else the update icon
        QStringList caixas;    // "?" question 67, "i:<text>", "x:<number>" error box
        int dica;              // the text after the last check in the icon's tooltip
    } casos[] = {
        {"newer, automatic, No", "cat \"$r\" > \"$arq\"\n", "141|43", true, {QStringLiteral("?")}, 79},
        {"same, manual", "cat \"$r\" > \"$arq\"\n", "143|43", false, {QStringLiteral("i:") + Texto(68) + QLatin1Char('.')}, 79},
        {"error line, manual", "cat \"$r\" > \"$arq\"\n", "0-104 HttpQueryInfo:0;-103;Status=404", false,
         {QStringLiteral("x:-2")}, 72},
        {"malformed, automatic", "cat \"$r\" > \"$arq\"\n", "1abc|43", true, {}, 72},
        {"crashing, manual", "kill -SEGV $$\n", "", false, {QStringLiteral("x:9")}, 72},
        {"missing, automatic", QByteArray(), "", true, {QStringLiteral("x:-1")}, 72},
    };
    AbridorGravador();
    CarregaJanela();
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(programa + QStringLiteral("VerifAtualizDazadizeTQ_V"));
        if (!c.fim.isNull())
            Verificador(c.fim);
        Resultado(c.resultado);
        caixas.shown.clear();
        caixas.answers.clear();
        caixas.answers.push_back(platform::vbNo);
        agora = agora.addSecs(16 * 60);

        if (c.automatica)
            TickAutomatico();
        else
            QTest::mouseClick(janela->imgIcoAtualizar, Qt::LeftButton);
        EXPECT_TRUE(janela->mVerificacaoEmAndamento);
        ASSERT_TRUE(Termina());

        QStringList vistas;
        for (const auto& b : caixas.shown) {
            if (b.icon() == platform::vbQuestion)
                vistas << QStringLiteral("?");
            else if (b.icon() == platform::vbCritical)
                vistas << QStringLiteral("x:") + b.text.section(QStringLiteral("\r\n"), 0, 0).section(QStringLiteral(": "), 1);
            else
                vistas << QStringLiteral("i:") + b.text;
        }
        EXPECT_EQ(vistas, c.caixas);
        EXPECT_EQ(Flag(), c.dica == 72 ? QStringLiteral("1") : QStringLiteral("0"));
        EXPECT_EQ(janela->imgIcoAtualizar->toolTip(), Dica(c.dica, agora));
        EXPECT_EQ(janela->mDataUltimaVerificacao, agora);
        EXPECT_FALSE(janela->mDazadizeBloqueado);
        EXPECT_EQ(janela->mProcessoVerificacao, 0);
    }
    EXPECT_TRUE(pedidos.isEmpty());
    // The result files went with their passes.
    EXPECT_TRUE(QDir(dados).entryList({QStringLiteral("*.tmp")}, QDir::Files).isEmpty());
}

TEST_F(VerificacaoNaJanela, YesLocksRechecksAndHandsRequest7ToTheDetailWindow)
{
    Verificador();
    Resultado("141|43");
    AbridorGravador();
    CarregaJanela();
    janela->imgAvancar->hide();
    caixas.answers.push_back(platform::vbYes);
    menus.answers.push_back(kComandoVerificar);
    QTest::mouseClick(janela->imgAtualizacao, Qt::LeftButton);
    ASSERT_TRUE(Termina());

    // The menu beside the update button of the window's toolbar.
    ASSERT_EQ(menus.shown.size(), 1u);
    EXPECT_EQ(menus.shown[0].at, PosicaoMenuAtualizacao(janela->RetanguloMenu(), janela->imgAtualizacao->geometry()));
    EXPECT_EQ(Chamadas().size(), 2);  // the re-check under the lock
    EXPECT_EQ(pedidos, QStringList{QStringLiteral("7|41|43")});
    EXPECT_TRUE(travadoNoPedido);
    // Stamped, then unlocked; the window back on its start screen.
    EXPECT_EQ(Flag(), QStringLiteral("0"));
    EXPECT_EQ(janela->mDataUltimaVerificacao, agora);
    EXPECT_TRUE(BloqueioLivre());
    EXPECT_FALSE(janela->mDazadizeBloqueado);
    EXPECT_EQ(janela->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_TRUE(Modulo::gParametro.isEmpty());
    EXPECT_EQ(terminado, 0);
}

TEST_F(VerificacaoNaJanela, AnotherProcessHoldingTheLockGivesText69)
{
    Modulo::gCaminhoDados = dados;
    Modulo::BloqueiaDazadize(true);
    Modulo::BloqueiaDazadize(false);
    QProcess outro;
    outro.start(QStringLiteral("sqlite3"), {dados + Modulo::NomeArquivoBloqueio()});
    ASSERT_TRUE(outro.waitForStarted());
    outro.write("BEGIN IMMEDIATE;\nUPDATE CONTROLETRAN SET a = a;\n.print preso\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return outro.readAllStandardOutput().contains("preso"); }, 10000));

    Verificador();
    Resultado("141|43");
    AbridorGravador();
    CarregaJanela();
    caixas.answers.push_back(platform::vbYes);
    QTest::mouseClick(janela->imgIcoAtualizar, Qt::LeftButton);
    ASSERT_TRUE(Termina());
    ASSERT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(caixas.last().text, Texto(69) + QLatin1Char('.'));
    EXPECT_TRUE(pedidos.isEmpty());
    EXPECT_EQ(Chamadas().size(), 1);
    EXPECT_EQ(Flag(), QStringLiteral("0"));
    outro.write("ROLLBACK;\n.quit\n");
    outro.waitForFinished(5000);
}

TEST_F(VerificacaoNaJanela, TheWatchdogEndsAHungChecker)
{
    Verificador("exec sleep 600\n");
    CarregaJanela();
    QTest::mouseClick(janela->imgIcoAtualizar, Qt::LeftButton);
    const qint64 pid = janela->mProcessoVerificacao;
    ASSERT_GT(pid, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Chamadas().size() == 1; }, 10000));
    QTest::qWait(50);  // ticks of the watch while the checker runs
    EXPECT_TRUE(janela->tmrVerificaProcessoVerificacao->isActive());

    relogio += kLimiteVerificadorMs;
    ASSERT_TRUE(Termina());
    EXPECT_FALSE(platform::processRunning(pid));
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.startsWith(Texto(21) + QStringLiteral(": -2\r\n")));
    EXPECT_EQ(Flag(), QStringLiteral("1"));
}

TEST_F(VerificacaoNaJanela, TheAutomaticTimerChecksEveryFifteenMinutesOneCheckAtATime)
{
    Verificador("sleep 0.3; cat \"$r\" > \"$arq\"\n");
    Resultado("143|43");
    CarregaJanela();
    EXPECT_EQ(janela->tmrVerificarAtualizacoes->interval(), 20000);

    // Never checked: the first tick checks, and the timer slows down.
    TickAutomatico();
    EXPECT_EQ(janela->tmrVerificarAtualizacoes->interval(), kIntervaloAutomatico);
    EXPECT_TRUE(janela->mVerificacaoEmAndamento);
    // A check during a check: the icon, the menu and the timer start nothing.
    QTest::mouseClick(janela->imgIcoAtualizar, Qt::LeftButton);
    menus.answers.push_back(kComandoVerificar);
    QTest::mouseClick(janela->imgAtualizacao, Qt::LeftButton);
    TickAutomatico();
    ASSERT_TRUE(Termina());
    EXPECT_EQ(Chamadas().size(), 1);
    EXPECT_TRUE(caixas.shown.empty());

    agora = kInicio.addSecs(15 * 60 - 1);
    TickAutomatico();
    EXPECT_FALSE(janela->mVerificacaoEmAndamento);
    agora = kInicio.addSecs(15 * 60);
    TickAutomatico();
    EXPECT_TRUE(janela->mVerificacaoEmAndamento);
    ASSERT_TRUE(Termina());
    ASSERT_EQ(Chamadas().size(), 2);
    EXPECT_TRUE(Chamadas()[1].startsWith(QStringLiteral("1|") + dados));

    // Limited mode: the timer checks nothing, the icon says why.
    tqupd::Escreve(dados + QStringLiteral("ML.txt"), "");
    agora = agora.addDays(1);
    TickAutomatico();
    EXPECT_FALSE(janela->mVerificacaoEmAndamento);
    QTest::mouseClick(janela->imgIcoAtualizar, Qt::LeftButton);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, Modulo::MensagemModoLimitado());
    EXPECT_EQ(Chamadas().size(), 2);
}

TEST_F(VerificacaoNaJanela, ClosingTheWindowEndsARunningChecker)
{
    Verificador("exec sleep 600\n");
    CarregaJanela();
    QTest::mouseClick(janela->imgIcoAtualizar, Qt::LeftButton);
    const qint64 pid = janela->mProcessoVerificacao;
    ASSERT_GT(pid, 0);
    VerificacaoJanela* v = VerificacaoJanela::Da(*janela);
    ASSERT_NE(v, nullptr);
    const QString resultado = v->Controle().ArquivoResultado();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Chamadas().size() == 1; }, 10000));

    janela->close();
    EXPECT_FALSE(platform::processRunning(pid));
    EXPECT_FALSE(QFile::exists(resultado));
    EXPECT_FALSE(janela->tmrVerificaProcessoVerificacao->isActive());
    EXPECT_FALSE(janela->tmrVerificarAtualizacoes->isActive());
    EXPECT_TRUE(iniciados.isEmpty());  // no restart
    EXPECT_EQ(creditos, 1);
}

// An automatic check whose pass ends while the detail window shows another
// screen (the configuration, opened from the menu): that window is unloaded
// and request 7 opens in a window of its own.  The server does not answer here, so the run
// ends in its error box.
TEST_F(VerificacaoNaJanela, AnOpenDetailWindowMakesWayForTheUpdate)
{
    {
        platform::dao::WorkspacePtr ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("url"));
        platform::dao::DatabasePtr db = ws->OpenDatabase(Catalogo(), false, false);
        db->Execute(QStringLiteral("UPDATE UMREGISTRO SET UrlAtualizacao = 'http://127.0.0.1:%1/tq'").arg(tqrig::freePort()));
        ws->Close();
    }
    Verificador("sleep 0.2; cat \"$r\" > \"$arq\"\n");
    Resultado("141|43");
    OpcoesAtualizacao opcoes;
    opcoes.pastaPrograma = programa;
    RegistraTelaAtualizacao(opcoes);
    // The detail window's opener, noting each request and, for request 7,
    // whether the configuration window had gone.
    QStringList abertos;
    QPointer<frmTQ2> configuracao;
    bool configuracaoFechada = false;
    Modulo::RegistraJanelaDetalhe([&] {
        abertos << Modulo::gParametro;
        if (Modulo::gParametro.startsWith(QLatin1String("7|")))
            configuracaoFechada = configuracao && configuracao->Descarregada() && configuracao->isHidden();
        frmTQ2::ExibeModal();
    });
    CarregaJanela();

    caixas.answers.push_back(platform::vbYes);
    QTimer::singleShot(0, janela, [&] {
        // The configuration window is up; the timers run under it, and the
        // automatic one starts a check.
        configuracao = frmTQ2::Instancia();
        TickAutomatico();
    });
    menus.answers.push_back(kComandoConfiguracao);
    QTest::mouseClick(janela->imgAtualizacao, Qt::LeftButton);  // returns once the configuration window has gone
    ASSERT_TRUE(Termina());

    EXPECT_EQ(abertos, (QStringList{QStringLiteral("8"), QStringLiteral("7|41|43")}));
    EXPECT_TRUE(configuracaoFechada);
    ASSERT_EQ(caixas.shown.size(), 2u);
    EXPECT_EQ(caixas.shown[0].text, Texto(67));
    EXPECT_TRUE(caixas.shown[1].text.startsWith(Texto(21) + QStringLiteral(": -104\r\n"))) << caixas.shown[1].text.toStdString();
    EXPECT_EQ(frmTQ2::Instancia(), nullptr);
    EXPECT_EQ(Flag(), QStringLiteral("0"));
    EXPECT_TRUE(BloqueioLivre());
    EXPECT_EQ(janela->mHistoricoTelas, QStringLiteral("0"));
}

// The whole road with the real checker, nginx and the demo update tree: the
// menu's check finds versions 38 and 39, screen 7 installs them, and the
// script's "R:" restarts the catalogue through its launcher.
TEST_F(VerificacaoNaJanela, TheMenusCheckInstallsTheDemoUpdateAndRestartsThroughTheLauncher)
{
    const QString servidor = raiz.file(QStringLiteral("servidor"));
    QDir().mkpath(servidor);
    tqrig::Nginx web;
    if (!web.start(servidor))
        GTEST_SKIP() << web.reason().toStdString();
    {
        platform::dao::WorkspacePtr ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("url"));
        platform::dao::DatabasePtr db = ws->OpenDatabase(Catalogo(), false, false);
        db->Execute(QStringLiteral("UPDATE UMREGISTRO SET UrlAtualizacao = 'http://%1/tqatualizacao'").arg(web.hostPort()));
        ws->Close();
    }
    const demo::UpdateTreeSummary arvore = demo::GenerateUpdateTree(dados, servidor);
    ASSERT_EQ(arvore.fromVersion, 37);

    const QString usuario = raiz.file(QStringLiteral("usuario"));
    qputenv("XDG_CONFIG_HOME", usuario.toUtf8());
    ASSERT_TRUE(QFile::copy(QStringLiteral(TQ_VERIFICADOR), programa + QStringLiteral("VerifAtualizDazadizeTQ_V")));
    tqupd::Escreve(programa + QStringLiteral("Caminho.txt"), dados.toUtf8() + "\r\n");

    frmTQ2::Registra();
    OpcoesAtualizacao opcoes;
    opcoes.pastaPrograma = programa;
    QString pedido;
    QStringList aoCopiar;
    opcoes.pontoControle = [&](int, const QString& ponto) {
        const frmTQ2* j = frmTQ2::Instancia();
        ASSERT_NE(j, nullptr);
        pedido = j->pctTela[7]->Tag;
        if (ponto.startsWith(QLatin1String("copia ")) && aoCopiar.isEmpty())
            for (std::size_t k = 1; k <= 4; ++k)
                aoCopiar << (j->imgPassoConcluidoAtualizacao[k]->isHidden() ? QStringLiteral("-") : QStringLiteral("v"));
    };
    RegistraTelaAtualizacao(opcoes);

    CarregaJanela();
    menus.answers.push_back(kComandoVerificar);
    QTest::mouseClick(janela->imgAtualizacao, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return terminado > 0 || (!janela->mVerificacaoEmAndamento && !janela->tmrVerificaProcessoVerificacao->isActive()); },
                                60000));
    qunsetenv("XDG_CONFIG_HOME");

    QStringList textos;
    for (const auto& b : caixas.shown)
        textos << b.text;
    EXPECT_EQ(textos, (QStringList{Texto(67), Texto(73) + QLatin1Char('.')}));
    EXPECT_EQ(pedido, QStringLiteral("7|37|39"));
    EXPECT_EQ(aoCopiar, (QStringList{QStringLiteral("v"), QStringLiteral("v"), QStringLiteral("-"), QStringLiteral("-")}));

    // The update is in; stamped and unlocked; the launcher started with this
    // process's id, and the program ends.
    EXPECT_EQ(tqupd::ConsultaBanco(Catalogo(), QStringLiteral("SELECT Versao FROM UMREGISTRO")), QStringLiteral("39"));
    EXPECT_EQ(tqtest::readFile(dados + QStringLiteral("Figuras/") + arvore.replacedDrawing),
              tqtest::readFile(arvore.treeFolder + QStringLiteral("Figuras/") + arvore.replacedDrawing));
    EXPECT_TRUE(QFile::exists(dados + QStringLiteral("FotoPeca/") + arvore.newPhoto));
    EXPECT_EQ(Flag(), QStringLiteral("0"));
    EXPECT_TRUE(BloqueioLivre());
    EXPECT_TRUE(Modulo::gReiniciarPeloLancador);
    ASSERT_EQ(iniciados.size(), 1);
    EXPECT_TRUE(iniciados[0].endsWith(QStringLiteral("/DazadizeTQ_V %1").arg(QCoreApplication::applicationPid())))
        << iniciados[0].toStdString();
    EXPECT_EQ(terminado, 1);
}

}  // namespace
