#include "platform/base/atomicfile.h"

#include <QFile>

namespace platform {

int AtomicFile::open(const QString& target, int permissions, const char* tag)
{
    return m_file.open(QFile::encodeName(target).toStdString(), permissions, tag);
}

QString HiddenNamePrefix(const QString& target)
{
    return QFile::decodeName(QByteArray::fromStdString(posix::HiddenNamePrefix(QFile::encodeName(target).toStdString())));
}

int WriteFileAtomically(const QString& path, const QByteArray& bytes, int permissions)
{
    AtomicFile file;
    int err = file.open(path, permissions);
    if (err == 0)
        err = file.write(bytes.constData(), std::size_t(bytes.size()));
    if (err == 0)
        err = file.sync();
    if (err == 0)
        err = file.commit();
    return err;  // an unfinished file goes with `file`
}

}  // namespace platform
