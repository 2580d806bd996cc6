// Screens 9 and 8 of the main window with the comparison registered (and
// the search's handlers that act on them): the choice of the two
// assemblies, Forward's checks, the comparison list's first showing,
// filters, re-sorts, select-all, row actions, the figure and back, leaving,
// and a build that fails.
#include "telasfixture.h"

#include "core/runtables.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "listcontrols/thgrid.h"

#include <sqlite3.h>

namespace tqtest {
namespace {

using Comparacao::kOrdemDescricao;
using Comparacao::kOrdemNumero;

class TelasComparacao : public TelasComparacaoTeste {
protected:
    const demo::Summary& s() const { return CatalogoDemo(Modulo::gEdicao); }
    static QString Numero(long codigo)
    {
        return Modulo::ObtemValorSQL(QStringLiteral("SELECT NumeroEmpresaPeca FROM PECA WHERE CodigoPeca=") +
                                         QString::number(codigo),
                                     Modulo::gDbDazadize)
            .toString();
    }
    bool FocoEm(QWidget* w) const { return QApplication::focusWidget() == w; }
    static QStringList TabelasCmp()
    {
        QStringList r;
        for (const platform::dao::TableDef& t : Modulo::gDbAuxiliar->TableDefs())
            if (t.Name().startsWith(QLatin1String("Cmp_")))
                r << t.Name();
        return r;
    }
};

TEST_F(TelasComparacao, Screen9LooksTheNumbersUpAndKeepsTheChoiceOverASearch)
{
    frmTQ1& f = Abre();
    f.imgComparar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("09"));
    EXPECT_TRUE(f.pctTela[0]->isHidden());
    EXPECT_FALSE(f.pctTela[9]->isHidden());
    EXPECT_FALSE(f.imgAvancar->isHidden());
    EXPECT_FALSE(f.imgVoltar->isHidden());
    EXPECT_FALSE(f.imgPesquisa1Comp2->isHidden()) << "vehicle search outside edition M";
    EXPECT_TRUE(FocoEm(f.txtNumeroEmpresaComp[0]));

    // Spaces, hyphens, lower case and leading zeros find the bare number.
    const QString n1 = s().comparisonFirstNumber;
    f.txtNumeroEmpresaComp[0]->setText(QStringLiteral("00") + n1.left(4) + QStringLiteral(" ") + n1.mid(4, 3) +
                                       QStringLiteral("-") + n1.mid(7).toLower());
    EXPECT_EQ(f.lblDescricaoPecaComp[0]->text(), QStringLiteral("Transmissão: TRANSMISSÃO S5-901"));
    EXPECT_EQ(f.txtNumeroEmpresaComp[0]->Tag(), QString::number(s().comparisonFirst));
    EXPECT_EQ(f.lblDescricaoPecaComp[0]->Tag(), s().comparisonType);
    f.txtNumeroEmpresaComp[0]->setText(n1 + QStringLiteral("9"));
    EXPECT_TRUE(f.lblDescricaoPecaComp[0]->text().isEmpty());
    EXPECT_TRUE(f.txtNumeroEmpresaComp[0]->Tag().isEmpty());
    EXPECT_TRUE(f.lblDescricaoPecaComp[0]->Tag().isEmpty());
    f.txtNumeroEmpresaComp[0]->setText(n1);

    // Side 2 through the vehicle search: the screen hides (its snapshot
    // closed, its boxes off) and comes back by Back with the focus there.
    f.imgPesquisa1Comp2->Click();
    EXPECT_EQ(f.imgNum2Comp->Tag(), QStringLiteral("1"));
    EXPECT_TRUE(f.imgNum1Comp->Tag().isEmpty());
    EXPECT_TRUE(gravador.chamadas.contains(QStringLiteral("MostraPesquisaVeiculos(9)")));
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("092"));
    EXPECT_TRUE(f.pctTela[9]->isHidden());
    EXPECT_FALSE(f.txtNumeroEmpresaComp[1]->isEnabled());
    f.imgVoltar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("09"));
    EXPECT_FALSE(f.pctTela[9]->isHidden());
    EXPECT_TRUE(f.imgNum2Comp->Tag().isEmpty());
    EXPECT_TRUE(FocoEm(f.txtNumeroEmpresaComp[1]));
    EXPECT_EQ(f.txtNumeroEmpresaComp[0]->text(), n1) << "the boxes keep their contents";

    // A parts list serving side 1 (9, search, list): the number it writes
    // is not looked up while the list is current; back on 9 two digits go.
    f.imgPesquisa0Comp1->Click();
    f.mHistoricoTelas = QStringLiteral("0913");
    f.txtNumeroEmpresaComp[0]->setText(s().comparisonSecondNumber);
    EXPECT_EQ(f.lblDescricaoPecaComp[0]->text(), QStringLiteral("Transmissão: TRANSMISSÃO S5-901"));
    f.MostraSelecaoComparacao(3);
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("09"));
    EXPECT_TRUE(FocoEm(f.txtNumeroEmpresaComp[0]));
}

