// Each window by keyboard alone: Tab and Shift+Tab from the control focused
// on opening reach its links, which show their focus frame and open their page
// once on Enter, Return or Space, held or not, leaving the window as it was.

#include <QApplication>
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

constexpr auto kNoPage = static_cast<SitePage>(-1);

QWidget *build(FakeProgram &program, const QString &form)
{
    if (form == QLatin1String("about"))
        return new FrmAbout(program.fake.browser);
    if (form == QLatin1String("farewell"))
        return new FrmFarewell(program.ctx);
    auto *main = new FrmMain(program.ctx);
    main->CoBrand_Randomize();
    return main;
}

QString focusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

/// Whether the yellow focus frame crosses the widget's middle line.
bool showsFocusFrame(QWidget *widget)
{
    const QImage image = widget->grab().toImage();
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
        // clang-format off
        QTest::addColumn<QString>("form");
        QTest::addColumn<float>("draw"); // 0: co-branding in front, 0.99: full brand
        QTest::addColumn<int>("tabs");   // below zero: Shift+Tab
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<SitePage>("page"); // none: the window closes
        const int ret = Qt::Key_Return, enter = Qt::Key_Enter, space = Qt::Key_Space, esc = Qt::Key_Escape;
        // The links come after the listed controls; the banner label behind
        // is passed over either way round.
        QTest::newRow("main forum") << "main" << 0.f << 4 << "Label14" << ret << SitePage::home_page;
        QTest::newRow("main co-brand") << "main" << 0.f << -1 << "lblCobrand" << space << SitePage::co_brand;
        QTest::newRow("main full brand") << "main" << .99f << 5 << "lblFullBrand" << enter << SitePage::fully_branded;
        QTest::newRow("about forum") << "about" << 0.f << 1 << "lblHomePage" << ret << SitePage::home_page;
        QTest::newRow("about details") << "about" << 0.f << -2 << "lblCoBrand" << enter << SitePage::fully_branded;
        QTest::newRow("about OK") << "about" << 0.f << 4 << "cmdOK" << ret << kNoPage;
        QTest::newRow("about Escape on link") << "about" << 0.f << 2 << "lblCoBrand" << esc << kNoPage;
        QTest::newRow("farewell link") << "farewell" << 0.f << 8 << "lblGoToHome" << space << SitePage::velmorsoftwares;
        QTest::newRow("farewell back") << "farewell" << 0.f << -1 << "lblGoToHome" << ret << SitePage::velmorsoftwares;
        // clang-format on
    }
    void linksByKeyboard()
    {
        QFETCH(QString, form);
        QFETCH(float, draw);
        QFETCH(int, tabs);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(SitePage, page);
        FakeProgram program;
        program.fake.random.draws = {draw};
        const QPointer<QWidget> window = build(program, form);
        const auto cleanup = qScopeGuard([&] { delete window.data(); });
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        const QHash<QString, QString> first{{"main", "txtName"}, {"about", "cmdOK"}, {"farewell", "cmdClose"}};
        QCOMPARE(focusName(), first.value(form));

        for (int i = 0; i < std::abs(tabs); ++i)
            QTest::keyClick(QApplication::focusWidget(), tabs > 0 ? Qt::Key_Tab : Qt::Key_Backtab,
                            tabs > 0 ? Qt::NoModifier : Qt::ShiftModifier);
        QCOMPARE(focusName(), focus);
        QWidget *target = QApplication::focusWidget();
        QCOMPARE(showsFocusFrame(target), bool(qobject_cast<LinkLabel *>(target)));

        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(target, Qt::Key(key), modifiers);
        if (page == kNoPage) {
            QVERIFY(!window || !window->isVisible());
            QVERIFY(program.fake.browser.urls.isEmpty());
            return;
        }
        // Held down, the key repeats: nothing more opens and nothing closes.
        QKeyEvent repeat(QEvent::KeyPress, key, modifiers, QString(), true);
        QApplication::sendEvent(target, &repeat);
        QCOMPARE(program.fake.browser.urls, QStringList{pageUrl(page)});
        QVERIFY(window->isVisible());
        QCOMPARE(focusName(), focus);
    }
};

QTEST_MAIN(TstKeyboard)
#include "tst_keyboard.moc"
