// The main window's life: placement and the small-screen rule, the state it
// loads with, the wheel switch NW.txt, keys, and what closing releases and
// starts.

#include "janelafixture.h"

#include "core/files.h"
#include "core/texts.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"

#include <QApplication>
#include <QTest>

using namespace tqtest;

TEST_F(JanelaPrincipalTeste, PlacementAndTheSmallScreenRule)
{
    const struct {
        const char* nome;
        QSize tela;
        QString entrega;
        QSize normal;
        QPoint canto;
        bool maximizada;
        bool semBorda;
        int minimizarLeft;  // -1: hidden
    } casos[] = {
        {"1024x768, maximised start window", {1024, 768}, {}, {820, 620}, {0, 0}, true, false, -1},
        {"1024x768, restored start window", {1024, 768}, "0;0;12300;9570", {820, 620}, {0, 0}, false, false, -1},
        {"restored elsewhere", {1024, 768}, "150;300;12000;9270", {800, 600}, {10, 20}, false, false, -1},
        {"hand-over that is not four numbers", {1024, 768}, "0;0;abc;9570", {820, 620}, {0, 0}, true, false, -1},
        {"three numbers", {1024, 768}, "0;0;12300", {820, 620}, {0, 0}, true, false, -1},
        {"1000x700", {1000, 700}, {}, {800, 600}, {0, 0}, true, true, 984},
        {"1000x800", {1000, 800}, {}, {800, 600}, {0, 0}, true, true, 984},
        {"1280x700", {1280, 700}, {}, {800, 600}, {0, 0}, true, true, 1264},
    };
    AbreCatalogo();
    RegistroTQ1::Temporario registro(gravador.Registro());
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        Modulo::DefineTamanhoTela(c.tela);
        Modulo::gParametro = c.entrega;
        frmTQ1 f;
        f.Form_Load();
        EXPECT_TRUE(Modulo::gParametro.isEmpty());
        EXPECT_EQ(f.size(), c.normal);
        EXPECT_EQ(f.pos(), c.canto);
        EXPECT_EQ(bool(f.windowState() & Qt::WindowMaximized), c.maximizada);
        f.Form_Activate();
        EXPECT_EQ(bool(f.windowFlags() & Qt::FramelessWindowHint), c.semBorda);
        if (c.semBorda) {
            EXPECT_TRUE(f.windowState() & Qt::WindowMaximized);
        }
        EXPECT_EQ(f.pctMinimizar->isHidden(), c.minimizarLeft < 0);
        if (c.minimizarLeft >= 0) {
            EXPECT_EQ(f.pctMinimizar->x(), c.minimizarLeft);
        }
        // Later activations change nothing.
        f.mPrimeiraAtivacao = false;
        f.pctMinimizar->setVisible(!f.pctMinimizar->isVisible());
        const bool antes = f.pctMinimizar->isHidden();
        f.Form_Activate();
        EXPECT_EQ(f.pctMinimizar->isHidden(), antes);
    }
}

