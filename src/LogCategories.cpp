#include "LogCategories.h"

namespace cindrel {

// Warnings and above are written unless QT_LOGGING_RULES says otherwise.
Q_LOGGING_CATEGORY(lcSettings, "cindrel.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLock, "cindrel.lock", QtWarningMsg)
Q_LOGGING_CATEGORY(lcLinks, "cindrel.links", QtWarningMsg)
Q_LOGGING_CATEGORY(lcPrint, "cindrel.print", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSignals, "cindrel.signals", QtWarningMsg)

} // namespace cindrel
