// The farewell window driven through its real widgets, with doubled services.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <cmath>
#include <memory>

#include "Identity.h"
#include "doubles/ActiveWindow.h"
#include "doubles/FakeProgram.h"
#include "doubles/SiteUrls.h"
#include "farewell/SupportMessages.h"
#include "links/SitePages.h"
#include "ui/FrmFarewell.h"
#include "ui/Look.h"

using namespace cindrel;
using cindrel::testing::execUntilEnd;
using cindrel::testing::expectedEncodedSiteUrl;
using cindrel::testing::expectedPageUrl;
using cindrel::testing::FakeProgram;
using cindrel::testing::RecordedBox;
using cindrel::testing::showAndActivate;

namespace {

/// The real window, counting how often it is closed.
class CountingFarewell : public FrmFarewell {
public:
    CountingFarewell(AppContext &ctx, int &closes) : FrmFarewell(ctx), closes_(closes) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes_;
        FrmFarewell::closeEvent(event);
    }

private:
    int &closes_;
};

/// Another window, hidden, standing in for any window the shutdown must
/// close too.
class SpyWindow : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        QWidget::closeEvent(event);
    }
};

struct Fixture : FakeProgram {
    explicit Fixture(float draw = 0.0f)
    {
        fake.random.draws = {draw};
        form = new CountingFarewell(ctx, closes);
    }
    ~Fixture()
    {
        delete form.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T> T *child(const char *name) const
    {
        T *found = form->findChild<T *>(QLatin1String(name));
        if (!found)
            qWarning("no control %s", name);
        return found;
    }
    QLineEdit *line(const char *name) const { return child<QLineEdit>(name); }
    QPlainTextEdit *message() const { return child<QPlainTextEdit>("txtMessage"); }
    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    QString textOf(const QString &name) const
    {
        if (name == QLatin1String("txtMessage"))
            return message()->toPlainText();
        return form->findChild<QLineEdit *>(name)->text();
    }
    void setTextOf(const QString &name, const QString &text) const
    {
        if (name == QLatin1String("txtMessage"))
            message()->setPlainText(text);
        else
            form->findChild<QLineEdit *>(name)->setText(text);
    }
    QWidget *widget(const QString &name) const { return form->findChild<QWidget *>(name); }

    int closes = 0;
    QPointer<FrmFarewell> form;
};

const QStringList kFields{"txtName", "txtEmail", "txtFriendName", "txtFriendEmail", "txtMessage"};
const QStringList kPlaceholders{"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address",
                                "Your Message"};

} // namespace

class TstFrmFarewell : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void openingState_data();
    void openingState();
    void tabOrderAndPlaceholders();
    void placeholderRulesOnFocus_data();
    void placeholderRulesOnFocus();
    void focusFromActivationKeepsText_data();
    void focusFromActivationKeepsText();
    void longPastesAreCutToTheBound_data();
    void longPastesAreCutToTheBound();
    void spacesInFields_data();
    void spacesInFields();
    void pastedSpacesPass_data();
    void pastedSpacesPass();
    void referralFromRealClicks();
    void submitChecks_data();
    void submitChecks();
    void controlsInsideTheirPanels_data();
    void controlsInsideTheirPanels();
    void visitForumCheckBox();
    void velmorLink();
    void leavingEndsOnce_data();
    void leavingEndsOnce();
};

void TstFrmFarewell::initTestCase()
{
    // The window under test is often the last one; closing it must not
    // quit the test's application.
    QApplication::setQuitOnLastWindowClosed(false);
}

void TstFrmFarewell::openingState_data()
{
    // clang-format off
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("0.3") << 0.3f << 1;
    QTest::newRow("0.5") << 0.5f << 2;
    QTest::newRow("largest below 1") << std::nextafter(1.0f, 0.0f) << 3;
    // clang-format on
}

