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
/// cindrel.print: the print module.
Q_DECLARE_LOGGING_CATEGORY(lcPrint)
/// cindrel.signals: the signals that ask the program to end.
Q_DECLARE_LOGGING_CATEGORY(lcSignals)

} // namespace cindrel