TEST_F(TelasComparacao, Screen9OfEditionMHasNoVehicleSearch)
{
    frmTQ1& f = Abre(QStringLiteral("M"));
    f.imgComparar_Click();
    for (QWidget* w : {static_cast<QWidget*>(f.imgPesquisa1Comp1), static_cast<QWidget*>(f.imgPesquisa1Comp2),
                       static_cast<QWidget*>(f.imgGuarfo1Comp), static_cast<QWidget*>(f.imgGuarfo2Comp)})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_FALSE(f.imgPesquisa0Comp1->isHidden());
    f.txtNumeroEmpresaComp[1]->setText(s().comparisonFirstNumber);
    EXPECT_TRUE(f.lblDescricaoPecaComp[1]->text().endsWith(QStringLiteral(": ") +
                                                           Modulo::ObtemValorSQL(QStringLiteral("SELECT DescricaoPecaP FROM PECA WHERE CodigoPeca=") +
                                                                                     QString::number(s().comparisonFirst),
                                                                                 Modulo::gDbDazadize)
                                                               .toString()));
}

TEST_F(TelasComparacao, ForwardChecksBothChoicesInOrder)
{
    frmTQ1& f = Abre();
    f.imgComparar_Click();
    const QString a = s().comparisonFirstNumber, b = s().comparisonSecondNumber;
    const QString outro = Numero(s().comparisonOtherType);
    const struct {
        QString box0, box1;
        int texto, foco;
    } casos[] = {
        {QString(), b, 56, 0}, {QStringLiteral("99"), b, 58, 0}, {a, QStringLiteral("  "), 56, 1},
        {a, QStringLiteral("99"), 58, 1}, {a, a, 60, 1}, {a, outro, 61, 0},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.texto);
        f.txtNumeroEmpresaComp[0]->setText(c.box0);
        f.txtNumeroEmpresaComp[1]->setText(c.box1);
        caixas.shown.clear();
        f.imgAvancar_Click();
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(c.texto) + QLatin1Char('.'));
        EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
        EXPECT_EQ(caixas.last().title, Modulo::ObtemTexto(19));
        EXPECT_TRUE(FocoEm(f.txtNumeroEmpresaComp[c.foco]));
        EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("09"));
    }
    f.txtNumeroEmpresaComp[1]->setText(b);
    f.imgAvancar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("098"));
    EXPECT_EQ(f.mCodigoPeca, s().comparisonFirst);
    EXPECT_EQ(f.mCodigoPecaComparacao, s().comparisonSecond);
    EXPECT_TRUE(f.mComparacaoCarregada);
    EXPECT_TRUE(f.pctTela[9]->isHidden());
    EXPECT_FALSE(f.txtNumeroEmpresaComp[0]->isEnabled());
    EXPECT_EQ(Modulo::PonteiroTela(), Modulo::vbDefault);
}

