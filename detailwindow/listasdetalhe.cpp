#include "detailwindow/listasdetalhe.h"

#include "core/janelas.h"
#include "core/pictures.h"
#include "detailwindow/frmTQ2.h"
#include "platform/base/doevents.h"

QString LarguraTwips(int pixels) { return QString::number(Modulo::PixelsParaTwips(pixels, QStringLiteral("W"))); }

THPictures IconesCarrinhoObservacao()
{
    const QString G = QStringLiteral("G");
    THPictures p;
    p[0] = {Modulo::CarregaImagemRecurso(QStringLiteral("ICOSELECIONAR"), G),
            Modulo::CarregaImagemRecurso(QStringLiteral("ICOOBSERVACAO"), G)};
    p[1] = {Modulo::CarregaImagemRecurso(QStringLiteral("ICOSELECIONAR_S"), G),
            Modulo::CarregaImagemRecurso(QStringLiteral("ICOOBSERVACAO_S"), G)};
    return p;
}

void PosicionaGridTela(frmTQ2& janela, int tela, int largura)
{
    THGrid* grid = janela.grdTHGrid1;
    const QWidget* painel = janela.pctTela[static_cast<std::size_t>(tela)];
    grid->mUserControlPixelWidth = largura;
    grid->mUserControlPixelHeight = 289;
    grid->Move(painel->x() + 22, painel->y() + 51, largura, 289);
}

void MostraTelaLista(frmTQ2& janela, int tela)
{
    QWidget* painel = janela.pctTela[static_cast<std::size_t>(tela)];
    painel->show();
    painel->repaint();
    janela.grdTHGrid1->show();
    janela.grdTHGrid1->raise();
    janela.AjustaBotoesNavegacao(static_cast<std::uint8_t>(tela));
    platform::DoEvents();
    janela.PosicionaFocoTela();
}

void LiberaGridTela(frmTQ2& janela)
{
    janela.grdTHGrid1->Descarrega();
    if (platform::dao::RecordsetPtr rs = janela.dtcTHGrid1->Recordset())
        rs->Close();
    janela.dtcTHGrid1->SetRecordset(nullptr);
}
