#include "search/sqlpesquisa.h"

#include "core/searchtext.h"
#include "core/texts.h"
#include "search/textopesquisa.h"

#include <utility>
#include <vector>

namespace Pesquisa {

using Modulo::ObtemTexto;
using Modulo::TextoSQL;

namespace {

// Stand-ins for the texts that are put into the statement after every
// placeholder was replaced: private-use characters, which neither the
// reduced box texts nor the texts table can hold.
const QChar kNumeroFabricante(0xE000);
const QChar kNumeroEmpresa(0xE001);
const QChar kDescricao(0xE002);
const QChar kTipo(0xE003);

QString Apostrofado(const QString& texto)
{
    return QLatin1Char('\'') + TextoSQL(texto) + QLatin1Char('\'');
}

bool EdicaoPorCodigo(const QString& edicao)
{
    return edicao == QLatin1String("D") || edicao == QLatin1String("M");
}

}  // namespace

TiposPesquisa TiposSelecionados(const EntradaPesquisaPecas& e)
{
    TiposPesquisa t;
    if (EdicaoPorCodigo(e.edicao)) {
        const QString& c = e.codigoTipoPeca;
        t.componentes = c == QLatin1String("2") || c == QLatin1String(" ");
        t.jogosReparo = c == QLatin1String("1") || c == QLatin1String(" ");
        t.conjuntos = c != QLatin1String("1") && c != QLatin1String("2");
    } else {
        t.componentes = e.componentes;
        t.jogosReparo = e.jogosReparo;
        t.conjuntos = e.transmissoes || e.eixos;
    }
    return t;
}

QString SqlPesquisaPecas(const EntradaPesquisaPecas& e, const QString& ordem)
{
    // Conditions of the three boxes, in this order.
    QString condicoes;
    const auto adiciona = [&](const QString& condicao) {
        condicoes = (condicoes.isEmpty() ? QStringLiteral("WHERE ") : condicoes + QStringLiteral("AND ")) + condicao;
    };
    const QString numeroFabricante = Modulo::NormalizaNumeroFabricante(e.numeroFabricante);
    if (!numeroFabricante.isEmpty())
        adiciona(QStringLiteral("?????.NumeroEmpresa????? IN (SELECT NumeroEmpresa FROM REFERENCIACRUZADA WHERE "
                                "NumeroFabricante LIKE '*") +
                 kNumeroFabricante + QStringLiteral("*') "));
    const QString numeroEmpresa = Modulo::NormalizaNumeroEmpresa(e.numeroEmpresa);
    if (!numeroEmpresa.isEmpty())
        adiciona(QStringLiteral("?????.NumeroEmpresa????? LIKE '") + kNumeroEmpresa + QStringLiteral("*' "));
    const QString descricao = PadraoTextoPesquisa(e.descricao);
    // ("?????" "<" is split so that no compiler reads "??<" as a trigraph.)
    if (!descricao.isEmpty())
        adiciona(QStringLiteral("?????.Descricao?????" "<PESQ><I> LIKE '*") + kDescricao + QStringLiteral("*' "));
    condicoes += condicoes.isEmpty() ? QStringLiteral("1WWWW") : QStringLiteral("2WWWW");

    QString modelo = QStringLiteral("SELECT Format(?????.NumeroEmpresa?????,'0000 000 000') As NumeroEmpresa,"
                                    "?????.Descricao?????" "<I> AS Descricao,!!!!! AS Tipo,?????.Codigo????? AS Codigo,"
                                    "?????.ImagensGrid FROM ?????????? ") +
                     condicoes;
    modelo.replace(QStringLiteral("<I>"), e.idioma);

    // The type filter of the assemblies: (WHERE form, AND form).
    std::pair<QString, QString> filtro;
    if (EdicaoPorCodigo(e.edicao)) {
        if (e.codigoTipoPeca != QLatin1String(" ") && e.codigoTipoPeca != QLatin1String("3")) {
            const QString igual = QStringLiteral("TipoPeca = ") + Apostrofado(e.codigoTipoPeca) + QLatin1Char(' ');
            filtro = {QStringLiteral("WHERE ") + igual, QStringLiteral("AND ") + igual};
        }
    } else if (!e.transmissoes) {
        filtro = {QStringLiteral("WHERE TipoPeca = 'E' "), QStringLiteral("AND TipoPeca = 'E' ")};
    } else if (!e.eixos) {
        filtro = {QStringLiteral("WHERE TipoPeca = 'T' "), QStringLiteral("AND TipoPeca = 'T' ")};
    }

    struct Expansao {
        QString de, entidade, w1, w2, tipo, pesq;
        QString textoTipo;  // the kind caption, put in last
    };
    const TiposPesquisa tipos = TiposSelecionados(e);
    std::vector<Expansao> expansoes;
    if (tipos.componentes)
        expansoes.push_back({QStringLiteral("?????"), QStringLiteral("COMPONENTE"), {}, {}, kTipo, {},
                             Apostrofado(ObtemTexto(2, e.idioma))});
    if (tipos.jogosReparo)
        expansoes.push_back({QStringLiteral("?????"), QStringLiteral("JOGOREPARO"), {}, {}, kTipo, {},
                             Apostrofado(ObtemTexto(4, e.idioma))});
    if (tipos.conjuntos)
        expansoes.push_back({QStringLiteral("PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca"),
                             QStringLiteral("PECA"), filtro.first, filtro.second,
                             QStringLiteral("TIPOPECA.DescricaoTipoPeca") + e.idioma, QStringLiteral("Pesquisa"), {}});

    QString sql;
    for (const Expansao& x : expansoes) {
        QString s = modelo;
        s.replace(QStringLiteral("??????????"), x.de);
        s.replace(QStringLiteral("?????"), x.entidade);
        s.replace(QStringLiteral("1WWWW"), x.w1);
        s.replace(QStringLiteral("2WWWW"), x.w2);
        s.replace(QStringLiteral("!!!!!"), x.tipo);
        s.replace(QStringLiteral("<PESQ>"), x.pesq);
        s.replace(kTipo, x.textoTipo);
        if (!sql.isEmpty())
            sql += QStringLiteral("UNION ALL ");
        sql += s;
    }
    if (sql.isEmpty())
        return {};
    sql.replace(kNumeroFabricante, numeroFabricante);
    sql.replace(kNumeroEmpresa, numeroEmpresa);
    sql.replace(kDescricao, descricao);
    return sql + QStringLiteral("ORDER BY ") + ordem;
}

QString SqlPesquisaVeiculos(const QString& textoVeiculo, long codigoFabricante, const QString& idioma)
{
    QString condicoes;
    const auto adiciona = [&](const QString& condicao) {
        condicoes = (condicoes.isEmpty() ? QStringLiteral("WHERE ") : condicoes + QStringLiteral("AND ")) + condicao;
    };
    const QString texto = PadraoTextoPesquisa(textoVeiculo);
    if (!texto.isEmpty())
        adiciona(QStringLiteral("VEICULO.DescricaoVeiculoPesquisa<I> LIKE '*") + kDescricao + QStringLiteral("*' "));
    if (codigoFabricante != 0)
        adiciona(QStringLiteral("VEICULO.CodigoFabricante = ") + QString::number(codigoFabricante) + QLatin1Char(' '));
    QString sql = QStringLiteral("SELECT VEICULO.DescricaoVeiculo<I> As Veiculo,FABRICANTE.DescricaoFabricante<I> AS "
                                 "Fabricante,VEICULO.CodigoVeiculo AS Codigo FROM VEICULO INNER JOIN FABRICANTE ON "
                                 "VEICULO.CodigoFabricante = FABRICANTE.CodigoFabricante ") +
                  condicoes + QStringLiteral("ORDER BY 1,2");
    sql.replace(QStringLiteral("<I>"), idioma);
    sql.replace(kDescricao, texto);
    return sql;
}

QString SqlComboFabricantes(const QString& textoTodos, const QString& idioma)
{
    QString sql = QStringLiteral("SELECT FABRICANTE.DescricaoFabricante<I> AS DescricaoFabricante,"
                                 "FABRICANTE.CodigoFabricante,FABRICANTE.DescricaoFabricante<I> AS OrderBy FROM "
                                 "FABRICANTE UNION ALL SELECT ") +
                  kTipo +
                  QStringLiteral(" AS DescricaoFabricante,0 AS CodigoFabricante,'' AS OrderBy FROM CODIGOFABRICANTE "
                                 "ORDER BY OrderBy");
    sql.replace(QStringLiteral("<I>"), idioma);
    sql.replace(kTipo, Apostrofado(textoTodos));
    return sql;
}

QString SqlComboTiposPeca(const QString& edicao, const QString& idioma)
{
    const auto linha = [](const char* codigo, const QString& texto, int ordem) {
        return QStringLiteral("UNION ALL SELECT '%1' AS CodigoTipoPeca, ").arg(QLatin1String(codigo)) +
               Apostrofado(texto) + QStringLiteral(" AS DescricaoTipoPeca, %1 AS OrderBy FROM CODIGOFABRICANTE ").arg(ordem);
    };
    QString sql = QStringLiteral("SELECT CodigoTipoPeca,DescricaoTipoPeca") + idioma +
                  QStringLiteral(" AS DescricaoTipoPeca,1 AS OrderBy FROM TIPOPECA ") +
                  linha(" ", ObtemTexto(106, idioma).toUpper(), 0);
    if (edicao == QLatin1String("D"))
        sql += linha("3", ObtemTexto(110, idioma).toUpper(), 2);
    return sql + linha("1", ObtemTexto(4, idioma), 3) + linha("2", ObtemTexto(2, idioma), 4) +
           QStringLiteral("ORDER BY 3,2");
}

QString CriterioLinhaPesquisa(const QString& tipo, long codigo)
{
    if (tipo.isEmpty())
        return QStringLiteral("(Tipo Is Null OR Tipo = '') AND Codigo = ") + QString::number(codigo);
    return QStringLiteral("Tipo = ") + Apostrofado(tipo) + QStringLiteral(" AND Codigo = ") + QString::number(codigo);
}

QString CriterioTipoPeca(const QString& codigoTipoPeca)
{
    return QStringLiteral("CodigoTipoPeca=") + Apostrofado(codigoTipoPeca);
}

QString CriterioFabricante(long codigoFabricante)
{
    return QStringLiteral("CodigoFabricante = ") + QString::number(codigoFabricante);
}

QString CriterioVeiculo(long codigoVeiculo)
{
    return QStringLiteral("Codigo = ") + QString::number(codigoVeiculo);
}

}  // namespace Pesquisa
