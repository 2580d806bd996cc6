// The output part chooser's view: the part grid built from the state, the
// frames mirroring the selection, real clicks and double clicks on the
// thumbnails, the hover label and frame, the option boxes.

#include "detalhefixture.h"

#include <QMouseEvent>

using tqtest::DetalheFixture;

namespace {

struct RotinaSaida {
    explicit RotinaSaida(int partes, int selecionada = 255, QString opcoes = QStringLiteral("*"))
    {
        frmTQ2::RegistraExibeTelaSaida([=](frmTQ2& j, std::int32_t, const QString& modo, const QString&,
                                           std::uint8_t) {
            j.mHistoricoTelas += QLatin1Char('5');
            j.mModoSaida = modo;
            j.CarregaImagensTela(QStringLiteral("C"), 5);
            j.mEscolhaSaida.Figura = opcoes != QLatin1String("T");
            j.mEscolhaSaida.Tabela = opcoes != QLatin1String("F");
            j.mEscolhaSaida.ModoSelecaoPartes = 0;
            j.mEscolhaSaida.Partes.clear();
            for (int i = 0; i < partes; ++i)
                j.mEscolhaSaida.Partes.push_back(
                    {i + 1, i == 2 ? QString() : QStringLiteral("PARTE %1").arg(i + 1), selecionada == 255 || i == selecionada});
            j.ExibeEscolhaSaida();
            j.pctTela[5]->show();
            j.AjustaBotoesNavegacao(5);
        });
    }
    ~RotinaSaida() { frmTQ2::RegistraExibeTelaSaida({}); }
};

void Mouse(QWidget* w, QEvent::Type tipo)
{
    const QPointF p(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(tipo, p, w->mapToGlobal(p), Qt::LeftButton,
                  tipo == QEvent::MouseButtonRelease || tipo == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

std::vector<int> Visiveis(const std::vector<THPicture*>& v)
{
    std::vector<int> r;
    for (std::size_t i = 0; i < v.size(); ++i)
        if (!v[i]->isHidden())
            r.push_back(static_cast<int>(i));
    return r;
}

}  // namespace

class TelaSaidaTest : public DetalheFixture {};

TEST_F(TelaSaidaTest, TwentyThreePartsInRowsOfTen)
{
    RotinaSaida rotina(23, 4);
    frmTQ2& j = Abre(QStringLiteral("5|1|P|F|4"));
    ASSERT_EQ(j.imgParteFigura.size(), 23u);
    EXPECT_EQ(Visiveis(j.imgParteFigura).size(), 23u);
    EXPECT_EQ(j.imgParteFigura[0]->pos(), QPoint(38, 174));
    EXPECT_EQ(j.imgParteFigura[9]->pos(), QPoint(398, 174));
    EXPECT_EQ(j.imgParteFigura[10]->pos(), QPoint(38, 209));
    EXPECT_EQ(j.imgParteFigura[22]->pos(), QPoint(118, 244));
    EXPECT_EQ(j.imgQuadradoParte[22]->pos(), QPoint(114, 240));
    EXPECT_EQ(Visiveis(j.imgQuadradoParte), std::vector<int>{4});
    // Thumbnails lie above the frames.
    const QObjectList filhos = j.pctTela[5]->children();
    EXPECT_LT(filhos.indexOf(j.imgQuadradoParte[4]), filhos.indexOf(j.imgParteFigura[4]));

    // A smaller figure afterwards drops the extra elements.
    RotinaSaida outra(3);
    j.ProcessaSolicitacao(200, QStringLiteral("5|1|P|*|255"));
    EXPECT_EQ(j.imgParteFigura.size(), 3u);
    EXPECT_EQ(Visiveis(j.imgQuadradoParte), (std::vector<int>{0, 1, 2}));
}

TEST_F(TelaSaidaTest, OnePartShowsNoChooser)
{
    RotinaSaida rotina(1, 0);
    frmTQ2& j = Abre(QStringLiteral("5|1|P|F|0"));
    EXPECT_TRUE(Visiveis(j.imgParteFigura).empty());
    EXPECT_TRUE(Visiveis(j.imgQuadradoParte).empty());
    EXPECT_EQ(j.mEscolhaSaida.PartesSelecionadas(), std::vector<int>{0});
}

TEST_F(TelaSaidaTest, ClicksAndDoubleClicksOnTheThumbnails)
{
    RotinaSaida rotina(5, 0);
    frmTQ2& j = Abre(QStringLiteral("5|1|P|F|0"));
    // A click acts on its release.
    Mouse(j.imgParteFigura[1], QEvent::MouseButtonPress);
    EXPECT_FALSE(j.mEscolhaSaida.Partes[1].Selecionada);
    Mouse(j.imgParteFigura[1], QEvent::MouseButtonRelease);
    EXPECT_TRUE(j.mEscolhaSaida.Partes[1].Selecionada);
    EXPECT_FALSE(j.imgQuadradoParte[1]->isHidden());
    EXPECT_EQ(j.mEscolhaSaida.ModoSelecaoPartes, 1);
    // Painting across two more parts.
    Mouse(j.imgParteFigura[2], QEvent::MouseMove);
    Mouse(j.imgParteFigura[3], QEvent::MouseMove);
    EXPECT_EQ(Visiveis(j.imgQuadradoParte), (std::vector<int>{0, 1, 2, 3}));
    // A double click: its first click toggles, the second does not repeat it.
    Mouse(j.imgParteFigura[3], QEvent::MouseButtonPress);
    Mouse(j.imgParteFigura[3], QEvent::MouseButtonRelease);
    Mouse(j.imgParteFigura[3], QEvent::MouseButtonDblClick);
    Mouse(j.imgParteFigura[3], QEvent::MouseButtonRelease);
    EXPECT_FALSE(j.mEscolhaSaida.Partes[3].Selecionada);
    EXPECT_EQ(j.mEscolhaSaida.ModoSelecaoPartes, 0);
    Mouse(j.imgParteFigura[4], QEvent::MouseMove);
    EXPECT_FALSE(j.mEscolhaSaida.Partes[4].Selecionada);
}

TEST_F(TelaSaidaTest, HoverShowsTheDescriptionAndTheFrame)
{
    RotinaSaida rotina(5, 0);
    frmTQ2& j = Abre(QStringLiteral("5|1|P|F|0"));
    Mouse(j.imgParteFigura[1], QEvent::MouseMove);
    EXPECT_EQ(j.mChaveDestaque, QStringLiteral("PARTEFIGURA1"));
    EXPECT_FALSE(j.lblDescricaoParteFigura->isHidden());
    EXPECT_EQ(j.lblDescricaoParteFigura->text(), QStringLiteral("PARTE 2"));
    EXPECT_FALSE(j.imgQuadradoParteSelecionada->isHidden());
    EXPECT_EQ(j.imgQuadradoParteSelecionada->pos(), j.imgQuadradoParte[1]->pos());
    // A part whose description is Null arrives empty.
    Mouse(j.imgParteFigura[2], QEvent::MouseMove);
    EXPECT_EQ(j.lblDescricaoParteFigura->text(), QString());
    // The background takes the highlight away.
    j.DestacaControle(QStringLiteral("FORM"));
    EXPECT_TRUE(j.lblDescricaoParteFigura->isHidden());
    EXPECT_TRUE(j.imgQuadradoParteSelecionada->isHidden());
}

TEST_F(TelaSaidaTest, OptionBoxesFollowTheFlags)
{
    RotinaSaida rotina(2, 255, QStringLiteral("F"));
    frmTQ2& j = Abre(QStringLiteral("5|1|P|F|255"));
    EXPECT_FALSE(j.imgQuadradoXFigura->isHidden());
    EXPECT_TRUE(j.imgQuadrado_Figura->isHidden());
    EXPECT_TRUE(j.imgQuadradoXTabela->isHidden());
    EXPECT_FALSE(j.imgQuadrado_Tabela->isHidden());
    // The empty box, the label picture and the ticked box all toggle.
    Q_EMIT j.imgQuadrado_Tabela->clicado(1);
    EXPECT_TRUE(j.mEscolhaSaida.Tabela);
    EXPECT_FALSE(j.imgQuadradoXTabela->isHidden());
    Q_EMIT j.imgChkTabela->clicado(1);
    Q_EMIT j.imgQuadradoXFigura->clicado(1);
    EXPECT_FALSE(j.mEscolhaSaida.Tabela);
    EXPECT_FALSE(j.mEscolhaSaida.Figura);
    EXPECT_FALSE(j.imgQuadrado_Figura->isHidden());
    Q_EMIT j.imgChkFigura->movido(0, 0, 1, 1);
    EXPECT_FALSE(j.imgChkFiguraSelecionada->isHidden());
}
