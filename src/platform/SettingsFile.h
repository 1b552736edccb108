#pragma once
// The per-user settings file as text: deciding whether a file is one the
// program may read and write as its own, reading one value from it, and
// storing one value by the smallest edit. Everything else in the file stays
// byte for byte, so a file that belongs to someone else, or that the user
// edited by hand, is never lost. Plain functions on bytes, so that every
// rule can be tested without a disk.

#include <QByteArray>
#include <QString>
#include <optional>

namespace cindrel {

/// What a settings file holds, as far as the program is concerned.
enum class SettingsFileKind {
    /// Nothing at all, or only blank lines: the program may write it.
    Empty,
    /// INI text the program can read as settings: the program may read
    /// its value and write it, keeping every other line.
    Own,
    /// Anything else (another format, binary data, another encoding,
    /// comments only, the value written twice): left alone.
    Foreign,
};

/// The longest file the program reads as its settings (64 KiB); a larger
/// file is not one it wrote.
inline constexpr qint64 kMaxSettingsFileSize = qint64{64} * 1024;

struct SettingsText {
    SettingsFileKind kind = SettingsFileKind::Foreign;
    /// The value of the key in its group, when the key is there once.
    std::optional<QString> value;
    /// Why a Foreign file is not the program's own, for the log.
    QString whyForeign;
};

/// Reads a settings file's bytes: its kind and the value stored under key
/// in group. The file is read as INI text in UTF-8: blank lines, comments
/// starting with ';' or '#', "[group]" headers and "key=value" lines, with
/// blanks around keys and values ignored and a value in plain double quotes
/// unquoted. A file with any other line is Foreign.
SettingsText readSettingsText(const QByteArray &bytes, const QString &group, const QString &key);

/// The bytes of a file whose text is read as above (Empty or Own) once
/// value is stored under key in group: the value of an existing key is
/// replaced in place; a missing key goes first into its group; a missing
/// group is added at the end. The lines it adds end as the file's first
/// line does (CR LF or LF). Every other byte stays as it was. Nothing for
/// a Foreign file, nor when the file would grow past kMaxSettingsFileSize.
std::optional<QByteArray> withSettingsValue(const QByteArray &bytes, const QString &group, const QString &key,
                                            const QString &value);

} // namespace cindrel
