#include "platform/http/httpconnection.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <curl/curl.h>

#include <algorithm>
#include <mutex>

namespace platform {
namespace {

struct EasyCleanup {
    void operator()(CURL* h) const { if (h) curl_easy_cleanup(h); }
};
struct MultiCleanup {
    void operator()(CURLM* h) const { if (h) curl_multi_cleanup(h); }
};
struct SlistCleanup {
    void operator()(curl_slist* l) const { if (l) curl_slist_free_all(l); }
};

void globalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

// How often onWait runs at most, and how long one poll may block.
constexpr qint64 kWaitIntervalMs = 10;
constexpr int kPollMs = 20;

static_assert(HttpConnection::kCodeBodyTooLarge == CURLE_FILESIZE_EXCEEDED);
static_assert(HttpConnection::kCodeBadHost == CURLE_URL_MALFORMAT);

QString envValue(const char* lower, const char* upper)
{
    QByteArray v = qgetenv(lower);
    if (v.isEmpty())
        v = qgetenv(upper);
    return QString::fromLocal8Bit(v).trimmed();
}

}  // namespace

struct HttpConnection::Handles {
    std::unique_ptr<CURL, EasyCleanup> easy;
    std::unique_ptr<CURLM, MultiCleanup> multi;
    std::unique_ptr<curl_slist, SlistCleanup> headers;
    char errbuf[CURL_ERROR_SIZE] = {};
    QByteArray userAgent;
    QByteArray proxyUser, proxyPassword;
    // Schemes the proxy offered in its last 407: with Basic alone the
    // credentials go with the first send, without a probe.
    long proxyAuth = static_cast<long>(CURLAUTH_ANY);
    bool closeRequested = false;
};

// State of one running exchange, seen by the libcurl callbacks.
namespace {
struct Transfer {
    CURL* easy = nullptr;
    const HttpConnection::Handler* handler = nullptr;
    HttpExchange* ex = nullptr;
    bool replyCalled = false;
    bool bodyTooLarge = false;
    bool sawLocation = false;
    long lastStatus = 0;
    long offeredAuth = 0;   // schemes of the Proxy-Authenticate lines of the last reply
};

long authScheme(const char* value, size_t n)
{
    const QByteArray word = QByteArray(value, static_cast<qsizetype>(n)).trimmed().split(' ').value(0).toLower();
    if (word == "basic")
        return static_cast<long>(CURLAUTH_BASIC);
    if (word == "digest")
        return static_cast<long>(CURLAUTH_DIGEST);
    if (word == "ntlm")
        return static_cast<long>(CURLAUTH_NTLM);
    if (word == "negotiate")
        return static_cast<long>(CURLAUTH_NEGOTIATE);
    return 0;
}

size_t onHeader(char* data, size_t size, size_t nitems, void* user)
{
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * nitems;
    if (n >= 5 && qstrncmp(data, "HTTP/", 5) == 0) {
        // A new reply begins (after a redirect or an interim reply).
        t->sawLocation = false;
        t->offeredAuth = 0;
        t->ex->replyStarted = false;
    } else if (n >= 9 && qstrnicmp(data, "location:", 9) == 0) {
        t->sawLocation = true;
    } else if (n >= 19 && qstrnicmp(data, "proxy-authenticate:", 19) == 0) {
        t->offeredAuth |= authScheme(data + 19, n - 19);
    } else if ((n == 2 && data[0] == '\r' && data[1] == '\n') || (n == 1 && data[0] == '\n')) {
        long status = 0;
        curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &status);
        t->lastStatus = status;
        const bool interim = status / 100 == 1;
        const bool followed = status / 100 == 3 && t->sawLocation;
        t->ex->replyStarted = !interim && !followed;
    }
    return n;
}

size_t onBody(char* data, size_t size, size_t nmemb, void* user)
{
    auto* t = static_cast<Transfer*>(user);
    const size_t n = size * nmemb;
    if (!t->replyCalled) {
        t->replyCalled = true;
        curl_easy_getinfo(t->easy, CURLINFO_RESPONSE_CODE, &t->ex->status);
        t->ex->replyStarted = true;
        if (t->handler->onReply && !t->handler->onReply(t->ex->status)) {
            t->ex->stoppedByCaller = true;
            return 0;  // any other count than n makes libcurl stop the transfer
        }
    }
    if (n == 0)
        return 0;
    const qint64 max = t->handler->maxBodyBytes;
    if (max > 0 && static_cast<qint64>(n) > max - t->ex->bodyBytes) {
        t->bodyTooLarge = true;
        return 0;
    }
    if (t->handler->onData && !t->handler->onData(data, static_cast<qint64>(n))) {
        t->ex->stoppedByCaller = true;
        return 0;
    }
    t->ex->bodyBytes += static_cast<qint64>(n);
    return n;
}

}  // namespace

