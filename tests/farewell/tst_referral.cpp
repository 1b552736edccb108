// The refer-a-friend request: which value stops it, and the URL it hands on.

#include <QUrl>
#include <QUrlQuery>
#include <QtTest>

#include "doubles/Doubles.h"
#include "doubles/SiteUrls.h"
#include "farewell/ReferralFields.h"
#include "farewell/modTellAFriend.h"

using namespace cindrel;
using cindrel::testing::expectedEncodedSiteUrl;
using cindrel::testing::expectedPageUrl;
using cindrel::testing::RecordedBox;
using cindrel::testing::RecordingBrowser;
using cindrel::testing::RecordingMessageBoxes;

namespace {

struct Referral {
    QString name, email, message, friendName, friendEmail;
};

const Referral kGood{QStringLiteral("Ann"), QStringLiteral("ann@example.org"), QStringLiteral("Try this"),
                     QStringLiteral("Bob"), QStringLiteral("bob@example.net")};

void fill(modTellAFriend &m, const Referral &r)
{
    m.ReferrerName = r.name;
    m.ReferrerEmail = r.email;
    m.ReferralMessage = r.message;
    m.FriendName = r.friendName;
    m.FriendEmail = r.friendEmail;
}

} // namespace

Q_DECLARE_METATYPE(Referral)

class TstReferral : public QObject {
    Q_OBJECT

private slots:
    void checksStopAtFirstMissingValue_data();
    void checksStopAtFirstMissingValue();
    void urlForPlainValues_data();
    void urlForPlainValues();
    void hostileValuesArriveIntact_data();
    void hostileValuesArriveIntact();
};

void TstReferral::checksStopAtFirstMissingValue_data()
{
    // clang-format off
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("message"); // empty: the request is sent

    auto with = [](auto change) {
        Referral r = kGood;
        change(r);
        return r;
    };

    QTest::newRow("all entered") << kGood << QString();
    // Every field full to its bound with characters that take the most room
    // in a URL (three UTF-8 bytes, each written as %XX) still opens.
    const QChar widest(0x20AC);
    QTest::newRow("every field full of the widest characters") << Referral{
        QString(kMaxReferralNameLength, widest), QString(kMaxEmailLength, widest),
        QString(kMaxMessageLength, widest), QString(kMaxReferralNameLength, widest),
        QString(kMaxEmailLength, widest)} << QString();
    // Longer than any field allows: refused, not handed on to fail in silence.
    QTest::newRow("too long for the browser")
        << with([widest](Referral &r) { r.message = QString(20000, widest); }) << "Your Referral Is Too Long To Send";
    // The browser takes a URL of at most 131071 characters: a message that
    // brings it to exactly that opens, one character more is refused.
    const qsizetype room = 131071 - (expectedPageUrl("qxvl-refer-a-friend")
                                     + "&taf1=Ann&taf2=ann%40example.org&taf3=&taf4=Bob&taf5=bob%40example.net&taf6="
                                     + expectedEncodedSiteUrl()).size();
    QTest::newRow("URL at the browser's limit") << with([room](Referral &r) { r.message = QString(room, u'x'); })
                                                << QString();
    QTest::newRow("URL one past the browser's limit")
        << with([room](Referral &r) { r.message = QString(room + 1, u'x'); }) << "Your Referral Is Too Long To Send";
    QTest::newRow("name empty") << with([](Referral &r) { r.name.clear(); })
                                << "Please Enter Your Name";
    QTest::newRow("name placeholder") << with([](Referral &r) { r.name = "Your Name"; })
                                      << "Please Enter Your Name";
    QTest::newRow("name placeholder padded")
        << with([](Referral &r) { r.name = "   Your Name  "; }) << "Please Enter Your Name";
    QTest::newRow("name blanks only") << with([](Referral &r) { r.name = "     "; })
                                      << "Please Enter Your Name";
    QTest::newRow("name placeholder lower case")
        << with([](Referral &r) { r.name = "your name"; }) << QString();
    QTest::newRow("name tab only is entered") << with([](Referral &r) { r.name = "\t"; })
                                              << QString();
    QTest::newRow("name missing beats all others")
        << Referral{"", "Your Email Address", "Your Message", "Friend's Name",
                    "Friend's Email Address"}
        << "Please Enter Your Name";
    QTest::newRow("email placeholder")
        << with([](Referral &r) { r.email = "Your Email Address"; }) << "Please Enter Your Email";
    QTest::newRow("email blanks, later values missing too")
        << with([](Referral &r) {
               r.email = "  ";
               r.friendName.clear();
           })
        << "Please Enter Your Email";
    QTest::newRow("message placeholder")
        << with([](Referral &r) { r.message = "Your Message"; }) << "Please Enter Your Message";
    QTest::newRow("message empty") << with([](Referral &r) { r.message.clear(); })
                                   << "Please Enter Your Message";
    QTest::newRow("message placeholder with line break is entered")
        << with([](Referral &r) { r.message = "Your Message\r\n"; }) << QString();
    QTest::newRow("friend name placeholder")
        << with([](Referral &r) { r.friendName = "Friend's Name"; })
        << "Please Enter Your Friend's Name";
    QTest::newRow("friend name upper case passes")
        << with([](Referral &r) { r.friendName = "FRIEND'S NAME"; }) << QString();
    QTest::newRow("friend email placeholder")
        << with([](Referral &r) { r.friendEmail = "Friend's Email Address"; })
        << "Please Enter Your Friend's Email";
    QTest::newRow("friend email blanks")
        << with([](Referral &r) { r.friendEmail = " "; }) << "Please Enter Your Friend's Email";
    // clang-format on
}

