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
/// start go on too: it is no proof of another copy. So does a folder that
/// another user could have put a lock file into (a link, a folder of
/// another user, one that others can write to): the lock is not taken
/// there, so no one else can lock this user out. Each is logged in
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
    void closeFolder();

    QString path_;
    /// The checked folder of the lock file while it is in use, else -1:
    /// the file is opened, checked and removed through it, so that the
    /// folder cannot be swapped in between.
    int folder_ = -1;
    /// The locked file while this copy holds the lock, else -1.
    int fd_ = -1;
};

} // namespace cindrel
