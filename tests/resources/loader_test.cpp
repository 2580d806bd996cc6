// The picture loader's rules: the default type, the edition rule of the
// screen loaders, release mode, missing names and undecodable data.

#include "core/globals.h"
#include "core/pictures.h"
#include "platform/base/error.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

class Loader : public ::testing::Test {
protected:
    void TearDown() override
    {
        Modulo::gIdioma = m_idioma;
        Modulo::gEdicao = m_edicao;
    }
    QString m_idioma = Modulo::gIdioma;
    QString m_edicao = Modulo::gEdicao;
};

QImage image(const QPixmap& p) { return p.toImage().convertToFormat(QImage::Format_RGB32); }

TEST_F(Loader, TheTypeDefaultsToTheCurrentLanguage)
{
    Modulo::gIdioma = QStringLiteral("P");
    const QImage portuguese = image(Modulo::CarregaImagemRecurso(QStringLiteral("VOLTAR")));
    EXPECT_EQ(portuguese, image(Modulo::CarregaImagemRecurso(QStringLiteral("VOLTAR"), QStringLiteral("P"))));
    // After a language change the same call reads the new language's set.
    Modulo::gIdioma = QStringLiteral("I");
    const QImage english = image(Modulo::CarregaImagemRecurso(QStringLiteral("VOLTAR")));
    EXPECT_EQ(english, image(Modulo::CarregaImagemRecurso(QStringLiteral("VOLTAR"), QStringLiteral("I"))));
    EXPECT_NE(portuguese, english);
    EXPECT_EQ(english.size(), QSize(42, 43));
}

TEST_F(Loader, EditionDScreenLoadersReadTheTqsdColumnTitle)
{
    const QImage tq = image(Modulo::CarregaImagemRecurso(QStringLiteral("GRIDNROTQ"), QStringLiteral("P")));
    const QImage tqsd = image(Modulo::CarregaImagemRecurso(QStringLiteral("GRIDNROTQSD"), QStringLiteral("P")));
    ASSERT_NE(tq, tqsd);
    for (const char* e : {"V", "A", "D", "M"}) {
        SCOPED_TRACE(e);
        Modulo::gEdicao = QString::fromLatin1(e);
        const bool d = Modulo::gEdicao == QLatin1String("D");
        EXPECT_EQ(image(Modulo::CarregaOuLiberaImagem(QStringLiteral("C"), QStringLiteral("GRIDNROTQ"), QStringLiteral("P"))),
                  d ? tqsd : tq);
        // Asked directly, the loader never substitutes.
        EXPECT_EQ(image(Modulo::CarregaImagemRecurso(QStringLiteral("GRIDNROTQ"), QStringLiteral("P"))), tq);
    }
    // Only the exact name is replaced.
    struct Case {
        const char* name;
        const char* edicao;
        const char* expected;
    };
    const Case cases[] = {
        {"GRIDNROTQ", "D", "GRIDNROTQSD"},  {"GRIDNROTQ", "V", "GRIDNROTQ"},
        {"GRIDNROTQSD", "D", "GRIDNROTQSD"}, {"XGRIDNROTQ", "D", "XGRIDNROTQ"},
        {"GRIDNROTQ_S", "D", "GRIDNROTQ_S"}, {"gridnrotq", "D", "gridnrotq"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Modulo::NomeRecursoEdicao(QString::fromLatin1(c.name), QString::fromLatin1(c.edicao)),
                  QString::fromLatin1(c.expected))
            << c.name << " in " << c.edicao;
}

TEST_F(Loader, ReleaseModeReadsNothing)
{
    Modulo::gEdicao = QStringLiteral("D");
    EXPECT_TRUE(Modulo::CarregaOuLiberaImagem(QStringLiteral("D"), QStringLiteral("VOLTAR")).isNull());
    EXPECT_TRUE(Modulo::CarregaOuLiberaImagem(QStringLiteral("D"), QStringLiteral("NAOEXISTE"), QStringLiteral("G")).isNull());
    // Any other mode loads.
    EXPECT_FALSE(Modulo::CarregaOuLiberaImagem(QStringLiteral("X"), QStringLiteral("VOLTAR"), QStringLiteral("E")).isNull());
}

TEST_F(Loader, JpegAndGifBothLoad)
{
    const QPixmap gif = Modulo::CarregaImagemRecurso(QStringLiteral("ICOOPCIONAIS"), QStringLiteral("G"));
    const QPixmap jpeg = Modulo::CarregaImagemRecurso(QStringLiteral("ICOSELECIONAR"), QStringLiteral("G"));
    EXPECT_EQ(gif.size(), QSize(15, 14));
    EXPECT_EQ(jpeg.size(), QSize(15, 14));
    // The GIF keeps the panel behind it: its corners are transparent.
    EXPECT_TRUE(gif.hasAlphaChannel());
    EXPECT_EQ(qAlpha(gif.toImage().pixel(0, 0)), 0);
    EXPECT_EQ(Modulo::CarregaImagemRecurso(QStringLiteral("FUNDOTELANORVALE1024X768"), QStringLiteral("G")).size(),
              QSize(1024, 768));
}

TEST_F(Loader, AMissingNameRaisesTheResourceError)
{
    struct Case {
        const char* name;
        const char* type;
    };
    const Case cases[] = {
        {"NAOEXISTE", "G"},
        {"TABELABOMBASMOTOR", "I"},  // only the Portuguese set has it
        {"APRESENTACAO1", "E"},      // not in the Spanish set
        {"VOLTAR", "G"},             // a language picture asked as language-free
        {"VOLTAR", "X"},
        {"", "G"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " in " + c.type);
        try {
            Modulo::CarregaImagemRecurso(QString::fromLatin1(c.name), QString::fromLatin1(c.type));
            ADD_FAILURE() << "loaded";
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), Modulo::ErroRecursoNaoEncontrado);
            EXPECT_TRUE(e.description().contains(QString::fromLatin1(c.name)));
        }
    }
    EXPECT_FALSE(Modulo::RecursoImagemExiste(QStringLiteral("TABELABOMBASMOTOR"), QStringLiteral("I")));
    EXPECT_TRUE(Modulo::RecursoImagemExiste(QStringLiteral("TABELABOMBASMOTOR"), QStringLiteral("P")));
}

TEST_F(Loader, NamesAreFoundWhateverTheirCase)
{
    EXPECT_EQ(image(Modulo::CarregaImagemRecurso(QStringLiteral("voltar_s"), QStringLiteral("p"))),
              image(Modulo::CarregaImagemRecurso(QStringLiteral("VOLTAR_S"), QStringLiteral("P"))));
}

TEST_F(Loader, DataThatDoesNotDecodeGivesNoPicture)
{
    EXPECT_TRUE(Modulo::CarregaImagemRecurso(QStringLiteral("TESTEDANIFICADO"), QStringLiteral("G")).isNull());
}

}  // namespace
