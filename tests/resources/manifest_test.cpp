// The manifest reader: ranges and twins expand, malformed rows are refused
// with their line number.

#include "resources/manifest.h"

#include <gtest/gtest.h>

using resources::Manifest;
using resources::ManifestError;

namespace {

QString row(const QString& fields)
{
    QString r = fields;
    r.replace(QLatin1Char('|'), QLatin1Char('\t'));
    return r + QLatin1Char('\n');
}

TEST(Manifest, RangesAndTwinsExpandIntoResources)
{
    const Manifest m = Manifest::parse(row("R|G|FRAME{1..3}|48|48|VADM|-|jpg|anim|-|-|-|-")
                                       + QStringLiteral("# comment\n\n")
                                       + row("R|PEI|VOLTAR|42|43|VADM|S|jpg|tool:back|-|Voltar|Volver|Back"));
    ASSERT_EQ(m.specs().size(), 4u);
    EXPECT_EQ(m.specs()[2].name, QStringLiteral("FRAME3"));
    EXPECT_EQ(m.specs()[2].number, 3);
    EXPECT_EQ(m.specs()[3].recipe, QStringLiteral("tool"));
    EXPECT_EQ(m.specs()[3].argument, QStringLiteral("back"));
    EXPECT_EQ(m.specs()[3].caption(QLatin1Char('E')), QStringLiteral("Volver"));

    const auto pictures = m.pictures();
    // Three frames in G, then VOLTAR and VOLTAR_S in each of P, E and I.
    ASSERT_EQ(pictures.size(), 9u);
    EXPECT_EQ(pictures[3].resourcePath(), QStringLiteral(":/tq/P/VOLTAR"));
    EXPECT_EQ(pictures[4].name, QStringLiteral("VOLTAR_S"));
    EXPECT_TRUE(pictures[4].lit);
    EXPECT_EQ(m.find(QStringLiteral("VOLTAR_S")), &m.specs()[3]);
    EXPECT_EQ(m.find(QStringLiteral("FRAME4")), nullptr);
}

TEST(Manifest, MalformedRowsAreRefusedWithTheirLine)
{
    struct Case {
        const char* name;
        QString text;
    };
    const Case cases[] = {
        {"too few columns", row("R|G|X|1|1|V|-|jpg|icon")},
        {"unknown kind", row("Q|G|X|1|1|V|-|jpg|icon|-|-|-|-")},
        {"bad set", row("R|PX|X|1|1|V|-|jpg|icon|-|-|-|-")},
        {"zero width", row("R|G|X|0|1|V|-|jpg|icon|-|-|-|-")},
        {"bad edition", row("R|G|X|1|1|Q|-|jpg|icon|-|-|-|-")},
        {"bad twin flag", row("R|G|X|1|1|V|Y|jpg|icon|-|-|-|-")},
        {"bad format", row("R|G|X|1|1|V|-|png|icon|-|-|-|-")},
        {"lower-case name", row("R|G|Voltar|1|1|V|-|jpg|icon|-|-|-|-")},
        {"listed twice", row("R|G|X|1|1|V|S|jpg|icon|-|-|-|-") + row("R|G|X_S|1|1|V|-|jpg|icon|-|-|-|-")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            Manifest::parse(QStringLiteral("# header\n") + c.text, QStringLiteral("m.tsv"));
            ADD_FAILURE() << "accepted";
        } catch (const ManifestError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).startsWith(QStringLiteral("m.tsv:"))) << e.what();
        }
    }
}

}  // namespace
