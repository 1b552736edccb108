#include "RegistrySettingsStore.h"

#include <windows.h>

#include <utility>

#include "Identity.h"
#include "LogCategories.h"
#include "platform/SettingsFile.h"

namespace cindrel {

namespace {

/// Where a key's value lives: its key's path under HKEY_CURRENT_USER, the
/// value's name, and the two as one text for the log.
struct ValuePlace {
    QString path;
    QString name;
    QString where;
};

/// "Settings/LastReminderDate" under keyPath: the value LastReminderDate of
/// keyPath's subkey Settings.
ValuePlace placeOf(const QString &keyPath, const QString &key)
{
    const qsizetype slash = key.lastIndexOf(QLatin1Char('/'));
    ValuePlace place{keyPath, key.mid(slash + 1), {}};
    if (slash > 0)
        place.path += QLatin1Char('\\') + key.left(slash).replace(QLatin1Char('/'), QLatin1Char('\\'));
    place.where = QStringLiteral("HKEY_CURRENT_USER\\") + place.path + QLatin1Char('\\') + place.name;
    return place;
}

QString systemMessage(LSTATUS status)
{
    return qt_error_string(static_cast<int>(status));
}

QString typeName(DWORD type)
{
    switch (type) {
    case REG_DWORD:
        return QStringLiteral("a number (REG_DWORD)");
    case REG_QWORD:
        return QStringLiteral("a number (REG_QWORD)");
    case REG_BINARY:
        return QStringLiteral("binary data (REG_BINARY)");
    case REG_EXPAND_SZ:
        return QStringLiteral("an expandable text (REG_EXPAND_SZ)");
    case REG_MULTI_SZ:
        return QStringLiteral("a list of texts (REG_MULTI_SZ)");
    default:
        return QStringLiteral("of type %1").arg(type);
    }
}

/// A value as found in the registry.
struct FoundValue {
    enum State { Absent, Text, Unusable } state = Unusable;
    QString text;
    /// Why an Unusable value cannot be used.
    QString why;
};

/// Reads the value name of the open key: Absent when it is not there,
/// Text for a REG_SZ of whole UTF-16 characters with no NUL but at its end
/// (so that a value with or without its terminator reads alike), Unusable
/// for anything else: text cut at an inner NUL is not the program's. One
/// read into a buffer of the settings file's cap: a larger value, or one
/// that grew past it since it was written, is not the program's, and the
/// size the system reports is never trusted for an allocation.
FoundValue readValue(HKEY key, const QString &name)
{
    QByteArray buffer(kMaxSettingsFileSize, '\0');
    DWORD type = 0;
    auto size = DWORD(buffer.size());
    const LSTATUS status = RegQueryValueExW(key, name.toStdWString().c_str(), nullptr, &type,
                                            reinterpret_cast<BYTE *>(buffer.data()), &size);
    if (status == ERROR_FILE_NOT_FOUND)
        return {FoundValue::Absent, {}, {}};
    if (status == ERROR_MORE_DATA)
        return {
            FoundValue::Unusable, {}, QStringLiteral("it is larger than %1 bytes").arg(kMaxSettingsFileSize)};
    if (status != ERROR_SUCCESS)
        return {FoundValue::Unusable, {}, QStringLiteral("it cannot be read: ") + systemMessage(status)};
    if (type != REG_SZ)
        return {
            FoundValue::Unusable, {}, QStringLiteral("it is ") + typeName(type) + QStringLiteral(", not text")};
    if (size % sizeof(wchar_t) != 0)
        return {
            FoundValue::Unusable, {}, QStringLiteral("it is not UTF-16 text: it has an odd number of bytes")};
    QString text = QString::fromWCharArray(reinterpret_cast<const wchar_t *>(buffer.constData()),
                                           qsizetype(size / sizeof(wchar_t)));
    if (text.endsWith(QChar(0)))
        text.chop(1);
    if (text.contains(QChar(0)))
        return {FoundValue::Unusable, {}, QStringLiteral("its text holds a NUL before its end")};
    return {FoundValue::Text, text, {}};
}

/// Closes a registry key when it goes out of scope.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey()
    {
        if (key_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;
    HKEY *out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

} // namespace

RegistrySettingsStore::RegistrySettingsStore(QString keyPath) : keyPath_(std::move(keyPath))
{
    if (keyPath_.isEmpty())
        keyPath_ = QStringLiteral("Software\\") + makerName() + QLatin1Char('\\') + applicationTitle();
}

void RegistrySettingsStore::leftAlone(const QString &where, const QString &why)
{
    logLeftAlone(leftAloneWhy_, "Registry value", where, why);
}

QString RegistrySettingsStore::read(const QString &key)
{
    const auto [path, name, where] = placeOf(keyPath_, key);
    OpenKey open;
    const LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, path.toStdWString().c_str(), 0, KEY_QUERY_VALUE,
                                         open.out());
    if (status == ERROR_FILE_NOT_FOUND) {
        qCDebug(lcSettings).noquote() << "No registry key" << path;
        return {};
    }
    if (status != ERROR_SUCCESS) {
        leftAlone(where, QStringLiteral("its key cannot be opened: ") + systemMessage(status));
        return {};
    }
    const FoundValue value = readValue(open.get(), name);
    if (value.state == FoundValue::Unusable) {
        leftAlone(where, value.why);
        return {};
    }
    leftAloneWhy_.clear();
    qCDebug(lcSettings).noquote() << "Read" << where << "="
                                  << (value.state == FoundValue::Absent ? QStringLiteral("(absent)")
                                                                        : value.text);
    return value.text;
}

bool RegistrySettingsStore::write(const QString &key, const QString &value)
{
    const auto [path, name, where] = placeOf(keyPath_, key);
    const auto notWritten = [&where](const QString &why) {
        qCWarning(lcSettings).noquote().nospace() << "Registry value " << where << " not written: " << why;
        return false;
    };
    if (value.contains(QChar(0)))
        return notWritten(QStringLiteral("the value holds a NUL character"));
    OpenKey open;
    const LSTATUS created = RegCreateKeyExW(HKEY_CURRENT_USER, path.toStdWString().c_str(), 0, nullptr,
                                            REG_OPTION_NON_VOLATILE, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                                            open.out(), nullptr);
    if (created != ERROR_SUCCESS)
        return notWritten(QStringLiteral("its key cannot be opened for writing: ") + systemMessage(created));
    // A value the program did not write as text is someone else's: left as it is.
    const FoundValue found = readValue(open.get(), name);
    if (found.state == FoundValue::Unusable) {
        leftAlone(where, found.why);
        return false;
    }
    if (found.state == FoundValue::Text && found.text == value)
        return true;
    const auto size = DWORD((value.size() + 1) * qsizetype(sizeof(wchar_t)));
    const LSTATUS status = RegSetValueExW(open.get(), name.toStdWString().c_str(), 0, REG_SZ,
                                          reinterpret_cast<const BYTE *>(value.utf16()), size);
    if (status != ERROR_SUCCESS)
        return notWritten(systemMessage(status));
    leftAloneWhy_.clear();
    qCDebug(lcSettings).noquote() << "Stored" << where << "=" << value;
    return true;
}

} // namespace cindrel
