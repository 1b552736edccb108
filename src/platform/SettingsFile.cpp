#include "SettingsFile.h"

#include <QStringDecoder>
#include <cctype>
#include <vector>

namespace cindrel {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

/// One line of the file, as byte offsets into it.
struct Line {
    qsizetype end = 0;  // end of its text, before any CR LF or LF
    qsizetype next = 0; // first byte of the next line
    enum Kind { Blank, Comment, Header, Entry, Other } kind = Other;
    QByteArray name; // the group of a header, the key of an entry
    qsizetype valueBegin = 0;
    qsizetype valueEnd = 0; // the value without the blanks around it
};

/// Text a person or another program could have written: UTF-8 without
/// control characters other than tab and line breaks. A carriage return
/// ends a line only before a line feed: alone, some readers take it for a
/// line break and others do not, so what one line holds is not certain.
bool isPlainText(const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto u = static_cast<unsigned char>(bytes.at(i));
        const bool lineBreak = u == '\n' || (u == '\r' && i + 1 < bytes.size() && bytes.at(i + 1) == '\n');
        if ((u < 0x20 && u != '\t' && !lineBreak) || u == 0x7F)
            return false;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // The decoder runs when its result is taken as a QString.
    const QString decoded = decoder.decode(bytes); // clazy:exclude=unused-non-trivial-variable
    return !decoder.hasError();
}

/// A group or key name as INI files write them: letters and digits (any
/// script), blanks and the few marks QSettings and people use in names.
/// Markup and code ("<?xml", "{", quotes) are not names.
bool isName(const QByteArray &bytes, qsizetype begin, qsizetype end)
{
    for (qsizetype i = begin; i < end; ++i) {
        const auto u = static_cast<unsigned char>(bytes.at(i));
        const bool ascii = u < 0x80;
        if (ascii && !std::isalnum(u) && !QByteArrayView(" _-.%/\\@").contains(char(u)))
            return false;
    }
    return begin < end;
}

std::pair<qsizetype, qsizetype> trimmedSpan(const QByteArray &bytes, qsizetype begin, qsizetype end)
{
    while (begin < end && isBlank(bytes.at(begin)))
        ++begin;
    while (end > begin && isBlank(bytes.at(end - 1)))
        --end;
    return {begin, end};
}

Line classify(const QByteArray &bytes, qsizetype begin, qsizetype end, qsizetype next)
{
    Line line;
    line.end = end;
    line.next = next;
    const auto [first, last] = trimmedSpan(bytes, begin, end);
    if (first == last) {
        line.kind = Line::Blank;
    } else if (bytes.at(first) == ';' || bytes.at(first) == '#') {
        line.kind = Line::Comment;
    } else if (bytes.at(first) == '[') {
        if (bytes.at(last - 1) == ']') {
            const auto [nameBegin, nameEnd] = trimmedSpan(bytes, first + 1, last - 1);
            if (isName(bytes, nameBegin, nameEnd)) {
                line.kind = Line::Header;
                line.name = bytes.mid(nameBegin, nameEnd - nameBegin);
            }
        }
    } else {
        const qsizetype equals = bytes.indexOf('=', first);
        if (equals >= 0 && equals < last) {
            const auto [keyBegin, keyEnd] = trimmedSpan(bytes, first, equals);
            const auto [valueBegin, valueEnd] = trimmedSpan(bytes, equals + 1, last);
            // A trailing backslash continues the value on the next line;
            // such values are not read with confidence.
            const bool continued = valueEnd > valueBegin && bytes.at(valueEnd - 1) == '\\';
            if (isName(bytes, keyBegin, keyEnd) && !continued) {
                line.kind = Line::Entry;
                line.name = bytes.mid(keyBegin, keyEnd - keyBegin);
                line.valueBegin = valueBegin;
                line.valueEnd = valueEnd;
            }
        }
    }
    return line;
}

struct Parsed {
    SettingsFileKind kind = SettingsFileKind::Foreign;
    std::vector<Line> lines;
    /// The header line of the first group named as asked, if any.
    std::optional<size_t> groupHeader;
    /// The entry of the key in that group, when it is there exactly once.
    std::optional<size_t> entry;
    /// Why the file is Foreign.
    QString whyForeign;
};

Parsed parse(const QByteArray &bytes, const QString &group, const QString &key)
{
    Parsed parsed;
    if (bytes.size() > kMaxSettingsFileSize) {
        parsed.whyForeign = QStringLiteral("it is larger than %1 bytes").arg(kMaxSettingsFileSize);
        return parsed;
    }
    if (!isPlainText(bytes)) {
        parsed.whyForeign = QStringLiteral("it is not plain UTF-8 text");
        return parsed;
    }

    const qsizetype start = bytes.startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
    for (qsizetype begin = start; begin < bytes.size();) {
        qsizetype next = bytes.indexOf('\n', begin);
        next = next < 0 ? bytes.size() : next + 1;
        qsizetype end = next;
        if (end > begin && bytes.at(end - 1) == '\n')
            --end;
        if (end > begin && bytes.at(end - 1) == '\r')
            --end;
        parsed.lines.push_back(classify(bytes, begin, end, next));
        begin = next;
    }

    const QByteArray groupName = group.toUtf8();
    const QByteArray keyName = key.toUtf8();
    bool anyContent = false;
    bool anyComment = false;
    bool inGroup = false;
    int occurrences = 0;
    for (size_t i = 0; i < parsed.lines.size(); ++i) {
        const Line &line = parsed.lines[i];
        switch (line.kind) {
        case Line::Other:
            parsed.whyForeign = QStringLiteral("line %1 is not INI text").arg(i + 1);
            return parsed;
        case Line::Blank:
            break;
        case Line::Comment:
            anyComment = true;
            break;
        case Line::Header:
            anyContent = true;
            inGroup = line.name == groupName;
            if (inGroup && !parsed.groupHeader)
                parsed.groupHeader = i;
            break;
        case Line::Entry:
            anyContent = true;
            if (inGroup && line.name == keyName) {
                ++occurrences;
                parsed.entry = i;
            }
            break;
        }
    }
    // Written twice, the value is ambiguous: the file is left alone.
    if (occurrences > 1) {
        parsed.whyForeign = QStringLiteral("%1/%2 is written %3 times").arg(group, key).arg(occurrences);
        return parsed;
    }
    if (!anyContent) {
        // Comments alone are someone's notes, not the program's settings.
        parsed.kind = anyComment ? SettingsFileKind::Foreign : SettingsFileKind::Empty;
        if (anyComment)
            parsed.whyForeign = QStringLiteral("it holds only comments");
        return parsed;
    }
    parsed.kind = SettingsFileKind::Own;
    return parsed;
}

QByteArray lineEnding(const Line &line)
{
    return line.next - line.end == 2 ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
}

} // namespace