TEST_F(TelasComparacao, FirstShowingOfTheComparisonList)
{
    frmTQ1& f = Compara(s().comparisonFirstNumber, s().comparisonSecondNumber);
    EXPECT_FALSE(f.pctTela[8]->isHidden());
    EXPECT_FALSE(f.grdTHGrid1->isHidden());
    EXPECT_TRUE(f.imgAvancar->isHidden());
    EXPECT_FALSE(f.imgVoltar->isHidden());
    EXPECT_FALSE(f.imgImprimir->isHidden());
    EXPECT_TRUE(QApplication::focusWidget() == f.grdTHGrid1 || f.grdTHGrid1->isAncestorOf(QApplication::focusWidget()));

    // The list: the different components by number, from the auxiliary
    // database; the option chosen, filter and order kept in the Tags.
    EXPECT_TRUE(f.optExibirComponentesDiferentes->isChecked());
    EXPECT_EQ(f.pctExibirComparacao->Tag(), QStringLiteral("0"));
    EXPECT_EQ(f.grdTHGrid1->Tag(), kOrdemNumero);
    EXPECT_EQ(f.dtcTHGrid1->Database(), Modulo::gDbAuxiliar);
    EXPECT_EQ(f.dtcTHGrid1->RecordSource(), QStringLiteral("SELECT * FROM ") + f.mTabelaComparacao +
                                                QStringLiteral(" WHERE Iguais = 0 ORDER BY NumeroEmpresaComponente"));
    const QStringList numeros = Coluna(f, QStringLiteral("NumeroEmpresaComponente"));
    EXPECT_EQ(numeros.size(), 7);
    QStringList ordenados = numeros;
    ordenados.sort();
    EXPECT_EQ(numeros, ordenados);
    EXPECT_EQ(Coluna(f, QStringLiteral("Iguais")), QStringList(7, QStringLiteral("0")));
    EXPECT_EQ(f.grdTHGrid1->ColumnCount(), 8);

    // Header, title and places (edition V).
    const QString fmt1 = Modulo::ObtemValorSQL(QStringLiteral("SELECT Format(NumeroEmpresaPeca, '0000 000 000') FROM PECA WHERE CodigoPeca=") +
                                                   QString::number(s().comparisonFirst),
                                               Modulo::gDbDazadize)
                             .toString();
    EXPECT_EQ(f.lblNumeroEmpresaPeca[0]->text(), fmt1);
    EXPECT_EQ(f.lblNumeroEmpresaPeca[0]->Tag(), QString::number(s().comparisonFirst));
    EXPECT_EQ(f.lblNumeroEmpresaPeca[1]->Tag(), QString::number(s().comparisonSecond));
    EXPECT_EQ(f.lblNumeroEmpresaPeca[0]->toolTip(), QStringLiteral("TRANSMISSÃO S5-901"));
    EXPECT_EQ(f.imgTitQuantidade[1]->Tag(), s().comparisonType);
    EXPECT_EQ(f.lblSubTitulo->text(), QStringLiteral("Transmissões: ") + fmt1 + QStringLiteral("  /  ") +
                                          f.lblNumeroEmpresaPeca[1]->text());
    EXPECT_FALSE(f.pctTitulo->isHidden());
    EXPECT_EQ(f.lblExibirComparacao->text(), QStringLiteral("  Exibir:  "));
    EXPECT_EQ(f.optExibirComponentesTodos->text(), Modulo::ObtemTexto(66));
    EXPECT_EQ(f.grdTHGrid1->geometry().topLeft(), f.pctTela[8]->pos() + QPoint(15, 152));
    EXPECT_EQ(f.grdTHGrid1->width(), 565);
    EXPECT_EQ(f.lblNumeroEmpresaPeca[1]->x(), 477);
    EXPECT_EQ(f.linComparacao[0]->X1(), 382);
    EXPECT_FALSE(f.pctPainelRef[3]->isHidden());
}

TEST_F(TelasComparacao, EditionMIsWiderAndHasNoCrossReferences)
{
    frmTQ1& f = Compara(CatalogoDemo(QStringLiteral("M")).comparisonFirstNumber,
                        CatalogoDemo(QStringLiteral("M")).comparisonSecondNumber, QStringLiteral("M"));
    ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("098"));
    EXPECT_EQ(f.grdTHGrid1->width(), 684);
    EXPECT_EQ(f.lblNumeroEmpresaPeca[0]->x(), 384 + 123);
    EXPECT_EQ(f.imgTitQuantidade[2]->x(), 488 + 123);
    EXPECT_EQ(f.imgSelecionarTodos[1]->x(), 479 + 123);
    EXPECT_EQ(f.linComparacao[1]->X2(), 475 + 123);
    EXPECT_TRUE(f.pctPainelRef[3]->isHidden());
    EXPECT_TRUE(f.imgTitNo[3]->isHidden());
    const QString tipo = Modulo::ObtemValorSQL(QStringLiteral("SELECT DescricaoTipoPecaP FROM TIPOPECA WHERE CodigoTipoPeca='") +
                                                   f.imgTitQuantidade[1]->Tag() + QLatin1Char('\''),
                                               Modulo::gDbDazadize)
                             .toString();
    EXPECT_TRUE(f.lblSubTitulo->text().startsWith(tipo + QStringLiteral(": ")));
}

