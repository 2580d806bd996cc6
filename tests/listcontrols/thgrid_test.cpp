// THGrid bound to a real recordset: frame decision, overlay, row icons and
// flags, sizing, scrolling and the order of its events.

#include "listcontrols/thgrid.h"

#include "listcontrols/thbar.h"
#include "listcontrols/thwidgets.h"
#include "listfixture.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QAbstractItemView>
#include <QLabel>
#include <QScrollBar>

using namespace listtest;

namespace {

// Cart icon (fixed), number, description, note flag.
const QStringList kSpecsGrid = {"|2|330|F|6|Incluir|99", "Numero|0|1200|T", "Descricao|0|3000|T",
                            "ImagensGrid|2|300|I|6|Nota|99"};

class Grid : public Fixture {
protected:
    THGrid* Configurado(int linhas, DataControl& dc, const QStringList& specs = kSpecsGrid, int icones = 2)
    {
        THGrid* g = NovoGrid(linhas);
        g->mTextGridVazio = QStringLiteral("Nenhum Item Encontrado");
        g->ObtemDataControl(&dc);
        g->ObtemPictures(Figuras(icones));
        g->ConfiguraColunas(specs);
        return g;
    }
    static QString Espacos(int) { return QStringLiteral("    "); }
};

// Counts the paint events of the widgets it filters.
class ContaPinturas : public QObject {
public:
    int n = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++n;
        return false;
    }
};

}  // namespace

TEST_F(Grid, SizeSnapsToWholeRows)
{
    THGrid g(&janela);
    g.mUserControlPixelWidth = 558;
    g.mUserControlPixelHeight = 391;
    g.Move(0, 0, 558, 391);
    EXPECT_EQ(g.height(), 391);
    EXPECT_EQ(g.Linhas(), 23);
    g.mUserControlPixelHeight = 193;
    g.Move(0, 0, 558, 100);
    EXPECT_EQ(g.height(), 187);
    EXPECT_EQ(g.Linhas(), 11);
    g.mUserControlPixelHeight = 0;
    g.Move(0, 0, 558, 100);
    EXPECT_EQ(g.height(), 102);
    EXPECT_EQ(g.Linhas(), 6);
    g.mUserControlPixelHeight = 5;
    g.Move(0, 0, 558, 100);
    EXPECT_EQ(g.height(), 17);
    // A hidden control placed with setGeometry adjusts at its next call.
    g.mUserControlPixelHeight = 391;
    g.setGeometry(0, 0, 558, 50);
    g.AtualizaGrid();
    EXPECT_EQ(g.height(), 391);

    g.mUserControlPixelHeight = 102;
    g.SetBorderStyle(1);
    EXPECT_EQ(g.height(), 104);
    EXPECT_EQ(g.innerGrid()->width(), 556);
}

TEST_F(Grid, FrameFollowsTheRowCount)
{
    struct Caso {
        const char* nome;
        int registros;
        int barra;
        bool painel;
        int topoPainel;
    };
    const std::vector<Caso> casos = {
        {"empty: the panel covers the grid", 0, 0, true, 0},
        {"three records in ten rows: panel 51 pixels down", 3, 0, true, 51},
        {"eleven records: a scroll bar and no panel", 11, 2, false, 0},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Preenche(c.registros, [](int) { return QStringLiteral("    "); });
        DataControl dc;
        Abre(dc);
        THGrid* g = Configurado(10, dc);
        const int larguraScroll = g->larguraScrollTwips() / 15;
        EXPECT_EQ(g->ScrollBars(), c.barra);
        EXPECT_EQ(g->innerGrid()->width(), c.barra ? 400 : 400 - larguraScroll + 1);
        EXPECT_EQ(!g->fundo()->isHidden(), c.painel);
        if (c.painel) {
            EXPECT_EQ(g->fundo()->y(), c.topoPainel);
            EXPECT_EQ(g->fundo()->height(), 170 - c.topoPainel);
        }
        // The caption only on an empty list, at the panel's top-left corner.
        EXPECT_EQ(!g->captionVazio()->isHidden(), c.registros == 0);
        if (c.registros == 0) {
            EXPECT_EQ(g->captionVazio()->text(), "Nenhum Item Encontrado");
            EXPECT_EQ(g->captionVazio()->pos(), QPoint(0, 0));
            EXPECT_EQ(g->TopPixels_pctTHGrid(), -1);
        } else {
            EXPECT_EQ(g->TopPixels_pctTHGrid(), 0);
        }
        // Row icons exist for the ten rows and show only on rows with a record.
        for (int k = 0; k < 2; ++k) {
            for (int j = 0; j < 10; ++j)
                EXPECT_EQ(!g->rowIcon(10 * k + j)->isHidden(), j < c.registros) << "icon " << k << " row " << j;
        }
        delete g;
    }
}

