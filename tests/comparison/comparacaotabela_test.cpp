// The comparison table on the demo catalogue's comparison pair: every case
// of the merge, the filters and orders of the list, a re-sort that keeps the
// component, the texts of a language, and a build that fails half-way.

#include "comparison/comparacaotabela.h"

#include "cmpfixture.h"
#include "core/globals.h"
#include "core/runtables.h"

#include <QSet>

#include <sqlite3.h>

#include <map>

using namespace Comparacao;
using namespace platform::dao;

namespace {

const QChar CR(13);
const QVariant Null;

struct Linha {
    QString numero, descricao;
    QVariant q1, q2;
    QString flags;
    int iguais = -1;
};

class ComparisonTable : public cmptest::CatalogueTest {
protected:
    void TearDown() override
    {
        if (!m_tabela.isEmpty() && Modulo::gDbAuxiliar)
            Modulo::ExcluiTabela(Modulo::gDbAuxiliar, m_tabela);
        cmptest::CatalogueTest::TearDown();
    }

    long Build(long a, long b)
    {
        return ConstroiTabelaComparacao(Modulo::gDbDazadize, Modulo::gWsAuxiliar, Modulo::gDbAuxiliar, a, b,
                                        Modulo::gIdioma, m_tabela);
    }

    std::map<long, Linha> Table()
    {
        std::map<long, Linha> out;
        for (const auto& r : Rows(Modulo::gDbAuxiliar, QStringLiteral("SELECT * FROM ") + m_tabela))
            out[r[0].toLongLong()] = {r[1].toString(), r[2].toString(), r[3], r[4], r[5].toString(), r[6].toInt()};
        return out;
    }

    QStringList CmpTables()
    {
        QStringList names;
        for (const TableDef& t : Modulo::gDbAuxiliar->TableDefs())
            if (t.Name().startsWith(QLatin1String("Cmp_")))
                names << t.Name();
        return names;
    }

