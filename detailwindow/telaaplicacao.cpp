// Screen 2 of the detail window: the vehicles that use one assembly, each
// with its manufacturer.

#include "detailwindow/frmTQ2.h"

#include "core/globals.h"
#include "core/itemtexts.h"
#include "detailwindow/listasdetalhe.h"

void frmTQ2::ConsultaAplicacao(std::int32_t CodigoPeca)
{
    QString sql = QStringLiteral(
        "SELECT VEICULO.DescricaoVeiculo<I> AS Veiculo, FABRICANTE.DescricaoFabricante<I> AS Fabricante FROM "
        "(VEICULO_PECA INNER JOIN VEICULO ON VEICULO_PECA.CodigoVeiculo = VEICULO.CodigoVeiculo) INNER JOIN "
        "FABRICANTE ON VEICULO.CodigoFabricante = FABRICANTE.CodigoFabricante WHERE VEICULO_PECA.CodigoPeca = ");
    sql += QString::number(CodigoPeca);
    sql += QStringLiteral(" ORDER BY 1,2");
    sql.replace(QStringLiteral("<I>"), Modulo::gIdioma);
    dtcTHGrid1->SetRecordSource(sql);
    dtcTHGrid1->Refresh();
}

void frmTQ2::ExibeTelaAplicacao(std::int32_t CodigoPeca)
{
    mHistoricoTelas += QLatin1Char('2');
    CarregaImagensTela(QStringLiteral("C"), 2);
    MostraSubTitulo(Modulo::ObtemTituloItem(QStringLiteral("PCA"), CodigoPeca), true);
    dtcTHGrid1->SetDatabase(Modulo::gDbDazadize);
    PosicionaGridTela(*this, 2, 544);
    ConsultaAplicacao(CodigoPeca);

    const QStringList colunas = {
        QStringLiteral("Veiculo|0|%1|T|6").arg(LarguraTwips(318)),
        QStringLiteral("Fabricante|0|%1|T|6").arg(LarguraTwips(215)),
    };
    grdTHGrid1->ObtemDataControl(dtcTHGrid1);
    grdTHGrid1->ConfiguraColunas(colunas.join(QLatin1Char(';')).split(QLatin1Char(';')));
    grdTHGrid1->AtualizaGrid();
    MostraTelaLista(*this, 2);
}
