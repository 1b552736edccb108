#include "LockFileGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
/// Opens the lock file without following a link and without waiting, for
/// writing where allowed and else for reading (a read-only file can still
/// be locked). Closed across exec, so that no program this copy starts,
/// such as the browser, keeps holding the lock after it ends.
int openLockFile(const QByteArray &path)
{
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(path.constData(), O_RDWR | O_CREAT | flags, 0600);
    if (fd < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
        fd = ::open(path.constData(), O_RDONLY | flags);
    return fd;
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
            dir = QDir::tempPath() + QStringLiteral("/cindrel-") + QString::number(::getuid());
            qCDebug(lcLock).noquote() << "No runtime directory; the lock goes into" << dir;
        }
        // A folder that cannot be made shows when the lock file cannot be opened.
        QDir().mkpath(dir);
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
    const QByteArray path = QFile::encodeName(path_);
    // A copy that ends removes its file before it lets go of the lock, so a
    // lock taken on a file that is no longer at the path guards nothing:
    // try again on the file that is there now.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = openLockFile(path);
        if (fd < 0) {
            notTaken(path_, QStringLiteral("it cannot be opened: ") + qt_error_string(errno));
            return false;
        }
        struct stat locked {};
        const bool seen = ::fstat(fd, &locked) == 0;
        if (!seen || !S_ISREG(locked.st_mode)) {
            const QString why = seen ? QStringLiteral("something other than a file is there")
                                     : QStringLiteral("it cannot be looked at: ") + qt_error_string(errno);
            ::close(fd);
            notTaken(path_, why);
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
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
        if (::stat(path.constData(), &now) == 0 && sameFile(now, locked)) {
            fd_ = fd;
            describeHolder(fd_, path_);
            qCDebug(lcLock).noquote() << "Lock" << path_ << "taken";
            return false;
        }
        ::close(fd);
    }
    notTaken(path_, QStringLiteral("the file kept being replaced while it was locked"));
    return false;
}

void LockFileGuard::release()
{
    if (fd_ < 0)
        return;
    // Remove the file while still holding the lock (see anotherCopyRunning),
    // and only if it is still this copy's file.
    const QByteArray path = QFile::encodeName(path_);
    struct stat locked {
    }, now{};
    if (::fstat(fd_, &locked) == 0 && ::stat(path.constData(), &now) == 0 && sameFile(locked, now)
        && ::unlink(path.constData()) != 0)
        qCWarning(lcLock).noquote() << "Lock file" << path_ << "not removed:" << qt_error_string(errno);
    ::close(fd_);
    fd_ = -1;
}

} // namespace cindrel
