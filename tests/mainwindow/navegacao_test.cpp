// Navigation history, the toolbar's button rule, hover, the start,
// presentation and pump-table screens, and the requests the main window
// hands the detail window, on the demo catalogue with recording stubs for the
// screens of the other subsystems.

#include "janelafixture.h"

#include "core/help.h"
#include "core/texts.h"
#include "listcontrols/thgrid.h"

#include <QTest>

using namespace tqtest;

namespace {

// Shows a screen as its own show routine would have left the window.
void Em(frmTQ1* f, const QString& historico)
{
    for (int i = 0; i < 10; ++i)
        f->pctTela[i]->hide();
    f->mHistoricoTelas = historico;
    for (QChar c : historico)
        f->pctTela[c.digitValue()]->show();
    f->AjustaBotoesNavegacao(f->CodigoTelaAtual());
}

}  // namespace

TEST_F(JanelaPrincipalTeste, ButtonRuleForEveryScreenCode)
{
    frmTQ1* f = Carrega();
    // Forward, Back, Table, Figure, Print, Home.
    const struct {
        int codigo;
        const char* visiveis;
    } casos[] = {
        {0, "......"}, {1, "AV...H"}, {2, "AV...H"}, {3, "AV...H"}, {4, ".VT.PH"},  {5, ".V.FPH"},  {6, "AV...H"},
        {7, ".V...H"}, {8, ".V..PH"}, {9, "AV...H"}, {100, ".....H"}, {200, ".....H"},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.codigo);
        f->pctTela[6]->SetTag(QStringLiteral("1"));
        f->AjustaBotoesNavegacao(c.codigo);
        QString v;
        v += f->imgAvancar->isHidden() ? '.' : 'A';
        v += f->imgVoltar->isHidden() ? '.' : 'V';
        v += f->imgTabela->isHidden() ? '.' : 'T';
        v += f->imgFigura->isHidden() ? '.' : 'F';
        v += f->imgImprimir->isHidden() ? '.' : 'P';
        v += f->imgInicio->isHidden() ? '.' : 'H';
        EXPECT_EQ(v, QString::fromLatin1(c.visiveis));
        EXPECT_TRUE(f->imgGerarArquivo->isHidden());
        EXPECT_TRUE(f->imgEnviarEmail->isHidden());
    }
    // The third presentation page has no Forward.
    f->pctTela[6]->SetTag(QStringLiteral("3"));
    f->AjustaBotoesNavegacao(6);
    EXPECT_TRUE(f->imgAvancar->isHidden());
}

TEST_F(JanelaPrincipalTeste, FigureTableAndBackInTheHistory0134)
{
    frmTQ1* f = Carrega();
    f->mTipoItemLista = QStringLiteral("COM");
    f->mCodigoItemLista = 123;
    f->mCodigoPecaComparacao = -1;
    Em(f, QStringLiteral("0134"));
    f->imgTabela_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0135"));
    f->MostraFigura(5);
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0134"));
    gravador.chamadas.clear();
    f->imgVoltar_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("013"));
    EXPECT_EQ(gravador.chamadas, QStringList({"MostraListaPecas(4,COM,123)", "FechaConjunto"}));
    EXPECT_FALSE(f->pctTela[3]->isHidden());
    EXPECT_EQ(Modulo::PonteiroTela(), Modulo::vbDefault);

    // In comparison mode Table leads to the comparison list.
    Em(f, QStringLiteral("0984"));
    f->mCodigoPecaComparacao = 2;
    gravador.chamadas.clear();
    f->imgTabela_Click();
    EXPECT_EQ(gravador.chamadas.value(0), QStringLiteral("MostraComparacao(4)"));
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0988"));
}

TEST_F(JanelaPrincipalTeste, PresentationPagesInTheHistory0666)
{
    frmTQ1* f = Carrega();
    f->imgApresentacao_Click();
    f->imgAvancar_Click();
    f->imgAvancar_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0666"));
    EXPECT_EQ(f->pctTela[6]->Tag(), QStringLiteral("3"));
    EXPECT_TRUE(f->imgAvancar->isHidden());
    EXPECT_FALSE(f->pctTela[6]->Picture().isNull());
    // Forward on the last page does nothing; the button is hidden anyway.
    f->imgAvancar_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0666"));
    // Clicking the presentation button on a page does nothing.
    f->imgApresentacao_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0666"));

    f->imgVoltar_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("066"));
    EXPECT_EQ(f->pctTela[6]->Tag(), QStringLiteral("2"));
    EXPECT_FALSE(f->imgAvancar->isHidden());
    EXPECT_FALSE(f->pctTela[6]->isHidden());

    gravador.chamadas.clear();
    f->imgInicio_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_TRUE(f->pctTela[6]->isHidden());
    EXPECT_TRUE(f->pctTela[6]->Picture().isNull());
    EXPECT_FALSE(f->pctTela[0]->isHidden());
    EXPECT_TRUE(f->imgInicio->isHidden());
    EXPECT_TRUE(gravador.chamadas.isEmpty());
}

