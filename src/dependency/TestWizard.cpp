#include "TestWizard.h"

namespace cindrel {

namespace {
/// A text of the wizard itself, translated in its own context.
Phrase wizardText(std::string_view source, std::vector<Phrase> arguments = {})
{
    return Phrase::translatable("cindrel::TestWizard", source, std::move(arguments));
}

Phrase number(int value)
{
    return Phrase::literal(std::to_string(value));
}
} // namespace

std::optional<std::int16_t> parseAge(const std::string &text)
{
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kMaxAge) // stop before any overflow
            return std::nullopt;
    }
    if (value < kMinAge)
        return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::string trimBlanks(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

TestWizard::TestWizard(modNicotineDependancy &state, WizardView &view)
    : state_(state), view_(view)
{
}

void TestWizard::Load()
{
    view_.clearList(WizardControl::cboSex);
    // The sex is kept in English like the answers, and shown (here and in
    // the printed result) through the question bank's translations.
    //: An entry of the sex list.
    view_.addListItem(WizardControl::cboSex, questionBankText(CINDREL_TRANSLATE_NOOP("QuestionBank", "Male")));
    //: An entry of the sex list.
    view_.addListItem(WizardControl::cboSex, questionBankText(CINDREL_TRANSLATE_NOOP("QuestionBank", "Female")));
    view_.selectListIndex(WizardControl::cboSex, 0);
    view_.bringStepToFront(0);
}

bool TestWizard::AgeKeyFilter(int keyAscii)
{
    constexpr int kBackspace = 8;
    if ((keyAscii >= '0' && keyAscii <= '9') || keyAscii == kBackspace)
        return true;
    view_.showCritical(wizardText(CINDREL_TRANSLATE_NOOP("cindrel::TestWizard", "Only numbers are accepted")));
    return false;
}

bool TestWizard::ValidatePersonalDetails()
{
    if (view_.text(WizardControl::txtName).empty()) {
        view_.showCritical(wizardText(CINDREL_TRANSLATE_NOOP("cindrel::TestWizard", "Please enter your name")));
        view_.setFocus(WizardControl::txtName);
        return false;
    }
    const std::string age = view_.text(WizardControl::txtAge);
    if (age.empty()) {
        view_.showCritical(wizardText(CINDREL_TRANSLATE_NOOP("cindrel::TestWizard", "Please enter your age")));
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

Phrase TestWizard::ageRangeMessage()
{
    //: %1 and %2 are the youngest and the oldest age accepted.
    return wizardText(CINDREL_TRANSLATE_NOOP("cindrel::TestWizard", "Please enter your age in years, from %1 to %2"),
                      {number(kMinAge), number(kMaxAge)});
}

void TestWizard::TextTooLong(WizardControl box)
{
    if (box == WizardControl::txtAge)
        view_.showCritical(ageRangeMessage());
    else if (box == WizardControl::txtName)
        //: %1 is the number of characters the name box takes.
        view_.showCritical(wizardText(
            CINDREL_TRANSLATE_NOOP("cindrel::TestWizard", "Please enter a name of at most %1 characters"),
            {number(kMaxTakerNameLength)}));
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
    state_.FillQuestionBank();
    const int k = state_.QuestionNo;
    if (k >= 0 && k < kQuestionCount) {
        if (k >= 1)
            state_.setAnswer(k, view_.selectedListText(WizardControl::cboAnswer_Option));
        const int next = k + 1;
        //: The question counter; %1 is the number of the question shown, %2 the number of questions.
        view_.setCaption(WizardControl::lblQuestionNo,
                         wizardText(CINDREL_TRANSLATE_NOOP("cindrel::TestWizard", "Question %1 of %2"),
                                    {number(next), number(kQuestionCount)}));
        view_.setCaption(WizardControl::lblQuestion, questionBankText(state_.question(next)));
        view_.clearList(WizardControl::cboAnswer_Option);
        for (const std::string &choice : state_.choices(next))
            view_.addListItem(WizardControl::cboAnswer_Option, questionBankText(choice));
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
    view_.setText(WizardControl::txtAge, std::string());
    view_.setFocus(WizardControl::txtAge);
    view_.selectListIndex(WizardControl::cboSex, 0);
    view_.bringStepToFront(0);
}

} // namespace cindrel
