// Every failure the program passes over leaves one warning in its category,
// naming what failed and why; a run where nothing fails logs nothing.

#include <QApplication>
#include <QtTest>
#include <functional>
#include <sys/stat.h>

#include "doubles/Doubles.h"
#include "doubles/LogCapture.h"
#include "links/SitePages.h"
#include "links/UpdateReminder.h"
#include "platform/IniSettingsStore.h"
#include "platform/LockFileGuard.h"
#include "ui/PrintSeams.h"
#include "ui/WidgetSeams.h"

using namespace cindrel;
using namespace cindrel::testing;

/// Provokes a failure with files in the scratch folder dir; returns the
/// text the log line must name (the file, the page, the step).
using Provoke = std::function<QString(const QString &dir)>;
Q_DECLARE_METATYPE(Provoke)

namespace {
QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

/// The reminder reads the file, finds it foreign and tries to write its day.
QString remindWith(const QString &path)
{
    IniSettingsStore store(path);
    store.read(kLastReminderDateKey);
    store.write(kLastReminderDateKey, QStringLiteral("2026-12-07"));
    return path;
}
} // namespace

class TstLogging : public QObject {
    Q_OBJECT

private slots:
    void failureLeavesOneLine_data()
    {
        // clang-format off
        QTest::addColumn<Provoke>("provoke");
        QTest::addColumn<QString>("category"); // empty: nothing at all is logged
        QTest::addColumn<QString>("why");
        QTest::addColumn<QString>("keptOut"); // never in the log

        QTest::newRow("clean start") << Provoke([](const QString &dir) {
            remindWith(dir + QStringLiteral("/config/Cindrel.conf"));
            LockFileGuard guard(dir + QStringLiteral("/cindrel.lock"));
            guard.anotherCopyRunning();
            guard.release();
            return QString();
        }) << "" << "" << "";
        QTest::newRow("settings path is a FIFO") << Provoke([](const QString &dir) {
            const QString path = dir + QStringLiteral("/Cindrel.conf");
            ::mkfifo(QFile::encodeName(path).constData(), 0600);
            return remindWith(path);
        }) << "cindrel.settings" << "it is a FIFO" << "";
        QTest::newRow("settings file too big") << Provoke([](const QString &dir) {
            return remindWith(writeFile(dir + QStringLiteral("/Cindrel.conf"), QByteArray(70000, '\n')));
        }) << "cindrel.settings" << "larger than 65536 bytes" << "";
        QTest::newRow("settings file in another format") << Provoke([](const QString &dir) {
            return remindWith(writeFile(dir + QStringLiteral("/Cindrel.conf"), "[Settings]\n<?xml?>\n"));
        }) << "cindrel.settings" << "not the program's own settings, as line 2 is not INI text" << "";
        QTest::newRow("settings folder cannot be made") << Provoke([](const QString &) {
            return remindWith(QStringLiteral("/proc/cindrel-no-such-dir/Cindrel.conf"));
        }) << "cindrel.settings" << "not written: its folder /proc/cindrel-no-such-dir cannot be made" << "";
        QTest::newRow("stored day not a date") << Provoke([](const QString &) {
            FakeServices fake;
            fake.settings.values.insert(kLastReminderDateKey, QStringLiteral("07.12.2026"));
            ShowUpdateReminder(fake.settings, fake.clock, fake.boxes, fake.browser);
            return QStringLiteral("\"07.12.2026\"");
        }) << "cindrel.settings" << "not a day" << "";
        QTest::newRow("lock path is a directory") << Provoke([](const QString &dir) {
            const QString path = dir + QStringLiteral("/cindrel.lock");
            QDir().mkpath(path);
            LockFileGuard(path).anotherCopyRunning();
            return path;
        }) << "cindrel.lock" << "not taken, so a second copy could start: it cannot be opened: Is a directory" << "";
        QTest::newRow("page not handed to a browser") << Provoke([](const QString &) {
            DesktopBrowser().openUrl(pageUrl(SitePage::home_page));
            return pageUrl(SitePage::home_page);
        }) << "cindrel.links" << "not handed to a browser" << "";
        QTest::newRow("referral not handed to a browser") << Provoke([](const QString &) {
            DesktopBrowser().openUrl(pageUrl(SitePage::refer_a_friend)
                                     + QStringLiteral("&taf1=Ann&taf2=ann%40example.org"));
            return QStringLiteral("page=qxvl-refer-a-friend&... ");
        }) << "cindrel.links" << "not handed to a browser" << "Ann";
        QTest::newRow("print module missing") << Provoke([](const QString &dir) {
            QtPrintouts({dir}).printEntry();
            return dir + QStringLiteral("/cindrel-print");
        }) << "cindrel.print" << "Print module not loaded" << "";
        // clang-format on
    }

    void failureLeavesOneLine()
    {
        QFETCH(Provoke, provoke);
        QFETCH(QString, category);
        QFETCH(QString, why);
        QFETCH(QString, keptOut);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        LogCapture log;
        const QString named = provoke(dir.path());
        const auto &lines = log.programLines();
        QStringList logged;
        for (const LoggedLine &line : lines)
            logged << line.category + QStringLiteral(": ") + line.message;
        QVERIFY2(lines.size() == (category.isEmpty() ? 0u : 1u), qPrintable(logged.join(u'\n')));
        if (category.isEmpty())
            return;
        QCOMPARE(lines[0].type, QtWarningMsg);
        QCOMPARE(lines[0].category, category);
        QVERIFY2(lines[0].message.contains(named), qPrintable(lines[0].message));
        QVERIFY2(lines[0].message.contains(why), qPrintable(lines[0].message));
        if (!keptOut.isEmpty())
            QVERIFY2(!lines[0].message.contains(keptOut), qPrintable(lines[0].message));
    }
};

QTEST_MAIN(TstLogging)
#include "tst_logging.moc"