TEST_F(JanelaPrincipalTeste, LoadSetsTheFormStateByEdition)
{
    const struct {
        const char* edicao;
        bool eixos, outrosFiltros;
        QString tipoSlot1;
        bool componentesSlot0, eixosSlots;
    } casos[] = {
        {"V", false, true, " ", true, false},
        {"A", true, true, " ", true, true},
        {"D", false, false, "3", false, false},
        {"M", false, false, "R", false, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.edicao);
        frmTQ1* f = Carrega(QString::fromLatin1(c.edicao));
        EXPECT_EQ(Modulo::gEdicaoNaoMaritima, QLatin1String(c.edicao) != QLatin1String("M"));
        EXPECT_EQ(f->imgChkEixos->isHidden(), !c.eixos);
        EXPECT_EQ(f->imgQuadradoXEixos->isHidden(), !c.eixos);
        EXPECT_EQ(f->imgChkComponentes->isHidden(), !c.outrosFiltros);
        EXPECT_EQ(f->imgChkTransmissoes->isHidden(), !c.outrosFiltros);
        EXPECT_EQ(f->mFiltrosPesquisa[0].CodigoTipoPeca, QStringLiteral(" "));
        EXPECT_EQ(f->mFiltrosPesquisa[1].CodigoTipoPeca, c.tipoSlot1);
        EXPECT_EQ(f->mFiltrosPesquisa[0].PesquisaComponentes, c.componentesSlot0);
        EXPECT_FALSE(f->mFiltrosPesquisa[1].PesquisaComponentes);
        EXPECT_EQ(f->mFiltrosPesquisa[1].PesquisaTransmissoes, c.componentesSlot0);
        EXPECT_EQ(f->mFiltrosPesquisa[1].PesquisaEixos, c.eixosSlots);
        EXPECT_EQ(f->mFiltrosPesquisa[1].CodigoSelecionado, -5);
        EXPECT_EQ(f->mSlotPesquisa, 255);
        EXPECT_EQ(f->mCodigoSelecionado, -5);
        EXPECT_EQ(f->mCodigoVeiculo, -5);
        EXPECT_EQ(f->mCodigoTipoPeca, QStringLiteral(" "));
        EXPECT_EQ(f->mUltimoItemDestacado, -1);
        EXPECT_EQ(f->dtcTHGrid1->DatabaseName(), Modulo::gCaminhoDados + Modulo::NomeArquivoCatalogo());
        EXPECT_EQ(f->grdTHGrid1->mTextGridVazio, Modulo::ObtemTexto(43));
        EXPECT_EQ(f->lblQtdSug[3]->text(), Modulo::ObtemTexto(25).toLower() + QLatin1Char(':'));
        EXPECT_EQ(f->windowTitle(), Modulo::ObtemTituloPrograma());
        EXPECT_EQ(Modulo::ObtemJanelaPrincipal(), f);
        delete f;
        EXPECT_EQ(Modulo::ObtemJanelaPrincipal(), nullptr);
        Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
        Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
    }
}

TEST_F(JanelaPrincipalTeste, OnlyAnNwFileHoldingExactlyOneSwitchesTheWheelOff)
{
    AbreCatalogo();
    RegistroTQ1::Temporario registro(gravador.Registro());
    const QString nw = Modulo::gCaminhoDados + QStringLiteral("NW.txt");
    const struct {
        const char* nome;
        std::optional<QByteArray> conteudo;
        bool ativa;
    } casos[] = {
        {"no file", std::nullopt, true},
        {"exactly 1", QByteArray("1"), false},
        {"1 and a line end", QByteArray("1\r\n"), true},
        {"0", QByteArray("0"), true},
        {"empty", QByteArray(""), true},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        QFile::remove(nw);
        if (c.conteudo)
            tqtest::writeFile(nw, *c.conteudo);
        frmTQ1 f;
        f.Form_Load();
        EXPECT_EQ(Modulo::gRodaAtiva, c.ativa);
        EXPECT_EQ(MSubclass::JanelaGanchada(&f), c.ativa);
        EXPECT_EQ(f.mHwndGancho.data(), c.ativa ? &f : nullptr);
    }
    QFile::remove(nw);
}

namespace {

// Presses a key as the user would: the window sees it first.
void Tecla(QWidget* alvo, Qt::Key tecla, Qt::KeyboardModifiers mod = Qt::NoModifier)
{
    QTest::keyClick(alvo, tecla, mod);
}

}  // namespace

TEST_F(JanelaPrincipalTeste, KeysActOnTheCurrentScreenUnlessTheProgramIsBusy)
{
    frmTQ1* f = Carrega();
    f->show();
    QApplication::setActiveWindow(f);
    f->txtNumeroEmpresa->setFocus();
    for (int i = 0; i < 10; ++i)
        f->pctTela[i]->hide();

    // Alt+Right by screen.
    const struct {
        const char* historico;
        const char* chamada;
    } avancar[] = {
        {"01", "imgAvancar_Click[1]"}, {"02", "imgAvancar_Click[2]"}, {"013", "imgAvancar_Click[3]"},
        {"09", "imgAvancar_Click[9]"}, {"0135", "imgFigura_Click"},   {"0", nullptr},
        {"07", nullptr},                {"098", nullptr},
    };
    for (const auto& a : avancar) {
        SCOPED_TRACE(a.historico);
        f->mHistoricoTelas = QString::fromLatin1(a.historico);
        gravador.chamadas.clear();
        int codigo = 39;
        f->Form_KeyDown(codigo, 4);
        EXPECT_EQ(codigo, 0);  // swallowed, also where nothing happens
        EXPECT_EQ(gravador.chamadas, a.chamada ? QStringList{QString::fromLatin1(a.chamada)} : QStringList());
    }
    // Alt+Left on the start screen is left to the focused control.
    f->mHistoricoTelas = QStringLiteral("0");
    int esquerda = 37;
    f->Form_KeyDown(esquerda, 4);
    EXPECT_EQ(esquerda, 37);

    // Busy (hourglass): Alt+Right, Alt+Left and Enter are not acted on.
    f->mHistoricoTelas = QStringLiteral("01");
    gravador.chamadas.clear();
    Modulo::DefinePonteiroTela(Modulo::vbHourglass);
    int direita = 39;
    f->Form_KeyDown(direita, 4);
    EXPECT_EQ(direita, 39);
    Tecla(f->txtNumeroEmpresa, Qt::Key_Return);
    EXPECT_TRUE(gravador.chamadas.isEmpty());
    Modulo::DefinePonteiroTela(Modulo::vbDefault);

    // Enter in a search box is Forward; Esc is Back.
    ASSERT_EQ(QApplication::focusWidget(), f->txtNumeroEmpresa);
    Tecla(f->txtNumeroEmpresa, Qt::Key_Return);
    EXPECT_EQ(gravador.chamadas, QStringList{QStringLiteral("imgAvancar_Click[1]")});
    gravador.chamadas.clear();
    Tecla(f->txtNumeroEmpresa, Qt::Key_Escape);
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_EQ(gravador.chamadas.value(0), QStringLiteral("GuardaFiltrosPesquisa"));
}