void TstFrmFarewell::openingState()
{
    QFETCH(float, draw);
    QFETCH(int, index);
    Fixture f(draw);

    // Load handling has run before the window is shown.
    QCOMPARE(f.fake.random.drawCount, 1);
    QCOMPARE(f.form->objectName(), QStringLiteral("frmFarewell"));
    QCOMPARE(f.form->windowTitle(), programWindowTitle());
    QCOMPARE(f.child<QLabel>("lblFarewellCaption")->text(), programWindowTitle());
    QVERIFY(!f.form->windowIcon().isNull());
    QVERIFY(!f.child<QLabel>("picFarewellIcon")->pixmap().isNull());
    const QString shown = f.child<QLabel>("Label2")->text();
    QCOMPARE(shown, supportMessage(index));
    QVERIFY(shown.contains(forumAddress()));
    QVERIFY(!f.child<QCheckBox>("Check1")->isChecked());
    QVERIFY(f.child<QCheckBox>("Check1")->text().contains(forumAddress()));
    QCOMPARE(f.child<QPushButton>("cmdClose")->text(), QStringLiteral("E&xit"));
    QCOMPARE(f.child<QPushButton>("cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
    QCOMPARE(f.child<QGroupBox>("Frame2")->title(), QStringLiteral("Refer A Friend"));
    QCOMPARE(f.child<QGroupBox>("Frame6")->title(), QStringLiteral("Download Velmor Softwares"));
    QCOMPARE(f.child<QLabel>("lblGoToHome")->text(), QStringLiteral("Click Here To Visit Velmor Softwares"));

    // A fixed-size, topmost dialog-style window of its own, not modal.
    const Qt::WindowFlags flags = f.form->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(f.form->isWindow());
    QVERIFY(!f.form->parentWidget());
    QCOMPARE(f.form->windowModality(), Qt::NonModal);
    QCOMPARE(f.form->minimumSize(), f.form->maximumSize());
    QVERIFY(f.form->width() >= twips(11115));
    QVERIFY(f.form->height() >= twips(4725));

    QVERIFY(showAndActivate(f.form));
    for (int i = 0; i < kFields.size(); ++i)
        QCOMPARE(f.textOf(kFields[i]), kPlaceholders[i]);
    QCOMPARE(f.focusName(), QStringLiteral("cmdClose"));
    // Showing opens no page and no box, and draws nothing more.
    QVERIFY(f.fake.browser.urls.isEmpty());
    QVERIFY(f.fake.boxes.boxes.empty());
    QCOMPARE(f.fake.random.drawCount, 1);
}

void TstFrmFarewell::tabOrderAndPlaceholders()
{
    Fixture f;
    QVERIFY(showAndActivate(f.form));
    QCOMPARE(f.focusName(), QStringLiteral("cmdClose"));

    const QStringList expected{"Check1",        "txtName",    "cmdSubmit",   "txtEmail", "txtFriendEmail",
                               "txtFriendName", "txtMessage", "lblGoToHome", "cmdClose"};
    QStringList seen;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        seen << f.focusName();
        // A field entered by Tab is emptied of its placeholder ...
        if (kFields.contains(seen.last()))
            QCOMPARE(f.textOf(seen.last()), QString());
    }
    QCOMPARE(seen, expected);
    // ... and gets it back when left empty, the message without a line break.
    for (int i = 0; i < kFields.size(); ++i)
        QCOMPARE(f.textOf(kFields[i]), kPlaceholders[i]);
    QVERIFY(f.fake.boxes.boxes.empty());
}

void TstFrmFarewell::placeholderRulesOnFocus_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("whileFocused");
    QTest::addColumn<QString>("afterLeaving");

    QTest::newRow("padded placeholder") << "txtName" << "  Your Name  " << "" << "Your Name";
    QTest::newRow("lower-case placeholder") << "txtName" << "your name" << "your name" << "your name";
    QTest::newRow("spaces only") << "txtFriendName" << "    " << "    " << "Friend's Name";
    QTest::newRow("email placeholder") << "txtEmail" << "Your Email Address" << "" << "Your Email Address";
    QTest::newRow("friend email address kept") << "txtFriendEmail" << " b@c.d " << " b@c.d " << " b@c.d ";
    QTest::newRow("message placeholder") << "txtMessage" << "Your Message" << "" << "Your Message";
    QTest::newRow("message with line break kept")
        << "txtMessage" << "Your Message\n" << "Your Message\n" << "Your Message\n";
    QTest::newRow("message spaces only") << "txtMessage" << "   " << "   " << "Your Message";
    // clang-format on
}

