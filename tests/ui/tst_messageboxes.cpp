// The real message boxes: the program's window each belongs to and opens
// transient for (a Wayland compositor keeps it above that window).

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "Identity.h"
#include "ui/WidgetSeams.h"

using namespace cindrel;

class TstMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void belongsToTheWindowInUse_data()
    {
        // clang-format off
        QTest::addColumn<int>("shown");     // plain windows shown, in order
        QTest::addColumn<int>("activated"); // the one made active, -1 for none
        QTest::addColumn<bool>("dialog");   // then a modal dialog shown
        QTest::addColumn<int>("owner");     // the box's window (the dialog last), -1 for none
        QTest::addColumn<bool>("yes");      // the answer given
        QTest::newRow("before any window") << 0 << -1 << false << -1 << true;
        QTest::newRow("none active: the one shown last") << 2 << -1 << false << 1 << false;
        QTest::newRow("the active window") << 2 << 0 << false << 0 << true;
        QTest::newRow("a modal dialog in use") << 1 << 0 << true << 1 << false;
        // clang-format on
    }
    void belongsToTheWindowInUse()
    {
        QFETCH(int, shown);
        QFETCH(int, activated);
        QFETCH(bool, dialog);
        QFETCH(int, owner);
        QFETCH(bool, yes);
        std::vector<std::unique_ptr<QWidget>> windows;
        const auto show = [&windows](std::unique_ptr<QWidget> window) {
            window->show();
            windows.push_back(std::move(window));
            return QTest::qWaitForWindowExposed(windows.back().get());
        };
        for (int i = 0; i < shown; ++i)
            QVERIFY(show(std::make_unique<QWidget>()));
        QApplication::setActiveWindow(activated >= 0 ? windows.at(activated).get() : nullptr);
        if (dialog) {
            auto modal = std::make_unique<QDialog>();
            modal->setModal(true);
            QVERIFY(show(std::move(modal)));
        }

        // Looked at while the box is open, then answered.
        QWidget *parent = nullptr;
        QWindow *transientParent = nullptr;
        QString caption;
        bool staysOnTop = false;
        QTimer::singleShot(0, [&, yes] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            parent = box->parentWidget();
            transientParent = box->windowHandle()->transientParent();
            caption = box->windowTitle();
            staysOnTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QCOMPARE(QtMessageBoxes().askYesNo(QStringLiteral("Check for an update?")), yes);

        QWidget *expected = owner >= 0 ? windows.at(owner).get() : nullptr;
        QCOMPARE(parent, expected);
        QCOMPARE(transientParent, expected ? expected->windowHandle() : nullptr);
        QCOMPARE(caption, applicationTitle());
        QVERIFY(staysOnTop); // kept for X11
    }

    void goesWithItsWindow()
    {
        // The window goes while its box is open: the box goes too, counts
        // as No, and nothing is freed twice.
        auto *window = new QWidget;
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        bool wentWithIt = false;
        QTimer::singleShot(0, window, [window, &wentWithIt] {
            QPointer<QWidget> box = QApplication::activeModalWidget();
            delete window;
            wentWithIt = box.isNull();
            if (box)
                box->close(); // let the test go on
        });
        QVERIFY(!QtMessageBoxes().askYesNo(QStringLiteral("Check for an update?")));
        QVERIFY(wentWithIt);
    }
};

QTEST_MAIN(TstMessageBoxes)
#include "tst_messageboxes.moc"
