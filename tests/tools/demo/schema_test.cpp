// The demo catalogue of every edition holds every table and column that the
// catalogue program, the update checker and the update run read, with the
// value rules of the catalogue (codes numeric; numbers, items and quantities
// text; flag strings of blanks and carriage returns).

#include "fixture.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>

#include <gtest/gtest.h>

using demotest::Folder;

namespace {

struct Read {
    QString table;
    QStringList columns;  // "<I>" stands for the three language columns
};

// What the programs read, table by table (the oracle of these tests: written
// from the programs' queries, not from the generator's schema).
const std::vector<Read>& ProgramReads()
{
    static const std::vector<Read> reads = {
        {"PECA", {"CodigoPeca", "NumeroEmpresaPeca", "DescricaoPeca<I>", "DescricaoPecaPesquisa<I>", "TipoPeca", "ImagensGrid",
                  "ArquivoFotoPeca", "CodigoFigura", "CodigoSugestao"}},
        {"COMPONENTE", {"CodigoComponente", "NumeroEmpresaComponente", "DescricaoComponente<I>", "ImagensGrid"}},
        {"JOGOREPARO", {"CodigoJogoReparo", "NumeroEmpresaJogoReparo", "DescricaoJogoReparo<I>", "ImagensGrid"}},
        {"PECA_COMPONENTE", {"CodigoPeca", "ItemComponente", "CodigoComponente", "QuantidadeComponente", "FlagOpcionalComponente", "ImagensGrid"}},
        {"PECA_COMPONENTE_JOGOREPARO", {"CodigoPeca", "ItemComponente", "CodigoJogoReparo"}},
        {"SUGESTAO_COMPONENTE", {"CodigoSugestao", "ItemComponente", "ItemComponenteSugestao", "QuantidadeComponente"}},
        {"SUGESTAO_JOGOREPARO", {"CodigoSugestao", "ItemComponente", "CodigoJogoReparo"}},
        {"FIGURADETALHADA1", {"CodigoFiguraDetalhada", "CodigoPeca", "NumeroParte", "ArquivoFigura", "ItemComponente", "ItemComponenteResumido",
                              "PosicaoLeft", "PosicaoTop", "DescricaoParte<I>"}},
        {"FIGURADETALHADA", {"CodigoFigura", "ItemComponente", "NumeroParte"}},
        {"PARTESFIGURA", {"CodigoFigura", "NumeroParte", "DescricaoParte<I>"}},
        {"TIPOPECA", {"CodigoTipoPeca", "DescricaoTipoPeca<I>"}},
        {"FABRICANTE", {"CodigoFabricante", "DescricaoFabricante<I>"}},
        {"VEICULO", {"CodigoVeiculo", "CodigoFabricante", "DescricaoVeiculo<I>", "DescricaoVeiculoPesquisa<I>"}},
        {"VEICULO_PECA", {"CodigoVeiculo", "CodigoPeca"}},
        {"REFERENCIACRUZADA", {"NumeroEmpresa", "CodigoFabricante", "NumeroFabricante"}},
        {"CODIGOFABRICANTE", {"*"}},
        {"APLICACAOOBS_Componente", {"CodigoObservacao", "CodigoComponente", "CodigoPeca", "ItemComponente"}},
        {"APLICACAOOBS_JOGOREPARO", {"CodigoObservacao", "CodigoJogoReparo", "CodigoPeca"}},
        {"APLICACAOOBS_Peca", {"CodigoObservacao", "CodigoPeca"}},
        {"OBSERVACAO_RAPIDA", {"CodigoObservacao", "ObservacaoRapida<I>"}},
        {"OBSERVACAO_MEMO", {"CodigoObservacao", "ObservacaoMemo<I>", "Anexos<I>"}},
        {"SUBSTITUIDOS", {"TipoItem", "CodigoItem", "CodigoItemNovo"}},
        {"UMREGISTRO", {"UrlAtualizacao", "Versao", "VersaoAnterior", "DataEmissao", "ComplementoDataEmissao", "DataUltimaVerificacao",
                        "FlagErroUltimaVerificacao"}},
        {"CONTROLETRAN", {"a"}},
    };
    return reads;
}

QStringList Expand(const QStringList& columns)
{
    QStringList out;
    for (const QString& c : columns) {
        if (c.endsWith(QLatin1String("<I>")))
            for (const char* l : {"P", "E", "I"})
                out << c.chopped(3) + QLatin1String(l);
        else
            out << c;
    }
    return out;
}

bool IsText(const QVariant& v) { return v.typeId() == QMetaType::QString; }
// Storage classes of the values in the file (the layer's own typing of
// them is the layer's business).
QStringList StorageClasses(const QString& file, const QString& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QStringList out;
    sqlite3_stmt* st = nullptr;
    const QByteArray q = sql.toUtf8();
    if (sqlite3_prepare_v2(db, q.constData(), int(q.size()), &st, nullptr) == SQLITE_OK)
        while (sqlite3_step(st) == SQLITE_ROW)
            out << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    sqlite3_finalize(st);
    sqlite3_close(db);
    return out;
}

class EditionTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { folder = demotest::Generate(demotest::Small(QLatin1String(GetParam()))); }
    Folder folder;
};

