#pragma once
// The update reminder offered at start-up at most once in fifteen days.

#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// Settings key of the date of the last reminder, stored as yyyy-MM-dd.
inline const QString kLastReminderDateKey = QStringLiteral("Settings/LastReminderDate");

/// Shows the reminder when more than 14 days lie between the stored date and
/// today (either way); stores today on the first start and after every
/// reminder (before opening the download page on Yes). A stored value that is
/// not a yyyy-MM-dd date is left as it is and keeps the reminder silent, as do
/// settings that cannot be read or written; a Yes still opens the download
/// page when today could not be stored. When ending (if given) says true
/// once the box is gone, the program's end closed it: that is no answer,
/// nothing is stored, and the next start asks again.
void ShowUpdateReminder(SettingsStore &settings, Clock &clock, MessageBoxes &boxes, Browser &browser,
                        const std::function<bool()> &ending = {});

} // namespace cindrel
