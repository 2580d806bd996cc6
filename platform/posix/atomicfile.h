#pragma once
// Writing a file beside its final name and moving it into place once every
// byte is written, so that nobody ever sees a partial file and a failed write
// leaves the old file as it was.  Paths are the system's bytes; no Qt.
//
// The file is created exclusively (O_EXCL) under a hidden name in the
// target's own folder (".name.XXXXXXXX.tmp"), so the final rename stays on
// one file system.  Errors are errno values: each caller turns them into its
// own run-time error.

#include <cstddef>
#include <string>

namespace platform::posix {

class AtomicFile {
public:
    // The file takes the permissions of an existing target; a new target
    // gets 0666 less the umask.
    static constexpr int kKeepPermissions = -1;

    AtomicFile() = default;
    ~AtomicFile() { discard(); }
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Creates the file for `target`.  `permissions`: the exact mode bits of
    // the file (the umask does not apply), or kKeepPermissions.  `tag` ends
    // the file's name ("tmp", "part").  Returns 0 or errno.
    int open(const std::string& target, int permissions = kKeepPermissions, const char* tag = "tmp");
    // Appends the bytes.  Returns 0 or errno.
    int write(const char* data, std::size_t size);
    // Forces what was written to disk.  Returns 0 or errno.
    int sync();
    // Closes the file (a late write error shows here) and renames it over the
    // target.  Returns 0 or errno; on a failure the file is removed and the
    // target is untouched.
    int commit();
    // The same, but the file takes the name only when nothing has it yet, not
    // even for a moment: EEXIST when something has.
    int commitNew();
    // Closes and removes the file; nothing when none is open.
    void discard();

    bool isOpen() const { return m_fd >= 0; }

private:
    int finish(bool replace);

    std::string m_target;
    std::string m_name;  // the file's own name
    int m_fd = -1;
};

// The start of the hidden names of the files written for `target`: its
// folder, a dot, the beginning of its own name (cut short, never inside a
// UTF-8 character) and a dot.  A name made of it and a few dozen bytes more
// stays a valid name whenever the target's is; for a writer that has to
// name its own file beside the target.
std::string HiddenNamePrefix(const std::string& target);

// True when anything has the name `path`: a file of any mode, a folder, a
// link (even a dangling one).
bool PathExists(const std::string& path);

}  // namespace platform::posix
