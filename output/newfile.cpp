#include "output/newfile.h"

#include "platform/base/atomicfile.h"
#include "platform/base/error.h"

#include <QFile>

#include <cerrno>
#include <sys/stat.h>

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

}  // namespace

bool PathExists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool WriteNewFile(const QString& path, const char* data, std::size_t size)
{
    platform::AtomicFile file;
    if (const int err = file.open(path))
        RaiseFileError(err);
    if (const int err = file.write(data, size)) {
        file.discard();
        RaiseFileError(err);
    }
    // The new name never replaces an older file, so a crash cannot cost
    // earlier data; closing reports late write errors (network folders).
    const int err = file.commitNew();
    if (err == EEXIST)
        return false;
    if (err != 0)
        RaiseFileError(err);
    return true;
}

}  // namespace jpeg