TEST_P(EditionTest, EveryTableAndColumnTheProgramsReadIsFilled)
{
    for (const Read& r : ProgramReads()) {
        SCOPED_TRACE(r.table.toStdString());
        const auto rows = folder.rows(QStringLiteral("SELECT %1 FROM %2").arg(Expand(r.columns).join(QLatin1Char(',')), r.table));
        EXPECT_FALSE(rows.empty());
        EXPECT_EQ((long long)rows.size(), folder.summary.rowCounts.value(r.table));
    }
    // One-row tables: the lock table, the constant-row source and the version record.
    for (const char* t : {"CONTROLETRAN", "CODIGOFABRICANTE", "UMREGISTRO"})
        EXPECT_EQ(folder.count(QStringLiteral("SELECT count(*) FROM %1").arg(QLatin1String(t))), 1) << t;

    const auto version = folder.rows(QStringLiteral("SELECT UrlAtualizacao, Versao, DataUltimaVerificacao FROM UMREGISTRO"));
    EXPECT_TRUE(version[0][0].toString().startsWith(QLatin1String("http://127.0.0.1:")));
    EXPECT_EQ(version[0][1].toInt(), folder.summary.version);
    EXPECT_TRUE(platform::dao::IsNull(version[0][2]));  // never checked
}

TEST_P(EditionTest, PartTypesAreTheEditionsOwn)
{
    // Editions A, D and M add a type whose English text holds an apostrophe.
    const QString apostrophe = QStringLiteral("X|Conjunto Lado do Motorista|Conjunto Lado del Conductor|Driver's Side Assembly");
    const QMap<QString, QStringList> expected = {
        {"V", {"T|Transmissão|Transmisión|Transmission"}},
        {"A", {"T|Transmissão|Transmisión|Transmission", "E|Eixo|Eje|Axle", apostrophe}},
        {"D", {"B|Bomba de Óleo|Bomba de Aceite|Oil Pump", "R|Reservatório de Óleo|Depósito de Aceite|Oil Reservoir",
               "D|Direção|Dirección|Power Steering Gear", "C|Caixa Angular|Caja Angular|Bevel Box", apostrophe}},
        {"M", {"R|Reversor Marítmo|Reversor Marina|Marine Gearbox", apostrophe}},
    };
    QStringList types;
    for (const auto& r : folder.rows(QStringLiteral("SELECT CodigoTipoPeca, DescricaoTipoPecaP, DescricaoTipoPecaE, DescricaoTipoPecaI FROM TIPOPECA")))
        types << QStringList{r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString()}.join(QLatin1Char('|'));
    EXPECT_EQ(types, expected.value(QLatin1String(GetParam())));

    // Every assembly has a type of the table, but for the assemblies that
    // show an unknown type (edition D's among the families; the search cases'
    // in editions A and M) and, in the editions of one assembly type (V, M),
    // the assembly of another type than the comparison pair.
    const QStringList orphans = folder.column(QStringLiteral(
        "SELECT CodigoPeca FROM PECA WHERE TipoPeca NOT IN (SELECT CodigoTipoPeca FROM TIPOPECA) ORDER BY CodigoPeca"));
    const QString edicao = QLatin1String(GetParam());
    std::vector<long> esperados;
    if (edicao == QLatin1String("V") || edicao == QLatin1String("M"))
        esperados.push_back(folder.summary.comparisonOtherType);
    if (edicao != QLatin1String("V"))
        esperados.push_back(folder.summary.assemblyUnknownType);
    std::sort(esperados.begin(), esperados.end());
    QStringList esperadosTexto;
    for (long c : esperados)
        esperadosTexto << QString::number(c);
    EXPECT_EQ(orphans, esperadosTexto);
    if (QLatin1String(GetParam()) == QLatin1String("A")) {
        EXPECT_EQ(folder.column(QStringLiteral("SELECT TipoPeca FROM PECA WHERE CodigoPeca = %1").arg(folder.summary.axleAssembly)),
                  QStringList{QStringLiteral("E")});
    }
}

