// The tqdemo program: its command line and what it prints.

#include "tools/demo/demo.h"

#include "support/testutil.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode;
    QString out, err;
};

Outcome tqdemo(const QStringList& args)
{
    QProcess p;
    p.start(tqtest::builtProgram(QStringLiteral("tqdemo")), args);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

TEST(DemoProgram, WritesTheFolderAndSaysWhatItHolds)
{
    tqtest::TempDir dir;
    const Outcome r = tqdemo({"--edition", "D", "--out", dir.file("d"), "--scale", "0.1", "--no-files", "--update-port", "18080"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("Demo catalogue, edition D"))) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("http://127.0.0.1:18080/"))) << r.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.file("d/DAZADIZETQ_D.MDB")));
    EXPECT_TRUE(QFileInfo::exists(dir.file("d/DAZADIZEAUX.MDB")));
}

TEST(DemoProgram, BadArgumentsAreRefusedWithAMessage)
{
    tqtest::TempDir dir;
    const struct {
        const char* name;
        QStringList args;
        const char* message;
    } cases[] = {
        {"no folder", {"--edition", "V"}, "--out"},
        {"unknown edition", {"--edition", "X", "--out", dir.file("x")}, "edition"},
        {"zero scale", {"--edition", "V", "--out", dir.file("x"), "--scale", "0"}, "--scale"},
        {"unknown variant", {"--edition", "V", "--out", dir.file("x"), "--variant", "no-figures"}, "no-figures"},
        {"unknown argument", {"--colour"}, "--colour"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome r = tqdemo(c.args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_TRUE(r.err.contains(QLatin1String(c.message))) << r.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.file("x")));
}

TEST(DemoProgram, ArgumentsSetTheOptions)
{
    const demo::Options o = demo::ParseArguments({"--edition", "a", "--out", "/tmp/x", "--scale", "100", "--variant", "no-tipopeca,no-attachments",
                                                  "--seed", "7", "--version", "120", "--update-url", "http://127.0.0.1:9/v"});
    EXPECT_EQ(o.edition, QStringLiteral("A"));
    EXPECT_EQ(o.outDir, QStringLiteral("/tmp/x"));
    EXPECT_EQ(o.scale, 100.0);
    EXPECT_TRUE(o.noTipoPeca);
    EXPECT_TRUE(o.noAttachments);
    EXPECT_EQ(o.seed, 7u);
    EXPECT_EQ(o.version, 120);
    EXPECT_EQ(o.updateUrl, QStringLiteral("http://127.0.0.1:9/v"));
    EXPECT_TRUE(o.writeFiles);
}

}  // namespace
