// The cart's rows on the demo catalogue: merging, the optional mark, the
// statements written, refused items, deleting, texts with apostrophes, and
// the animation it asks the main window for.

#include "comparison/animacaocarrinho.h"
#include "comparison/carrinho.h"

#include "core/catalogfixture.h"
#include "core/database.h"
#include "core/globals.h"
#include "core/janelaprincipal.h"
#include "core/runtables.h"
#include "platform/base/error.h"
#include "tools/demo/demo.h"

#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QRect>

#include <sqlite3.h>

#include <gtest/gtest.h>

using namespace Modulo;
using namespace platform::dao;

namespace {

// A main window that only counts the animations asked of it.
class JanelaFalsa final : public JanelaPrincipal {
public:
    JanelaFalsa() { DefineJanelaPrincipal(this); }
    ~JanelaFalsa() override { DefineJanelaPrincipal(nullptr); }
    QWidget* Janela() override { return nullptr; }
    void SubClassing(bool) override {}
    QRect RetanguloMenu() const override { return {}; }
    void MenuItemFigura(int) override {}
    void EfeitoCarrinho(bool sApenasDesabilita) override { sApenasDesabilita ? ++paradas : ++animacoes; }
    int animacoes = 0;
    int paradas = 0;
};

class Carrinho : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_dir = new tqtest::TempDir; }
    static void TearDownTestSuite()
    {
        s_summary.clear();
        delete s_dir;
    }
    // The demo folder of an edition, written when a test first needs it.
    static const demo::Summary& Pasta(const QString& edicao)
    {
        if (!s_summary.contains(edicao))
            s_summary[edicao] = demo::GenerateDataFolder(demo::Options::Fixture(edicao, s_dir->file(edicao)));
        return s_summary[edicao];
    }
    void SetUp() override { abre(QStringLiteral("V")); }
    void abre(const QString& edicao)
    {
        fecha();
        gEdicao = edicao;
        gIdioma = QStringLiteral("P");
        m_s = Pasta(edicao);
        gCaminhoDados = m_s.dataFolder;
        // The edition's own file: the program's catalogue name is a build setting.
        gWsDazadize = DBEngine::CreateWorkspace(QStringLiteral("gWS"));
        gDbDazadize = gWsDazadize->OpenDatabase(m_s.catalogueFile, false, true);
        AbreBancoAuxiliar(gWsAuxiliar, gDbAuxiliar);
        gTabelaCarrinho = CriaTabelaLista(gDbAuxiliar);
    }
    void fecha()
    {
        if (gDbAuxiliar && gDbAuxiliar->IsOpen())
            ExcluiTabela(gDbAuxiliar, gTabelaCarrinho);
        FechaBanco(gWsAuxiliar, gDbAuxiliar);
        FechaBanco(gWsDazadize, gDbDazadize);
    }
    void TearDown() override
    {
        fecha();
        gEdicao = QStringLiteral("V");
        gIdioma = QStringLiteral("P");
    }

    // The cart's rows as "Tipo|Codigo|Quantidade|Descricao|NumeroEmpresa|DescricaoTipo|Opcional" (Opcional "_" for a blank, "r" for CR).
    QStringList linhas() const
    {
        RecordsetPtr rs = gDbAuxiliar->OpenRecordset(QStringLiteral("SELECT * FROM ") + gTabelaCarrinho + QStringLiteral(" ORDER BY Tipo, Codigo"));
        QStringList out;
        for (long r = 0; r < rs->RecordCount(); ++r) {
            QStringList c;
            for (int f = 0; f < 7; ++f) {
                const QVariant v = rs->ValueAt(r, f);
                QString t = IsNull(v) ? QStringLiteral("<Null>") : v.toString();
                if (f == 6)
                    t = t == QLatin1String(" ") ? QStringLiteral("_") : (t == QString(QChar(13)) ? QStringLiteral("r") : t);
                c << t;
            }
            out << c.join(QLatin1Char('|'));
        }
        return out;
    }
    QString quantidadeEMarca(const QString& tipo, long codigo) const
    {
        for (const QString& l : linhas()) {
            const QStringList c = l.split(QLatin1Char('|'));
            if (c[0] == tipo && c[1].toLong() == codigo)
                return c[2] + QLatin1Char('|') + c[6];
        }
        return QStringLiteral("<none>");
    }
    int escritas() const { return sqlite3_total_changes(gDbAuxiliar->nativeHandle()); }

    static tqtest::TempDir* s_dir;
    static QMap<QString, demo::Summary> s_summary;
    demo::Summary m_s;
};
tqtest::TempDir* Carrinho::s_dir = nullptr;
QMap<QString, demo::Summary> Carrinho::s_summary;

