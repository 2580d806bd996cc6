// The buying-suggestion panel on the main window: beside a components-table
// row and beside a figure item (the assembly view's screens stand in as
// their state: the history, the list's row, the figure's recordset and
// label; the search's list handlers are not registered here, so the list's
// row changes alone do not move the panel), its pages of 4 to 9 rows, ticks and quantities over paging,
// select-all, validation, the inclusion, the optional alternatives, the
// pointer moved onto it, closing and dragging.
#include "telasfixture.h"

#include "core/searchtext.h"
#include "core/texts.h"
#include "listcontrols/thgrid.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QTest>

#include <cmath>

namespace tqtest {
namespace {

class PainelSugestao : public TelasComparacaoTeste {
protected:
    const demo::Summary& s() const { return CatalogoDemo(QStringLiteral("V")); }

    void TearDown() override
    {
        if (janela && janela->mRsItensFigura)
            janela->mRsItensFigura->Close();
        TelasComparacaoTeste::TearDown();
    }

    // Screen 5 of the suggestion assembly with the list on `item`, the list
    // `topo` pixels down the window.
    frmTQ1& Tabela(const QString& item, int topo = 180)
    {
        frmTQ1& f = janela ? *janela : Abre(QStringLiteral("V"), false);
        f.mHistoricoTelas = QStringLiteral("035");
        f.mCodigoPeca = s().suggestionAssembly;
        f.pctTela[0]->hide();
        f.pctTela[5]->show();
        f.dtcTHGrid1->SetDatabase(Modulo::gDbDazadize);
        f.dtcTHGrid1->SetRecordSource(QStringLiteral("SELECT ItemComponente,ImagensGrid FROM PECA_COMPONENTE WHERE CodigoPeca=") +
                                      QString::number(s().suggestionAssembly) +
                                      QStringLiteral(" AND FlagOpcionalComponente=0 ORDER BY ItemComponente"));
        f.dtcTHGrid1->Refresh();
        THGrid* g = f.grdTHGrid1;
        g->mUserControlPixelWidth = 480;
        g->mUserControlPixelHeight = 170;
        g->Move(104, topo, 480, 170);
        g->Descarrega();
        g->ObtemDataControl(f.dtcTHGrid1);
        g->ConfiguraColunas({QStringLiteral("ItemComponente|0|1500|T|6"), QStringLiteral("ImagensGrid|0|900|T|6")});
        g->show();
        Linha(f, item);
        return f;
    }

    void Linha(frmTQ1& f, const QString& item)
    {
        f.dtcTHGrid1->Recordset()->FindFirst(QStringLiteral("ItemComponente='") + item + QLatin1Char('\''));
        f.grdTHGrid1->AtualizaGrid();
        QApplication::processEvents();
    }

    // Screen 4 with the figure's recordset on `item` and a label hovered.
    frmTQ1& Figura(const QString& item, long peca = 0)
    {
        frmTQ1& f = janela ? *janela : Abre(QStringLiteral("V"), false);
        f.mHistoricoTelas = QStringLiteral("034");
        f.mCodigoPeca = peca ? peca : s().suggestionAssembly;
        f.pctTela[0]->hide();
        f.pctTela[4]->show();
        f.mItemSobMouse = 1;
        if (f.mRsItensFigura)
            f.mRsItensFigura->Close();
        f.mRsItensFigura = Modulo::gDbDazadize->OpenRecordset(
            QStringLiteral("SELECT ItemComponente,Mid(ImagensGrid, 1, 1) AS SugestaoCompra FROM PECA_COMPONENTE WHERE CodigoPeca=") +
                QString::number(f.mCodigoPeca),
            platform::dao::dbOpenSnapshot);
        f.mRsItensFigura->FindFirst(QStringLiteral("ItemComponente='") + item + QLatin1Char('\''));
        return f;
    }