TEST_F(JanelaPrincipalTeste, PumpTablesInTheHistory07)
{
    frmTQ1* f = Carrega();
    f->imgBombas_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("07"));
    // The title strip shows with an empty subtitle over the table.
    EXPECT_FALSE(f->pctTitulo->isHidden());
    EXPECT_TRUE(f->lblSubTitulo->text().isEmpty());
    EXPECT_FALSE(f->imgTitulo->Picture().isNull());
    EXPECT_FALSE(f->pctTela[0]->isHidden());  // never hidden beneath
    f->pctTela[0]->SetPicture(QPixmap());
    f->imgVoltar_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_TRUE(f->pctTitulo->isHidden());
    EXPECT_TRUE(f->pctTela[7]->isHidden());
    // The start screen's pictures are loaded again and its buttons set.
    EXPECT_FALSE(f->pctTela[0]->Picture().isNull());
    EXPECT_TRUE(f->imgVoltar->isHidden());
    EXPECT_TRUE(f->imgInicio->isHidden());
}

TEST_F(JanelaPrincipalTeste, PresentationOverThePartsListReturnsToItUnchanged)
{
    frmTQ1* f = Carrega();
    Em(f, QStringLiteral("013"));
    f->imgApresentacao_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0136"));
    EXPECT_FALSE(f->pctTela[3]->isHidden());
    gravador.chamadas.clear();
    f->imgVoltar_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("013"));
    EXPECT_TRUE(gravador.chamadas.isEmpty());  // the list was never left
    EXPECT_FALSE(f->imgAvancar->isHidden());
    EXPECT_FALSE(f->imgTitulo->Picture().isNull());
}

TEST_F(JanelaPrincipalTeste, ComparisonSearchInTheHistory0913)
{
    frmTQ1* f = Carrega();
    // Forward on the parts list of a search started on screen 9 belongs to
    // the parts list's own Forward; the comparison selection then cuts the
    // search and the list off the history.
    RegistroTQ1 r = gravador.Registro();
    r.imgAvancar_Click[3] = [](frmTQ1& j) { j.MostraSelecaoComparacao(3); };
    RegistroTQ1::Temporario outro(r);
    f->imgComparar_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("09"));
    f->MostraPesquisaPecas(9);
    f->MostraListaPecas(1, QStringLiteral("PCA"), 100);
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0913"));
    f->imgAvancar_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("09"));
    EXPECT_FALSE(f->pctTela[9]->isHidden());
}

TEST_F(JanelaPrincipalTeste, HomeClosesEveryScreenByItsBackPath)
{
    frmTQ1* f = Carrega();
    Em(f, QStringLiteral("0134"));
    gravador.chamadas.clear();
    f->imgInicio_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_EQ(gravador.chamadas, QStringList{QStringLiteral("FechaConjunto")});
    EXPECT_FALSE(f->pctTela[0]->isHidden());
    // Home on the start screen does nothing.
    f->imgInicio_Click();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0"));
}

TEST_F(JanelaPrincipalTeste, BackFromThePartSearchRemembersTheRowANullKindAsEmpty)
{
    frmTQ1* f = Carrega();
    Em(f, QStringLiteral("01"));
    f->dtcTHGrid1->SetRecordSource(QStringLiteral("SELECT Null AS Tipo, 7 AS Codigo FROM UMREGISTRO"));
    f->dtcTHGrid1->Refresh();
    gravador.chamadas.clear();
    f->imgVoltar_Click();
    EXPECT_EQ(f->mTipoSelecionado, QString());
    EXPECT_EQ(f->mCodigoSelecionado, 7);
    EXPECT_EQ(gravador.chamadas, QStringList{QStringLiteral("GuardaFiltrosPesquisa")} << "EscondePesquisaPecas");
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0"));

    // An empty list stores no row.
    Em(f, QStringLiteral("01"));
    f->dtcTHGrid1->SetRecordSource(QStringLiteral("SELECT 'COM' AS Tipo, 7 AS Codigo FROM UMREGISTRO WHERE 1 = 0"));
    f->dtcTHGrid1->Refresh();
    f->imgVoltar_Click();
    EXPECT_EQ(f->mTipoSelecionado, QString());
    EXPECT_EQ(f->mCodigoSelecionado, -5);
}