void TstFrmFarewell::placeholderRulesOnFocus()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, whileFocused);
    QFETCH(QString, afterLeaving);

    Fixture f;
    QVERIFY(showAndActivate(f.form));
    f.setTextOf(field, before);
    QCOMPARE(f.textOf(field), before); // setting text alone applies no rule

    f.widget(field)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.focusName(), field);
    QCOMPARE(f.textOf(field), whileFocused);

    f.widget(QStringLiteral("cmdClose"))->setFocus(Qt::MouseFocusReason);
    QCOMPARE(f.textOf(field), afterLeaving);
    QVERIFY(f.fake.boxes.boxes.empty());
}

void TstFrmFarewell::focusFromActivationKeepsText_data()
{
    // clang-format off
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const int in = QEvent::FocusIn, out = QEvent::FocusOut;
    // The window losing or regaining activation (a message box, another
    // program) or a context menu is no move between controls.
    QTest::newRow("window activated") << in << int(Qt::ActiveWindowFocusReason) << "Your Name" << "Your Name";
    QTest::newRow("window deactivated") << out << int(Qt::ActiveWindowFocusReason) << "" << "";
    QTest::newRow("context menu opened") << out << int(Qt::PopupFocusReason) << "" << "";
    QTest::newRow("context menu closed") << in << int(Qt::PopupFocusReason) << "Your Name" << "Your Name";
    QTest::newRow("tabbed in") << in << int(Qt::TabFocusReason) << "Your Name" << "";
    QTest::newRow("tabbed out") << out << int(Qt::TabFocusReason) << "" << "Your Name";
    // clang-format on
}

void TstFrmFarewell::focusFromActivationKeepsText()
{
    QFETCH(int, type);
    QFETCH(int, reason);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Fixture f;
    QLineEdit *name = f.line("txtName");
    name->setText(before);
    QFocusEvent event{QEvent::Type(type), Qt::FocusReason(reason)};
    QApplication::sendEvent(name, &event);
    QCOMPARE(name->text(), after);
}

void TstFrmFarewell::longPastesAreCutToTheBound_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("message");
    const QString megabyte(1 << 20, u'x');
    QTest::newRow("own name") << "txtName" << megabyte << 100 << "Please Enter At Most 100 Characters";
    QTest::newRow("own e-mail") << "txtEmail" << megabyte << 254 << "Please Enter At Most 254 Characters";
    QTest::newRow("friend's name") << "txtFriendName" << megabyte << 100 << "Please Enter At Most 100 Characters";
    QTest::newRow("friend's e-mail") << "txtFriendEmail" << megabyte << 254 << "Please Enter At Most 254 Characters";
    QTest::newRow("message") << "txtMessage" << megabyte << 10000 << "Please Enter At Most 10000 Characters";
    QTest::newRow("message of many lines")
        << "txtMessage" << QStringLiteral("line\n").repeated(100000) << 10000 << "Please Enter At Most 10000 Characters";
    // A character outside the basic plane is two UTF-16 units: never cut in half.
    QTest::newRow("message, emoji at the bound")
        << "txtMessage" << QString(9999, u'x') + QStringLiteral("\U0001F600") << 9999
        << "Please Enter At Most 10000 Characters";
    QTest::newRow("message that fits") << "txtMessage" << QString(10000, u'x') << 10000 << "";
    // clang-format on
}

