#pragma once
// The InstanceGuard seam on a lock file in the per-user runtime directory.

#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// Another copy is running only while a live process holds the kernel's
/// lock (flock) on the per-user lock file in the runtime directory. The
/// kernel drops that lock when its holder ends, however it ends, so a file
/// left by a copy that crashed or was killed, whatever it holds (nothing,
/// half a line, another host's name, this process's own id), never refuses
/// a start. A lock that cannot be taken for any other reason (no runtime
/// directory, no rights, something other than a file at the path) lets the
/// start go on too: it is no proof of another copy. That is logged in
/// cindrel.lock, naming the path and why.
class LockFileGuard : public InstanceGuard {
public:
    /// lockPath empty: "cindrel.lock" in the per-user runtime directory.
    explicit LockFileGuard(QString lockPath = {});
    ~LockFileGuard() override;
    LockFileGuard(const LockFileGuard &) = delete;
    LockFileGuard &operator=(const LockFileGuard &) = delete;

    bool anotherCopyRunning() override;
    /// Gives up the lock this copy holds and removes its file (called on
    /// the way out).
    void release();
    QString lockPath() const { return path_; }

private:
    QString path_;
    /// The locked file while this copy holds the lock, else -1.
    int fd_ = -1;
};

} // namespace cindrel