TEST_F(Grid, FlagsSwitchRowIconsAndBarIcons)
{
    // Three flag columns; a space sets a flag, Chr(13) does not, and a text
    // too short leaves the last flag unset.
    Preenche(2, [](int i) { return i == 1 ? QStringLiteral(" \r ") : QStringLiteral("  "); });
    DataControl dc;
    Abre(dc);
    const QStringList specs = {"Descricao|0|2000|T", "ImagensGrid|0|300|I|6|A|99", "ImagensGrid|0|300|I|6|B|99",
                               "ImagensGrid|0|300|I|6|C|0"};
    THGrid* g = Configurado(5, dc, specs, 3);
    EXPECT_EQ(g->tiposColunas(), "TIII");
    const auto icone = [&](int k, int j) { return !g->rowIcon(5 * k + j)->isHidden(); };
    EXPECT_TRUE(icone(0, 0));
    EXPECT_FALSE(icone(1, 0));
    EXPECT_TRUE(icone(2, 0));
    EXPECT_TRUE(icone(0, 1));
    EXPECT_TRUE(icone(1, 1));
    EXPECT_FALSE(icone(2, 1));
    // The bar repeats the current row's flags and text.
    EXPECT_TRUE(g->Visible_imgSelecionado(0));
    EXPECT_FALSE(g->Visible_imgSelecionado(1));
    EXPECT_TRUE(g->Visible_imgSelecionado(2));
    EXPECT_EQ(g->Caption_lblTHGrid(0), "Item 1");
    EXPECT_EQ(g->Tag_lblTHGrid(0), "Descricao");
    // Tooltip and pointer of the spec reach the row icons.
    EXPECT_EQ(g->rowIcon(5)->toolTip(), "B");
    EXPECT_EQ(g->rowIcon(5)->ponteiro(), 99);
    EXPECT_EQ(g->rowIcon(10)->ponteiro(), 0);
}

TEST_F(Grid, RowIconElementsPerColumnAndRow)
{
    Preenche(30, [](int) { return QStringLiteral("    "); });
    DataControl dc;
    Abre(dc);
    const QStringList specs = {"|2|330|F|6||99", "Descricao|0|2000|T", "ImagensGrid|0|300|I|6||99",
                               "ImagensGrid|1|300|I|6||99"};
    THGrid* g = Configurado(17, dc, specs, 3);
    EXPECT_NE(g->rowIcon(50), nullptr);
    EXPECT_EQ(g->rowIcon(51), nullptr);
    for (int k = 0; k < 3; ++k) {
        long left = 0;
        QPixmap p;
        QString dica;
        int ponteiro = 0;
        g->Properties_imgSelecionado(k, left, p, dica, ponteiro);
        for (int j : {0, 16}) {
            THPicture* e = g->rowIcon(17 * k + j);
            EXPECT_EQ(e->x(), left / 15);
            EXPECT_EQ(e->y(), 1 + 17 * j);
        }
    }
}

