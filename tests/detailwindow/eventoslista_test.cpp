// The list events on the cart list and on the kits: quantity bounds, the row
// shown after a delete, the keys +, - and Delete, and the include-in-cart
// icon.  The cart list is shown by a small routine of this file and the cart
// routines work on the run's cart table directly.

#include "detalhefixture.h"

#include "core/runtables.h"
#include "core/searchtext.h"
#include "detailwindow/carrinhodetalhe.h"
#include "detailwindow/listasdetalhe.h"

#include <QTest>

using tqtest::DetalheFixture;

namespace {

void ListaDeTeste(frmTQ2& j, std::uint8_t, const QString&, std::int32_t)
{
    j.mHistoricoTelas += QLatin1Char('3');
    j.dtcTHGrid1->SetDatabase(Modulo::gDbAuxiliar);
    j.dtcTHGrid1->SetRecordSource(QStringLiteral("SELECT NumeroEmpresa,Descricao,Quantidade,DescricaoTipo,Tipo,Codigo,"
                                                 "Opcional FROM %1 ORDER BY 1")
                                      .arg(Modulo::gTabelaCarrinho));
    j.dtcTHGrid1->Refresh();
    PosicionaGridTela(j, 3, 544);
    THPictures p;
    p[0] = p[1] = {QPixmap(15, 14), QPixmap(15, 14), QPixmap(15, 14), QPixmap(15, 14)};
    j.grdTHGrid1->ObtemDataControl(j.dtcTHGrid1);
    j.grdTHGrid1->ObtemPictures(p);
    j.grdTHGrid1->ConfiguraColunas({QStringLiteral("NumeroEmpresa|0|1305|T|6"), QStringLiteral("Descricao|0|2805|T|6"),
                                    QStringLiteral("Quantidade|1|570|T|6"), QStringLiteral("Opcional|2|420|I|6||0"),
                                    QStringLiteral("|2|420|F|6||99"), QStringLiteral("|2|420|F|6||99"),
                                    QStringLiteral("|2|420|F|6||99")});
    j.grdTHGrid1->AtualizaGrid();
    MostraTelaLista(j, 3);
}

}  // namespace

class EventosListaTest : public DetalheFixture {
protected:
    void SetUp() override
    {
        DetalheFixture::SetUp();
        Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
        Modulo::gTabelaCarrinho = Modulo::CriaTabelaLista(Modulo::gDbAuxiliar);
        frmTQ2::RegistraExibeTelaLista(ListaDeTeste);
        CarrinhoDetalhe::DefineRotinas(
            {[this](const QString& t, std::int32_t c, const QString& q, bool o, bool e) {
                 incluidos << QStringLiteral("%1 %2 %3 %4 %5").arg(t).arg(c).arg(q).arg(o).arg(e);
                 ponteiroAoIncluir = QGuiApplication::overrideCursor() != nullptr;
             },
             [](const QString& t, std::int32_t c, const QString& q) {
                 Modulo::gDbAuxiliar->Execute(QStringLiteral("UPDATE %1 SET Quantidade = %2 WHERE Tipo = '%3' AND Codigo = %4")
                                                  .arg(Modulo::gTabelaCarrinho, q, t)
                                                  .arg(c));
             },
             [](const QString& t, std::int32_t c) {
                 Modulo::gDbAuxiliar->Execute(QStringLiteral("DELETE FROM %1 WHERE Tipo = '%2' AND Codigo = %3")
                                                  .arg(Modulo::gTabelaCarrinho, t)
                                                  .arg(c));
             }});
    }
    void TearDown() override
    {
        m_janela.reset();
        CarrinhoDetalhe::RestauraRotinas();
        frmTQ2::RegistraExibeTelaLista({});
        Modulo::ExcluiTabela(Modulo::gDbAuxiliar, Modulo::gTabelaCarrinho);
        Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
        DetalheFixture::TearDown();
    }

    // Rows 1..n, ordered by their numbers; quantities as given (default 5).
    void Carrinho(int n, std::initializer_list<int> quantidades = {})
    {
        std::vector<int> q(quantidades);
        for (int i = 1; i <= n; ++i)
            Modulo::gDbAuxiliar->Execute(
                QStringLiteral("INSERT INTO %1(Tipo,Codigo,Quantidade,Descricao,NumeroEmpresa,DescricaoTipo,Opcional)"
                               "VALUES('COM',%2,%3,'ITEM %2','%4','Componente','%5')")
                    .arg(Modulo::gTabelaCarrinho)
                    .arg(i)
                    .arg(static_cast<std::size_t>(i - 1) < q.size() ? q[static_cast<std::size_t>(i - 1)] : 5)
                    .arg(i, 10, 10, QLatin1Char('0'))
                    .arg(QString(QChar(13))));
    }
    int Quantidade(int codigo) const
    {
        return Modulo::ObtemValorSQL(QStringLiteral("SELECT Quantidade FROM %1 WHERE Codigo = %2").arg(Modulo::gTabelaCarrinho).arg(codigo),
                                     Modulo::gDbAuxiliar)
            .toInt();
    }
    static int Atual(frmTQ2& j) { return j.dtcTHGrid1->Recordset()->Value(QStringLiteral("Codigo")).toInt(); }
    static void Posiciona(frmTQ2& j, int posicao) { j.dtcTHGrid1->Recordset()->SetAbsolutePosition(posicao); }

