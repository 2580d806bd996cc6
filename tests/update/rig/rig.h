#pragma once
// Test servers on 127.0.0.1, started by the tests themselves on free ports
// and stopped when the object goes away, or killed by the kernel when the
// test process ends in any other way (a crash, an abort, a time-out kill):
//   - Nginx: Debian's nginx serving a folder (an update tree);
//   - TinyProxy: a forward proxy that asks for basic authentication;
//   - ScriptedServer: a small Python server replaying scripted replies
//     (error statuses, broken bodies, stalls, redirect loops) and recording
//     every request it gets; it also serves as a misbehaving proxy.
// Each start() returns false (with a reason) when the program is missing or
// does not come up; tests then skip:
//
//   tqrig::Nginx web;
//   if (!web.start(tree.path())) GTEST_SKIP() << web.reason();
//   modInternet::AbreConexaoInternet(web.hostPort());

#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

class QProcess;

namespace tqrig {

// A free TCP port on 127.0.0.1 (0 when none could be had).
int freePort();
// Whether something accepts connections on 127.0.0.1:port.
bool accepts(int port);

// Full path of a program in PATH or the sbin folders; empty when missing.
QString findProgram(const QString& name);

class ServerProcess {
public:
    ServerProcess();
    virtual ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int port() const { return m_port; }
    QString hostPort() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    QString url() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_port); }
    const QString& reason() const { return m_reason; }
    // The server's process id (0 when not running).
    qint64 processId() const;
    QString folder() const { return m_dir.path(); }
    void stop();

protected:
    // Starts `program` and waits until the port accepts connections.
    bool launch(const QString& program, const QStringList& args, int port);
    bool fail(const QString& why);
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
    QString m_reason;
};

class Nginx : public ServerProcess {
public:
    // Serves the files below `root` (with sendfile) until stopped.
    bool start(const QString& root);
};

class TinyProxy : public ServerProcess {
public:
    bool start(const QString& user, const QString& password);
};

struct RecordedRequest {
    QString line;      // "GET /V/Versao.asp HTTP/1.0"
    QString method;
    QString target;    // as sent (absolute through a proxy)
    QString path;      // path part of the target
    QString version;   // "HTTP/1.0"
    QJsonObject headers;  // lower-case names
};

class ScriptedServer : public ServerProcess {
public:
    // scenario: {"routes": {"/p": {reply}}, "default": {reply}}; the reply
    // keys are described in scripted_server.py.
    bool start(const QJsonObject& scenario);
    std::vector<RecordedRequest> requests() const;
};

}  // namespace tqrig
