// The comparison screens' computations: screen 8's header, title per
// edition, geometry, columns and select-all per filter and side; screen 9's
// lookup of a typed number and its caption per edition.

#include "comparison/comparacaotela.h"

#include "cmpfixture.h"
#include "core/globals.h"
#include "core/runtables.h"
#include "listcontrols/thcolumns.h"
#include "platform/base/vbruntime.h"
#include "support/fakemessagebox.h"

using namespace Comparacao;
using namespace platform::dao;

namespace {

QString Formatted(const QString& n) { return platform::vb::FormatText(n, QStringLiteral("0000 000 000")); }

class ComparisonScreen : public cmptest::CatalogueTest {
protected:
    void TearDown() override
    {
        if (!m_tabela.isEmpty() && Modulo::gDbAuxiliar)
            Modulo::ExcluiTabela(Modulo::gDbAuxiliar, m_tabela);
        cmptest::CatalogueTest::TearDown();
    }
    void Build(long a, long b)
    {
        ConstroiTabelaComparacao(Modulo::gDbDazadize, Modulo::gWsAuxiliar, Modulo::gDbAuxiliar, a, b, Modulo::gIdioma, m_tabela);
    }
    QString m_tabela;
};

TEST_F(ComparisonScreen, HeaderAndTitlePerEdition)
{
    Open(QStringLiteral("V"));
    const demo::Summary& s = *m_summary;
    // The second assembly named first in the IN list still lands on side 1.
    const auto lados = LeCabecalhoComparacao(Modulo::gDbDazadize, s.comparisonSecond, s.comparisonFirst, QStringLiteral("P"));
    EXPECT_EQ(lados[0].codigo, QString::number(s.comparisonSecond));
    EXPECT_EQ(lados[1].codigo, QString::number(s.comparisonFirst));
    EXPECT_EQ(lados[1].numero, Formatted(s.comparisonFirstNumber));
    EXPECT_TRUE(lados[1].descricao.endsWith(QLatin1String("901")));
    EXPECT_EQ(lados[0].tipo, s.comparisonType);

    const struct { const char* edition; const char* language; QString type; QString word; } titles[] = {
        {"V", "P", "T", "Transmissões"}, {"V", "I", "E", "Axles"}, {"A", "E", "T", "Transmisiones"},
        {"D", "I", "B", "Oil Pump"},     {"M", "P", "R", "Reversor Marítmo"}, {"M", "P", "'", ""},
    };
    for (const auto& t : titles) {
        SCOPED_TRACE(std::string(t.edition) + t.language + t.type.toStdString());
        Open(QLatin1String(t.edition));
        EXPECT_EQ(TituloComparacao(Modulo::gDbDazadize, QLatin1String(t.edition), QLatin1String(t.language), t.type,
                                   QStringLiteral("0501 123 456"), QStringLiteral("1269 000 001")),
                  t.word + QStringLiteral(": 0501 123 456  /  1269 000 001"));
    }
}

TEST(ComparisonScreenLayout, GeometryAndColumnsPerEdition)
{
    const GeometriaComparacao v = GeometriaTelaComparacao(QStringLiteral("V"));
    const GeometriaComparacao m = GeometriaTelaComparacao(QStringLiteral("M"));
    EXPECT_EQ(v.listaLargura, 565);
    EXPECT_EQ(m.listaLargura, 684);
    EXPECT_EQ(v.listaAltura, 340);
    EXPECT_EQ(m.lblNumeroEmpresaPeca, (std::array<int, 2>{507, 600}));
    EXPECT_EQ(m.imgTitQuantidade, (std::array<int, 2>{557, 611}));
    EXPECT_EQ(m.imgSelecionarTodos, (std::array<int, 2>{509, 602}));
    EXPECT_EQ(m.linComparacao, (std::array<int, 2>{505, 598}));
    EXPECT_TRUE(v.painelReferencia);
    EXPECT_FALSE(m.painelReferencia);

    const QStringList cols = ColunasComparacao(QStringLiteral("V"), QStringLiteral("P"));
    EXPECT_EQ(cols, (QStringList{
                        "|2|330|F|6|Incluir Item no Carrinho|99", "NumeroEmpresaComponente|0|1335|T|6",
                        "DescricaoComponente|0|3435|T|6", "ImagensGrid|2|420|I|1|Opcional|0", "|2|600|I|6|Figura|99",
                        "QuantidadeComponente1|1|795|T|1", "QuantidadeComponente2|1|795|T|6", "|2|600|I|6|Figura|99"}));
    const QStringList colsM = ColunasComparacao(QStringLiteral("M"), QStringLiteral("I"));
    EXPECT_EQ(colsM[2], QStringLiteral("DescricaoComponente|0|5280|T|6"));
    EXPECT_EQ(colsM[0], QStringLiteral("|2|330|F|6|Add Item to the Cart|99"));
    for (const QString& c : colsM)
        EXPECT_NO_THROW(THLayout::LeEspecificacao(c)) << c.toStdString();
    EXPECT_EQ(LegendaExibirComparacao(QStringLiteral("P")), QStringLiteral("  Exibir:  "));
    EXPECT_EQ(LegendasFiltroComparacao(QStringLiteral("I"))[1], QStringLiteral("Components common to the sets"));
}

TEST_F(ComparisonScreen, SelectAllPerFilterAndSide)
{
    Open(QStringLiteral("V"));
    const demo::Summary& s = *m_summary;
    Build(s.comparisonFirst, s.comparisonSecond);
    EXPECT_EQ(ConsultaSelecionarTodos(QStringLiteral("Cmp_X"), 1, QStringLiteral("0"), kOrdemNumero),
              QStringLiteral("SELECT CodigoComponente,QuantidadeComponente2 AS QuantidadeComponente,Left(ImagensGrid, 1) AS "
                             "Opcional FROM Cmp_X WHERE QuantidadeComponente2 Is Not Null AND Iguais = 0  ORDER BY "
                             "NumeroEmpresaComponente"));
    for (const QString& filtro : {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")})
        for (int lado : {0, 1}) {
            SCOPED_TRACE((filtro + QString::number(lado)).toStdString());
            std::vector<std::tuple<long, QString, bool>> added;
            int effects = 0;
            const int n = SelecionaTodosComparacao(
                Modulo::gDbAuxiliar, m_tabela, lado, filtro, kOrdemDescricao,
                [&](const QString& t, long c, const QString& q, bool o, bool e) {
                    EXPECT_EQ(t, QStringLiteral("COM"));
                    EXPECT_FALSE(e);
                    added.emplace_back(c, q, o);
                },
                [&] { ++effects; });
            // What the table holds for that side and filter, in description order.
            const QString where = filtro == QLatin1String("2") ? QString() : QStringLiteral(" AND Iguais = ") + filtro;
            const auto rows = Rows(Modulo::gDbAuxiliar, QStringLiteral("SELECT CodigoComponente, QuantidadeComponente%1, ImagensGrid FROM %2 "
                                                                       "WHERE QuantidadeComponente%1 Is Not Null%3 ORDER BY DescricaoComponente")
                                                            .arg(lado + 1).arg(m_tabela, where));
            ASSERT_EQ(added.size(), rows.size());
            EXPECT_EQ(n, int(rows.size()));
            for (std::size_t i = 0; i < rows.size(); ++i)
                EXPECT_EQ(added[i], std::make_tuple(long(rows[i][0].toLongLong()), rows[i][1].toString(),
                                                    rows[i][2].toString().startsWith(QLatin1Char(' '))));
            EXPECT_EQ(effects, 1);
        }
    // Under "different" the first side adds what only it has, never what only
    // the second has; the half litre goes in with the first side's 2.5.
    std::map<long, QString> first;
    SelecionaTodosComparacao(Modulo::gDbAuxiliar, m_tabela, 0, QStringLiteral("0"), kOrdemNumero,
                             [&](const QString&, long c, const QString& q, bool, bool) { first[c] = q; }, {});
    EXPECT_TRUE(first.count(s.cmpOnlyFirst));
    EXPECT_FALSE(first.count(s.cmpOnlySecond));
    EXPECT_EQ(first[s.cmpHalf], QStringLiteral("2.5"));
}

TEST_F(ComparisonScreen, SelectAllOfASideWithoutRowsShowsTheMessage)
{
    Open(QStringLiteral("V"));
    Build(m_summary->comparisonNoRegular, m_summary->comparisonFirst);
    tqtest::FakeMessageBoxes boxes;
    int added = 0, effects = 0;
    EXPECT_EQ(SelecionaTodosComparacao(Modulo::gDbAuxiliar, m_tabela, 0, QStringLiteral("2"), kOrdemNumero,
                                       [&](const QString&, long, const QString&, bool, bool) { ++added; }, [&] { ++effects; }),
              0);
    EXPECT_EQ(added + effects, 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.last().text, QStringLiteral("Nenhum Item Encontrado."));
    EXPECT_EQ(boxes.last().style, platform::vbCritical);
    EXPECT_EQ(boxes.last().title, QStringLiteral("Razovovu TQ - Vizureru"));
}

TEST_F(ComparisonScreen, TypedNumbersAndTheirCaptionsPerEdition)
{
    for (const char* e : {"V", "D", "M"}) {
        SCOPED_TRACE(e);
        const QString edition = QLatin1String(e);
        Open(edition);
        const demo::Summary& s = *m_summary;
        RecordsetPtr pecas = Modulo::gDbDazadize->OpenRecordset(ConsultaPecasComparacao(QStringLiteral("P")), dbOpenSnapshot);
        const QString n = s.comparisonFirstNumber;
        const QString description = Rows(Modulo::gDbDazadize, QStringLiteral("SELECT DescricaoPecaP FROM PECA WHERE CodigoPeca = %1")
                                                                  .arg(s.comparisonFirst))[0][0].toString();
        const QString typed[] = {n, QStringLiteral("00") + n, n.left(4) + QStringLiteral(" ") + n.mid(4, 3) + QStringLiteral("-") + n.mid(7)};
        for (const QString& t : typed) {
            const EscolhaComparacao found = ProcuraPecaComparacao(pecas, Modulo::gDbDazadize, edition, QStringLiteral("P"), t);
            ASSERT_TRUE(found.encontrada()) << t.toStdString();
            EXPECT_EQ(found.codigo, QString::number(s.comparisonFirst));
            EXPECT_EQ(found.tipo, s.comparisonType);
            const QString expected = edition == QLatin1String("D")   ? description
                                     : edition == QLatin1String("M") ? QStringLiteral("Reversor Marítmo: ") + description
                                                                     : QStringLiteral("Transmissão: ") + description;
            EXPECT_EQ(found.legenda, expected);
        }
        EXPECT_FALSE(ProcuraPecaComparacao(pecas, Modulo::gDbDazadize, edition, QStringLiteral("P"), n + QStringLiteral("9")).encontrada());
        EXPECT_FALSE(ProcuraPecaComparacao(pecas, Modulo::gDbDazadize, edition, QStringLiteral("P"), QString()).encontrada());
        EXPECT_EQ(PesquisaVeiculoComparacao(edition), edition != QLatin1String("M"));
    }
    // Lower-case letters in a typed number.
    EXPECT_EQ(CriterioNumeroComparacao(QStringLiteral(" 0ab-12 ")), QStringLiteral("NumeroEmpresaPeca='AB12'"));
    // An axle in edition V.
    Open(QStringLiteral("V"));
    EXPECT_EQ(LegendaPecaComparacao(Modulo::gDbDazadize, QStringLiteral("V"), QStringLiteral("E"), QStringLiteral("E"), QStringLiteral("X")),
              QStringLiteral("Eje: X"));
}

}  // namespace
