// The update checker against real servers on 127.0.0.1, with a fixture
// catalogue in a temporary data folder.  The result file's exact bytes are
// the contract with the catalogue program.
#include "updater/verificador.h"

#include "core/cipher.h"
#include "core/config.h"
#include "core/files.h"
#include "core/globals.h"
#include "platform/dao/dao.h"
#include "platform/desktop/proxycredentials.h"
#include "rig.h"
#include "support/fakemessagebox.h"
#include "support/qstringprinter.h"
#include "support/testutil.h"
#include "update/internet.h"

#include <QDir>
#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

namespace V = frmVerifAtualizDazadizeTQ;
using namespace platform::dao;

namespace {

class Checker : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* v : {"http_proxy", "HTTP_PROXY", "no_proxy", "NO_PROXY"})
            qunsetenv(v);
        QDir(root.path()).mkpath(QStringLiteral("programa"));
        QDir(root.path()).mkpath(QStringLiteral("dados"));
        QDir(root.path()).mkpath(QStringLiteral("usuario"));
        QDir(root.path()).mkpath(QStringLiteral("sistema"));
        QDir(root.path()).mkpath(QStringLiteral("resultado com espaço"));
        program = root.file(QStringLiteral("programa/"));
        data = root.file(QStringLiteral("dados/"));
        Modulo::DefinePastaUsuario(root.file(QStringLiteral("usuario")));
        Modulo::DefinePastaSistema(root.file(QStringLiteral("sistema/")));
        tqtest::writeFile(program + QStringLiteral("Caminho.txt"), (data + QStringLiteral("\r\n")).toUtf8());
        resultFile = root.file(QStringLiteral("resultado com espaço/r.txt"));
        env.pastaPrograma = program;
        env.mostra = [this](const QString& t) { shown << t; };
        modInternet::DefinePalavraAgente(QStringLiteral("DazadizeDePecasTQ"));
        platform::setProxyCredentialsDialog(&dialog);
    }
    void TearDown() override
    {
        Modulo::DefinePastaUsuario({});
        Modulo::DefinePastaSistema({});
        modInternet::DefineTempos({});
        modInternet::DefinePalavraAgente(QStringLiteral("DazadizeDePecasTQ_V"));
        platform::setProxyCredentialsDialog(nullptr);
        qunsetenv("http_proxy");
    }

    // The catalogue of the data folder with one version record.
    void catalogue(const QString& url, const QString& version)
    {
        const QString file = data + Modulo::NomeArquivoCatalogo();
        QFile::remove(file);
        DatabasePtr db = DBEngine::CreateDatabase(file);
        db->Execute(QStringLiteral("CREATE TABLE UMREGISTRO (UrlAtualizacao TEXT(255), Versao SHORT)"));
        if (!version.isEmpty())
            db->Execute(QStringLiteral("INSERT INTO UMREGISTRO (UrlAtualizacao, Versao) VALUES (%1, %2)")
                            .arg(url.isNull() ? QStringLiteral("Null") : QLatin1Char('\'') + url + QLatin1Char('\''),
                                 version));
        db->Close();
    }

    // Runs an automatic check into the result file and returns its bytes.
    QByteArray check(const QString& kind = QStringLiteral("1"))
    {
        QFile::remove(resultFile);
        V::VerificaAtualizacao(V::LeComando(kind + QLatin1Char('|') + resultFile), env);
        return tqtest::readFile(resultFile);
    }

    struct FakeDialog : platform::ProxyCredentialsDialog {
        bool Ask(const QString&, QString& user, QString& password) override
        {
            ++asked;
            user = QStringLiteral("proxyuser");
            password = QStringLiteral("s3cret");
            return true;
        }
        int asked = 0;
    } dialog;

    tqtest::TempDir root;
    QString program, data, resultFile;
    V::Ambiente env;
    QStringList shown;
};

QJsonObject versionServer(const char* reply)
{
    QJsonObject route;
    route.insert(QStringLiteral("body"), QString::fromLatin1(reply));
    QJsonObject routes;
    routes.insert(QStringLiteral("/pasta/V/Versao.asp"), route);
    QJsonObject s;
    s.insert(QStringLiteral("routes"), routes);
    return s;
}

}  // namespace