TEST_F(TelasComparacao, FiltersAndResortsKeepTheOrderAndTheComponent)
{
    frmTQ1& f = Compara(s().comparisonFirstNumber, s().comparisonSecondNumber);
    const QString tabela = f.mTabelaComparacao;

    // Re-sort by description with the half row current: it stays current.
    f.dtcTHGrid1->Recordset()->FindFirst(QStringLiteral("CodigoComponente=") + QString::number(s().cmpHalf));
    f.imgTitComponente[2]->Click();
    EXPECT_EQ(f.grdTHGrid1->Tag(), kOrdemDescricao);
    EXPECT_EQ(f.dtcTHGrid1->Recordset()->Value(QStringLiteral("CodigoComponente")).toLongLong(), s().cmpHalf);
    QStringList descricoes = Coluna(f, QStringLiteral("DescricaoComponente"));
    EXPECT_EQ(descricoes.size(), 7);

    // Equal, then all: the description order stays; the list starts again.
    f.optExibirComponentesIguais->setChecked(true);
    EXPECT_EQ(f.pctExibirComparacao->Tag(), QStringLiteral("1"));
    EXPECT_EQ(Coluna(f, QStringLiteral("Iguais")), QStringList(7, QStringLiteral("1")));
    f.optExibirComponentesTodos->setChecked(true);
    EXPECT_EQ(f.pctExibirComparacao->Tag(), QStringLiteral("2"));
    EXPECT_EQ(Coluna(f, QStringLiteral("CodigoComponente")).size(), 14);
    EXPECT_EQ(f.grdTHGrid1->Tag(), kOrdemDescricao);
    EXPECT_TRUE(f.dtcTHGrid1->RecordSource().endsWith(QStringLiteral(" ORDER BY DescricaoComponente")));
    EXPECT_EQ(f.mTabelaComparacao, tabela) << "filters and orders never rebuild";

    // Back to the number order.
    f.imgTitNoTQ[4]->Click();
    EXPECT_EQ(f.grdTHGrid1->Tag(), kOrdemNumero);
}

TEST_F(TelasComparacao, SelectAllOfASideAddsItsListedComponentsWithOneAnimation)
{
    frmTQ1& f = Compara(s().comparisonFirstNumber, s().comparisonSecondNumber);
    f.imgSelecionarTodos[0]->Click();
    // The first assembly's components that differ (or only it has), with
    // its quantities; the second's own are never added by this icon.
    const QStringList carrinho = Carrinho();
    EXPECT_TRUE(carrinho.contains(QStringLiteral("COM:%1:2").arg(s().cmpDifferent)));
    EXPECT_TRUE(carrinho.contains(QStringLiteral("COM:%1:1").arg(s().cmpOnlyFirst)));
    EXPECT_FALSE(carrinho.join(QLatin1Char(' ')).contains(QStringLiteral(":%1:").arg(s().cmpOnlySecond)));
    EXPECT_FALSE(carrinho.join(QLatin1Char(' ')).contains(QStringLiteral(":%1:").arg(s().cmpEqual)));
    EXPECT_EQ(Chamadas(QStringLiteral("EfeitoCarrinho(0)")), 1);
    EXPECT_TRUE(caixas.shown.empty());

    // An assembly with no listed component: text 43, nothing added.
    f.imgVoltar_Click();
    f.txtNumeroEmpresaComp[0]->setText(Numero(s().comparisonNoRegular));
    f.txtNumeroEmpresaComp[1]->setText(s().comparisonFirstNumber);
    f.imgAvancar_Click();
    ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("098"));
    f.imgSelecionarTodos[0]->Click();
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(43) + QLatin1Char('.'));
    EXPECT_EQ(Carrinho(), carrinho);
    EXPECT_EQ(Chamadas(QStringLiteral("EfeitoCarrinho(0)")), 1);
}