    QStringList incluidos;
    bool ponteiroAoIncluir = false;
};

TEST_F(EventosListaTest, QuantityBounds)
{
    Carrinho(3, {31995, 7, 1});
    frmTQ2& j = Abre(QStringLiteral("3||0"));
    ASSERT_EQ(j.mHistoricoTelas, QStringLiteral("3"));
    struct Caso {
        const char* nome;
        int posicao, icone, botao, esperada;
    };
    const Caso casos[] = {
        {"right-click + on 31995", 0, 1, 2, 32000}, {"left-click + on 32000", 0, 1, 1, 32000},
        {"right-click - on 7", 1, 2, 2, 1},         {"left-click - on 1", 2, 2, 1, 1},
        {"left-click + on 1", 2, 1, 1, 2},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Posiciona(j, c.posicao);
        const int codigo = Atual(j);
        j.grdTHGrid1_ImageClick(c.icone, {}, c.botao);
        EXPECT_EQ(Quantidade(codigo), c.esperada);
        EXPECT_EQ(Atual(j), codigo);  // the same item stays current
    }
    EXPECT_TRUE(m_caixas.shown.empty());
}

TEST_F(EventosListaTest, TheRowShownAfterADelete)
{
    {
        SCOPED_TRACE("the last of three");
        Carrinho(3);
        frmTQ2& j = Abre(QStringLiteral("3||0"));
        Posiciona(j, 2);
        ASSERT_EQ(j.grdTHGrid1->Row(), 2);
        j.grdTHGrid1_ImageClick(3, {}, 1);
        EXPECT_EQ(j.dtcTHGrid1->Recordset()->RecordCount(), 2);
        EXPECT_EQ(Atual(j), 2);
        EXPECT_EQ(j.grdTHGrid1->Row(), 1);
        Modulo::gDbAuxiliar->Execute(QStringLiteral("DELETE FROM ") + Modulo::gTabelaCarrinho);
    }
    {
        SCOPED_TRACE("a middle row");
        Carrinho(3);
        frmTQ2& j = Abre(QStringLiteral("3||0"));
        Posiciona(j, 1);
        j.grdTHGrid1_ImageClick(3, {}, 1);
        EXPECT_EQ(Atual(j), 3);
        EXPECT_EQ(j.grdTHGrid1->Row(), 1);
        Modulo::gDbAuxiliar->Execute(QStringLiteral("DELETE FROM ") + Modulo::gTabelaCarrinho);
    }
    {
        SCOPED_TRACE("a row of a scrolled list keeps its screen row");
        Carrinho(40);
        frmTQ2& j = Abre(QStringLiteral("3||0"));
        Posiciona(j, 25);
        const int linha = j.grdTHGrid1->Row();
        ASSERT_GT(linha, 0);
        j.grdTHGrid1_ImageClick(3, {}, 1);
        EXPECT_EQ(Atual(j), 27);
        EXPECT_EQ(j.grdTHGrid1->Row(), linha);
        Modulo::gDbAuxiliar->Execute(QStringLiteral("DELETE FROM ") + Modulo::gTabelaCarrinho);
    }
    {
        SCOPED_TRACE("the only row");
        Carrinho(1);
        frmTQ2& j = Abre(QStringLiteral("3||0"));
        j.grdTHGrid1_ImageClick(3, {}, 1);
        EXPECT_EQ(j.dtcTHGrid1->Recordset()->RecordCount(), 0);
        // An empty list: the icons do nothing.
        j.grdTHGrid1_ImageClick(3, {}, 1);
        j.grdTHGrid1_ImageClick(1, {}, 1);
    }
    EXPECT_TRUE(m_caixas.shown.empty());
}

