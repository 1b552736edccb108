// What a screen reader learns from the windows: the names and roles of the
// controls, which step panel is shown, the link labels and their press
// action, and the named drop-down lists.

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "Identity.h"
#include "doubles/FakeProgram.h"
#include "links/SitePages.h"
#include "ui/Accessibility.h"
#include "ui/FrmAbout.h"
#include "ui/FrmFarewell.h"
#include "ui/FrmMain.h"

using namespace cindrel;
using cindrel::testing::FakeProgram;

Q_DECLARE_METATYPE(cindrel::SitePage)
Q_DECLARE_METATYPE(QAccessible::Role)

namespace {

/// One program's state with one of its windows built and shown.
struct Program : FakeProgram {
    QPointer<QWidget> window;

    /// form: "main", "about" or "farewell".
    explicit Program(const QString &form, float draw = 0.0f)
    {
        fake.random.draws = {draw};
        if (form == QLatin1String("main"))
            window = new FrmMain(ctx);
        else if (form == QLatin1String("about"))
            window = new FrmAbout(fake.browser);
        else
            window = new FrmFarewell(ctx);
        window->show();
    }
    ~Program()
    {
        delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    /// The window itself for an empty name, else its control of that name.
    QWidget *widget(const QString &name) const
    {
        return name.isEmpty() ? window.data() : window->findChild<QWidget *>(name);
    }
    QAccessibleInterface *iface(const QString &name) const
    {
        QWidget *w = widget(name);
        return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    }
    template <typename T> T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    void click(const char *button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    void startTest()
    {
        find<QLineEdit>("txtName")->setText(QStringLiteral("Ann"));
        find<QLineEdit>("txtAge")->setText(QStringLiteral("40"));
        click("cmdNext");
    }
};

bool shown(QAccessibleInterface *iface)
{
    return iface && !iface->state().invisible;
}

} // namespace

class TstAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // As while a screen reader listens: a control's interface is made as
        // soon as the control reports a change, e.g. of its name.
        QAccessible::setActive(true);
    }

    void controlsAreReadByTheirNames_data()
    {
        // clang-format off
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");

        const auto row = [](const char *tag, const char *form, const char *control, QAccessible::Role role,
                            const QString &name) {
            QTest::newRow(tag) << QString::fromLatin1(form) << QString::fromLatin1(control) << role << name;
        };
        // Text boxes and lists of the main window by their headings.
        row("main: name box", "main", "txtName", QAccessible::EditableText, "Enter Name");
        row("main: age box", "main", "txtAge", QAccessible::EditableText, "Enter Age");
        row("main: sex list", "main", "cboSex", QAccessible::ComboBox, "Select Sex");
        row("main: answer list", "main", "cboAnswer_Option", QAccessible::ComboBox, "Answer");
        // Buttons by their captions without the access-key mark.
        row("main: start", "main", "cmdNext", QAccessible::Button, "Take the Nicotine Dependency Test");
        row("main: next", "main", "cmdNextQuestion", QAccessible::Button, "Next Question");
        row("main: main screen", "main", "cmdMain", QAccessible::Button, "Main Screen");
        // The step panels as named groups, not as windows.
        row("main: step 0", "main", "fraStep_0", QAccessible::Grouping, "Personal Details");
        row("main: step 1", "main", "fraStep_1", QAccessible::Grouping, "Questions");
        row("main: step 2", "main", "fraStep_2", QAccessible::Grouping, "Result");
        row("main: window", "main", "", QAccessible::Window, programWindowTitle());
        row("about: window", "about", "", QAccessible::Dialog, programWindowTitle());
        row("about: OK", "about", "cmdOK", QAccessible::Button, "OK");
        row("about: rule", "about", "Line2", QAccessible::Separator, "");
        // The farewell fields by what they ask for, whatever they hold.
        row("farewell: window", "farewell", "", QAccessible::Dialog, programWindowTitle());
        row("farewell: name", "farewell", "txtName", QAccessible::EditableText, "Your Name");
        row("farewell: e-mail", "farewell", "txtEmail", QAccessible::EditableText, "Your Email Address");
        row("farewell: friend", "farewell", "txtFriendName", QAccessible::EditableText, "Friend's Name");
        row("farewell: friend's e-mail", "farewell", "txtFriendEmail", QAccessible::EditableText,
            "Friend's Email Address");
        row("farewell: message", "farewell", "txtMessage", QAccessible::EditableText, "Your Message");
        row("farewell: exit", "farewell", "cmdClose", QAccessible::Button, "Exit");
        row("farewell: refer", "farewell", "cmdSubmit", QAccessible::Button, "Refer A Friend Now");
        // clang-format on
    }
    void controlsAreReadByTheirNames()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        Program program(form);
        if (form == QLatin1String("farewell")) {
            // What the user typed must not become the field's name.
            for (QLineEdit *field : program.window->findChildren<QLineEdit *>())
                field->setText(QStringLiteral("typed by the user"));
            program.find<QPlainTextEdit>("txtMessage")->setPlainText(QStringLiteral("typed by the user"));
        }

