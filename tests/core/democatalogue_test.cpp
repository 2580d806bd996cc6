// The shared module's database routines on the demo catalogue: the part
// search as the search screen sends it, the item-number sort, lists and
// values, the check stamp seen by the browsing connection, the variants.

#include "core/database.h"
#include "core/globals.h"
#include "core/runtables.h"
#include "core/searchtext.h"
#include "tools/demo/demo.h"

#include "support/demofixture.h"
#include "support/testutil.h"

#include <gtest/gtest.h>

using namespace Modulo;
using namespace platform::dao;

namespace {

class DemoCatalogue : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_summary = &tqtest::DemoFixture(QStringLiteral("V")); }
    void SetUp() override
    {
        gCaminhoDados = s_summary->dataFolder;
        AbreBancoDazadize(gWsDazadize, QStringLiteral("gWS"), gDbDazadize, true);
    }
    void TearDown() override { FechaBanco(gWsDazadize, gDbDazadize); }

    static const demo::Summary* s_summary;
};
const demo::Summary* DemoCatalogue::s_summary = nullptr;

TEST_F(DemoCatalogue, PartSearchOfTheWorkedExample)
{
    // Edition V, language P, every kind, the number box holding 0501-2, sorted by number.
    const QString n = NormalizaNumeroEmpresa(QStringLiteral("0501-2"));
    ASSERT_EQ(n, QStringLiteral("5012"));
    const QString sql = QStringLiteral(
        "SELECT Format(COMPONENTE.NumeroEmpresaCOMPONENTE,'0000 000 000') As NumeroEmpresa,COMPONENTE.DescricaoCOMPONENTEP AS Descricao,'Componente' AS Tipo,COMPONENTE.CodigoCOMPONENTE AS Codigo,COMPONENTE.ImagensGrid FROM COMPONENTE WHERE COMPONENTE.NumeroEmpresaCOMPONENTE LIKE '5012*' UNION ALL "
        "SELECT Format(JOGOREPARO.NumeroEmpresaJOGOREPARO,'0000 000 000') As NumeroEmpresa,JOGOREPARO.DescricaoJOGOREPAROP AS Descricao,'Jogo de Reparo' AS Tipo,JOGOREPARO.CodigoJOGOREPARO AS Codigo,JOGOREPARO.ImagensGrid FROM JOGOREPARO WHERE JOGOREPARO.NumeroEmpresaJOGOREPARO LIKE '5012*' UNION ALL "
        "SELECT Format(PECA.NumeroEmpresaPECA,'0000 000 000') As NumeroEmpresa,PECA.DescricaoPECAP AS Descricao,TIPOPECA.DescricaoTipoPecaP AS Tipo,PECA.CodigoPECA AS Codigo,PECA.ImagensGrid FROM PECA LEFT JOIN TIPOPECA ON PECA.TipoPeca = TIPOPECA.CodigoTipoPeca WHERE PECA.NumeroEmpresaPECA LIKE '5012*' AND TipoPeca = 'T' ORDER BY 1");
    RecordsetPtr rs = AbreConsulta(sql);
    ASSERT_GT(rs->RecordCount(), 0);
    QString previous;
    for (long r = 0; r < rs->RecordCount(); ++r) {
        const QString number = rs->ValueAt(r, 0).toString();
        EXPECT_TRUE(number.startsWith(QStringLiteral("0501 2"))) << number.toStdString();
        EXPECT_LE(previous, number);
        previous = number;
    }
    // The same count as the plain prefix over the stored numbers.
    const long direct = ObtemValorSQL(QStringLiteral("SELECT Count(*) FROM COMPONENTE WHERE NumeroEmpresaComponente LIKE '5012*'")).toInt() +
                        ObtemValorSQL(QStringLiteral("SELECT Count(*) FROM JOGOREPARO WHERE NumeroEmpresaJogoReparo LIKE '5012*'")).toInt() +
                        ObtemValorSQL(QStringLiteral("SELECT Count(*) FROM PECA WHERE NumeroEmpresaPeca LIKE '5012*' AND TipoPeca = 'T'")).toInt();
    EXPECT_EQ(rs->RecordCount(), direct);
}

