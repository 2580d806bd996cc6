#pragma once
// platform::HttpConnection - plain HTTP/1.0 exchanges with one host, over
// libcurl.
//
// One object owns one curl easy handle and the multi handle that drives it,
// so consecutive requests to the host reuse one kept-alive connection.  The
// object belongs to the thread that made it.
//
//   HttpConnection c;
//   if (!c.open("updates.example.com:8080", "Agent", &why)) ...;
//   HttpExchange x = c.get("/V/Versao.asp", handler);
//   c.close();                              // safe twice
//
// What every request does:
//   - GET with HTTP/1.0, "Connection: keep-alive", "Pragma: no-cache" and
//     "Cache-Control: no-cache", so no cache on the way answers in the
//     server's place;
//   - redirects are followed (at most kMaxRedirects, http and https only);
//     certificates of https redirects are always verified;
//   - the proxy comes from setProxy() (by default from http_proxy/no_proxy of
//     the environment); proxy credentials set with setProxyCredentials() stay
//     on the connection for the requests that follow;
//   - the connect timeout limits connecting; the receive timeout ends an
//     exchange that received nothing for that long (a stalled server);
//   - a body over Handler::maxBodyBytes ends the exchange (kCodeBodyTooLarge);
//   - while the exchange runs, Handler::onWait is called every few
//     milliseconds, whether data flows or not, so the caller can let its
//     window events run.  A callback that returns false ends the exchange
//     (HttpExchange::stoppedByCaller); callbacks must not throw.
//
// Errors are values: HttpExchange carries libcurl's code (0 when the
// exchange completed) and a readable text (the error buffer, else
// curl_easy_strerror).  Nothing here throws.

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace platform {

struct HttpTimeouts {
    int connectMs = 60000;
    // Longest time without receiving anything of the reply; rounded up to
    // whole seconds (libcurl's low-speed check works in seconds).
    int receiveMs = 60000;
};

struct HttpProxySettings {
    QString url;      // "http://host:port"; empty: no proxy
    QString noProxy;  // hosts that bypass the proxy, comma-separated
    // http_proxy (else HTTP_PROXY) and no_proxy (else NO_PROXY).
    static HttpProxySettings fromEnvironment();
};

// The outcome of one exchange.
struct HttpExchange {
    int code = 0;                 // libcurl's CURLcode; 0 when complete
    QString error;                // readable text of a failure
    long status = 0;              // HTTP status of the final reply, 0 when none came
    bool replyStarted = false;    // the headers of a final reply arrived (the send succeeded)
    bool stoppedByCaller = false; // a Handler callback returned false
    qint64 bodyBytes = 0;         // body bytes handed to onData

    bool ok() const { return code == 0 && !stoppedByCaller; }
};

class HttpConnection {
public:
    static constexpr long kMaxRedirects = 10;
    // libcurl's CURLcode for a malformed host or port (open() failures).
    static constexpr int kCodeBadHost = 3;
    // libcurl's CURLcode for a body over Handler::maxBodyBytes.
    static constexpr int kCodeBodyTooLarge = 63;

    HttpConnection();
    ~HttpConnection();
    HttpConnection(const HttpConnection&) = delete;
    HttpConnection& operator=(const HttpConnection&) = delete;

    // Prepares requests to `hostPort`: a host name, IPv4 address or [IPv6]
    // address, optionally followed by ":" and a port (80 when absent).  No
    // network traffic happens here.  False, with a text in *error, when the
    // host or port is malformed or libcurl refuses an option; *code (when
    // given) gets libcurl's code.
    bool open(const QString& hostPort, const QString& userAgent, QString* error = nullptr, int* code = nullptr);
    // Drops the connection and the handles; safe twice and before open().
    void close();
    bool isOpen() const;

    // "host:port" of the open connection.
    QString hostPort() const;

    void setTimeouts(const HttpTimeouts& t) { m_timeouts = t; }
    const HttpTimeouts& timeouts() const { return m_timeouts; }
    // Takes effect at the next request.  open() starts from fromEnvironment().
    void setProxy(const HttpProxySettings& p) { m_proxy = p; }
    const HttpProxySettings& proxy() const { return m_proxy; }
    void setProxyCredentials(const QString& user, const QString& password);
    // Size of the receive buffer: the largest piece onData gets at once.
    void setReceiveBufferSize(long bytes) { m_bufferSize = bytes; }

    struct Handler {
        // Called once, when the first body byte of the final reply arrives
        // or, for an empty body, when the exchange completes.  Return false
        // to end the exchange there (the body is not read).
        std::function<bool(long status)> onReply;
        // A piece of the body, in order.  Return false to end the exchange.
        std::function<bool(const char* data, qint64 size)> onData;
        // Called regularly while the exchange runs.  Return false to end
        // the exchange.
        std::function<bool()> onWait;
        // The largest body accepted, in bytes; 0 for no limit.  A longer
        // body ends the exchange with kCodeBodyTooLarge before onData sees
        // a byte beyond the limit, so the reply is never held whole.
        qint64 maxBodyBytes = 0;
    };

    // One GET of `path` (already percent-encoded, starting with "/").
    // Returns an exchange with code != 0 when the request could not be sent
    // or the reply not be read whole (a body shorter than its Content-Length
    // is libcurl's code 18, an incomplete reply).
    HttpExchange get(const QByteArray& path, const Handler& handler);

    // True while get() runs (for callers that must refuse re-entry).
    bool busy() const { return m_busy; }

private:
    struct Handles;
    std::unique_ptr<Handles> m_h;
    QString m_host;     // as given, without port
    int m_port = 80;
    HttpTimeouts m_timeouts;
    HttpProxySettings m_proxy;
    long m_bufferSize = 64 * 1024;
    bool m_busy = false;
};

// Splits "host[:port]" ("[v6]:port" for IPv6).  False for an empty host, a
// host with characters outside letters, digits, "-", "." and "_" (IPv6 inside
// brackets), or a port that is not a number from 1 to 65535.
bool splitHostPort(const QString& text, QString* host, int* port);

}  // namespace platform