TEST_F(JanelaPrincipalTeste, EnterInsideADropDownIsTheDropDownsOwn)
{
    frmTQ1* f = Carrega();
    f->show();
    QApplication::setActiveWindow(f);
    f->mHistoricoTelas = QStringLiteral("01");
    f->cboTHCombo1->show();
    f->cboTHCombo1->setFocus();
    QWidget* foco = QApplication::focusWidget();
    ASSERT_NE(foco, nullptr);
    gravador.chamadas.clear();
    int ascii = 13;
    f->Form_KeyPress(ascii);
    EXPECT_EQ(ascii, 13);
    EXPECT_TRUE(gravador.chamadas.isEmpty());
}

TEST_F(JanelaPrincipalTeste, PageKeysTurnTheFigurePagesRoundBothEnds)
{
    frmTQ1* f = Carrega();
    f->mHistoricoTelas = QStringLiteral("0134");
    f->mPartesFigura = QStringList{QStringLiteral("001004"), QStringLiteral("005009"), QStringLiteral("010012")};
    f->mParteFiguraAtual = 2;
    int tecla = 34;
    f->Form_KeyDown(tecla, 0);
    EXPECT_EQ(f->mParteFiguraAtual, 0);
    tecla = 33;
    f->Form_KeyDown(tecla, 0);
    EXPECT_EQ(f->mParteFiguraAtual, 2);
    tecla = 33;
    f->Form_KeyDown(tecla, 0);
    EXPECT_EQ(f->mParteFiguraAtual, 1);
    EXPECT_EQ(gravador.chamadas.mid(gravador.chamadas.size() - 3),
              QStringList({"imgParteFigura_Click(0)", "imgParteFigura_Click(2)", "imgParteFigura_Click(1)"}));
    // No page shown: nothing.
    f->mParteFiguraAtual = 255;
    gravador.chamadas.clear();
    tecla = 34;
    f->Form_KeyDown(tecla, 0);
    EXPECT_TRUE(gravador.chamadas.isEmpty());
}

TEST_F(JanelaPrincipalTeste, ArrowKeysInASearchBoxMoveTheListsRow)
{
    frmTQ1* f = Carrega();
    f->show();
    QApplication::setActiveWindow(f);
    f->mHistoricoTelas = QStringLiteral("01");
    f->pctTela[1]->show();
    f->grdTHGrid1->mUserControlPixelWidth = 384;
    f->grdTHGrid1->mUserControlPixelHeight = 255;
    f->grdTHGrid1->Move(104, 173, 384, 255);
    f->dtcTHGrid1->SetRecordSource(
        QStringLiteral("SELECT NumeroEmpresaComponente FROM COMPONENTE ORDER BY NumeroEmpresaComponente"));
    f->dtcTHGrid1->Refresh();
    f->grdTHGrid1->ObtemDataControl(f->dtcTHGrid1);
    f->grdTHGrid1->ConfiguraColunas({QStringLiteral("NumeroEmpresaComponente|0|1500|T|6")});
    f->grdTHGrid1->show();
    f->txtDescricao->setFocus();
    const auto rs = f->dtcTHGrid1->Recordset();
    ASSERT_TRUE(rs && rs->RecordCount() > 3);
    rs->MoveFirst();
    Tecla(f->txtDescricao, Qt::Key_Down);
    Tecla(f->txtDescricao, Qt::Key_Down);
    EXPECT_EQ(rs->AbsolutePosition(), 2);
    Tecla(f->txtDescricao, Qt::Key_Up);
    EXPECT_EQ(rs->AbsolutePosition(), 1);
    // The box kept its text: the keys went to the list.
    EXPECT_TRUE(f->txtDescricao->text().isEmpty());
}