TEST_F(DemoCatalogue, ItemNumbersSortByTheirSortExpression)
{
    const QString sql = QStringLiteral("SELECT PECA_COMPONENTE.ItemComponente, ") +
                        ExpressaoItemComponente(QStringLiteral("PECA_COMPONENTE")) +
                        QStringLiteral(" AS ItemComponenteOrderBy FROM PECA_COMPONENTE WHERE CodigoPeca = %1 "
                                       "ORDER BY 2, 1").arg(s_summary->showcaseAssembly);
    RecordsetPtr rs = AbreConsulta(sql);
    QStringList order;
    for (long r = 0; r < rs->RecordCount(); ++r)
        if (!order.contains(rs->ValueAt(r, 0).toString()))
            order << rs->ValueAt(r, 0).toString();
    auto pos = [&](const QString& item) { return order.indexOf(item); };
    // Plain numbers first (a blank and the value as 000.00), then the dotted
    // forms in their numeric order, then the texts that are neither.
    ASSERT_FALSE(s_summary->itemsNumeric.isEmpty());
    ASSERT_FALSE(s_summary->itemsDotted.isEmpty());
    for (const QString& numeric : s_summary->itemsNumeric)
        for (const QString& dotted : s_summary->itemsDotted)
            EXPECT_LT(pos(numeric), pos(dotted)) << numeric.toStdString() << " " << dotted.toStdString();
    EXPECT_LT(pos(QStringLiteral("1")), pos(QStringLiteral("2")));
    EXPECT_LT(pos(QStringLiteral("2")), pos(QStringLiteral("10")));
    EXPECT_LT(pos(QStringLiteral("01.001")), pos(QStringLiteral("01.002")));
    for (const QString& suffixed : s_summary->itemsSuffixed) {
        const QString base = suffixed.left(6);
        if (order.contains(base)) {
            EXPECT_LT(pos(base), pos(suffixed));
        }
    }
    for (const QString& odd : s_summary->itemsOdd)
        EXPECT_GT(pos(odd), pos(s_summary->itemsDotted.last()));
}

TEST_F(DemoCatalogue, ListsSkipNullsAndValuesKeepThem)
{
    const QString list = ObtemListaSQL(QStringLiteral("SELECT ItemComponenteResumido FROM FIGURADETALHADA1 WHERE CodigoPeca = %1")
                                           .arg(s_summary->showcaseAssembly));
    EXPECT_FALSE(list.contains(QStringLiteral(",,")));
    EXPECT_FALSE(list.startsWith(QLatin1Char(',')));
    EXPECT_EQ(ObtemValorSQL(QStringLiteral("SELECT CodigoPeca FROM PECA WHERE CodigoPeca = -5"), {}, -1).toInt(), -1);
    EXPECT_EQ(ObtemValorSQL(QStringLiteral("SELECT Versao FROM UMREGISTRO")).toInt(), s_summary->version);
}

TEST_F(DemoCatalogue, TheStampIsSeenByTheBrowsingConnection)
{
    RecordsetPtr before = AbreConsulta(QStringLiteral("SELECT FlagErroUltimaVerificacao FROM UMREGISTRO"));
    GravaVerificacaoAtualizacao(DataHoraSQL(QDateTime(QDate(2026, 12, 8), QTime(19, 5, 0))), QStringLiteral("1"));
    RecordsetPtr rs = AbreConsulta(QStringLiteral("SELECT DataUltimaVerificacao, FlagErroUltimaVerificacao FROM UMREGISTRO"));
    EXPECT_EQ(rs->Value(0).toDateTime(), QDateTime(QDate(2026, 12, 8), QTime(19, 5, 0)));
    EXPECT_EQ(rs->Value(1).toInt(), 1);
    GravaVerificacaoAtualizacao(QString(), QStringLiteral("0"));
    EXPECT_EQ(ObtemValorSQL(QStringLiteral("SELECT DataUltimaVerificacao FROM UMREGISTRO")).toDateTime(),
              QDateTime(QDate(2026, 12, 8), QTime(19, 5, 0)));
}

TEST_F(DemoCatalogue, RunTablesInTheAuxiliaryDatabase)
{
    WorkspacePtr ws;
    DatabasePtr aux;
    AbreBancoAuxiliar(ws, aux);
    const QString cart = CriaTabelaLista(aux);
    EXPECT_TRUE(cart.startsWith(QStringLiteral("Lista_") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))));
    EXPECT_TRUE(TabelaExiste(aux, cart));
    EXPECT_TRUE(ExcluiTabela(aux, cart));
    FechaBanco(ws, aux);
}

TEST(DemoVariants, MissingPartTypesAndAttachmentColumns)
{
    tqtest::TempDir dir;
    demo::Options o = demo::Options::Fixture(QStringLiteral("A"), dir.file(QStringLiteral("A")));
    o.noTipoPeca = true;
    o.noAttachments = true;
    const demo::Summary s = demo::GenerateDataFolder(o);
    auto ws = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    DatabasePtr db = ws->OpenDatabase(s.catalogueFile, false, true);
    EXPECT_FALSE(TabelaExiste(db, QStringLiteral("TIPOPECA")));
    try {
        ObtemValorSQL(QStringLiteral("SELECT TOP 1 AnexosP FROM OBSERVACAO_MEMO"), db);
        FAIL() << "the attachment probe must fail on this variant";
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), JetError::TooFewParameters);
    }
}

}  // namespace
