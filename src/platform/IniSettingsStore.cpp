#include "IniSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Identity.h"
#include "LogCategories.h"
#include "platform/SettingsFile.h"

namespace cindrel {

namespace {

/// A settings file as found on disk.
struct FoundFile {
    enum State { Absent, Regular, Unusable } state = Unusable;
    QByteArray bytes;
    /// Why an Unusable file cannot be used.
    QString why;
};

QString whatItIs(mode_t mode)
{
    const char *what = S_ISDIR(mode)                    ? "a directory"
                       : S_ISFIFO(mode)                 ? "a FIFO"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode)                 ? "a socket"
                                                        : "not a regular file";
    return QStringLiteral("it is ") + QLatin1String(what);
}

/// Reads the file at path without ever blocking or reading without end:
/// only a regular file (directly or through symbolic links) is read, and
/// only up to one byte more than a settings file may hold. A path that does
/// not exist is Absent; a FIFO, a device, a directory, a dangling link or a
/// file that cannot be opened is Unusable.
FoundFile readRegularFile(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat entry {};
    if (::lstat(native.constData(), &entry) != 0) {
        if (errno == ENOENT)
            return {FoundFile::Absent, {}, {}};
        return {FoundFile::Unusable, {}, QStringLiteral("it cannot be looked at: ") + qt_error_string(errno)};
    }
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {FoundFile::Unusable, {}, QStringLiteral("it cannot be opened: ") + qt_error_string(errno)};
    FoundFile found;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        found.why = QStringLiteral("it cannot be looked at: ") + qt_error_string(errno);
    } else if (!S_ISREG(info.st_mode)) {
        found.why = whatItIs(info.st_mode);
    } else {
        found.state = FoundFile::Regular;
        char buffer[4096];
        while (found.bytes.size() <= kMaxSettingsFileSize) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                found.state = FoundFile::Unusable;
                found.why = QStringLiteral("it cannot be read: ") + qt_error_string(errno);
            }
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
    if (file.state == FoundFile::Absent) {
        qCDebug(lcSettings).noquote() << "No settings file at" << path_;
        return {};
    }
    if (file.state == FoundFile::Unusable) {
        logLeftAlone(leftAloneWhy_, "Settings file", path_, file.why);
        return {};
    }
    const auto [group, name] = groupAndName(key);
    const SettingsText text = readSettingsText(file.bytes, group, name);
    if (text.kind == SettingsFileKind::Foreign) {
        logLeftAlone(leftAloneWhy_, "Settings file", path_,
                     QStringLiteral("not the program's own settings, as ") + text.whyForeign);
        return {};
    }
    leftAloneWhy_.clear();
    qCDebug(lcSettings).noquote() << "Read" << key << "=" << text.value.value_or(QStringLiteral("(absent)"))
                                  << "from" << path_;
    return text.value.value_or(QString());
}

bool IniSettingsStore::write(const QString &key, const QString &value)
{
    const FoundFile file = readRegularFile(path_);
    if (file.state == FoundFile::Unusable) {
        logLeftAlone(leftAloneWhy_, "Settings file", path_, file.why);
        return false;
    }
    const auto [group, name] = groupAndName(key);
    const std::optional<QByteArray> bytes = withSettingsValue(file.bytes, group, name, value);
    if (!bytes) {
        // Not the program's file: left exactly as it is.
        const SettingsText text = readSettingsText(file.bytes, group, name);
        logLeftAlone(
            leftAloneWhy_, "Settings file", path_,
            text.kind == SettingsFileKind::Foreign
                ? QStringLiteral("not the program's own settings, as ") + text.whyForeign
                : QStringLiteral("the value for %1 holds a line break or makes it too large").arg(key));
        return false;
    }
    if (*bytes == file.bytes)
        return true;

    const auto notWritten = [this](const QString &why) {
        qCWarning(lcSettings).noquote().nospace() << "Settings file " << path_ << " not written: " << why;
        return false;
    };
    QString target = path_;
    if (file.state == FoundFile::Absent) {
        const QString folder = QFileInfo(path_).absolutePath();
        if (!QDir().mkpath(folder))
            return notWritten(QStringLiteral("its folder ") + folder + QStringLiteral(" cannot be made"));
    } else {
        // Through a symbolic link, the file it points to is updated and the
        // link stays a link.
        target = QFileInfo(path_).canonicalFilePath();
        if (target.isEmpty())
            return notWritten(QStringLiteral("the file it names cannot be found"));
    }
    // The new text replaces the old in one step, so a crash or a full disk
    // leaves either the old file or the new one, never half of one.
    QSaveFile out(target);
    // A write that fails makes commit() fail and drop the temporary file.
    if (!out.open(QIODevice::WriteOnly))
        return notWritten(out.errorString());
    out.write(*bytes);
    if (!out.commit())
        return notWritten(out.errorString());
    leftAloneWhy_.clear();
    qCDebug(lcSettings).noquote() << "Stored" << key << "=" << value << "in" << target;
    return true;
}

} // namespace cindrel
