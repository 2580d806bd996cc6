// THCombo: heights and layouts, choosing a row, Esc, focus loss, the face,
// and the sound behaviours (empty recordset, stale choice, closed area).

#include "listcontrols/thcombo.h"

#include "listcontrols/thbar.h"
#include "listcontrols/thwidgets.h"
#include "listfixture.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace listtest;

namespace {

const QStringList kSpecsCombo = {"Descricao|0|2250|T|6", "Numero|1|750|T|6"};

class Combo : public Fixture {
protected:
    void SetUp() override
    {
        Fixture::SetUp();
        outro = new QLineEdit(&janela);
        outro->setGeometry(400, 20, 120, 24);
    }

    // A 200-pixel combo at (20, 20) over ITENS, on row `linha`.
    THCombo* NovoCombo(DataControl& dc, int linha = 0, bool atualiza = true)
    {
        auto* c = new THCombo(&janela);
        c->mUserControlPixelWidth = 200;
        c->Move(20, 20, 200, 30);
        c->ObtemDataControl(&dc);
        c->ConfiguraColunas(kSpecsCombo);
        if (dc.Recordset()->RecordCount() > linha)
            dc.Recordset()->SetAbsolutePosition(linha);
        if (atualiza)
            c->AtualizaCombo();
        return c;
    }

    void MostraAtiva()
    {
        janela.show();
        QApplication::setActiveWindow(&janela);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
    }

    static void ClicaSeta(THCombo* c) { QTest::mouseClick(c->seta(), Qt::LeftButton, {}, QPoint(5, 5)); }

    static void ClicaLinha(THCombo* c, int linha)
    {
        QAbstractItemView* v = c->lista()->innerGrid();
        const QRect r = v->visualRect(v->model()->index(linha, 0));
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
    }

    static QString Face(THCombo* c) { return c->face()->rotulo(0).caption; }

    QLineEdit* outro = nullptr;
};

}  // namespace

TEST_F(Combo, HeightsAndOpeningLayouts)
{
    struct Caso {
        const char* nome;
        int registros;
        int maxLinhas;
        bool abreBaixo;
        int alturaLista;
    };
    const std::vector<Caso> casos = {
        {"three rows", 3, 8, true, 53},
        {"twenty rows show eight", 20, 8, true, 138},
        {"empty: one row", 0, 8, true, 19},
        {"no rows allowed: one row", 5, 0, true, 19},
        {"opening up", 3, 8, false, 53},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.nome);
        Preenche(k.registros);
        DataControl dc;
        Abre(dc);
        THCombo c(&janela);
        c.mUserControlPixelWidth = 200;
        c.Move(0, 0, 200, 30);
        EXPECT_EQ(c.height(), 193);   // a requested width gives the design height
        c.ObtemDataControl(&dc);
        c.ConfiguraColunas(kSpecsCombo, std::nullopt, -1, k.abreBaixo, k.maxLinhas);
        EXPECT_EQ(c.lista()->height(), k.alturaLista);
        EXPECT_EQ(c.lista()->width(), 200);
        EXPECT_EQ(c.height(), k.alturaLista + 24);
        if (k.abreBaixo) {
            EXPECT_EQ(c.face()->y(), 6);
            EXPECT_EQ(c.seta()->y(), 3);
            EXPECT_EQ(c.lista()->y(), 24);
        } else {
            EXPECT_EQ(c.lista()->y(), 0);
            EXPECT_EQ(c.face()->y(), k.alturaLista + 3);
            EXPECT_EQ(c.seta()->y(), k.alturaLista + 7);
        }
        // The arrow at the right edge, the face between 1 and the arrow.
        EXPECT_EQ(c.seta()->x(), 178);
        EXPECT_EQ(c.face()->x(), 1);
        EXPECT_EQ(c.face()->width(), 177);
    }
}

TEST_F(Combo, WithoutAWidthOnlyTheFaceRow)
{
    THCombo c(&janela);
    c.Move(0, 0, 150, 100);
    EXPECT_EQ(c.height(), 22);
    EXPECT_EQ(c.width(), 150);
}

