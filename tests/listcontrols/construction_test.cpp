// The list controls read no member before it is set: THGrid's event filter
// used to compare against m_fundo while the constructor had not yet set it.
// valgrind's memcheck is the oracle (a sanitizer build cannot run under it,
// and memory a constructor reads uninitialised shows nowhere else).
#include "support/testutil.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

TEST(ListConstruction, NoMemberIsReadBeforeItIsSet)
{
#if defined(__SANITIZE_ADDRESS__) || (defined(__has_feature) && __has_feature(address_sanitizer))
    GTEST_SKIP() << "a sanitizer build cannot run under valgrind";
#endif
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty())
        GTEST_SKIP() << "valgrind is not installed";
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(valgrind, {QStringLiteral("--tool=memcheck"), QStringLiteral("--leak-check=no"),
                       QStringLiteral("--undef-value-errors=yes"), QStringLiteral("--num-callers=30"),
                       QStringLiteral(TQ_LISTCONTROLS_PROBE)});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString log = QString::fromLocal8Bit(p.readAll());
    ASSERT_EQ(p.exitCode(), 0) << log.toStdString();
    // Each report is a block of lines starting "==pid== " up to a blank one;
    // only those that pass through the controls count (the system's
    // libraries have reports of their own).
    static const QRegularExpression blank(QStringLiteral("^==\\d+== *$"), QRegularExpression::MultilineOption);
    for (const QString& block : log.split(blank)) {
        EXPECT_FALSE(block.contains(QLatin1String("uninitialised")) &&
                     (block.contains(QLatin1String("THGrid")) || block.contains(QLatin1String("THCombo"))))
            << block.toStdString();
    }
}
