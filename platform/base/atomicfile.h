#pragma once
// Writing a file beside its final name and moving it into place once every
// byte is written, so that nobody ever sees a partial file and a failed write
// leaves the old file as it was: platform::posix::AtomicFile (see there),
// which programs without Qt use directly, with the target named by a QString.

#include "platform/posix/atomicfile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace platform {

class AtomicFile {
public:
    static constexpr int kKeepPermissions = posix::AtomicFile::kKeepPermissions;

    // Each returns 0 or errno, as posix::AtomicFile's.
    int open(const QString& target, int permissions = kKeepPermissions, const char* tag = "tmp");
    int write(const char* data, std::size_t size) { return m_file.write(data, size); }
    int sync() { return m_file.sync(); }
    int commit() { return m_file.commit(); }
    int commitNew() { return m_file.commitNew(); }
    void discard() { m_file.discard(); }
    bool isOpen() const { return m_file.isOpen(); }

private:
    posix::AtomicFile m_file;
};

// posix::HiddenNamePrefix of a target named by a QString.
QString HiddenNamePrefix(const QString& target);

// Replaces `path` with `bytes`: written beside it, forced to disk and renamed
// over it.  On a failure the old file is untouched and nothing is left
// behind.  `permissions` as for AtomicFile::open.  Returns 0 or errno.
int WriteFileAtomically(const QString& path, const QByteArray& bytes,
                        int permissions = AtomicFile::kKeepPermissions);

}  // namespace platform
