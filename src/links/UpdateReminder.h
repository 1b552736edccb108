#pragma once
// The update reminder offered at start-up at most once in fifteen days.

#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// Settings key of the date of the last reminder, stored as yyyy-MM-dd.
inline const QString kLastReminderDateKey = QStringLiteral("Settings/LastReminderDate");

/// The reminder's text: two lines separated by a lone CR.
QString updateReminderText();

/// Shows the reminder when more than 14 days lie between the stored date and
/// today (either way); stores today on the first start and after every
/// reminder (before opening the download page on Yes). A stored value that is
/// not a date, or settings that cannot be read or written, keep it silent.
void ShowUpdateReminder(SettingsStore &settings, Clock &clock, MessageBoxes &boxes, Browser &browser);

} // namespace cindrel
