// The embedded picture set against the manifest and against what the screens
// ask for: every picture every screen requests, in every edition and
// language, loads through the program's loader at the size the manifest
// gives; the resources hold exactly the manifest's pictures; JPEG and GIF data
// are what they claim to be.

#include "core/globals.h"
#include "core/pictures.h"
#include "mainwindow/frmTQ1.h"
#include "resources/manifest.h"
#include "support/gravadorimagens.h"
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
    bool resolved = false;  // recorded: type and edition rule already applied
};

// What the windows ask for in edition e and language l: the main window's
// sets recorded from its own loader, the other windows' pictures as their
// designs list them.  Buttons with a highlighted twin are listed with "+" and
// stand for NAME and NAME_S.
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
        out.push_back({name, type, screenLoader, false});
        if (twin)
            out.push_back({name + QStringLiteral("_S"), type, screenLoader, false});
    };
    const bool D = e == QLatin1Char('D'), M = e == QLatin1Char('M');

    // Start window and closing window.
    add(D ? "TELAIDIOMAS_D" : "TELAIDIOMAS", G, false);
    add("FUNDOTELANORVALE800X600", G, false);
    add("FUNDOTELANORVALE1024X768", G, false);

    // Main window: every set of the real CarregaImagensTela, recorded in
    // load mode with every run-time condition (presentation pages, comparison).
    {
        static frmTQ1* janela = new frmTQ1;
        tqtest::GravadorImagens gravador;
        auto grava = [&](int codigo, const QString& pagina, long comparacao) {
            for (const tqtest::PedidoImagem& p :
                 gravador.Grava(*janela, QStringLiteral("C"), codigo, QString(e), QString(l), pagina, comparacao))
                out.push_back({p.nome, p.tipo, !p.direto, true});
        };
        for (int codigo : {100, 0, 1, 2, 3, 5, 7, 8, 9})
            grava(codigo, QStringLiteral("1"), -1);
        grava(4, QStringLiteral("1"), -1);
        grava(4, QStringLiteral("1"), 1);
        for (const char* pagina : {"1", "2", "3"})
            grava(6, QString::fromLatin1(pagina), -1);
    }

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
                    picture = (r.screenLoader && !r.resolved) ? Modulo::CarregaOuLiberaImagem(QStringLiteral("C"), r.name, r.type)
                                                              : Modulo::CarregaImagemRecurso(r.name, r.type);
                } catch (const std::exception& ex) {
                    ADD_FAILURE() << ex.what();
                    continue;
                }
                const QString name = (r.screenLoader && !r.resolved) ? Modulo::NomeRecursoEdicao(r.name, Modulo::gEdicao)
                                                                     : r.name;
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