TEST_F(Combo, RightAlignedListWiderThanTheControl)
{
    Preenche(5);
    DataControl dc;
    Abre(dc);
    THCombo c(&janela);
    c.mUserControlPixelWidth = 120;
    c.Move(0, 0, 120, 30);
    c.ObtemDataControl(&dc);
    // A list of 300 pixels (4500 twips): the control takes its width; the
    // arrow's right edge stands on the list's, the face right before it.
    c.ConfiguraColunas(kSpecsCombo, std::nullopt, 4500, true, 8, true);
    EXPECT_EQ(c.lista()->width(), 300);
    EXPECT_EQ(c.width(), 300);
    EXPECT_EQ(c.seta()->x() + c.seta()->width(), 300);
    EXPECT_EQ(c.face()->x() + c.face()->width(), c.seta()->x());
}

TEST_F(Combo, ChoosingARow)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc);
    MostraAtiva();
    EXPECT_EQ(Face(c), "Item 1");
    QSignalSpy abriu(c, &THCombo::OpenCombo);
    QSignalSpy clique(c, &THCombo::Click);

    ClicaSeta(c);
    EXPECT_TRUE(c->aberta());
    EXPECT_EQ(abriu.count(), 1);
    EXPECT_TRUE(c->lista()->innerGrid()->hasFocus());

    // The choice is deferred to the tick: face first, list closed, then Click.
    QString faceNoClique;
    QObject::connect(c, &THCombo::Click, c, [&] {
        faceNoClique = Face(c);
        EXPECT_FALSE(c->aberta());
    });
    ClicaLinha(c, 3);
    EXPECT_EQ(clique.count(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return clique.count() == 1; }, 2000));
    EXPECT_EQ(faceNoClique, "Item 4");
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 3);
    EXPECT_EQ(c->bookmarkEscolhido(), dc.Recordset()->BookmarkOfRow(3));

    // The row that is already the choice raises Click once more.
    ClicaSeta(c);
    ClicaLinha(c, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return clique.count() == 2; }, 2000));
    EXPECT_EQ(Face(c), "Item 4");

    // The arrow again closes without a choice; the host's moves choose nothing.
    ClicaSeta(c);
    dc.Recordset()->SetAbsolutePosition(9);
    ClicaSeta(c);
    EXPECT_FALSE(c->aberta());
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 3);
    QTest::qWait(20);
    EXPECT_EQ(clique.count(), 2);
}

TEST_F(Combo, EscClosesWithoutAChoice)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc, 2);
    MostraAtiva();
    QSignalSpy clique(c, &THCombo::Click);
    ClicaSeta(c);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Down);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Down);
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 4);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Escape);
    EXPECT_FALSE(c->aberta());
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 2);   // back on the record on the face
    EXPECT_EQ(Face(c), "Item 3");
    EXPECT_FALSE(c->isAncestorOf(QApplication::focusWidget()));
    QTest::qWait(20);
    EXPECT_EQ(clique.count(), 0);
}

TEST_F(Combo, WithoutAtualizaComboTheListStaysWhereItWas)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc, 0, false);
    MostraAtiva();
    ClicaSeta(c);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Down);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Escape);
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 1);
}

TEST_F(Combo, FocusLoss)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc, 1);
    MostraAtiva();

    // Losing the focus closes the list and restores the choice.
    ClicaSeta(c);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Down);
    outro->setFocus();
    EXPECT_FALSE(c->aberta());
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 1);

    // Unless the host asked to keep it open.
    c->mNaoFecharExitFocus = true;
    ClicaSeta(c);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Down);
    outro->setFocus();
    EXPECT_TRUE(c->aberta());
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 2);
    c->mNaoFecharExitFocus = false;
    ClicaSeta(c);
}

TEST_F(Combo, FocusLostBetweenTheClickAndTheTick)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc, 1);
    MostraAtiva();
    QSignalSpy clique(c, &THCombo::Click);
    ClicaSeta(c);
    ClicaLinha(c, 5);
    outro->setFocus();   // before the 1 ms tick
    EXPECT_FALSE(c->aberta());
    QTest::qWait(30);
    EXPECT_EQ(clique.count(), 0);
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 1);
    EXPECT_EQ(Face(c), "Item 2");
}

