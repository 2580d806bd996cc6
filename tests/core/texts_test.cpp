#include "core/globals.h"
#include "core/texts.h"

#include "support/qstringprinter.h"

#include <gtest/gtest.h>

using namespace Modulo;

namespace {

// Sets the run's language and edition for one test and restores them after.
class TextsTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        gIdioma = m_idioma;
        gEdicao = m_edicao;
    }
    QString m_idioma = gIdioma;
    QString m_edicao = gEdicao;
};

const QStringList kEditions = {"V", "A", "D", "M"};
const QStringList kLanguages = {"P", "E", "I"};

}  // namespace

TEST_F(TextsTest, EveryEntryHasATextInEveryLanguageAndEdition)
{
    for (const QString& ed : kEditions) {
        for (const QString& lang : kLanguages) {
            for (int n = kPrimeiroTexto; n <= kUltimoTexto; ++n) {
                SCOPED_TRACE(QStringLiteral("entry %1 language %2 edition %3").arg(n).arg(lang, ed).toStdString());
                const QString t = ObtemTexto(n, lang, ed);
                if (n == 47 || n == 88)
                    EXPECT_TRUE(t.isEmpty());
                else
                    EXPECT_FALSE(t.trimmed().isEmpty());
                // Placeholders survive translation: callers fill them.
                EXPECT_EQ(t.contains("|1|"), ObtemTexto(n, "P", ed).contains("|1|"));
                EXPECT_EQ(t.contains("|2|"), ObtemTexto(n, "P", ed).contains("|2|"));
            }
        }
    }
}

TEST_F(TextsTest, EmptyLanguageMeansTheCurrentOne)
{
    gIdioma = "E";
    gEdicao = "V";
    EXPECT_EQ(ObtemTexto(19), QStringLiteral("Razovovu de piezas TQ - Vehicular"));
    EXPECT_EQ(ObtemTexto(19, ""), QStringLiteral("Razovovu de piezas TQ - Vehicular"));
    EXPECT_EQ(ObtemTituloPrograma(), QStringLiteral("Razovovu de piezas TQ - Vehicular"));
    EXPECT_EQ(ObtemTexto(2, ""), QStringLiteral("Componente"));
    gIdioma = "I";
    EXPECT_EQ(ObtemTexto(2, ""), QStringLiteral("Component"));
    gEdicao = "D";
    gIdioma = "P";
    EXPECT_EQ(ObtemTexto(19, ""), QStringLiteral("Razovovu Estelvo"));
}

TEST_F(TextsTest, EditionVariants)
{
    struct Row {
        int entry;
        const char* lang;
        const char* edition;
        QString expected;
    };
    const Row rows[] = {
        {5, "I", "V", "TQ Nr"},
        {5, "I", "A", "TQ Nr"},
        {5, "I", "M", "TQ Nr"},
        {5, "I", "D", "TQSD Nr"},
        {5, "P", "X", "Nº TQ"},
        {60, "P", "D", "Os NÚMEROS TQSD devem ser diferentes"},
        {60, "E", "Z", "Los Números TQ deben ser diferentes"},
        {97, "P", "V", "Para acessar o Razovovu TQ: executar \"DazadizeTQ_?.exe\""},
        {97, "I", "Q", "To access TQ Part List: execute \"DazadizeTQ_?.exe\""},
        {97, "E", "D", "Para tener acceso el Razovovu TQSD: ejecutar \"DazadizeTQ_D.exe\""},
        {19, "P", "A", "Razovovu TQ - Agrícola"},
        {19, "I", "M", "Quorvan Part list"},
        {19, "E", "D", "Razovovu de piezas Estelvo"},
        {19, "P", "X", ""},
        {19, "P", "", ""},
        {19, "P", "v", ""},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(QStringLiteral("entry %1 %2 %3").arg(r.entry).arg(r.lang, r.edition).toStdString());
        EXPECT_EQ(ObtemTexto(r.entry, r.lang, r.edition), r.expected);
        gEdicao = r.edition;
        EXPECT_EQ(ObtemTexto(r.entry, r.lang), r.expected);
    }
}

TEST_F(TextsTest, OutOfRangeNumbersAndUnknownLanguagesGiveEmptyText)
{
    gIdioma = "P";
    gEdicao = "V";
    for (const char* lang : {"P", "E", "I", ""}) {
        EXPECT_EQ(ObtemTexto(-1, lang), QString());
        EXPECT_EQ(ObtemTexto(122, lang), QString());
    }
    EXPECT_EQ(ObtemTexto(47, "P"), QString());
    EXPECT_EQ(ObtemTexto(88, "E"), QString());
    EXPECT_EQ(ObtemTexto(2, "p"), QString());
    EXPECT_EQ(ObtemTexto(2, "X"), QString());
    EXPECT_EQ(ObtemTexto(2, "PE"), QString());
    gIdioma = "x";  // an invalid current language as well
    EXPECT_EQ(ObtemTexto(2), QString());
}

TEST_F(TextsTest, TextsKeepTheirExactForm)
{
    // Entry 117 is two lines with exactly one CR LF between them.
    for (const QString& lang : kLanguages) {
        const QString t = ObtemTexto(117, lang, "V");
        EXPECT_EQ(t.count("\r\n"), 1);
        EXPECT_EQ(t.count('\r'), 1);
        EXPECT_EQ(t.count('\n'), 1);
    }
    EXPECT_EQ(ObtemTexto(117, "P", "V"), QStringLiteral("Próximo Item: Clique no\r\nbotão Direito do Mouse"));
    EXPECT_EQ(ObtemTexto(32, "P", "V"), QStringLiteral("Arquivo \"|1|\" gerado com sucesso"));
    EXPECT_EQ(ObtemTexto(21, "P", "V"), ObtemTexto(21, "E", "V"));
    EXPECT_EQ(ObtemTexto(21, "I", "V"), QStringLiteral("Err Nr"));
    EXPECT_EQ(ObtemTexto(30, "P", "V"), QStringLiteral("Não Aplicavel"));
    EXPECT_EQ(ObtemTexto(57, "E", "V"), QStringLiteral("Informe lo NºTQ TRANSMISIÓN  / EJE"));
    EXPECT_EQ(ObtemTexto(33, "I", "V"), QStringLiteral("|1| not showed"));
}

TEST_F(TextsTest, MonthsAndTheComparisonMessageOfEditionM)
{
    const char* p[] = {"JAN", "FEV", "MAR", "ABR", "MAI", "JUN", "JUL", "AGO", "SET", "OUT", "NOV", "DEZ"};
    const char* e[] = {"ENE", "FEB", "MAR", "ABR", "MAY", "JUN", "JUL", "AGO", "SEP", "OCT", "NOV", "DIC"};
    const char* i[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const int entries[] = {84, 85, 86, 87, 89, 90, 91, 92, 93, 94, 95, 96};
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(ObtemTexto(entries[m], "P", "V"), QString::fromLatin1(p[m]));
        EXPECT_EQ(ObtemTexto(entries[m], "E", "V"), QString::fromLatin1(e[m]));
        EXPECT_EQ(ObtemTexto(entries[m], "I", "V"), QString::fromLatin1(i[m]));
    }
    // Entry 115 has a wording of its own in the three languages, in the form
    // of its siblings 58, 59 and 108.
    for (const QString& lang : kLanguages) {
        const QString t = ObtemTexto(115, lang, "M");
        EXPECT_TRUE(t.contains("CONJUNTO") || t.contains("SET")) << t.toStdString();
        EXPECT_NE(t, ObtemTexto(108, lang, "M"));
    }
}
