// The output options screen's choice controls (screen 5): the figure and
// table toggles and the figure-part chooser.  The state lives in
// mEscolhaSaida (escolhasaida.h); these handlers pass the clicks and moves
// to it and mirror it into the controls.  Report output shows the screen and
// runs the output.

#include "detailwindow/frmTQ2.h"

#include "core/pictures.h"
#include "detailwindow/ponteiro.h"

namespace {

// The thumbnail of part i: "PARTEFIGURA1" for part 0, and so on; nothing
// past the last thumbnail the program carries.
QPixmap Miniatura(int i)
{
    const QString nome = QStringLiteral("PARTEFIGURA%1").arg(i + 1);
    if (!Modulo::RecursoImagemExiste(nome, QStringLiteral("G")))
        return {};
    return Modulo::CarregaImagemRecurso(nome, QStringLiteral("G"));
}

}  // namespace

void frmTQ2::ExibeEscolhaSaida()
{
    // The elements made for an earlier figure go; element 0 is the design's.
    while (imgParteFigura.size() > 1) {
        Descarta(imgParteFigura.back());
        Descarta(imgQuadradoParte.back());
        imgParteFigura.pop_back();
        imgQuadradoParte.pop_back();
    }
    const int partes = static_cast<int>(mEscolhaSaida.Partes.size());
    for (int i = 0; i < partes; ++i) {
        if (i > 0) {
            auto* parte = new THPicture(pctTela[5]);
            parte->setObjectName(QStringLiteral("imgParteFigura%1").arg(i));
            parte->setCursor(DetalhePonteiro::Mao());
            parte->hide();
            auto* quadro = new THPicture(pctTela[5]);
            quadro->setObjectName(QStringLiteral("imgQuadradoParte%1").arg(i));
            quadro->setPicture(imgQuadradoParte[0]->picture());
            quadro->setPassaMouse(true);
            quadro->hide();
            imgParteFigura.push_back(parte);
            imgQuadradoParte.push_back(quadro);
        }
        PosicionaParte(i);
    }
    for (int i = 0; i < static_cast<int>(imgParteFigura.size()); ++i) {
        THPicture* parte = imgParteFigura[static_cast<std::size_t>(i)];
        parte->disconnect(this);
        connect(parte, &THPicture::clicado, this, [this, i] { imgParteFigura_Click(i); });
        connect(parte, &THPicture::clicadoDuplo, this, [this, i] { imgParteFigura_DblClick(i); });
        connect(parte, &THPicture::movido, this,
                [this, i](int b, int s, float x, float y) { imgParteFigura_MouseMove(i, b, s, x, y); });
    }
    // The frames are opaque pictures a little larger than the thumbnails:
    // they lie under them, the hover frame above the selection frames.
    for (THPicture* parte : imgParteFigura)
        parte->raise();
    imgQuadradoParteSelecionada->hide();
    imgQuadradoParteSelecionada->lower();
    for (THPicture* quadro : imgQuadradoParte)
        quadro->lower();
    AtualizaEscolhaSaida();
}

void frmTQ2::PosicionaParte(int i)
{
    const QPoint origem(38, 174);  // part 0's place in the layout
    THPicture* parte = imgParteFigura[static_cast<std::size_t>(i)];
    parte->setPicture(Miniatura(i));
    parte->setGeometry(QRect(EscolhaSaida::PosicaoParte(i, origem), QSize(17, 11)));
    imgQuadradoParte[static_cast<std::size_t>(i)]->move(EscolhaSaida::PosicaoQuadro(i, origem));
}

void frmTQ2::AtualizaEscolhaSaida()
{
    imgQuadrado_Figura->setVisible(!mEscolhaSaida.Figura);
    imgQuadradoXFigura->setVisible(mEscolhaSaida.Figura);
    imgQuadrado_Tabela->setVisible(!mEscolhaSaida.Tabela);
    imgQuadradoXTabela->setVisible(mEscolhaSaida.Tabela);
    // A figure of one part shows no chooser at all.
    const std::size_t partes = mEscolhaSaida.Partes.size();
    const bool chooser = partes >= 2;
    for (std::size_t i = 0; i < imgParteFigura.size(); ++i) {
        const bool existe = i < partes;
        imgParteFigura[i]->setVisible(chooser && existe);
        imgQuadradoParte[i]->setVisible(chooser && existe && mEscolhaSaida.Partes[i].Selecionada);
    }
}

void frmTQ2::imgChkFigura_Click()
{
    mEscolhaSaida.imgChkFigura_Click();
    AtualizaEscolhaSaida();
}

void frmTQ2::imgChkTabela_Click()
{
    mEscolhaSaida.imgChkTabela_Click();
    AtualizaEscolhaSaida();
}

void frmTQ2::imgParteFigura_Click(int Index)
{
    mEscolhaSaida.imgParteFigura_Click(Index);
    AtualizaEscolhaSaida();
}

void frmTQ2::imgParteFigura_DblClick(int Index) { mEscolhaSaida.imgParteFigura_DblClick(Index); }

void frmTQ2::imgParteFigura_MouseMove(int Index, int, int, float, float)
{
    if (!mEscolhaSaida.imgParteFigura_MouseMove(Index, mChaveDestaque))
        return;
    DestacaControle(EscolhaSaida::ChaveParte(Index));
    lblDescricaoParteFigura->setText(mEscolhaSaida.Partes[static_cast<std::size_t>(Index)].Descricao);
    lblDescricaoParteFigura->adjustSize();
    AtualizaEscolhaSaida();
}
