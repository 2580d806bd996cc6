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
