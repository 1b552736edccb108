// The farewell window's rules: placeholders on focus changes, the address
// checks before a referral, the typed-space filter and the random choice of
// the support message.

#include <QtTest>
#include <cmath>
#include <limits>

#include "farewell/ReferralFields.h"
#include "farewell/SupportMessages.h"
#include "links/SitePages.h"

using namespace cindrel;

class TstFarewellRules : public QObject {
    Q_OBJECT

private slots:
    void focusRules_data();
    void focusRules();
    void addressChecks_data();
    void addressChecks();
    void typedSpace_data();
    void typedSpace();
    void supportMessageIndex_data();
    void supportMessageIndex();
    void supportMessagesNameTheForum();
    void promotionalParagraphs();
};

void TstFarewellRules::focusRules_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("afterFocusIn");
    QTest::addColumn<QString>("afterFocusOut");

    const int name = int(ReferralField::ReferrerName);
    const int message = int(ReferralField::ReferralMessage);
    const int friendEmail = int(ReferralField::FriendEmail);

    QTest::newRow("placeholder") << "Your Name" << name << "" << "Your Name";
    QTest::newRow("padded placeholder") << "  Your Name   " << name << "" << "  Your Name   ";
    QTest::newRow("lower-case placeholder")
        << "your name" << name << "your name" << "your name";
    QTest::newRow("empty") << "" << name << "" << "Your Name";
    QTest::newRow("spaces only") << "   " << name << "   " << "Your Name";
    QTest::newRow("name with spaces around")
        << "  Ann  " << name << "  Ann  " << "  Ann  ";
    QTest::newRow("tab before placeholder")
        << "\tYour Name" << name << "\tYour Name" << "\tYour Name";
    QTest::newRow("tab only") << "\t" << name << "\t" << "\t";
    QTest::newRow("message with line break")
        << "Your Message\r\n" << message << "Your Message\r\n" << "Your Message\r\n";
    QTest::newRow("message line break only") << "\r\n" << message << "\r\n" << "\r\n";
    QTest::newRow("message emptied") << "" << message << "" << "Your Message";
    QTest::newRow("other field's placeholder")
        << "Your Email Address" << friendEmail << "Your Email Address" << "Your Email Address";
    QTest::newRow("friend email placeholder")
        << " Friend's Email Address" << friendEmail << "" << " Friend's Email Address";
    // clang-format on
}

void TstFarewellRules::focusRules()
{
    QFETCH(QString, text);
    QFETCH(int, field);
    QFETCH(QString, afterFocusIn);
    QFETCH(QString, afterFocusOut);
    const QString placeholder = placeholderFor(static_cast<ReferralField>(field));
    QCOMPARE(textOnFocusIn(text, QStringList{placeholder}), afterFocusIn);
    QCOMPARE(textOnFocusOut(text, placeholder), afterFocusOut);
    // Leaving and entering again restores what the field showed when entered empty.
    QCOMPARE(textOnFocusIn(textOnFocusOut(QString(), placeholder), QStringList{placeholder}), QString());
}

void TstFarewellRules::addressChecks_data()
{
    // clang-format off
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("problem"); // empty: both pass

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");

    QTest::newRow("good") << "ann@example.org" << "bob@example.net" << "";
    QTest::newRow("same") << "ann@example.org" << "ann@example.org" << distinct;
    QTest::newRow("same but padded") << "ann@example.org" << "   ann@example.org  " << distinct;
    QTest::newRow("same without @ is reported as same") << "nothing" << "nothing" << distinct;
    QTest::newRow("both empty") << "" << " " << distinct;
    QTest::newRow("differ only in case") << "Ann@Example.org" << "ann@example.org" << "";
    QTest::newRow("both placeholders") << "Your Email Address" << "Friend's Email Address" << proper;
    QTest::newRow("mine without @") << "ann.example.org" << "bob@example.net" << proper;
    QTest::newRow("friend's without @") << "ann@example.org" << "bob.example.net" << proper;
    QTest::newRow("mine without dot") << "ann@example" << "bob@example.net" << proper;
    QTest::newRow("friend's without dot") << "ann@example.org" << "bob@example" << proper;
    QTest::newRow("only dot before @") << "ann.lee@example" << "bob@example.net" << "";
    QTest::newRow("dot as first character") << ".ann@example" << ".bob@host" << "";
    QTest::newRow("@ and dot anywhere") << "@." << ".@" << "";
    QTest::newRow("tab makes addresses differ") << "a@b.c" << "a@b.c\t" << "";
    // clang-format on
}

