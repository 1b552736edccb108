#include "TestWizard.h"

namespace cindrel {

std::optional<std::int16_t> parseAge(const QString &text)
{
    // Digits only, counted by hand: QString::toShort() would also take a
    // sign ("+5"), and its 16 bits hold ages that are no age.
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > kMaxAge) // stop before any overflow
            return std::nullopt;
    }
    if (value < kMinAge)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

TestWizard::TestWizard(modNicotineDependancy &state, WizardView &view) : state_(state), view_(view) {}

void TestWizard::Load()
{
    view_.clearList(WizardControl::cboSex);
    // The sex is kept in English like the answers, and shown (here and in
    // the printed result) through the question bank's translations.
    //: An entry of the sex list.
    const QString male = QStringLiteral(QT_TRANSLATE_NOOP("QuestionBank", "Male"));
    //: An entry of the sex list.
    const QString female = QStringLiteral(QT_TRANSLATE_NOOP("QuestionBank", "Female"));
    for (const QString &sex : {male, female})
        view_.addListItem(WizardControl::cboSex, questionBankText(sex), sex);
    view_.selectListIndex(WizardControl::cboSex, 0);
    view_.bringStepToFront(0);
}

bool TestWizard::AgeKeyFilter(int keyAscii)
{
    constexpr int kBackspace = 8;
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == kBackspace)
        return true;
    view_.showCritical(tr("Only numbers are accepted"));
    return false;
}

bool TestWizard::ValidatePersonalDetails()
{
    if (view_.text(WizardControl::txtName).isEmpty()) {
        view_.showCritical(tr("Please enter your name"));
        view_.setFocus(WizardControl::txtName);
        return false;
    }
    const QString age = view_.text(WizardControl::txtAge);
    if (age.isEmpty()) {
        view_.showCritical(tr("Please enter your age"));
        view_.setFocus(WizardControl::txtAge);
        return false;
    }
    // Text pasted into the box bypasses the key filter, and a long run of
    // digits does not fit the age; both are refused rather than converted.
    if (!parseAge(age)) {
        view_.showCritical(ageRangeMessage());
        view_.setFocus(WizardControl::txtAge);
        return false;
    }
    return true;
}

QString TestWizard::ageRangeMessage()
{
    //: %1 and %2 are the youngest and the oldest age accepted.
    return tr("Please enter your age in years, from %1 to %2").arg(kMinAge).arg(kMaxAge);
}

void TestWizard::TextTooLong(WizardControl box)
{
    if (box == WizardControl::txtAge)
        view_.showCritical(ageRangeMessage());
    else if (box == WizardControl::txtName)
        //: %1 is the number of characters the name box takes.
        view_.showCritical(tr("Please enter a name of at most %1 characters").arg(kMaxTakerNameLength));
}

void TestWizard::StartTest()
{
    if (!ValidatePersonalDetails())
        return;
    state_.TakerName = trimBlanks(view_.text(WizardControl::txtName));
    state_.TakerAge = *parseAge(view_.text(WizardControl::txtAge));
    state_.TakerSex = view_.selectedListText(WizardControl::cboSex);
    state_.QuestionNo = 0;
    state_.TotalScore = 0;
    view_.pressButton(WizardControl::cmdNextQuestion);
    view_.bringStepToFront(1);
}

void TestWizard::NextQuestion()
{
    // The question bank's tables are constant: nothing has to load them
    // before they are read.
    const int k = state_.QuestionNo;
    if (k >= 0 && k < kQuestionCount) {
        if (k >= 1)
            state_.setAnswer(k, view_.selectedListText(WizardControl::cboAnswer_Option));
        const int next = k + 1;
        //: The question counter; %1 is the number of the question shown, %2 the number of questions.
        view_.setCaption(WizardControl::lblQuestionNo, tr("Question %1 of %2").arg(next).arg(kQuestionCount));
        view_.setCaption(WizardControl::lblQuestion, questionBankText(questionText(next)));
        view_.clearList(WizardControl::cboAnswer_Option);
        for (const QString &choice : choiceTexts(next))
            view_.addListItem(WizardControl::cboAnswer_Option, questionBankText(choice), choice);
        view_.selectListIndex(WizardControl::cboAnswer_Option, 0);
        state_.QuestionNo = static_cast<std::int16_t>(next);
        return;
    }
    // Question 6 is on screen (or the result already is): store the last
    // answer and score the test.
    state_.setAnswer(kQuestionCount, view_.selectedListText(WizardControl::cboAnswer_Option));
    view_.setFocus(WizardControl::cmdMain);
    state_.CalculateDependency(view_);
    view_.bringStepToFront(2);
}

void TestWizard::MainScreen()
{
    view_.setText(WizardControl::txtAge, QString());
    view_.setFocus(WizardControl::txtAge);
    view_.selectListIndex(WizardControl::cboSex, 0);
    view_.bringStepToFront(0);
}

} // namespace cindrel
