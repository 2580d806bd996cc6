// Qt's own translations for the run's language: installed for P and E,
// removed for I and on a change, a missing file no error.

#include "platform/desktop/qttranslations.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

QString SaveAs() { return QCoreApplication::translate("QFileDialog", "Save As"); }
QString Print() { return QCoreApplication::translate("QPrintDialog", "Print"); }

class QtTranslations : public ::testing::Test {
protected:
    void TearDown() override { platform::installQtTranslations(QStringLiteral("I")); }
};

TEST_F(QtTranslations, FollowTheRunsLanguage)
{
    struct Case {
        const char* language;
        bool installed;
        const char* saveAs;
        const char* print;
    };
    // In order: each row changes the language of the row before.
    const Case cases[] = {
        {"P", true, "Salvar como", "Imprimir"},
        {"E", true, "Guardar como", "Imprimir"},
        {"E", true, "Guardar como", "Imprimir"},
        {"I", false, "Save As", "Print"},
        {"P", true, "Salvar como", "Imprimir"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        EXPECT_EQ(platform::installQtTranslations(QString::fromLatin1(c.language)), c.installed);
        EXPECT_EQ(SaveAs(), QString::fromUtf8(c.saveAs));
        EXPECT_EQ(Print(), QString::fromUtf8(c.print));
    }
}

TEST_F(QtTranslations, AMissingFileLeavesQtsEnglish)
{
    tqtest::TempDir empty;
    ASSERT_TRUE(platform::installQtTranslations(QStringLiteral("P")));
    EXPECT_FALSE(platform::installQtTranslations(QStringLiteral("P"), empty.path()));
    EXPECT_EQ(SaveAs(), QStringLiteral("Save As"));
}

}  // namespace
