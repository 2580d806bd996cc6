#include "output/newfile.h"

#include "output/jpegcore.h"
#include "platform/posix/atomicfile.h"

#include <cerrno>

namespace jpeg {

namespace {

[[noreturn]] void RaiseFileError(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        throw Failure(76, "Path not found");
    case EACCES:
    case EPERM:
    case EROFS:
        throw Failure(70, "Permission denied");
    case ENOSPC:
    case EDQUOT:
        throw Failure(61, "Disk full");
    case ENAMETOOLONG:
        throw Failure(52, "Bad file name or number");
    default:
        throw Failure(57, "Device I/O error");
    }
}

}  // namespace

bool WriteNewFile(const std::string& path, const char* data, std::size_t size)
{
    platform::posix::AtomicFile file;
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
