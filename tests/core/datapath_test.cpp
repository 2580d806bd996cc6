#include "core/datapath.h"

#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using Modulo::ResolveNomeDados;

TEST(DataPath, ResolvesCaseInsensitivelyInsideTheFolderOnly)
{
    tqtest::TempDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("Anexos/Sub"));
    tqtest::writeFile(dir.file(QStringLiteral("Anexos/Sub/Nota.PDF")), "x");
    tqtest::writeFile(dir.file(QStringLiteral("outside.txt")), "x");
    const QString base = dir.pathSlash();
    struct Row { const char* name; QString expected; };
    const Row rows[] = {
        {"anexos\\sub\\nota.pdf \r\n", base + QStringLiteral("Anexos/Sub/Nota.PDF")},
        {"Anexos/Sub/Nota.PDF", base + QStringLiteral("Anexos/Sub/Nota.PDF")},
        {"ANEXOS\\novo.txt", base + QStringLiteral("Anexos/novo.txt")},
        {"..\\outside.txt", QString()},
        {"Anexos/../../x", QString()},
        {"/etc/passwd", QString()},
        {"C:\\x.txt", QString()},
        {"", QString()},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(ResolveNomeDados(QString::fromUtf8(r.name), base), r.expected);
    }
    // A link that points out of the folder is refused.
    QFile::link(QStringLiteral("/etc"), dir.file(QStringLiteral("Anexos/fora")));
    EXPECT_EQ(ResolveNomeDados(QStringLiteral("Anexos/fora/hostname"), base), QString());
}