TEST_F(Grid, AccessorsDescribeTheBarForTheCombo)
{
    Preenche(3);
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(5, dc);
    // Four specs: an icon, two texts, an icon.
    EXPECT_EQ(g->UBound_linTHGrid(), 2);
    EXPECT_EQ(g->UBound_imgSelecionado(), 1);
    EXPECT_EQ(g->UBound_lblTHGrid(), 1);
    long x1 = 0, x2 = 0;
    g->Properties_linTHGrid(0, x1, x2);
    EXPECT_EQ(x1, 30 + 330 - 45);
    EXPECT_EQ(x2, x1);
    long left = 0, largura = 0;
    int alinhamento = -1;
    g->Properties_lblTHGrid(1, left, largura, alinhamento);
    EXPECT_EQ(left, 30 + 330 + 1200);
    EXPECT_EQ(alinhamento, 0);
    EXPECT_EQ(g->Caption_lblTHGrid(1), "Item 1");
    EXPECT_EQ(tqtest::errorNumberOf([&] { g->Caption_lblTHGrid(2); }), 340);
    EXPECT_EQ(tqtest::errorNumberOf([&] { g->Visible_imgSelecionado(5); }), 340);
    EXPECT_EQ(g->Columns(1).DataField(), "Numero");
    EXPECT_EQ(g->Columns(1).Text(), "N0001");
    EXPECT_EQ(g->Columns(2).CellText(dc.Recordset()->BookmarkOfRow(2)), "Item 3");
    EXPECT_EQ(tqtest::errorNumberOf([&] { g->Columns(9); }), 9);
}

TEST_F(Grid, ConfigurationLifecycle)
{
    Preenche(3);
    DataControl dc;
    Abre(dc);
    THGrid* g = NovoGrid(5);
    QAbstractItemModelTester tester(g->innerGrid()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    g->ObtemDataControl(&dc);
    // Never configured: a refresh does nothing at all.
    EXPECT_NO_THROW(g->AtualizaGrid());
    EXPECT_EQ(g->TopPixels_pctTHGrid(), -1);
    // Unloading an unconfigured list only hides the design elements.
    EXPECT_NO_THROW(g->Descarrega());
    EXPECT_EQ(g->ColumnCount(), 0);

    g->ObtemPictures(Figuras(2));
    g->ConfiguraColunas(kSpecsGrid);
    EXPECT_EQ(g->ColumnCount(), 4);
    EXPECT_EQ(g->TopPixels_pctTHGrid(), 0);
    // A second configuration without unloading is refused.
    EXPECT_EQ(tqtest::errorNumberOf([&] { g->ConfiguraColunas(kSpecsGrid); }), 360);
    EXPECT_FALSE(g->colunasConfiguradas());

    g->Descarrega();
    EXPECT_EQ(g->ColumnCount(), 0);
    EXPECT_EQ(g->rowIcon(1), nullptr);
    g->AtualizaGrid();   // nothing while unconfigured
    // The pictures were consumed: icon columns need new ones.
    EXPECT_EQ(tqtest::errorNumberOf([&] { g->ConfiguraColunas(kSpecsGrid); }), 9);
    g->ObtemPictures(Figuras(2));
    g->ConfiguraColunas({"Descricao|0|2000|T"});
    EXPECT_EQ(g->ColumnCount(), 1);
    EXPECT_EQ(g->UBound_imgSelecionado(), -1);
}

TEST_F(Grid, PropertyBag)
{
    THGrid g(&janela);
    EXPECT_EQ(g.BorderStyle(), 0);
    EXPECT_EQ(g.BackColor(), 0xFEF9F3);
    EXPECT_EQ(g.BarraColor(), 0xE8E8E8);
    // Each key on its own: a bad one is skipped, the next still applied.
    g.ReadProperties({{QStringLiteral("BorderStyle"), QStringLiteral("grosso")},
                      {QStringLiteral("BackColor"), 0xFFFFFF},
                      {QStringLiteral("BarraColor"), 0xF4E4DC}});
    EXPECT_EQ(g.BorderStyle(), 0);
    EXPECT_EQ(g.BackColor(), 0xFFFFFF);
    EXPECT_EQ(g.BarraColor(), 0xF4E4DC);
    const QVariantMap bag = g.WriteProperties();
    EXPECT_EQ(bag.value(QStringLiteral("BarraColor")).toLongLong(), 0xF4E4DC);
    EXPECT_EQ(bag.value(QStringLiteral("Row")).toInt(), -1);
}

TEST_F(Grid, RowChangesCarryThePreviousBookmark)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(8, dc);
    MostraJanela();
    QSignalSpy mudancas(g, &THGrid::RowColChange);
    const Bookmark primeira = dc.Recordset()->BookmarkOfRow(0);

    // A key in the grid moves the recordset, redraws the bar and reports
    // the row left.
    g->innerGrid()->setFocus();
    QTest::keyClick(g->innerGrid(), Qt::Key_Down);
    ASSERT_EQ(mudancas.count(), 1);
    EXPECT_EQ(mudancas[0][0].value<Bookmark>(), primeira);
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 1);
    EXPECT_EQ(g->TopPixels_pctTHGrid(), 17);
    EXPECT_EQ(g->Caption_lblTHGrid(1), "Item 2");

    // The host moving the recordset moves the grid too.
    dc.Recordset()->MoveLast();
    ASSERT_EQ(mudancas.count(), 2);
    EXPECT_EQ(mudancas[1][0].value<Bookmark>(), dc.Recordset()->BookmarkOfRow(1));
    EXPECT_EQ(g->Row(), 7);   // scrolled into view, on the last row
    EXPECT_EQ(g->TopPixels_pctTHGrid(), 7 * 17);
    EXPECT_EQ(g->Caption_lblTHGrid(1), "Item 20");

    // A click on a row.
    dc.Recordset()->MoveFirst();
    const QRect linha3 = g->innerGrid()->visualRect(g->innerGrid()->model()->index(3, 2));
    QSignalSpy cliques(g, &THGrid::Click);
    QTest::mouseClick(g->innerGrid()->viewport(), Qt::LeftButton, {}, linha3.center());
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 3);
    EXPECT_EQ(cliques.count(), 1);
    EXPECT_EQ(mudancas.last()[0].value<Bookmark>(), primeira);
}

