// Every window by keyboard alone: Tab and Shift+Tab from the control that
// holds the focus when the window opens reach its links, which show their
// focus frame and open their page on Enter, Return or Space, once however
// long the key is held, and leave the window as it was.

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QtTest>

#include "doubles/FakeProgram.h"
#include "links/SitePages.h"
#include "ui/FrmAbout.h"
#include "ui/FrmFarewell.h"
#include "ui/FrmMain.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"

using namespace cindrel;
using cindrel::testing::FakeProgram;

Q_DECLARE_METATYPE(cindrel::SitePage)

namespace {

constexpr int kEnter = Qt::Key_Enter; // on the keypad
constexpr auto kNoPage = static_cast<SitePage>(-1);

/// Opens the window of a row, shown and active; null if it cannot be activated.
QWidget *open(FakeProgram &program, const QString &form, float draw)
{
    QWidget *window = nullptr;
    if (form == QLatin1String("main")) {
        auto *main = new FrmMain(program.ctx);
        program.fake.random.draws = {draw};
        main->CoBrand_Randomize();
        window = main;
    } else if (form == QLatin1String("about")) {
        window = new FrmAbout(program.ctx);
        window->setAttribute(Qt::WA_DeleteOnClose);
    } else {
        window = new FrmFarewell(program.ctx);
    }
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

/// Whether the focus frame crosses the label's middle line.
bool showsFocusFrame(QWidget *label)
{
    const QImage image = label->grab().toImage();
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, image.height() / 2) == kYellow)
            return true;
    }
    return false;
}

} // namespace

class TstKeyboard : public QObject {
    Q_OBJECT

private slots:
    void linksByKeyboard_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<float>("draw"); // decides the banner label in front
        QTest::addColumn<int>("tabs");   // below zero: Shift+Tab
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<SitePage>("page");
        QTest::addColumn<bool>("staysOpen");

        const int ret = Qt::Key_Return, space = Qt::Key_Space;
        // The links follow the controls of the steps; the banner label
        // behind is passed over both ways.
        QTest::newRow("main: forum after Start test") << "main" << 0.0f << 4 << "Label14" << ret
                                                      << SitePage::home_page << true;
        QTest::newRow("main: co-brand in front") << "main" << 0.0f << 5 << "lblCobrand" << space
                                                 << SitePage::co_brand << true;
        QTest::newRow("main: back to co-brand") << "main" << 0.0f << -1 << "lblCobrand" << kEnter
                                                << SitePage::co_brand << true;
        QTest::newRow("main: full brand in front") << "main" << 0.99f << 5 << "lblFullBrand" << ret
                                                   << SitePage::fully_branded << true;
        // Enter on a link opens it and keeps the dialog; on OK it closes.
        QTest::newRow("about: forum") << "about" << 0.0f << 1 << "lblHomePage" << ret << SitePage::home_page
                                      << true;
        QTest::newRow("about: details") << "about" << 0.0f << 2 << "lblCoBrand" << kEnter
                                        << SitePage::fully_branded << true;
        QTest::newRow("about: back to details") << "about" << 0.0f << -1 << "lblCoBrand" << space
                                                << SitePage::fully_branded << true;
        QTest::newRow("about: OK closes") << "about" << 0.0f << 3 << "cmdOK" << ret << kNoPage << false;
        QTest::newRow("about: Escape on a link") << "about" << 0.0f << 1 << "lblHomePage"
                                                 << int(Qt::Key_Escape) << kNoPage << false;
        QTest::newRow("farewell: after the message") << "farewell" << 0.0f << 8 << "lblGoToHome" << ret
                                                     << SitePage::velmorsoftwares << true;
        QTest::newRow("farewell: back from Exit") << "farewell" << 0.0f << -1 << "lblGoToHome" << space
                                                  << SitePage::velmorsoftwares << true;
    }
    void linksByKeyboard()
    {
        QFETCH(QString, form);
        QFETCH(float, draw);
        QFETCH(int, tabs);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(SitePage, page);
        QFETCH(bool, staysOpen);
        FakeProgram program;
        const QPointer<QWidget> window = open(program, form, draw);
        QVERIFY(window);
        const auto cleanup = qScopeGuard([&] { delete window.data(); });
        // The control that holds the focus when the window opens.
        const QHash<QString, QString> first{{"main", "txtName"}, {"about", "cmdOK"}, {"farewell", "cmdClose"}};
        QCOMPARE(focusName(), first.value(form));

        for (int i = 0; i < std::abs(tabs); ++i)
            QTest::keyClick(QApplication::focusWidget(), tabs > 0 ? Qt::Key_Tab : Qt::Key_Backtab,
                            tabs > 0 ? Qt::NoModifier : Qt::ShiftModifier);
        QCOMPARE(focusName(), focus);
        QWidget *target = QApplication::focusWidget();
        const bool isLink = qobject_cast<LinkLabel *>(target);
        if (isLink)
            QVERIFY(showsFocusFrame(target));

        const Qt::KeyboardModifiers modifiers = key == kEnter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyPress(target, Qt::Key(key), modifiers);
        if (isLink && window && window->isVisible()) {
            // Held down: the repeats open nothing more and close nothing.
            QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
            QApplication::sendEvent(target, &repeat);
        }
        if (window)
            QTest::keyRelease(target, Qt::Key(key), modifiers);

        const QStringList expected = page == kNoPage ? QStringList() : QStringList{pageUrl(page)};
        QCOMPARE(program.fake.browser.urls, expected);
        QCOMPARE(window && window->isVisible(), staysOpen);
        if (staysOpen && page != kNoPage) {
            QCOMPARE(focusName(), focus);
            QCOMPARE(QApplication::activeWindow(), window.data());
        }
        QVERIFY(program.fake.boxes.boxes.empty());
    }
};

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
