// Where update entries may go: the checks every name passes before anything
// is downloaded.
#include "update/nomesatualizacao.h"

#include "atualizacaofixture.h"
#include "core/database.h"
#include "core/globals.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace Atualizacao;

namespace {

class Nomes : public ::testing::Test {
protected:
    void SetUp() override
    {
        dados = raiz.file(QStringLiteral("dados/"));
        programa = raiz.file(QStringLiteral("programa/"));
        fora = raiz.file(QStringLiteral("fora/"));
        for (const QString& p : {dados, programa, fora})
            QDir().mkpath(p);
        tqupd::Escreve(dados + QStringLiteral("Figuras/a.jpg"), "a");
        tqupd::Escreve(dados + Modulo::NomeArquivoCatalogo(), "db");
        tqupd::Escreve(dados + QStringLiteral("DAZADIZEAUX.MDB"), "aux");
        QFile::link(fora, dados + QStringLiteral("Atalho"));
        QFile::link(dados + QStringLiteral("Figuras"), dados + QStringLiteral("Desenhos"));
    }

    long numeroDe(VerificacaoNomes& v, const QString& nome)
    {
        return tqtest::errorNumberOf([&] { v.Verifica(nome); });
    }

    tqtest::TempDir raiz;
    QString dados, programa, fora;
};

TEST_F(Nomes, RefusesEveryHostileName)
{
    struct Caso {
        QString nome;
        long numero;
    } casos[] = {
        {QStringLiteral("/etc/passwd"), 52},
        {QStringLiteral("\\etc\\passwd"), 52},
        {QStringLiteral("C:\\Windows\\x.dll"), 52},
        {QStringLiteral("c:x.txt"), 52},
        {QStringLiteral("..\\fora.txt"), 52},
        {QStringLiteral("Figuras\\..\\..\\fora.txt"), 52},
        {QStringLiteral("Figuras\\.\\a.jpg"), 52},
        {QStringLiteral("Figuras\\\\a.jpg"), 52},
        {QStringLiteral("Figuras\\"), 52},
        {QStringLiteral("   "), 52},
        {QStringLiteral("Figuras\\ \\a.jpg"), 52},
        {QStringLiteral("a\x01" "b.txt"), 52},
        {QStringLiteral("a\tb.txt"), 52},
        {QStringLiteral("a.txt\r"), 52},
        {QStringLiteral("FIGURAS"), 52},                        // an existing folder
        {QStringLiteral("DAZADIZEAUX.MDB\\x.txt"), 52},         // a file where a folder is needed
        {QStringLiteral("Atalho\\x.txt"), 75},                  // a link that leads out
        {QStringLiteral("atalho\\Nova\\x.txt"), 75},
        {QStringLiteral("dazadizetq_v.mdb"), 70},               // the catalogue
        {QStringLiteral("DAZADIZETQ_V.MDB-journal"), 70},
        {QStringLiteral("DAZADIZEAUX.MDB"), 70},
        {QStringLiteral("DAZADIZETQ_V.LCK"), 70},
        {QStringLiteral("Atualizacao.log"), 70},
        {QStringLiteral("~ATUALIZACAO"), 70},
        {QStringLiteral("~atualizacao\\00001.dat"), 70},
    };
    VerificacaoNomes v(dados, programa);
    for (const Caso& c : casos)
        EXPECT_EQ(numeroDe(v, c.nome), c.numero) << c.nome.toStdString();
    // Only the form of a script's name matters: it is never written.
    EXPECT_EQ(tqtest::errorNumberOf([&] { v.Verifica(QStringLiteral("DAZADIZETQ_V.MDB"), true); }), 0);
    EXPECT_EQ(tqtest::errorNumberOf([&] { v.Verifica(QStringLiteral("..\\s.sql"), true); }), 52);
}

// The limits of the file system, at their edges: an element of 255 bytes
// and a path of 4095 bytes fit, one byte more does not.  Bytes, not
// characters: "ç" takes two.
TEST_F(Nomes, RefusesElementsAndPathsTheFileSystemCannotHold)
{
    const QString elemento255 = QString(253, QLatin1Char('e')) + QStringLiteral("ç");
    // A path of `bytes` bytes below the data folder: folders of 200 bytes, then the file.
    const auto caminho = [&](int bytes) {
        QString nome;
        int resta = bytes - static_cast<int>(QFile::encodeName(dados).size());
        while (resta > 255) {
            nome += QString(199, QLatin1Char('p')) + QLatin1Char('\\');
            resta -= 200;
        }
        return nome + QString(resta, QLatin1Char('f'));
    };
    struct Caso {
        const char* caso;
        QString nome;
        long numero;
    } casos[] = {
        {"element of 255 bytes", QStringLiteral("Figuras\\") + elemento255, 0},
        {"element of 256 bytes", QStringLiteral("Figuras\\") + elemento255 + QLatin1Char('e'), 52},
        {"folder of 256 bytes", elemento255 + QStringLiteral("e\\x.jpg"), 52},
        {"path of 4095 bytes", caminho(4095), 0},
        {"path of 4096 bytes", caminho(4096), 52},
        {"path of 10000 bytes", caminho(10000), 52},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caso);
        VerificacaoNomes v(dados, programa);
        EXPECT_EQ(numeroDe(v, c.nome), c.numero);
    }
}

