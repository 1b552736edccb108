#pragma once
// The program's logging categories. Each failure the program passes over
// without telling the user (a settings file left alone, a lock not taken, a
// page no browser took, ...) writes one warning naming what failed and why;
// warnings are on by default, details are debug messages and off. Turn them
// on with QT_LOGGING_RULES, e.g. "cindrel.*.debug=true" (docs/logging.md).

#include <QLoggingCategory>

namespace cindrel {

/// cindrel.settings: the per-user settings file and the reminder's day in it.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
/// cindrel.lock: the single-instance lock file.
Q_DECLARE_LOGGING_CATEGORY(lcLock)
/// cindrel.links: site pages and referrals handed to the browser.
Q_DECLARE_LOGGING_CATEGORY(lcLinks)
/// cindrel.print: the print module, and where libraries are loaded from.
Q_DECLARE_LOGGING_CATEGORY(lcPrint)
/// cindrel.signals: the signals that ask the program to end.
Q_DECLARE_LOGGING_CATEGORY(lcSignals)

/// Settings the program does not understand are left exactly as they are:
/// logs in cindrel.settings that they are left alone and why ("Settings
/// file <path> left alone: <why>"), as a warning, or as a debug message when
/// why is lastWhy, the reason met before (the reminder reads, then writes).
/// lastWhy becomes why.
inline void logLeftAlone(QString &lastWhy, const char *kind, const QString &name, const QString &why)
{
    if (std::exchange(lastWhy, why) == why)
        qCDebug(lcSettings).noquote() << kind << name << "still left alone";
    else
        qCWarning(lcSettings).noquote().nospace() << kind << ' ' << name << " left alone: " << why;
}

} // namespace cindrel
