// The program's life with the real windows: start-up in order and the
// refusal of a second copy; closing the main window on every step of the
// test leaves only the farewell window; leaving that window ends the event
// loop once; a shutdown shows no window again.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "doubles/FakeProgram.h"
#include "links/UpdateReminder.h"
#include "ui/FrmFarewell.h"
#include "ui/FrmMain.h"

using namespace cindrel;
using namespace cindrel::testing;

namespace {

struct Program : FakeProgram {
    QPointer<FrmMain> main;

    Program()
    {
        main = new FrmMain(ctx);
        main->show();
    }
    ~Program()
    {
        delete main;
        delete farewell();
    }

    /// The farewell window, once the main window has opened it.
    static FrmFarewell *farewell()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<FrmFarewell *>(widget))
                return found;
        }
        return nullptr;
    }

    template <typename T> T *child(const char *name) const
    {
        T *found = main->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

    /// Moves the test to step 0 (details), 1 (question 3) or 2 (result).
    void goToStep(int step)
    {
        if (step == 0)
            return;
        child<QLineEdit>("txtName")->setText("Ann");
        child<QLineEdit>("txtAge")->setText("40");
        child<QPushButton>("cmdNext")->click();
        const int presses = step == 1 ? 2 : 6;
        for (int i = 0; i < presses; ++i)
            child<QPushButton>("cmdNextQuestion")->click();
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

} // namespace

class TstClosing : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void startupRunsItsStepsInOrder_data()
    {
        QTest::addColumn<bool>("endDuringReminder");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("storedDate");
        QTest::newRow("reminder answered") << false << QStringList{"reminder", "main window"} << "2026-12-07";
        // As a signal does while the reminder's box waits: no main window
        // follows, and the box closed unanswered stores nothing.
        QTest::newRow("end asked for during the reminder") << true << QStringList{"reminder"} << "2026-01-01";
    }
    void startupRunsItsStepsInOrder()
    {
        QFETCH(bool, endDuringReminder);
        QFETCH(QStringList, steps);
        QFETCH(QString, storedDate);
        FakeServices fake;
        Shutdown shutdown;
        fake.settings.values.insert(kLastReminderDateKey, QStringLiteral("2026-01-01")); // reminder due
        QStringList log;
        fake.boxes.onShow = [&](const RecordedBox &) {
            log << QStringLiteral("reminder");
            if (endDuringReminder)
                shutdown.EndApplication();
        };
        QCOMPARE(StartApplication(fake.services, shutdown, [&] { log << "main window"; }), !endDuringReminder);
        QCOMPARE(log, steps);
        QCOMPARE(fake.settings.values.value(kLastReminderDateKey), storedDate);
    }

    void secondCopyIsRefused()
    {
        FakeServices fake;
        fake.guard.running = true;
        fake.settings.values.insert(kLastReminderDateKey, QStringLiteral("2026-01-01"));
        bool shown = false;

        QVERIFY(!StartApplication(fake.services, Shutdown(), [&] { shown = true; }));
        QCOMPARE(fake.boxes.boxes,
                 (std::vector<RecordedBox>{{RecordedBox::Information, "Application is already running"}}));
        QVERIFY(!shown);
        QCOMPARE(fake.random.drawCount, 0);
    }

    void closingLeavesOnlyTheFarewellWindow_data()
    {
        // clang-format off
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("viaMenu");
        const char *steps[] = {"personal details", "question 3", "result"};
        for (int step = 0; step < 3; ++step) {
            QTest::addRow("File > Exit on %s", steps[step]) << step << true;
            QTest::addRow("close request on %s", steps[step]) << step << false;
        }
        // clang-format on
    }

    void closingLeavesOnlyTheFarewellWindow()
    {
        QFETCH(int, step);
        QFETCH(bool, viaMenu);
        Program program;
        program.goToStep(step);
        const auto questionBefore = program.dependency.QuestionNo;

        if (viaMenu)
            program.child<QAction>("mnuExit")->trigger();
        else
            QVERIFY(program.main->close());
        Program::flushDeletes();

        QVERIFY(program.main.isNull());
        QVERIFY(Program::farewell());
        QVERIFY(Program::farewell()->isVisible());
        QVERIFY(!program.shutdown.ending());
        QCOMPARE(program.dependency.QuestionNo, questionBefore); // nothing stored
        QVERIFY(program.fake.boxes.boxes.empty());
    }

    void leavingTheFarewellWindowEnds()
    {
        Program program;
        program.main->close();
        Program::flushDeletes();
        QPointer<FrmFarewell> farewell = Program::farewell();
        QVERIFY(farewell);

        QCOMPARE(execUntilEnd([&] { farewell->findChild<QPushButton *>("cmdClose")->click(); }), 0);
        QVERIFY(farewell.isNull());
        QVERIFY(program.main.isNull());
    }

    void shutdownShowsNoWindowAgain()
    {
        // Ending while the main window is open closes it without the
        // farewell window.
        Program program;
        QCOMPARE(execUntilEnd([&] { program.shutdown.EndApplication(); }), 0);
        QVERIFY(program.main.isNull());
        QVERIFY(!Program::farewell());
    }

    void shutdownWithoutWindowsEnds()
    {
        FakeProgram program;
        QCOMPARE(execUntilEnd([&] { program.shutdown.EndApplication(); }), 0);
    }
};

QTEST_MAIN(TstClosing)
#include "tst_closing.moc"