TEST(CheckerParts, ReadsItsCommandLine)
{
    struct Case {
        const char* line;
        bool automatic, withFile;
        const char* file;
    } cases[] = {
        {"1|/tmp/a b/r.txt", true, true, "/tmp/a b/r.txt"},
        {"0|/tmp/r.txt", false, true, "/tmp/r.txt"},
        {"  1|/tmp/r.txt  ", true, true, "/tmp/r.txt"},
        {"1|/tmp/r.txt|extra", true, true, "/tmp/r.txt"},
        {"", false, false, ""},
        {"1", false, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const V::Comando k = V::LeComando(QString::fromUtf8(c.line));
        EXPECT_EQ(k.automatica, c.automatic);
        EXPECT_EQ(k.comArquivo, c.withFile);
        EXPECT_EQ(k.arquivoResultado, QString::fromUtf8(c.file));
    }
}

TEST(CheckerParts, ConvertsVersions)
{
    EXPECT_EQ(V::ConverteInteiro(QStringLiteral("43")), 43);
    EXPECT_EQ(V::ConverteInteiro(QStringLiteral(" 43\r\n")), 43);
    EXPECT_EQ(V::ConverteInteiro(QStringLiteral("-32768")), -32768);
    for (const char* bad : {"", "abc", "4 3", "43.0", "0x2B", "-", "\xd9\xa3"}) {
        SCOPED_TRACE(bad);
        try {
            V::ConverteInteiro(QString::fromUtf8(bad));
            ADD_FAILURE();
        } catch (const platform::Error& e) {
            EXPECT_EQ(e.number(), 13);
        }
    }
    try {
        V::ConverteInteiro(QStringLiteral("32768"));
        ADD_FAILURE();
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), 6);
        EXPECT_EQ(e.description(), QStringLiteral("Overflow"));
    }
}

