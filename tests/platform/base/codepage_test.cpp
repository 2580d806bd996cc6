#include "platform/base/codepage.h"

#include <gtest/gtest.h>

using platform::fromWindows1252;
using platform::toWindows1252;

TEST(Codepage, EveryByteDecodesAndEncodesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = fromWindows1252(all);
    ASSERT_EQ(text.size(), 256);
    bool ok = false;
    EXPECT_EQ(toWindows1252(text, &ok), all);
    EXPECT_TRUE(ok);
}

TEST(Codepage, HighRangeMapsToItsCharacters)
{
    EXPECT_EQ(fromWindows1252("\x80\x93\x94\xE9\xC7\xBA"), QStringLiteral("€“”éÇº"));
    EXPECT_EQ(toWindows1252(QStringLiteral("Vedação €")), QByteArray("Veda\xE7\xE3o \x80"));
}

TEST(Codepage, CharactersOutsideTheCodePageAreReported)
{
    bool ok = true;
    EXPECT_EQ(toWindows1252(QStringLiteral("a\u4E2Db"), &ok), QByteArray("a?b"));
    EXPECT_FALSE(ok);
    // A character outside the basic plane is one "?", not two.
    EXPECT_EQ(toWindows1252(QString::fromUtf8("x\xF0\x9F\x98\x80y"), &ok), QByteArray("x?y"));
    EXPECT_FALSE(platform::isWindows1252(QStringLiteral("\u0100")));
    EXPECT_TRUE(platform::isWindows1252(QStringLiteral("Ação ¿ € ™")));
}
