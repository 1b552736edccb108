#include "SystemSeams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <langinfo.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Identity.h"
#include "platform/SettingsFile.h"

namespace cindrel {

namespace {

/// A settings file as found on disk.
struct FoundFile {
    enum State { Absent, Regular, Unusable } state = Unusable;
    QByteArray bytes;
};

/// Reads the file at path without ever blocking or reading without end:
/// only a regular file (directly or through symbolic links) is read, and
/// only up to one byte more than a settings file may hold. A path that does
/// not exist is Absent; a FIFO, a device, a directory, a dangling link or a
/// file that cannot be opened is Unusable.
FoundFile readRegularFile(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(native.constData(), &entry) != 0)
        return {errno == ENOENT ? FoundFile::Absent : FoundFile::Unusable, {}};
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    FoundFile found;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        found.state = FoundFile::Regular;
        char buffer[4096];
        while (found.bytes.size() <= kMaxSettingsFileSize) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                found.state = FoundFile::Unusable;
            if (n <= 0)
                break;
            found.bytes.append(buffer, n);
        }
    }
    ::close(fd);
    return found;
}

/// "Settings/LastReminderDate" as its group and name.
std::pair<QString, QString> groupAndName(const QString &key)
{
    const qsizetype slash = key.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QStringLiteral("General"), key};
    return {key.left(slash), key.mid(slash + 1)};
}

} // namespace

IniSettingsStore::IniSettingsStore(QString path) : path_(std::move(path))
{
    if (path_.isEmpty()) {
        path_ = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
                + applicationTitle() + QLatin1Char('/') + applicationTitle() + QStringLiteral(".conf");
    }
}

QString IniSettingsStore::read(const QString &key)
{
    const FoundFile file = readRegularFile(path_);
    if (file.state != FoundFile::Regular)
        return {};
    const auto [group, name] = groupAndName(key);
    const SettingsText text = readSettingsText(file.bytes, group, name);
    return text.value.value_or(QString());
}

bool IniSettingsStore::write(const QString &key, const QString &value)
{
    const FoundFile file = readRegularFile(path_);
    if (file.state == FoundFile::Unusable)
        return false;
    const auto [group, name] = groupAndName(key);
    const std::optional<QByteArray> bytes = withSettingsValue(file.bytes, group, name, value);
    if (!bytes)
        return false; // not the program's file: left exactly as it is
    if (*bytes == file.bytes)
        return true;

    QString target = path_;
    if (file.state == FoundFile::Absent) {
        if (!QDir().mkpath(QFileInfo(path_).absolutePath()))
            return false;
    } else {
        // Through a symbolic link, the file it points to is updated and the
        // link stays a link.
        target = QFileInfo(path_).canonicalFilePath();
        if (target.isEmpty())
            return false;
    }
    // The new text replaces the old in one step, so a crash or a full disk
    // leaves either the old file or the new one, never half of one.
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(*bytes) != bytes->size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

QDate SystemClock::today()
{
    return QDate::currentDate();
}

QDateTime SystemClock::now()
{
    return QDateTime::currentDateTime();
}

QSizeF paperSizeFor(int widthMm, int heightMm, QLocale::MeasurementSystem measurement)
{
    // From a postcard-sized sheet up to A0; anything else is a broken locale.
    constexpr int kSmallest = 90;
    constexpr int kLargest = 1200;
    const auto plausible = [](int mm) { return mm >= kSmallest && mm <= kLargest; };
    if (plausible(widthMm) && plausible(heightMm))
        return QSizeF(widthMm, heightMm);
    if (measurement == QLocale::ImperialUSSystem)
        return QSizeF(215.9, 279.4); // US Letter
    return QSizeF(210, 297);         // A4
}

QSizeF localePaperSize()
{
    int widthMm = 0;
    int heightMm = 0;
#ifdef __GLIBC__
    // glibc hands these numbers out disguised as pointers. QCoreApplication
    // has set the process's locale from the environment (LC_PAPER, LC_ALL, LANG).
    widthMm = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    heightMm = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
#endif
    return paperSizeFor(widthMm, heightMm, QLocale::system().measurementSystem());
}

float unitFloatFromBits(std::uint32_t bits24)
{
    return static_cast<float>(bits24 & 0xFFFFFFu) * (1.0f / 16777216.0f);
}

ClockRandom::ClockRandom()
{
    seedFromClock();
}

void ClockRandom::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                      static_cast<std::uint32_t>(tick), static_cast<std::uint32_t>(::getpid())};
    engine_.seed(seq);
}

float ClockRandom::next()
{
    return unitFloatFromBits(static_cast<std::uint32_t>(engine_()) >> 8);
}

LockFileGuard::LockFileGuard(QString lockPath) : path_(std::move(lockPath))
{
    if (path_.isEmpty()) {
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty())
            dir = QDir::tempPath() + QStringLiteral("/cindrel-") + QString::number(::getuid());
        QDir().mkpath(dir);
        path_ = dir + QStringLiteral("/cindrel.lock");
    }
}

LockFileGuard::~LockFileGuard()
{
    release();
}

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
void describeHolder(int fd)
{
    const QByteArray text = QByteArray::number(QCoreApplication::applicationPid()) + '\n'
                            + QCoreApplication::applicationName().toUtf8() + '\n'
                            + QSysInfo::machineHostName().toUtf8() + '\n';
    // Best effort: a lock file opened for reading only keeps its old text.
    if (::ftruncate(fd, 0) != 0)
        return;
    [[maybe_unused]] const ssize_t written = ::pwrite(fd, text.constData(), size_t(text.size()), 0);
}
} // namespace

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
        if (fd < 0)
            return false;
        struct stat locked {};
        if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(fd);
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(fd);
            // Held by a live process: another copy runs. Any other failure
            // proves nothing.
            return error == EWOULDBLOCK;
        }
        struct stat now {};
        if (::stat(path.constData(), &now) == 0 && sameFile(now, locked)) {
            fd_ = fd;
            describeHolder(fd_);
            return false;
        }
        ::close(fd);
    }
    return false;
}

void LockFileGuard::release()
{
    if (fd_ < 0)
        return;
    // Remove the file while still holding the lock (see anotherCopyRunning),
    // and only if it is still this copy's file.
    const QByteArray path = QFile::encodeName(path_);
    struct stat locked {}, now {};
    if (::fstat(fd_, &locked) == 0 && ::stat(path.constData(), &now) == 0 && sameFile(locked, now))
        ::unlink(path.constData());
    ::close(fd_);
    fd_ = -1;
}

ExitProcess::ExitProcess(std::function<void()> beforeExit) : beforeExit_(std::move(beforeExit)) {}

void ExitProcess::end(int exitCode)
{
    if (beforeExit_)
        beforeExit_();
    std::fflush(nullptr);
    // No window handler may run after this, so skip the event loop and the
    // destructors alike; everything worth keeping has been synced already.
    std::_Exit(exitCode);
}

} // namespace cindrel