// What the server answers, and what the result file then holds.
TEST_F(Checker, ResultFileForEachReply)
{
    tqrig::ScriptedServer server;
    QJsonObject scenario = QJsonDocument::fromJson(R"({"routes": {
            "/pasta/V/Versao.asp": {"body": "143"},
            "/crlf/V/Versao.asp": {"body": " 43\r\n"},
            "/html/V/Versao.asp": {"body": "<html><body>Manutencao</body></html>", "headers": {"Content-Type": "text/html"}},
            "/texto/V/Versao.asp": {"body": "abc"},
            "/grande/V/Versao.asp": {"body": "99999"},
            "/erro/V/Versao.asp": {"status": 500, "body": "x"},
            "/truncado/V/Versao.asp": {"body": "143", "content_length": 10},
            "/parado/V/Versao.asp": {"stall_before_headers": 30},
            "/laco/V/Versao.asp": {"redirect": "/laco/V/Versao.asp"},
            "/longa/V/Versao.asp": {"body_size": 1048576},
            "/sem-fim/V/Versao.asp": {"endless": true},
            "/V/Versao.asp": {"body": "150"}
        }, "default": {"status": 404}})").object();
    // A version line padded to exactly the longest reply taken, and one byte more.
    QJsonObject routes = scenario.value(QStringLiteral("routes")).toObject();
    for (const auto& [path, blanks] : {std::pair{"/limite/V/Versao.asp", 4094}, std::pair{"/alem/V/Versao.asp", 4095}}) {
        QJsonObject reply;
        reply.insert(QStringLiteral("body"), QString(blanks, QLatin1Char(' ')) + QStringLiteral("43"));
        routes.insert(QString::fromLatin1(path), reply);
    }
    scenario.insert(QStringLiteral("routes"), routes);
    if (!server.start(scenario))
        GTEST_SKIP() << server.reason().toStdString();
    modInternet::DefineTempos({2000, 1000});
    const QString base = QStringLiteral("http://") + server.hostPort();

    struct Case {
        const char* name;
        QString url;
        QString version;
        QByteArray result;      // exact bytes, or
        QByteArray prefix;      // the bytes begin with this
    } cases[] = {
        {"newer version", base + QStringLiteral("/pasta"), QStringLiteral("141"), "1141|143", {}},
        {"same version", base + QStringLiteral("/pasta/"), QStringLiteral("143"), "1143|143", {}},
        {"upper-case scheme and blanks around the number", QStringLiteral("HTTP://") + server.hostPort()
         + QStringLiteral("/crlf"), QStringLiteral("41"), "141|43", {}},
        {"address without a path", base, QStringLiteral("141"), "1141|150", {}},
        {"an HTML page", base + QStringLiteral("/html"), QStringLiteral("141"),
         "013 Type mismatch : <html><body>Manutencao</body></html>", {}},
        {"text", base + QStringLiteral("/texto"), QStringLiteral("141"), "013 Type mismatch : abc", {}},
        {"out of range", base + QStringLiteral("/grande"), QStringLiteral("141"), "06 Overflow : 99999", {}},
        {"404", base + QStringLiteral("/faltando"), QStringLiteral("141"), "0-104 HttpQueryInfo:0;-103;Status=404", {}},
        {"500", base + QStringLiteral("/erro"), QStringLiteral("141"), "0-104 HttpQueryInfo:0;-103;Status=500", {}},
        {"truncated", base + QStringLiteral("/truncado"), QStringLiteral("141"), {}, "0-104 InternetReadFile:18 ("},
        {"a reply of the longest length taken", base + QStringLiteral("/limite"), QStringLiteral("141"), "1141|43", {}},
        {"a reply one byte longer", base + QStringLiteral("/alem"), QStringLiteral("141"), {},
         "0-104 InternetReadFile:63 ("},
        {"a reply of 1 MiB", base + QStringLiteral("/longa"), QStringLiteral("141"), {}, "0-104 InternetReadFile:63 ("},
        {"an endless reply", base + QStringLiteral("/sem-fim"), QStringLiteral("141"), {},
         "0-104 InternetReadFile:63 ("},
        {"stalled", base + QStringLiteral("/parado"), QStringLiteral("141"), {}, "0-104 HttpSendRequest:28 ("},
        {"redirect loop", base + QStringLiteral("/laco"), QStringLiteral("141"), {}, "0-104 HttpSendRequest:47 ("},
        {"another scheme", QStringLiteral("https://") + server.hostPort(), QStringLiteral("141"), {},
         "0-100 InternetConnect:3 ("},
        {"no version record", base, QString(), {}, "03021 "},
        {"a Null version", base, QStringLiteral("Null"), "094 Invalid use of Null", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        catalogue(c.url, c.version);
        const QByteArray r = check();
        if (c.prefix.isEmpty()) {
            EXPECT_EQ(r, c.result);
        } else {
            EXPECT_TRUE(r.startsWith(c.prefix)) << r.toStdString();
        }
        EXPECT_FALSE(r.endsWith('\n'));
    }
    EXPECT_EQ(QDir(data).entryList(QDir::Files).size(), 1) << "the checker writes nothing into the data folder";
    EXPECT_EQ(server.requests().front().headers.value(QStringLiteral("user-agent")).toString(),
              QStringLiteral("DazadizeDePecasTQ"));
}

TEST_F(Checker, ReportsAMissingCatalogueAndAnUnwritableResult)
{
    const QByteArray r = check();
    EXPECT_TRUE(r.startsWith("03024 ")) << r.toStdString();
    // A result file in a missing folder: nothing is written, nothing breaks.
    const V::Comando c = V::LeComando(QStringLiteral("1|") + root.file(QStringLiteral("nao/existe.txt")));
    EXPECT_TRUE(V::VerificaAtualizacao(c, env).startsWith(QStringLiteral("03024 ")));
    EXPECT_FALSE(QFile::exists(root.file(QStringLiteral("nao/existe.txt"))));
}

TEST_F(Checker, WithoutAResultFileTheResultIsShown)
{
    tqrig::ScriptedServer server;
    if (!server.start(versionServer("143")))
        GTEST_SKIP() << server.reason().toStdString();
    catalogue(QStringLiteral("http://") + server.hostPort() + QStringLiteral("/pasta"), QStringLiteral("141"));
    V::VerificaAtualizacao(V::LeComando(QString()), env);
    EXPECT_EQ(shown, QStringList{QStringLiteral("1141|143")});
}