TEST_F(Carrinho, ANewRowCopiesTheCatalogueTextsInTheRunsLanguage)
{
    IncluiItemCarrinho(QStringLiteral("COM"), m_s.heavyCrossRefComponent, QStringLiteral("2"), false, false);
    IncluiItemCarrinho(QStringLiteral("JRE"), m_s.clutchDiscKit, QStringLiteral("1"), true, false);
    gIdioma = QStringLiteral("I");
    IncluiItemCarrinho(QStringLiteral("PCA"), m_s.showcaseAssembly, QStringLiteral("1"), false, false);
    // The language of the first addition stays.
    IncluiItemCarrinho(QStringLiteral("COM"), m_s.heavyCrossRefComponent, QStringLiteral("3"), false, false);
    const QString pca = ObtemValorSQL(QStringLiteral("SELECT DescricaoPecaI FROM PECA WHERE CodigoPeca = %1").arg(m_s.showcaseAssembly)).toString();
    EXPECT_EQ(linhas(), (QStringList{
                            QStringLiteral("COM|%1|3|ANEL DE VEDAÇÃO|501123456|Componente|r").arg(m_s.heavyCrossRefComponent),
                            QStringLiteral("JRE|%1|1|DISCO DE EMBREAGEM|940000005|Jogo de Reparo|_").arg(m_s.clutchDiscKit),
                            QStringLiteral("PCA|%1|1|%2|%3|Transmission|r").arg(m_s.showcaseAssembly).arg(pca, m_s.showcaseNumber),
                        }));
}

TEST_F(Carrinho, MergingRaisesTheQuantityAndNeverSumsIt)
{
    const long c = m_s.clutchDiscComponent;
    struct Passo {
        const char* quantidade;
        bool opcional;
        const char* depois;   // quantity|mark
        bool escreve;
    };
    const Passo passos[] = {
        {"5", false, "5|r", true},
        {"3", false, "5|r", false},   // smaller: nothing written
        {"5", false, "5|r", false},   // equal: nothing written
        {"8", false, "8|r", true},
        {"10", false, "10|r", true},  // numbers, not texts: 10 > 8
        {"9", true, "10|_", true},    // optional: only the mark
        {"2", true, "10|_", false},   // already optional, smaller
        {"12", false, "12|_", true},  // not optional never clears the mark
        {"abc", false, "12|_", false},
        {"99999", false, "32000|_", true},
    };
    for (const Passo& p : passos) {
        const int antes = escritas();
        IncluiItemCarrinho(QStringLiteral("COM"), c, QLatin1String(p.quantidade), p.opcional, false);
        EXPECT_EQ(quantidadeEMarca(QStringLiteral("COM"), c), QLatin1String(p.depois)) << p.quantidade;
        EXPECT_EQ(escritas() != antes, p.escreve) << p.quantidade;
    }
    EXPECT_EQ(linhas().size(), 1);
}

TEST_F(Carrinho, QuantitiesAreWholeNumbersFrom1To32000)
{
    struct Caso {
        const char* texto;
        int quantidade;
    };
    const Caso casos[] = {{"1", 1}, {"2.7", 2}, {" 4 ", 4}, {"0", 1}, {"-3", 1}, {"abc", 1}, {"", 1},
                          {"32000", 32000}, {"32001", 32000}, {"1e9", 32000}, {"1E3", 1000}};
    for (const Caso& c : casos)
        EXPECT_EQ(QuantidadeCarrinho(QLatin1String(c.texto)), c.quantidade) << c.texto;

    IncluiItemCarrinho(QStringLiteral("COM"), m_s.accentedPecaComponent, QStringLiteral("0.5"), false, false);
    EXPECT_EQ(quantidadeEMarca(QStringLiteral("COM"), m_s.accentedPecaComponent), QStringLiteral("1|r"));
    AlteraQuantidadeCarrinho(QStringLiteral("COM"), m_s.accentedPecaComponent, QStringLiteral("7"));
    EXPECT_EQ(quantidadeEMarca(QStringLiteral("COM"), m_s.accentedPecaComponent), QStringLiteral("7|r"));
    AlteraQuantidadeCarrinho(QStringLiteral("COM"), m_s.accentedPecaComponent, QStringLiteral("40000"));
    EXPECT_EQ(quantidadeEMarca(QStringLiteral("COM"), m_s.accentedPecaComponent), QStringLiteral("32000|r"));
}