SettingsText readSettingsText(const QByteArray &bytes, const QString &group, const QString &key)
{
    const Parsed parsed = parse(bytes, group, key);
    SettingsText result;
    result.kind = parsed.kind;
    result.whyForeign = parsed.whyForeign;
    if (parsed.kind != SettingsFileKind::Own || !parsed.entry)
        return result;
    const Line &line = parsed.lines[*parsed.entry];
    QByteArray raw = bytes.mid(line.valueBegin, line.valueEnd - line.valueBegin);
    // A value in plain double quotes (no quote or escape inside) reads as
    // the text between them.
    if (raw.size() >= 2 && raw.startsWith('"') && raw.endsWith('"')) {
        const QByteArray inner = raw.mid(1, raw.size() - 2);
        if (!inner.contains('"') && !inner.contains('\\'))
            raw = inner;
    }
    result.value = QString::fromUtf8(raw);
    return result;
}

std::optional<QByteArray> withSettingsValue(const QByteArray &bytes, const QString &group, const QString &key,
                                            const QString &value)
{
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r')))
        return std::nullopt;
    const Parsed parsed = parse(bytes, group, key);
    const QByteArray entry = key.toUtf8() + '=' + value.toUtf8();
    switch (parsed.kind) {
    case SettingsFileKind::Foreign:
        return std::nullopt;
    case SettingsFileKind::Empty:
        return '[' + group.toUtf8() + "]\n" + entry + '\n';
    case SettingsFileKind::Own:
        break;
    }

    QByteArray result = bytes;
    // A line the program adds ends as the file's first line does, so that a
    // file keeps one kind of line ending.
    const QByteArray eol = lineEnding(parsed.lines.front());
    if (parsed.entry) {
        const Line &line = parsed.lines[*parsed.entry];
        result.replace(line.valueBegin, line.valueEnd - line.valueBegin, value.toUtf8());
    } else if (parsed.groupHeader) {
        const Line &header = parsed.lines[*parsed.groupHeader];
        // A header that ends the file without a line break gets one first.
        result.insert(header.next, header.next == header.end ? eol + entry : entry + eol);
    } else {
        if (!result.endsWith('\n'))
            result += eol;
        // A blank line between groups, as the file had them written.
        result += eol + '[' + group.toUtf8() + ']' + eol + entry + eol;
    }
    // Grown past the size the reader takes, the file would no longer be read
    // as the program's own: it is left as it is instead.
    if (result.size() > kMaxSettingsFileSize)
        return std::nullopt;
    return result;
}

} // namespace cindrel
