// The update run as a process (tqatualiza), stopped dead at every checkpoint
// and in the middle of a stalled download: every file is then its old or its
// new version, nothing is left outside the staging folder, the catalogue is
// whole and all old or all new, the lock is free, and running the update
// again ends all new.
#include "atualizacaofixture.h"

#include "core/database.h"
#include "core/globals.h"
#include "platform/dao/dao.h"
#include "support/qstringprinter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Saida {
    int codigo = -1;
    bool morto = false;  // ended by a signal
    QString texto, erros;
};

class Processo : public tqupd::TesteAtualizacao {
protected:
    void SetUp() override
    {
        TesteAtualizacao::SetUp();
        prog = tqtest::readFile(tqupd::ProgramaDoSistema());
        tqupd::Escreve(dados + QStringLiteral("Figuras/a.jpg"), "VELHA-A");
        tqupd::Escreve(dados + QStringLiteral("Figuras/b.jpg"), "VELHA-B");
        tqupd::Escreve(dados + QStringLiteral("leia.txt"), "velho");
        tqupd::Escreve(programa + QStringLiteral("Tavrix_V"), "programa velho");
        NoServidor(QStringLiteral("ListVersao38.txt"),
                   "FIG;Figuras\\A.JPG;6\r\nTXT;Novas\\Sub\\c.txt;3\r\nSDB;s38.sql;0\r\n");
        NoServidor(QStringLiteral("ListVersao39.txt"),
                   "TXT;leia.txt;4\r\nPRG;NVTavrix_V.tmp;" + QByteArray::number(prog.size()) + "\r\nSDB;s39.sql;0\r\n");
        NoServidor(QStringLiteral("Figuras/A.JPG"), "NOVA-A");
        NoServidor(QStringLiteral("Novas/Sub/c.txt"), "ccc");
        NoServidor(QStringLiteral("leia.txt"), "novo");
        NoServidor(QStringLiteral("NVTavrix_V.tmp"), prog);
        NoServidor(QStringLiteral("s38.sql"), "E:UPDATE NOTA SET Texto = 'novo' WHERE Codigo = 1\r\n"
                                              "E:INSERT INTO NOTA VALUES (3, 'tres')\r\n");
        NoServidor(QStringLiteral("s39.sql"), "E:DELETE FROM NOTA WHERE Codigo = 2\r\n");
    }

    // Makes the lock database once, so that it belongs to the old state, and
    // lets the processes have the catalogue to themselves.
    void Prepara()
    {
        Modulo::BloqueiaDazadize(true);
        Modulo::BloqueiaDazadize(false);
        tqupd::FechaGlobais();
    }

    Saida Atualiza(const QString& d, const QString& p, int atual, int nova, const QStringList& extra = {})
    {
        QProcess processo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), usuario);
        env.remove(QStringLiteral("http_proxy"));
        processo.setProcessEnvironment(env);
        processo.start(QStringLiteral(TQ_ATUALIZA),
                       QStringList{d, p, QString::number(atual), QString::number(nova)} + extra);
        processo.waitForFinished(60000);
        return {processo.exitCode(), processo.exitStatus() == QProcess::CrashExit,
                QString::fromUtf8(processo.readAllStandardOutput()), QString::fromUtf8(processo.readAllStandardError())};
    }

    // A fresh copy of the folders as they were before any run.
    void Copia(const QString& origem, const QString& destino)
    {
        QDir(destino).removeRecursively();
        QProcess cp;
        cp.start(QStringLiteral("cp"), {QStringLiteral("-a"), origem, destino});
        cp.waitForFinished(20000);
        ASSERT_EQ(cp.exitCode(), 0);
    }

    // The state of a folder without the staging folder and the databases
    // (whose content is checked through SQLite).
    static QMap<QString, QString> Arquivos(const QString& pasta)
    {
        QMap<QString, QString> e = tqupd::EstadoPasta(pasta);
        for (auto it = e.begin(); it != e.end();) {
            if (it.key().startsWith(QLatin1String("~atualizacao")) || it.key().startsWith(QLatin1String("DAZADIZETQ_")))
                it = e.erase(it);
            else
                ++it;
        }
        return e;
    }

    // Every file is its old or its new version, and nothing else is there.
    static void VelhoOuNovo(const QMap<QString, QString>& agora, const QMap<QString, QString>& velho,
                            const QMap<QString, QString>& novo)
    {
        for (auto it = agora.begin(); it != agora.end(); ++it)
            EXPECT_TRUE(velho.value(it.key()) == it.value() || novo.value(it.key()) == it.value())
                << it.key().toStdString() << " is neither its old nor its new version";
        for (auto it = velho.begin(); it != velho.end(); ++it) {
            if (novo.contains(it.key())) {
                EXPECT_TRUE(agora.contains(it.key())) << it.key().toStdString() << " is gone";
            }
        }
    }

    QString Conteudo(const QString& d) const
    {
        return tqupd::ConsultaBanco(d + Modulo::NomeArquivoCatalogo(),
                                    QStringLiteral("SELECT (SELECT Versao FROM UMREGISTRO) || ': ' || "
                                                   "(SELECT group_concat(printf('%d %s', Codigo, Texto), ', ') FROM NOTA)"));
    }

    static bool BloqueioLivre(const QString& d)
    {
        QProcess p;
        p.start(QStringLiteral("sqlite3"), {d + Modulo::NomeArquivoBloqueio(),
                                            QStringLiteral("BEGIN IMMEDIATE; UPDATE CONTROLETRAN SET a = a; COMMIT;")});
        p.waitForFinished(10000);
        return p.exitCode() == 0 && p.readAllStandardError().isEmpty();
    }

    QByteArray prog;
};