TEST_F(TelasComparacao, RowIconsTheFigureAndBackWithoutARebuild)
{
    frmTQ1& f = Compara(s().comparisonFirstNumber, s().comparisonSecondNumber);
    const auto vaiPara = [&](long codigo) {
        f.dtcTHGrid1->Recordset()->FindFirst(QStringLiteral("CodigoComponente=") + QString::number(codigo));
        ASSERT_FALSE(f.dtcTHGrid1->Recordset()->NoMatch());
    };

    // Icon 0: the larger quantity, a missing side counting 1, not optional.
    vaiPara(s().cmpDifferent);
    f.grdTHGrid1->EventImageClick(0);
    vaiPara(s().cmpOnlySecond);
    f.grdTHGrid1->EventImageClick(0);
    EXPECT_EQ(Carrinho(), (QStringList{QStringLiteral("COM:%1:4").arg(s().cmpOnlySecond),
                                       QStringLiteral("COM:%1:3").arg(s().cmpDifferent)}));
    EXPECT_EQ(Chamadas(QStringLiteral("EfeitoCarrinho(0)")), 2);

    // The row change shows the row's cross references (the equal row has some).
    f.optExibirComponentesIguais->setChecked(true);
    vaiPara(s().cmpEqual);
    EXPECT_FALSE(f.lblNumeroFabricanteRefC[0]->text().isEmpty());

    // Icon 3: the second assembly's figure at the component, the codes
    // swapped (the loaded figure closed first).
    const QString tabela = f.mTabelaComparacao;
    f.mFiguraCarregada = true;
    f.grdTHGrid1->EventImageClick(3);
    EXPECT_EQ(Modulo::gParametro, QStringLiteral("C:%1:C").arg(s().cmpEqual));
    EXPECT_EQ(f.mCodigoPeca, s().comparisonSecond);
    EXPECT_EQ(f.mCodigoPecaComparacao, s().comparisonFirst);
    EXPECT_EQ(Chamadas(QStringLiteral("FechaFigura")), 1);
    EXPECT_TRUE(gravador.chamadas.contains(QStringLiteral("MostraFigura(8)")));
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("094"));
    Modulo::gParametro.clear();

    // Icon 2 from the figure's assembly side does not swap again.
    f.mHistoricoTelas = QStringLiteral("098");
    f.grdTHGrid1->EventImageClick(3);
    EXPECT_EQ(f.mCodigoPeca, s().comparisonSecond);
    Modulo::gParametro.clear();

    // The figure's Table button: the same list, filter, order and row.
    f.imgTabela_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("098"));
    EXPECT_EQ(Chamadas(QStringLiteral("EscondeFigura")), 1);
    EXPECT_EQ(f.mTabelaComparacao, tabela);
    EXPECT_EQ(f.pctExibirComparacao->Tag(), QStringLiteral("1"));
    EXPECT_EQ(f.dtcTHGrid1->Recordset()->Value(QStringLiteral("CodigoComponente")).toLongLong(), s().cmpEqual);
    EXPECT_FALSE(f.grdTHGrid1->isHidden());
}

TEST_F(TelasComparacao, BackLeavesTheComparisonAndForwardBuildsANewOne)
{
    frmTQ1& f = Compara(s().comparisonFirstNumber, s().comparisonSecondNumber);
    const QString tabela = f.mTabelaComparacao;
    ASSERT_TRUE(Modulo::TabelaExiste(Modulo::gDbAuxiliar, tabela));
    f.imgVoltar_Click();
    EXPECT_TRUE(gravador.chamadas.contains(QStringLiteral("FechaConjunto")));
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("09"));
    EXPECT_TRUE(f.pctTela[8]->isHidden());
    EXPECT_FALSE(f.pctTela[9]->isHidden());
    EXPECT_TRUE(f.mTabelaComparacao.isEmpty());
    EXPECT_FALSE(Modulo::TabelaExiste(Modulo::gDbAuxiliar, tabela)) << "the comparison's table dropped";
    EXPECT_NE(f.dtcTHGrid1->Database(), Modulo::gDbAuxiliar);
    EXPECT_EQ(f.txtNumeroEmpresaComp[1]->text(), s().comparisonSecondNumber);

    f.imgAvancar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("098"));
    EXPECT_TRUE(Modulo::TabelaExiste(Modulo::gDbAuxiliar, f.mTabelaComparacao));
    EXPECT_EQ(Coluna(f, QStringLiteral("Iguais")).size(), 7);
}

