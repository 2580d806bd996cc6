#include "assembly/consultas.h"

#include "core/searchtext.h"

namespace Conjunto {

namespace {

QString Idioma(QString sql, const QString& idioma)
{
    sql.replace(QStringLiteral("<I>"), idioma);
    return sql;
}

}  // namespace

QString ConsultaFigura(std::int64_t codigoPeca, const QString& idioma)
{
    const QString sql =
        QStringLiteral("SELECT DISTINCT FIGURADETALHADA1.NumeroParte,FIGURADETALHADA1.CodigoFiguraDetalhada,"
                       "FIGURADETALHADA1.ArquivoFigura,FIGURADETALHADA1.ItemComponente,"
                       "FIGURADETALHADA1.ItemComponenteResumido,FIGURADETALHADA1.PosicaoLeft,"
                       "FIGURADETALHADA1.PosicaoTop,FIGURADETALHADA1.DescricaoParte<I> AS DescricaoParte,"
                       "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo,PECA_COMPONENTE.ItemComponente AS ItemAplicavel "
                       "FROM (FIGURADETALHADA1 LEFT JOIN PECA_COMPONENTE_JOGOREPARO ON "
                       "(FIGURADETALHADA1.CodigoPeca     = PECA_COMPONENTE_JOGOREPARO.CodigoPeca) AND "
                       "(FIGURADETALHADA1.ItemComponente = PECA_COMPONENTE_JOGOREPARO.ItemComponente)) "
                       "LEFT JOIN PECA_COMPONENTE ON (FIGURADETALHADA1.CodigoPeca     = PECA_COMPONENTE.CodigoPeca) AND "
                       "(FIGURADETALHADA1.ItemComponente = PECA_COMPONENTE.ItemComponente) "
                       "WHERE FIGURADETALHADA1.CodigoPeca = ") +
        QString::number(codigoPeca) +
        QStringLiteral(" ORDER BY FIGURADETALHADA1.NumeroParte,FIGURADETALHADA1.CodigoFiguraDetalhada");
    return Idioma(sql, idioma);
}

QString ConsultaComponentesFigura(std::int64_t codigoPeca, bool edicaoNaoMaritima, const QString& idioma)
{
    QString sql = QStringLiteral(
        "SELECT PECA_COMPONENTE.ItemComponente,COMPONENTE.DescricaoComponente<I> AS DescricaoComponente,"
        "Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,"
        "Mid(PECA_COMPONENTE.ImagensGrid, 1, 1) AS SugestaoCompra,Mid(PECA_COMPONENTE.ImagensGrid, 2, 1) AS Opcional,"
        "Mid(PECA_COMPONENTE.ImagensGrid, 3, 1) AS JogoReparo,Mid(PECA_COMPONENTE.ImagensGrid, 4, 1) AS Observacao,"
        "PECA_COMPONENTE.CodigoComponente,PECA_COMPONENTE.QuantidadeComponente FROM PECA_COMPONENTE INNER JOIN "
        "COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente WHERE ");
    if (edicaoNaoMaritima)
        sql += QStringLiteral("PECA_COMPONENTE.FlagOpcionalComponente = 0 AND ");
    sql += QStringLiteral("PECA_COMPONENTE.CodigoPeca = ") + QString::number(codigoPeca) + QStringLiteral(" ORDER BY 1,8");
    return Idioma(sql, idioma);
}

QString ConsultaItensComponente(std::int64_t codigoPeca, std::int64_t codigoComponente)
{
    return QStringLiteral("SELECT ItemComponente FROM PECA_COMPONENTE WHERE CodigoPeca = %1 AND CodigoComponente = %2")
        .arg(codigoPeca)
        .arg(codigoComponente);
}

QString ConsultaJogosItem(std::int64_t codigoPeca, const QString& item, const QString& idioma)
{
    const QString sql =
        QStringLiteral("SELECT JOGOREPARO.DescricaoJogoReparo<I> AS DescricaoJogoReparo,"
                       "Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') AS NumeroEmpresaJogoReparo "
                       "FROM PECA_COMPONENTE_JOGOREPARO INNER JOIN JOGOREPARO ON "
                       "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo "
                       "WHERE PECA_COMPONENTE_JOGOREPARO.CodigoPeca = ") +
        QString::number(codigoPeca) + QStringLiteral(" AND PECA_COMPONENTE_JOGOREPARO.ItemComponente = '") +
        Modulo::TextoSQL(item) + QStringLiteral("' ORDER BY 1");
    return Idioma(sql, idioma);
}

QString ConsultaComboJogos(std::int64_t codigoPeca, const QString& textoTodos, const QString& idioma)
{
    const QChar cr(13);
    QString sql;
    sql += QStringLiteral("SELECT DISTINCT ");
    sql += QStringLiteral("PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo, ");
    sql += QStringLiteral("Format(JOGOREPARO.NumeroEmpresaJogoReparo, '0000 000 000') AS NumeroEmpresaJogoReparo,");
    sql += QStringLiteral("JOGOREPARO.DescricaoJogoReparo<I> AS DescricaoJogoReparo,");
    sql += QStringLiteral("' ' & IIF(EXISTS(SELECT 1 FROM APLICACAOOBS_JOGOREPARO AS A ");
    sql += QStringLiteral("WHERE A.CodigoJogoReparo = PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo AND ");
    sql += QStringLiteral("(A.CodigoPeca IS NULL OR A.CodigoPeca = PECA_COMPONENTE_JOGOREPARO.CodigoPeca)");
    sql += QStringLiteral("),' ','") + cr + QStringLiteral("') AS ImagensGrid,");
    sql += QStringLiteral("JOGOREPARO.DescricaoJogoReparo<I> AS OrderBy ");
    sql += QStringLiteral("FROM ");
    sql += QStringLiteral("PECA_COMPONENTE_JOGOREPARO ");
    sql += QStringLiteral("INNER JOIN JOGOREPARO ON PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = JOGOREPARO.CodigoJogoReparo ");
    sql += QStringLiteral("WHERE ");
    sql += QStringLiteral("PECA_COMPONENTE_JOGOREPARO.CodigoPeca = ") + QString::number(codigoPeca) + QStringLiteral(" ");
    sql += QStringLiteral("UNION ALL ");
    sql += QStringLiteral("SELECT ");
    sql += QStringLiteral("0  AS CodigoJogoReparo,");
    sql += QStringLiteral("'' AS NumeroEmpresaJogoReparo,");
    sql += QStringLiteral("'") + Modulo::TextoSQL(textoTodos) + QStringLiteral("' AS DescricaoJogoReparo,");
    sql += QStringLiteral("'") + cr + cr + QStringLiteral("' AS ImagensGrid,");
    sql += QStringLiteral("'' AS OrderBy ");
    sql += QStringLiteral("FROM ");
    sql += QStringLiteral("CODIGOFABRICANTE ");
    sql += QStringLiteral("ORDER BY ");
    sql += QStringLiteral("OrderBy");
    return Idioma(sql, idioma);
}

QString ConsultaComponentes(std::int64_t codigoPeca, std::int64_t jogo, const QString& idioma)
{
    QString sql;
    sql += QStringLiteral("SELECT ");
    sql += Modulo::ExpressaoItemComponente(QStringLiteral("PECA_COMPONENTE"));
    sql += QStringLiteral(" AS ItemComponenteOrderBy,");
    sql += QStringLiteral("PECA_COMPONENTE.QuantidadeComponente,");
    sql += QStringLiteral("COMPONENTE.DescricaoComponente<I> AS DescricaoComponente,");
    sql += QStringLiteral("Format(COMPONENTE.NumeroEmpresaComponente, '0000 000 000') AS NumeroEmpresaComponente,");
    sql += QStringLiteral("PECA_COMPONENTE.ImagensGrid,");
    sql += QStringLiteral("PECA_COMPONENTE.ItemComponente,");
    sql += QStringLiteral("PECA_COMPONENTE.CodigoComponente,");
    sql += QStringLiteral("COMPONENTE.NumeroEmpresaComponente AS NumeroEmpresaComponentePesquisa ");
    sql += QStringLiteral("FROM ");
    sql += QStringLiteral("(PECA_COMPONENTE ");
    if (jogo > 0)
        sql += QStringLiteral("LEFT JOIN PECA_COMPONENTE_JOGOREPARO ON PECA_COMPONENTE.CodigoPeca = "
                              "PECA_COMPONENTE_JOGOREPARO.CodigoPeca AND PECA_COMPONENTE.ItemComponente = "
                              "PECA_COMPONENTE_JOGOREPARO.ItemComponente) ");
    else
        sql += QStringLiteral(") ");
    sql += QStringLiteral("INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente ");
    sql += QStringLiteral("WHERE ");
    sql += QStringLiteral("PECA_COMPONENTE.FlagOpcionalComponente = 0 AND ");
    sql += QStringLiteral("PECA_COMPONENTE.CodigoPeca = ") + QString::number(codigoPeca) + QStringLiteral(" ");
    if (jogo > 0)
        sql += QStringLiteral("AND PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = ") + QString::number(jogo) +
               QStringLiteral(" ");
    return Idioma(sql, idioma);
}

QString ComOrdem(const QString& base, const QString& ordem) { return base + QStringLiteral("ORDER BY ") + ordem; }

QString BaseSemOrdem(const QString& consulta)
{
    const qsizetype i = consulta.lastIndexOf(QStringLiteral("ORDER BY"));
    return i < 0 ? consulta : consulta.left(i);
}

QString ConsultaComponentesFabricante(const QString& numeroNormalizado, const QString& fabricantes,
                                      std::int64_t codigoPeca)
{
    QString sql;
    sql += QStringLiteral("SELECT DISTINCT TOP 50 ");
    sql += QStringLiteral("COMPONENTE.CodigoComponente ");
    sql += QStringLiteral("FROM ");
    sql += QStringLiteral("(REFERENCIACRUZADA ");
    sql += QStringLiteral("INNER JOIN COMPONENTE ON REFERENCIACRUZADA.NumeroEmpresa = COMPONENTE.NumeroEmpresaComponente) ");
    sql += QStringLiteral("INNER JOIN PECA_COMPONENTE ON COMPONENTE.CodigoComponente = PECA_COMPONENTE.CodigoComponente ");
    sql += QStringLiteral("WHERE ");
    sql += QStringLiteral("REFERENCIACRUZADA.NumeroFabricante LIKE '*");
    sql += numeroNormalizado;
    sql += QStringLiteral("*' AND ");
    sql += QStringLiteral("REFERENCIACRUZADA.CodigoFabricante IN (");
    sql += fabricantes;
    sql += QStringLiteral(") AND ");
    sql += QStringLiteral("PECA_COMPONENTE.CodigoPeca=");
    sql += QString::number(codigoPeca);
    return sql;
}

QString CriterioItem(const QString& item)
{
    return QStringLiteral("ItemComponente = '") + Modulo::TextoSQL(item) + QLatin1Char('\'');
}

QString CriterioItemComponente(const QString& item, std::int64_t codigoComponente)
{
    QString c = CriterioItem(item);
    if (codigoComponente > 0)
        c += QStringLiteral(" AND CodigoComponente=") + QString::number(codigoComponente);
    return c;
}

QString CriterioJogo(std::int64_t codigoJogo) { return QStringLiteral("CodigoJogoReparo = ") + QString::number(codigoJogo); }

QString CriterioCaixaItem(const QString& texto)
{
    return QStringLiteral("ItemComponente LIKE '") + Modulo::PreparaTextoPesquisa(texto, false) + QStringLiteral("*'");
}

QString CriterioCaixaNumero(const QString& texto)
{
    return QStringLiteral("NumeroEmpresaComponentePesquisa LIKE '") + Modulo::NormalizaNumeroEmpresa(texto) +
           QStringLiteral("*'");
}

QString CriterioCaixaComponente(const QString& texto)
{
    return QStringLiteral("DescricaoComponente LIKE '") + Modulo::PreparaTextoPesquisa(texto, true) + QStringLiteral("*'");
}

QString CriterioComponentes(const QString& lista)
{
    return QStringLiteral("CodigoComponente IN (") + lista + QLatin1Char(')');
}

}  // namespace Conjunto