    QString m_tabela;
};

TEST(ComparisonQuery, GroupedQueryTextIsExact)
{
    EXPECT_EQ(ConsultaComponentesComparacao(1234, QStringLiteral("E")),
              QStringLiteral(
                  "SELECT PECA_COMPONENTE.CodigoComponente,Format(Min(COMPONENTE.NumeroEmpresaComponente), '0000 000 000') "
                  "AS NumeroEmpresaComponente,Min(COMPONENTE.DescricaoComponenteE) AS DescricaoComponente,"
                  "Sum(IIF(IsNumeric(PECA_COMPONENTE.QuantidadeComponente), Val(PECA_COMPONENTE.QuantidadeComponente), 0)) "
                  "AS QuantidadeComponente,Max(Mid(PECA_COMPONENTE.ImagensGrid, 2, 1)) AS Opcional FROM PECA_COMPONENTE "
                  "INNER JOIN COMPONENTE ON PECA_COMPONENTE.CodigoComponente = COMPONENTE.CodigoComponente WHERE "
                  "PECA_COMPONENTE.FlagOpcionalComponente = 0 AND PECA_COMPONENTE.CodigoPeca = 1234  AND "
                  "IsNumeric(PECA_COMPONENTE.QuantidadeComponente) GROUP BY PECA_COMPONENTE.CodigoComponente ORDER BY "
                  "PECA_COMPONENTE.CodigoComponente"));
}

TEST(ComparisonQuery, ValuesOfOneRow)
{
    LinhaComparacao a{17, QStringLiteral("0501 123 456"), QStringLiteral("D'ÁGUA"), 3, QStringLiteral(" ")};
    LinhaComparacao b{17, QStringLiteral("0501 123 456"), QStringLiteral("other"), 2.5, QStringLiteral("\r")};
    EXPECT_EQ(MontaValoresComparacao(&a, &b, 0), QStringLiteral("17,'0501 123 456','D''ÁGUA','3','2.5','   ',0"));
    EXPECT_EQ(MontaValoresComparacao(nullptr, &b, 0), QStringLiteral("17,'0501 123 456','other',Null,'2.5','\r\r ',0"));
    LinhaComparacao semTexto{5, Null, Null, 1, Null};
    EXPECT_EQ(MontaValoresComparacao(&semTexto, nullptr, 0), QStringLiteral("5,'','','1',Null,'\r \r',0"));
    EXPECT_TRUE(QuantidadesIguais(0.1 + 0.2, 0.3));
    EXPECT_FALSE(QuantidadesIguais(2, 3));
    EXPECT_EQ(TextoQuantidade(3.0), QStringLiteral("3"));
}

TEST_F(ComparisonTable, EveryCaseOfThePair)
{
    Open(QStringLiteral("V"));
    const demo::Summary& s = *m_summary;
    EXPECT_EQ(Build(s.comparisonFirst, s.comparisonSecond), 14);
    const std::map<long, Linha> t = Table();
    ASSERT_EQ(t.size(), 14u);

    const QString both = QStringLiteral("  ");
    const struct Case {
        const char* name;
        long code;
        QVariant q1, q2;
        QString flags;
        int iguais;
    } cases[] = {
        {"only in the first", s.cmpOnlyFirst, "1", Null, QString(CR) + ' ' + CR, 0},
        {"only in the second, with alternatives there", s.cmpOnlySecond, Null, "4", QString(' ') + CR + ' ', 0},
        {"2 and 2", s.cmpEqual, "2", "2", CR + both, 1},
        {"2 and 3", s.cmpDifferent, "2", "3", CR + both, 0},
        {"1 + 2 at two items and 3", s.cmpTwoItems, "3", "3", CR + both, 1},
        {"02 and 2", s.cmpLeadingZero, "2", "2", CR + both, 1},
        {"A/R and 1", s.cmpNonNumericFirst, Null, "1", QString(CR) + CR + ' ', 0},
        {"2.5 and 3", s.cmpHalf, "2.5", "3", CR + both, 0},
        {"Null flags", s.cmpNullFlags, "1", "1", CR + both, 1},
        {"apostrophe", s.cmpApostrophe, "1", "1", CR + both, 1},
        {"long description", s.cmpLongDescription, "1", Null, QString(CR) + ' ' + CR, 0},
        {"0.1 + 0.2 and 0.3", s.cmpTenths, "0.3", "0.3", CR + both, 1},
        {"alternatives in the first", s.cmpWithAlternatives, "1", "1", QStringLiteral("   "), 1},
        {"outside the code page", s.cmpOutsideCodePage, Null, "1", QString(CR) + CR + ' ', 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(t.count(c.code));
        const Linha& l = t.at(c.code);
        EXPECT_EQ(l.q1, c.q1);
        EXPECT_EQ(l.q2, c.q2);
        EXPECT_EQ(l.flags, c.flags);
        EXPECT_EQ(l.iguais, c.iguais);
        EXPECT_EQ(l.numero.size(), 12);
    }
    EXPECT_FALSE(t.count(s.cmpNonNumericBoth)) << "non-numeric on both sides";
    EXPECT_FALSE(t.count(s.cmpOptionalOnly)) << "an optional alternative never enters";
    EXPECT_EQ(t.at(s.cmpApostrophe).descricao, QStringLiteral("PROTETOR D'ÁGUA DO EIXO PILOTO"));
    EXPECT_EQ(t.at(s.cmpLongDescription).descricao.size(), 60) << "stored whole";
    EXPECT_TRUE(t.at(s.cmpOutsideCodePage).descricao.contains(QChar(0x2264)));
}

TEST_F(ComparisonTable, TextsOfTheLanguage)
{
    Open(QStringLiteral("V"), QStringLiteral("I"));
    Build(m_summary->comparisonFirst, m_summary->comparisonSecond);
    const std::map<long, Linha> t = Table();
    EXPECT_EQ(t.at(m_summary->cmpApostrophe).descricao, QStringLiteral("PILOT SHAFT'S WATER SHIELD"));
    EXPECT_EQ(t.at(m_summary->cmpEqual).descricao, QStringLiteral("TAPER ROLLER BEARING"));
}

TEST_F(ComparisonTable, AnAssemblyWithoutRegularComponentsMakesEveryRowOneSided)
{
    Open(QStringLiteral("V"));
    EXPECT_EQ(Build(m_summary->comparisonNoRegular, m_summary->comparisonFirst), 11);
    for (const auto& [code, l] : Table()) {
        EXPECT_EQ(l.iguais, 0);
        EXPECT_FALSE(l.q1.isValid());
        EXPECT_TRUE(l.q2.isValid());
    }
}

TEST_F(ComparisonTable, FiltersOrdersAndAResortKeepingTheComponent)
{
    Open(QStringLiteral("V"));
    const demo::Summary& s = *m_summary;
    DataControl dtc;
    QString tagFiltro, tagOrdem;
    int redraws = 0, scrolls = 0;
    ContextoComparacao c;
    c.catalogo = Modulo::gDbDazadize;
    c.wsAuxiliar = Modulo::gWsAuxiliar;
    c.auxiliar = Modulo::gDbAuxiliar;
    c.idioma = QStringLiteral("P");
    c.codigoPeca = s.comparisonFirst;
    c.codigoPecaComparacao = s.comparisonSecond;
    c.tabela = &m_tabela;
    c.tagFiltro = &tagFiltro;
    c.tagOrdem = &tagOrdem;
    c.dataControl = &dtc;
    c.analisarScroll = [&] { ++scrolls; };
    c.atualizaGrid = [&] { ++redraws; };

    // The first showing builds and binds without redrawing.
    AtualizaGridComparacao(c, QString(), kFiltroDiferentes, kOrdemNumero, true, false);
    EXPECT_TRUE(m_tabela.startsWith(QLatin1String("Cmp_")));
    EXPECT_EQ(dtc.RecordSource(), QStringLiteral("SELECT * FROM ") + m_tabela + QStringLiteral(" WHERE Iguais = 0 ORDER BY NumeroEmpresaComponente"));
    EXPECT_EQ(dtc.Database(), Modulo::gDbAuxiliar);
    EXPECT_EQ(tagFiltro, QStringLiteral("0"));
    EXPECT_EQ(tagOrdem, kOrdemNumero);
    EXPECT_EQ(redraws, 0);
    EXPECT_EQ(scrolls, 1);
    const QString built = m_tabela;

    auto listed = [&](int column) {
        QStringList out;
        const RecordsetPtr rs = dtc.Recordset();
        for (long r = 0; r < rs->RecordCount(); ++r)
            out << rs->ValueAt(r, column).toString();
        return out;
    };
    const struct { int filtro; QString ordem; int rows; int sortColumn; } views[] = {
        {0, kOrdemNumero, 7, 1}, {1, kOrdemNumero, 7, 1}, {2, kOrdemDescricao, 14, 2}, {7, kOrdemDescricao, 14, 2}, {1, kOrdemDescricao, 7, 2},
    };
    for (const auto& v : views) {
        SCOPED_TRACE(v.filtro);
        AtualizaGridComparacao(c, QString(), v.filtro, v.ordem, false, true);
        EXPECT_EQ(m_tabela, built) << "no rebuild";
        const QStringList keys = listed(v.sortColumn);
        EXPECT_EQ(keys.size(), v.rows);
        QStringList sorted = keys;
        std::sort(sorted.begin(), sorted.end(), [](const QString& x, const QString& y) { return QString::localeAwareCompare(x, y) < 0; });
        if (v.ordem == kOrdemNumero) {
            EXPECT_EQ(keys, sorted);
        }
        for (const QString& iguais : listed(6)) {
            if (v.filtro == 0 || v.filtro == 1) {
                EXPECT_EQ(iguais.toInt(), v.filtro);
            }
        }
    }
    EXPECT_EQ(redraws, 5);

    // Re-sorting by description with the half-litre row current keeps it.
    AtualizaGridComparacao(c, QString(), kFiltroDiferentes, kOrdemNumero, false, true);
    const int before = redraws;
    AtualizaGridComparacao(c, QString::number(s.cmpHalf), kFiltroDiferentes, kOrdemDescricao, false, false);
    EXPECT_EQ(redraws, before + 1);
    EXPECT_EQ(dtc.Recordset()->Value(QStringLiteral("CodigoComponente")).toLongLong(), s.cmpHalf);
    EXPECT_EQ(tagOrdem, kOrdemDescricao);
}

// Refuses the n-th preparation of an INSERT into a comparison table (rows of
// a new shape are prepared when they come: the third one comes half-way).
int RefuseInsert(void* state, int action, const char* table, const char*, const char*, const char*)
{
    int& remaining = *static_cast<int*>(state);
    if (action == SQLITE_INSERT && table && QByteArray(table).startsWith("Cmp_") && --remaining <= 0)
        return SQLITE_DENY;
    return SQLITE_OK;
}

TEST_F(ComparisonTable, AFailingInsertLeavesNoTable)
{
    Open(QStringLiteral("V"));
    const demo::Summary& s = *m_summary;
    Build(s.comparisonFirst, s.comparisonSecond);
    ASSERT_EQ(CmpTables(), QStringList{m_tabela});

    int remaining = 3;
    sqlite3_set_authorizer(Modulo::gDbAuxiliar->nativeHandle(), RefuseInsert, &remaining);
    EXPECT_THROW(Build(s.comparisonFirst, s.comparisonSecond), platform::Error);
    sqlite3_set_authorizer(Modulo::gDbAuxiliar->nativeHandle(), nullptr, nullptr);

    EXPECT_TRUE(m_tabela.isEmpty());
    EXPECT_TRUE(CmpTables().isEmpty()) << "the previous table dropped, the new one rolled back";
    EXPECT_FALSE(Modulo::gWsAuxiliar->InTransaction());
    EXPECT_EQ(Build(s.comparisonFirst, s.comparisonSecond), 14) << "the next build works";

    // Through the list's routine: the list is left without rows.
    DataControl dtc;
    ContextoComparacao c;
    c.catalogo = Modulo::gDbDazadize;
    c.wsAuxiliar = Modulo::gWsAuxiliar;
    c.auxiliar = Modulo::gDbAuxiliar;
    c.idioma = QStringLiteral("P");
    c.codigoPeca = s.comparisonFirst;
    c.codigoPecaComparacao = s.comparisonSecond;
    c.tabela = &m_tabela;
    c.dataControl = &dtc;
    AtualizaGridComparacao(c, QString(), kFiltroTodos, kOrdemNumero, false, false);
    ASSERT_TRUE(dtc.Recordset());
    remaining = 3;
    sqlite3_set_authorizer(Modulo::gDbAuxiliar->nativeHandle(), RefuseInsert, &remaining);
    EXPECT_THROW(AtualizaGridComparacao(c, QString(), kFiltroTodos, kOrdemNumero, true, false), platform::Error);
    sqlite3_set_authorizer(Modulo::gDbAuxiliar->nativeHandle(), nullptr, nullptr);
    EXPECT_FALSE(dtc.Recordset());
    EXPECT_TRUE(m_tabela.isEmpty());
}

}  // namespace