        QAccessibleInterface *iface = program.iface(control);
        QVERIFY2(iface, qPrintable(control));
        QCOMPARE(iface->role(), role);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }

    void onlyTheStepInFrontIsShown_data()
    {
        // clang-format off
        QTest::addColumn<int>("nextPresses");
        QTest::addColumn<bool>("backToMain");
        QTest::addColumn<int>("front");
        // nextPresses -1: no test started.
        QTest::newRow("at start") << -1 << false << 0;
        QTest::newRow("question 1") << 0 << false << 1;
        QTest::newRow("question 6") << 5 << false << 1;
        QTest::newRow("result") << 6 << false << 2;
        QTest::newRow("main screen again") << 6 << true << 0;
        // clang-format on
    }
    void onlyTheStepInFrontIsShown()
    {
        QFETCH(int, nextPresses);
        QFETCH(bool, backToMain);
        QFETCH(int, front);
        Program program(QStringLiteral("main"));
        QVERIFY(QTest::qWaitForWindowExposed(program.window));
        if (nextPresses >= 0)
            program.startTest();
        for (int i = 0; i < nextPresses; ++i)
            program.click("cmdNextQuestion");
        if (backToMain)
            program.click("cmdMain");

        const char *const buttons[] = {"cmdNext", "cmdNextQuestion", "cmdMain"};
        for (int step = 0; step < 3; ++step) {
            const QString panel = QStringLiteral("fraStep_%1").arg(step);
            QCOMPARE(shown(program.iface(panel)), step == front);
            // What lies on a hidden panel is hidden with it.
            QCOMPARE(shown(program.iface(QLatin1String(buttons[step]))), step == front);
        }
    }

    void scaleIsReadByScoreAndLevels()
    {
        Program program(QStringLiteral("main"));
        QVERIFY(QTest::qWaitForWindowExposed(program.window));
        QAccessibleInterface *scale = program.iface(QStringLiteral("picScale"));
        QVERIFY(!shown(scale));
        program.startTest();
        for (int k = 1; k <= 6; ++k)
            program.click("cmdNextQuestion");

        QVERIFY(shown(scale));
        QCOMPARE(scale->role(), QAccessible::Graphic);
        QCOMPARE(scale->text(QAccessible::Name), QStringLiteral("Score 7 of 10: 6 to 7, highly addicted"));
        QCOMPARE(
            scale->text(QAccessible::Description),
            QStringLiteral("Scale from 0 to 10: 0 to 2, very slightly dependent; 3 to 4, "
                           "slightly dependent; 5, moderately dependent; 6 to 7, highly addicted; 8 to 10, "
                           "very highly addicted"));
    }

    void bannerLabelBehindIsNeitherShownNorPressable_data()
    {
        // clang-format off
        QTest::addColumn<float>("draw");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("behind");
        QTest::addColumn<SitePage>("page");
        QTest::newRow("co-branding in front")
            << 0.0f << QStringLiteral("lblCobrand") << QStringLiteral("lblFullBrand") << SitePage::co_brand;
        QTest::newRow("full brand in front")
            << 0.99f << QStringLiteral("lblFullBrand") << QStringLiteral("lblCobrand") << SitePage::fully_branded;
        // clang-format on
    }
    void bannerLabelBehindIsNeitherShownNorPressable()
    {
        QFETCH(float, draw);
        QFETCH(QString, front);
        QFETCH(QString, behind);
        QFETCH(SitePage, page);
        Program program(QStringLiteral("main"), draw);
        QVERIFY(QTest::qWaitForWindowExposed(program.window));
        static_cast<FrmMain *>(program.window.data())->CoBrand_Randomize();

        QAccessibleInterface *shownLabel = program.iface(front);
        QAccessibleInterface *hiddenLabel = program.iface(behind);
        QCOMPARE(shownLabel->role(), QAccessible::Link);
        QCOMPARE(hiddenLabel->role(), QAccessible::Link);
        QVERIFY(shown(shownLabel));
        QVERIFY(!shown(hiddenLabel));
        QCOMPARE(shownLabel->actionInterface()->actionNames(),
                 QStringList({QAccessibleActionInterface::pressAction(),
                              QAccessibleActionInterface::setFocusAction()}));
        QVERIFY(hiddenLabel->actionInterface()->actionNames().isEmpty());

        hiddenLabel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        hiddenLabel->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(program.fake.browser.urls.isEmpty());
        QVERIFY(!hiddenLabel->state().focusable && !hiddenLabel->state().focused);
        shownLabel->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(program.fake.browser.urls, QStringList{pageUrl(page)});
    }

    void linksAreReadAndPressedAsLinks_data()
    {
        // clang-format off
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("control");
        QTest::addColumn<SitePage>("page");
        QTest::newRow("main: forum") << "main" << "Label14" << SitePage::home_page;
        QTest::newRow("about: forum") << "about" << "lblHomePage" << SitePage::home_page;
        QTest::newRow("about: details") << "about" << "lblCoBrand" << SitePage::fully_branded;
        QTest::newRow("farewell: catalogue") << "farewell" << "lblGoToHome" << SitePage::velmorsoftwares;
        // clang-format on
    }
    void linksAreReadAndPressedAsLinks()
    {
        QFETCH(QString, form);
        QFETCH(QString, control);
        QFETCH(SitePage, page);
        Program program(form);
        QVERIFY(QTest::qWaitForWindowExposed(program.window));
        auto *label = program.window->findChild<QLabel *>(control);
        QVERIFY(label);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);

        QCOMPARE(iface->role(), QAccessible::Link);
        QCOMPARE(iface->text(QAccessible::Name), label->text());
        QCOMPARE(iface->text(QAccessible::Description), opensPageDescription(page));
        QVERIFY(shown(iface));
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(program.fake.browser.urls, QStringList{pageUrl(page)});
        // Focused from the screen reader, it is read as the focused link.
        QApplication::setActiveWindow(program.window);
        QVERIFY(QTest::qWaitForWindowActive(program.window));
        iface->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        QVERIFY(label->hasFocus());
        QVERIFY(iface->state().focusable && iface->state().focused);
    }

    void namedListReportsItsEntry_data()
    {
        // clang-format off
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::newRow("Male") << 0 << QStringLiteral("Male");
        QTest::newRow("Female") << 1 << QStringLiteral("Female");
        // clang-format on
    }
    void namedListReportsItsEntry()
    {
        QFETCH(int, index);
        QFETCH(QString, entry);
        Program program(QStringLiteral("main"));
        auto *list = program.find<QComboBox>("cboSex");
        list->setCurrentIndex(1 - index);
        list->setCurrentIndex(index);
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);

        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Select Sex"));
        QCOMPARE(iface->text(QAccessible::Value), entry);
        // The entry in use is the one selected entry of its list, which is
        // the list's one accessible child.
        QCOMPARE(iface->childCount(), 1);
        QAccessibleInterface *entries = iface->child(0);
        QVERIFY(entries);
        QCOMPARE(entries->object(), list->view());
        QCOMPARE(iface->indexOfChild(entries), 0);
        const QModelIndexList selected = list->view()->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().data().toString(), entry);
    }

    void namedListOpensAndClosesOnPress()
    {
        Program program(QStringLiteral("main"));
        QVERIFY(QTest::qWaitForWindowExposed(program.window));
        auto *list = program.find<QComboBox>("cboSex");
        QAccessibleActionInterface *actions = QAccessible::queryAccessibleInterface(list)->actionInterface();
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));

        actions->doAction(QAccessibleActionInterface::showMenuAction());
        QTRY_VERIFY(list->view()->isVisible());
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!list->view()->isVisible());
        QCOMPARE(list->currentIndex(), 0);
    }

    void entryIsChosenThroughTheList_data()
    {
        // clang-format off
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("inUse");
        QTest::newRow("another sex") << QStringLiteral("cboSex") << 1 << QStringLiteral("Female");
        QTest::newRow("the entry in use toggled again") << QStringLiteral("cboSex") << 0 << QStringLiteral("Male");
        QTest::newRow("an answer") << QStringLiteral("cboAnswer_Option") << 3 << QStringLiteral("More than 30");
        // clang-format on
    }
    void entryIsChosenThroughTheList()
    {
        QFETCH(QString, list);
        QFETCH(int, row);
        QFETCH(QString, inUse);
        Program program(QStringLiteral("main"));
        program.startTest();
        auto *combo = program.window->findChild<QComboBox *>(list);
        QAccessibleTableInterface *entries =
            QAccessible::queryAccessibleInterface(combo)->child(0)->tableInterface();
        QVERIFY(entries);
        QAccessibleInterface *entry = entries->cellAt(row, 0);
        QVERIFY(entry && entry->actionInterface());
        entry->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(combo->currentText(), inUse);
        const QModelIndexList selected = combo->view()->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), combo->currentIndex());
    }

    void answerListIsDescribedByItsQuestion()
    {
        Program program(QStringLiteral("main"));
        program.startTest();
        auto *list = program.find<QComboBox>("cboAnswer_Option");
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(list);
        QStringList questions;
        for (int question = 1; question <= 6; ++question) {
            const QString shownQuestion = program.find<QLabel>("lblQuestion")->text();
            QVERIFY(!shownQuestion.isEmpty());
            QCOMPARE(iface->text(QAccessible::Description), shownQuestion);
            QCOMPARE(iface->text(QAccessible::Value), list->currentText());
            questions << shownQuestion;
            if (question < 6)
                program.click("cmdNextQuestion");
        }
        QCOMPARE(questions.removeDuplicates(), 0);
    }
};

QTEST_MAIN(TstAccessibility)
#include "tst_accessibility.moc"
