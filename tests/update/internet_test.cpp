// The HTTP client against real servers on 127.0.0.1: nginx for the update
// tree, tinyproxy for proxy authentication, and the scripted server for the
// misbehaviours and for looking at the requests themselves.
#include "update/internet.h"

#include "core/globals.h"
#include "platform/desktop/proxycredentials.h"
#include "support/qstringprinter.h"
#include "rig.h"
#include "support/testutil.h"

#include <QDir>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QJsonObject scenario(const char* json)
{
    const QJsonObject o = QJsonDocument::fromJson(json).object();
    if (o.isEmpty())
        ADD_FAILURE() << "bad scenario " << json;
    return o;
}

// Runs a request and returns the description of the -104 it raised ("" when
// it succeeded, with the result in *result).
QString requestError(const QString& object, bool returnText = true, const QString& localFile = {},
                     QString* result = nullptr, bool dialog = false, const QString& user = {},
                     const QString& password = {}, const QString& kind = QStringLiteral("D"))
{
    try {
        const QString r =
            modInternet::ExecutaRequisicaoHttp(kind, dialog, object, returnText, localFile, {}, {}, user, password);
        if (result)
            *result = r;
        return {};
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), modInternet::ErroRequisicao) << e.description().toStdString();
        return e.description();
    }
}

class FakeProxyDialog : public platform::ProxyCredentialsDialog {
public:
    bool Ask(const QString& proxy, QString& user, QString& password) override
    {
        proxies << proxy;
        proposedUsers << user;
        user = answerUser;
        password = answerPassword;
        return retry;
    }
    bool retry = true;
    QString answerUser, answerPassword;
    QStringList proxies, proposedUsers;
};

class Internet : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* v : {"http_proxy", "HTTP_PROXY", "no_proxy", "NO_PROXY"})
            qunsetenv(v);
        Modulo::gCaminhoDados = data.pathSlash();
        platform::setProxyCredentialsDialog(&dialog);
    }
    void TearDown() override
    {
        modInternet::FechaConexaoInternet();
        modInternet::DefineTempos({});
        modInternet::DefineGanchoProgresso(&modInternet::AtualizaProgressoDownload);
        modInternet::DefineProgressoDownload({});
        modInternet::gFaseAtualizacao.clear();
        platform::setProxyCredentialsDialog(nullptr);
        for (const char* v : {"http_proxy", "no_proxy"})
            qunsetenv(v);
    }

    // Starts nginx over an update tree with the version file and a few files.
    bool startTree()
    {
        QDir(tree.path()).mkpath(QStringLiteral("V/Figuras"));
        tqtest::writeFile(tree.file(QStringLiteral("V/Versao.asp")), "143");
        tqtest::writeFile(tree.file(QStringLiteral("V/acentos.txt")), "Atualiza\xe7\xe3o \x80 5");
        tqtest::writeFile(tree.file(QStringLiteral("V/vazio.txt")), "");
        tqtest::writeFile(tree.file(QStringLiteral("V/Figuras/Vista Explodida #1.jpg")), "JPEG");
        QByteArray big(1 << 20, Qt::Uninitialized);
        QRandomGenerator gen(7);
        for (auto& c : big)
            c = static_cast<char>(gen.bounded(256));
        tqtest::writeFile(tree.file(QStringLiteral("V/grande.bin")), big);
        tqtest::writeFile(tree.file(QStringLiteral("V/quatro.bin")), QByteArray(4096, 'q'));
        if (!web.start(tree.path()))
            return false;
        modInternet::AbreConexaoInternet(web.hostPort());
        return true;
    }

    QStringList dataFiles() const { return QDir(data.path()).entryList(QDir::Files | QDir::Hidden); }

    tqtest::TempDir data, tree;
    tqrig::Nginx web;
    FakeProxyDialog dialog;
};

#define START_TREE()                                                                                     \
    do {                                                                                                 \
        if (!startTree())                                                                                \
            GTEST_SKIP() << web.reason().toStdString();                                                  \
    } while (0)

#define START(server, json)                                                                              \
    do {                                                                                                 \
        if (!(server).start(scenario(json)))                                                             \
            GTEST_SKIP() << (server).reason().toStdString();                                             \
    } while (0)

}  // namespace