const QString kVelho = QStringLiteral("37: 1 um, 2 dois");
const QString kNovo = QStringLiteral("39: 1 novo, 3 tres");

TEST_F(Processo, AKillAtEveryCheckpointLeavesEachFileOldOrNewAndTheRunCompletesIt)
{
    TQ_SERVE(ServeNginx());
    Prepara();
    const QString velhoDados = raiz.file(QStringLiteral("velho-dados")), velhoPrograma = raiz.file(QStringLiteral("velho-programa"));
    Copia(dados, velhoDados);
    Copia(programa, velhoPrograma);
    const auto velhoD = Arquivos(velhoDados), velhoP = Arquivos(velhoPrograma);

    // One whole run gives the new state and the number of checkpoints.
    const Saida inteira = Atualiza(dados, programa, 37, 39);
    ASSERT_EQ(inteira.codigo, 0) << inteira.texto.toStdString() << inteira.erros.toStdString();
    EXPECT_EQ(inteira.texto, QStringLiteral("Atualização Concluída com Sucesso.\n"));
    EXPECT_EQ(Conteudo(dados), kNovo);
    const auto novoD = Arquivos(dados), novoP = Arquivos(programa);
    EXPECT_EQ(novoP.value(QStringLiteral("NVTavrix_V.tmp")).left(64),
              QString::fromLatin1(QCryptographicHash::hash(prog, QCryptographicHash::Sha256).toHex()));
    EXPECT_EQ(novoD.value(QStringLiteral("Figuras/a.jpg")), tqupd::EstadoPasta(dados).value(QStringLiteral("Figuras/a.jpg")));
    int pontos = 0;
    for (const auto& m : QRegularExpression(QStringLiteral("checkpoint (\\d+):")).globalMatch(inteira.erros))
        pontos = m.captured(1).toInt();
    // 2 lists, 6 downloads, 4 moves, 5 script lines (each script ends in an
    // empty one), before and after the commit.
    ASSERT_EQ(pontos, 2 + 6 + 4 + 5 + 2) << inteira.erros.toStdString();

    const QString d = raiz.file(QStringLiteral("d")), p = raiz.file(QStringLiteral("p"));
    for (int n = 1; n <= pontos; ++n) {
        SCOPED_TRACE(QStringLiteral("kill at checkpoint %1").arg(n).toStdString());
        Copia(velhoDados, d);
        Copia(velhoPrograma, p);
        const Saida morta = Atualiza(d, p, 37, 39, {QStringLiteral("--kill-at"), QString::number(n)});
        ASSERT_TRUE(morta.morto) << morta.erros.toStdString();

        VelhoOuNovo(Arquivos(d), velhoD, novoD);
        VelhoOuNovo(Arquivos(p), velhoP, novoP);
        // The program opens the catalogue read-only at its start: that works
        // whatever journal the kill left, and SQLite finds the file whole.
        EXPECT_EQ(tqtest::errorNumberOf([&] {
                      platform::dao::WorkspacePtr ws = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
                      ws->OpenDatabase(d + QLatin1Char('/') + Modulo::NomeArquivoCatalogo(), false, true)
                          ->OpenRecordset(QStringLiteral("SELECT Versao FROM UMREGISTRO"));
                      ws->Close();
                  }),
                  0);
        EXPECT_EQ(tqupd::ConsultaBanco(d + Modulo::NomeArquivoCatalogo(), QStringLiteral("PRAGMA integrity_check")),
                  QStringLiteral("ok"));
        const QString conteudo = Conteudo(d + QLatin1Char('/'));
        EXPECT_TRUE(conteudo == kVelho || conteudo == kNovo) << conteudo.toStdString();
        EXPECT_EQ(conteudo == kNovo, n >= pontos) << "committed only at the last checkpoint";
        EXPECT_TRUE(BloqueioLivre(d + QLatin1Char('/')));

        const Saida depois = Atualiza(d, p, conteudo.left(2).toInt(), 39);
        EXPECT_EQ(depois.codigo, 0) << depois.texto.toStdString();
        EXPECT_EQ(Conteudo(d + QLatin1Char('/')), kNovo);
        EXPECT_EQ(Arquivos(d), novoD);
        EXPECT_EQ(Arquivos(p), novoP);
        EXPECT_FALSE(QFile::exists(d + QStringLiteral("/DAZADIZETQ_V.MDB-journal")));
    }
}

