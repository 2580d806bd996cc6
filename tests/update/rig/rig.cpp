#include "rig.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>

namespace tqrig {
namespace {

// A server never outlives the test process that started it, however that
// process ends (an aborted or killed test would otherwise leave the server
// holding CTest's output open until the time-out): the kernel kills the
// server when its parent goes.
void endsWithTheTest(QProcess& process)
{
    const pid_t test = ::getpid();
    process.setChildProcessModifier([test] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != test) // the test ended before the line above
            ::_exit(1);
    });
}

}  // namespace

int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

bool accepts(int port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok;
}

QString findProgram(const QString& name)
{
    QString p = QStandardPaths::findExecutable(name);
    if (p.isEmpty())
        p = QStandardPaths::findExecutable(name, {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin"),
                                                  QStringLiteral("/usr/bin"), QStringLiteral("/usr/local/sbin")});
    return p;
}

ServerProcess::ServerProcess() = default;

ServerProcess::~ServerProcess() { stop(); }

qint64 ServerProcess::processId() const { return m_process ? m_process->processId() : 0; }

void ServerProcess::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(3000)) {
            m_process->kill();
            m_process->waitForFinished(3000);
        }
    }
    m_process.reset();
}

bool ServerProcess::fail(const QString& why)
{
    m_reason = why;
    stop();
    return false;
}

bool ServerProcess::launch(const QString& program, const QStringList& args, int port)
{
    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    endsWithTheTest(*m_process);
    m_process->start(program, args);
    if (!m_process->waitForStarted(5000))
        return fail(program + QStringLiteral(" did not start: ") + m_process->errorString());
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (m_process->state() == QProcess::NotRunning)
            return fail(program + QStringLiteral(" ended at once: ") + QString::fromLocal8Bit(m_process->readAll()));
        if (accepts(port)) {
            m_port = port;
            return true;
        }
        QThread::msleep(10);
    }
    return fail(program + QStringLiteral(" does not answer on port ") + QString::number(port));
}

static bool writeText(const QString& path, const QString& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

bool Nginx::start(const QString& root)
{
    const QString nginx = findProgram(QStringLiteral("nginx"));
    if (nginx.isEmpty())
        return fail(QStringLiteral("nginx is not installed"));
    if (!m_dir.isValid())
        return fail(QStringLiteral("no temporary folder"));
    const QString d = m_dir.path();
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int port = freePort();
        const QString conf = QStringLiteral(
            "daemon off;\n"
            "master_process off;\n"
            "worker_processes 1;\n"
            "pid %1/nginx.pid;\n"
            "error_log %1/error.log warn;\n"
            "events { worker_connections 256; }\n"
            "http {\n"
            "  access_log off;\n"
            "  client_body_temp_path %1/body;\n"
            "  proxy_temp_path %1/proxy;\n"
            "  fastcgi_temp_path %1/fastcgi;\n"
            "  uwsgi_temp_path %1/uwsgi;\n"
            "  scgi_temp_path %1/scgi;\n"
            "  default_type application/octet-stream;\n"
            "  sendfile on;\n"
            "  tcp_nopush on;\n"
            "  server {\n"
            "    listen 127.0.0.1:%2;\n"
            "    root \"%3\";\n"
            "  }\n"
            "}\n").arg(d).arg(port).arg(QFileInfo(root).absoluteFilePath());
        if (!writeText(d + QStringLiteral("/nginx.conf"), conf))
            return fail(QStringLiteral("cannot write the nginx configuration"));
        if (launch(nginx, {QStringLiteral("-p"), d, QStringLiteral("-e"), d + QStringLiteral("/error.log"),
                           QStringLiteral("-c"), d + QStringLiteral("/nginx.conf")},
                   port))
            return true;
    }
    return false;
}

bool TinyProxy::start(const QString& user, const QString& password)
{
    const QString tinyproxy = findProgram(QStringLiteral("tinyproxy"));
    if (tinyproxy.isEmpty())
        return fail(QStringLiteral("tinyproxy is not installed"));
    if (!m_dir.isValid())
        return fail(QStringLiteral("no temporary folder"));
    const QString d = m_dir.path();
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int port = freePort();
        const QString conf = QStringLiteral(
            "Port %1\n"
            "Listen 127.0.0.1\n"
            "Timeout 30\n"
            "LogFile \"%2/tinyproxy.log\"\n"
            "LogLevel Info\n"
            "PidFile \"%2/tinyproxy.pid\"\n"
            "MaxClients 20\n"
            "Allow 127.0.0.1\n"
            "DisableViaHeader Yes\n"
            "BasicAuth %3 %4\n").arg(port).arg(d, user, password);
        if (!writeText(d + QStringLiteral("/tinyproxy.conf"), conf))
            return fail(QStringLiteral("cannot write the tinyproxy configuration"));
        if (launch(tinyproxy, {QStringLiteral("-d"), QStringLiteral("-c"), d + QStringLiteral("/tinyproxy.conf")},
                   port))
            return true;
    }
    return false;
}

bool ScriptedServer::start(const QJsonObject& scenario)
{
    QString python = QFileInfo::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                           : findProgram(QStringLiteral("python3"));
    if (python.isEmpty())
        return fail(QStringLiteral("python3 is not installed"));
    if (!m_dir.isValid())
        return fail(QStringLiteral("no temporary folder"));
    const QString d = m_dir.path();
    const QString scenarioFile = d + QStringLiteral("/scenario.json");
    QFile f(scenarioFile);
    if (!f.open(QIODevice::WriteOnly) || f.write(QJsonDocument(scenario).toJson()) < 0)
        return fail(QStringLiteral("cannot write the scenario"));
    f.close();

    m_process = std::make_unique<QProcess>();
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    endsWithTheTest(*m_process);
    m_process->start(python, {QStringLiteral(TQ_RIG_SCRIPT), scenarioFile, d + QStringLiteral("/requests.jsonl")});
    if (!m_process->waitForStarted(5000))
        return fail(QStringLiteral("python3 did not start"));
    QDeadlineTimer deadline(10000);
    QByteArray out;
    while (!out.contains('\n') && !deadline.hasExpired()) {
        if (!m_process->waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            break;
        out += m_process->readAllStandardOutput();
    }
    if (!out.startsWith("PORT "))
        return fail(QStringLiteral("the scripted server did not report its port: ") + QString::fromLocal8Bit(out));
    m_port = out.mid(5, out.indexOf('\n') - 5).trimmed().toInt();
    return m_port > 0 || fail(QStringLiteral("bad port"));
}

std::vector<RecordedRequest> ScriptedServer::requests() const
{
    std::vector<RecordedRequest> list;
    QFile f(m_dir.path() + QStringLiteral("/requests.jsonl"));
    if (!f.open(QIODevice::ReadOnly))
        return list;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.trimmed().isEmpty())
            continue;
        const QJsonObject o = QJsonDocument::fromJson(line).object();
        list.push_back({o.value(QStringLiteral("line")).toString(), o.value(QStringLiteral("method")).toString(),
                        o.value(QStringLiteral("target")).toString(), o.value(QStringLiteral("path")).toString(),
                        o.value(QStringLiteral("version")).toString(), o.value(QStringLiteral("headers")).toObject()});
    }
    return list;
}

}  // namespace tqrig