TEST_F(Combo, DisabledIgnoresClicksButReportsTheMouse)
{
    Preenche(5);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc);
    MostraAtiva();
    QTest::mouseMove(c->seta(), QPoint(5, 5));
    EXPECT_EQ(c->chaveDestaque(), "FLECHA");
    EXPECT_FALSE(c->setaDestacada()->isHidden());

    c->SetEnabled(false);
    EXPECT_EQ(c->chaveDestaque(), "FORM");   // the highlight goes first
    EXPECT_TRUE(c->setaDestacada()->isHidden());
    EXPECT_TRUE(c->face()->rotulo(0).italico);
    EXPECT_EQ(c->face()->rotulo(0).cor, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(c->seta()->ponteiro(), 0);

    QSignalSpy movimento(c, &THCombo::MouseMove);
    QTest::mouseMove(c->seta(), QPoint(8, 8));
    EXPECT_EQ(c->chaveDestaque(), "FORM");
    EXPECT_GE(movimento.count(), 1);
    ClicaSeta(c);
    EXPECT_FALSE(c->aberta());

    c->SetEnabled(true);
    EXPECT_FALSE(c->face()->rotulo(0).italico);
    EXPECT_EQ(c->face()->rotulo(0).cor, QColor(0x37, 0x45, 0x91));
    ClicaSeta(c);
    EXPECT_TRUE(c->aberta());
}

TEST_F(Combo, EmptyRecordsetHasNoSelectionAndNoError)
{
    Preenche(0);
    DataControl dc;
    Abre(dc);
    THCombo* c = nullptr;
    ASSERT_NO_THROW(c = NovoCombo(dc));
    MostraAtiva();
    EXPECT_TRUE(c->bookmarkEscolhido().isNull());
    EXPECT_EQ(Face(c), "");
    ClicaSeta(c);
    EXPECT_TRUE(c->aberta());
    EXPECT_FALSE(c->lista()->captionVazio()->isHidden());
    QTest::keyClick(c->lista()->fundo(), Qt::Key_Escape);
    EXPECT_FALSE(c->aberta());

    // A requery that empties the list blanks the face.
    Preenche(3);
    c->AnalisarScollProximoRefresh();
    dc.Refresh();
    c->AtualizaCombo();
    EXPECT_EQ(Face(c), "Item 1");
    Preenche(0);
    c->AnalisarScollProximoRefresh();
    dc.Refresh();
    ASSERT_NO_THROW(c->AtualizaCombo());
    EXPECT_EQ(Face(c), "");
    EXPECT_TRUE(c->bookmarkEscolhido().isNull());
}

TEST_F(Combo, ChoiceFromBeforeARequeryIsNotMappedToAnotherRow)
{
    Preenche(10);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc, 6);
    MostraAtiva();
    const Bookmark escolha = c->bookmarkEscolhido();
    dc.Refresh();   // new rows, the old choice is stale
    ClicaSeta(c);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Down);
    QTest::keyClick(c->lista()->innerGrid(), Qt::Key_Escape);
    EXPECT_EQ(c->bookmarkEscolhido(), escolha);
    EXPECT_EQ(dc.Recordset()->AbsolutePosition(), 1);   // left where the list put it
}

TEST_F(Combo, ClosedAreaLetsClicksThrough)
{
    Preenche(20);
    DataControl dc;
    Abre(dc);
    auto* botao = new QPushButton(QStringLiteral("Sob a lista"), &janela);
    botao->setGeometry(30, 80, 150, 30);
    THCombo* c = NovoCombo(dc);
    c->raise();
    MostraAtiva();
    const QPoint sobBotao(60, 95);
    ASSERT_TRUE(c->geometry().contains(sobBotao));
    EXPECT_EQ(janela.childAt(sobBotao), botao);
    EXPECT_TRUE(c->isAncestorOf(janela.childAt(QPoint(60, 30))));   // the face row still takes clicks

    ClicaSeta(c);
    EXPECT_TRUE(c->isAncestorOf(janela.childAt(sobBotao)));   // open, the list is on top
    ClicaSeta(c);
    EXPECT_EQ(janela.childAt(sobBotao), botao);
}