void TstReferral::checksStopAtFirstMissingValue()
{
    QFETCH(Referral, referral);
    QFETCH(QString, message);

    RecordingMessageBoxes boxes;
    RecordingBrowser browser;
    modTellAFriend m;
    fill(m, referral);
    const QString previous = QStringLiteral("http://previous.example/");
    m.ReferralUrl = previous;

    m.SubmitReferral(boxes, browser);

    if (message.isEmpty()) {
        QVERIFY(boxes.boxes.empty());
        QCOMPARE(m.ReferralUrl, buildReferralUrl(m));
        QCOMPARE(browser.urls, QStringList{m.ReferralUrl});
        QVERIFY(m.ReferralUrl.toUtf8().size() <= kMaxReferralUrlLength);
    } else {
        QCOMPARE(boxes.boxes.size(), size_t(1));
        QCOMPARE(boxes.boxes.front(), (RecordedBox{RecordedBox::Critical, message}));
        QCOMPARE(m.ReferralUrl, previous);
        QVERIFY(browser.urls.isEmpty());
    }
    // The record's values are the caller's: the check never rewrites them.
    QCOMPARE(m.ReferrerName, referral.name);
    QCOMPARE(m.ReferrerEmail, referral.email);
    QCOMPARE(m.ReferralMessage, referral.message);
    QCOMPARE(m.FriendName, referral.friendName);
    QCOMPARE(m.FriendEmail, referral.friendEmail);
}

void TstReferral::urlForPlainValues_data()
{
    // clang-format off
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("query"); // what follows the page key, up to taf6's value

    QTest::newRow("plain") << kGood
                           << "&taf1=Ann&taf2=ann%40example.org&taf3=Try%20this"
                              "&taf4=Bob&taf5=bob%40example.net";
    QTest::newRow("untouched message with line break")
        << Referral{"Ann", "ann@example.org", "Your Message\r\n", "Bob", "bob@example.net"}
        << "&taf1=Ann&taf2=ann%40example.org&taf3=Your%20Message%0D%0A"
           "&taf4=Bob&taf5=bob%40example.net";
    QTest::newRow("unreserved marks stay, blanks kept")
        << Referral{" A-n_n.~ ", "a.b@c.d", "ok", "B", "x@y.z"}
        << "&taf1=%20A-n_n.~%20&taf2=a.b%40c.d&taf3=ok&taf4=B&taf5=x%40y.z";
    // clang-format on
}

