#include "SystemSeams.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <langinfo.h>
#include <unistd.h>

#include "Identity.h"

namespace cindrel {

namespace {
std::unique_ptr<QSettings> openSettings()
{
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       applicationTitle(), applicationTitle());
}
} // namespace

QString QtSettingsStore::read(const QString &key)
{
    const auto settings = openSettings();
    if (settings->status() != QSettings::NoError)
        return {};
    const QVariant value = settings->value(key);
    if (!value.isValid())
        return {};
    return value.toString();
}

bool QtSettingsStore::write(const QString &key, const QString &value)
{
    const auto settings = openSettings();
    if (settings->status() != QSettings::NoError)
        return false;
    settings->setValue(key, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
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

bool LockFileGuard::anotherCopyRunning()
{
    lock_ = std::make_unique<QLockFile>(path_);
    // Never treat a lock as stale by its age: a long-running copy keeps it.
    // A lock whose process is gone is stale whatever its age, and QLockFile
    // takes it over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return false;
    if (lock_->error() != QLockFile::LockFailedError) {
        // The lock cannot be made at all (no runtime directory, no rights):
        // that is no proof of another copy, so the start goes on.
        lock_.reset();
        return false;
    }
    qint64 pid = 0;
    QString host, app;
    if (lock_->getLockInfo(&pid, &host, &app) && pid == ::getpid())
        return false;
    lock_.reset();
    return true;
}

void LockFileGuard::release()
{
    if (lock_)
        lock_->unlock();
    lock_.reset();
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