TEST_F(Combo, ScrollOnlyWhileOpen)
{
    Preenche(30);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc);
    MostraAtiva();
    QScrollBar* barra = c->lista()->innerGrid()->verticalScrollBar();
    c->Scroll(0, 4, true);
    EXPECT_EQ(barra->value(), 0);
    ClicaSeta(c);
    c->Scroll(0, 4, true);
    EXPECT_EQ(barra->value(), 4);
}

TEST_F(Combo, FaceFollowsTheListBar)
{
    // Leading spaces go, trailing ones stay; icons follow the row's flags.
    Preenche(2, [](int i) { return i == 1 ? QStringLiteral(" ") : QStringLiteral("\r"); },
             [](int i) { return i == 1 ? QStringLiteral("   Texto  ") : QStringLiteral("Outro"); });
    DataControl dc;
    Abre(dc);
    THCombo c(&janela);
    c.mUserControlPixelWidth = 240;
    c.Move(0, 0, 240, 30);
    c.ObtemDataControl(&dc);
    c.ObtemPictures(Figuras(2));
    const QStringList specs = {"|2|330|F|6|Carrinho|99", "Descricao|0|2000|T|6", "ImagensGrid|2|600|I|6|Nota|99"};
    c.ConfiguraColunas(specs);
    c.AtualizaCombo();
    EXPECT_EQ(Face(&c), "Texto  ");
    EXPECT_FALSE(c.face()->icone(0)->isHidden());
    EXPECT_FALSE(c.face()->icone(1)->isHidden());
    dc.Recordset()->MoveNext();
    c.AtualizaCombo();
    EXPECT_EQ(Face(&c), "Outro");
    EXPECT_TRUE(c.face()->icone(1)->isHidden());

    // A face icon raises the list's ImageClick for the current row.
    QSignalSpy imagem(&c, &THCombo::ImageClick);
    janela.show();
    QTest::mouseClick(c.face()->icone(0), Qt::RightButton, {}, QPoint(2, 2));
    ASSERT_EQ(imagem.count(), 1);
    EXPECT_EQ(imagem[0][0].toInt(), 0);
    EXPECT_EQ(imagem[0][1].value<Bookmark>(), dc.Recordset()->BookmarkOfRow(1));
    EXPECT_EQ(imagem[0][2].toInt(), 2);

    // Descarrega and a new configuration rebuild the face from nothing: as
    // many dividers, labels and icons as the list's bar.
    c.Descarrega();
    c.ObtemPictures(Figuras(1));
    c.ConfiguraColunas({"Numero|0|1000|T|6", "Descricao|0|1500|T|6", "|2|330|F|6||99"});
    EXPECT_EQ(c.face()->ultimaLinha(), c.lista()->UBound_linTHGrid());
    EXPECT_EQ(c.face()->ultimoRotulo(), c.lista()->UBound_lblTHGrid());
    EXPECT_EQ(c.face()->ultimoIcone(), c.lista()->UBound_imgSelecionado());
    EXPECT_TRUE(c.face()->linha(1).visivel);

    // A face from its own spec shows no dividers.
    c.Descarrega();
    c.ObtemPictures(Figuras(1));
    c.ConfiguraColunas({"Numero|0|1000|T|6", "Descricao|0|1500|T|6", "|2|330|F|6||99"},
                       QStringList{"Descricao|0|2000|T||0", "|0|600|F||0"});
    EXPECT_FALSE(c.face()->linha(0).visivel);
    EXPECT_EQ(Face(&c), "Outro");
    EXPECT_EQ(c.face()->icone(0)->toolTip(), c.lista()->barra()->icone(0)->toolTip());
}

TEST_F(Combo, PlainTextFace)
{
    Preenche(3);
    DataControl dc;
    Abre(dc);
    THCombo* c = NovoCombo(dc);
    c->VisiblePctTexto(true, QStringLiteral("JOGOS DE REPARO"), 1);
    EXPECT_TRUE(c->face()->isHidden());
    EXPECT_FALSE(c->faceTexto()->isHidden());
    EXPECT_EQ(c->faceTexto()->rotulo(0).caption, "JOGOS DE REPARO");
    EXPECT_EQ(c->faceTexto()->rotulo(0).alinhamento, 1);
    c->VisiblePctTexto(false);
    EXPECT_FALSE(c->face()->isHidden());
}
