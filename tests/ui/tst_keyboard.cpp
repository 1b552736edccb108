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

/// The window of a row, shown and active, with the control that first
/// holds the focus.
struct Opened {
    QPointer<QWidget> window;
    QString firstFocus;
};

Opened open(FakeProgram &program, const QString &form, float draw)
{
    Opened opened;
    if (form == QLatin1String("main")) {
        auto *main = new FrmMain(program.ctx);
        program.fake.random.draws = {draw};
        main->show();
        main->CoBrand_Randomize();
        opened = {main, QStringLiteral("txtName")};
    } else if (form == QLatin1String("about")) {
        auto *about = new FrmAbout(program.ctx);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        opened = {about, QStringLiteral("cmdOK")};
    } else {
        opened = {new FrmFarewell(program.ctx), QStringLiteral("cmdClose")};
        opened.window->show();
    }
    QApplication::setActiveWindow(opened.window);
    if (!QTest::qWaitForWindowActive(opened.window))
        opened.window = nullptr;
    return opened;
}

QString focusName()
{
    QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

/// Whether the focus frame shows along the label's left edge.
bool showsFocusFrame(QWidget *label)
{
    const QImage image = label->grab().toImage();
    return image.pixelColor(1, image.height() / 2) == kYellow;
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
        const Opened opened = open(program, form, draw);
        QVERIFY(opened.window);
        const auto cleanup = qScopeGuard([&] { delete opened.window.data(); });
        QCOMPARE(focusName(), opened.firstFocus);

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
        if (isLink && opened.window && opened.window->isVisible()) {
            // Held down: the repeats open nothing more and close nothing.
            QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
            QApplication::sendEvent(target, &repeat);
        }
        if (opened.window)
            QTest::keyRelease(target, Qt::Key(key), modifiers);

        const QStringList expected = page == kNoPage ? QStringList() : QStringList{pageUrl(page)};
        QCOMPARE(program.fake.browser.urls, expected);
        QCOMPARE(opened.window && opened.window->isVisible(), staysOpen);
        if (staysOpen && page != kNoPage) {
            QCOMPARE(focusName(), focus);
            QCOMPARE(QApplication::activeWindow(), opened.window.data());
        }
        QVERIFY(program.fake.boxes.boxes.empty());
    }

    void bannerFocusFollowsTheFront()
    {
        // The label in front alone takes the focus; should it change while
        // the one in front has the focus, the focus moves with it.
        FakeProgram program;
        const Opened opened = open(program, QStringLiteral("main"), 0.0f);
        QVERIFY(opened.window);
        const auto cleanup = qScopeGuard([&] { delete opened.window.data(); });
        auto *cobrand = opened.window->findChild<QWidget *>(QStringLiteral("lblCobrand"));
        auto *fullBrand = opened.window->findChild<QWidget *>(QStringLiteral("lblFullBrand"));
        QCOMPARE(fullBrand->focusPolicy(), Qt::NoFocus);
        cobrand->setFocus(Qt::TabFocusReason);
        program.fake.random.draws = {0.99f};
        static_cast<FrmMain *>(opened.window.data())->CoBrand_Randomize();
        QCOMPARE(cobrand->focusPolicy(), Qt::NoFocus);
        QCOMPARE(focusName(), QStringLiteral("lblFullBrand"));
        QVERIFY(!showsFocusFrame(cobrand));
    }
};

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