void TstFrmFarewell::longPastesAreCutToTheBound()
{
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(int, kept);
    QFETCH(QString, message);
    Fixture f;
    QVERIFY(showAndActivate(f.form));
    QWidget *box = f.widget(field);
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(f.textOf(field), QString()); // the placeholder made way
    QApplication::clipboard()->setText(pasted);
    if (QApplication::clipboard()->text().size() != pasted.size())
        QSKIP("no clipboard on this platform");

    QTest::keySequence(box, QKeySequence::Paste);
    QCOMPARE(f.textOf(field).size(), kept);
    QVERIFY(pasted.startsWith(f.textOf(field)));
    const std::vector<RecordedBox> once{{RecordedBox::Critical, message}};
    if (message.isEmpty()) {
        QCoreApplication::processEvents();
        QVERIFY(f.fake.boxes.boxes.empty());
        // One character short of full, a typed one fits; full now, one
        // more is refused, with the message.
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Y);
        QCOMPARE(f.textOf(field).size(), kept);
        QVERIFY(f.fake.boxes.boxes.empty());
        QTest::keyClick(box, Qt::Key_Y);
        QCOMPARE(f.textOf(field).size(), kept);
        QVERIFY(f.textOf(field).endsWith(QLatin1String("xy")));
        QTRY_COMPARE(f.fake.boxes.boxes, (std::vector<RecordedBox>{{RecordedBox::Critical,
                                                                    "Please Enter At Most 10000 Characters"}}));
        return;
    }
    // Said once the paste is over, never in the middle of it.
    QVERIFY(f.fake.boxes.boxes.empty());
    QTRY_COMPARE(f.fake.boxes.boxes, once);
}

void TstFrmFarewell::spacesInFields_data()
{
    // clang-format off
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("refused");
    QTest::newRow("own email") << "txtEmail" << true;
    QTest::newRow("friend's email") << "txtFriendEmail" << true;
    QTest::newRow("own name") << "txtName" << false;
    QTest::newRow("friend's name") << "txtFriendName" << false;
    // clang-format on
}

void TstFrmFarewell::spacesInFields()
{
    QFETCH(QString, field);
    QFETCH(bool, refused);

    Fixture f;
    QVERIFY(showAndActivate(f.form));
    QWidget *target = f.widget(field);
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(f.focusName(), field);
    QCOMPARE(f.textOf(field), QString());

    QStringList focusWhileShown;
    f.fake.boxes.onShow = [&](const RecordedBox &) { focusWhileShown << f.focusName(); };

    QTest::keyClicks(target, QStringLiteral("ab"));
    QTest::keyClick(target, Qt::Key_Space);
    QTest::keyClick(target, Qt::Key_Space, Qt::ShiftModifier);
    QTest::keyClicks(target, QStringLiteral("c"));
    // A chord types nothing, so it is no typed space.
    QTest::keyClick(target, Qt::Key_Space, Qt::ControlModifier);

    if (refused) {
        QCOMPARE(f.textOf(field), QStringLiteral("abc"));
        const std::vector<RecordedBox> twice(
            2, RecordedBox{RecordedBox::Critical, QStringLiteral("Email Address Cannot Contain Space")});
        QCOMPARE(f.fake.boxes.boxes, twice);
        QCOMPARE(focusWhileShown, QStringList({field, field}));
    } else {
        QCOMPARE(f.textOf(field), QStringLiteral("ab  c"));
        QVERIFY(f.fake.boxes.boxes.empty());
    }
    QCOMPARE(f.focusName(), field);
}

void TstFrmFarewell::pastedSpacesPass_data()
{
    // clang-format off
    QTest::addColumn<QString>("keyText"); // how the platform reports Ctrl+V
    QTest::newRow("test key click") << "v";
    QTest::newRow("X keyboard") << "\x16";
    // clang-format on
}

void TstFrmFarewell::pastedSpacesPass()
{
    QFETCH(QString, keyText);
    Fixture f;
    QVERIFY(showAndActivate(f.form));
    QLineEdit *email = f.line("txtEmail");
    QTest::mouseClick(email, Qt::LeftButton);
    QApplication::clipboard()->setText(QStringLiteral("a b@c.d"));
    if (QApplication::clipboard()->text() != QLatin1String("a b@c.d"))
        QSKIP("no clipboard on this platform");
    QTest::sendKeyEvent(QTest::Press, email, Qt::Key_V, keyText, Qt::ControlModifier);
    QTest::sendKeyEvent(QTest::Release, email, Qt::Key_V, keyText, Qt::ControlModifier);
    QCOMPARE(email->text(), QStringLiteral("a b@c.d"));
    QVERIFY(f.fake.boxes.boxes.empty());
}

