#include "testutil.h"

#include "platform/base/error.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace tqtest {

TempDir::TempDir() : m_dir(QDir::tempPath() + QStringLiteral("/tqtest-XXXXXX"))
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error(("cannot write " + path).toStdString());
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString sourceDir()
{
    const QByteArray env = qgetenv("TQ_SOURCE_DIR");
    return env.isEmpty() ? QStringLiteral(TQ_SOURCE_DIR_DEFAULT) : QString::fromLocal8Bit(env);
}

QString binaryDir()
{
    const QByteArray env = qgetenv("TQ_BINARY_DIR");
    return env.isEmpty() ? QStringLiteral(TQ_BINARY_DIR_DEFAULT) : QString::fromLocal8Bit(env);
}

long errorNumberOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const platform::Error& e) {
        return e.number();
    }
    return 0;
}

QString builtProgram(const QString& name)
{
    return binaryDir() + QStringLiteral("/bin/") + name;
}

}  // namespace tqtest