TEST(InternetObjects, EncodesEachPathSegment)
{
    struct Case {
        const char* name;
        QString object;
        QByteArray path;
    } cases[] = {
        {"plain", QStringLiteral("V/Versao.asp"), "/V/Versao.asp"},
        {"backslashes become slashes", QStringLiteral("V\\Figuras\\A B.jpg"), "/V/Figuras/A%20B.jpg"},
        {"accents as UTF-8", QStringLiteral("V/Versão.txt"), "/V/Vers%C3%A3o.txt"},
        {"characters with a meaning in URLs", QStringLiteral("V/a#1?b%c&d.txt"), "/V/a%231%3Fb%25c%26d.txt"},
        {"leading slash kept once", QStringLiteral("/V/x"), "/V/x"},
        {"empty prefix", QStringLiteral("V/"), "/V/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(modInternet::CodificaObjeto(c.object), c.path);
    }
}

TEST(InternetObjects, ProgressHookMovesTheBarOnlyInTheDownloadStep)
{
    long total = 0;
    modInternet::DefineProgressoDownload([&](long bytes) { total += bytes; });
    modInternet::gFaseAtualizacao = QStringLiteral("  ");
    modInternet::AtualizaProgressoDownload(100);
    EXPECT_EQ(total, 0);
    modInternet::gFaseAtualizacao = QStringLiteral("P2");
    modInternet::AtualizaProgressoDownload(100);
    modInternet::AtualizaProgressoDownload(28);
    EXPECT_EQ(total, 128);
    modInternet::gFaseAtualizacao.clear();
    modInternet::DefineProgressoDownload({});
}

TEST(InternetObjects, UploadIsRefused)
{
    try {
        modInternet::BodyPostFileUpload(QStringLiteral("a"), QStringLiteral("b"));
        FAIL();
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), -107);
        EXPECT_EQ(e.description(), QStringLiteral("Não é Permitido UPLOAD"));
    }
}

TEST_F(Internet, OpeningRefusesAMalformedHostAndRequestsNeedAConnection)
{
    try {
        modInternet::AbreConexaoInternet(QStringLiteral("https:"));
        FAIL();
    } catch (const platform::Error& e) {
        EXPECT_EQ(e.number(), -100);
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("InternetConnect:3 ("))) << e.description().toStdString();
    }
    EXPECT_TRUE(requestError(QStringLiteral("V/Versao.asp")).startsWith(QStringLiteral("HttpOpenRequest:2 (")));
    modInternet::FechaConexaoInternet();
    modInternet::FechaConexaoInternet();
}

TEST_F(Internet, FetchesTextAndFilesFromTheUpdateTree)
{
    START_TREE();
    QString r;
    ASSERT_EQ(requestError(QStringLiteral("V/Versao.asp"), true, {}, &r), QString());
    EXPECT_EQ(r, QStringLiteral("143"));
    ASSERT_EQ(requestError(QStringLiteral("V/acentos.txt"), true, {}, &r), QString());
    EXPECT_EQ(r, QStringLiteral("Atualização € 5"));
    ASSERT_EQ(requestError(QStringLiteral("V/vazio.txt"), true, {}, &r), QString());
    EXPECT_EQ(r, QString());
    EXPECT_TRUE(dataFiles().isEmpty()) << "text replies leave no file: " << dataFiles().join(',').toStdString();

    // Into a named file, replacing what was there.
    const QString target = data.file(QStringLiteral("figura.jpg"));
    tqtest::writeFile(target, "old content, longer than the new one");
    const auto perms = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup;
    QFile::setPermissions(target, perms);
    ASSERT_EQ(requestError(QStringLiteral("V\\Figuras\\Vista Explodida #1.jpg"), false, target, &r), QString());
    EXPECT_EQ(r, target);
    EXPECT_EQ(tqtest::readFile(target), QByteArray("JPEG"));
    EXPECT_EQ(QFile::permissions(target) & 0x7077, perms & 0x7077) << "the replaced file keeps its permissions";

    // Into a new temporary file of the data folder; an empty body gives an
    // empty file.
    ASSERT_EQ(requestError(QStringLiteral("V/grande.bin"), false, {}, &r), QString());
    EXPECT_TRUE(r.startsWith(data.pathSlash())) << r.toStdString();
    EXPECT_TRUE(r.endsWith(QStringLiteral(".tmp")));
    EXPECT_EQ(tqtest::readFile(r), tqtest::readFile(tree.file(QStringLiteral("V/grande.bin"))));
    ASSERT_EQ(requestError(QStringLiteral("V/vazio.txt"), false, {}, &r), QString());
    EXPECT_TRUE(QFileInfo(r).isFile());
    EXPECT_EQ(QFileInfo(r).size(), 0);
    EXPECT_EQ(dataFiles().size(), 3);
}

