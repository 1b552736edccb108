// The reminder's day in the real per-user settings: where it lands, in what
// form, what happens when the settings file cannot be written, and that a
// file the program cannot read as its own is never changed.

#include <QtTest>
#include <sys/stat.h>

#include "doubles/Doubles.h"
#include "links/UpdateReminder.h"
#include "platform/IniSettingsStore.h"

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
        IniSettingsStore store;
        QVERIFY(store.read(kLastReminderDateKey).isNull());
        QVERIFY(store.write(kLastReminderDateKey, QStringLiteral("2026-12-07")));
        QCOMPARE(store.read(kLastReminderDateKey), QStringLiteral("2026-12-07"));
        QCOMPARE(IniSettingsStore().read(kLastReminderDateKey), QStringLiteral("2026-12-07"));
    }

    void reminderWritesGroupSettingsKeyLastReminderDate()
    {
        IniSettingsStore store;
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
        QCOMPARE(IniSettingsStore().read(kLastReminderDateKey), QStringLiteral("2027-02-18"));
    }

    void foreignFilesStaySilentAndUntouched_data();
    void foreignFilesStaySilentAndUntouched();
    void ownFilesKeepEverythingElse_data();
    void ownFilesKeepEverythingElse();
    void pathsThatAreNotPlainFiles();
    void valuesAsRead_data();
    void valuesAsRead();
    void valuesWithALineBreakAreNotWritten();

    void unwritableSettingsFileIsSilent()
    {
        // A directory where the file belongs cannot be written, even by root.
        QVERIFY(QDir().mkpath(configFile_));
        IniSettingsStore store;
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

namespace {
const QByteArray kToday = "2026-12-07";

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

/// One start's reminder against the settings file at path, today being
/// 2026-12-07; returns the number of boxes it showed.
int remindOnce(const QString &path)
{
    IniSettingsStore store(path);
    FixedClock clock;
    RecordingMessageBoxes boxes;
    RecordingBrowser browser;
    ShowUpdateReminder(store, clock, boxes, browser);
    return int(boxes.boxes.size());
}
} // namespace

void TstSettingsStore::foreignFilesStaySilentAndUntouched_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("content");
    const QByteArray own = "[Settings]\nLastReminderDate=2024-05-01\n";
    QTest::newRow("JSON") << QByteArray("{\"Settings\": {\"LastReminderDate\": \"2024-05-01\"}}\n");
    QTest::newRow("XML") << QByteArray("<?xml version=\"1.0\"?>\n<settings last=\"2024-05-01\"/>\n");
    QTest::newRow("shell") << QByteArray("export LAST=2024-05-01\necho done\n");
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    QTest::newRow("NUL inside own text") << QByteArray("[Settings]\nLastReminderDate=2024-05-01\0\n", 40);
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe[\0S\0]\0\n\0", 10);
    QTest::newRow("Latin-1") << QByteArray("[Settings]\nOwner=Zo\xeb\nLastReminderDate=2024-05-01\n");
    QTest::newRow("comments only") << QByteArray("; kept by hand\n# do not touch\n");
    QTest::newRow("lone carriage return") << QByteArray("[Settings]\nOther=1\rLastReminderDate=2024-05-01\n");
    QTest::newRow("header unclosed") << QByteArray("[Settings\nLastReminderDate=2024-05-01\n");
    QTest::newRow("line without =") << own + "just some words\n";
    QTest::newRow("value written twice") << own + "LastReminderDate=2024-06-01\n";
    QTest::newRow("group written twice") << own + "[Settings]\nLastReminderDate=2024-06-01\n";
    QTest::newRow("value continued") << QByteArray("[Settings]\nLastReminderDate=2024-05-01\\\n2\n");
    QTest::newRow("larger than 64 KiB") << own + "[Other]\n" + QByteArray(70000, 'x').prepend("k=") + "\n";
    // 39 bytes of "own", 8 of "[Other]\n", "k=", the x's and a line break: 64 KiB and one byte.
    QTest::newRow("64 KiB and one byte") << own + "[Other]\nk=" + QByteArray(65537 - 50, 'x') + "\n";
    QTest::newRow("delete character") << QByteArray("[Settings]\nOther=\x7f\nLastReminderDate=2024-05-01\n");
    QTest::newRow("key without a name") << own + "=2024-06-01\n";
    QTest::newRow("group without a name") << QByteArray("[]\n") + own;
    QTest::newRow("value continued by a backslash alone")
        << QByteArray("[Settings]\nOther=\\\nLastReminderDate=2024-05-01\n");
    // Readable as settings, but the value is not one the reminder wrote.
    QTest::newRow("list") << QByteArray("[Settings]\nLastReminderDate=2024-05-01, 2024-06-01\n");
    QTest::newRow("variant") << QByteArray("[Settings]\nLastReminderDate=@Variant(\\0\\0\\0\\x7f)\n");
    QTest::newRow("byte array") << QByteArray("[Settings]\nLastReminderDate=@ByteArray(2024-05-01)\n");
    QTest::newRow("day and time") << QByteArray("[Settings]\nLastReminderDate=2024-05-01T10:00:00\n");
    // clang-format on
}