// Through the detail window's screen 7 (--janela): a kill before the commit
// leaves the catalogue old, and a whole run ends as without the window, with
// the window painted when the success box shows.
TEST_F(Processo, ThroughTheDetailWindowAKillLeavesTheOldStateAndARunEndsAllNew)
{
    TQ_SERVE(ServeNginx());
    Prepara();
    const QString d = raiz.file(QStringLiteral("d/")), p = raiz.file(QStringLiteral("p/"));
    Copia(dados, d);
    Copia(programa, p);
    const Saida morta = Atualiza(d, p, 37, 39, {QStringLiteral("--janela"), QStringLiteral("--kill-at"),
                                                QStringLiteral("18")});  // before the commit
    ASSERT_TRUE(morta.morto) << morta.erros.toStdString();
    EXPECT_TRUE(morta.erros.contains(QStringLiteral("checkpoint 18: antes da confirmação"))) << morta.erros.toStdString();
    EXPECT_EQ(Conteudo(d), kVelho);
    EXPECT_TRUE(BloqueioLivre(d));

    const QString foto = raiz.file(QStringLiteral("fim.png"));
    const Saida s = Atualiza(d, p, 37, 39, {QStringLiteral("--janela"), QStringLiteral("--screenshot-end"), foto});
    ASSERT_EQ(s.codigo, 0) << s.texto.toStdString() << s.erros.toStdString();
    EXPECT_EQ(s.texto, QStringLiteral("Atualização Concluída com Sucesso.\n"));
    EXPECT_EQ(Conteudo(d), kNovo);
    EXPECT_EQ(tqtest::readFile(d + QStringLiteral("leia.txt")), "novo");
    EXPECT_EQ(QImage(foto).size(), QSize(700, 450));
}

TEST_F(Processo, AKillFromOutsideDuringAStalledDownloadChangesNothing)
{
    QMap<QString, QJsonObject> trocas;
    trocas.insert(QStringLiteral("leia.txt"),
                  QJsonDocument::fromJson(R"({"body": "novo", "stall_after": 1, "stall_seconds": 30})").object());
    TQ_SERVE(ServeRoteiro(trocas));
    Prepara();
    const auto velhoD = tqupd::EstadoPasta(dados), velhoP = tqupd::EstadoPasta(programa);

    QProcess processo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), usuario);
    processo.setProcessEnvironment(env);
    processo.start(QStringLiteral(TQ_ATUALIZA), {dados, programa, QStringLiteral("37"), QStringLiteral("39")});
    ASSERT_TRUE(QTest::qWaitFor([&] { return Pedidos().contains(QStringLiteral("leia.txt")); }, 20000));
    processo.kill();
    processo.waitForFinished(10000);

    // Only the staging folder holds what was fetched.
    auto semPreparacao = [](QMap<QString, QString> e) {
        for (auto it = e.begin(); it != e.end();)
            it = it.key().startsWith(QLatin1String("~atualizacao")) ? e.erase(it) : std::next(it);
        return e;
    };
    EXPECT_EQ(semPreparacao(tqupd::EstadoPasta(dados)), semPreparacao(velhoD));
    EXPECT_EQ(semPreparacao(tqupd::EstadoPasta(programa)), semPreparacao(velhoP));
    EXPECT_EQ(Conteudo(dados), kVelho);
    EXPECT_TRUE(BloqueioLivre(dados));

    // The next run, against a server that answers, empties the staging folder and completes.
    ASSERT_TRUE(web.start(arvore)) << web.reason().toStdString();
    tqupd::ConsultaBanco(Catalogo(), QStringLiteral("UPDATE UMREGISTRO SET UrlAtualizacao = 'http://%1/tq'").arg(web.hostPort()));
    const Saida depois = Atualiza(dados, programa, 37, 39);
    EXPECT_EQ(depois.codigo, 0) << depois.texto.toStdString();
    EXPECT_EQ(Conteudo(dados), kNovo);
    EXPECT_FALSE(QFile::exists(dados + QStringLiteral("~atualizacao")));
    EXPECT_EQ(tqtest::readFile(dados + QStringLiteral("leia.txt")), "novo");
}

TEST_F(Processo, ReportsTheErrorBoxAndExitsWithOne)
{
    TQ_SERVE(ServeNginx());
    Prepara();
    const Saida s = Atualiza(dados, programa, 37, 40);  // there is no list 40
    EXPECT_EQ(s.codigo, 1);
    EXPECT_FALSE(s.morto);
    EXPECT_TRUE(s.texto.startsWith(QStringLiteral("Erro Nº: -104\nHttpQueryInfo:0;-103;Status=404"))) << s.texto.toStdString();
    EXPECT_EQ(Conteudo(dados), kVelho);
}

}  // namespace
