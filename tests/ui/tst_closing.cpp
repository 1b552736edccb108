// Closing the main window with the real forms: on every step of the test,
// File > Exit and a close request leave only the farewell window, and
// leaving that window ends the program once.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "doubles/FakeProgram.h"
#include "ui/FrmFarewell.h"
#include "ui/FrmMain.h"

using namespace cindrel;
using namespace cindrel::testing;

namespace {

struct Program : FakeProgram {
    QPointer<FrmFarewell> farewell;
    QPointer<FrmMain> main;

    Program()
    {
        ctx.showFarewell = [this] {
            farewell = new FrmFarewell(ctx);
            farewell->show();
            return farewell->isVisible();
        };
        main = new FrmMain(ctx);
        main->show();
    }
    ~Program()
    {
        delete main;
        delete farewell;
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
        QVERIFY(!program.farewell.isNull());
        QVERIFY(program.farewell->isVisible());
        QCOMPARE(program.forms.forms().size(), size_t(1));
        QCOMPARE(program.fake.process.ends, 0);
        QCOMPARE(program.dependency.QuestionNo, questionBefore); // nothing stored
        QVERIFY(program.fake.boxes.boxes.empty());
    }

    void leavingTheFarewellWindowEndsOnce_data()
    {
        // clang-format off
        QTest::addColumn<bool>("viaExitButton");
        QTest::newRow("E&xit") << true;
        QTest::newRow("close request") << false;
        // clang-format on
    }

    void leavingTheFarewellWindowEndsOnce()
    {
        QFETCH(bool, viaExitButton);
        Program program;
        program.main->close();
        Program::flushDeletes();
        QVERIFY(program.farewell);

        if (viaExitButton)
            program.farewell->findChild<QPushButton *>("cmdClose")->click();
        else
            program.farewell->close();
        Program::flushDeletes();

        QCOMPARE(program.fake.process.ends, 1);
        QVERIFY(program.forms.forms().empty());
        QVERIFY(program.farewell.isNull());
    }
};

QTEST_MAIN(TstClosing)
#include "tst_closing.moc"
