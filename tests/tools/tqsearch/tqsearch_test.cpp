// tqsearch: its statements are the builders', its rows are jetsql's.

#include "tools/tqsearch/tqsearch.h"

#include "search/sqllistapecas.h"
#include "search/sqlpesquisa.h"
#include "tools/demo/demo.h"

#include "support/qstringprinter.h"
#include "support/demofixture.h"
#include "support/testutil.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

class TqSearch : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new tqtest::TempDir;
        s_v = &tqtest::DemoFixture(QStringLiteral("V"));
    }
    // Edition D, written when a test first needs it.
    static const demo::Summary& D() { return tqtest::DemoFixture(QStringLiteral("D")); }
    static void TearDownTestSuite()
    {
        delete s_dir;
    }
    struct Saida {
        int codigo;
        QString out, err;
    };
    static Saida Roda(const QStringList& args)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int codigo = tqsearch::Executa(args, o, e);
        o.flush();
        e.flush();
        return {codigo, out, err};
    }
    static QString Programa(const QString& nome, const QStringList& args)
    {
        QProcess p;
        p.start(tqtest::builtProgram(nome), args);
        EXPECT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static tqtest::TempDir* s_dir;
    static const demo::Summary* s_v;
};
tqtest::TempDir* TqSearch::s_dir = nullptr;
const demo::Summary* TqSearch::s_v = nullptr;

TEST_F(TqSearch, StatementsComeFromTheBuilders)
{
    const QString v = s_v->dataFolder, d = D().dataFolder;
    Pesquisa::EntradaPesquisaPecas e;
    e.componentes = e.jogosReparo = e.transmissoes = true;
    e.numeroEmpresa = QStringLiteral("0501-2");
    EXPECT_EQ(Roda({v, "--sql", "--number", "0501-2"}).out, Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1")) + "\n");

    e = {};
    e.transmissoes = true;
    e.descricao = QStringLiteral("disco embreagem");
    e.idioma = QStringLiteral("E");
    EXPECT_EQ(Roda({v, "--sql", "--language", "E", "--kinds", "t", "--description", "disco embreagem", "--order", "2"}).out,
              Pesquisa::SqlPesquisaPecas(e, QStringLiteral("2")) + "\n");

    e = {};
    e.edicao = QStringLiteral("D");
    e.codigoTipoPeca = QStringLiteral("B");
    e.numeroFabricante = QStringLiteral("12A");
    EXPECT_EQ(Roda({d, "--sql", "--type", "B", "--manufacturer", "12A"}).out, Pesquisa::SqlPesquisaPecas(e, QStringLiteral("1")) + "\n");

    EXPECT_EQ(Roda({v, "--sql", "--vehicle", "caminhão", "--maker", "3"}).out,
              Pesquisa::SqlPesquisaVeiculos(QStringLiteral("caminhão"), 3, QStringLiteral("P")) + "\n");
    EXPECT_EQ(Roda({v, "--sql", "--list", "jre", "900001"}).out, Pesquisa::SqlListaPecas(QStringLiteral("JRE"), 900001, QStringLiteral("P")) + "\n");
    EXPECT_EQ(Roda({d, "--sql", "--combo", "types"}).out, Pesquisa::SqlComboTiposPeca(QStringLiteral("D"), QStringLiteral("P")) + "\n");
    EXPECT_EQ(Roda({v, "--sql", "--language", "I", "--combo", "makers"}).out,
              Pesquisa::SqlComboFabricantes(QStringLiteral("ALL MANUFACTURERS"), QStringLiteral("I")) + "\n");
}

TEST_F(TqSearch, RowsArePrintedAsJetsqlPrintsThem)
{
    const QString v = s_v->dataFolder;
    for (const QStringList& pedido : {QStringList{"--number", "5012"}, QStringList{"--description", "anel vedação", "--order", "2"},
                                      QStringList{"--list", "VEI", QString::number(s_v->vehicleWithManyAssemblies)},
                                      QStringList{"--combo", "makers"}}) {
        const QString sql = Roda(QStringList{v, "--sql"} + pedido).out.trimmed();
        const QString linhas = Programa(QStringLiteral("tqsearch"), QStringList{v} + pedido);
        EXPECT_EQ(linhas, Programa(QStringLiteral("jetsql"), {s_v->catalogueFile, sql})) << pedido.join(' ').toStdString();
        EXPECT_GT(linhas.count(QLatin1Char('\n')), 1) << pedido.join(' ').toStdString();
    }
}

TEST_F(TqSearch, BadCommandLinesAndFolders)
{
    const QString v = s_v->dataFolder;
    for (const QStringList& ruim : {QStringList{}, QStringList{v, "--kinds", "CX"}, QStringList{v, "--order", "3"},
                                    QStringList{v, "--list", "ABC", "1"}, QStringList{v, "--vehicle", "x", "--combo", "types"},
                                    QStringList{v, "--edition", "Z"}, QStringList{v, "--number"}, QStringList{v, "--kinds", "J", "--wat"}}) {
        const auto r = Roda(ruim);
        EXPECT_EQ(r.codigo, 2) << ruim.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("Error 5: "))) << r.err.toStdString();
    }
    const auto nada = Roda({s_dir->file(QStringLiteral("nada"))});
    EXPECT_EQ(nada.codigo, 1);
    EXPECT_TRUE(nada.err.startsWith(QStringLiteral("Error 3024: "))) << nada.err.toStdString();
    // A folder without the edition's catalogue.
    EXPECT_EQ(Roda({v, "--edition", "M"}).codigo, 1);
}

}  // namespace
