#include "output/newfile.h"

#include "platform/base/error.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jpeg {

namespace {

[[noreturn]] void RaiseFileError(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        throw platform::Error(platform::errors::PathNotFound, QStringLiteral("Path not found"));
    case EACCES:
    case EPERM:
    case EROFS:
        throw platform::Error(platform::errors::PermissionDenied, QStringLiteral("Permission denied"));
    case ENOSPC:
    case EDQUOT:
        throw platform::Error(61, QStringLiteral("Disk full"));
    case ENAMETOOLONG:
        throw platform::Error(52, QStringLiteral("Bad file name or number"));
    default:
        throw platform::Error(platform::errors::DeviceIOError, QStringLiteral("Device I/O error"));
    }
}

// Creates a new, empty temporary file beside `target`; returns its
// descriptor and name.
int CreateTemporaryBeside(const QString& target, QByteArray& name)
{
    // A hidden name that starts like the target's; cut short so that it
    // stays a valid name whenever the target's is.
    const QFileInfo info(target);
    const QString prefix = info.path() + QStringLiteral("/.") + info.fileName().left(100) + QLatin1Char('.');
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = QFile::encodeName(prefix + QString::number(QRandomGenerator::global()->generate(), 36)
                                 + QStringLiteral(".tmp"));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST)
            RaiseFileError(errno);
    }
    RaiseFileError(EEXIST);
}

// Moves `from` to `to` unless `to` exists.  Returns false when it exists.
bool MoveWithoutReplacing(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        RaiseFileError(errno);

    // File systems without an atomic no-replace rename: a hard link fails
    // on an existing name just as well.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return true;
    }
    if (errno == EEXIST)
        return false;
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EXDEV)
        RaiseFileError(errno);

    // Neither is available: check, then rename.
    struct stat st;
    if (::lstat(to.constData(), &st) == 0)
        return false;
    if (::rename(from.constData(), to.constData()) != 0)
        RaiseFileError(errno);
    return true;
}

}  // namespace

bool PathExists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool WriteNewFile(const QString& path, const char* data, std::size_t size)
{
    QByteArray temporary;
    const int fd = CreateTemporaryBeside(path, temporary);

    int err = 0;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            err = errno;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    // The new name never replaces an older file, so a crash cannot cost
    // earlier data; closing reports late write errors (network folders).
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err != 0) {
        ::unlink(temporary.constData());
        RaiseFileError(err);
    }

    try {
        if (MoveWithoutReplacing(temporary, QFile::encodeName(path)))
            return true;
    } catch (...) {
        ::unlink(temporary.constData());
        throw;
    }
    ::unlink(temporary.constData());
    return false;
}

}  // namespace jpeg