    static int LinhasVisiveis(frmTQ1& f)
    {
        int n = 0;
        for (QCheckBox* c : f.chkSug)
            n += c->isHidden() ? 0 : 1;
        return n;
    }
    static QString Pagina(frmTQ1& f) { return f.lblPaginasSug->text(); }
    static QStringList Numeros(frmTQ1& f)
    {
        QStringList r;
        for (std::size_t i = 0; i < 4; ++i)
            if (!f.lblNumeroSug[i]->isHidden())
                r << f.lblNumeroSug[i]->text();
        return r;
    }
    // "COM:code" of a suggested component of the suggestion assembly.
    static QString Componente(const QString& item)
    {
        return Modulo::ObtemValorSQL(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca=") +
                                         QString::number(CatalogoDemo(QStringLiteral("V")).suggestionAssembly) +
                                         QStringLiteral(" AND ItemComponente='") + item + QStringLiteral("' AND FlagOpcionalComponente=0"),
                                     Modulo::gDbDazadize)
            .toString();
    }
};

TEST_F(PainelSugestao, BesideAGridRowInPagesOfFourRows)
{
    const struct {
        QString item;
        QString pagina;
        int linhas;
    } listas[] = {{s().suggestion4Item, QStringLiteral("1/1"), 4},
                  {s().suggestion5Item, QStringLiteral("1/2"), 4},
                  {s().suggestion8Item, QStringLiteral("1/2"), 4},
                  {s().suggestion9Item, QStringLiteral("1/3"), 4}};
    for (const auto& l : listas) {
        SCOPED_TRACE(l.item.toStdString());
        frmTQ1& f = Tabela(l.item);
        f.MostraSugestaoGrid();
        EXPECT_FALSE(f.pctSugestaoCompra->isHidden());
        EXPECT_EQ(Pagina(f), l.pagina);
        EXPECT_EQ(LinhasVisiveis(f), l.linhas);
        EXPECT_EQ(f.pctSugestaoCompra->Tag(), QString::number(s().suggestionAssembly) + QLatin1Char('|') + l.item);
        EXPECT_EQ(f.imgSelecionarTodosSug->Tag(), QStringLiteral("0"));
        // Beside the row: 18 pixels below the row bar's top.
        const int barra = f.grdTHGrid1->TopPixels_pctTHGrid();
        ASSERT_GE(barra, 0);
        EXPECT_EQ(f.pctSugestaoCompra->pos(), QPoint(455, f.grdTHGrid1->y() + barra + 18));
    }

    // Five rows: page 2 shows one row, hides the others and their separators.
    frmTQ1& f = Tabela(s().suggestion5Item);
    f.MostraSugestaoGrid();
    EXPECT_EQ(f.lblPaginasSug->toolTip(), QStringLiteral("Página 1 de 2"));
    f.imgMudaPagina[1]->Click();
    EXPECT_EQ(Pagina(f), QStringLiteral("2/2"));
    EXPECT_EQ(LinhasVisiveis(f), 1);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_TRUE(f.txtQtdSug[i]->isHidden());
        EXPECT_TRUE(f.lblDescricaoSug[i]->isHidden());
        EXPECT_TRUE(f.imgOpcionalSug[i]->isHidden());
        EXPECT_TRUE(f.linSug[i - 1]->isHidden());
    }
    EXPECT_EQ(f.lblPaginasSug->toolTip(), QStringLiteral("Página 2 de 2"));

    // Near the window's bottom the panel stands above the row.
    Tabela(s().suggestion4Item, f.height() - 180);
    f.MostraSugestaoGrid();
    EXPECT_EQ(f.pctSugestaoCompra->y() + f.pctSugestaoCompra->height() + 2, f.grdTHGrid1->y() + f.grdTHGrid1->TopPixels_pctTHGrid());