void TstFarewellRules::addressChecks()
{
    QFETCH(QString, email);
    QFETCH(QString, friendEmail);
    QFETCH(QString, problem);
    const std::optional<QString> found = addressProblem(email, friendEmail);
    QCOMPARE(found.value_or(QString()), problem);
    QCOMPARE(found.has_value(), !problem.isEmpty());
}

void TstFarewellRules::typedSpace_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("space");

    QTest::newRow("space") << " " << int(Qt::NoModifier) << true;
    QTest::newRow("shift space") << " " << int(Qt::ShiftModifier) << true;
    QTest::newRow("keypad space") << " " << int(Qt::KeypadModifier) << true;
    QTest::newRow("ctrl space types nothing") << " " << int(Qt::ControlModifier) << false;
    QTest::newRow("ctrl shift space types nothing")
        << " " << int(Qt::ControlModifier | Qt::ShiftModifier) << false;
    QTest::newRow("alt space types a space") << " " << int(Qt::AltModifier) << true;
    QTest::newRow("altgr space types a space")
        << " " << int(Qt::ControlModifier | Qt::AltModifier) << true;
    QTest::newRow("letter") << "a" << int(Qt::NoModifier) << false;
    QTest::newRow("no text (arrow, Delete)") << "" << int(Qt::NoModifier) << false;
    QTest::newRow("no-break space") << QString::fromUtf8("\u00a0") << int(Qt::NoModifier) << false;
    QTest::newRow("tab") << "\t" << int(Qt::NoModifier) << false;
    // clang-format on
}

void TstFarewellRules::typedSpace()
{
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(bool, space);
    QCOMPARE(typesSpace(text, Qt::KeyboardModifiers(modifiers)), space);
}

void TstFarewellRules::supportMessageIndex_data()
{
    // clang-format off
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("index");

    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("just below a quarter") << std::nextafter(0.25f, 0.0f) << 0;
    QTest::newRow("a quarter") << 0.25f << 1;
    QTest::newRow("a half") << 0.5f << 2;
    QTest::newRow("three quarters") << 0.75f << 3;
    QTest::newRow("largest draw below 1") << std::nextafter(1.0f, 0.0f) << 3;
    QTest::newRow("1 is clamped") << 1.0f << 3;
    QTest::newRow("far above 1") << 1e30f << 3;
    QTest::newRow("infinity") << std::numeric_limits<float>::infinity() << 3;
    QTest::newRow("negative") << -0.1f << 0;
    QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << 0;
    QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << 0;
    // clang-format on
}

void TstFarewellRules::supportMessageIndex()
{
    QFETCH(float, r);
    QFETCH(int, index);
    QCOMPARE(cindrel::supportMessageIndex(r), index);
}

void TstFarewellRules::supportMessagesNameTheForum()
{
    QStringList seen;
    for (int i = 0; i < kSupportMessageCount; ++i) {
        const QString text = supportMessage(i);
        QVERIFY2(text.contains(forumAddress()), qPrintable(text));
        QVERIFY2(text.size() > 100 && text.size() < 300, qPrintable(text));
        QVERIFY(!seen.contains(text));
        seen << text;
    }
    QCOMPARE(supportMessage(-1), seen.first());
    QCOMPARE(supportMessage(kSupportMessageCount), seen.last());
    QVERIFY(visitForumCaption().contains(forumAddress()));
    QVERIFY(!visitForumCaption().contains(u'&')); // a check box would read it as an access key
}

void TstFarewellRules::promotionalParagraphs()
{
    const QString text = promotionalText();
    const QString run(61, u' ');
    QCOMPARE(text.count(run), 1);
    QVERIFY(!text.contains(run + u' '));
    QVERIFY(text.contains(QString::fromUtf8("the world\u2019s largest")));
    QVERIFY(text.startsWith(QLatin1String("If you have enjoyed this software")));
    QVERIFY(text.endsWith(QLatin1String("with your friends and family. ")));

    // Shown with the run of spaces as one line break, and nothing else changed.
    const QString shown = promotionalTextForDisplay();
    QCOMPARE(shown.count(u'\n'), 1);
    QVERIFY(!shown.contains(QLatin1String("  ")));
    QString expected = text;
    expected.replace(run, QStringLiteral("\n"));
    QCOMPARE(shown, expected);
    QVERIFY(shown.section(u'\n', 1).startsWith(QLatin1String("All the programs")));
}

QTEST_APPLESS_MAIN(TstFarewellRules)
#include "tst_farewellrules.moc"