// The proxy credentials: the user's file first, then the system folder's copy.
TEST_F(Checker, ProxyCredentialsFromTheConfiguration)
{
    tqrig::Nginx web;
    tqrig::TinyProxy proxy;
    tqtest::TempDir tree;
    QDir(tree.path()).mkpath(QStringLiteral("pasta/V"));
    tqtest::writeFile(tree.file(QStringLiteral("pasta/V/Versao.asp")), "143");
    if (!web.start(tree.path()) || !proxy.start(QStringLiteral("proxyuser"), QStringLiteral("s3cret")))
        GTEST_SKIP() << (web.reason() + proxy.reason()).toStdString();
    qputenv("http_proxy", proxy.url().toUtf8());
    catalogue(QStringLiteral("http://") + web.hostPort() + QStringLiteral("/pasta"), QStringLiteral("141"));
    const QString userFile = root.file(QStringLiteral("usuario/NorvaleInformatica/DazadizeTQConfig_V.txt"));
    const QString systemFile = root.file(QStringLiteral("sistema/DazadizeTQConfig_V.txt"));
    QDir(root.path()).mkpath(QStringLiteral("usuario/NorvaleInformatica"));
    auto write = [](const QString& file, const QString& user, const QString& password) {
        tqtest::writeFile(file, (QStringLiteral("P|1|") + Modulo::CifraTexto(user, true) + QLatin1Char('|')
                                 + Modulo::CifraTexto(password, true))
                                    .toLatin1());
    };

    struct Case {
        const char* name;
        QString user, system;  // "good", "bad" or "" (no credentials) / "-" (no file)
        QByteArray result;
    } cases[] = {
        {"no credentials anywhere", QStringLiteral("-"), QStringLiteral("-"), "0-104 HttpQueryInfo:0;-103;Status=407"},
        {"the user's saved credentials", QStringLiteral("good"), QStringLiteral("bad"), "1141|143"},
        {"the system copy when the user saved none", QString(), QStringLiteral("good"), "1141|143"},
        {"the system copy when the user has no file", QStringLiteral("-"), QStringLiteral("good"), "1141|143"},
        // tinyproxy answers refused credentials with 401.
        {"the user's credentials win over the system copy", QStringLiteral("bad"), QStringLiteral("good"),
         "0-104 HttpQueryInfo:0;-103;Status=401"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& [file, kind] : {std::pair{userFile, c.user}, std::pair{systemFile, c.system}}) {
            QFile::remove(file);
            if (kind == QLatin1String("good"))
                write(file, QStringLiteral("proxyuser"), QStringLiteral("s3cret"));
            else if (kind == QLatin1String("bad"))
                write(file, QStringLiteral("proxyuser"), QStringLiteral("wrong"));
            else if (kind.isEmpty())
                write(file, {}, {});
        }
        EXPECT_EQ(check(), c.result);
    }
    EXPECT_EQ(dialog.asked, 0) << "an automatic check never asks";

    // A manual check may ask for the credentials.
    QFile::remove(userFile);
    QFile::remove(systemFile);
    EXPECT_EQ(check(QStringLiteral("0")), QByteArray("1141|143"));
    EXPECT_EQ(dialog.asked, 1);
}

// The real program, started the way the catalogue starts it.
TEST_F(Checker, TheProgramWritesItsResultFile)
{
    tqrig::Nginx web;
    tqtest::TempDir tree;
    QDir(tree.path()).mkpath(QStringLiteral("pasta/V"));
    tqtest::writeFile(tree.file(QStringLiteral("pasta/V/Versao.asp")), "143");
    if (!web.start(tree.path()))
        GTEST_SKIP() << web.reason().toStdString();
    catalogue(QStringLiteral("http://") + web.hostPort() + QStringLiteral("/pasta"), QStringLiteral("141"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TQ_CHECKER),
                            program + QStringLiteral("VerifAtualizDazadizeTQ_V")));
    QProcess p;
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert(QStringLiteral("XDG_CONFIG_HOME"), root.file(QStringLiteral("usuario")));
    e.insert(QStringLiteral("TQ_SYSTEM_DIR"), root.file(QStringLiteral("sistema")));
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    for (const char* v : {"http_proxy", "HTTP_PROXY"})
        e.remove(QString::fromLatin1(v));
    p.setProcessEnvironment(e);
    p.start(program + QStringLiteral("VerifAtualizDazadizeTQ_V"), {QStringLiteral("1|") + resultFile});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(tqtest::readFile(resultFile), QByteArray("1141|143")) << p.readAllStandardError().toStdString();
}