TEST_F(Carrinho, AnUnknownKindOrCodeIsRefusedAndNothingIsWritten)
{
    JanelaFalsa janela;
    const int antes = escritas();
    EXPECT_EQ(tqtest::errorNumberOf([] { IncluiItemCarrinho(QStringLiteral("VEI"), 1, QStringLiteral("1"), false, true); }),
              kErroTipoCarrinho);
    EXPECT_EQ(tqtest::errorNumberOf([] { IncluiItemCarrinho(QStringLiteral("COM"), 42, QStringLiteral("1"), false, true); }),
              kErroItemCarrinho);
    EXPECT_EQ(tqtest::errorNumberOf([] { IncluiItemCarrinho(QStringLiteral("com"), 42, QStringLiteral("1"), false, true); }),
              kErroTipoCarrinho);
    EXPECT_EQ(escritas(), antes);
    EXPECT_TRUE(linhas().isEmpty());
    EXPECT_EQ(janela.animacoes, 0);
    // The box of an item the catalogue lacks speaks the run's language.
    const QString idioma = Modulo::gIdioma;
    struct Caso {
        const char* letra;
        const char* falta;
        const char* tipo;
    } casos[] = {
        {"P", "O catálogo não tem o item COM 42: nada foi incluído no carrinho.",
         "O carrinho aceita só componentes, jogos de reparo e conjuntos, não o tipo \"com\"."},
        {"E", "El catálogo no tiene el artículo COM 42: no se añadió nada al carrito.",
         "El carrito acepta solo componentes, juegos de reparación y conjuntos, no el tipo \"com\"."},
        {"I", "The catalogue has no item COM 42: nothing was added to the cart.",
         "The cart takes components, repair kits and assemblies only, not the kind \"com\"."},
    };
    for (const Caso& c : casos) {
        Modulo::gIdioma = QString::fromLatin1(c.letra);
        for (const auto& [tipo, texto] : {std::pair{"COM", c.falta}, std::pair{"com", c.tipo}}) {
            try {
                IncluiItemCarrinho(QString::fromLatin1(tipo), 42, QStringLiteral("1"), false, true);
                ADD_FAILURE() << c.letra << tipo;
            } catch (const platform::Error& e) {
                EXPECT_EQ(e.description(), QString::fromUtf8(texto));
            }
        }
    }
    Modulo::gIdioma = idioma;

    // A known item plays the animation when asked, also when the merge
    // changes nothing; without a main window nothing is asked.
    IncluiItemCarrinho(QStringLiteral("COM"), m_s.clutchDiscComponent, QStringLiteral("2"), false, true);
    IncluiItemCarrinho(QStringLiteral("COM"), m_s.clutchDiscComponent, QStringLiteral("1"), false, true);
    IncluiItemCarrinho(QStringLiteral("JRE"), m_s.clutchDiscKit, QStringLiteral("1"), false, false);
    EXPECT_EQ(janela.animacoes, 2);
    EXPECT_EQ(janela.paradas, 0);
}

TEST_F(Carrinho, WithoutAMainWindowTheAdditionStillHappens)
{
    ASSERT_EQ(ObtemJanelaPrincipal(), nullptr);
    IncluiItemCarrinho(QStringLiteral("PCA"), m_s.showcaseAssembly, QStringLiteral("1"), false, true);
    EXPECT_EQ(linhas().size(), 1);
}

TEST_F(Carrinho, DeletingOneRowOrEveryRow)
{
    IncluiItemCarrinho(QStringLiteral("COM"), m_s.clutchDiscComponent, QStringLiteral("1"), false, false);
    IncluiItemCarrinho(QStringLiteral("COM"), m_s.plainPecaComponent, QStringLiteral("1"), false, false);
    IncluiItemCarrinho(QStringLiteral("JRE"), m_s.clutchDiscKit, QStringLiteral("1"), false, false);
    ExcluiItemCarrinho(QStringLiteral("COM"), m_s.plainPecaComponent);
    EXPECT_EQ(linhas().size(), 2);
    ExcluiItemCarrinho(QString(), 5);   // an empty kind with another code matches nothing
    EXPECT_EQ(linhas().size(), 2);
    ExcluiItemCarrinho(QStringLiteral("JRE'"), m_s.clutchDiscKit);  // quoted, so no row and no error
    EXPECT_EQ(linhas().size(), 2);
    ExcluiItemCarrinho(QString(), -1);
    EXPECT_TRUE(linhas().isEmpty());
}

