#pragma once
// Trimming as the program does it everywhere: names, ages and referral
// values lose their leading and trailing spaces and nothing else.

#include <QString>

namespace cindrel {

/// The text without its leading and trailing spaces (code 32). Tabs and
/// line breaks stay: QString::trimmed() would take every kind of white
/// space, so it does not do here.
inline QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}

} // namespace cindrel
