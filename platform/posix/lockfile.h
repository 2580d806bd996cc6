#pragma once
// A lock that programs take in turn through a file of its own name: one
// holder at a time, whether the others run on this computer or, in a shared
// network folder, on another one.  Paths are the system's bytes; no Qt.
//
// The file exists only while someone holds (or waits for) the lock: the
// holder removes it before letting go, and whoever finds that the file it
// waited on is no longer the one with the name starts again on the new one.
// Only a program that ends while holding the lock leaves the file behind; the
// next holder takes it over and removes it (tryLock takes such a file only
// to remove it, without waiting for a holder that is still alive).

#include <string>

namespace platform::posix {

class LockFile {
public:
    LockFile() = default;
    ~LockFile() { unlock(); }
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Waits until this object holds the lock named `path` (the file is
    // created when missing).  Returns 0 or errno; on an error nothing is held.
    int lock(const std::string& path);
    // Takes the lock named `path` only when its file is there and nobody
    // holds it, without waiting and without creating the file.  Returns 0,
    // EWOULDBLOCK while someone holds it, ENOENT when there is no file,
    // ESTALE when the file lost its name meanwhile, or errno; on an error
    // nothing is held.
    int tryLock(const std::string& path);
    // Removes the file and lets the next one in; nothing when not held.
    void unlock();

    bool isLocked() const { return m_fd >= 0; }

private:
    std::string m_path;
    int m_fd = -1;
};

}  // namespace platform::posix
