// The update reminder at start-up: when it is due, what it stores, and the
// order of storing the day and opening the download page.

#include <QtTest>

#include "doubles/Doubles.h"
#include "doubles/LogCapture.h"
#include "links/SitePages.h"
#include "links/UpdateReminder.h"

using namespace cindrel;
using namespace cindrel::testing;

namespace {
const QString kReminderText = QStringLiteral(
    "There maybe an update to this software available\rDo you want to check for an update?");
// The form of a page URL is pinned in tst_sitepages.
const QString kDownloadUrl = pageUrl(SitePage::download_web_page);

/// One start of the program, today being 2026-12-07 unless a test says otherwise.
struct Start {
    FakeServices fake;
    explicit Start(const QString &stored = QString(), bool yes = false)
    {
        if (!stored.isNull())
            fake.settings.values.insert(kLastReminderDateKey, stored);
        fake.boxes.yesNoAnswers = {yes};
    }
    void remind() { ShowUpdateReminder(fake.settings, fake.clock, fake.boxes, fake.browser); }
    QString stored() const { return fake.settings.values.value(kLastReminderDateKey); }
    size_t boxes() const { return fake.boxes.boxes.size(); }
};
} // namespace

class TstUpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void firstStart_data()
    {
        // clang-format off
        QTest::addColumn<QString>("stored");
        QTest::newRow("absent") << QString();
        QTest::newRow("empty") << QString("");
        // clang-format on
    }

    void firstStart()
    {
        QFETCH(QString, stored);
        Start start(stored);
        start.remind();
        QCOMPARE(start.boxes(), size_t(0));
        QCOMPARE(start.stored(), QStringLiteral("2026-12-07"));
    }

    void dueAfterMoreThanFourteenDays_data()
    {
        // clang-format off
        QTest::addColumn<QString>("today");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("-15 days") << "2026-12-07" << "2026-11-22" << true;
        QTest::newRow("-14 days") << "2026-12-07" << "2026-11-23" << false;
        QTest::newRow("same day") << "2026-12-07" << "2026-12-07" << false;
        QTest::newRow("+14 days (clock set back)") << "2026-12-07" << "2026-12-21" << false;
        QTest::newRow("+15 days (clock set back)") << "2026-12-07" << "2026-12-22" << true;
        QTest::newRow("years ago") << "2026-12-07" << "2019-05-01" << true;
        // Counted in calendar days across a year end and a leap day.
        QTest::newRow("-14 over a year end") << "2027-01-05" << "2026-12-22" << false;
        QTest::newRow("-15 over a year end") << "2027-01-05" << "2026-12-21" << true;
        QTest::newRow("-14 over 29 February") << "2024-03-01" << "2024-02-16" << false;
        QTest::newRow("-15 over 29 February") << "2024-03-01" << "2024-02-15" << true;
        // clang-format on
    }

    void dueAfterMoreThanFourteenDays()
    {
        QFETCH(QString, today);
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        Start start(stored);
        start.fake.clock.date = QDate::fromString(today, Qt::ISODate);
        start.remind();

        if (shown) {
            QCOMPARE(start.boxes(), size_t(1));
            QCOMPARE(start.fake.boxes.boxes.front(), (RecordedBox{RecordedBox::YesNo, kReminderText}));
            QCOMPARE(start.stored(), today);
        } else {
            QCOMPARE(start.boxes(), size_t(0));
            QCOMPARE(start.fake.settings.writes, 0);
        }
        QVERIFY(start.fake.browser.urls.isEmpty()); // answered No
    }

    void answer_data()
    {
        // clang-format off
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("Yes") << true << QStringList{kDownloadUrl};
        QTest::newRow("No") << false << QStringList{};
        // clang-format on
    }

    void answer()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, urls);
        Start start(QStringLiteral("2026-11-01"), yes);
        QString storedWhenOpened;
        start.fake.browser.onOpen = [&](const QString &) { storedWhenOpened = start.stored(); };
        start.remind();

        QCOMPARE(start.boxes(), size_t(1));
        QCOMPARE(start.stored(), QStringLiteral("2026-12-07"));
        QCOMPARE(start.fake.browser.urls, urls);
        if (yes) // the day was stored before the browser was asked
            QCOMPARE(storedWhenOpened, QStringLiteral("2026-12-07"));
    }

    void quietForTwoWeeksAfterAReminder()
    {
        Start start(QStringLiteral("2026-11-01"));
        for (int day = 0; day <= 15; ++day) {
            start.fake.clock.date = QDate(2026, 12, 7).addDays(day);
            start.remind();
        }
        QCOMPARE(start.boxes(), size_t(2)); // on day 0 and on day 15
        QCOMPARE(start.stored(), QStringLiteral("2026-12-22"));
    }

    void unreadableValueIsLeftAlone_data()
    {
        // clang-format off
        QTest::addColumn<QString>("value");
        QTest::newRow("a word") << "yesterday";
        QTest::newRow("month 13, day 45") << "2026-13-45";
        QTest::newRow("30 February") << "2026-02-30";
        QTest::newRow("blank") << " ";
        QTest::newRow("with a time") << "2026-11-01T10:00:00";
        QTest::newRow("day first") << "01/11/2026";
        // The log quotes a value of up to 40 characters whole, a longer one cut.
        QTest::newRow("40 characters") << QString(30, u'x') + "2026-11-01";
        QTest::newRow("41 characters") << QString(31, u'x') + "2026-11-01";
        // clang-format on
    }

    void unreadableValueIsLeftAlone()
    {
        QFETCH(QString, value);
        Start start(value);
        LogCapture log;
        // The same at every start, however much later.
        for (int year = 0; year < 2; ++year) {
            start.fake.clock.date = QDate(2026 + year, 12, 7);
            start.remind();
        }
        const QString quoted = value.size() > 40 ? value.left(40) + "..." : value;
        const QString line = "No update reminder: the stored Settings/LastReminderDate \"" + quoted
                             + "\" is not a day in the form yyyy-mm-dd";
        QCOMPARE(log.programLines().size(), size_t(2));
        for (const LoggedLine &logged : log.programLines()) {
            QCOMPARE(logged.category, QStringLiteral("cindrel.settings"));
            QCOMPARE(logged.message, line);
        }
        QCOMPARE(start.boxes(), size_t(0));
        QVERIFY(start.fake.browser.urls.isEmpty());
        QCOMPARE(start.fake.settings.writes, 0);
        QCOMPARE(start.stored(), value);
    }

    void settingsThatCannotBeWritten_data()
    {
        // clang-format off
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QStringList>("urls");
        QTest::newRow("first start") << QString() << false << 0 << QStringList{};
        QTest::newRow("not due") << "2026-12-01" << false << 0 << QStringList{};
        QTest::newRow("due, No") << "2026-11-01" << false << 1 << QStringList{};
        // The user asked for the page; it opens although the day stays old.
        QTest::newRow("due, Yes") << "2026-11-01" << true << 1 << QStringList{kDownloadUrl};
        // clang-format on
    }

    void settingsThatCannotBeWritten()
    {
        QFETCH(QString, stored);
        QFETCH(bool, yes);
        QFETCH(int, boxes);
        QFETCH(QStringList, urls);
        Start start(stored, yes);
        start.fake.settings.failWrites = true;
        start.remind();
        // No message beyond the reminder itself.
        QCOMPARE(int(start.boxes()), boxes);
        QCOMPARE(start.fake.browser.urls, urls);
        QCOMPARE(start.fake.settings.values.value(kLastReminderDateKey), stored);
    }
};

QTEST_APPLESS_MAIN(TstUpdateReminder)
#include "tst_updatereminder.moc"
