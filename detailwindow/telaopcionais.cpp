// Screen 4 of the detail window: the optional alternatives (flag 1) of one
// component item of one assembly, with the include-in-cart icon, the notes
// icon of the rows that carry the notes flag, and the cross-reference panel.

#include "detailwindow/frmTQ2.h"

#include "core/crossref.h"
#include "core/globals.h"
#include "core/itemtexts.h"
#include "core/searchtext.h"
#include "core/texts.h"
#include "detailwindow/listasdetalhe.h"

void frmTQ2::ConsultaOpcionais(std::int32_t CodigoPeca, const QString& ItemComponente, std::int32_t)
{
    QString sql = QStringLiteral(
        "SELECT PECA_COMPONENTE.CodigoPeca,PECA_COMPONENTE.QuantidadeComponente,"
        "COMPONENTE.DescricaoComponente<I> AS DescricaoComponente,"
        "Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,"
        "PECA_COMPONENTE.ItemComponente,PECA_COMPONENTE.CodigoComponente,"
        "Mid(PECA_COMPONENTE.ImagensGrid, 4, 1) AS ImagensGrid FROM PECA_COMPONENTE INNER JOIN COMPONENTE ON "
        "PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente WHERE "
        "PECA_COMPONENTE.FlagOpcionalComponente = 1 AND PECA_COMPONENTE.CodigoPeca = ");
    sql += QString::number(CodigoPeca);
    sql += QStringLiteral(" AND PECA_COMPONENTE.ItemComponente = '");
    sql += Modulo::TextoSQL(ItemComponente);
    sql += QStringLiteral("' ORDER BY NumeroEmpresaComponente");
    sql.replace(QStringLiteral("<I>"), Modulo::gIdioma);
    dtcTHGrid1->SetRecordSource(sql);
    dtcTHGrid1->Refresh();
}

void frmTQ2::ExibeTelaOpcionais(std::uint8_t Origem, std::int32_t CodigoPeca, std::int32_t CodigoComponente,
                                const QString& ItemComponente, std::int32_t Numero)
{
    if (Origem == 200)
        mHistoricoTelas += QLatin1Char('4');
    else if (Origem == 0)
        OcultaTelaObservacao();
    pctPainelRefTag[1] = QString::number(CodigoPeca);
    CarregaImagensTela(QStringLiteral("C"), 4);
    MostraSubTitulo(Modulo::ObtemTituloItem(QStringLiteral("COM"), CodigoComponente), true);
    Modulo::ExibeReferenciaCruzada(Modulo::kOrigemOpcionais, QString(), QString());
    dtcTHGrid1->SetDatabase(Modulo::gDbDazadize);

    const bool maritima = Modulo::gEdicao == QLatin1String("M");
    PosicionaGridTela(*this, 4, maritima ? 553 : 433);
    ConsultaOpcionais(CodigoPeca, ItemComponente, Numero);

    const QStringList colunas = {
        QStringLiteral("|2|%1|F|6|%2|99").arg(LarguraTwips(22)).arg(Modulo::ObtemTexto(101)),
        QStringLiteral("NumeroEmpresaComponente|0|%1|T|6").arg(LarguraTwips(88)),
        QStringLiteral("DescricaoComponente|0|%1|T|6").arg(LarguraTwips(maritima ? 357 : 237)),
        QStringLiteral("QuantidadeComponente|1|%1|T|6").arg(LarguraTwips(38)),
        QStringLiteral("ImagensGrid|2|%1|I|6|%2|99").arg(LarguraTwips(37)).arg(Modulo::ObtemTexto(8)),
    };
    grdTHGrid1->AnalisarScollProximoRefresh();
    grdTHGrid1->ObtemDataControl(dtcTHGrid1);
    grdTHGrid1->ObtemPictures(IconesCarrinhoObservacao());
    grdTHGrid1->ConfiguraColunas(colunas.join(QLatin1Char(';')).split(QLatin1Char(';')));
    grdTHGrid1->AtualizaGrid();

    imgTitNo[0]->setVisible(!maritima);
    pctPainelRef[1].pctPainelRef->setVisible(!maritima);
    imgTitQuantidade[1]->move(maritima ? 488 : 368, imgTitQuantidade[1]->y());
    MostraTelaLista(*this, 4);
}

void frmTQ2::OcultaTelaOpcionais()
{
    AjustaBotoesNavegacao(200);
    grdTHGrid1->hide();
    pctTela[4]->hide();
    MostraSubTitulo(QString(), false);
    LiberaGridTela(*this);
    CarregaImagensTela(QStringLiteral("D"), 4);
}