void TstFrmFarewell::referralFromRealClicks()
{
    Fixture f;
    QVERIFY(showAndActivate(f.form));

    auto type = [&](const char *name, const QString &text) {
        QWidget *target = f.widget(QLatin1String(name));
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(f.textOf(QLatin1String(name)), QString());
        QTest::keyClicks(target, text);
    };
    type("txtName", QStringLiteral("  Ann Lee "));
    type("txtEmail", QStringLiteral("ann@example.org"));
    type("txtFriendName", QStringLiteral("Bob"));
    type("txtFriendEmail", QStringLiteral("bob@example.net"));
    type("txtMessage", QStringLiteral("Hi Bob & co"));

    // What the record holds when the browser is asked.
    QStringList recorded;
    f.fake.browser.onOpen = [&](const QString &) {
        recorded = {f.referral.ReferrerName, f.referral.ReferrerEmail, f.referral.ReferralMessage,
                    f.referral.FriendName, f.referral.FriendEmail};
    };

    auto *submit = f.child<QPushButton>("cmdSubmit");
    QTest::mouseClick(submit, Qt::LeftButton);

    const QString expected = expectedPageUrl("qxvl-refer-a-friend")
                             + "&taf1=Ann%20Lee"
                               "&taf2=ann%40example.org&taf3=Hi%20Bob%20%26%20co&taf4=Bob"
                               "&taf5=bob%40example.net&taf6="
                             + expectedEncodedSiteUrl();
    QCOMPARE(f.fake.browser.urls, QStringList{expected});
    QCOMPARE(recorded, QStringList({"Ann Lee", "ann@example.org", "Hi Bob & co", "Bob", "bob@example.net"}));
    QCOMPARE(f.referral.ReferralUrl, expected);
    QVERIFY(f.fake.boxes.boxes.empty());

    // Nothing changes in the window, which stays open; a second click sends again.
    QCOMPARE(f.textOf("txtName"), QStringLiteral("  Ann Lee "));
    QCOMPARE(f.textOf("txtMessage"), QStringLiteral("Hi Bob & co"));
    QVERIFY(f.form->isVisible());
    QTest::mouseClick(submit, Qt::LeftButton);
    QCOMPARE(f.fake.browser.urls, QStringList({expected, expected}));
    QVERIFY(f.fake.boxes.boxes.empty());
    QVERIFY(!f.shutdown.ending());
}

void TstFrmFarewell::submitChecks_data()
{
    // clang-format off
    // Field texts in the order of kFields, and the one box expected (none: sent).
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("box");

    QTest::newRow("untouched") << kPlaceholders << "Please Enter Proper Email Address";
    QTest::newRow("same addresses, one padded")
        << QStringList{"Ann", "ann@x.org", "Bob", "  ann@x.org ", "Hi"}
        << "Please Enter Distinct Email Addresses";
    QTest::newRow("addresses differ in case, name still placeholder")
        << QStringList{"Your Name", "Ann@x.org", "Bob", "ann@x.org", "Hi"}
        << "Please Enter Your Name";
    QTest::newRow("message at placeholder")
        << QStringList{"Ann", "ann@x.org", "Bob", "bob@x.org", "Your Message"}
        << "Please Enter Your Message";
    QTest::newRow("only dot before @") << QStringList{"Ann", ".ann@x", "Bob", "b.ob@x", "Hi"}
                                       << QString();
    // clang-format on
}

void TstFrmFarewell::submitChecks()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, box);

    Fixture f;
    QVERIFY(showAndActivate(f.form));
    for (int i = 0; i < kFields.size(); ++i)
        f.setTextOf(kFields[i], texts[i]);
    f.referral.ReferralUrl = QStringLiteral("earlier");

    QTest::mouseClick(f.child<QPushButton>("cmdSubmit"), Qt::LeftButton);

    if (box.isEmpty()) {
        QVERIFY(f.fake.boxes.boxes.empty());
        QCOMPARE(f.fake.browser.urls.size(), 1);
        QCOMPARE(f.fake.browser.urls.front(), f.referral.ReferralUrl);
    } else {
        QCOMPARE(f.fake.boxes.boxes, std::vector<RecordedBox>({{RecordedBox::Critical, box}}));
        QVERIFY(f.fake.browser.urls.isEmpty());
        QCOMPARE(f.referral.ReferralUrl, QStringLiteral("earlier"));
    }
    // The record was captured trimmed, whatever the checks said; fields unchanged.
    QCOMPARE(f.referral.FriendEmail, texts[3].trimmed());
    QCOMPARE(f.referral.FriendName, texts[2].trimmed());
    for (int i = 0; i < kFields.size(); ++i)
        QCOMPARE(f.textOf(kFields[i]), texts[i]);
    QVERIFY(f.form->isVisible());
}

