// Site page URLs and their hand-off to the browser, and the random choice of
// the promotional label in front.

#include <QtTest>
#include <cmath>
#include <limits>

#include "Identity.h"
#include "doubles/Doubles.h"
#include "doubles/SiteUrls.h"
#include "links/CoBrand.h"
#include "links/SitePages.h"

using namespace cindrel;

Q_DECLARE_METATYPE(cindrel::SitePage)

class TstSitePages : public QObject {
    Q_OBJECT

private slots:
    void pages_data()
    {
        // clang-format off
        QTest::addColumn<SitePage>("page");
        QTest::addColumn<QString>("key");
        QTest::newRow("velmorsoftwares") << SitePage::velmorsoftwares << "velmorsoftwares";
        QTest::newRow("donate") << SitePage::donate << "donate";
        QTest::newRow("help-web-page") << SitePage::help_web_page << "help-web-page";
        QTest::newRow("fully-branded") << SitePage::fully_branded << "fully-branded";
        QTest::newRow("co-brand") << SitePage::co_brand << "co-brand";
        QTest::newRow("home-page") << SitePage::home_page << "home-page";
        QTest::newRow("download-web-page") << SitePage::download_web_page << "download-web-page";
        QTest::newRow("qxvl-refer-a-friend") << SitePage::refer_a_friend << "qxvl-refer-a-friend";
        // clang-format on
    }

    void pages()
    {
        QFETCH(SitePage, page);
        QFETCH(QString, key);
        // HTTPS, the product path, the page script, the key, and nothing after it.
        const QString expected = testing::expectedPageUrl(key);
        QCOMPARE(QLatin1String(sitePageRow(page).key), key);
        QCOMPARE(pageUrl(page), expected);

        // Every opening is handed on, repeats included.
        testing::RecordingBrowser browser;
        OpenSitePage(browser, page);
        OpenSitePage(browser, page);
        QCOMPARE(browser.urls, QStringList(2, expected));
    }

    void forumAddressHasNoScheme()
    {
        // A bare host name: no scheme, no path, not empty.
        static const QRegularExpression host(QStringLiteral("^[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)+$"));
        QVERIFY2(host.match(forumAddress()).hasMatch(), qPrintable(forumAddress()));
    }

    void windowTitleIsNameAndVersion()
    {
        QCOMPARE(applicationTitle(), QStringLiteral("Cindrel"));
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9]+$")).match(applicationVersion()).hasMatch(),
                 qPrintable(applicationVersion()));
        QCOMPARE(programWindowTitle(), QStringLiteral("Cindrel v") + applicationVersion());
    }

    void coBrandNumber_data()
    {
        // clang-format off
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("fullBrand");
        QTest::newRow("r = 0") << 0.0f << 1 << false;
        QTest::newRow("just below 1/6") << std::nextafter(1.0f / 6.0f, 0.0f) << 1 << false;
        QTest::newRow("1/6") << 1.0f / 6.0f << 2 << true;
        QTest::newRow("0.4") << 0.4f << 3 << false;
        QTest::newRow("0.5") << 0.5f << 4 << true;
        QTest::newRow("0.75") << 0.75f << 5 << false;
        QTest::newRow("just below 1") << std::nextafter(1.0f, 0.0f) << 6 << true;
        // Draws that should never come still land on 1 to 6.
        QTest::newRow("1.0") << 1.0f << 6 << true;
        QTest::newRow("+inf") << std::numeric_limits<float>::infinity() << 6 << true;
        QTest::newRow("-0.3") << -0.3f << 1 << false;
        QTest::newRow("-inf") << -std::numeric_limits<float>::infinity() << 1 << false;
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 1 << false;
        // clang-format on
    }

    void coBrandNumber()
    {
        QFETCH(float, r);
        QFETCH(int, n);
        QFETCH(bool, fullBrand);
        QCOMPARE(cindrel::coBrandNumber(r), n);
        QCOMPARE(fullBrandInFront(cindrel::coBrandNumber(r)), fullBrand);
    }
};

QTEST_APPLESS_MAIN(TstSitePages)
#include "tst_sitepages.moc"