HttpProxySettings HttpProxySettings::fromEnvironment()
{
    HttpProxySettings p;
    p.url = envValue("http_proxy", "HTTP_PROXY");
    p.noProxy = envValue("no_proxy", "NO_PROXY");
    return p;
}

bool splitHostPort(const QString& text, QString* host, int* port)
{
    static const QRegularExpression re(
        QStringLiteral("^(?:([A-Za-z0-9_.-]+)|\\[([0-9A-Fa-f:.]+)\\])(?::([0-9]{1,5}))?$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return false;
    int p = 80;
    if (m.capturedLength(3) > 0) {
        p = m.captured(3).toInt();
        if (p < 1 || p > 65535)
            return false;
    } else if (text.endsWith(QLatin1Char(':'))) {
        return false;
    }
    if (host)
        *host = m.capturedLength(1) > 0 ? m.captured(1) : QLatin1Char('[') + m.captured(2) + QLatin1Char(']');
    if (port)
        *port = p;
    return true;
}

HttpConnection::HttpConnection() = default;

HttpConnection::~HttpConnection()
{
    m_busy = false;
    close();
}

bool HttpConnection::isOpen() const { return m_h && m_h->easy; }

QString HttpConnection::hostPort() const
{
    return m_host + QLatin1Char(':') + QString::number(m_port);
}

void HttpConnection::close()
{
    if (m_busy) {
        // Called from an event handler that ran while an exchange waits:
        // the handles are dropped once the exchange has returned.
        if (m_h)
            m_h->closeRequested = true;
        return;
    }
    if (m_h && m_h->multi && m_h->easy)
        curl_multi_remove_handle(m_h->multi.get(), m_h->easy.get());
    m_h.reset();
}

bool HttpConnection::open(const QString& hostPort, const QString& userAgent, QString* error, int* code)
{
    close();
    auto fail = [&](int c, const QString& why) {
        m_h.reset();
        if (error)
            *error = why;
        if (code)
            *code = c;
        return false;
    };
    QString host;
    int port = 80;
    if (!splitHostPort(hostPort.trimmed(), &host, &port))
        return fail(kCodeBadHost, QStringLiteral("invalid host name or port \"%1\"").arg(hostPort));

    globalInit();
    auto h = std::make_unique<Handles>();
    h->easy.reset(curl_easy_init());
    h->multi.reset(curl_multi_init());
    if (!h->easy || !h->multi)
        return fail(CURLE_FAILED_INIT, QStringLiteral("cannot create a transfer handle"));
    h->userAgent = userAgent.toUtf8();
    curl_slist* list = nullptr;
    for (const char* line : {"Connection: keep-alive", "Pragma: no-cache", "Cache-Control: no-cache",
                             "Accept: */*"}) {
        curl_slist* next = curl_slist_append(list, line);
        if (!next) {
            curl_slist_free_all(list);
            return fail(CURLE_OUT_OF_MEMORY, QStringLiteral("out of memory"));
        }
        list = next;
    }
    h->headers.reset(list);

    CURL* e = h->easy.get();
    CURLcode rc = CURLE_OK;
    auto set = [&](CURLoption opt, auto value) {
        if (rc == CURLE_OK)
            rc = curl_easy_setopt(e, opt, value);
    };
    set(CURLOPT_ERRORBUFFER, h->errbuf);
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_USERAGENT, h->userAgent.constData());
    set(CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0));
    set(CURLOPT_HTTPHEADER, h->headers.get());
    set(CURLOPT_FOLLOWLOCATION, 1L);
    set(CURLOPT_MAXREDIRS, kMaxRedirects);
    set(CURLOPT_PROTOCOLS_STR, "http,https");
    set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    set(CURLOPT_SSL_VERIFYPEER, 1L);
    set(CURLOPT_SSL_VERIFYHOST, 2L);
    set(CURLOPT_HEADERFUNCTION, &onHeader);
    set(CURLOPT_WRITEFUNCTION, &onBody);
    if (rc != CURLE_OK)
        return fail(rc, QString::fromUtf8(curl_easy_strerror(rc)));

    m_h = std::move(h);
    m_host = host;
    m_port = port;
    m_proxy = HttpProxySettings::fromEnvironment();
    return true;
}

void HttpConnection::setProxyCredentials(const QString& user, const QString& password)
{
    if (!m_h)
        return;
    m_h->proxyUser = user.toUtf8();
    m_h->proxyPassword = password.toUtf8();
}