TEST_F(Internet, ProgressHookSeesEveryByteAndEventsRun)
{
    START_TREE();
    // The hook's counters outlive every request that can call it; the hook
    // is taken off before the requests below.
    qint64 sum = 0;
    int calls = 0;
    modInternet::DefineGanchoProgresso([&](long bytes) {
        EXPECT_GT(bytes, 0);
        sum += bytes;
        ++calls;
    });
    for (const char* name : {"V/quatro.bin", "V/grande.bin"}) {
        SCOPED_TRACE(name);
        sum = 0;
        calls = 0;
        QString r;
        ASSERT_EQ(requestError(QString::fromLatin1(name), false, {}, &r), QString());
        EXPECT_EQ(sum, QFileInfo(r).size());
        EXPECT_GE(calls, 1);
    }
    modInternet::DefineGanchoProgresso({});

    // A timer fires while the server keeps its reply back.
    tqrig::ScriptedServer slow;
    START(slow, R"({"routes": {"/V/Versao.asp": {"stall_before_headers": 0.6, "body": "44"}}})");
    modInternet::AbreConexaoInternet(slow.hostPort());
    bool fired = false;
    QTimer::singleShot(50, [&] { fired = true; });
    QString r;
    ASSERT_EQ(requestError(QStringLiteral("V/Versao.asp"), true, {}, &r), QString());
    EXPECT_EQ(r, QStringLiteral("44"));
    EXPECT_TRUE(fired);
}

TEST_F(Internet, SendsAPlainHttp10GetThatBypassesCaches)
{
    tqrig::ScriptedServer server;
    START(server, R"({"default": {"body": "1"}})");
    modInternet::DefinePalavraAgente(QStringLiteral("DazadizeDePecasTQ"));
    modInternet::AbreConexaoInternet(server.hostPort());
    ASSERT_EQ(requestError(QStringLiteral("pasta/V\\Versão nova.asp")), QString());
    modInternet::DefinePalavraAgente(QStringLiteral("DazadizeDePecasTQ_V"));
    const auto reqs = server.requests();
    ASSERT_EQ(reqs.size(), 1u);
    EXPECT_EQ(reqs[0].line, QStringLiteral("GET /pasta/V/Vers%C3%A3o%20nova.asp HTTP/1.0"));
    EXPECT_EQ(reqs[0].headers.value(QStringLiteral("host")).toString(), server.hostPort());
    EXPECT_EQ(reqs[0].headers.value(QStringLiteral("user-agent")).toString(), QStringLiteral("DazadizeDePecasTQ"));
    EXPECT_EQ(reqs[0].headers.value(QStringLiteral("pragma")).toString(), QStringLiteral("no-cache"));
    EXPECT_EQ(reqs[0].headers.value(QStringLiteral("cache-control")).toString(), QStringLiteral("no-cache"));
}

// Every misbehaviour of a server ends in -104 with the reason inside, and
// leaves a named file as it was and no partial file in the data folder.
TEST_F(Internet, ServerMisbehavioursGiveTheirErrorsAndWriteNothing)
{
    tqrig::ScriptedServer server;
    START(server, R"({"routes": {
        "/V/missing": {"status": 404, "body": "<html>not here</html>"},
        "/V/broken": {"status": 500, "body": "oops"},
        "/V/truncated": {"body_size": 20000, "close_after": 5000},
        "/V/empty-truncated": {"body_size": 100, "close_after": 0},
        "/V/stall-headers": {"stall_before_headers": 30},
        "/V/stall-body": {"body_size": 20000, "stall_after": 3000, "stall_seconds": 30},
        "/V/loop": {"redirect": "/V/loop"}
    }})");
    modInternet::DefineTempos({2000, 1000});
    modInternet::AbreConexaoInternet(server.hostPort());
    const QString target = data.file(QStringLiteral("alvo.bin"));

    struct Case {
        const char* name;
        const char* object;
        QString prefix;  // the error text starts with this
        QString suffix;  // and ends with this
        bool newFileToo = true;  // also try with a new temporary file
    } cases[] = {
        {"404", "V/missing", QStringLiteral("HttpQueryInfo:0;-103;Status=404"), {}},
        {"500", "V/broken", QStringLiteral("HttpQueryInfo:0;-103;Status=500"), {}},
        {"body shorter than Content-Length", "V/truncated", QStringLiteral("InternetReadFile:18 ("),
         QStringLiteral(";-105;Ret=0")},
        {"no body at all", "V/empty-truncated", QStringLiteral("InternetReadFile:18 ("), QStringLiteral(";-105;Ret=0")},
        {"stalled before the reply", "V/stall-headers", QStringLiteral("HttpSendRequest:28 ("), QStringLiteral(")"),
         false},
        {"stalled in the body", "V/stall-body", QStringLiteral("InternetReadFile:28 ("), QStringLiteral(";-105;Ret=0"),
         false},
        {"redirect loop", "V/loop", QStringLiteral("HttpSendRequest:47 ("), QStringLiteral(")")},
    };
    for (const auto& c : cases) {
        for (const bool toFile : {true, false}) {
            if (!toFile && !c.newFileToo)
                continue;
            SCOPED_TRACE(std::string(c.name) + (toFile ? " (named file)" : " (new file)"));
            tqtest::writeFile(target, "kept");
            const QString err = requestError(QString::fromLatin1(c.object), false, toFile ? target : QString());
            EXPECT_TRUE(err.startsWith(c.prefix)) << err.toStdString();
            EXPECT_TRUE(err.endsWith(c.suffix)) << err.toStdString();
            if (c.suffix.isEmpty()) {
                EXPECT_EQ(err, c.prefix);
            }
            EXPECT_EQ(tqtest::readFile(target), QByteArray("kept"));
            EXPECT_EQ(dataFiles(), QStringList{QStringLiteral("alvo.bin")});
        }
    }
}

