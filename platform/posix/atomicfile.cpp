#include "platform/posix/atomicfile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::posix {
namespace {

// Moves `from` to `to` unless something has that name: 0, EEXIST or errno.
int moveWithoutReplacing(const char* from, const char* to)
{
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return errno;

    // File systems without an atomic no-replace rename: a hard link fails
    // on an existing name just as well.
    if (::link(from, to) == 0) {
        ::unlink(from);
        return 0;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EXDEV)
        return errno;

    // Neither is available: check, then rename.
    if (PathExists(to))
        return EEXIST;
    return ::rename(from, to) == 0 ? 0 : errno;
}

// 32 random bits for a file name; the clock stands in when the system has
// no entropy to give without waiting.
std::uint32_t randomWord()
{
    std::uint32_t value = 0;
    if (::getrandom(&value, sizeof value, GRND_NONBLOCK) == ssize_t(sizeof value))
        return value;
    static std::uint32_t counter = 0;
    const auto ticks = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    return std::uint32_t(ticks ^ (ticks >> 32)) ^ (std::uint32_t(::getpid()) << 16) ^ (++counter * 0x9E3779B9u);
}

}  // namespace

std::string HiddenNamePrefix(const std::string& target)
{
    constexpr std::size_t kKeep = 100;
    const std::size_t slash = target.rfind('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::size_t length = std::min(target.size() - start, kKeep);
    while (length > 0 && start + length < target.size()
           && (static_cast<unsigned char>(target[start + length]) & 0xC0) == 0x80)
        --length;
    return target.substr(0, start) + '.' + target.substr(start, length) + '.';
}

bool PathExists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

int AtomicFile::open(const std::string& target, int permissions, const char* tag)
{
    discard();
    m_target = target;
    struct stat existing {};
    const bool keep = permissions == kKeepPermissions && ::stat(target.c_str(), &existing) == 0;

    const std::string prefix = HiddenNamePrefix(target);
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        char word[9];
        std::snprintf(word, sizeof word, "%08x", unsigned(randomWord()));
        m_name = prefix + word + '.' + tag;
        m_fd = ::open(m_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
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
        if (replace)
            err = ::rename(m_name.c_str(), m_target.c_str()) == 0 ? 0 : errno;
        else
            err = moveWithoutReplacing(m_name.c_str(), m_target.c_str());
    }
    if (err != 0)
        ::unlink(m_name.c_str());
    m_name.clear();
    return err;
}

void AtomicFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_name.empty()) {
        ::unlink(m_name.c_str());
        m_name.clear();
    }
}

}  // namespace platform::posix