TEST_F(JanelaPrincipalTeste, HoverMovesStraightFromOneButtonToTheNext)
{
    frmTQ1* f = Carrega();
    Em(f, QStringLiteral("01"));
    f->DestacaControle(QStringLiteral("VOLTAR"));
    EXPECT_FALSE(f->imgVoltarSelecionada->isHidden());
    f->DestacaControle(QStringLiteral("INICIO"));
    EXPECT_TRUE(f->imgVoltarSelecionada->isHidden());
    EXPECT_FALSE(f->imgInicioSelecionada->isHidden());
    EXPECT_EQ(f->mChaveDestaque, QStringLiteral("INICIO"));
    f->DestacaControle(QStringLiteral("FORM"));
    EXPECT_TRUE(f->imgInicioSelecionada->isHidden());

    // Figure-part buttons grey the description and restore it from its Tag.
    f->lblDescricaoParteFigura->SetTag(QStringLiteral("Carcaça"));
    f->DestacaControle(QStringLiteral("PARTEFIGURA3"));
    EXPECT_FALSE(f->imgQuadradoParteSelecionada->isHidden());
    EXPECT_EQ(f->lblDescricaoParteFigura->ForeColor(), 0x808080);
    f->DestacaControle(QStringLiteral("OPSUGESTAO2"));
    EXPECT_TRUE(f->imgQuadradoParteSelecionada->isHidden());
    EXPECT_EQ(f->lblDescricaoParteFigura->text(), QStringLiteral("Carcaça"));
    EXPECT_EQ(f->lblDescricaoParteFigura->ForeColor(), 0xA5743A);
    EXPECT_FALSE(f->imgOpcionalSugS[2]->isHidden());
    EXPECT_EQ(f->ObtemControleDestaque(QStringLiteral("ICOATUALIZAR")), f->imgIcoAtualizarSel);
    EXPECT_EQ(f->ObtemControleDestaque(QStringLiteral(">THGRID1")), f->grdTHGrid1);
    EXPECT_EQ(f->ObtemControleDestaque(QStringLiteral("PESQUISA1COMP2")), f->imgPesquisa1Comp2Selecionada);

    // The mouse does it: over the Back button, then over the toolbar.
    f->show();
    QTest::mouseMove(f->imgVoltar, QPoint(5, 5));
    EXPECT_EQ(f->mChaveDestaque, QStringLiteral("VOLTAR"));
    EXPECT_FALSE(f->imgVoltarSelecionada->isHidden());
    QTest::mouseMove(f->pctMenu, QPoint(5, 595));
    EXPECT_EQ(f->mChaveDestaque, QStringLiteral("FORM"));
    EXPECT_TRUE(f->imgVoltarSelecionada->isHidden());
}

TEST_F(JanelaPrincipalTeste, RequestsHandedToTheDetailWindow)
{
    GravaPedidosDetalhe(true);
    frmTQ1* f = Carrega();
    f->AbreJanelaSecundaria(6, QString());
    f->imgLista_Click();
    f->mCodigoPeca = 1234;
    Em(f, QStringLiteral("0134"));
    f->mParteFiguraAtual = 0;
    f->imgImprimir_Click();
    f->mParteFiguraAtual = 255;
    f->imgImprimir_Click();
    Em(f, QStringLiteral("0135"));
    f->imgGerarArquivo_Click();
    f->imgEnviarEmail_Click();
    Em(f, QStringLiteral("013"));
    f->imgImprimir_Click();  // nothing on other screens
    EXPECT_EQ(pedidos, QStringList({"6", "3||0", "5|1234|P|F|0", "5|1234|P|F|255", "5|1234|G|*|255", "5|1234|E|*|255"}));

    // Print on an empty comparison list says so and opens nothing.
    Em(f, QStringLiteral("098"));
    f->dtcTHGrid1->SetRecordSource(QStringLiteral("SELECT 1 AS Iguais FROM UMREGISTRO WHERE 1 = 0"));
    f->dtcTHGrid1->Refresh();
    pedidos.clear();
    f->imgImprimir_Click();
    EXPECT_TRUE(pedidos.isEmpty());
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(43) + QLatin1Char('.'));
    EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
    // With rows it prints the comparison.
    f->dtcTHGrid1->SetRecordSource(QStringLiteral("SELECT 1 AS Iguais FROM UMREGISTRO"));
    f->dtcTHGrid1->Refresh();
    f->imgImprimir_Click();
    EXPECT_EQ(pedidos, QStringList{QStringLiteral("6")});
}

