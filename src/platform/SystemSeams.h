#pragma once
// Implementations of the seams that need no widgets.

#include <QLocale>
#include <QSizeF>
#include <QString>
#include <functional>
#include <memory>
#include <random>

#include "platform/Seams.h"

namespace cindrel {

/// The per-user settings file, $XDG_CONFIG_HOME/Cindrel/Cindrel.conf, in
/// the INI form QSettings writes ("[Settings]" then "LastReminderDate=...").
/// A key is "group/name". The file is read only when it is a regular file
/// (never a FIFO or a device, which could block or never end), and written
/// only when it is absent or empty or reads as the program's own settings
/// (see SettingsFile.h); then only the value changes and every other byte
/// stays. A symbolic link to such a file keeps pointing at it. Anything
/// else is left exactly as it is: read gives nothing and write fails.
class IniSettingsStore : public SettingsStore {
public:
    /// path empty: the per-user settings file.
    explicit IniSettingsStore(QString path = {});
    QString read(const QString &key) override;
    bool write(const QString &key, const QString &value) override;
    QString path() const { return path_; }

private:
    QString path_;
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

/// Another copy is running only while a live process holds the kernel's
/// lock (flock) on the per-user lock file in the runtime directory. The
/// kernel drops that lock when its holder ends, however it ends, so a file
/// left by a copy that crashed or was killed, whatever it holds (nothing,
/// half a line, another host's name, this process's own id), never refuses
/// a start. A lock that cannot be taken for any other reason (no runtime
/// directory, no rights, something other than a file at the path) lets the
/// start go on too: it is no proof of another copy.
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

/// Ends the process at once, after running the given clean-up.
class ExitProcess : public Process {
public:
    explicit ExitProcess(std::function<void()> beforeExit = {});
    [[noreturn]] void end(int exitCode) override;

private:
    std::function<void()> beforeExit_;
};

} // namespace cindrel
