#pragma once
// Small helpers shared by the tests: temporary folders and file access.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

namespace tqtest {

// A fresh temporary folder for one test; removed when it goes out of scope.
// path() has no trailing slash; pathSlash() has one.
class TempDir {
public:
    TempDir();
    QString path() const { return m_dir.path(); }
    QString pathSlash() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// Source and build folders, from the environment CTest sets (or the
// compiled-in defaults when a test binary is started by hand).
QString sourceDir();
QString binaryDir();

// Runs f and gives the number of the platform::Error it raises (0 when none).
long errorNumberOf(const std::function<void()>& f);

// Path of a program built by this project (bin/ folder of the build).
QString builtProgram(const QString& name);

}  // namespace tqtest
