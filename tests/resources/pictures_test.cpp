// The embedded picture set against the manifest and against what the screens
// ask for: every picture every screen requests, in every edition and
// language, loads through the program's loader at the size the manifest
// gives; the resources hold exactly the manifest's pictures; JPEG and GIF data
// are what they claim to be.

#include "core/globals.h"
#include "core/pictures.h"
#include "resources/manifest.h"
#include "support/testutil.h"

#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <set>

namespace {

const resources::Manifest& manifest()
{
    static const resources::Manifest m =
        resources::Manifest::load(tqtest::sourceDir() + QStringLiteral("/resources/manifest.tsv"));
    return m;
}

// One request of a screen: a picture name, a resource type ("" = the
// language, as the callers that leave the type out), and whether the caller
// goes through CarregaOuLiberaImagem (the screen loaders, which apply the
// edition rule) or CarregaImagemRecurso directly.
struct Request {
    QString name;
    QString type;
    bool screenLoader = true;
};

// What the windows ask for, screen by screen, in edition e and language l,
// as their picture sets list it.  Buttons with a highlighted twin are listed
// with "+" and stand for NAME and NAME_S.
std::vector<Request> requests(QChar e, QChar l)
{
    std::vector<Request> out;
    const QString L;  // the language: type left out
    const QString G = QStringLiteral("G");
    auto add = [&](const QString& spec, const QString& type, bool screenLoader = true) {
        QString name = spec;
        const bool twin = name.endsWith(QLatin1Char('+'));
        if (twin)
            name.chop(1);
        out.push_back({name, type, screenLoader});
        if (twin)
            out.push_back({name + QStringLiteral("_S"), type, screenLoader});
    };
    const QString ed(e);
    const bool V = e == QLatin1Char('V'), A = e == QLatin1Char('A'), D = e == QLatin1Char('D'),
               M = e == QLatin1Char('M');

    // Start window and closing window.
    add(D ? "TELAIDIOMAS_D" : "TELAIDIOMAS", G, false);
    add("FUNDOTELANORVALE800X600", G, false);
    add("FUNDOTELANORVALE1024X768", G, false);

    // Main window, frame (set 100).
    if (D) {
        add("BARRAMENU_D", G, false);
        add("LOGO_D", G, false);
        add("AEMPRESA+", L);
    } else {
        add("TQDOBRASIL+", G);
    }
    for (const char* b : {"INICIO+", "ATUALIZACAO+", "AJUDA+", "SAIR+"})
        add(b, L);
    add("CARRO+", G);

    // Start screen (set 0).
    add("ICOATUALIZAR+", G);
    add("TELAINICIAL" + ed, G);
    add("DAZADIZEDEPECAS" + ed, L);
    add("PESQUISAPECAS" + ed + "+", L);
    if (!M)
        add("PESQUISAVEI" + ed + "+", L);
    if (V || A) {
        add("BOMBAS" + ed + "+", L);
        add("FILTROS" + ed + "+", L);
    }
    add("ATUALIZADOEM" + ed, L);
    add("COMPARAR" + ed + "+", L);

    // Part search, vehicle search, parts list (sets 1 to 3).
    for (const char* n : {"AVANCAR+", "VOLTAR+", "TITULOPESQUISA", "GRIDNROTQ", "GRIDDESCRICAO", "GRIDNROMONTADORA",
                          "CHKEIXOS+", "CHKTRANSMISSOES+", "CHKJOGOSREPARO+", "CHKCOMPONENTES+", "GRIDVEICULO",
                          "GRIDFABRICANTE", "TITULORESULTADOPESQUISA"})
        add(n, L);
    add("TITULOLINHA", G);
    if (!V)
        add("GRIDTIPO", L);

    // Figure and components table (sets 4 and 5).
    for (const char* n : {"TABELA+", "COMPARACAO+", "FIGURA+", "IMPRIMIR+", "TITULOFIGURA", "TITULOTABELA", "GRIDITEM",
                          "GRIDQUANTIDADE", "GRIDCOMPONENTE", "TITJOGOREPAROCAIXA", "TITSUGESTAOCAIXA",
                          "INCLUIRSELECIONADOSSUG", "SELECIONARTODOSSUG"})
        add(n, L);
    add("ICOOPCIONAIS+", G);

    // Presentation (set 6): Spanish shows the English pages, but for edition
    // D's own pages 1 and 3.
    for (int page = 1; page <= 3; ++page) {
        const bool own = D && page != 2;
        const QString name = QStringLiteral("APRESENTACAO") + (own ? QStringLiteral("D") : QString()) + QString::number(page);
        const QString type = (l == QLatin1Char('E') && !own) ? QStringLiteral("I") : QString(l);
        add(name, type);
    }

    // Pump tables (set 7): the table picture is Portuguese in every language.
    add(V ? "TITULOBOMBASMOTOR" : "TITULOBOMBASAGRICOLA", L);
    add(V ? "TABELABOMBASMOTOR" : "TABELABOMBASAGRICOLA", QStringLiteral("P"));

    // Comparison list and selection (sets 8 and 9).
    add("TITULOCOMPARACAO", L);
    add("TITULOCOMPARAR", L);
    add("NUM1COMP", G);
    add("NUM2COMP", G);
    if (!M) {
        add("GARFOCOMP", G);
        add("PESQUISAVEICULOSCOMP+", L);
    }
    add(A ? "GRIDTRANSMISSAOEIXO" : "GRIDCONJUNTO", L);
    add(V ? "PESQUISATRANSMISSOESCOMP+"
          : A ? "PESQUISATRANSMISSOESEIXOSCOMP+"
              : D ? "PESQUISACONJUNTOSCOMP+" : "PESQUISACOMP+",
        L);

    // Detail window.
    add(D ? "FUNDOTELINHA_D" : "FUNDOTELINHA", G, false);
    for (const char* n : {"TITULOOBSERVACAO", "TITULOJOGOSREPARO", "GRIDJOGOSREPARO", "TITULOAPLICACAO", "GERARARQUIVO+",
                          "ENVIAREMAIL+", "LIMPAR+", "TITULOLISTA", "TITULOOPCIONAIS", "TITULOIMPRIMIR",
                          "TITULOGERARARQUIVO", "TITULOENVIAREMAIL", "CHKFIGURA+", "CHKTABELA+", "TITULOATUALIZANDO",
                          "TITULOCONFIGURACOES"})
        add(n, L);
    for (const char* n : {"ATUALIZACAOBARRA", "ATUALIZACAOMIOLO", "ATUALIZACAOSETA", "ATUALIZACAOOK", "OK+"})
        add(n, G);

    // List icons, attachments and the cart animation.
    for (const char* n : {"ICOSELECIONAR+", "ICOOBSERVACAO+", "ICOSUGESTAO+", "ICOJOGOSREPARO+", "ICOFIGURA+",
                          "ICOAUMENTAR+", "ICODIMINUIR+", "ICOEXCLUIR+", "ICOPDF"})
        add(n, G, false);
    if (!M)
        add("ICOAPLICACAO+", G, false);
    for (int n = 1; n <= 12; ++n)
        add(QStringLiteral("ANIMACAOCARRO%1").arg(n), G, false);
    return out;
}

class RestoreGlobals {
public:
    ~RestoreGlobals()
    {
        Modulo::gIdioma = m_idioma;
        Modulo::gEdicao = m_edicao;
    }

private:
    QString m_idioma = Modulo::gIdioma;
    QString m_edicao = Modulo::gEdicao;
};

TEST(PictureSet, EveryPictureTheScreensAskForLoadsAtItsSize)
{
    RestoreGlobals restore;
    const resources::Manifest& m = manifest();
    std::set<QString> asked;  // "type/NAME" of every picture loaded
    for (QChar e : QStringLiteral("VADM")) {
        for (QChar l : QStringLiteral("PEI")) {
            Modulo::gEdicao = QString(e);
            Modulo::gIdioma = QString(l);
            for (const Request& r : requests(e, l)) {
                SCOPED_TRACE(QStringLiteral("edition %1, language %2, %3 type \"%4\"").arg(e).arg(l).arg(r.name, r.type).toStdString());
                QPixmap picture;
                try {
                    picture = r.screenLoader ? Modulo::CarregaOuLiberaImagem(QStringLiteral("C"), r.name, r.type)
                                             : Modulo::CarregaImagemRecurso(r.name, r.type);
                } catch (const std::exception& ex) {
                    ADD_FAILURE() << ex.what();
                    continue;
                }
                const QString name = r.screenLoader ? Modulo::NomeRecursoEdicao(r.name, Modulo::gEdicao) : r.name;
                const QString type = r.type.isEmpty() ? QString(l) : r.type;
                asked.insert(type + QLatin1Char('/') + name);
                const resources::PictureSpec* spec = m.find(name);
                ASSERT_NE(spec, nullptr) << "not in the manifest";
                EXPECT_TRUE(spec->shownIn(e)) << "the manifest does not list this edition";
                ASSERT_FALSE(picture.isNull());
                EXPECT_EQ(picture.size(), QSize(spec->width, spec->height));
            }
        }
    }
    // Every resource picture of the manifest is asked for by some screen;
    // design pictures are the windows' own and are not named by the sets.
    for (const resources::Picture& p : m.pictures()) {
        if (p.spec->kind == QLatin1Char('R')) {
            EXPECT_TRUE(asked.count(p.type + QLatin1Char('/') + p.name)) << qPrintable(p.resourcePath())
                                                                          << " asked for by no screen";
        }
    }
}

TEST(PictureSet, ResourcesHoldExactlyTheManifestAndEachDecodesAtItsSize)
{
    const resources::Manifest& m = manifest();
    std::set<QString> expected;
    for (const resources::Picture& p : m.pictures()) {
        expected.insert(p.resourcePath());
        SCOPED_TRACE(p.resourcePath().toStdString());
        QFile f(p.resourcePath());
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        if (p.spec->format == QLatin1String("gif"))
            EXPECT_TRUE(data.startsWith("GIF89a"));
        else
            EXPECT_TRUE(data.startsWith("\xFF\xD8\xFF"));
        QImage image;
        ASSERT_TRUE(image.loadFromData(data));
        EXPECT_EQ(image.size(), QSize(p.spec->width, p.spec->height));
    }
    QDirIterator it(QStringLiteral(":/tq"), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path != QLatin1String(":/tq/G/TESTEDANIFICADO")) {
            EXPECT_TRUE(expected.count(path)) << qPrintable(path) << " is not in the manifest";
        }
    }
}

TEST(PictureSet, LanguageSetsHoldTheSameNamesBarTheDocumentedExceptions)
{
    // Pump tables only in Portuguese, presentation pages 1 to 3 not in
    // Spanish; everything else of a language set is in all three.
    for (const resources::PictureSpec& s : manifest().specs()) {
        if (s.sets == QLatin1String("G"))
            continue;
        SCOPED_TRACE(s.name.toStdString());
        if (s.name.startsWith(QLatin1String("TABELABOMBAS")))
            EXPECT_EQ(s.sets, QStringLiteral("P"));
        else if (QStringList{"APRESENTACAO1", "APRESENTACAO2", "APRESENTACAO3"}.contains(s.name))
            EXPECT_EQ(s.sets, QStringLiteral("PI"));
        else
            EXPECT_EQ(s.sets, QStringLiteral("PEI"));
    }
}

}  // namespace