TEST_F(TelasComparacao, TheSuggestionPanelStaysAboveTheListAfterAComparison)
{
    // With the assembly view's screens: figure, table, a comparison, Home,
    // then another assembly's figure and table.
    frmTQ1& f = Abre(QStringLiteral("V"), true, true);
    const auto acima = [&f](QWidget* w, QWidget* abaixo) {
        const QObjectList filhos = f.children();
        return filhos.indexOf(w) > filhos.indexOf(abaixo);
    };
    const auto tabela = [&f, this] {
        f.EscondeInicio();
        f.mHistoricoTelas = QStringLiteral("013");
        f.mCodigoPeca = s().suggestionAssembly;
        f.mCodigoPecaComparacao = -1;
        f.mFiguraCarregada = false;
        f.mTabelaCarregada = false;
        Modulo::gParametro.clear();
        f.MostraFigura(3);
        f.imgTabela_Click();
        ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("0135"));
    };
    ASSERT_EQ(f.grdTHGrid1->parent(), &f);
    tabela();
    EXPECT_TRUE(acima(f.pctSugestaoCompra, f.grdTHGrid1));
    f.imgInicio_Click();

    f.imgComparar_Click();
    f.txtNumeroEmpresaComp[0]->setText(s().comparisonFirstNumber);
    f.txtNumeroEmpresaComp[1]->setText(s().comparisonSecondNumber);
    f.imgAvancar_Click();
    ASSERT_EQ(f.mHistoricoTelas, QStringLiteral("098"));
    EXPECT_TRUE(acima(f.grdTHGrid1, f.pctTela[8])) << "the list over its screen";
    f.imgInicio_Click();

    tabela();
    for (QWidget* painel : {static_cast<QWidget*>(f.pctSugestaoCompra), static_cast<QWidget*>(f.pctJogoReparo)})
        EXPECT_TRUE(acima(painel, f.grdTHGrid1)) << painel->objectName().toStdString();
    // The panel beside a row is the widget under the pointer where it stands.
    f.dtcTHGrid1->Recordset()->FindFirst(QStringLiteral("ItemComponente='") + s().suggestion4Item + QLatin1Char('\''));
    f.grdTHGrid1->AtualizaGrid();
    f.MostraSugestaoGrid();
    ASSERT_FALSE(f.pctSugestaoCompra->isHidden());
    const QRect painel = f.pctSugestaoCompra->geometry();
    ASSERT_TRUE(painel.intersects(f.grdTHGrid1->geometry()));
    const QPoint ponto = painel.intersected(f.grdTHGrid1->geometry()).center();
    QWidget* sob = f.childAt(ponto);
    EXPECT_TRUE(sob == f.pctSugestaoCompra || f.pctSugestaoCompra->isAncestorOf(sob)) << (sob ? sob->objectName().toStdString() : "none");
}

// Refuses INSERTs into comparison tables.
int SemInsercao(void*, int acao, const char* tabela, const char*, const char*, const char*)
{
    return acao == SQLITE_INSERT && tabela && QByteArray(tabela).startsWith("Cmp_") ? SQLITE_DENY : SQLITE_OK;
}

TEST_F(TelasComparacao, AFailedBuildShowsTheErrorAndLeavesTheWindowUsable)
{
    Abre();
    const QStringList antes = TabelasCmp();
    sqlite3_set_authorizer(Modulo::gDbAuxiliar->nativeHandle(), SemInsercao, nullptr);
    frmTQ1& f = *janela;
    f.imgComparar_Click();
    f.txtNumeroEmpresaComp[0]->setText(s().comparisonFirstNumber);
    f.txtNumeroEmpresaComp[1]->setText(s().comparisonSecondNumber);
    f.imgAvancar_Click();
    sqlite3_set_authorizer(Modulo::gDbAuxiliar->nativeHandle(), nullptr, nullptr);

    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_TRUE(caixas.last().text.startsWith(Modulo::ObtemTexto(21)));
    EXPECT_TRUE(f.mTabelaComparacao.isEmpty());
    EXPECT_EQ(TabelasCmp(), antes) << "no half-built table";
    EXPECT_FALSE(f.mComparacaoCarregada);
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("098"));
    EXPECT_FALSE(f.pctTela[8]->isHidden()) << "the screen shows, empty";
    EXPECT_FALSE(f.dtcTHGrid1->Recordset());
    EXPECT_TRUE(f.grdTHGrid1->isHidden());

    // The screen's actions find nothing; Back leaves it.
    f.optExibirComponentesTodos->setChecked(true);
    EXPECT_EQ(caixas.shown.size(), 1u) << "options ignored without a comparison";
    f.imgSelecionarTodos[1]->Click();
    EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(43) + QLatin1Char('.'));
    f.imgImprimir_Click();
    EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(43) + QLatin1Char('.'));
    EXPECT_TRUE(pedidos.isEmpty());
    f.imgVoltar_Click();
    EXPECT_EQ(f.mHistoricoTelas, QStringLiteral("09"));
    f.imgAvancar_Click();
    EXPECT_TRUE(f.mComparacaoCarregada) << "the next try builds";
    EXPECT_EQ(TabelasCmp().size(), antes.size() + 1);
}

}  // namespace
}  // namespace tqtest