HttpExchange HttpConnection::get(const QByteArray& path, const Handler& handler)
{
    HttpExchange ex;
    if (!isOpen()) {
        ex.code = CURLE_FAILED_INIT;
        ex.error = QStringLiteral("no open connection");
        return ex;
    }
    if (m_busy) {
        ex.code = CURLE_RECURSIVE_API_CALL;
        ex.error = QStringLiteral("a request is already running on this connection");
        return ex;
    }
    Handles& h = *m_h;
    CURL* e = h.easy.get();
    h.errbuf[0] = '\0';

    Transfer t;
    t.easy = e;
    t.handler = &handler;
    t.ex = &ex;

    const QByteArray url = QByteArrayLiteral("http://") + m_host.toUtf8() + ':' + QByteArray::number(m_port)
        + (path.startsWith('/') ? path : '/' + path);
    const QByteArray proxy = m_proxy.url.toUtf8();
    const QByteArray noProxy = m_proxy.noProxy.toUtf8();
    const long lowSpeedSeconds = std::max(1L, static_cast<long>((m_timeouts.receiveMs + 999) / 1000));

    CURLcode rc = CURLE_OK;
    auto set = [&](CURLoption opt, auto value) {
        if (rc == CURLE_OK)
            rc = curl_easy_setopt(e, opt, value);
    };
    set(CURLOPT_URL, url.constData());
    // An explicit empty proxy keeps libcurl from reading the environment on
    // its own: the settings of this object are the only source.
    set(CURLOPT_PROXY, proxy.constData());
    set(CURLOPT_NOPROXY, noProxy.isEmpty() ? nullptr : noProxy.constData());
    set(CURLOPT_PROXYUSERNAME, h.proxyUser.isEmpty() ? nullptr : h.proxyUser.constData());
    set(CURLOPT_PROXYPASSWORD, h.proxyPassword.isEmpty() ? nullptr : h.proxyPassword.constData());
    set(CURLOPT_PROXYAUTH, h.proxyAuth);
    set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_timeouts.connectMs));
    set(CURLOPT_LOW_SPEED_LIMIT, 1L);
    set(CURLOPT_LOW_SPEED_TIME, lowSpeedSeconds);
    set(CURLOPT_BUFFERSIZE, m_bufferSize);
    set(CURLOPT_HEADERDATA, &t);
    set(CURLOPT_WRITEDATA, &t);
    if (rc != CURLE_OK) {
        ex.code = rc;
        ex.error = QString::fromUtf8(curl_easy_strerror(rc));
        return ex;
    }

    CURLM* m = h.multi.get();
    if (CURLMcode mc = curl_multi_add_handle(m, e); mc != CURLM_OK) {
        ex.code = CURLE_FAILED_INIT;
        ex.error = QString::fromUtf8(curl_multi_strerror(mc));
        return ex;
    }

    m_busy = true;
    QElapsedTimer sinceWait;
    sinceWait.start();
    CURLcode result = CURLE_OK;
    bool done = false;
    while (!done) {
        int running = 0;
        CURLMcode mc = curl_multi_perform(m, &running);
        if (mc == CURLM_OK && running == 0) {
            int left = 0;
            while (CURLMsg* msg = curl_multi_info_read(m, &left)) {
                if (msg->msg == CURLMSG_DONE && msg->easy_handle == e)
                    result = msg->data.result;
            }
            done = true;
        } else if (mc != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            h.errbuf[0] = '\0';
            qstrncpy(h.errbuf, curl_multi_strerror(mc), sizeof h.errbuf);
            done = true;
        } else {
            curl_multi_poll(m, nullptr, 0, kPollMs, nullptr);
        }
        if (!done && handler.onWait && sinceWait.elapsed() >= kWaitIntervalMs) {
            if (!handler.onWait()) {
                ex.stoppedByCaller = true;
                result = CURLE_ABORTED_BY_CALLBACK;
                done = true;
            }
            sinceWait.restart();
        }
    }
    curl_multi_remove_handle(m, e);
    m_busy = false;

    if (result == CURLE_OK && !t.replyCalled) {
        // Empty body: the reply is complete without any body callback.
        t.replyCalled = true;
        curl_easy_getinfo(e, CURLINFO_RESPONSE_CODE, &ex.status);
        ex.replyStarted = ex.status > 0;
        if (handler.onReply && !handler.onReply(ex.status))
            ex.stoppedByCaller = true;
    } else if (!t.replyCalled) {
        ex.status = ex.replyStarted ? t.lastStatus : 0;
    }
    if (t.bodyTooLarge) {
        ex.code = kCodeBodyTooLarge;
        ex.error = QStringLiteral("the reply is longer than %1 bytes").arg(handler.maxBodyBytes);
    }
    if (ex.status == 407 && t.offeredAuth != 0)
        h.proxyAuth = t.offeredAuth;
    if (result != CURLE_OK && !ex.stoppedByCaller && !t.bodyTooLarge) {
        ex.code = result;
        ex.error = h.errbuf[0] ? QString::fromUtf8(h.errbuf).trimmed()
                               : QString::fromUtf8(curl_easy_strerror(result));
    }
    if (h.closeRequested)
        close();
    return ex;
}

}  // namespace platform
