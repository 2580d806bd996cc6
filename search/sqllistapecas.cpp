#include "search/sqllistapecas.h"

#include "platform/base/error.h"

namespace Pesquisa {

QString SqlListaPecas(const QString& tipoItem, long codigoItem, const QString& idioma)
{
    // Per kind: head, column 3, source, filter.
    struct Partes {
        const char* cabeca;
        const char* coluna3;
        const char* origem;
        const char* filtro;
    };
    Partes p{};
    if (tipoItem == QLatin1String("COM"))
        p = {"SELECT DISTINCT ", "PECA_COMPONENTE.CodigoPeca,",
             "(PECA_COMPONENTE INNER JOIN PECA ON PECA_COMPONENTE.CodigoPeca = PECA.CodigoPeca) ",
             "PECA_COMPONENTE.CodigoComponente = "};
    else if (tipoItem == QLatin1String("JRE"))
        p = {"SELECT DISTINCT ", "PECA_COMPONENTE_JOGOREPARO.CodigoPeca,",
             "(PECA_COMPONENTE_JOGOREPARO INNER JOIN PECA ON PECA_COMPONENTE_JOGOREPARO.CodigoPeca = PECA.CodigoPeca) ",
             "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = "};
    else if (tipoItem == QLatin1String("PCA"))
        p = {"SELECT ", "PECA.CodigoPeca,", "PECA ", "PECA.CodigoPeca = "};
    else if (tipoItem == QLatin1String("VEI"))
        p = {"SELECT ", "VEICULO_PECA.CodigoPeca,",
             "(VEICULO_PECA INNER JOIN PECA ON VEICULO_PECA.CodigoPeca = PECA.CodigoPeca) ",
             "VEICULO_PECA.CodigoVeiculo = "};
    else
        throw platform::Error(platform::errors::InvalidProcedureCall,
                              QStringLiteral("The parts list has no statement for the item kind '%1'.").arg(tipoItem),
                              QStringLiteral("AtualizaGridPecas"));

    QString sql = QLatin1String(p.cabeca) +
                  QStringLiteral("Format(PECA.NumeroEmpresaPeca, '0000 000 000') AS NumeroEmpresaPeca,"
                                 "PECA.DescricaoPeca<I> AS DescricaoPeca,") +
                  QLatin1String(p.coluna3) +
                  QStringLiteral("TIPOPECA.DescricaoTipoPeca<I> AS DescricaoTipoPeca,PECA.ArquivoFotoPeca,"
                                 "PECA.ImagensGrid,PECA.TipoPeca FROM ") +
                  QLatin1String(p.origem) +
                  QStringLiteral("LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca WHERE ") +
                  QLatin1String(p.filtro) + QString::number(codigoItem) + QStringLiteral(" ORDER BY 1");
    sql.replace(QStringLiteral("<I>"), idioma);
    return sql;
}

QString SolicitacaoLocalizacaoLista(const QString& tipoItem, long codigoItem)
{
    if (tipoItem == QLatin1String("COM"))
        return QStringLiteral("C:%1:C").arg(codigoItem);
    if (tipoItem == QLatin1String("JRE"))
        return QStringLiteral("J:%1:J").arg(codigoItem);
    return {};
}

QString CriterioConjunto(long codigoPeca)
{
    return QStringLiteral("CodigoPeca = ") + QString::number(codigoPeca);
}

}  // namespace Pesquisa
