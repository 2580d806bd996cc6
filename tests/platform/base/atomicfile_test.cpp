#include "platform/base/atomicfile.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

using platform::AtomicFile;
using platform::WriteFileAtomically;

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

mode_t modeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(AtomicFile, ReplacesAFileAndKeepsOrSetsItsPermissions)
{
    tqtest::TempDir dir;
    const QString path = dir.file("result.txt");
    tqtest::writeFile(path, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);

    EXPECT_EQ(WriteFileAtomically(path, "new"), 0);
    EXPECT_EQ(tqtest::readFile(path), QByteArray("new"));
    EXPECT_EQ(modeOf(path), mode_t(0640));

    EXPECT_EQ(WriteFileAtomically(path, "secret", 0600), 0);
    EXPECT_EQ(tqtest::readFile(path), QByteArray("secret"));
    EXPECT_EQ(modeOf(path), mode_t(0600));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("result.txt")});
}

TEST(AtomicFile, AFailureKeepsTheOldFileAndLeavesNothingBehind)
{
    tqtest::TempDir dir;
    EXPECT_EQ(WriteFileAtomically(dir.file("missing/result.txt"), "x"), ENOENT);

    const QString path = dir.file("result.txt");
    tqtest::writeFile(path, "old");
    {
        AtomicFile file;
        ASSERT_EQ(file.open(path, AtomicFile::kKeepPermissions, "part"), 0);
        ASSERT_EQ(file.write("half", 4), 0);
        EXPECT_EQ(entries(dir.path()).size(), 2);  // the file being written is beside
    }                                              // given up without a commit
    EXPECT_EQ(tqtest::readFile(path), QByteArray("old"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("result.txt")});
}

TEST(AtomicFile, ANewFileNeverReplacesAnExistingOne)
{
    tqtest::TempDir dir;
    const QString path = dir.file("picture.jpg");
    tqtest::writeFile(path, "first");

    AtomicFile file;
    ASSERT_EQ(file.open(path), 0);
    ASSERT_EQ(file.write("second", 6), 0);
    EXPECT_EQ(file.commitNew(), EEXIST);
    EXPECT_EQ(tqtest::readFile(path), QByteArray("first"));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("picture.jpg")});

    const QString fresh = dir.file("fresh.jpg");
    ASSERT_EQ(file.open(fresh), 0);
    ASSERT_EQ(file.write("third", 5), 0);
    EXPECT_EQ(file.commitNew(), 0);
    EXPECT_EQ(tqtest::readFile(fresh), QByteArray("third"));
    EXPECT_EQ(entries(dir.path()).size(), 2);
}

TEST(AtomicFile, ANameNearTheSystemsLimitGetsItsFileBeside)
{
    // The hidden name repeats the start of the target's: it must stay within
    // the 255 bytes of a name when the target's is, whatever its characters.
    tqtest::TempDir dir;
    struct Row {
        const char* name;
        QString fileName;
    };
    const Row rows[] = {
        {"251 ASCII bytes", QString(247, QLatin1Char('a')) + QStringLiteral(".jpg")},
        {"84 characters of 3 bytes", QString(84, QChar(0x20AC))},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.file(row.fileName);
        ASSERT_LE(QFile::encodeName(row.fileName).size(), 255);
        EXPECT_EQ(WriteFileAtomically(path, "data"), 0);
        EXPECT_EQ(tqtest::readFile(path), QByteArray("data"));
        EXPECT_TRUE(QFile::remove(path));
    }
    EXPECT_TRUE(entries(dir.path()).isEmpty());
}
