// The real message boxes: which of the program's windows each belongs to
// (it opens transient for that window, so a Wayland compositor keeps it
// above it), its caption, and its answer.

#include <QApplication>
#include <QAbstractButton>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "Identity.h"
#include "platform/WidgetSeams.h"

using namespace cindrel;

namespace {

/// What a box looked like while it was open.
struct SeenBox {
    QPointer<QWidget> parent;
    QWindow *transientParent = nullptr;
    QString caption;
    bool staysOnTop = false;
};

/// Opens a Yes/No box, looks at it while it is open and answers with
/// the given button.
bool askAndAnswer(SeenBox &seen, QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [&seen, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->parentWidget(), box->windowHandle()->transientParent(), box->windowTitle(),
                box->windowFlags().testFlag(Qt::WindowStaysOnTopHint)};
        box->button(answer)->click();
    });
    QtMessageBoxes boxes;
    return boxes.askYesNo(QStringLiteral("Check for an update?"));
}

} // namespace

class TstMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void belongsToTheWindowInUse_data()
    {
        QTest::addColumn<int>("shown");        // windows shown, 0 to 2
        QTest::addColumn<int>("activated");    // index of the window made active, -1 for none
        QTest::addColumn<bool>("modalDialog"); // a modal dialog open besides
        QTest::addColumn<int>("owner");        // index expected (the dialog comes last), -1 for none

        QTest::newRow("before any window") << 0 << -1 << false << -1;
        QTest::newRow("the one window, not active") << 1 << -1 << false << 0;
        QTest::newRow("none active: the one shown last") << 2 << -1 << false << 1;
        QTest::newRow("the active window") << 2 << 0 << false << 0;
        QTest::newRow("a modal dialog in use") << 1 << 0 << true << 1;
    }

    void belongsToTheWindowInUse()
    {
        QFETCH(int, shown);
        QFETCH(int, activated);
        QFETCH(bool, modalDialog);
        QFETCH(int, owner);

        std::vector<std::unique_ptr<QWidget>> windows;
        for (int i = 0; i < shown; ++i) {
            windows.push_back(std::make_unique<QWidget>());
            windows.back()->show();
            QVERIFY(QTest::qWaitForWindowExposed(windows.back().get()));
        }
        QApplication::setActiveWindow(activated >= 0 ? windows.at(activated).get() : nullptr);
        if (modalDialog) {
            auto dialog = std::make_unique<QDialog>();
            dialog->setModal(true);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
            windows.push_back(std::move(dialog));
        }
        QWidget *expected = owner >= 0 ? windows.at(owner).get() : nullptr;

        SeenBox seen;
        QVERIFY(askAndAnswer(seen, QMessageBox::Yes));
        QCOMPARE(seen.caption, applicationTitle());
        QCOMPARE(seen.parent.data(), expected);
        QCOMPARE(seen.transientParent, expected ? expected->windowHandle() : nullptr);
        QVERIFY(seen.staysOnTop);
        QVERIFY(!askAndAnswer(seen, QMessageBox::No));
    }

    void outlivesItsWindow()
    {
        // The window the box belongs to goes while the box is open: the box
        // goes with it, counts as "No", and nothing is freed twice.
        auto *window = new QWidget;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QTimer::singleShot(0, window, [window] { delete window; });
        QtMessageBoxes boxes;
        QVERIFY(!boxes.askYesNo(QStringLiteral("Check for an update?")));
    }
};

QTEST_MAIN(TstMessageBoxes)
#include "tst_messageboxes.moc"
