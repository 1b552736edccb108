#include "LockFileGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "LogCategories.h"

namespace cindrel {

namespace {
/// Opens the lock file inside the opened folder without following a link
/// and without waiting, for writing where allowed and else for reading (a
/// read-only file can still be locked). Closed across exec, so that no
/// program this copy starts, such as the browser, keeps holding the lock
/// after it ends.
int openLockFile(int folder, const char *name)
{
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::openat(folder, name, O_RDWR | O_CREAT | flags, 0600);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = ::openat(folder, name, O_RDONLY | flags);
    return fd;
}

/// Opens the folder the lock goes into, and keeps it only if no other user
/// can put a file into it: a folder that is a link, that belongs to another
/// user or that others can write to (sticky or not, as another user could
/// still make and lock the file before this copy does) would let someone
/// else hold the lock and refuse every start. Why not, else empty.
QString openSafeFolder(const QString &folder, int &fd)
{
    const QByteArray path = QFile::encodeName(folder);
    fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat link {};
        if (::lstat(path.constData(), &link) == 0 && S_ISLNK(link.st_mode))
            return QStringLiteral("its folder is a link");
        return QStringLiteral("its folder cannot be opened: ") + qt_error_string(error);
    }
    struct stat seen {};
    QString why;
    if (::fstat(fd, &seen) != 0)
        why = QStringLiteral("its folder cannot be looked at: ") + qt_error_string(errno);
    else if (seen.st_uid != ::geteuid())
        why = QStringLiteral("its folder belongs to another user");
    else if ((seen.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        why = QStringLiteral("others can write to its folder");
    if (!why.isEmpty()) {
        ::close(fd);
        fd = -1;
    }
    return why;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

/// Writes who holds the lock, for people who look (QLockFile's layout:
/// process id, program, host). The lock itself is the kernel's.
void describeHolder(int fd, const QString &path)
{
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                            + QCoreApplication::applicationName().toUtf8() + '\n'
                            + QSysInfo::machineHostName().toUtf8() + '\n';
    // Best effort: a lock file opened for reading only keeps its old text.
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, text.constData(), size_t(text.size()), 0) != text.size())
        qCDebug(lcLock).noquote() << "Lock file" << path << "not described:" << qt_error_string(errno);
}

void notTaken(const QString &path, const QString &why)
{
    qCWarning(lcLock).noquote().nospace()
        << "Lock " << path << " not taken, so a second copy could start: " << why;
}
} // namespace

LockFileGuard::LockFileGuard(QString lockPath) : path_(std::move(lockPath))
{
    if (path_.isEmpty()) {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty()) {
            dir = QDir::tempPath() + QStringLiteral("/cindrel-") + QString::number(::geteuid());
            qCDebug(lcLock).noquote() << "No runtime directory; the lock goes into" << dir;
            // Made for this user alone. One that is there already is taken
            // only if it passes the checks in anotherCopyRunning.
            ::mkdir(QFile::encodeName(dir).constData(), 0700);
        }
        path_ = dir + QStringLiteral("/cindrel.lock");
    }
}

LockFileGuard::~LockFileGuard()
{
    release();
}

bool LockFileGuard::anotherCopyRunning()
{
    if (fd_ >= 0)
        return false; // this copy holds the lock already
    const QFileInfo where(path_);
    if (const QString why = openSafeFolder(where.path(), folder_); !why.isEmpty()) {
        notTaken(path_, why);
        return false;
    }
    const QByteArray name = QFile::encodeName(where.fileName());
    // A copy that ends removes its file before it lets go of the lock, so a
    // lock taken on a file that is no longer at the path guards nothing:
    // try again on the file that is there now.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = openLockFile(folder_, name.constData());
        if (fd < 0) {
            notTaken(path_, QStringLiteral("it cannot be opened: ") + qt_error_string(errno));
            break;
        }
        struct stat locked {};
        const bool seen = ::fstat(fd, &locked) == 0;
        if (!seen || !S_ISREG(locked.st_mode)) {
            const QString why = seen ? QStringLiteral("something other than a file is there")
                                     : QStringLiteral("it cannot be looked at: ") + qt_error_string(errno);
            ::close(fd);
            notTaken(path_, why);
            break;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            closeFolder();
            // Held by a live process: another copy runs. Any other failure
            // proves nothing.
            if (error == EWOULDBLOCK) {
                qCDebug(lcLock).noquote() << "Lock" << path_ << "is held by another copy";
                return true;
            }
            notTaken(path_, QStringLiteral("it cannot be locked: ") + qt_error_string(error));
            return false;
        }
        struct stat now {};
        if (::fstatat(folder_, name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(now, locked)) {
            fd_ = fd;
            describeHolder(fd_, path_);
            qCDebug(lcLock).noquote() << "Lock" << path_ << "taken";
            return false;
        }
        ::close(fd);
        if (attempt == 2)
            notTaken(path_, QStringLiteral("the file kept being replaced while it was locked"));
    }
    closeFolder();
    return false;
}

void LockFileGuard::release()
{
    if (fd_ < 0)
        return;
    // Remove the file while still holding the lock (see anotherCopyRunning),
    // and only if it is still this copy's file.
    const QByteArray name = QFile::encodeName(QFileInfo(path_).fileName());
    struct stat locked {
    }, now{};
    if (::fstat(fd_, &locked) == 0 && ::fstatat(folder_, name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0
        && sameFile(locked, now) && ::unlinkat(folder_, name.constData(), 0) != 0)
        qCWarning(lcLock).noquote() << "Lock file" << path_ << "not removed:" << qt_error_string(errno);
    ::close(fd_);
    fd_ = -1;
    closeFolder();
}

void LockFileGuard::closeFolder()
{
    if (folder_ >= 0)
        ::close(folder_);
    folder_ = -1;
}

} // namespace cindrel