    // A row without the flag shows nothing; a flagged row without a list
    // hides the panel on show.
    Linha(f, QStringLiteral("30.010"));
    f.MostraSugestaoGrid();
    EXPECT_FALSE(f.pctSugestaoCompra->isHidden()) << "nothing for a row without the flag";
    Linha(f, s().suggestionEmptyItem);
    f.MostraSugestaoGrid();
    EXPECT_TRUE(f.pctSugestaoCompra->isHidden());
}

TEST_F(PainelSugestao, TicksAndQuantitiesSurvivePagingAndSelectAllCoversEveryPage)
{
    frmTQ1& f = Tabela(s().suggestion9Item);
    f.MostraSugestaoGrid();
    const QStringList pagina1 = Numeros(f);
    f.lblNumeroSug[0]->Click();  // ticks row 0
    f.txtQtdSug[1]->setText(QStringLiteral("7"));

    // Previous on page 1 wraps to page 3, next on page 3 back to page 1.
    f.imgMudaPagina[0]->Click();
    EXPECT_EQ(Pagina(f), QStringLiteral("3/3"));
    EXPECT_EQ(LinhasVisiveis(f), 1);
    EXPECT_FALSE(f.chkSug[0]->isChecked());
    f.imgMudaPagina[1]->Click();
    EXPECT_EQ(Pagina(f), QStringLiteral("1/3"));
    EXPECT_EQ(Numeros(f), pagina1);
    EXPECT_TRUE(f.chkSug[0]->isChecked());
    EXPECT_FALSE(f.chkSug[1]->isChecked());
    EXPECT_EQ(f.txtQtdSug[1]->text(), QStringLiteral("7"));

    // Select-all ticks every row of every page; the second click unticks.
    f.imgSelecionarTodosSug->Click();
    EXPECT_EQ(f.imgSelecionarTodosSug->Tag(), QStringLiteral("1"));
    f.imgMudaPagina[1]->Click();
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(f.chkSug[i]->isChecked());
    f.imgSelecionarTodosSug->Click();
    f.imgMudaPagina[1]->Click();
    EXPECT_EQ(Pagina(f), QStringLiteral("3/3"));
    EXPECT_FALSE(f.chkSug[0]->isChecked());

    // A new row is a fresh list: no ticks, the proposed quantities.
    Linha(f, s().suggestion4Item);
    f.MostraSugestaoGrid();
    Linha(f, s().suggestion9Item);
    f.MostraSugestaoGrid();
    EXPECT_EQ(Pagina(f), QStringLiteral("1/3"));
    EXPECT_FALSE(f.chkSug[0]->isChecked());
    EXPECT_NE(f.txtQtdSug[1]->text(), QStringLiteral("7"));
}

TEST_F(PainelSugestao, AnInvalidQuantityBlocksPagingAndInclusion)
{
    frmTQ1& f = Tabela(s().suggestion5Item);
    f.MostraSugestaoGrid();
    f.chkSug[0]->setChecked(true);
    for (const QString& t : {QString(), QStringLiteral("0"), QStringLiteral("00")}) {
        SCOPED_TRACE(t.toStdString());
        f.txtQtdSug[2]->setText(t);
        caixas.shown.clear();
        f.imgMudaPagina[1]->Click();
        ASSERT_EQ(caixas.shown.size(), 1u);
        EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(62) + QLatin1Char('.'));
        EXPECT_EQ(caixas.last().icon(), platform::vbCritical);
        EXPECT_EQ(Pagina(f), QStringLiteral("1/2"));
        EXPECT_EQ(QApplication::focusWidget(), f.txtQtdSug[2]);
        f.imgIncluirSelecionadosSug->Click();
        EXPECT_EQ(caixas.shown.size(), 2u);
        EXPECT_TRUE(Carrinho().isEmpty());
    }
    EXPECT_TRUE(ponteiro.targets.empty()) << "the pointer moves back only on the figure";

    // Text that came in otherwise than by typing keeps its digits; a typed
    // letter never gets in; the box holds three characters.
    f.txtQtdSug[2]->setText(QStringLiteral("1a2"));
    f.imgMudaPagina[1]->Click();
    EXPECT_EQ(Pagina(f), QStringLiteral("2/2"));
    f.imgMudaPagina[0]->Click();
    EXPECT_EQ(f.txtQtdSug[2]->text(), QStringLiteral("12"));
    f.txtQtdSug[2]->clear();
    f.txtQtdSug[2]->setFocus();
    QTest::keyClicks(f.txtQtdSug[2], QStringLiteral("4x5678"));
    EXPECT_EQ(f.txtQtdSug[2]->text(), QStringLiteral("456"));
}

