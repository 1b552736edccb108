// Fuzzes the settings file's reader and editor with arbitrary bytes. Neither
// may crash or hang. A file the reader does not take as the program's is
// refused by the editor, so it stays byte for byte. A file it does take,
// with the reminder's date stored, reads back that date and differs from
// the original only in one stretch that removes nothing but part of the
// value's line (a blank file, which holds nothing, is written afresh), or,
// when the date would take it past the size limit, is refused. A line it
// adds ends as the file's lines end: a file whose lines all end in CR LF,
// or all in LF, keeps one kind of line ending.

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "platform/SettingsFile.h"

using namespace cindrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString group = QStringLiteral("Settings");
    const QString key = QStringLiteral("LastReminderDate");
    const QString date = QStringLiteral("2031-02-03");
    const SettingsText text = readSettingsText(bytes, group, key);
    const std::optional<QByteArray> edited = withSettingsValue(bytes, group, key, date);
    if (text.kind == SettingsFileKind::Foreign) {
        if (edited || text.whyForeign.isEmpty())
            std::abort();
        return 0;
    }
    // Only a file close to the size limit may be refused: the date would not fit.
    if (!edited && bytes.size() + 64 < kMaxSettingsFileSize)
        std::abort();
    if (!edited)
        return 0;
    const SettingsText reread = readSettingsText(*edited, group, key);
    if (reread.kind != SettingsFileKind::Own || reread.value != date)
        std::abort();
    if (text.kind == SettingsFileKind::Empty)
        return 0;

    const qsizetype crlf = bytes.count("\r\n");
    const qsizetype editedCrlf = edited->count("\r\n");
    if (crlf == 0 && editedCrlf != 0)
        std::abort();
    if (crlf > 0 && crlf == bytes.count('\n') && editedCrlf != edited->count('\n'))
        std::abort();

    // The one stretch where the two differ: what lies between their common
    // start and their common end.
    const qsizetype shorter = qMin(bytes.size(), edited->size());
    qsizetype head = 0;
    while (head < shorter && bytes[head] == (*edited)[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head && bytes[bytes.size() - 1 - tail] == (*edited)[edited->size() - 1 - tail])
        ++tail;
    const QByteArray removed = bytes.mid(head, bytes.size() - head - tail);
    if (removed.contains('\n') || removed.contains('\r'))
        std::abort();
    // What was removed lies after the '=' of its line: part of a value.
    const qsizetype lineStart = head == 0 ? 0 : bytes.lastIndexOf('\n', head - 1) + 1;
    if (!removed.isEmpty() && bytes.indexOf('=', lineStart) >= head)
        std::abort();
    return 0;
}
