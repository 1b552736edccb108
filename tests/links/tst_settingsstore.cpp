// The reminder's day in the real per-user settings: where it lands, in what
// form, and what happens when the settings file cannot be written.

#include <QtTest>

#include "doubles/Doubles.h"
#include "links/UpdateReminder.h"
#include "platform/SystemSeams.h"

using namespace cindrel;
using namespace cindrel::testing;

class TstSettingsStore : public QObject {
    Q_OBJECT

    QTemporaryDir home_;
    QString configFile_;

private slots:
    void initTestCase()
    {
        QVERIFY(home_.isValid());
        // Keep every settings file of this test inside a throw-away home.
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path() + QStringLiteral("/config")));
        QStandardPaths::setTestModeEnabled(true);
        const QString configDir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY2(configDir.startsWith(home_.path()), qPrintable(configDir));
        configFile_ = configDir + QStringLiteral("/Cindrel/Cindrel.conf");
    }

    void cleanup()
    {
        QFile::remove(configFile_);
        QDir(configFile_).removeRecursively();
    }

    void roundTripsTheDay()
    {
        QtSettingsStore store;
        QVERIFY(store.read(kLastReminderDateKey).isNull());
        QVERIFY(store.write(kLastReminderDateKey, QStringLiteral("2026-12-07")));
        QCOMPARE(store.read(kLastReminderDateKey), QStringLiteral("2026-12-07"));
        QCOMPARE(QtSettingsStore().read(kLastReminderDateKey), QStringLiteral("2026-12-07"));
    }

    void reminderWritesGroupSettingsKeyLastReminderDate()
    {
        QtSettingsStore store;
        FixedClock clock;
        clock.date = QDate(2027, 2, 3);
        RecordingMessageBoxes boxes;
        RecordingBrowser browser;
        ShowUpdateReminder(store, clock, boxes, browser);
        QVERIFY(boxes.boxes.empty());

        // Written to disk at once, in the group "Settings".
        QVERIFY(QFileInfo::exists(configFile_));
        QSettings file(configFile_, QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList{QStringLiteral("Settings")});
        file.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(file.childKeys(), QStringList{QStringLiteral("LastReminderDate")});
        QCOMPARE(file.value(QStringLiteral("LastReminderDate")).toString(), QStringLiteral("2027-02-03"));
        file.endGroup();

        QFile raw(configFile_);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray text = raw.readAll();
        QVERIFY2(text.contains("[Settings]\nLastReminderDate=2027-02-03"), text.constData());

        // A later start reads the same day back: two weeks on, still quiet;
        // fifteen days on, the reminder comes and moves the day.
        clock.date = QDate(2027, 2, 17);
        ShowUpdateReminder(store, clock, boxes, browser);
        QVERIFY(boxes.boxes.empty());
        clock.date = QDate(2027, 2, 18);
        ShowUpdateReminder(store, clock, boxes, browser);
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QCOMPARE(QtSettingsStore().read(kLastReminderDateKey), QStringLiteral("2027-02-18"));
    }

    void unwritableSettingsFileIsSilent()
    {
        // A directory where the file belongs cannot be written, even by root.
        QVERIFY(QDir().mkpath(configFile_));
        QtSettingsStore store;
        QVERIFY(!store.write(kLastReminderDateKey, QStringLiteral("2026-12-07")));

        FixedClock clock;
        RecordingMessageBoxes boxes;
        RecordingBrowser browser;
        ShowUpdateReminder(store, clock, boxes, browser);
        QVERIFY(boxes.boxes.empty());
        QVERIFY(browser.urls.isEmpty());
        QVERIFY(QFileInfo(configFile_).isDir());
    }
};

QTEST_GUILESS_MAIN(TstSettingsStore)
#include "tst_settingsstore.moc"