TEST_F(PainelSugestao, IncludeAddsTheTickedRowsThenTheCarrierWithOneAnimation)
{
    frmTQ1& f = Tabela(s().suggestion5Item);
    f.MostraSugestaoGrid();

    // Nothing ticked: text 16, nothing added.
    f.imgIncluirSelecionadosSug->Click();
    ASSERT_EQ(caixas.shown.size(), 1u);
    EXPECT_EQ(caixas.last().text, Modulo::ObtemTexto(16) + QLatin1Char('.'));
    EXPECT_TRUE(Carrinho().isEmpty());

    // A row ticked on page 2 only (the kit), its quantity edited.
    f.imgMudaPagina[1]->Click();
    f.chkSug[0]->setChecked(true);
    f.txtQtdSug[0]->setText(QStringLiteral("3"));
    const QString codigo = f.lblNumeroSug[0]->Tag();
    const QString tipo = codigo == QString::number(s().suggestionKitOfAssembly) ? QStringLiteral("JRE") : QStringLiteral("COM");
    f.imgIncluirSelecionadosSug->Click();
    const QStringList carrinho = Carrinho();
    EXPECT_EQ(carrinho.size(), 2);
    EXPECT_TRUE(carrinho.contains(tipo + QLatin1Char(':') + codigo + QStringLiteral(":3"))) << carrinho.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(carrinho.contains(QStringLiteral("COM:") + Componente(s().suggestion5Item) + QStringLiteral(":1")))
        << "the carrier with its assembly quantity";
    EXPECT_EQ(Chamadas(QStringLiteral("EfeitoCarrinho(0)")), 1);
    EXPECT_EQ(Pagina(f), QStringLiteral("2/2")) << "the panel stays as it was";
    EXPECT_TRUE(f.chkSug[0]->isChecked());
}

TEST_F(PainelSugestao, TheOptionalIconOpensTheAlternativesOfTheSuggestedItem)
{
    frmTQ1& f = Tabela(s().suggestion9Item);
    f.MostraSugestaoGrid();
    int linha = -1;
    for (int p = 0; p < 3 && linha < 0; ++p) {
        for (std::size_t i = 0; i < 4; ++i)
            if (!f.lblNumeroSug[i]->isHidden() &&
                f.lblNumeroSug[i]->Tag() == QString::number(s().suggestionWithAlternatives))
                linha = int(i);
        if (linha < 0)
            f.imgMudaPagina[1]->Click();
    }
    ASSERT_GE(linha, 0);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(!f.imgOpcionalSug[i]->isHidden(), int(i) == linha) << i;
    f.imgOpcionalSug[std::size_t(linha)]->Click();
    EXPECT_EQ(pedidos, QStringList{QStringLiteral("4|%1|%2|30.050|0").arg(s().suggestionAssembly).arg(s().suggestionWithAlternatives)});
}