void TstSettingsStore::foreignFilesStaySilentAndUntouched()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cindrel.conf"));
    writeAll(path, content);
    QCOMPARE(remindOnce(path), 0);
    QCOMPARE(readAll(path), content);
    QCOMPARE(remindOnce(path), 0); // and the same at every start
    QCOMPARE(readAll(path), content);
}

void TstSettingsStore::ownFilesKeepEverythingElse_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("boxes");
    const QByteArray fresh = "[Settings]\nLastReminderDate=" + kToday + "\n";
    QTest::newRow("empty") << QByteArray() << fresh << 0;
    QTest::newRow("blank lines") << QByteArray("\n  \n\t\n") << fresh << 0;
    QTest::newRow("empty value") << QByteArray("[Settings]\nLastReminderDate=\n") << fresh << 0;
    QTest::newRow("due, other groups and comments kept")
        << QByteArray("; notes\r\n[General]\r\nfoo=bar\r\n\r\n[Settings]\r\nLastReminderDate = 2024-05-01\r\nOther=1\r\n")
        << QByteArray("; notes\r\n[General]\r\nfoo=bar\r\n\r\n[Settings]\r\nLastReminderDate = " + kToday
                      + "\r\nOther=1\r\n")
        << 1;
    QTest::newRow("quoted, due") << QByteArray("[Settings]\nLastReminderDate=\"2024-05-01\"\n") << fresh << 1;
    QTest::newRow("group without the key")
        << QByteArray("[Settings]\nOther=x\n") << QByteArray("[Settings]\nLastReminderDate=" + kToday + "\nOther=x\n")
        << 0;
    QTest::newRow("another group only, no final line break")
        << QByteArray("[General]\nfoo=bar") << QByteArray("[General]\nfoo=bar\n\n" + fresh) << 0;
    QTest::newRow("another group, CR LF")
        << QByteArray("[General]\r\nfoo=bar\r\n")
        << QByteArray("[General]\r\nfoo=bar\r\n\r\n[Settings]\r\nLastReminderDate=" + kToday + "\r\n") << 0;
    QTest::newRow("group without the key, CR LF")
        << QByteArray("[Settings]\r\nOther=x\r\n")
        << QByteArray("[Settings]\r\nLastReminderDate=" + kToday + "\r\nOther=x\r\n") << 0;
    QTest::newRow("group header ends the file")
        << QByteArray("[General]\nfoo=bar\n[Settings]")
        << QByteArray("[General]\nfoo=bar\n[Settings]\nLastReminderDate=" + kToday) << 0;
    QTest::newRow("group header ends the file, CR LF")
        << QByteArray("[General]\r\nfoo=bar\r\n[Settings]")
        << QByteArray("[General]\r\nfoo=bar\r\n[Settings]\r\nLastReminderDate=" + kToday) << 0;
    QTest::newRow("another group, CR LF, no final line break")
        << QByteArray("[General]\r\nfoo=bar")
        << QByteArray("[General]\r\nfoo=bar\r\n\r\n[Settings]\r\nLastReminderDate=" + kToday + "\r\n") << 0;
    QTest::newRow("a group header alone") << QByteArray("[General]\n") << "[General]\n\n" + fresh << 0;
    QTest::newRow("keys before any group") << QByteArray("foo=bar\n") << "foo=bar\n\n" + fresh << 0;
    QTest::newRow("the key in another group")
        << QByteArray("[General]\nLastReminderDate=2024-05-01\n")
        << "[General]\nLastReminderDate=2024-05-01\n\n" + fresh << 0;
    QTest::newRow("group twice without the key: into the first")
        << QByteArray("[Settings]\nA=1\n[Other]\nB=2\n[Settings]\nC=3\n")
        << QByteArray("[Settings]\nLastReminderDate=" + kToday + "\nA=1\n[Other]\nB=2\n[Settings]\nC=3\n") << 0;
    QTest::newRow("comments of both kinds, names with marks, due")
        << QByteArray("# notes\n; more\n[Gruppe_1-a.b%c/d\\e@f g]\nSchl\xc3\xbcssel_1-a.b%c/d\\e@f g=1\n"
                      "[Settings]\nLastReminderDate=2024-05-01\n")
        << QByteArray("# notes\n; more\n[Gruppe_1-a.b%c/d\\e@f g]\nSchl\xc3\xbcssel_1-a.b%c/d\\e@f g=1\n"
                      "[Settings]\nLastReminderDate=" + kToday + "\n")
        << 1;
    QTest::newRow("empty quoted value") << QByteArray("[Settings]\nLastReminderDate=\"\"\n") << fresh << 0;
    // The date's line (28 bytes) may take the file to 64 KiB (18 bytes around
    // the x's) but not one byte past, out of the reader's reach.
    const QByteArray roomLeft = "[Settings]\nOther=" + QByteArray(65536 - 46, 'x') + "\n";
    QTest::newRow("room for the date up to 64 KiB")
        << roomLeft << QByteArray(roomLeft).insert(11, "LastReminderDate=" + kToday + "\n") << 0;
    const QByteArray full = "[Settings]\nOther=" + QByteArray(65536 - 45, 'x') + "\n";
    QTest::newRow("no room for the date") << full << full << 0;
    // Exactly 64 KiB (28 bytes of the date's line, 11 of the header, 6 and a
    // line break around the x's) is the program's own, and stays that size.
    const QByteArray exactly = "[Settings]\nLastReminderDate=2024-05-01\nOther=" + QByteArray(65536 - 46, 'x') + "\n";
    QTest::newRow("exactly 64 KiB, due")
        << exactly << QByteArray(exactly).replace("2024-05-01", kToday) << 1;
    QTest::newRow("byte-order mark, due") << QByteArray("\xef\xbb\xbf[Settings]\nLastReminderDate=2024-05-01\n")
                                          << QByteArray("\xef\xbb\xbf" + fresh) << 1;
    // clang-format on
}

