// Captions from texts-table templates.

#include "resources/generator/captions.h"

#include <gtest/gtest.h>

namespace {

QString fakeTexts(long n, QChar language, QChar edition)
{
    if (n == 5)
        return edition == QLatin1Char('D') ? QStringLiteral("Nº TQSD") : QStringLiteral("Nº TQ");
    if (n == 44)
        return language == QLatin1Char('I') ? QStringLiteral("Assembler") : QStringLiteral("Montadora");
    if (n == 121)
        return language == QLatin1Char('I') ? QStringLiteral("|1| Nr") : QStringLiteral("Nº |1|");
    if (n == 3)
        return QStringLiteral("Transmissão");
    if (n == 1)
        return QStringLiteral("Eixo");
    return {};
}

TEST(Captions, TemplatesReadTheTextsTable)
{
    struct Case {
        const char* templ;
        QChar language;
        const char* expected;
    };
    const Case cases[] = {
        {"{5}", QLatin1Char('P'), "Nº TQ"},
        {"{5@D}", QLatin1Char('P'), "Nº TQSD"},
        {"{121:44}", QLatin1Char('P'), "Nº Montadora"},
        {"{121:44}", QLatin1Char('I'), "Assembler Nr"},
        {"{3} / {1}", QLatin1Char('P'), "Transmissão / Eixo"},
        {"plain", QLatin1Char('P'), "plain"},
        {"{99}", QLatin1Char('P'), ""},  // an empty entry: the manifest's caption is used
    };
    for (const Case& c : cases)
        EXPECT_EQ(resources::expandTextTemplate(QString::fromUtf8(c.templ), c.language, QLatin1Char('V'), fakeTexts),
                  QString::fromUtf8(c.expected))
            << c.templ;
}

}  // namespace
