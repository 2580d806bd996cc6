// The rows the search statements give on demo catalogues, against oracles
// computed here from the tables themselves.

#include "search/estadopesquisa.h"
#include "search/sqllistapecas.h"
#include "search/sqlpesquisa.h"
#include "search/textopesquisa.h"

#include "core/searchtext.h"
#include "platform/dao/dao.h"
#include "platform/dao/jetsql.h"
#include "tools/demo/demo.h"

#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QMap>
#include <QSet>

#include <gtest/gtest.h>

using namespace platform::dao;
using Pesquisa::EntradaPesquisaPecas;

namespace {

struct Catalogo {
    demo::Summary s;
    WorkspacePtr ws;
    DatabasePtr db;
};

class Linhas : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_dir = new tqtest::TempDir; }
    static void TearDownTestSuite()
    {
        s_cat->clear();
        delete s_dir;
    }
    // The demo catalogue of an edition, written when a test first needs it.
    static const Catalogo& Cat(const char* e)
    {
        const QString edicao = QLatin1String(e);
        if (!s_cat->contains(edicao)) {
            Catalogo c;
            c.s = demo::GenerateDataFolder(demo::Options::Fixture(edicao, s_dir->file(edicao)));
            c.ws = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
            c.db = c.ws->OpenDatabase(c.s.catalogueFile, false, true);
            (*s_cat)[edicao] = c;
        }
        return (*s_cat)[edicao];
    }

    // Rows as "Tipo|Codigo" (Tipo "<Null>" for Null), in the order read.
    static QStringList Itens(const DatabasePtr& db, const QString& sql)
    {
        RecordsetPtr rs = db->OpenRecordset(sql);
        const int tipo = rs->FieldIndex(QStringLiteral("Tipo")), codigo = rs->FieldIndex(QStringLiteral("Codigo"));
        QStringList out;
        for (long r = 0; r < rs->RecordCount(); ++r) {
            const QVariant t = rs->ValueAt(r, tipo);
            out << (IsNull(t) ? QStringLiteral("<Null>") : t.toString()) + QLatin1Char('|') + rs->ValueAt(r, codigo).toString();
        }
        return out;
    }
    static QStringList Coluna(const DatabasePtr& db, const QString& sql, int col = 0)
    {
        RecordsetPtr rs = db->OpenRecordset(sql);
        QStringList out;
        for (long r = 0; r < rs->RecordCount(); ++r)
            out << rs->ValueAt(r, col).toString();
        return out;
    }
    static EntradaPesquisaPecas Todos(const QString& edicao = QStringLiteral("V"))
    {
        EntradaPesquisaPecas e;
        e.edicao = edicao;
        e.componentes = e.jogosReparo = e.transmissoes = true;
        e.eixos = edicao == QLatin1String("A");
        return e;
    }
    // Oracle: the items of the V part search (components, kits, type T
    // assemblies) whose row passes `aceita` (number, description, search
    // description), as "Tipo|Codigo".
    template <typename F>
    static QSet<QString> Oraculo(const DatabasePtr& db, F aceita)
    {
        QSet<QString> out;
        for (const auto& [sql, tipo] :
             {std::pair{QStringLiteral("SELECT NumeroEmpresaComponente, DescricaoComponenteP, DescricaoComponenteP, "
                                       "CodigoComponente FROM COMPONENTE"),
                        QStringLiteral("Componente")},
              std::pair{QStringLiteral("SELECT NumeroEmpresaJogoReparo, DescricaoJogoReparoP, DescricaoJogoReparoP, "
                                       "CodigoJogoReparo FROM JOGOREPARO"),
                        QStringLiteral("Jogo de Reparo")},
              std::pair{QStringLiteral("SELECT NumeroEmpresaPeca, DescricaoPecaP, DescricaoPecaPesquisaP, CodigoPeca FROM "
                                       "PECA WHERE TipoPeca = 'T'"),
                        QStringLiteral("Transmissão")}}) {
            RecordsetPtr rs = db->OpenRecordset(sql);
            for (long r = 0; r < rs->RecordCount(); ++r)
                if (aceita(rs->ValueAt(r, 0).toString(), rs->ValueAt(r, 2).toString()))
                    out << tipo + QLatin1Char('|') + rs->ValueAt(r, 3).toString();
        }
        return out;
    }
    static QSet<QString> Conjunto(const QStringList& l) { return QSet<QString>(l.begin(), l.end()); }

    static tqtest::TempDir* s_dir;
    static QMap<QString, Catalogo>* s_cat;
};
tqtest::TempDir* Linhas::s_dir = nullptr;
QMap<QString, Catalogo>* Linhas::s_cat = new QMap<QString, Catalogo>;

