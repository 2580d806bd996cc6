// The update run against real servers on 127.0.0.1: what an update does to
// the data folder, the program folder and the catalogue, its progress rows,
// and how a failure of the database step rolls back every line.
#include "atualizacaofixture.h"

#include "core/config.h"
#include "core/globals.h"
#include "support/qstringprinter.h"
#include "update/internet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using Atualizacao::ExecutaPedidoAtualizacao;

class Execucao : public tqupd::TesteAtualizacao {
protected:
    QString Nota() const
    {
        return tqupd::ConsultaBanco(Catalogo(), QStringLiteral("SELECT group_concat(printf('%d %s', Codigo, Texto), ', ') FROM NOTA"));
    }
    QString Versao() const
    {
        return tqupd::ConsultaBanco(Catalogo(),
                                    QStringLiteral("SELECT Versao || ' ' || VersaoAnterior || ' ' || "
                                                   "FlagErroUltimaVerificacao || ' ' || "
                                                   "(DataUltimaVerificacao IS NOT NULL) FROM UMREGISTRO"));
    }
    QString Registro() const { return QString::fromUtf8(tqtest::readFile(dados + QStringLiteral("ATUALIZACAO.LOG"))); }
};

TEST_F(Execucao, MergesMovesAndRunsEveryScriptInOneTransaction)
{
    const QByteArray prog = tqtest::readFile(tqupd::ProgramaDoSistema());
    const QByteArray tam = QByteArray::number(prog.size());
    tqupd::Escreve(dados + QStringLiteral("Figuras/a.jpg"), "VELHA");
    NoServidor(QStringLiteral("ListVersao38.txt"), "FIG;FIGURAS\\A.JPG;5\r\nEXE;Prog1;" + tam + "\r\nSDB;s38.sql;0\r\n");
    NoServidor(QStringLiteral("ListVersao39.txt"), "JPG; figuras\\a.jpg ;6\nTXT;Novas\\Sub\\c.txt;0\nEXE;Prog2;" + tam
                                                       + "\nPRG;NVTavrix_V.tmp;" + tam + "\nSDB;s39.sql;0\n");
    NoServidor(QStringLiteral("FIGURAS/A.JPG"), "NOVA!");
    NoServidor(QStringLiteral("Novas/Sub/c.txt"), "ccc");
    for (const char* p : {"Prog1", "Prog2", "NVTavrix_V.tmp"})
        NoServidor(QString::fromLatin1(p), prog);
    NoServidor(QStringLiteral("s38.sql"), "B:INSERT INTO NOTA (Codigo, Texto) VALUES (?1, '?2')\r\n"
                                          "3<<;>>tr\xeas\r\n"
                                          "E:UPDATE NOTA SET Texto = 'UM' WHERE Codigo = 1\r\n"
                                          "E:INSERT INTO NADA VALUES (1)\r\n"
                                          "E:COMMIT\r\n"
                                          "R:\r\n");
    NoServidor(QStringLiteral("s39.sql"), "4<<;>>quatro\nE:DELETE FROM NOTA WHERE Codigo = 2");
    TQ_SERVE(ServeNginx());

    ASSERT_TRUE(Roda()) << caixas.last().text.toStdString();
    EXPECT_EQ(caixas.last().text, QStringLiteral("Atualização Concluída com Sucesso."));

    // One entry per name, at its first place, with the newest kind.
    QStringList nomes;
    for (const auto& e : execucao->Entradas())
        nomes << e.Tipo + QLatin1Char(' ') + e.Nome;
    EXPECT_EQ(nomes, (QStringList{QStringLiteral("JPG FIGURAS\\A.JPG"), QStringLiteral("EXE Prog1"),
                                  QStringLiteral("SDB s38.sql"), QStringLiteral("TXT Novas\\Sub\\c.txt"),
                                  QStringLiteral("EXE Prog2"), QStringLiteral("PRG NVTavrix_V.tmp"),
                                  QStringLiteral("SDB s39.sql")}));

    // Files: replaced in place (no twin in another case), new subfolders,
    // programs executable, the pending program in the program folder.
    EXPECT_EQ(tqtest::readFile(dados + QStringLiteral("Figuras/a.jpg")), "NOVA!");
    EXPECT_EQ(QDir(dados).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("Figuras"), QStringLiteral("Novas")}));
    EXPECT_EQ(tqtest::readFile(dados + QStringLiteral("Novas/Sub/c.txt")), "ccc");
    EXPECT_TRUE(QFileInfo(dados + QStringLiteral("Prog2")).isExecutable());
    EXPECT_EQ(tqtest::readFile(programa + QStringLiteral("NVTavrix_V.tmp")), prog);
    EXPECT_TRUE(QFileInfo(programa + QStringLiteral("NVTavrix_V.tmp")).isExecutable());
    EXPECT_FALSE(QFileInfo::exists(dados + QStringLiteral("NVTavrix_V.tmp")));
    EXPECT_EQ(execucao->ProgramaIniciar(), dados + QStringLiteral("Prog2"));  // the later EXE
    EXPECT_FALSE(QFileInfo::exists(dados + QStringLiteral("~atualizacao")));
    EXPECT_FALSE(QFileInfo::exists(programa + QStringLiteral("~atualizacao")));

    // The database: both scripts (the template carries over), the stamp.
    EXPECT_EQ(Nota(), QStringLiteral("1 UM, 3 três, 4 quatro"));
    EXPECT_EQ(Versao(), QStringLiteral("39 37 0 1"));
    EXPECT_TRUE(Modulo::gReiniciarPeloLancador);

    // The failed and the refused statement are in the update log.
    const QString log = Registro();
    EXPECT_TRUE(log.contains(QStringLiteral("s38.sql, linha 4: erro 3078"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("s38.sql, linha 5: erro 3112"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("versão 37 para a versão 39"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("Confirmada"))) << log.toStdString();
}

TEST_F(Execucao, OneListOfOneShowsHalfThenTheWholeRow)
{
    NoServidor(QStringLiteral("ListVersao39.txt"), "TXT;x.txt;0\r\nTXT;y.txt;0\r\n");
    NoServidor(QStringLiteral("x.txt"), "xx");
    NoServidor(QStringLiteral("y.txt"), "y");
    TQ_SERVE(ServeNginx(38));

    ASSERT_TRUE(ExecutaPedidoAtualizacao(visao, 38, 39, opcoes));
    EXPECT_EQ(visao.titulos, (QStringList{QStringLiteral("OBTENDO LISTAS DE ATUALIZAÇÕES"),
                                          QStringLiteral("DOWNLOAD DOS ARQUIVOS"), QStringLiteral("COPIANDO ARQUIVOS"),
                                          QStringLiteral("ATUALIZANDO BANCO DE DADOS")}));
    EXPECT_EQ(visao.Barras(1), (QStringList{QStringLiteral("0.00 %"), QStringLiteral("50.00 %"),
                                            QStringLiteral("100.00 %")}));
    // Sizes of 0: full from the start; no script: full at once.
    EXPECT_EQ(visao.Barras(2).first(), QStringLiteral("100.00 %"));
    EXPECT_EQ(visao.Barras(3), (QStringList{QStringLiteral("0.00 %"), QStringLiteral("50.00 %"),
                                            QStringLiteral("100.00 %"), QStringLiteral("100.00 %")}));
    EXPECT_EQ(visao.Barras(4), (QStringList{QStringLiteral("100.00 %"), QStringLiteral("100.00 %")}));
    EXPECT_EQ(visao.chamadas.first(), QStringLiteral("prepara 4"));
    EXPECT_EQ(visao.chamadas.filter(QStringLiteral("conclui")),
              (QStringList{QStringLiteral("conclui 1"), QStringLiteral("conclui 2"), QStringLiteral("conclui 3"),
                           QStringLiteral("conclui 4")}));
    EXPECT_EQ(Versao(), QStringLiteral("39 38 0 1"));
    EXPECT_FALSE(QFileInfo::exists(dados + QStringLiteral("ATUALIZACAO.LOG")));
}

TEST_F(Execucao, GoesThroughTheProxyWithTheUsersStoredCredentials)
{
    NoServidor(QStringLiteral("ListVersao38.txt"), "TXT;x.txt;2\r\n");
    NoServidor(QStringLiteral("x.txt"), "xx");
    tqrig::TinyProxy proxy;
    if (!proxy.start(QStringLiteral("tq"), QStringLiteral("segr3do")))
        GTEST_SKIP() << proxy.reason().toStdString();
    TQ_SERVE(ServeNginx());
    ASSERT_TRUE(Modulo::GravaConfiguracao(QStringLiteral("P"), QStringLiteral("1"), QStringLiteral("tq"),
                                          QStringLiteral("segr3do"), true));
    qputenv("http_proxy", proxy.url().toUtf8());

    EXPECT_TRUE(Roda(37, 38)) << caixas.last().text.toStdString();
    EXPECT_EQ(tqtest::readFile(dados + QStringLiteral("x.txt")), "xx");
    EXPECT_EQ(dialogo.perguntas, 0);
}

// ---------------------------------------------------------------------------
// The database step: a failure of the database itself, of the stamp or of an
// "S:" command rolls every line back.

class PassoBanco : public Execucao {
protected:
    void SetUp() override
    {
        Execucao::SetUp();
        NoServidor(QStringLiteral("ListVersao38.txt"), "TXT;x.txt;2\r\nSDB;s38.sql;0\r\n");
        NoServidor(QStringLiteral("x.txt"), "xx");
    }
    // Runs `script` as the update's script; the error box's number.
    long RodaScript(const QByteArray& script)
    {
        NoServidor(QStringLiteral("s38.sql"), script);
        if (!ServeRoteiro())
            return 1;
        antes = tqupd::DumpBanco(Catalogo());
        EXPECT_FALSE(Roda(37, 38));
        return NumeroErro();
    }
    QString antes;
};

TEST_F(PassoBanco, AFailingStampRollsBackEveryLine)
{
    const long numero = RodaScript("E:UPDATE NOTA SET Texto = 'x'\r\nE:DROP TABLE UMREGISTRO\r\n");
    if (numero == 1)
        GTEST_SKIP() << roteiro.reason().toStdString();
    EXPECT_EQ(numero, 3078);
    EXPECT_TRUE(caixas.last().text.contains(QStringLiteral("versão nova não pôde ser gravada")));
    EXPECT_EQ(tqupd::DumpBanco(Catalogo()), antes);
    EXPECT_TRUE(Registro().contains(QStringLiteral("Desfeita: erro 3078"))) << Registro().toStdString();
}

TEST_F(PassoBanco, AFullDiskRollsBackEveryLine)
{
    opcoes.aoAbrirBanco = [](const platform::dao::DatabasePtr& db) {
        // The file may grow by one page only.
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db->nativeHandle(), "PRAGMA page_count", -1, &st, nullptr);
        sqlite3_step(st);
        const int paginas = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        sqlite3_exec(db->nativeHandle(), QByteArray("PRAGMA max_page_count = " + QByteArray::number(paginas + 1)).constData(),
                     nullptr, nullptr, nullptr);
    };
    QByteArray script = "E:UPDATE NOTA SET Texto = 'x' WHERE Codigo = 1\r\nB:INSERT INTO NOTA VALUES (?1, '?2')\r\n";
    for (int i = 10; i < 40; ++i)
        script += QByteArray::number(i) + "<<;>>" + QByteArray(3000, 'z') + "\r\n";
    const long numero = RodaScript(script);
    if (numero == 1)
        GTEST_SKIP() << roteiro.reason().toStdString();
    EXPECT_EQ(numero, 3035);
    EXPECT_EQ(tqupd::DumpBanco(Catalogo()), antes);
    EXPECT_TRUE(Registro().contains(QStringLiteral("Desfeita: erro 3035"))) << Registro().toStdString();
}

TEST_F(PassoBanco, ALostTransactionEndsTheRunBeforeTheNextLine)
{
    platform::dao::DatabasePtr banco;
    opcoes.aoAbrirBanco = [&](const platform::dao::DatabasePtr& db) { banco = db; };
    opcoes.pontoControle = [&](int, const QString& ponto) {
        if (ponto == QStringLiteral("linha 1 de s38.sql"))
            sqlite3_exec(banco->nativeHandle(), "ROLLBACK", nullptr, nullptr, nullptr);
    };
    const long numero = RodaScript("E:UPDATE NOTA SET Texto = 'a' WHERE Codigo = 1\r\n"
                                   "E:UPDATE NOTA SET Texto = 'b' WHERE Codigo = 2\r\n");
    if (numero == 1)
        GTEST_SKIP() << roteiro.reason().toStdString();
    EXPECT_EQ(numero, 3034);
    EXPECT_EQ(tqupd::DumpBanco(Catalogo()), antes);
}

TEST_F(PassoBanco, ACommandThatCannotStartRollsBackEveryLine)
{
    const long numero = RodaScript("E:UPDATE NOTA SET Texto = 'a'\r\nS:naoexiste.exe\r\n");
    if (numero == 1)
        GTEST_SKIP() << roteiro.reason().toStdString();
    EXPECT_EQ(numero, 53);
    EXPECT_EQ(tqupd::DumpBanco(Catalogo()), antes);
}

TEST_F(PassoBanco, ACommandCannotWriteTheCatalogueWhileTheScriptRuns)
{
    const QString saida = raiz.file(QStringLiteral("saida.txt"));
    tqupd::Escreve(dados + QStringLiteral("intruso.sh"),
                   "#!/bin/sh\nsqlite3 \"$1\" \"UPDATE NOTA SET Texto = 'intruso'\" 2>/dev/null\necho $? > \"$2\"\n");
    QFile::setPermissions(dados + QStringLiteral("intruso.sh"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // The command comes first: the script has written nothing yet.
    NoServidor(QStringLiteral("s38.sql"), "S:intruso.sh " + Catalogo().toUtf8() + " " + saida.toUtf8()
                                              + "\r\nE:UPDATE NOTA SET Texto = 'script' WHERE Codigo = 2\r\n");
    TQ_SERVE(ServeRoteiro());

    ASSERT_TRUE(Roda(37, 38)) << caixas.last().text.toStdString();
    EXPECT_NE(tqtest::readFile(saida).trimmed(), "0");  // the command's write failed
    EXPECT_EQ(Nota(), QStringLiteral("1 um, 2 script"));
}

}  // namespace