TEST_F(JanelaPrincipalTeste, ClosingReleasesTheRunAndShowsTheClosingWindow)
{
    frmTQ1* f = Carrega();
    const QString carrinho = Modulo::gTabelaCarrinho;
    const QString comparacao = Modulo::CriaTabelaComparacao(Modulo::gDbAuxiliar);
    f->mTabelaComparacao = comparacao;
    const QString aux = Modulo::gCaminhoDados + Modulo::NomeArquivoAuxiliar();
    EXPECT_TRUE(MSubclass::JanelaGanchada(f));
    f->imgSair_Click();
    EXPECT_EQ(creditos, 1);
    EXPECT_EQ(terminado, 0);
    EXPECT_TRUE(iniciados.isEmpty());
    EXPECT_FALSE(Modulo::gDbDazadize);
    EXPECT_FALSE(Modulo::gDbAuxiliar);
    EXPECT_FALSE(Modulo::gWsDazadize);
    EXPECT_TRUE(Modulo::gFormRoda.isNull());
    EXPECT_EQ(Modulo::ObtemJanelaPrincipal(), nullptr);
    // Both run tables are gone.
    Modulo::WorkspacePtr ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("t"));
    Modulo::DatabasePtr db = ws->OpenDatabase(aux);
    EXPECT_FALSE(Modulo::TabelaExiste(db, carrinho));
    EXPECT_FALSE(Modulo::TabelaExiste(db, comparacao));
    Modulo::FechaBanco(ws, db);
    // Closing again does nothing more.
    f->Form_Unload();
    EXPECT_EQ(creditos, 1);
}

TEST_F(JanelaPrincipalTeste, ClosingAfterAnUpdateRestartsThroughTheLauncher)
{
    frmTQ1* f = Carrega();
    Modulo::gReiniciarPeloLancador = true;
    f->imgSair_Click();
    ASSERT_EQ(iniciados.size(), 1);
    EXPECT_EQ(iniciados[0], Modulo::ObtemCaminhoApp(true) + QStringLiteral("DazadizeTQ_V ") +
                                QString::number(QCoreApplication::applicationPid()));
    EXPECT_EQ(terminado, 1);
    EXPECT_EQ(creditos, 0);
    EXPECT_TRUE(caixas.shown.empty());
}

TEST_F(JanelaPrincipalTeste, ALauncherThatCannotStartIsReportedAndTheRunEndsAsUsual)
{
    frmTQ1* f = Carrega();
    Modulo::gReiniciarPeloLancador = true;
    lancadorFalha = true;
    f->imgSair_Click();
    EXPECT_EQ(iniciados.size(), 1);
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.contains(QStringLiteral("DazadizeTQ_V")));
    EXPECT_EQ(creditos, 1);
    EXPECT_EQ(terminado, 0);
}

TEST_F(JanelaPrincipalTeste, FocusGoesToTheListOrTheFigureOfTheScreen)
{
    frmTQ1* f = Carrega();
    f->show();
    QApplication::setActiveWindow(f);
    f->grdTHGrid1->show();
    f->mHistoricoTelas = QStringLiteral("01");
    f->PosicionaFocoTela();
    EXPECT_TRUE(f->grdTHGrid1->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == f->grdTHGrid1);
    f->pctTela[4]->show();
    f->mHistoricoTelas = QStringLiteral("0134");
    f->PosicionaFocoTela();
    EXPECT_EQ(QApplication::focusWidget(), f->pctTela[4]);
    // A hidden target keeps no focus and raises nothing.
    f->grdTHGrid1->hide();
    f->mHistoricoTelas = QStringLiteral("015");
    f->PosicionaFocoTela();
    f->mHistoricoTelas = QStringLiteral("x");
    f->PosicionaFocoTela();
    EXPECT_TRUE(caixas.shown.empty());
}