TEST_F(Carrinho, TextsWithApostrophesAreStoredWhole)
{
    gIdioma = QStringLiteral("I");
    IncluiItemCarrinho(QStringLiteral("COM"), m_s.apostropheComponent, QStringLiteral("1"), false, false);
    ASSERT_EQ(linhas().size(), 1);
    EXPECT_TRUE(linhas()[0].contains(QStringLiteral("|DRIVER'S SIDE OIL SEAL|"))) << linhas()[0].toStdString();
}

TEST_F(Carrinho, AssembliesOfEditionsDAndMAreSets)
{
    abre(QStringLiteral("D"));
    IncluiItemCarrinho(QStringLiteral("PCA"), m_s.assemblyUnknownType, QStringLiteral("1"), false, false);
    ASSERT_EQ(linhas().size(), 1);
    EXPECT_TRUE(linhas()[0].endsWith(QStringLiteral("|Conjunto|r"))) << linhas()[0].toStdString();
}

// Items whose catalogue texts are Null or absent go in with Null texts (the
// cart's text columns refuse empty ones).
class CarrinhoTextosNulos : public tqtest::CatalogFixture {};

TEST_F(CarrinhoTextosNulos, NullTextsAreStoredAsNull)
{
    open();
    DBEngine::CreateDatabase(gCaminhoDados + NomeArquivoAuxiliar())->Close();
    AbreBancoAuxiliar(gWsAuxiliar, gDbAuxiliar);
    gTabelaCarrinho = CriaTabelaLista(gDbAuxiliar);
    IncluiItemCarrinho(QStringLiteral("COM"), 31, QStringLiteral("1"), false, false);
    RecordsetPtr rs = gDbAuxiliar->OpenRecordset(QStringLiteral("SELECT Descricao, NumeroEmpresa, DescricaoTipo FROM ") + gTabelaCarrinho);
    ASSERT_EQ(rs->RecordCount(), 1);
    EXPECT_TRUE(IsNull(rs->Value(0)));
    EXPECT_TRUE(IsNull(rs->Value(1)));
    EXPECT_EQ(rs->Value(2).toString(), QStringLiteral("Componente"));
    rs->Close();
    FechaBanco(gWsAuxiliar, gDbAuxiliar);
}

TEST(AnimacaoCarrinho, TicksShowTheFramesAndStopAfterOneSecond)
{
    AnimacaoCarrinho a;
    a.EfeitoCarrinho(true);  // idle: nothing changes
    EXPECT_FALSE(a.TimerAtivo() || a.CarroVisivel() || a.DicaVisivel() || a.LegendaDefinida());

    a.EfeitoCarrinho();
    EXPECT_TRUE(a.TimerAtivo() && a.DicaVisivel() && a.LegendaDefinida());
    EXPECT_FALSE(a.CarroVisivel());
    QStringList quadros;
    for (int t = 1; t <= 6; ++t) {
        a.Tique();
        quadros << a.NomeQuadro();
    }
    EXPECT_EQ(quadros.first(), QStringLiteral("ANIMACAOCARRO1"));
    EXPECT_EQ(quadros.last(), QStringLiteral("ANIMACAOCARRO6"));
    // A second start 300 ms later: the car starts again from frame 1 and
    // everything ends 20 ticks after this start.
    a.EfeitoCarrinho();
    EXPECT_FALSE(a.CarroVisivel());
    EXPECT_EQ(a.Contador(), 0);
    int tiques = 0;
    while (a.TimerAtivo() && tiques < 100) {
        a.Tique();
        ++tiques;
        if (tiques == 1) {
            EXPECT_EQ(a.Quadro(), 1);
        }
        if (tiques >= 12 && tiques < 20) {
            EXPECT_EQ(a.Quadro(), 12);
            EXPECT_TRUE(a.CarroVisivel() && a.DicaVisivel());
        }
    }
    EXPECT_EQ(tiques, AnimacaoCarrinho::kTiqueFinal);
    EXPECT_FALSE(a.CarroVisivel() || a.DicaVisivel());
    a.Tique();  // a stopped timer ticks no more
    EXPECT_FALSE(a.TimerAtivo() || a.CarroVisivel());
    EXPECT_TRUE(a.LegendaDefinida());
}

}  // namespace