void TstSettingsStore::ownFilesKeepEverythingElse()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, boxes);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cindrel.conf"));
    writeAll(path, before);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(remindOnce(path), boxes);
    QCOMPARE(readAll(path), after);
    QCOMPARE(QFile::permissions(path),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

void TstSettingsStore::pathsThatAreNotPlainFiles()
{
    QTemporaryDir dir;
    const QString own = dir.filePath(QStringLiteral("own.conf"));
    const QString foreign = dir.filePath(QStringLiteral("foreign.conf"));
    writeAll(own, "[Settings]\nLastReminderDate=2024-05-01\n");
    writeAll(foreign, "{\"LastReminderDate\": 1}\n");

    // Through a link the file pointed to is updated and the link stays.
    const QString toOwn = dir.filePath(QStringLiteral("to-own.conf"));
    QVERIFY(QFile::link(own, toOwn));
    QCOMPARE(remindOnce(toOwn), 1);
    QVERIFY(QFileInfo(toOwn).isSymLink());
    QCOMPARE(readAll(own), "[Settings]\nLastReminderDate=" + kToday + "\n");

    const QString toForeign = dir.filePath(QStringLiteral("to-foreign.conf"));
    QVERIFY(QFile::link(foreign, toForeign));
    QCOMPARE(remindOnce(toForeign), 0);
    QCOMPARE(readAll(foreign), QByteArray("{\"LastReminderDate\": 1}\n"));

    // A link to nowhere is not followed to create a file there.
    const QString dangling = dir.filePath(QStringLiteral("dangling.conf"));
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("nowhere/x.conf")), dangling));
    QCOMPARE(remindOnce(dangling), 0);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("nowhere"))));

    // Neither a FIFO nor a device blocks the start or is read without end.
    const QString fifo = dir.filePath(QStringLiteral("fifo.conf"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString device = dir.filePath(QStringLiteral("zero.conf"));
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), device));
    QElapsedTimer timer;
    timer.start();
    for (const QString &path : {fifo, device}) {
        QVERIFY(IniSettingsStore(path).read(kLastReminderDateKey).isNull());
        QCOMPARE(remindOnce(path), 0);
    }
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
}

void TstSettingsStore::valuesAsRead_data()
{
    // clang-format off
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("value");
    QTest::newRow("blanks around") << QByteArray("Key = a b \t") << "a b";
    QTest::newRow("in quotes") << QByteArray("Key=\"a b\"") << "a b";
    QTest::newRow("empty quotes") << QByteArray("Key=\"\"") << "";
    QTest::newRow("one quote") << QByteArray("Key=\"") << "\"";
    // Escapes are not read: such a value is taken as it stands.
    QTest::newRow("quote inside quotes") << QByteArray("Key=\"a\"b\"") << "\"a\"b\"";
    QTest::newRow("backslash inside quotes") << QByteArray("Key=\"a\\b\"") << "\"a\\b\"";
    // clang-format on
}

void TstSettingsStore::valuesAsRead()
{
    QFETCH(QByteArray, line);
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cindrel.conf"));
    writeAll(path, "[Settings]\n" + line + "\n");
    QCOMPARE(IniSettingsStore(path).read(QStringLiteral("Settings/Key")), value);
}

void TstSettingsStore::valuesWithALineBreakAreNotWritten()
{
    // A line break would end the value's line early: the file stays as it is.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cindrel.conf"));
    const QByteArray before = "[Settings]\nKey=old\n";
    writeAll(path, before);
    for (const QString &value : {QStringLiteral("a\nb"), QStringLiteral("a\rb")}) {
        QVERIFY(!IniSettingsStore(path).write(QStringLiteral("Settings/Key"), value));
        QCOMPARE(readAll(path), before);
    }
}

QTEST_GUILESS_MAIN(TstSettingsStore)
#include "tst_settingsstore.moc"
