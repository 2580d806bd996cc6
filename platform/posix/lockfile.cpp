#include "platform/posix/lockfile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::posix {
namespace {

// Takes the write lock on the whole file, waiting for it when `wait`, else
// EWOULDBLOCK when someone holds it.  The lock belongs to this open file
// description (as flock's does): unlike a process's fcntl lock it is neither
// lost when the program closes another descriptor of the file nor shared
// with the program's other descriptors, and a network file system passes it
// on to the server as it does SQLite's own locks.
int lockWholeFile(int fd, bool wait)
{
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    for (;;) {
        if (::fcntl(fd, wait ? F_OFD_SETLKW : F_OFD_SETLK, &whole) == 0)
            return 0;
        if (errno == EINTR)
            continue;
        if (!wait && (errno == EAGAIN || errno == EACCES))
            return EWOULDBLOCK;
        if (errno != EINVAL)
            return errno;
        // A system without descriptor locks.
        while (::flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0)
            if (errno != EINTR)
                return errno;
        return 0;
    }
}

// Whether the file locked through `fd` is still the one named `path`: a file
// the holder before removed (a stale handle on a network file system says
// the same) is no longer the lock.  0, ESTALE or errno.
int stillNamed(int fd, const std::string& path)
{
    struct stat held, named;
    if (::fstat(fd, &held) != 0)
        return errno;
    if (::lstat(path.c_str(), &named) != 0)
        return errno == ENOENT ? ESTALE : errno;
    return held.st_dev == named.st_dev && held.st_ino == named.st_ino ? 0 : ESTALE;
}

}  // namespace

int LockFile::lock(const std::string& path)
{
    unlock();
    // Each new round means another holder has come and gone; the bound only
    // keeps a file system whose file numbers change from looping for ever.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0)
            return errno;
        int err = lockWholeFile(fd, true);
        // A file that lost its name meanwhile: wait on the one that has it now.
        if (err == 0)
            err = stillNamed(fd, path);
        if (err == 0) {
            m_path = path;
            m_fd = fd;
            return 0;
        }
        ::close(fd);
        if (err != ESTALE)
            return err;
    }
    return ESTALE;
}

int LockFile::tryLock(const std::string& path)
{
    unlock();
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return errno;
    int err = lockWholeFile(fd, false);
    if (err == 0)
        err = stillNamed(fd, path);
    if (err != 0) {
        ::close(fd);
        return err;
    }
    m_path = path;
    m_fd = fd;
    return 0;
}

void LockFile::unlock()
{
    if (m_fd < 0)
        return;
    ::unlink(m_path.c_str());
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

}  // namespace platform::posix