TEST_F(PainelSugestao, BesideAFigureItemAndThePointerMovedOntoIt)
{
    // An item in the right half: the panel over the figure's left edge.
    frmTQ1& f = Figura(s().suggestion4Item);
    f.mManterSelecaoFigura = true;
    f.MostraSugestaoFigura(1, 600);
    EXPECT_FALSE(f.mManterSelecaoFigura);
    ASSERT_FALSE(f.pctSugestaoCompra->isHidden());
    EXPECT_EQ(f.pctSugestaoCompra->pos(), QPoint(f.pctTela[4]->x() + f.imgFiguraDetalhada->x(), f.imgFiguraDetalhada->y()));

    // One in the left half: the panel ends at x 799; below a shown kit panel.
    f.pctJogoReparo->show();
    f.MostraSugestaoFigura(1, f.imgFiguraDetalhada->x() + 10);
    EXPECT_EQ(f.pctSugestaoCompra->pos(), QPoint(799 - 176, f.pctJogoReparo->geometry().bottom() + 1 + 2));
    f.pctJogoReparo->hide();

    // The item menu's entry: the pointer to the panel's middle, and what
    // its arrival does.
    f.MostraSugestaoMenu();
    ASSERT_EQ(ponteiro.targets.size(), 1u);
    const QPoint canto = f.pctSugestaoCompra->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(ponteiro.targets[0], QPoint(int(std::nearbyint(canto.x() + 88.0)), int(std::nearbyint(canto.y() + 114.5))));
    EXPECT_TRUE(f.mManterSelecaoFigura);
    EXPECT_EQ(QApplication::focusWidget(), f.pctSugestaoCompra);
    EXPECT_EQ(Modulo::gAlvoRodaNome, QStringLiteral("CAT_SUGEST"));

    // On the figure an invalid quantity brings the pointer back too.
    f.txtQtdSug[0]->clear();
    f.imgMudaPagina[1]->Click();
    EXPECT_EQ(ponteiro.targets.size(), 2u);
    EXPECT_EQ(QApplication::focusWidget(), f.txtQtdSug[0]);

    // An item without suggestions, an empty list, or no hovered label: hidden.
    Figura(s().suggestionEmptyItem);
    f.MostraSugestaoFigura(1, 600);
    EXPECT_TRUE(f.pctSugestaoCompra->isHidden());
    Figura(s().suggestionNullSetItem, s().suggestionNullSetAssembly);
    f.MostraSugestaoFigura(1, 600);
    EXPECT_TRUE(f.pctSugestaoCompra->isHidden()) << "an assembly without a suggestion set";
    Figura(s().suggestion4Item);
    f.mItemSobMouse = -1;
    f.MostraSugestaoFigura(1, 600);
    EXPECT_TRUE(f.pctSugestaoCompra->isHidden());
    f.MostraSugestaoMenu();
    EXPECT_EQ(ponteiro.targets.size(), 2u) << "nothing while the panel is hidden";
}

TEST_F(PainelSugestao, CloseByScreenAndADragKeptInsideTheWindow)
{
    frmTQ1& f = Tabela(s().suggestion4Item);
    f.MostraSugestaoGrid();
    f.imgFecharSug->Click();
    EXPECT_TRUE(f.pctSugestaoCompra->isHidden());

    Figura(s().suggestion4Item);
    f.MostraSugestaoFigura(1, 600);
    f.mManterSelecaoFigura = true;
    f.imgFecharSug->Click();
    EXPECT_FALSE(f.mManterSelecaoFigura);
    EXPECT_TRUE(gravador.chamadas.contains(QStringLiteral("LimpaSelecaoItem(0)")));

    // Dragging with the left button, from the panel and from a caption.
    f.pctSugestaoCompra->show();
    const QPoint inicio = f.pctSugestaoCompra->pos();
    const auto arrasta = [&](QWidget* w, QPoint de, QPoint para) {
        QMouseEvent prende(QEvent::MouseButtonPress, de, w->mapToGlobal(de), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &prende);
        const QPoint global = w->mapToGlobal(de) + (para - de);
        const QPoint local = w->mapFromGlobal(global);
        QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QMouseEvent solta(QEvent::MouseButtonRelease, w->mapFromGlobal(global), global, Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(w, &solta);
    };
    arrasta(f.pctSugestaoCompra, QPoint(60, 5), QPoint(20, 45));
    EXPECT_EQ(f.pctSugestaoCompra->pos(), inicio + QPoint(-40, 40));
    EXPECT_TRUE(f.mManterSelecaoFigura);
    EXPECT_EQ(Modulo::gAlvoRodaNome, QStringLiteral("CAT_SUGEST"));
    arrasta(f.lblDescricaoSug[0], QPoint(5, 5), QPoint(-5000, -5000));
    EXPECT_EQ(f.pctSugestaoCompra->pos(), QPoint(0, 0));
    arrasta(f.pctSugestaoCompra, QPoint(5, 5), QPoint(5000, 5000));
    EXPECT_EQ(f.pctSugestaoCompra->pos(), QPoint(f.width() - 176, f.height() - 229));
    // A move without the button does not drag.
    QMouseEvent solto(QEvent::MouseMove, QPoint(30, 30), f.pctSugestaoCompra->mapToGlobal(QPoint(30, 30)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(f.pctSugestaoCompra, &solto);
    EXPECT_EQ(f.pctSugestaoCompra->pos(), QPoint(f.width() - 176, f.height() - 229));
}

}  // namespace
}  // namespace tqtest