TEST_F(Grid, TheFirstKeyAfterAScreenSwitchMovesFromTheCurrentRow)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(8, dc);
    MostraJanela();
    g->setFocus();
    QTest::keyClick(g->innerGrid(), Qt::Key_Down);
    ASSERT_EQ(dc.Recordset()->AbsolutePosition(), 1);

    // Another screen's rows on the same list, bound before its columns are
    // configured again (the order the screens use).
    g->hide();
    g->Descarrega();
    dc.Refresh();
    g->ObtemDataControl(&dc);
    g->ObtemPictures(Figuras(2));
    g->ConfiguraColunas(kSpecsGrid);
    g->show();
    g->setFocus();
    QTest::keyClick(g->innerGrid(), Qt::Key_Down);
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 1);
}

TEST_F(Grid, ImageClickWithTheRightButton)
{
    Preenche(20, [](int) { return QStringLiteral("    "); });
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(8, dc);
    MostraJanela();
    QSignalSpy imagens(g, &THGrid::ImageClick);

    // Element 12 of an eight-row list: icon column 1, row 4.
    THPicture* e12 = g->rowIcon(12);
    ASSERT_FALSE(e12->isHidden());
    QTest::mouseClick(e12, Qt::RightButton, {}, QPoint(3, 3));
    ASSERT_EQ(imagens.count(), 1);
    EXPECT_EQ(imagens[0][0].toInt(), 1);
    EXPECT_EQ(imagens[0][1].value<Bookmark>(), dc.Recordset()->BookmarkOfRow(4));
    EXPECT_EQ(imagens[0][2].toInt(), 2);
    EXPECT_EQ(g->Row(), 4);
    EXPECT_TRUE(g->innerGrid()->hasFocus());   // the focus never rests on an icon

    // An icon of the current row lies under the bar, which lets the click
    // through to the row icon.
    const QPoint centro = e12->mapTo(&janela, QPoint(3, 3));
    ASSERT_EQ(janela.childAt(centro), e12);
    QTest::mouseClick(e12, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(imagens.count(), 2);
    EXPECT_EQ(imagens[1][2].toInt(), 1);

    // A double click repeats the click only when the host asks for it.
    QTest::mouseDClick(e12, Qt::LeftButton, {}, QPoint(3, 3));
    const int semRepetir = imagens.count();
    g->mIf_DblClick_Call_Click = true;
    QTest::mouseDClick(e12, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(imagens.count(), semRepetir + 1);

    // EventImageClick without a bookmark uses the current one and button 0.
    g->EventImageClick(2);
    EXPECT_EQ(imagens.last()[0].toInt(), 2);
    EXPECT_EQ(imagens.last()[1].value<Bookmark>(), dc.Recordset()->BookmarkOfRow(4));
    EXPECT_EQ(imagens.last()[2].toInt(), 0);
    // Unloaded and configured again (its icon widgets are reused): element
    // 12 lies on top again and reports its own column, once.
    g->Descarrega();
    g->ObtemPictures(Figuras(2));
    g->ConfiguraColunas(kSpecsGrid);
    THPicture* novo = g->rowIcon(12);
    ASSERT_TRUE(novo && !novo->isHidden());
    EXPECT_EQ(janela.childAt(novo->mapTo(&janela, QPoint(3, 3))), novo);
    const int antes = imagens.count();
    QTest::mouseClick(novo, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(imagens.count(), antes + 1);
    EXPECT_EQ(imagens.last()[0].toInt(), 1);
}

TEST_F(Grid, HoverInAndOut)
{
    Preenche(20, [](int) { return QStringLiteral("    "); });
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(8, dc);
    MostraJanela();
    QStringList eventos;
    QObject::connect(g, &THGrid::ImageMouseMove, g, [&](int k, QWidget*) { eventos << QStringLiteral("in %1").arg(k); });
    QObject::connect(g, &THGrid::ImageMouseOut, g, [&](int k, QWidget*) { eventos << QStringLiteral("out %1").arg(k); });

    // Over element 12 (icon column 1, row 4) while row 4 is not current.
    QTest::mouseMove(g->rowIcon(12), QPoint(2, 2));
    EXPECT_EQ(g->chaveDestaque(), "PIC; ;12;1;4");
    EXPECT_FALSE(g->hoverPicture(1)->isHidden());
    EXPECT_EQ(g->hoverPicture(1)->y(), g->rowIcon(12)->y());
    EXPECT_TRUE(g->barra()->icone2(1)->isHidden());
    // Moving within the same icon raises nothing more.
    QTest::mouseMove(g->rowIcon(12), QPoint(4, 4));
    // To another icon: out of the old column before into the new one.
    QTest::mouseMove(g->rowIcon(3), QPoint(2, 2));
    EXPECT_EQ(eventos, QStringList({"in 1", "out 1", "in 0"}));

    // A refresh ends the highlight with ImageMouseOut.
    g->AtualizaGrid();
    EXPECT_EQ(eventos.last(), "out 0");
    EXPECT_EQ(g->chaveDestaque(), "FORM");

    // Over the current row the bar's hover twin lights.
    dc.Recordset()->SetAbsolutePosition(4);
    QTest::mouseMove(g->rowIcon(12), QPoint(2, 2));
    EXPECT_EQ(g->chaveDestaque(), "PIC;*;12;1;4");
    EXPECT_FALSE(g->barra()->icone2(1)->isHidden());

    // ApagaSelecao clears it without an event; moving over the grid clears
    // it with one.
    const int antes = eventos.size();
    g->ApagaSelecao();
    EXPECT_EQ(eventos.size(), antes);
    EXPECT_TRUE(g->barra()->icone2(1)->isHidden());
    QTest::mouseMove(g->rowIcon(12), QPoint(3, 3));
    QSignalSpy movimentos(g, &THGrid::MouseMove);
    QTest::mouseMove(g->innerGrid()->viewport(), QPoint(200, 40));
    EXPECT_EQ(eventos.last(), "out 1");
    EXPECT_GE(movimentos.count(), 1);
}

TEST_F(Grid, ScrollingSettlesIntoOneRefresh)
{
    Preenche(40);
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(8, dc);
    ASSERT_EQ(g->ScrollBars(), 2);
    QSignalSpy depois(g, &THGrid::AfterScroll);

    // Three quick steps: one refresh and one AfterScroll, two ticks after
    // the last step; meanwhile the bar keeps its place.
    g->Scroll(0, 1);
    g->Scroll(0, 1);
    g->Scroll(0, 1);
    EXPECT_EQ(g->TopPixels_pctTHGrid(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return depois.count() == 1; }, 2000));
    QTest::qWait(30);
    EXPECT_EQ(depois.count(), 1);
    // The current record is now above the view: no bar.
    EXPECT_EQ(g->Row(), -1);
    EXPECT_EQ(g->TopPixels_pctTHGrid(), -1);

    // Scroll(0, -3, True) goes back up three rows and redraws at once.
    g->Scroll(0, -3, true);
    EXPECT_EQ(g->Row(), 0);
    EXPECT_EQ(g->TopPixels_pctTHGrid(), 0);

    // A list whose records all fit does not scroll at all.
    Preenche(3);
    g->AnalisarScollProximoRefresh();
    dc.Refresh();
    g->AtualizaGrid();
    ASSERT_EQ(g->ScrollBars(), 0);
    g->Scroll(0, 2, true);
    EXPECT_EQ(g->innerGrid()->verticalScrollBar()->value(), 0);
}

TEST_F(Grid, BookmarkFromBeforeARequeryIsRefused)
{
    Preenche(10);
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(8, dc);
    QAbstractItemModelTester tester(g->innerGrid()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    dc.Recordset()->SetAbsolutePosition(3);
    const Bookmark antigo = g->Bookmark();
    g->AnalisarScollProximoRefresh();
    dc.Refresh();
    g->AtualizaGrid();
    EXPECT_EQ(g->Row(), 0);
    // Never mapped silently to a row of the new data.
    EXPECT_EQ(tqtest::errorNumberOf([&] { g->SetBookmark(antigo); }), platform::dao::JetError::InvalidBookmark);
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 0);
    EXPECT_EQ(g->RowBookmark(3), dc.Recordset()->BookmarkOfRow(3));
    EXPECT_NE(g->RowBookmark(3), antigo);
    EXPECT_EQ(tqtest::errorNumberOf([&] { g->Columns(1).CellText(antigo); }), platform::dao::JetError::InvalidBookmark);
}

TEST_F(Grid, WheelIsLeftToTheWindow)
{
    // The grid declines the wheel, over its rows and over its scroll bar,
    // so that the window gets it and routes it through Scroll.
    Preenche(40);
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(8, dc);
    MostraJanela();
    for (QWidget* alvo : {g->innerGrid()->viewport(), static_cast<QWidget*>(g->innerGrid()->verticalScrollBar())}) {
        QWheelEvent roda(QPointF(5, 50), alvo->mapToGlobal(QPointF(5, 50)), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(alvo, &roda);
        EXPECT_FALSE(roda.isAccepted());
        EXPECT_EQ(g->innerGrid()->verticalScrollBar()->value(), 0);
    }
}

TEST_F(Grid, HostMayUnloadTheListFromAnIconClick)
{
    Preenche(10, [](int) { return QStringLiteral("    "); });
    DataControl dc;
    Abre(dc);
    THGrid* g = Configurado(8, dc);
    MostraJanela();
    int cliques = 0;
    QObject::connect(g, &THGrid::ImageClick, g, [&](int, const Bookmark&, int) {
        ++cliques;
        g->Descarrega();   // a screen change from the click
        g->ObtemPictures(Figuras(2));
        g->ConfiguraColunas(kSpecsGrid);
    });
    QTest::mouseClick(g->rowIcon(11), Qt::LeftButton, {}, QPoint(3, 3));
    QCoreApplication::processEvents();
    EXPECT_EQ(cliques, 1);
    EXPECT_TRUE(g->colunasConfiguradas());
    EXPECT_EQ(g->Row(), 3);
}

TEST_F(Grid, ConfiguringColumnsPaintsTheRowsOnce)
{
    // Column widths are part of the configuration: the paint that shows the
    // configured list is the only one (no second one for the widths).
    Preenche(10);
    DataControl dc;
    Abre(dc);
    THGrid* g = NovoGrid(6);
    g->ObtemDataControl(&dc);
    g->ObtemPictures(Figuras(2));
    MostraJanela();
    QCoreApplication::processEvents();
    ContaPinturas pinturas;
    g->innerGrid()->viewport()->installEventFilter(&pinturas);
    g->ConfiguraColunas(kSpecsGrid);
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(pinturas.n, 1);
}