void TstReferral::urlForPlainValues()
{
    QFETCH(Referral, referral);
    QFETCH(QString, query);

    RecordingMessageBoxes boxes;
    RecordingBrowser browser;
    modTellAFriend m;
    fill(m, referral);
    m.SubmitReferral(boxes, browser);

    const QString expected = expectedPageUrl("qxvl-refer-a-friend") + query
                             + "&taf6=" + expectedEncodedSiteUrl();
    QCOMPARE(m.ReferralUrl, expected);
    QCOMPARE(browser.urls, QStringList{expected});
}

void TstReferral::hostileValuesArriveIntact_data()
{
    // clang-format off
    QTest::addColumn<Referral>("referral");

    QTest::newRow("ampersand and equals")
        << Referral{"Tom & Jerry", "a=b@c.d", "x&y=z", "Q&A", "f@g.h"};
    QTest::newRow("hash, percent, plus")
        << Referral{"#1 fan", "100%@x.y", "a+b=c #tag %20 %", "C++", "p+q@r.s"};
    QTest::newRow("forged parameter")
        << Referral{"&taf6=evil", "a@b.c", "&page=home-page", "?x=1", "d@e.f&taf7=1"};
    QTest::newRow("blanks and line breaks")
        << Referral{"  Ann  Lee ", "a@b.c", "line one\r\nline two\n\tend\r", "Bob", "d@e.f"};
    QTest::newRow("accented and CJK")
        << Referral{QString::fromUtf8("Zo\u00eb"), QString::fromUtf8("zo\u00eb@exampl\u00e9.fr"),
                    QString::fromUtf8("\u540d\u524d \u2019quoted\u2019 \U0001F600"),
                    QString::fromUtf8("\u540d\u524d"), "d@e.f"};
    QTest::newRow("slashes and question marks")
        << Referral{"a/b?c", "a@b.c", "http://evil.example/?q=1;x", "..", "d@e.f"};
    // clang-format on
}

void TstReferral::hostileValuesArriveIntact()
{
    QFETCH(Referral, referral);

    RecordingMessageBoxes boxes;
    RecordingBrowser browser;
    modTellAFriend m;
    fill(m, referral);
    m.SubmitReferral(boxes, browser);

    QVERIFY(boxes.boxes.empty());
    QCOMPARE(browser.urls.size(), 1);
    const QString sent = browser.urls.front();
    QCOMPARE(sent, m.ReferralUrl);
    QVERIFY(sent.startsWith(expectedPageUrl("qxvl-refer-a-friend") + "&taf1="));

    // Nothing that could break the URL apart is left as it stands.
    for (QChar c : sent) {
        QVERIFY2(c.unicode() > 32 && c.unicode() < 127, qPrintable(sent));
        QVERIFY2(c != u'#' && c != u'+' && c != u' ', qPrintable(sent));
    }

    // The URL survives the trip through QUrl that the browser hand-off makes.
    const QUrl url(sent, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.toString(QUrl::FullyEncoded), sent);
    QVERIFY(!url.hasFragment());

    // The page script's ordinary decoding yields exactly what was entered,
    // under exactly the expected keys and in order.
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    const QList<QPair<QString, QString>> expected{
        {"page", "qxvl-refer-a-friend"},
        {"taf1", referral.name},
        {"taf2", referral.email},
        {"taf3", referral.message},
        {"taf4", referral.friendName},
        {"taf5", referral.friendEmail},
        {"taf6", cindrel::testing::expectedSiteUrl()},
    };
    QCOMPARE(items, expected);
}

QTEST_APPLESS_MAIN(TstReferral)
#include "tst_referral.moc"