TEST_F(Internet, ConnectionRefusedAndUploadsFail)
{
    const int port = tqrig::freePort();
    modInternet::AbreConexaoInternet(QStringLiteral("127.0.0.1:%1").arg(port));
    const QString err = requestError(QStringLiteral("V/Versao.asp"));
    EXPECT_TRUE(err.startsWith(QStringLiteral("HttpSendRequest:7 ("))) << err.toStdString();

    tqrig::ScriptedServer server;
    START(server, R"({"default": {"body": "1"}})");
    modInternet::AbreConexaoInternet(server.hostPort());
    for (const char* kind : {"U", "d", ""}) {
        SCOPED_TRACE(kind);
        EXPECT_EQ(requestError(QStringLiteral("V/up"), true, {}, nullptr, false, {}, {}, QString::fromLatin1(kind)),
                  QStringLiteral("BodyPostFileUpload:0;-107;Não é Permitido UPLOAD"));
    }
    EXPECT_TRUE(server.requests().empty());
}

// An event handler that runs while a request waits cannot start a second
// request on the module's one connection, nor pull the connection away.
TEST_F(Internet, ReentryDuringARequestIsRefused)
{
    tqrig::ScriptedServer server;
    START(server, R"({"routes": {"/slow": {"stall_before_headers": 0.5, "body": "ok"}}})");
    modInternet::AbreConexaoInternet(server.hostPort());
    QString inner;
    bool reopenRefused = false;
    QTimer::singleShot(50, [&] {
        inner = requestError(QStringLiteral("other"));
        try {
            modInternet::AbreConexaoInternet(server.hostPort());
        } catch (const platform::Error& e) {
            reopenRefused = e.number() == -100;
        }
        modInternet::FechaConexaoInternet();
    });
    QString r;
    EXPECT_EQ(requestError(QStringLiteral("slow"), true, {}, &r), QString());
    EXPECT_EQ(r, QStringLiteral("ok"));
    EXPECT_TRUE(inner.startsWith(QStringLiteral("HttpOpenRequest:93 ("))) << inner.toStdString();
    EXPECT_TRUE(reopenRefused);
    // The close asked for meanwhile took effect afterwards.
    EXPECT_TRUE(requestError(QStringLiteral("slow")).startsWith(QStringLiteral("HttpOpenRequest:2 (")));
}

// --- Proxy ------------------------------------------------------------------

class InternetProxy : public Internet {
protected:
    bool startProxy()
    {
        if (!startTree() || !proxy.start(QStringLiteral("proxyuser"), QStringLiteral("s3cret")))
            return false;
        qputenv("http_proxy", proxy.url().toUtf8());
        modInternet::AbreConexaoInternet(web.hostPort());
        return true;
    }
    tqrig::TinyProxy proxy;
};

#define START_PROXY()                                                                                    \
    do {                                                                                                 \
        if (!startProxy())                                                                               \
            GTEST_SKIP() << (web.reason() + proxy.reason()).toStdString();                               \
    } while (0)

