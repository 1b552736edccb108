#include "UpdateReminder.h"

#include <QCoreApplication>

#include "LogCategories.h"
#include "links/SitePages.h"

namespace cindrel {

void ShowUpdateReminder(SettingsStore &settings, Clock &clock, MessageBoxes &boxes, Browser &browser,
                        const std::function<bool()> &ending)
{
    const QDate today = clock.today();
    if (!today.isValid())
        return;

    const QString stored = settings.read(kLastReminderDateKey);
    if (stored.isEmpty()) {
        // First start: remember the day, say nothing. A failed write keeps
        // the reminder silent too; it simply tries again next start.
        settings.write(kLastReminderDateKey, today.toString(Qt::ISODate));
        return;
    }

    // Only the exact form the reminder writes is accepted; anything else is
    // left as it stands and the reminder stays silent.
    const QDate last = QDate::fromString(stored, Qt::ISODate);
    if (!last.isValid() || last.toString(Qt::ISODate) != stored) {
        qCWarning(lcSettings).noquote().nospace()
            << "No update reminder: the stored " << kLastReminderDateKey << " \"" << stored.left(40)
            << (stored.size() > 40 ? "...\"" : "\"") << " is not a day in the form yyyy-mm-dd";
        return;
    }

    // More than 14 days between the stored day and today make a reminder due.
    if (qAbs(today.daysTo(last)) <= 14)
        return;

    // Two lines joined by a lone carriage return; each line is translated
    // by itself, so the line break stays the program's.
    const bool wantsUpdate = boxes.askYesNo(
        QCoreApplication::translate("cindrel::UpdateReminder",
                                    "There maybe an update to this software available")
        + QLatin1Char('\r')
        + QCoreApplication::translate("cindrel::UpdateReminder", "Do you want to check for an update?"));
    // A box closed by the program's end was not answered: nothing is stored.
    if (ending && ending())
        return;

    // The day is stored before the browser is asked, so that a browser that
    // fails cannot bring the reminder back at the next start.
    settings.write(kLastReminderDateKey, today.toString(Qt::ISODate));

    // A Yes is honoured even when the day could not be stored: the user
    // asked for the page, and the only cost is that the reminder comes again.
    if (wantsUpdate)
        OpenSitePage(browser, SitePage::download_web_page);
}

} // namespace cindrel
