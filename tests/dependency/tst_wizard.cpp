// The test wizard against a recording fake of its window.

#include <QtTest>
#include <map>

#include "dependency/TestWizard.h"

using namespace cindrel;

namespace {

/// Keeps the state of the controls and logs every operation in order.
class FakeView : public WizardView {
public:
    TestWizard *wizard = nullptr;
    std::map<WizardControl, QString> captions, texts;
    std::map<WizardControl, QStringList> lists;
    std::map<WizardControl, int> selected;
    WizardControl focus = WizardControl::txtName;
    int front = -1;
    QStringList messages;
    QStringList log;

    void setCaption(WizardControl label, const QString &caption) override { captions[label] = caption; }
    QString text(WizardControl box) const override
    {
        auto it = texts.find(box);
        return it == texts.end() ? QString() : it->second;
    }
    void setText(WizardControl box, const QString &text) override { texts[box] = text; }
    void setFocus(WizardControl control) override { focus = control; }
    void clearList(WizardControl list) override
    {
        lists[list].clear();
        selected[list] = -1;
    }
    void addListItem(WizardControl list, const QString &, const QString &english) override
    {
        lists[list].push_back(english);
    }
    void selectListIndex(WizardControl list, int index) override { selected[list] = index; }
    QString selectedListText(WizardControl list) const override
    {
        const auto &items = lists.at(list);
        const int i = selected.at(list);
        return i >= 0 && i < int(items.size()) ? items[i] : QString();
    }
    void bringStepToFront(int step) override
    {
        front = step;
        log << QStringLiteral("front %1").arg(step);
    }
    void pressButton(WizardControl button) override
    {
        log << QStringLiteral("press");
        if (button == WizardControl::cmdNextQuestion)
            wizard->NextQuestion();
        log << QStringLiteral("pressed");
    }
    void showCritical(const QString &message) override { messages.push_back(message); }

    QString selectedAnswer() const { return selectedListText(WizardControl::cboAnswer_Option); }
};

struct Rig {
    modNicotineDependancy state;
    FakeView view;
    TestWizard wizard{state, view};
    Rig()
    {
        view.wizard = &wizard;
        wizard.Load();
    }
    void enterDetails(const QString &name, const QString &age)
    {
        view.texts[WizardControl::txtName] = name;
        view.texts[WizardControl::txtAge] = age;
    }
    /// Answers the current question with choice index i.
    void answer(int i)
    {
        view.selectListIndex(WizardControl::cboAnswer_Option, i);
        wizard.NextQuestion();
    }
};

} // namespace

class TstWizard : public QObject {
    Q_OBJECT

private slots:
    void loadFillsSexListAndShowsDetails()
    {
        Rig rig;
        QCOMPARE(rig.view.lists[WizardControl::cboSex], (QStringList{"Male", "Female"}));
        QCOMPARE(rig.view.selectedListText(WizardControl::cboSex), QStringLiteral("Male"));
        QCOMPARE(rig.view.front, 0);
        QCOMPARE(int(rig.state.QuestionNo), 0);
    }

    void personalDetailsChecks_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focus");

