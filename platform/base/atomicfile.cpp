#include "platform/base/atomicfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

// Moves `from` to `to` unless something has that name: 0, EEXIST or errno.
int moveWithoutReplacing(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;

    // File systems without an atomic no-replace rename: a hard link fails
    // on an existing name just as well.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EXDEV)
        return errno;

    // Neither is available: check, then rename.
    struct stat st;
    if (::lstat(to.constData(), &st) == 0)
        return EEXIST;
    return ::rename(from.constData(), to.constData()) == 0 ? 0 : errno;
}

}  // namespace

int AtomicFile::open(const QString& target, int permissions, const char* tag)
{
    discard();
    m_target = target;
    struct stat existing {};
    const bool keep = permissions == kKeepPermissions &&
                      ::stat(QFile::encodeName(target).constData(), &existing) == 0;

    // A hidden name that starts like the target's, cut short so that it
    // stays a valid name whenever the target's is.
    const QFileInfo info(target);
    const QString prefix = info.absolutePath() + QStringLiteral("/.") + info.fileName().left(100) + QLatin1Char('.');
    const QString suffix = QLatin1Char('.') + QLatin1String(tag);
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_name = QFile::encodeName(
            prefix + QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')) + suffix);
        m_fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                      permissions >= 0 ? mode_t(permissions) : mode_t(0666));
        if (m_fd < 0 && errno != EEXIST) {
            const int err = errno;
            m_name.clear();
            return err;
        }
    }
    if (m_fd < 0) {
        m_name.clear();
        return EEXIST;
    }
    if (permissions >= 0 && ::fchmod(m_fd, mode_t(permissions)) != 0) {
        const int err = errno;
        discard();
        return err;
    }
    if (keep)
        ::fchmod(m_fd, existing.st_mode & 07777);  // best effort, as a copy would
    return 0;
}

int AtomicFile::write(const char* data, std::size_t size)
{
    if (m_fd < 0)
        return EBADF;
    while (size > 0) {
        const ssize_t n = ::write(m_fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        data += n;
        size -= std::size_t(n);
    }
    return 0;
}

int AtomicFile::sync()
{
    if (m_fd < 0)
        return EBADF;
    return ::fsync(m_fd) == 0 ? 0 : errno;
}

int AtomicFile::commit() { return finish(true); }
int AtomicFile::commitNew() { return finish(false); }

int AtomicFile::finish(bool replace)
{
    if (m_fd < 0)
        return EBADF;
    const int fd = m_fd;
    m_fd = -1;
    int err = ::close(fd) == 0 ? 0 : errno;
    if (err == 0) {
        const QByteArray target = QFile::encodeName(m_target);
        if (replace)
            err = ::rename(m_name.constData(), target.constData()) == 0 ? 0 : errno;
        else
            err = moveWithoutReplacing(m_name, target);
    }
    if (err != 0)
        ::unlink(m_name.constData());
    m_name.clear();
    return err;
}

void AtomicFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_name.isEmpty()) {
        ::unlink(m_name.constData());
        m_name.clear();
    }
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