TEST_F(JanelaPrincipalTeste, WithoutADetailWindowARequestIsTheEmptyOne)
{
    frmTQ1* f = Carrega();
    f->imgLista_Click();
    EXPECT_TRUE(Modulo::gParametro.isEmpty());
    EXPECT_EQ(Modulo::PonteiroTela(), Modulo::vbDefault);
}

TEST_F(JanelaPrincipalTeste, UpdateButtonsCallTheUpdateRoutines)
{
    frmTQ1* f = Carrega();
    gravador.chamadas.clear();
    f->imgIcoAtualizar_Click();
    f->imgAtualizacao_Click();
    EXPECT_EQ(gravador.chamadas, QStringList({"IniciaVerificacaoAtualizacao(0)", "MostraMenuAtualizacao"}));
    // In limited mode the icon only warns.
    tqtest::writeFile(Modulo::gCaminhoDados + QStringLiteral("ML.txt"), "");
    gravador.chamadas.clear();
    f->imgIcoAtualizar_Click();
    QFile::remove(Modulo::gCaminhoDados + QStringLiteral("ML.txt"));
    EXPECT_TRUE(gravador.chamadas.isEmpty());
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, Modulo::MensagemModoLimitado());
}

TEST_F(JanelaPrincipalTeste, HelpAndFilterCatalogueReportTheirFailures)
{
    frmTQ1* f = Carrega();
    // With the help file it opens at the screen's topic; without, error -1.
    const QString ajuda = Modulo::gCaminhoDados + Modulo::NomeArquivoAjuda(QStringLiteral("V"), QStringLiteral("P"));
    tqtest::writeFile(ajuda, "ajuda");
    f->imgAjuda_Click();
    ASSERT_EQ(abridor.help.size(), 1);
    EXPECT_TRUE(abridor.help[0].endsWith(QStringLiteral("|15|10002"))) << qPrintable(abridor.help[0]);
    QFile::remove(ajuda);
    f->imgAjuda_Click();
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(21) + QStringLiteral(": -1\r\n")));

    abridor.result = platform::kOpenNoAssociation;
    f->imgFiltros_Click();
    ASSERT_EQ(caixas.shown.size(), 2u);
    const QString caminho = Modulo::gCaminhoDados + QStringLiteral("FLTRS.PDF");
    EXPECT_EQ(caixas.last().text, QStringLiteral("( ") + Modulo::ObtemTexto(36).toUpper() + QStringLiteral(" )\r\n\r\n( ") +
                                      caminho + QStringLiteral(" )\r\n\r\n") + Modulo::ObtemTexto(21) +
                                      QStringLiteral(": (31)\r\nNo association for file extension"));
    EXPECT_EQ(Modulo::PonteiroTela(), Modulo::vbDefault);

    // A help file that no program opens: the box of the other file buttons.
    tqtest::writeFile(ajuda, "ajuda");
    f->imgAjuda_Click();
    ASSERT_EQ(caixas.shown.size(), 3u);
    EXPECT_EQ(caixas.last().text, QStringLiteral("Erro ao Abrir o Arquivo \"") + ajuda +
                                      QStringLiteral("\"\r\n\r\nErro Nº: (31)\r\nNo association for file extension"));
    EXPECT_EQ(caixas.last().style, platform::vbCritical);
    EXPECT_EQ(caixas.last().title, Modulo::ObtemTexto(19));

    // A viewer that fails after the wait (the button answered success) gives
    // the box of its quick failure when it ends.
    abridor.result = platform::kOpenSucceeded;
    for (auto botao : {&frmTQ1::imgFiltros_Click, &frmTQ1::imgAjuda_Click}) {
        const FakeMessageBoxes::Box rapida = caixas.shown[botao == &frmTQ1::imgFiltros_Click ? 1 : 2];
        const std::size_t antes = caixas.shown.size();
        (f->*botao)();
        EXPECT_EQ(caixas.shown.size(), antes);
        ASSERT_FALSE(abridor.lateFailures.empty());
        abridor.lateFailures.back()(platform::kOpenNoAssociation);
        ASSERT_EQ(caixas.shown.size(), antes + 1);
        EXPECT_EQ(caixas.last().text, rapida.text);
        EXPECT_EQ(caixas.last().style, rapida.style);
        EXPECT_EQ(caixas.last().title, rapida.title);
    }
}