TEST_P(EditionTest, ValuesFollowTheCatalogueRules)
{
    struct Rule {
        const char* name;
        QString sql;
        std::function<bool(const QVariant&)> ok;
    };
    static const QRegularExpression canonical(QStringLiteral("^[A-Z1-9][A-Z0-9]{0,9}$"));
    static const QRegularExpression alphanumeric(QStringLiteral("^[A-Z0-9]+$"));
    static const QRegularExpression flags1(QStringLiteral("^[ \\r]$")), flags4(QStringLiteral("^[ \\r]{4}$"));
    auto text = [](int max) { return [max](const QVariant& v) { return IsText(v) && !v.toString().isEmpty() && v.toString().size() <= max; }; };
    auto matches = [](const QRegularExpression& re) { return [&re](const QVariant& v) { return IsText(v) && re.match(v.toString()).hasMatch(); }; };
    // The comparison pair's 60-character description and Null flags are
    // special cases of their own.
    const QString notLong = QStringLiteral(" WHERE CodigoComponente <> %1").arg(folder.summary.cmpLongDescription);
    const QString notNull = QStringLiteral(" WHERE CodigoComponente <> %1").arg(folder.summary.cmpNullFlags);
    const std::vector<Rule> rules = {
        {"company numbers are canonical text", "SELECT NumeroEmpresaComponente FROM COMPONENTE UNION ALL SELECT NumeroEmpresaJogoReparo FROM JOGOREPARO "
                                               "UNION ALL SELECT NumeroEmpresaPeca FROM PECA UNION ALL SELECT NumeroEmpresa FROM REFERENCIACRUZADA",
         matches(canonical)},
        {"descriptions fit 50 characters", "SELECT DescricaoComponenteP FROM COMPONENTE" + notLong + " UNION ALL SELECT DescricaoComponenteE FROM COMPONENTE" + notLong +
                                           " UNION ALL SELECT DescricaoComponenteI FROM COMPONENTE" + notLong + " UNION ALL SELECT DescricaoJogoReparoE FROM JOGOREPARO "
                                           "UNION ALL SELECT DescricaoPecaE FROM PECA UNION ALL SELECT DescricaoVeiculoE FROM VEICULO",
         text(50)},
        // Two rows of the assembly view's cases are Null on purpose: a hot
        // spot without its item and a component position without quantity.
        {"item numbers are text", QStringLiteral("SELECT ItemComponente FROM PECA_COMPONENTE UNION ALL SELECT ItemComponente FROM FIGURADETALHADA1 "
                                                 "WHERE CodigoFiguraDetalhada <> %1 UNION ALL SELECT ItemComponenteSugestao FROM SUGESTAO_COMPONENTE")
                                      .arg(folder.summary.nullItemHotSpot),
         text(10)},
        {"quantities are short text", QStringLiteral("SELECT QuantidadeComponente FROM PECA_COMPONENTE WHERE NOT (CodigoPeca = %1 AND ItemComponente = '%2')")
                                          .arg(folder.summary.casesAssembly)
                                          .arg(folder.summary.itemNullQuantity),
         text(5)},
        {"manufacturer numbers are letters and digits", "SELECT NumeroFabricante FROM REFERENCIACRUZADA",
         matches(alphanumeric)},
        {"one-flag strings", "SELECT ImagensGrid FROM COMPONENTE UNION ALL SELECT ImagensGrid FROM JOGOREPARO UNION ALL SELECT ImagensGrid FROM PECA",
         matches(flags1)},
        {"four-flag strings", "SELECT ImagensGrid FROM PECA_COMPONENTE" + notNull, matches(flags4)},
    };
    for (const Rule& rule : rules) {
        SCOPED_TRACE(rule.name);
        const auto rows = folder.rows(rule.sql);
        ASSERT_FALSE(rows.empty());
        int bad = 0;
        for (const auto& r : rows)
            if (!rule.ok(r[0]) && ++bad <= 3)
                ADD_FAILURE() << r[0].toString().toStdString();
        EXPECT_EQ(bad, 0);
    }
}