// One run cannot write a file where another of its names needs a folder, in
// either order and in any letter case; the data folder's own files count as
// well.
TEST_F(Nomes, RefusesAFileAndAFolderOfOneNameInOneRun)
{
    struct Caso {
        const char* primeiro;
        const char* segundo;
    } casos[] = {
        {"Figuras\\a.jpg", "Figuras\\a.jpg\\x"},  // replaces a file, then needs it as a folder
        {"Figuras\\b.jpg", "FIGURAS\\B.JPG\\x"},  // a new file, then needed as a folder
        {"Nova\\b", "Nova\\b\\c\\x"},
        {"Nova\\b\\x", "nova\\B"},                // a new folder, then written as a file
        {"Nova\\b\\c\\x", "Nova\\b\\c"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.segundo);
        VerificacaoNomes v(dados, programa);
        EXPECT_EQ(numeroDe(v, QString::fromUtf8(c.primeiro)), 0);
        EXPECT_EQ(numeroDe(v, QString::fromUtf8(c.segundo)), 52);
    }
}

TEST_F(Nomes, RefusesTheRunningProgramAndTheCatalogueProgram)
{
    tqupd::Escreve(programa + QStringLiteral("Tavrix_V"), "p");
    VerificacaoNomes mesmaPasta(programa, programa, {programa + QStringLiteral("tqatualiza")});
    EXPECT_EQ(numeroDe(mesmaPasta, QStringLiteral("TAVRIX_V")), 70);
    EXPECT_EQ(numeroDe(mesmaPasta, QStringLiteral("tqatualiza")), 70);
}

TEST_F(Nomes, RefusesAFolderThatCannotBeWritten)
{
    if (tqupd::SouRoot())
        GTEST_SKIP() << "folder permissions do not hold for root";
    QDir().mkpath(dados + QStringLiteral("Fechada"));
    ::chmod(QFile::encodeName(dados + QStringLiteral("Fechada")).constData(), 0555);
    VerificacaoNomes v(dados, programa);
    EXPECT_EQ(numeroDe(v, QStringLiteral("Fechada\\x.txt")), 70);
    EXPECT_EQ(numeroDe(v, QStringLiteral("Fechada\\Nova\\x.txt")), 70);
    ::chmod(QFile::encodeName(dados + QStringLiteral("Fechada")).constData(), 0755);
}

TEST_F(Nomes, MatchesExistingElementsInAnyCaseAndSpellsNewOnesAsFirstNeeded)
{
    VerificacaoNomes v(dados, programa);
    const DestinoEntrada a = v.Verifica(QStringLiteral(" FIGURAS\\A.JPG "));
    EXPECT_EQ(a.caminho, dados + QStringLiteral("Figuras/a.jpg"));
    EXPECT_TRUE(a.pastasNovas.isEmpty());

    const DestinoEntrada b = v.Verifica(QStringLiteral("Novas\\Sub\\b.txt"));
    EXPECT_EQ(b.caminho, dados + QStringLiteral("Novas/Sub/b.txt"));
    EXPECT_EQ(b.pastasNovas, (QStringList{dados + QStringLiteral("Novas"), dados + QStringLiteral("Novas/Sub")}));
    EXPECT_EQ(b.pasta, dados + QStringLiteral("Novas/Sub/"));

    // A second name reaches the same new folders and file in another case.
    const DestinoEntrada c = v.Verifica(QStringLiteral("NOVAS/sub/B.TXT"));
    EXPECT_EQ(c.caminho, dados + QStringLiteral("Novas/Sub/b.txt"));
    const DestinoEntrada d = v.Verifica(QStringLiteral("novas\\OUTRA\\c.txt"));
    EXPECT_EQ(d.caminho, dados + QStringLiteral("Novas/OUTRA/c.txt"));

    // A link that stays inside the data folder is followed.
    EXPECT_EQ(v.Verifica(QStringLiteral("desenhos\\x.jpg")).caminho, dados + QStringLiteral("Desenhos/x.jpg"));
}

TEST_F(Nomes, ThePendingProgramGoesToTheProgramFolder)
{
    VerificacaoNomes v(dados, programa);
    const DestinoEntrada p = v.Verifica(QStringLiteral("nvtavrix_v.TMP"));
    EXPECT_TRUE(p.programaPendente);
    EXPECT_EQ(p.caminho, programa + QStringLiteral("NVTavrix_V.tmp"));
    // Only at the top: in a subfolder it is an ordinary file.
    EXPECT_FALSE(v.Verifica(QStringLiteral("Sub\\NVTavrix_V.tmp")).programaPendente);
}

}  // namespace