TEST_F(InternetProxy, StoredCredentialsGetThroughWithoutTheDialog)
{
    START_PROXY();
    QString r;
    ASSERT_EQ(requestError(QStringLiteral("V/Versao.asp"), true, {}, &r, true, QStringLiteral("proxyuser"),
                           QStringLiteral("s3cret")),
              QString());
    EXPECT_EQ(r, QStringLiteral("143"));
    // The next request of the series keeps the credentials.
    ASSERT_EQ(requestError(QStringLiteral("V/acentos.txt"), true, {}, &r, false), QString());
    EXPECT_TRUE(dialog.proxies.isEmpty());
}

TEST_F(InternetProxy, WithoutCredentialsOrDialogTheRequestEndsWith407)
{
    START_PROXY();
    EXPECT_EQ(requestError(QStringLiteral("V/Versao.asp")), QStringLiteral("HttpQueryInfo:0;-103;Status=407"));
    EXPECT_TRUE(dialog.proxies.isEmpty());
}

TEST_F(InternetProxy, TheDialogSuppliesCredentialsOrCancels)
{
    START_PROXY();
    dialog.retry = false;
    EXPECT_EQ(requestError(QStringLiteral("V/Versao.asp"), true, {}, nullptr, true),
              QStringLiteral("InternetErrorDlg:0;-106;Cancel Proxy Auth"));
    ASSERT_EQ(dialog.proxies.size(), 1);
    EXPECT_EQ(dialog.proxies[0], proxy.url());

    dialog.retry = true;
    dialog.answerUser = QStringLiteral("proxyuser");
    dialog.answerPassword = QStringLiteral("s3cret");
    const QString target = data.file(QStringLiteral("grande.bin"));
    QString r;
    ASSERT_EQ(requestError(QStringLiteral("V/grande.bin"), false, target, &r, true), QString());
    EXPECT_EQ(tqtest::readFile(target), tqtest::readFile(tree.file(QStringLiteral("V/grande.bin"))));
    EXPECT_EQ(dialog.proxies.size(), 2);
}

TEST_F(Internet, NoProxyHostsBypassTheProxy)
{
    START_TREE();
    qputenv("http_proxy", QStringLiteral("http://127.0.0.1:%1").arg(tqrig::freePort()).toUtf8());
    qputenv("no_proxy", "localhost,127.0.0.1");
    modInternet::AbreConexaoInternet(web.hostPort());
    QString r;
    ASSERT_EQ(requestError(QStringLiteral("V/Versao.asp"), true, {}, &r), QString());
    EXPECT_EQ(r, QStringLiteral("143"));
}

// A proxy that answers 407 whatever it gets: the stored credentials go once,
// then the dialog, at most seven 407 replies in all.
TEST_F(Internet, AProxyThatRefusesForeverEndsTheRetries)
{
    tqrig::ScriptedServer proxy;
    START(proxy, R"({"default": {"status": 407, "headers": {"Proxy-Authenticate": "Basic realm=\"x\""}}})");
    qputenv("http_proxy", proxy.url().toUtf8());
    modInternet::AbreConexaoInternet(QStringLiteral("updates.invalid"));
    dialog.answerUser = QStringLiteral("u");
    dialog.answerPassword = QStringLiteral("p");

    struct Case {
        const char* name;
        QString user, password;
        int dialogs;
        int sends;
    } cases[] = {
        {"no stored credentials", {}, {}, 7, 7},
        {"stored credentials refused", QStringLiteral("stored"), QStringLiteral("pw"), 6, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialog.proxies.clear();
        dialog.proposedUsers.clear();
        const size_t before = proxy.requests().size();
        EXPECT_EQ(requestError(QStringLiteral("V/Versao.asp"), true, {}, nullptr, true, c.user, c.password),
                  QStringLiteral("InternetErrorDlg:0;-102;Cont=7"));
        EXPECT_EQ(dialog.proxies.size(), c.dialogs);
        EXPECT_EQ(proxy.requests().size() - before, static_cast<size_t>(c.sends));
        EXPECT_EQ(dialog.proposedUsers.value(0), c.user);
    }
    // The credentials went with the requests, in basic form, from the second send.
    const auto reqs = proxy.requests();
    EXPECT_FALSE(reqs.front().headers.contains(QStringLiteral("proxy-authorization")));
    EXPECT_EQ(reqs.back().headers.value(QStringLiteral("proxy-authorization")).toString(), QStringLiteral("Basic dTpw"));
    EXPECT_EQ(reqs.back().target, QStringLiteral("http://updates.invalid/V/Versao.asp"));
}
