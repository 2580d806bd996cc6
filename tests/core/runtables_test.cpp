// Names and definitions of the cart and comparison tables of a run.

#include "core/files.h"
#include "core/runtables.h"

#include "support/testutil.h"

#include <gtest/gtest.h>

using namespace Modulo;
using namespace platform::dao;

namespace {

class RunTables : public ::testing::Test {
protected:
    void SetUp() override { db = DBEngine::CreateDatabase(dir.file(QStringLiteral("aux.mdb"))); }
    tqtest::TempDir dir;
    DatabasePtr db;
    const QDate day{2024, 5, 5};
};

TEST_F(RunTables, CartNamesTakeTheFirstFreeNumber)
{
    EXPECT_EQ(CriaTabelaLista(db, day), QStringLiteral("Lista_20240505_0"));
    EXPECT_EQ(CriaTabelaLista(db, day), QStringLiteral("Lista_20240505_1"));
    EXPECT_EQ(CriaTabelaLista(db, day), QStringLiteral("Lista_20240505_2"));
    // A gap is reused; other letter case counts as taken.
    EXPECT_TRUE(ExcluiTabela(db, QStringLiteral("Lista_20240505_1")));
    EXPECT_EQ(ObtemNomeTabelaLista(db, day), QStringLiteral("Lista_20240505_1"));
    db->Execute(QStringLiteral("CREATE TABLE LISTA_20240505_1 (a LONG)"));
    EXPECT_EQ(ObtemNomeTabelaLista(db, day), QStringLiteral("Lista_20240505_3"));
    EXPECT_TRUE(TabelaExiste(db, QStringLiteral("  lista_20240505_0 ")));
    EXPECT_FALSE(TabelaExiste(db, QStringLiteral("Lista_20240505_9")));
}

TEST_F(RunTables, CartTableKeyAndColumns)
{
    const QString t = CriaTabelaLista(db, day);
    db->Execute(QStringLiteral("INSERT INTO %1 (Tipo, Codigo, Quantidade, Descricao, NumeroEmpresa, DescricaoTipo, Opcional) "
                               "VALUES ('COM', 7, 2, 'Anel', '0501123456', 'Componente', ' ')").arg(t));
    try {
        db->Execute(QStringLiteral("INSERT INTO %1 (Tipo, Codigo, Quantidade) VALUES ('com', 7, 1)").arg(t));
        FAIL() << "duplicate key accepted";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), JetError::DuplicateKey);
    }
    const auto fields = db->GetTableDef(t).Fields();
    ASSERT_EQ(fields.size(), 7u);
    EXPECT_EQ(fields[1].type, dbLong);
    EXPECT_EQ(fields[2].type, dbInteger);
    EXPECT_EQ(fields[3].size, 50);
    // The cart keeps Jet's rule for text created by DDL: no zero-length strings.
    EXPECT_FALSE(fields[3].allowZeroLength);
}

TEST_F(RunTables, ComparisonTableCarriesTheSerialAndAcceptsEmptyTexts)
{
    const QString t = CriaTabelaComparacao(db, day);
    EXPECT_EQ(t, QStringLiteral("Cmp_20240505_%1_0").arg(ObtemSerieVolume()));
    db->Execute(QStringLiteral("INSERT INTO %1 (CodigoComponente, NumeroEmpresaComponente, DescricaoComponente, "
                               "QuantidadeComponente1, QuantidadeComponente2, ImagensGrid, Iguais) "
                               "VALUES (1, '12', '', NULL, '2', '', 0)").arg(t));
    for (const TableFieldDef& f : db->GetTableDef(t).Fields()) {
        if (f.type == dbText) {
            EXPECT_TRUE(f.allowZeroLength) << f.name.toStdString();
        }
    }
    EXPECT_EQ(CriaTabelaComparacao(db, day), QStringLiteral("Cmp_20240505_%1_1").arg(ObtemSerieVolume()));
}

TEST_F(RunTables, DroppingAMissingTableReportsFalse)
{
    EXPECT_FALSE(ExcluiTabela(db, QStringLiteral("Nada")));
    db->Close();
    EXPECT_FALSE(ExcluiTabela(db, QStringLiteral("Nada")));
}

}  // namespace