        const int name = int(WizardControl::txtName), age = int(WizardControl::txtAge);
        const QString ageRange = QStringLiteral("Please enter your age in years, from 1 to 150");
        QTest::newRow("both empty") << "" << "" << "Please enter your name" << name;
        QTest::newRow("no name, age given") << "" << "30" << "Please enter your name" << name;
        QTest::newRow("name, no age") << "Ann" << "" << "Please enter your age" << age;
        QTest::newRow("pasted letters") << "Ann" << "12a" << ageRange << age;
        QTest::newRow("pasted blank") << "Ann" << " 12" << ageRange << age;
        QTest::newRow("pasted minus") << "Ann" << "-5" << ageRange << age;
        QTest::newRow("zero") << "Ann" << "0" << ageRange << age;
        QTest::newRow("too old") << "Ann" << "151" << ageRange << age;
        QTest::newRow("beyond 16 bits") << "Ann" << "40000" << ageRange << age;
        QTest::newRow("wraps to a small number in 16 bits") << "Ann" << "65566" << ageRange << age;
        QTest::newRow("many digits") << "Ann" << QString(400, u'9') << ageRange << age;
        QTest::newRow("non-ASCII digit") << "Ann" << QStringLiteral("\u0663") << ageRange << age;
        // clang-format on
    }

    void personalDetailsChecks()
    {
        QFETCH(QString, name);
        QFETCH(QString, age);
        QFETCH(QString, message);
        QFETCH(int, focus);

        Rig rig;
        rig.state.QuestionNo = 4;
        rig.enterDetails(name, age);
        rig.wizard.StartTest();

        QCOMPARE(rig.view.messages, QStringList{message});
        QCOMPARE(int(rig.view.focus), focus);
        QCOMPARE(rig.view.front, 0);
        QCOMPARE(int(rig.state.QuestionNo), 4); // nothing stored
        QVERIFY(rig.view.log.filter(QStringLiteral("press")).isEmpty());
    }

    void parseAge_data()
    {
        // clang-format off
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("age");
        QTest::newRow("one") << "1" << 1;
        QTest::newRow("typical") << "42" << 42;
        QTest::newRow("leading zeros") << "007" << 7;
        QTest::newRow("upper bound") << "150" << 150;
        QTest::newRow("zeros before a big number") << "0000000000150" << 150;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("32767") << "32767" << -1;
        QTest::newRow("plus sign") << "+5" << -1;
        // clang-format on
    }

    void parseAge()
    {
        QFETCH(QString, text);
        QFETCH(int, age);
        const auto parsed = cindrel::parseAge(text);
        QCOMPARE(parsed ? int(*parsed) : -1, age);
    }

    void startTestCapturesDetailsAndShowsQuestionOne()
    {
        Rig rig;
        rig.view.selectListIndex(WizardControl::cboSex, 1);
        rig.enterDetails("  Ann Lee  ", "042");
        rig.state.TotalScore = 9;
        rig.wizard.StartTest();

        QVERIFY(rig.view.messages.isEmpty());
        QCOMPARE(rig.state.TakerName, QStringLiteral("Ann Lee"));
        QCOMPARE(int(rig.state.TakerAge), 42);
        QCOMPARE(rig.state.TakerSex, QStringLiteral("Female"));
        QCOMPARE(int(rig.state.TotalScore), 0);
        QCOMPARE(int(rig.state.QuestionNo), 1);
        QCOMPARE(rig.view.captions[WizardControl::lblQuestionNo], QStringLiteral("Question 1 of 6"));
        QCOMPARE(rig.view.captions[WizardControl::lblQuestion],
                 QStringLiteral("1. How many cigarettes do you smoke in a day?"));
        QCOMPARE(rig.view.lists[WizardControl::cboAnswer_Option].size(), 4);
        QCOMPARE(rig.view.selectedAnswer(), QStringLiteral("Less than 10"));
        // The next-question press runs inside Start test, before the panel comes up.
        QCOMPARE(rig.view.log, (QStringList{"front 0", "press", "pressed", "front 1"}));
    }

    void blankNameStartsWithEmptyTakerName()
    {
        Rig rig;
        rig.enterDetails("   ", "30");
        rig.wizard.StartTest();
        QVERIFY(rig.view.messages.isEmpty());
        QCOMPARE(rig.state.TakerName, QString());
        QCOMPARE(rig.view.front, 1);
    }

    void questionsPreselectFirstChoice()
    {
        Rig rig;
        rig.enterDetails("Ann", "30");
        rig.wizard.StartTest();
        for (int q = 1; q <= kQuestionCount; ++q) {
            QCOMPARE(int(rig.state.QuestionNo), q);
            QCOMPARE(rig.view.captions[WizardControl::lblQuestionNo],
                     QStringLiteral("Question %1 of 6").arg(q));
            QCOMPARE(rig.view.lists[WizardControl::cboAnswer_Option], choiceTexts(q));
            QCOMPARE(rig.view.lists[WizardControl::cboAnswer_Option].size(), q <= 2 ? 4 : 2);
            QCOMPARE(rig.view.selected[WizardControl::cboAnswer_Option], 0);
            rig.answer(q <= 2 ? 3 : 1); // pick the last entry; the next question resets to 0
        }
        QCOMPARE(rig.view.front, 2);
        QCOMPARE(int(rig.state.QuestionNo), 6);
    }

    void wholeTestScoresItsAnswers()
    {
        Rig rig;
        rig.enterDetails("Ann", "30");
        rig.wizard.StartTest();
        for (int choice : {3, 0, 0, 0, 0, 0}) // 3 + 3 + 1 + 1 + 1 + 1
            rig.answer(choice);

        QCOMPARE(rig.state.answer(1), QStringLiteral("More than 30"));
        QCOMPARE(rig.state.answer(6), QStringLiteral("Yes"));
        QCOMPARE(int(rig.state.TotalScore), 10);
        QCOMPARE(rig.view.captions[WizardControl::lblResult_0], QStringLiteral("Your Score is: 10"));
        QCOMPARE(rig.view.captions[WizardControl::lblResult_1],
                 QStringLiteral(
                     "Your Level of Nicotine Dependency is: \r\nYou are very highly addicted to nicotine"));
        QCOMPARE(int(rig.view.focus), int(WizardControl::cmdMain));
        QCOMPARE(rig.view.front, 2);
    }

    void nextQuestionOnResultScoresAgain()
    {
        Rig rig;
        rig.enterDetails("Ann", "30");
        rig.wizard.StartTest();
        for (int i = 0; i < kQuestionCount; ++i)
            rig.answer(0);
        QCOMPARE(int(rig.state.TotalScore), 7);
        rig.view.captions.clear();
        rig.wizard.NextQuestion();
        QCOMPARE(int(rig.state.QuestionNo), 6);
        QCOMPARE(int(rig.state.TotalScore), 7);
        QCOMPARE(rig.view.captions[WizardControl::lblResult_0], QStringLiteral("Your Score is: 7"));
        QCOMPARE(rig.view.front, 2);
    }

    void mainScreenKeepsNameAndResetsTheRest()
    {
        Rig rig;
        rig.view.selectListIndex(WizardControl::cboSex, 1);
        rig.enterDetails("Ann", "30");
        rig.wizard.StartTest();
        for (int i = 0; i < kQuestionCount; ++i)
            rig.answer(0);
        rig.wizard.MainScreen();

        QCOMPARE(rig.view.text(WizardControl::txtAge), QString());
        QCOMPARE(rig.view.text(WizardControl::txtName), QStringLiteral("Ann"));
        QCOMPARE(int(rig.view.focus), int(WizardControl::txtAge));
        QCOMPARE(rig.view.selectedListText(WizardControl::cboSex), QStringLiteral("Male"));
        QCOMPARE(rig.view.front, 0);
        QCOMPARE(int(rig.state.QuestionNo), 6); // reset only by the next start
        QCOMPARE(int(rig.state.TotalScore), 7);
    }

    void secondTestCountsOnlyItsOwnAnswers()
    {
        Rig rig;
        rig.enterDetails("Ann", "30");
        rig.wizard.StartTest();
        for (int choice : {3, 0, 0, 0, 0, 0})
            rig.answer(choice);
        QCOMPARE(int(rig.state.TotalScore), 10);

        rig.wizard.MainScreen();
        rig.view.texts[WizardControl::txtAge] = QStringLiteral("31");
        rig.wizard.StartTest();
        QCOMPARE(rig.view.captions[WizardControl::lblQuestionNo], QStringLiteral("Question 1 of 6"));
        for (int choice : {0, 3, 1, 1, 1, 1})
            rig.answer(choice);
        QCOMPARE(int(rig.state.TotalScore), 0);
        QCOMPARE(rig.state.DependencyLevel, QStringLiteral("You are very slightly dependent on nicotine"));
    }

    void ageKeyFilter_data()
    {
        // clang-format off
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("passes");
        for (int digit = '0'; digit <= '9'; ++digit)
            QTest::addRow("digit %c", digit) << digit << true;
        QTest::newRow("backspace") << 8 << true;
        QTest::newRow("letter") << int('a') << false;
        QTest::newRow("blank") << 32 << false;
        QTest::newRow("minus") << int('-') << false;
        QTest::newRow("full stop") << int('.') << false;
        QTest::newRow("enter") << 13 << false;
        QTest::newRow("ctrl+v") << 22 << false;
        QTest::newRow("non-ASCII") << 0x0663 << false;
        // clang-format on
    }

    void ageKeyFilter()
    {
        QFETCH(int, code);
        QFETCH(bool, passes);
        Rig rig;
        QCOMPARE(rig.wizard.AgeKeyFilter(code), passes);
        QCOMPARE(rig.view.messages.isEmpty(), passes);
        if (!passes)
            QCOMPARE(rig.view.messages.front(), QStringLiteral("Only numbers are accepted"));
    }

    void trimBlanksOnlyTrimsSpaces()
    {
        QCOMPARE(trimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
        QCOMPARE(trimBlanks(QStringLiteral("\tAnn\n")), QStringLiteral("\tAnn\n"));
        QCOMPARE(trimBlanks(QStringLiteral("     ")), QString());
    }
};

QTEST_APPLESS_MAIN(TstWizard)
#include "tst_wizard.moc"
