#include "core/files.h"
#include "core/globals.h"
#include "platform/base/error.h"
#include "platform/base/volumeserial.h"
#include "support/testutil.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTimer>

#include "support/qstringprinter.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Modulo;
using tqtest::TempDir;

namespace {

// Restores gCaminhoDados after a test changes it.
struct DataFolderGuard {
    QString saved = gCaminhoDados;
    ~DataFolderGuard() { gCaminhoDados = saved; }
};

}  // namespace

TEST(Files, ProgramFolderWithAndWithoutBar)
{
    const QString app = QCoreApplication::applicationDirPath();
    EXPECT_EQ(ObtemCaminhoApp(false), app);
    EXPECT_EQ(ObtemCaminhoApp(true), app + QLatin1Char('/'));
}

TEST(Files, ArquivoExisteOnlyForReadableFiles)
{
    TempDir dir;
    tqtest::writeFile(dir.file("empty.txt"), {});
    tqtest::writeFile(dir.file("locked.txt"), "x");
    ::chmod(QFile::encodeName(dir.file("locked.txt")).constData(), 0);
    QDir(dir.path()).mkdir("folder");

    EXPECT_TRUE(ArquivoExiste(dir.file("empty.txt")));
    EXPECT_FALSE(ArquivoExiste(dir.file("folder")));
    EXPECT_FALSE(ArquivoExiste(dir.file("folder") + "/"));
    EXPECT_FALSE(ArquivoExiste(dir.file("missing.txt")));
    EXPECT_FALSE(ArquivoExiste(QString()));
    if (::geteuid() != 0) {  // root reads anything
        EXPECT_FALSE(ArquivoExiste(dir.file("locked.txt")));
    }

    EXPECT_TRUE(PastaExiste(dir.file("folder")));
    EXPECT_TRUE(PastaExiste(dir.file("folder") + "/"));
    EXPECT_TRUE(PastaExiste(dir.file("empty.txt")));
    EXPECT_FALSE(PastaExiste(dir.file("missing")));
}

TEST(Files, LeArquivoReturnsTheWholeContentAsWindows1252)
{
    TempDir dir;
    tqtest::writeFile(dir.file("cfg.txt"), "P|1||\r\n");
    EXPECT_EQ(LeArquivo(dir.file("cfg.txt")), QStringLiteral("P|1||\r\n"));
    tqtest::writeFile(dir.file("acc.txt"), "Vedac\xE3o \x80 5\n\n");
    EXPECT_EQ(LeArquivo(dir.file("acc.txt")), QStringLiteral("Vedacão € 5\n\n"));
    EXPECT_EQ(LeArquivoBytes(dir.file("acc.txt")), QByteArray("Vedac\xE3o \x80 5\n\n"));
}

TEST(Files, LeArquivoOfAMissingFileRaisesAndCreatesNothing)
{
    TempDir dir;
    const QString missing = dir.file("nothing.txt");
    EXPECT_EQ(tqtest::errorNumberOf([&] { LeArquivo(missing); }), platform::errors::FileNotFound);
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_EQ(tqtest::errorNumberOf([&] { LeArquivo(dir.file("no/such/folder.txt")); }), platform::errors::PathNotFound);
    EXPECT_NE(tqtest::errorNumberOf([&] { LeArquivo(dir.path()); }), 0);
}

TEST(Files, ExcluiArquivoRemovesReadOnlyFilesAndIgnoresMissingOnes)
{
    TempDir dir;
    const QString f = dir.file("ro.txt");
    tqtest::writeFile(f, "x");
    QFile::setPermissions(f, QFileDevice::ReadOwner);
    ExcluiArquivo(f);
    EXPECT_FALSE(QFileInfo::exists(f));
    EXPECT_NO_THROW(ExcluiArquivo(f));
    EXPECT_NO_THROW(ExcluiArquivo(dir.file("never.txt")));
}

TEST(Files, CriaPastasCreatesTheFoldersOfARelativePath)
{
    TempDir dir;
    QDir(dir.path()).mkdir("A");
    const QString base = dir.file("A/");

    CriaPastas(base, "B/C/file.txt", true);
    EXPECT_TRUE(QFileInfo(dir.file("A/B")).isDir());
    EXPECT_TRUE(QFileInfo(dir.file("A/B/C")).isDir());
    EXPECT_FALSE(QFileInfo::exists(dir.file("A/B/C/file.txt")));

    CriaPastas(base, "B\\C\\file.txt", false);  // backslashes of stored names
    EXPECT_TRUE(QFileInfo(dir.file("A/B/C/file.txt")).isDir());

    // A relative path never leaves its base.
    EXPECT_EQ(tqtest::errorNumberOf([&] { CriaPastas(base, "../escape/x", false); }), 75);
    EXPECT_EQ(tqtest::errorNumberOf([&] { CriaPastas(base, "B/../../escape", false); }), 75);
    EXPECT_EQ(tqtest::errorNumberOf([&] { CriaPastas(base, "/tmp/abs", false); }), 75);
    EXPECT_FALSE(QFileInfo::exists(dir.file("escape")));

    // A file in the way of a folder is an error that reaches the caller.
    tqtest::writeFile(dir.file("A/plain"), "x");
    EXPECT_NE(tqtest::errorNumberOf([&] { CriaPastas(base, "plain/sub", false); }), 0);
}