void TstFrmFarewell::controlsInsideTheirPanels_data()
{
    // clang-format off
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("panel");
    for (const QString &field : kFields)
        QTest::newRow(qPrintable(field)) << field << "Frame2";
    QTest::newRow("cmdSubmit") << "cmdSubmit" << "Frame2";
    QTest::newRow("Label3") << "Label3" << "Frame6";
    QTest::newRow("lblGoToHome") << "lblGoToHome" << "Frame6";
    for (const char *name : {"Frame2", "Frame6", "Label2", "Check1", "cmdClose", "picFarewellIcon",
                             "lblFarewellCaption"})
        QTest::newRow(name) << name << "frmFarewell";
    // clang-format on
}

void TstFrmFarewell::controlsInsideTheirPanels()
{
    QFETCH(QString, control);
    QFETCH(QString, panel);
    Fixture f;
    QVERIFY(showAndActivate(f.form));
    QWidget *widget = f.widget(control);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget()->objectName(), panel);
    QVERIFY(widget->isVisible());
    QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()),
             qPrintable(control + " lies outside " + panel));
    // The two panels stand side by side.
    const QRect refer = f.widget(QStringLiteral("Frame2"))->geometry();
    QVERIFY(!refer.intersects(f.widget(QStringLiteral("Frame6"))->geometry()));
}

void TstFrmFarewell::visitForumCheckBox()
{
    Fixture f;
    QVERIFY(showAndActivate(f.form));
    auto *check = f.child<QCheckBox>("Check1");
    QCOMPARE(check->cursor().shape(), Qt::PointingHandCursor);
    const QString home = pageUrl(SitePage::home_page);

    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QCOMPARE(f.fake.browser.urls, QStringList{home});
    QVERIFY(!check->isChecked());

    // Every click that checks it opens the page again, by keyboard as well.
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(f.fake.browser.urls, QStringList({home, home, home}));
    QVERIFY(!check->isChecked());
    QVERIFY(f.fake.boxes.boxes.empty());
}

void TstFrmFarewell::velmorLink()
{
    Fixture f;
    QVERIFY(showAndActivate(f.form));
    auto *link = f.child<QLabel>("lblGoToHome");
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(f.fake.browser.urls, QStringList{pageUrl(SitePage::velmorsoftwares)});
    QVERIFY(!f.shutdown.ending());
}

void TstFrmFarewell::leavingEndsOnce_data()
{
    // clang-format off
    QTest::addColumn<int>("how");
    QTest::newRow("Exit button") << 0;
    QTest::newRow("close request") << 1;
    QTest::newRow("Alt+X") << 2;
    QTest::newRow("shutdown from elsewhere") << 3;
    // clang-format on
}

void TstFrmFarewell::leavingEndsOnce()
{
    QFETCH(int, how);
    Fixture f;
    SpyWindow other;
    QVERIFY(showAndActivate(f.form));

    const int status = execUntilEnd([&] {
        switch (how) {
        case 0:
            QTest::mouseClick(f.child<QPushButton>("cmdClose"), Qt::LeftButton);
            break;
        case 1:
            f.form->close();
            break;
        case 2:
            // An access key presses its button with a short animation.
            QTest::keyClick(f.form, Qt::Key_X, Qt::AltModifier);
            break;
        default:
            f.shutdown.EndApplication();
            break;
        }
    });

    // The event loop ended, each window was closed once, and the farewell
    // window is destroyed; a late shutdown does nothing.
    QCOMPARE(status, 0);
    QCOMPARE(f.closes, 1);
    QCOMPARE(other.closes, 1);
    QVERIFY(f.form.isNull());
    QVERIFY(f.fake.boxes.boxes.empty());
    f.shutdown.EndApplication();
    QCOMPARE(other.closes, 1);
}

QTEST_MAIN(TstFrmFarewell)
#include "tst_frmfarewell.moc"