TEST_F(EventosListaTest, KeysOnTheFocusedCartList)
{
    Carrinho(3);
    frmTQ2& j = AbreVisivel(QStringLiteral("3||0"));
    j.grdTHGrid1->setFocus();
    QWidget* foco = QApplication::focusWidget();
    ASSERT_NE(foco, nullptr);
    ASSERT_TRUE(foco == j.grdTHGrid1 || j.grdTHGrid1->isAncestorOf(foco));
    Posiciona(j, 1);
    QTest::keyClick(foco, Qt::Key_Plus, Qt::NoModifier);
    EXPECT_EQ(Quantidade(2), 6);
    QTest::keyClick(foco, Qt::Key_Minus, Qt::NoModifier);
    QTest::keyClick(foco, Qt::Key_Minus, Qt::NoModifier);
    EXPECT_EQ(Quantidade(2), 4);
    // Delete acts when the key is let go, not on its repeats.
    QTest::keyPress(foco, Qt::Key_Delete);
    QTest::keyEvent(QTest::Release, foco, Qt::Key_Delete, Qt::NoModifier);
    EXPECT_EQ(j.dtcTHGrid1->Recordset()->RecordCount(), 2);
    QKeyEvent repetida(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(QApplication::focusWidget(), &repetida);
    EXPECT_EQ(j.dtcTHGrid1->Recordset()->RecordCount(), 2);
    // The optional flag icon does nothing.
    j.grdTHGrid1_ImageClick(0, {}, 1);
    EXPECT_EQ(j.dtcTHGrid1->Recordset()->RecordCount(), 2);
    EXPECT_TRUE(m_caixas.shown.empty());
}

TEST_F(EventosListaTest, AHeldDeleteRemovesOneItemWhateverTheWindowSystemDelivers)
{
    // Key events as the window system hands them over: press or release,
    // timestamp in ms, marked as a repeat.  A held key repeats as release and
    // press pairs sharing one timestamp; under X11 the pairs are not always
    // marked, and with detectable repeat only the presses come.
    struct Evento {
        bool premida;
        quint64 tempo;
        bool repeticao;
    };
    const auto segura = [](quint64 inicio, int repeticoes, bool marcadas, std::vector<Evento>& eventos) {
        eventos.push_back({true, inicio, false});
        quint64 t = inicio + 500;
        for (int i = 0; i < repeticoes; ++i, t += 33) {
            eventos.push_back({false, t, marcadas});
            eventos.push_back({true, t, marcadas});
        }
        eventos.push_back({false, t + 20, false});
    };
    struct Caso {
        const char* nome;
        std::vector<Evento> eventos;
        int removidos;
    };
    std::vector<Caso> casos;
    casos.push_back({"a tap", {{true, 100, false}, {false, 180, false}}, 1});
    casos.push_back({"two taps", {{true, 100, false}, {false, 180, false}, {true, 400, false}, {false, 470, false}}, 2});
    casos.push_back({"held, repeats marked", {}, 1});
    segura(100, 10, true, casos.back().eventos);
    casos.push_back({"held, repeats unmarked", {}, 1});
    segura(100, 10, false, casos.back().eventos);
    casos.push_back({"held twice, repeats unmarked", {}, 2});
    segura(100, 4, false, casos.back().eventos);
    segura(2000, 4, false, casos.back().eventos);
    casos.push_back({"held, some repeats marked", {}, 1});
    segura(100, 6, false, casos.back().eventos);
    for (std::size_t i = 3; i < 8; ++i)
        casos.back().eventos[i].repeticao = true;
    casos.push_back({"held, detectable repeat, presses unmarked",
                     {{true, 100, false}, {true, 600, true}, {true, 633, false}, {true, 666, false}, {false, 700, false}},
                     1});

    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        Modulo::gDbAuxiliar->Execute(QStringLiteral("DELETE FROM ") + Modulo::gTabelaCarrinho);
        Carrinho(6);
        frmTQ2& j = AbreVisivel(QStringLiteral("3||0"));
        j.grdTHGrid1->setFocus();
        ASSERT_TRUE(j.grdTHGrid1->hasFocus() || j.grdTHGrid1->isAncestorOf(QApplication::focusWidget()));
        for (const Evento& e : c.eventos) {
            QKeyEvent k(e.premida ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QString(),
                        e.repeticao);
            k.setTimestamp(e.tempo);
            QApplication::sendEvent(QApplication::focusWidget(), &k);
        }
        EXPECT_EQ(j.dtcTHGrid1->Recordset()->RecordCount(), 6 - c.removidos);
    }
    EXPECT_TRUE(m_caixas.shown.empty());
}

TEST_F(EventosListaTest, KitIconPutsTheKitIntoTheCartUnderTheHourglass)
{
    const QString item = resumo().kitNotesItem;
    const QString componente =
        Modulo::ObtemValorSQL(QStringLiteral("SELECT CodigoComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND "
                                             "ItemComponente = '%2' AND FlagOpcionalComponente = 0")
                                  .arg(resumo().showcaseAssembly)
                                  .arg(item))
            .toString();
    frmTQ2& j = Abre(QStringLiteral("1|%1|%2|%3|0").arg(resumo().showcaseAssembly).arg(item, componente));
    j.dtcTHGrid1->Recordset()->FindFirst(QStringLiteral("CodigoJogoReparo = %1").arg(resumo().kitNoteOtherAssembly));
    Q_EMIT j.grdTHGrid1->ImageClick(0, {}, 1);
    EXPECT_EQ(incluidos, QStringList{QStringLiteral("JRE %1 1 0 1").arg(resumo().kitNoteOtherAssembly)});
    EXPECT_TRUE(ponteiroAoIncluir);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(j.mHistoricoTelas, QStringLiteral("1"));
}
