#include "platform/http/httpconnection.h"

#include "support/qstringprinter.h"
#include "rig.h"

#include <QElapsedTimer>
#include <QJsonDocument>

#include <gtest/gtest.h>

using platform::HttpConnection;
using platform::HttpExchange;

namespace {

QJsonObject scenario(const char* json) { return QJsonDocument::fromJson(json).object(); }

struct HostCase {
    const char* name;
    const char* text;
    bool ok;
    const char* host;
    int port;
};

}  // namespace

TEST(HttpConnection, SplitsHostAndPort)
{
    const HostCase cases[] = {
        {"plain host gets port 80", "updates.example.com", true, "updates.example.com", 80},
        {"explicit port", "127.0.0.1:8080", true, "127.0.0.1", 8080},
        {"bracketed IPv6 with port", "[::1]:81", true, "[::1]", 81},
        {"scheme left in the address", "https:", false, "", 0},
        {"empty port", "host:", false, "", 0},
        {"port zero", "host:0", false, "", 0},
        {"port too large", "host:65536", false, "", 0},
        {"path left in the host", "host/x", false, "", 0},
        {"user info", "user@host", false, "", 0},
        {"empty", "", false, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString host;
        int port = 0;
        ASSERT_EQ(platform::splitHostPort(QString::fromUtf8(c.text), &host, &port), c.ok);
        if (c.ok) {
            EXPECT_EQ(host, QString::fromUtf8(c.host));
            EXPECT_EQ(port, c.port);
        }
    }
    HttpConnection conn;
    QString why;
    int code = 0;
    EXPECT_FALSE(conn.open(QStringLiteral("https:"), QStringLiteral("agent"), &why, &code));
    EXPECT_EQ(code, HttpConnection::kCodeBadHost);
    EXPECT_FALSE(conn.isOpen());
}

TEST(HttpConnection, ProxyFromEnvironmentPrefersLowerCase)
{
    qputenv("http_proxy", "http://127.0.0.1:3128");
    qputenv("HTTP_PROXY", "http://10.0.0.1:1");
    qputenv("no_proxy", "localhost,.local");
    qunsetenv("NO_PROXY");
    auto p = platform::HttpProxySettings::fromEnvironment();
    EXPECT_EQ(p.url, QStringLiteral("http://127.0.0.1:3128"));
    EXPECT_EQ(p.noProxy, QStringLiteral("localhost,.local"));
    qunsetenv("http_proxy");
    qunsetenv("no_proxy");
    qputenv("NO_PROXY", "example.org");
    p = platform::HttpProxySettings::fromEnvironment();
    EXPECT_EQ(p.url, QStringLiteral("http://10.0.0.1:1"));
    EXPECT_EQ(p.noProxy, QStringLiteral("example.org"));
    qunsetenv("HTTP_PROXY");
    qunsetenv("NO_PROXY");
}

// While a server keeps the reply back, the caller's wait callback keeps being
// called, and it can end the exchange; a close() asked for meanwhile happens
// once the exchange has returned.
TEST(HttpConnection, WaitCallbackRunsDuringAStallAndCanStopIt)
{
    tqrig::ScriptedServer server;
    if (!server.start(scenario(R"({"routes": {"/slow": {"stall_before_headers": 30, "body": "x"}}})")))
        GTEST_SKIP() << server.reason().toStdString();
    HttpConnection conn;
    ASSERT_TRUE(conn.open(server.hostPort(), QStringLiteral("agent")));
    conn.setProxy({});
    int waits = 0;
    HttpConnection::Handler h;
    h.onWait = [&] {
        ++waits;
        if (waits == 3)
            conn.close();
        return waits < 10;
    };
    QElapsedTimer clock;
    clock.start();
    const HttpExchange x = conn.get("/slow", h);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(waits, 10);
    EXPECT_TRUE(x.stoppedByCaller);
    EXPECT_FALSE(x.replyStarted);
    EXPECT_FALSE(conn.isOpen());
}

// A body over the limit ends the exchange as soon as the limit is passed:
// an endless body too, and nothing beyond the limit reaches onData.  A body
// of exactly the limit, and a failed status with a long page, are not
// affected.
TEST(HttpConnection, ABodyOverTheLimitEndsTheExchange)
{
    tqrig::ScriptedServer server;
    if (!server.start(scenario(R"({"routes": {
            "/sem-fim": {"endless": true},
            "/exato": {"body_size": 5000},
            "/um-a-mais": {"body_size": 5001},
            "/erro": {"status": 404, "body_size": 100000}}})")))
        GTEST_SKIP() << server.reason().toStdString();
    HttpConnection conn;
    ASSERT_TRUE(conn.open(server.hostPort(), QStringLiteral("agent")));
    conn.setProxy({});
    conn.setReceiveBufferSize(1024);
    struct Case {
        const char* path;
        int code;
        long status;
        qint64 received;  // by onData
    } cases[] = {
        {"/sem-fim", HttpConnection::kCodeBodyTooLarge, 200, -1},
        {"/exato", 0, 200, 5000},
        {"/um-a-mais", HttpConnection::kCodeBodyTooLarge, 200, -1},
        {"/erro", 0, 404, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        qint64 received = 0;
        HttpConnection::Handler h;
        h.maxBodyBytes = 5000;
        h.onReply = [](long status) { return status == 200; };
        h.onData = [&](const char*, qint64 n) {
            received += n;
            return true;
        };
        const HttpExchange x = conn.get(c.path, h);
        EXPECT_EQ(x.code, c.code) << x.error.toStdString();
        EXPECT_EQ(x.status, c.status);
        EXPECT_LE(received, 5000);
        EXPECT_EQ(x.bodyBytes, received);
        if (c.received >= 0) {
            EXPECT_EQ(received, c.received);
        }
        if (c.code != 0) {
            EXPECT_EQ(x.error, QStringLiteral("the reply is longer than 5000 bytes"));
        }
    }
}