TEST_F(Linhas, NumberPrefixAndCrossReferenceAnywhere)
{
    const DatabasePtr& db = Cat("V").db;
    EntradaPesquisaPecas e = Todos();
    e.numeroEmpresa = QStringLiteral("0501-2");
    const QStringList prefixo = Itens(db, Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1")));
    ASSERT_FALSE(prefixo.isEmpty());
    EXPECT_EQ(Conjunto(prefixo), Oraculo(db, [](const QString& n, const QString&) { return n.startsWith(QLatin1String("5012")); }));
    // Sorted by the formatted number.
    const QStringList numeros = Coluna(db, Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1")));
    EXPECT_TRUE(std::is_sorted(numeros.begin(), numeros.end()));

    e = Todos();
    e.numeroFabricante = QStringLiteral("0-12a");
    QSet<QString> comReferencia;
    {
        RecordsetPtr rs = db->OpenRecordset(QStringLiteral("SELECT NumeroEmpresa, NumeroFabricante FROM REFERENCIACRUZADA"));
        for (long r = 0; r < rs->RecordCount(); ++r)
            if (rs->ValueAt(r, 1).toString().contains(QLatin1String("12A")))
                comReferencia << rs->ValueAt(r, 0).toString();
    }
    const QStringList referencia = Itens(db, Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1")));
    EXPECT_TRUE(referencia.contains(QStringLiteral("Componente|%1").arg(Cat("V").s.heavyCrossRefComponent)));
    EXPECT_EQ(Conjunto(referencia), Oraculo(db, [&](const QString& n, const QString&) { return comReferencia.contains(n); }));
}

TEST_F(Linhas, AccentsAndSeveralWordsFindTheirDescriptions)
{
    const Catalogo& c = Cat("V");
    const auto busca = [&](const char* texto) {
        EntradaPesquisaPecas e = Todos();
        e.descricao = QString::fromUtf8(texto);
        return Itens(c.db, Pesquisa::SqlPesquisaPecas(e, QStringLiteral("2")));
    };
    const QString peca = QStringLiteral("Componente|%1").arg(c.s.accentedPecaComponent);
    const QString pecaSem = QStringLiteral("Componente|%1").arg(c.s.plainPecaComponent);
    for (const char* t : {"peca", "peça", "PEÇA", "Peca"}) {
        const QStringList r = busca(t);
        EXPECT_TRUE(r.contains(peca) && r.contains(pecaSem)) << t;
    }
    // (The old pattern dropped the Ç: "peça" searched P, E, A side by side.)
    EXPECT_FALSE(jet::Like(QStringLiteral("PEÇA DE DESGASTE"),
                           QStringLiteral("*") + Modulo::PreparaTextoPesquisa(Modulo::SomenteLetrasDigitos(QStringLiteral("peça")), true) +
                               QStringLiteral("*")));
    const QStringList disco = busca("disco embreagem");
    EXPECT_TRUE(disco.contains(QStringLiteral("Componente|%1").arg(c.s.clutchDiscComponent)));
    EXPECT_TRUE(disco.contains(QStringLiteral("Jogo de Reparo|%1").arg(c.s.clutchDiscKit)));
    // Its exact text, too: two words never matched a component before.
    EXPECT_TRUE(busca("DISCO DE EMBREAGEM").contains(QStringLiteral("Componente|%1").arg(c.s.clutchDiscComponent)));
    EXPECT_TRUE(busca("anel vedação").contains(QStringLiteral("Componente|%1").arg(c.s.heavyCrossRefComponent)));
    EXPECT_TRUE(busca("  anel,de;vedacao ").contains(QStringLiteral("Componente|%1").arg(c.s.heavyCrossRefComponent)));

    // Spanish: the Ñ, not in the folding table, stands for any run.
    EntradaPesquisaPecas e = Todos();
    e.idioma = QStringLiteral("E");
    e.descricao = QStringLiteral("piñón");
    EXPECT_TRUE(Itens(c.db, Pesquisa::SqlPesquisaPecas(e, QStringLiteral("2")))
                    .contains(QStringLiteral("Componente|%1").arg(c.s.spanishEnyeComponent)));
}

TEST_F(Linhas, UnaccentedWordsKeepEveryRowOfTheirPattern)
{
    const DatabasePtr& db = Cat("V").db;
    for (const char* palavra : {"engrenagem", "anel", "Rolamento", "eixo", "5", "s5", "CUBO", "x"}) {
        EntradaPesquisaPecas e = Todos();
        e.descricao = QLatin1String(palavra);
        const QString chave = Modulo::SomenteLetrasDigitos(QLatin1String(palavra));
        // Oracle: the description, upper-cased and with the table's accents
        // folded, holds the word.
        const QSet<QString> esperado = Oraculo(db, [&](const QString&, const QString& d) {
            return Modulo::RemoveAcentos(d.toUpper()).contains(chave);
        });
        EXPECT_EQ(Conjunto(Itens(db, Pesquisa::SqlPesquisaPecas(e, QStringLiteral("2")))), esperado) << palavra;
    }
}

TEST_F(Linhas, SortByDescriptionFollowsJetOrder)
{
    const DatabasePtr& db = Cat("V").db;
    const QStringList d = Coluna(db, Pesquisa::SqlPesquisaPecas(Todos(), QStringLiteral("2")), 1);
    ASSERT_GT(d.size(), 100);
    for (int i = 1; i < d.size(); ++i)
        ASSERT_LE(jet::CompareSort(d[i - 1], d[i]), 0) << d[i - 1].toStdString() << " / " << d[i].toStdString();
}

TEST_F(Linhas, VehiclesByWordAndMaker)
{
    const Catalogo& c = Cat("V");
    const QStringList caminhoes = Coluna(c.db, Pesquisa::SqlPesquisaVeiculos(QStringLiteral("caminhão"), 0, QStringLiteral("P")), 2);
    QSet<QString> esperado;
    for (const QString& linha : Coluna(c.db, QStringLiteral("SELECT CodigoVeiculo FROM VEICULO WHERE DescricaoVeiculoP LIKE 'CAMINHÃO*'")))
        esperado << linha;
    ASSERT_FALSE(esperado.isEmpty());
    EXPECT_EQ(Conjunto(caminhoes), esperado);
    // The maker narrows; 0 lists every vehicle with a maker.
    const long fabricante = c.s.manufacturerOfVehicle;
    const QStringList doFabricante = Coluna(c.db, Pesquisa::SqlPesquisaVeiculos({}, fabricante, QStringLiteral("P")), 2);
    EXPECT_EQ(Conjunto(doFabricante),
              Conjunto(Coluna(c.db, QStringLiteral("SELECT CodigoVeiculo FROM VEICULO WHERE CodigoFabricante = %1").arg(fabricante))));
    EXPECT_EQ(Coluna(c.db, Pesquisa::SqlPesquisaVeiculos({}, 0, QStringLiteral("P"))).size(),
              Coluna(c.db, QStringLiteral("SELECT CodigoVeiculo FROM VEICULO")).size());
}

TEST_F(Linhas, AnAssemblyOfUnknownTypeShowsAnEmptyTipoAndIsReselected)
{
    for (const char* ed : {"A", "D"}) {
        const Catalogo& c = Cat(ed);
        EntradaPesquisaPecas e = Todos(QLatin1String(ed));
        RecordsetPtr rs = c.db->OpenRecordset(Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1")));
        const QString criterio = Pesquisa::CriterioLinhaPesquisa({}, c.s.assemblyUnknownType);
        rs->FindFirst(criterio);
        ASSERT_FALSE(rs->NoMatch()) << ed;
        EXPECT_TRUE(IsNull(rs->Value(QStringLiteral("Tipo"))));
        EXPECT_EQ(Pesquisa::TipoItemDaLinha(rs->Value(QStringLiteral("Tipo")), QStringLiteral("P")), QStringLiteral("PCA"));
        // Its parts list has the assembly, with an empty type.
        RecordsetPtr lista = c.db->OpenRecordset(Pesquisa::SqlListaPecas(QStringLiteral("PCA"), c.s.assemblyUnknownType, QStringLiteral("P")));
        ASSERT_EQ(lista->RecordCount(), 1);
        EXPECT_TRUE(IsNull(lista->Value(QStringLiteral("DescricaoTipoPeca"))));
    }
    // A type text with an apostrophe is found again by its criterion.
    const Catalogo& d = Cat("D");
    EntradaPesquisaPecas e = Todos(QStringLiteral("D"));
    e.idioma = QStringLiteral("I");
    RecordsetPtr rs = d.db->OpenRecordset(Pesquisa::SqlPesquisaPecas(e, QStringLiteral("2")));
    rs->FindFirst(Pesquisa::CriterioLinhaPesquisa(QStringLiteral("Driver's Side Assembly"), d.s.apostropheTypeAssembly));
    ASSERT_FALSE(rs->NoMatch());
    EXPECT_EQ(rs->Value(QStringLiteral("Codigo")).toLongLong(), d.s.apostropheTypeAssembly);
}

TEST_F(Linhas, DropDownsPerEdition)
{
    const Catalogo& d = Cat("D");
    EXPECT_EQ(Coluna(d.db, Pesquisa::SqlComboTiposPeca(QStringLiteral("D"), QStringLiteral("P")), 1),
              (QStringList{"TODOS", "Bomba de Óleo", "Caixa Angular", "Conjunto Lado do Motorista", "Direção",
                           "Reservatório de Óleo", "TODOS OS CONJUNTOS", "Jogo de Reparo", "Componente"}));
    RecordsetPtr tipos = d.db->OpenRecordset(Pesquisa::SqlComboTiposPeca(QStringLiteral("D"), QStringLiteral("P")));
    tipos->FindFirst(Pesquisa::CriterioTipoPeca(QStringLiteral("3")));
    EXPECT_EQ(Pesquisa::CodigoTipoPecaDaLinha(tipos, QStringLiteral(" ")), QStringLiteral("3"));

    const Catalogo& v = Cat("V");
    RecordsetPtr fab = v.db->OpenRecordset(Pesquisa::SqlComboFabricantes(QStringLiteral("TODOS OS FABRICANTES"), QStringLiteral("P")));
    EXPECT_EQ(fab->Value(QStringLiteral("DescricaoFabricante")).toString(), QStringLiteral("TODOS OS FABRICANTES"));
    EXPECT_EQ(Pesquisa::CodigoFabricanteDaLinha(fab), 0);
    fab->FindFirst(Pesquisa::CriterioFabricante(v.s.manufacturerOfVehicle));
    EXPECT_EQ(Pesquisa::CodigoFabricanteDaLinha(fab), v.s.manufacturerOfVehicle);
    // No current row (an empty drop-down): all manufacturers, no error.
    RecordsetPtr vazio = v.db->OpenRecordset(QStringLiteral("SELECT CodigoFabricante, CodigoTipoPeca FROM FABRICANTE, TIPOPECA WHERE 1 = 0"));
    EXPECT_EQ(Pesquisa::CodigoFabricanteDaLinha(vazio), 0);
    EXPECT_EQ(Pesquisa::CodigoTipoPecaDaLinha(vazio, QStringLiteral("R")), QStringLiteral("R"));
    EXPECT_EQ(Pesquisa::CodigoFabricanteDaLinha(nullptr), 0);
}

TEST_F(Linhas, PartsListsOfTheFourKinds)
{
    const Catalogo& c = Cat("V");
    const auto lista = [&](const char* tipo, long codigo) {
        return Coluna(c.db, Pesquisa::SqlListaPecas(QLatin1String(tipo), codigo, QStringLiteral("P")), 2);
    };
    // A component used twice in the showcase assembly lists it once.
    const QStringList usado = lista("COM", c.s.componentUsedTwice);
    EXPECT_EQ(usado.count(QString::number(c.s.showcaseAssembly)), 1);
    EXPECT_EQ(lista("JRE", c.s.clutchDiscKit), QStringList{QString::number(c.s.searchAssembly)});
    EXPECT_TRUE(lista("JRE", c.s.kitInNoAssembly).isEmpty());
    EXPECT_EQ(lista("PCA", c.s.showcaseAssembly), QStringList{QString::number(c.s.showcaseAssembly)});
    EXPECT_TRUE(lista("VEI", c.s.vehicleInNoAssembly).isEmpty());
    const QStringList veiculo = lista("VEI", c.s.vehicleWithManyAssemblies);
    EXPECT_EQ(veiculo.size(), Coluna(c.db, QStringLiteral("SELECT CodigoPeca FROM VEICULO_PECA WHERE CodigoVeiculo = %1")
                                               .arg(c.s.vehicleWithManyAssemblies)).size());
    const QStringList numeros = Coluna(c.db, Pesquisa::SqlListaPecas(QStringLiteral("VEI"), c.s.vehicleWithManyAssemblies, QStringLiteral("P")));
    EXPECT_TRUE(std::is_sorted(numeros.begin(), numeros.end()));
}

}  // namespace