TEST(Files, SystemAndTemporaryFolders)
{
    const QString app = ObtemCaminhoApp(true);
    EXPECT_EQ(ObtemPastaSistema("WINDOWS", true), app);
    EXPECT_EQ(ObtemPastaSistema("", false), ObtemCaminhoApp(false));

    TempDir dir;
    DefinePastaSistema(dir.path());
    EXPECT_EQ(ObtemPastaSistema(" system ", true), dir.pathSlash());
    EXPECT_EQ(ObtemPastaSistema("SYSTEM", false), dir.path());
    DefinePastaSistema({});
    qputenv("TQ_SYSTEM_DIR", QFile::encodeName(dir.path()));
    EXPECT_EQ(ObtemPastaSistema("SYSTEM", true), dir.pathSlash());
    qunsetenv("TQ_SYSTEM_DIR");
    EXPECT_EQ(ObtemPastaSistema("SYSTEM", true), QStringLiteral("/etc/xdg/NorvaleInformatica/"));

    const QString temp = ObtemPastaSistema("temp", true);
    ASSERT_TRUE(temp.endsWith('/'));
    ASSERT_NE(temp, app);
    struct stat st {};
    ASSERT_EQ(::lstat(QFile::encodeName(temp).constData(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(st.st_uid, ::getuid());
}

TEST(Files, DesktopFolderFallsBackToTheProgramFolder)
{
    const QString desktop = ObtemPastaDesktop(true);
    EXPECT_TRUE(desktop.endsWith('/'));
    EXPECT_TRUE(QFileInfo(desktop).isDir());
    EXPECT_EQ(LeValorRegistro(HKEY_CURRENT_USER, "Software\\Other", "Desktop"), QString());
}

TEST(Files, VolumeSerialFromMachineId)
{
    EXPECT_EQ(platform::volumeSerialFromMachineId("0a1b2c3d4e5f60718293a4b5c6d7e8f9\n"), QStringLiteral("0A1B2C3D"));
    EXPECT_EQ(platform::volumeSerialFromMachineId("1a2b\n"), QStringLiteral("00001A2B"));
    EXPECT_EQ(platform::volumeSerialFromMachineId(""), QString());
    EXPECT_EQ(platform::volumeSerialFromMachineId("zz"), QString());

    const QString serial = ObtemSerieVolume("C:/");
    ASSERT_EQ(serial.size(), 8);
    EXPECT_EQ(serial, serial.toUpper());
    bool hex = false;
    serial.toUInt(&hex, 16);
    EXPECT_TRUE(hex);
}

TEST(Files, TemporaryNamePattern)
{
    const QDateTime moment(QDate(2024, 3, 5), QTime(14, 7, 9));
    EXPECT_EQ(detail::NomeTemporario("/data/", moment, "0A1B2C3D", 42, "tmp"),
              QStringLiteral("/data/0914240703050A1B2C3D42.tmp"));
}

TEST(Files, TemporaryNamesAreCreatedExclusively)
{
    DataFolderGuard guard;
    TempDir dir;
    gCaminhoDados = dir.pathSlash();
    QSet<QString> names;
    for (int i = 0; i < 50; ++i) {
        const QString name = ObtemNomeArquivoTemporario("tmp");
        ASSERT_TRUE(name.startsWith(dir.pathSlash()));
        ASSERT_TRUE(name.endsWith(".tmp"));
        EXPECT_TRUE(QFileInfo(name).isFile());
        EXPECT_EQ(QFileInfo(name).size(), 0);
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 50);

    gCaminhoDados = dir.file("missing/");
    EXPECT_NE(tqtest::errorNumberOf([] { ObtemNomeArquivoTemporario("tmp"); }), 0);
}

TEST(Files, ExecutaAguardandoWaitsWithEventsRunning)
{
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    const int code = ExecutaAguardando("/bin/sh", {"-c", "sleep 0.3; exit 3"});
    EXPECT_EQ(code, 3);
    EXPECT_GE(ticks, 3) << "events were not processed while waiting";

    // Arguments reach the program unchanged: no shell splits or expands them.
    TempDir dir;
    const QString out = dir.file("out.txt");
    EXPECT_EQ(ExecutaAguardando("/bin/sh", {"-c", "printf '%s' \"$1\" > \"$2\"", "sh", "a b;$HOME", out}), 0);
    EXPECT_EQ(tqtest::readFile(out), QByteArray("a b;$HOME"));
}

TEST(Files, ExecutaAguardandoRaisesWhenTheProgramCannotStart)
{
    TempDir dir;
    EXPECT_EQ(tqtest::errorNumberOf([&] { ExecutaAguardando(dir.file("no-such-program")); }), platform::errors::FileNotFound);
    tqtest::writeFile(dir.file("not-executable"), "#!/bin/sh\n");
    EXPECT_EQ(tqtest::errorNumberOf([&] { ExecutaAguardando(dir.file("not-executable")); }), platform::errors::FileNotFound);
}
