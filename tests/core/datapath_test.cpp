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
    // A NUL inside a name names no file (the file system would cut it there).
    EXPECT_EQ(ResolveNomeDados(QStringLiteral("Anexos/Sub/Nota.PDF") + QChar(0) + QStringLiteral("x"), base), QString());
    // A link that points out of the folder is refused.
    QFile::link(QStringLiteral("/etc"), dir.file(QStringLiteral("Anexos/fora")));
    EXPECT_EQ(ResolveNomeDados(QStringLiteral("Anexos/fora/hostname"), base), QString());
}

TEST(DataPath, CaminhoTxtNamesTheDataFolder)
{
    tqtest::TempDir dir;
    const QString programa = dir.pathSlash();
    const QString arquivo = programa + QStringLiteral("Caminho.txt");
    // Without the file the data folder is the program's folder.
    EXPECT_EQ(Modulo::ObtemCaminhoDados(dir.path()), programa);

    struct Row {
        const char* name;
        QByteArray content;
        QString expected;
    };
    const Row rows[] = {
        {"plain folder", "/srv/tq/dados", QStringLiteral("/srv/tq/dados/")},
        {"final slash kept", "/srv/tq/dados/", QStringLiteral("/srv/tq/dados/")},
        {"CR LF and blanks trimmed", "/srv/tq/dados \t\r\n", QStringLiteral("/srv/tq/dados/")},
        {"backslashes read as slashes", "\\\\servidor\\tq\\dados\\", QStringLiteral("//servidor/tq/dados/")},
        {"relative to the program folder", "dados\\V", programa + QStringLiteral("dados/V/")},
        {"byte-order mark and UTF-8", "\xEF\xBB\xBF/srv/cat\xC3\xA1logo\r\n", QStringLiteral("/srv/catálogo/")},
        {"Windows-1252", "/srv/cat\xE1logo", QStringLiteral("/srv/catálogo/")},
        {"empty file", "", programa},
        {"only a line end", "\r\n", programa},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        tqtest::writeFile(arquivo, r.content);
        EXPECT_EQ(Modulo::ObtemCaminhoDados(programa), r.expected);
    }
}
