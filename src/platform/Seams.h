#pragma once
// The platform services the program's rules depend on. Each has a real
// implementation (SystemSeams.h, WidgetSeams.h,
// PrintSeams.h, and each system's settings store and single-instance guard
// made through Platform.h) and a test
// double (tests/doubles), so every rule can run in a test without a screen,
// a browser or the user's own settings.

#include <QDate>
#include <QDateTime>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <functional>

class QPagedPaintDevice;

namespace cindrel {

/// Modal message boxes, all captioned with the application title "Cindrel".
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    /// Stop icon, one OK button.
    virtual void critical(const QString &text) = 0;
    /// Information icon, one OK button.
    virtual void information(const QString &text) = 0;
    /// Information icon, Yes and No; true when the user chose Yes.
    virtual bool askYesNo(const QString &text) = 0;
};

/// Hands a URL to the default browser; never waits and never reports failure.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void openUrl(const QString &url) = 0;
};

/// The per-user settings store ("Settings" group of the "Cindrel" settings).
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    /// The stored text of key, or a null QString when it is absent or the
    /// settings cannot be read (including a file that is not the program's).
    virtual QString read(const QString &key) = 0;
    /// Stores value under key and flushes it to disk; false when that failed.
    /// Never writes over settings it could not read as its own.
    virtual bool write(const QString &key, const QString &value) = 0;
};

/// Today's local calendar date, and the local date and time of now.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
    virtual QDateTime now() = 0;
};

/// The process's one pseudo-random generator.
class Random {
public:
    virtual ~Random() = default;
    /// A single-precision draw r with 0 <= r < 1 (never 1.0).
    virtual float next() = 0;
};

/// Tells whether another copy of the program is already running for this user.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherCopyRunning() = 0;
};

/// Paints a document onto a printer or a PDF writer, begins and ends its
/// own painter, and returns false when painting failed.
using PagePainter = std::function<bool(QPagedPaintDevice &device)>;

/// How printing or saving went.
struct OutputOutcome {
    enum Status { Done, Cancelled, Failed };
    Status status = Done;
    /// Why it failed, in the system's words; empty otherwise.
    QString reason;
};

/// Puts a document on paper or into a file, only when the user asks: the
/// save and print dialogs, and writing the file.
class Printouts {
public:
    virtual ~Printouts() = default;
    /// The save dialog for a PDF file, opened on suggestedPath; the path the
    /// user chose, or an empty QString when they cancelled.
    virtual QString askPdfPath(const QString &suggestedPath) = 0;
    /// Writes the pages as a PDF of the given paper size (millimetres) to
    /// path: all of it or, on failure, nothing at all.
    virtual OutputOutcome writePdf(const QString &path, const QSizeF &paperMm, const PagePainter &paint) = 0;
    /// The print dialog, then the pages on the printer and paper chosen there.
    virtual OutputOutcome print(const QString &documentName, const PagePainter &paint) = 0;
};

/// The seams one running program uses, handed around by reference.
struct Services {
    MessageBoxes &boxes;
    Browser &browser;
    SettingsStore &settings;
    Clock &clock;
    Random &random;
    InstanceGuard &guard;
    Printouts &printouts;
};

} // namespace cindrel
