#pragma once
// The InstanceGuard seam on a named mutex of the Windows logon session.

#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// Another copy is running only while a live process of the same user, in
/// the same logon session, holds a handle to the mutex
/// Local\Cindrel-<user's SID>. The system closes a process's handles
/// however it ends, and the mutex goes with the last one, so a copy that
/// crashed never refuses a start. The mutex is made owned by the user, open
/// to the user alone and labelled with the process's integrity level. An
/// object of that name that another account owns, that carries a lower
/// integrity level (a sandboxed process of the same user), that this user
/// may not open, or that cannot be made for any other reason lets the start
/// go on without the guard: it is no proof of another copy. That is logged
/// in cindrel.lock, naming the mutex and why.
class MutexInstanceGuard : public InstanceGuard {
public:
    /// name empty: Local\Cindrel-<SID of the user this process runs as>.
    explicit MutexInstanceGuard(QString name = {});
    ~MutexInstanceGuard() override;
    MutexInstanceGuard(const MutexInstanceGuard &) = delete;
    MutexInstanceGuard &operator=(const MutexInstanceGuard &) = delete;

    bool anotherCopyRunning() override;
    /// Closes this copy's handle (called on the way out).
    void release();
    QString name() const { return name_; }

private:
    QString name_;
    /// The string form of this process's user's SID; empty when unknown.
    QString userSid_;
    /// The mutex's handle while this copy holds one.
    void *handle_ = nullptr;
};

} // namespace cindrel
