#pragma once
// Implementations of the seams that need no widgets.

#include <QLocale>
#include <QLockFile>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <random>

#include "platform/Seams.h"

namespace cindrel {

/// The per-user settings through QSettings: organisation and application
/// "Cindrel", so the file is $XDG_CONFIG_HOME/Cindrel/Cindrel.conf.
class QtSettingsStore : public SettingsStore {
public:
    QString read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
};

class SystemClock : public Clock {
public:
    QDate today() override;
    QDateTime now() override;
};

/// The paper size (width and height in millimetres) for a size the locale
/// gives: that size when it is a plausible sheet, otherwise Letter where the
/// locale measures in US units and A4 everywhere else.
QSizeF paperSizeFor(int widthMm, int heightMm, QLocale::MeasurementSystem measurement);

/// The paper size of the user's locale (LC_PAPER on glibc), through
/// paperSizeFor.
QSizeF localePaperSize();

/// A Mersenne Twister seeded from the clock. Each draw takes 24 random bits
/// and scales them by 2^-24, so every draw is exact in single precision and
/// strictly below 1.
class ClockRandom : public Random {
public:
    ClockRandom();
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

/// The draw that 24 random bits give: bits * 2^-24, always in [0, 1).
float unitFloatFromBits(std::uint32_t bits24);

/// Another copy is running when a per-user lock file in the runtime directory
/// is held by a live process. A lock left by a copy that crashed or was killed
/// is stale and taken over.
class LockFileGuard : public InstanceGuard {
public:
    /// lockPath empty: "cindrel.lock" in the per-user runtime directory.
    explicit LockFileGuard(QString lockPath = {});
    bool anotherCopyRunning() override;
    /// Removes the lock this copy holds (called on the way out).
    void release();
    QString lockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

/// Ends the process at once, after running the given clean-up.
class ExitProcess : public Process {
public:
    explicit ExitProcess(std::function<void()> beforeExit = {});
    [[noreturn]] void end(int exitCode) override;

private:
    std::function<void()> beforeExit_;
};

} // namespace cindrel