TEST_P(EditionTest, CodesAndPositionsAreStoredAsNumbers)
{
    for (const char* sql : {"SELECT DISTINCT typeof(CodigoComponente) FROM PECA_COMPONENTE", "SELECT DISTINCT typeof(CodigoPeca) FROM PECA",
                            "SELECT DISTINCT typeof(PosicaoLeft) FROM FIGURADETALHADA1", "SELECT DISTINCT typeof(PosicaoTop) FROM FIGURADETALHADA1",
                            "SELECT DISTINCT typeof(NumeroParte) FROM PARTESFIGURA", "SELECT DISTINCT typeof(CodigoItemNovo) FROM SUBSTITUIDOS",
                            "SELECT DISTINCT typeof(FlagOpcionalComponente) FROM PECA_COMPONENTE", "SELECT DISTINCT typeof(Versao) FROM UMREGISTRO"})
        EXPECT_EQ(StorageClasses(folder.summary.catalogueFile, QLatin1String(sql)), QStringList{"integer"}) << sql;
    // The issue date is a day number of the Jet date type (15 March 2024).
    const QVariant issued = folder.rows(QStringLiteral("SELECT DataEmissao FROM UMREGISTRO"))[0][0];
    if (issued.typeId() == QMetaType::QDateTime) {
        EXPECT_EQ(issued.toDateTime().date(), QDate(2024, 3, 15));
    } else {
        EXPECT_EQ(issued.toDouble(), 45366.0);
    }
}

TEST_P(EditionTest, NoTextIsZeroLength)
{
    // Text columns made by Jet DDL refuse zero-length strings; the rows are
    // loaded past the statement layer, so they must not hold any.
    const QString file = folder.summary.catalogueFile;
    int columns = 0;
    for (const QString& table : StorageClasses(file, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' AND name NOT LIKE 'MSys%'"))) {
        for (const QString& column : StorageClasses(file, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table))) {
            const QStringList empty = StorageClasses(
                file, QStringLiteral("SELECT count(*) FROM \"%1\" WHERE typeof(\"%2\") = 'text' AND length(\"%2\") = 0").arg(table, column));
            EXPECT_EQ(empty, QStringList{"0"}) << table.toStdString() << "." << column.toStdString();
            ++columns;
        }
    }
    EXPECT_GT(columns, 80);
}

