// The statements of the search screens, byte for byte.

#include "search/sqllistapecas.h"
#include "search/sqlpesquisa.h"
#include "search/textopesquisa.h"

#include "core/searchtext.h"
#include "platform/base/error.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

namespace {

using Pesquisa::EntradaPesquisaPecas;

// The sub-queries of the part search, as the template gives them, so that
// the variants below read as their differences.
QString Componentes(const QString& cond, const QString& l = QStringLiteral("P"), const QString& tipo = QStringLiteral("Componente"))
{
    return QStringLiteral("SELECT Format(COMPONENTE.NumeroEmpresaCOMPONENTE,'0000 000 000') As NumeroEmpresa,"
                          "COMPONENTE.DescricaoCOMPONENTE%1 AS Descricao,'%2' AS Tipo,COMPONENTE.CodigoCOMPONENTE AS Codigo,"
                          "COMPONENTE.ImagensGrid FROM COMPONENTE %3")
        .arg(l, tipo, cond);
}
QString Jogos(const QString& cond, const QString& l = QStringLiteral("P"), const QString& tipo = QStringLiteral("Jogo de Reparo"))
{
    return QStringLiteral("SELECT Format(JOGOREPARO.NumeroEmpresaJOGOREPARO,'0000 000 000') As NumeroEmpresa,"
                          "JOGOREPARO.DescricaoJOGOREPARO%1 AS Descricao,'%2' AS Tipo,JOGOREPARO.CodigoJOGOREPARO AS Codigo,"
                          "JOGOREPARO.ImagensGrid FROM JOGOREPARO %3")
        .arg(l, tipo, cond);
}
QString Conjuntos(const QString& cond, const QString& l = QStringLiteral("P"))
{
    return QStringLiteral("SELECT Format(PECA.NumeroEmpresaPECA,'0000 000 000') As NumeroEmpresa,PECA.DescricaoPECA%1 AS "
                          "Descricao,TIPOPECA.DescricaoTipoPeca%1 AS Tipo,PECA.CodigoPECA AS Codigo,PECA.ImagensGrid FROM "
                          "PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca %2")
        .arg(l, cond);
}

EntradaPesquisaPecas Todos(const QString& edicao = QStringLiteral("V"))
{
    EntradaPesquisaPecas e;
    e.edicao = edicao;
    e.componentes = e.jogosReparo = e.transmissoes = true;
    e.eixos = edicao == QLatin1String("A");
    return e;
}

TEST(SqlPesquisaPecas, TheWorkedExampleAndTheAllEmptyText)
{
    EntradaPesquisaPecas e = Todos();
    e.numeroEmpresa = QStringLiteral("0501-2");
    EXPECT_EQ(Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1")),
              QStringLiteral(
                  "SELECT Format(COMPONENTE.NumeroEmpresaCOMPONENTE,'0000 000 000') As NumeroEmpresa,COMPONENTE.DescricaoCOMPONENTEP "
                  "AS Descricao,'Componente' AS Tipo,COMPONENTE.CodigoCOMPONENTE AS Codigo,COMPONENTE.ImagensGrid FROM COMPONENTE "
                  "WHERE COMPONENTE.NumeroEmpresaCOMPONENTE LIKE '5012*' UNION ALL SELECT "
                  "Format(JOGOREPARO.NumeroEmpresaJOGOREPARO,'0000 000 000') As NumeroEmpresa,JOGOREPARO.DescricaoJOGOREPAROP AS "
                  "Descricao,'Jogo de Reparo' AS Tipo,JOGOREPARO.CodigoJOGOREPARO AS Codigo,JOGOREPARO.ImagensGrid FROM JOGOREPARO "
                  "WHERE JOGOREPARO.NumeroEmpresaJOGOREPARO LIKE '5012*' UNION ALL SELECT Format(PECA.NumeroEmpresaPECA,'0000 000 "
                  "000') As NumeroEmpresa,PECA.DescricaoPECAP AS Descricao,TIPOPECA.DescricaoTipoPecaP AS Tipo,PECA.CodigoPECA AS "
                  "Codigo,PECA.ImagensGrid FROM PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca WHERE "
                  "PECA.NumeroEmpresaPECA LIKE '5012*' AND TipoPeca = 'T' ORDER BY 1"));

    const QString vazio = Pesquisa::SqlPesquisaPecas(Todos(), QStringLiteral("1"));
    EXPECT_EQ(vazio, Componentes({}) + "UNION ALL " + Jogos({}) + "UNION ALL " + Conjuntos("WHERE TipoPeca = 'T' ") + "ORDER BY 1");
    EXPECT_TRUE(vazio.contains(QStringLiteral("FROM COMPONENTE UNION ALL")));
    EXPECT_TRUE(vazio.contains(QStringLiteral("FROM JOGOREPARO UNION ALL")));
    EXPECT_TRUE(vazio.contains(QStringLiteral("TIPOPECA.CodigoTipoPeca WHERE TipoPeca = 'T' ORDER BY 1")));
}

TEST(SqlPesquisaPecas, EachBoxAndTheirOrder)
{
    const QString ref = QStringLiteral("?????.NumeroEmpresa????? IN (SELECT NumeroEmpresa FROM REFERENCIACRUZADA WHERE "
                                       "NumeroFabricante LIKE '*12A*') ");
    const QString num = QStringLiteral("?????.NumeroEmpresa????? LIKE '501*' ");
    const QString desc = QStringLiteral("?????.Descricao?????" "<PESQ>P LIKE '*[AÁÀÂÄÃª]N[EÉÈÊË]L*' ");
    const auto para = [](QString c, const QString& e, const QString& pesq) {
        c.replace(QStringLiteral("?????"), e);
        c.replace(QStringLiteral("<PESQ>"), pesq);
        return c;
    };
    const auto todos = [&](const QString& cond) {
        const QString c = para(cond, QStringLiteral("COMPONENTE"), {});
        const QString j = para(cond, QStringLiteral("JOGOREPARO"), {});
        const QString p = para(cond, QStringLiteral("PECA"), QStringLiteral("Pesquisa"));
        return Componentes(c) + "UNION ALL " + Jogos(j) + "UNION ALL " + Conjuntos(p + "AND TipoPeca = 'T' ");
    };
    struct Caso {
        const char* nome;
        QString fabricante, numero, descricao, ordem;
        QString condicao;
    };
    const Caso casos[] = {
        {"manufacturer's number matches anywhere", "0012-a", {}, {}, "1", "WHERE " + ref},
        {"company number is a prefix", {}, " 000501 ", {}, "1", "WHERE " + num},
        {"description anywhere, search form for assemblies", {}, {}, "anel", "2", "WHERE " + desc},
        {"all three, in the fixed order", "12A", "501", "Anel", "2", "WHERE " + ref + "AND " + num + "AND " + desc},
        {"boxes of punctuation only add nothing", "--", "0-0.0", " ;; ", "1", {}},
    };
    for (const Caso& c : casos) {
        EntradaPesquisaPecas e = Todos();
        e.numeroFabricante = c.fabricante;
        e.numeroEmpresa = c.numero;
        e.descricao = c.descricao;
        const QString esperado = c.condicao.isEmpty()
                                     ? Componentes({}) + "UNION ALL " + Jogos({}) + "UNION ALL " + Conjuntos("WHERE TipoPeca = 'T' ")
                                     : todos(c.condicao);
        EXPECT_EQ(Pesquisa::SqlPesquisaPecas(e, c.ordem), esperado + "ORDER BY " + c.ordem) << c.nome;
    }
}

TEST(SqlPesquisaPecas, KindsPerEdition)
{
    const QString C = Componentes({}), J = Jogos({});
    const auto P = [](const char* filtro) { return Conjuntos(QLatin1String(filtro)); };
    struct Caso {
        const char* nome;
        EntradaPesquisaPecas e;
        QString esperado;
    };
    const auto v = [](bool c, bool j, bool t) {
        EntradaPesquisaPecas e;
        e.componentes = c, e.jogosReparo = j, e.transmissoes = t;
        return e;
    };
    const auto a = [](bool t, bool x) {
        EntradaPesquisaPecas e;
        e.edicao = QStringLiteral("A");
        e.transmissoes = t, e.eixos = x;
        return e;
    };
    const auto codigo = [](const char* edicao, const char* c) {
        EntradaPesquisaPecas e;
        e.edicao = QLatin1String(edicao);
        e.codigoTipoPeca = QLatin1String(c);
        // The check boxes do not count in editions D and M.
        e.componentes = e.jogosReparo = e.transmissoes = e.eixos = true;
        return e;
    };
    const Caso casos[] = {
        {"V without transmissions lists no assemblies", v(true, true, false), C + "UNION ALL " + J},
        {"V transmissions only", v(false, false, true), P("WHERE TipoPeca = 'T' ")},
        {"A both assembly kinds: every type", a(true, true), P("")},
        {"A axles only", a(false, true), P("WHERE TipoPeca = 'E' ")},
        {"A transmissions only", a(true, false), P("WHERE TipoPeca = 'T' ")},
        {"D everything", codigo("D", " "), C + "UNION ALL " + J + "UNION ALL " + P("")},
        {"D all assemblies", codigo("D", "3"), P("")},
        {"D repair kits", codigo("D", "1"), J},
        {"D components", codigo("D", "2"), C},
        {"D one type", codigo("D", "B"), P("WHERE TipoPeca = 'B' ")},
        {"M one type", codigo("M", "R"), P("WHERE TipoPeca = 'R' ")},
        {"a type code with an apostrophe stays a valid literal", codigo("M", "'"), P("WHERE TipoPeca = '''' ")},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(Pesquisa::SqlPesquisaPecas(c.e, QStringLiteral("1")), c.esperado + "ORDER BY 1") << c.nome;
    EXPECT_EQ(Pesquisa::SqlPesquisaPecas(v(false, false, false), QStringLiteral("1")), QString());
}

TEST(SqlPesquisaPecas, LanguagesTakeTheirColumnsAndCaptions)
{
    EntradaPesquisaPecas e = Todos();
    e.numeroEmpresa = QStringLiteral("7");
    for (const char* l : {"E", "I"}) {
        e.idioma = QLatin1String(l);
        const QString sql = Pesquisa::SqlPesquisaPecas(e, QStringLiteral("2"));
        const bool es = e.idioma == QLatin1String("E");
        const QString cond = QStringLiteral("WHERE %1.NumeroEmpresa%1 LIKE '7*' ");
        EXPECT_EQ(sql, Componentes(cond.arg("COMPONENTE"), e.idioma, es ? "Componente" : "Component") + "UNION ALL " +
                           Jogos(cond.arg("JOGOREPARO"), e.idioma, es ? "Juego de Reparación" : "Repair Kit") + "UNION ALL " +
                           Conjuntos(cond.arg("PECA") + "AND TipoPeca = 'T' ", e.idioma) + "ORDER BY 2");
    }
}

TEST(SqlPesquisaPecas, TypedTextNeverBreaksTheStatement)
{
    // Placeholders and markers typed into the boxes stay the user's text.
    EntradaPesquisaPecas e = Todos();
    e.numeroEmpresa = QStringLiteral("2WWWW");
    e.numeroFabricante = QStringLiteral("1wwww");
    e.descricao = QStringLiteral("<PESQ> ????? <I> !!!!!");
    const QString sql = Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1"));
    EXPECT_TRUE(sql.contains(QStringLiteral("PECA.NumeroEmpresaPECA LIKE '2WWWW*' AND")));
    EXPECT_TRUE(sql.contains(QStringLiteral("NumeroFabricante LIKE '*1WWWW*'")));
    EXPECT_TRUE(sql.contains(QStringLiteral("LIKE '*P[EÉÈÊË]SQ*[IÍÌÎÏ]*' AND TipoPeca = 'T' ORDER BY 1")));
    // Apostrophes, brackets, wildcards, control characters, other scripts and
    // very long pastes reduce to letters, digits, classes and "*".
    const QString ruins[] = {QStringLiteral("d'água [x] * ? # ! |"), QStringLiteral("a\tb\x01\nc"),
                             QStringLiteral("Шестерня 齿轮 ترس"), QString(10000, QLatin1Char('\''))};
    for (const QString& r : ruins) {
        const QString p = Pesquisa::PadraoTextoPesquisa(r);
        for (const QChar c : p)
            EXPECT_TRUE(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789*[]ÁÀÂÄÃªÉÈÊËÍÌÎÏÓÒÔÖÕºÚÙÛÜÇ").contains(c))
                << qPrintable(r.left(20));
    }
}

TEST(PadraoTextoPesquisa, FoldsAccentsAndJoinsWordsWithAStar)
{
    struct Caso {
        const char* texto;
        const char* padrao;
    };
    const Caso casos[] = {
        {"peça", "P[EÉÈÊË][CÇ][AÁÀÂÄÃª]"},
        {"peca", "P[EÉÈÊË][CÇ][AÁÀÂÄÃª]"},
        {"disco embreagem", "D[IÍÌÎÏ]S[CÇ][OÓÒÔÖÕº]*[EÉÈÊË]MBR[EÉÈÊË][AÁÀÂÄÃª]G[EÉÈÊË]M"},
        {"  -anel,  vedação- ", "[AÁÀÂÄÃª]N[EÉÈÊË]L*V[EÉÈÊË]D[AÁÀÂÄÃª][CÇ][AÁÀÂÄÃª][OÓÒÔÖÕº]"},
        {"caminhão", "[CÇ][AÁÀÂÄÃª]M[IÍÌÎÏ]NH[AÁÀÂÄÃª][OÓÒÔÖÕº]"},
        {"piñón", "P[IÍÌÎÏ]*[OÓÒÔÖÕº]N"},
        {"driver's", "DR[IÍÌÎÏ]V[EÉÈÊË]R*S"},
        {"5ª", "5[AÁÀÂÄÃª]"},
        {"", ""},
        {" .,;' ", ""},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(Pesquisa::PadraoTextoPesquisa(QString::fromUtf8(c.texto)), QString::fromUtf8(c.padrao)) << c.texto;
    // One unaccented word: the pattern of the design, unchanged.
    for (const char* palavra : {"engrenagem", "Rolamento", "501", "x9", "CUBO"})
        EXPECT_EQ(Pesquisa::PadraoTextoPesquisa(QLatin1String(palavra)),
                  Modulo::PreparaTextoPesquisa(Modulo::SomenteLetrasDigitos(QLatin1String(palavra)), true));
}

TEST(SqlPesquisaVeiculos, WithAndWithoutMaker)
{
    const QString base = QStringLiteral("SELECT VEICULO.DescricaoVeiculoP As Veiculo,FABRICANTE.DescricaoFabricanteP AS "
                                        "Fabricante,VEICULO.CodigoVeiculo AS Codigo FROM VEICULO INNER JOIN FABRICANTE ON "
                                        "VEICULO.CodigoFabricante = FABRICANTE.CodigoFabricante ");
    EXPECT_EQ(Pesquisa::SqlPesquisaVeiculos({}, 0, QStringLiteral("P")), base + "ORDER BY 1,2");
    EXPECT_EQ(Pesquisa::SqlPesquisaVeiculos(QStringLiteral("bus"), 0, QStringLiteral("P")),
              base + "WHERE VEICULO.DescricaoVeiculoPesquisaP LIKE '*B[UÚÙÛÜ]S*' ORDER BY 1,2");
    EXPECT_EQ(Pesquisa::SqlPesquisaVeiculos({}, 7, QStringLiteral("P")), base + "WHERE VEICULO.CodigoFabricante = 7 ORDER BY 1,2");
    QString ingles = base;
    ingles.replace(QStringLiteral("P As"), QStringLiteral("I As")).replace(QStringLiteral("P AS"), QStringLiteral("I AS"));
    EXPECT_EQ(Pesquisa::SqlPesquisaVeiculos(QStringLiteral("Caminhão 4x2"), 12, QStringLiteral("I")),
              ingles + "WHERE VEICULO.DescricaoVeiculoPesquisaI LIKE "
                       "'*[CÇ][AÁÀÂÄÃª]M[IÍÌÎÏ]NH[AÁÀÂÄÃª][OÓÒÔÖÕº]*4X2*' AND VEICULO.CodigoFabricante = 12 ORDER BY 1,2");
}

TEST(SqlCombos, ManufacturersAndTypesPerEdition)
{
    EXPECT_EQ(Pesquisa::SqlComboFabricantes(QStringLiteral("TODOS OS FABRICANTES"), QStringLiteral("P")),
              QStringLiteral("SELECT FABRICANTE.DescricaoFabricanteP AS DescricaoFabricante,FABRICANTE.CodigoFabricante,"
                             "FABRICANTE.DescricaoFabricanteP AS OrderBy FROM FABRICANTE UNION ALL SELECT 'TODOS OS "
                             "FABRICANTES' AS DescricaoFabricante,0 AS CodigoFabricante,'' AS OrderBy FROM CODIGOFABRICANTE "
                             "ORDER BY OrderBy"));
    EXPECT_TRUE(Pesquisa::SqlComboFabricantes(QStringLiteral("L'ALL"), QStringLiteral("E"))
                    .contains(QStringLiteral("SELECT 'L''ALL' AS DescricaoFabricante")));

    const QString tiposD = QStringLiteral(
        "SELECT CodigoTipoPeca,DescricaoTipoPecaP AS DescricaoTipoPeca,1 AS OrderBy FROM TIPOPECA UNION ALL SELECT ' ' AS "
        "CodigoTipoPeca, 'TODOS' AS DescricaoTipoPeca, 0 AS OrderBy FROM CODIGOFABRICANTE UNION ALL SELECT '3' AS "
        "CodigoTipoPeca, 'TODOS OS CONJUNTOS' AS DescricaoTipoPeca, 2 AS OrderBy FROM CODIGOFABRICANTE UNION ALL SELECT '1' "
        "AS CodigoTipoPeca, 'Jogo de Reparo' AS DescricaoTipoPeca, 3 AS OrderBy FROM CODIGOFABRICANTE UNION ALL SELECT '2' "
        "AS CodigoTipoPeca, 'Componente' AS DescricaoTipoPeca, 4 AS OrderBy FROM CODIGOFABRICANTE ORDER BY 3,2");
    EXPECT_EQ(Pesquisa::SqlComboTiposPeca(QStringLiteral("D"), QStringLiteral("P")), tiposD);
    QString semConjuntos = tiposD;
    semConjuntos.remove(QStringLiteral("UNION ALL SELECT '3' AS CodigoTipoPeca, 'TODOS OS CONJUNTOS' AS DescricaoTipoPeca, "
                                       "2 AS OrderBy FROM CODIGOFABRICANTE "));
    for (const char* ed : {"V", "A", "M"})
        EXPECT_EQ(Pesquisa::SqlComboTiposPeca(QLatin1String(ed), QStringLiteral("P")), semConjuntos) << ed;
    EXPECT_EQ(Pesquisa::SqlComboTiposPeca(QStringLiteral("M"), QStringLiteral("I")),
              QStringLiteral("SELECT CodigoTipoPeca,DescricaoTipoPecaI AS DescricaoTipoPeca,1 AS OrderBy FROM TIPOPECA UNION "
                             "ALL SELECT ' ' AS CodigoTipoPeca, 'ALL' AS DescricaoTipoPeca, 0 AS OrderBy FROM "
                             "CODIGOFABRICANTE UNION ALL SELECT '1' AS CodigoTipoPeca, 'Repair Kit' AS DescricaoTipoPeca, "
                             "3 AS OrderBy FROM CODIGOFABRICANTE UNION ALL SELECT '2' AS CodigoTipoPeca, 'Component' AS "
                             "DescricaoTipoPeca, 4 AS OrderBy FROM CODIGOFABRICANTE ORDER BY 3,2"));
}

TEST(SqlListaPecas, TheFourKinds)
{
    EXPECT_EQ(Pesquisa::SqlListaPecas(QStringLiteral("COM"), 123, QStringLiteral("P")),
              QStringLiteral("SELECT DISTINCT Format(PECA.NumeroEmpresaPeca, '0000 000 000') AS NumeroEmpresaPeca,"
                             "PECA.DescricaoPecaP AS DescricaoPeca,PECA_COMPONENTE.CodigoPeca,TIPOPECA.DescricaoTipoPecaP AS "
                             "DescricaoTipoPeca,PECA.ArquivoFotoPeca,PECA.ImagensGrid,PECA.TipoPeca FROM (PECA_COMPONENTE "
                             "INNER JOIN PECA ON PECA_COMPONENTE.CodigoPeca = PECA.CodigoPeca) LEFT JOIN TIPOPECA ON "
                             "PECA.TipoPeca = TIPOPECA.CodigoTipoPeca WHERE PECA_COMPONENTE.CodigoComponente = 123 ORDER BY 1"));
    const QString colunas = QStringLiteral("Format(PECA.NumeroEmpresaPeca, '0000 000 000') AS NumeroEmpresaPeca,"
                                           "PECA.DescricaoPecaE AS DescricaoPeca,%1,TIPOPECA.DescricaoTipoPecaE AS "
                                           "DescricaoTipoPeca,PECA.ArquivoFotoPeca,PECA.ImagensGrid,PECA.TipoPeca FROM ");
    const QString tipo = QStringLiteral("LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca WHERE ");
    EXPECT_EQ(Pesquisa::SqlListaPecas(QStringLiteral("JRE"), 900001, QStringLiteral("E")),
              "SELECT DISTINCT " + colunas.arg("PECA_COMPONENTE_JOGOREPARO.CodigoPeca") +
                  "(PECA_COMPONENTE_JOGOREPARO INNER JOIN PECA ON PECA_COMPONENTE_JOGOREPARO.CodigoPeca = PECA.CodigoPeca) " +
                  tipo + "PECA_COMPONENTE_JOGOREPARO.CodigoJogoReparo = 900001 ORDER BY 1");
    EXPECT_EQ(Pesquisa::SqlListaPecas(QStringLiteral("PCA"), 7, QStringLiteral("E")),
              "SELECT " + colunas.arg("PECA.CodigoPeca") + "PECA " + tipo + "PECA.CodigoPeca = 7 ORDER BY 1");
    EXPECT_EQ(Pesquisa::SqlListaPecas(QStringLiteral("VEI"), 12, QStringLiteral("E")),
              "SELECT " + colunas.arg("VEICULO_PECA.CodigoPeca") +
                  "(VEICULO_PECA INNER JOIN PECA ON VEICULO_PECA.CodigoPeca = PECA.CodigoPeca) " + tipo +
                  "VEICULO_PECA.CodigoVeiculo = 12 ORDER BY 1");
    EXPECT_EQ(tqtest::errorNumberOf([] { Pesquisa::SqlListaPecas(QStringLiteral("XYZ"), 1, QStringLiteral("P")); }),
              platform::errors::InvalidProcedureCall);

    EXPECT_EQ(Pesquisa::SolicitacaoLocalizacaoLista(QStringLiteral("COM"), 123), QStringLiteral("C:123:C"));
    EXPECT_EQ(Pesquisa::SolicitacaoLocalizacaoLista(QStringLiteral("JRE"), 900001), QStringLiteral("J:900001:J"));
    EXPECT_EQ(Pesquisa::SolicitacaoLocalizacaoLista(QStringLiteral("PCA"), 5), QString());
    EXPECT_EQ(Pesquisa::SolicitacaoLocalizacaoLista(QStringLiteral("VEI"), 5), QString());
}

TEST(Criterios, ReselectionTextsQuoteTheirTexts)
{
    EXPECT_EQ(Pesquisa::CriterioLinhaPesquisa(QStringLiteral("Componente"), 100001),
              QStringLiteral("Tipo = 'Componente' AND Codigo = 100001"));
    EXPECT_EQ(Pesquisa::CriterioLinhaPesquisa(QStringLiteral("Driver's box"), 3),
              QStringLiteral("Tipo = 'Driver''s box' AND Codigo = 3"));
    EXPECT_EQ(Pesquisa::CriterioLinhaPesquisa({}, 3), QStringLiteral("(Tipo Is Null OR Tipo = '') AND Codigo = 3"));
    EXPECT_EQ(Pesquisa::CriterioTipoPeca(QStringLiteral(" ")), QStringLiteral("CodigoTipoPeca=' '"));
    EXPECT_EQ(Pesquisa::CriterioFabricante(0), QStringLiteral("CodigoFabricante = 0"));
    EXPECT_EQ(Pesquisa::CriterioVeiculo(12), QStringLiteral("Codigo = 12"));
    EXPECT_EQ(Pesquisa::CriterioConjunto(44), QStringLiteral("CodigoPeca = 44"));
}

}  // namespace