TEST_P(EditionTest, RowFlagsAgreeWithTheRowsTheyAnnounce)
{
    // Regular component positions: flag 2 = optional alternatives exist for
    // the item, flag 3 = a repair kit serves it, flag 1 = the assembly's
    // suggestion set has the item as carrier.
    const auto rows = folder.rows(QStringLiteral(
        "SELECT pc.ImagensGrid, "
        "(SELECT count(*) FROM PECA_COMPONENTE AS o WHERE o.CodigoPeca = pc.CodigoPeca AND o.ItemComponente = pc.ItemComponente AND o.FlagOpcionalComponente = 1), "
        "(SELECT count(*) FROM PECA_COMPONENTE_JOGOREPARO AS k WHERE k.CodigoPeca = pc.CodigoPeca AND k.ItemComponente = pc.ItemComponente), "
        "(SELECT count(*) FROM SUGESTAO_COMPONENTE AS s, PECA AS p WHERE p.CodigoPeca = pc.CodigoPeca AND s.CodigoSugestao = p.CodigoSugestao AND s.ItemComponente = pc.ItemComponente), "
        "pc.CodigoPeca, pc.ItemComponente "
        "FROM PECA_COMPONENTE AS pc WHERE pc.FlagOpcionalComponente = 0"));
    // The suggestion special cases announce what they lack on purpose: Null
    // flags, a flagged item without suggestions, an assembly without a set.
    auto special = [&](const std::vector<QVariant>& r) {
        const QString item = r[5].toString();
        return r[0].isNull() || r[4].toLongLong() == folder.summary.suggestionNullSetAssembly ||
               (r[4].toLongLong() == folder.summary.suggestionAssembly && item == folder.summary.suggestionEmptyItem);
    };
    ASSERT_FALSE(rows.empty());
    int checked = 0;
    for (const auto& r : rows) {
        if (special(r))
            continue;
        const QString flags = r[0].toString();
        SCOPED_TRACE((r[4].toString() + QLatin1Char('/') + r[5].toString()).toStdString());
        EXPECT_EQ(flags[1] == QLatin1Char(' '), r[1].toLongLong() > 0);
        // The one row that announces kits it does not have, on purpose.
        const bool kitFlagWithoutKits =
            r[4].toLongLong() == folder.summary.casesAssembly && r[5].toString() == folder.summary.itemKitFlagWithoutKits;
        if (kitFlagWithoutKits)
            EXPECT_TRUE(flags[2] == QLatin1Char(' ') && r[2].toLongLong() == 0);
        else
            EXPECT_EQ(flags[2] == QLatin1Char(' '), r[2].toLongLong() > 0);
        EXPECT_EQ(flags[0] == QLatin1Char(' '), r[3].toLongLong() > 0);
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionTest, ::testing::Values("V", "A", "D", "M"));

TEST(DemoVariants, WithoutTipoPecaTheTableIsMissingAndTheRestIsThere)
{
    demo::Options o = demotest::Small(QStringLiteral("A"));
    o.noTipoPeca = true;
    Folder f = demotest::Generate(o);
    QStringList names;
    for (const auto& t : f.db->TableDefs())
        names << t.Name().toUpper();
    EXPECT_FALSE(names.contains(QStringLiteral("TIPOPECA")));
    for (const Read& r : ProgramReads())
        if (r.table != QLatin1String("TIPOPECA")) {
            EXPECT_TRUE(names.contains(r.table.toUpper())) << r.table.toStdString();
        }
    // The assemblies still carry their type letters, for the table the
    // program creates at start.
    // (S is the unknown type of the search cases.)
    EXPECT_EQ(f.column(QStringLiteral("SELECT DISTINCT TipoPeca FROM PECA ORDER BY TipoPeca")), (QStringList{"E", "S", "T"}));
}

TEST(DemoVariants, WithoutAttachmentColumnsTheNotesRemain)
{
    demo::Options o = demotest::Small(QStringLiteral("V"));
    o.noAttachments = true;
    Folder f = demotest::Generate(o);
    QStringList fields;
    for (const auto& field : f.db->GetTableDef(QStringLiteral("OBSERVACAO_MEMO")).Fields())
        fields << field.name;
    EXPECT_EQ(fields, (QStringList{"CodigoObservacao", "ObservacaoMemoP", "ObservacaoMemoE", "ObservacaoMemoI"}));
    EXPECT_THROW(f.rows(QStringLiteral("SELECT AnexosP FROM OBSERVACAO_MEMO")), platform::Error);
    EXPECT_GT(f.count(QStringLiteral("SELECT count(*) FROM OBSERVACAO_MEMO WHERE ObservacaoMemoP IS NOT NULL")), 0);
    EXPECT_GT(f.count(QStringLiteral("SELECT count(*) FROM OBSERVACAO_RAPIDA")), 0);
}

}  // namespace
