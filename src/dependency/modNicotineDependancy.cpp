#include "modNicotineDependancy.h"

namespace cindrel {

namespace {

// The texts are English and stay so inside the logic: answers are matched by
// them, in every language. A window translates them in the context
// "QuestionBank" when it shows them.
constexpr std::string_view kQuestionBank = "QuestionBank";

constexpr std::array<std::string_view, kQuestionCount> kQuestionTexts = {
    CINDREL_TRANSLATE_NOOP("QuestionBank", "1. How many cigarettes do you smoke in a day?"),
    CINDREL_TRANSLATE_NOOP("QuestionBank", "2. When do you smoke your first cigarette of the day?"),
    CINDREL_TRANSLATE_NOOP("QuestionBank", "3. Do you find it difficult not to smoke in restricted places?"),
    CINDREL_TRANSLATE_NOOP("QuestionBank", "4. Which cigarette is the most satisfying?"),
    CINDREL_TRANSLATE_NOOP("QuestionBank", "5. Do you smoke even when you are sick in bed?"),
    CINDREL_TRANSLATE_NOOP("QuestionBank", "6. Do you smoke more frequently in the first half of the day?"),
};

// Answers are matched by their text, so every character counts (note the
// blank after the hyphen in "Between 11- 20").
const std::array<std::vector<Choice>, kQuestionCount> kChoiceTable = {{
    //: Answers to question 1, in cigarettes a day.
    {{CINDREL_TRANSLATE_NOOP("QuestionBank", "Less than 10"), 0},
     {CINDREL_TRANSLATE_NOOP("QuestionBank", "Between 11- 20"), 1},
     {CINDREL_TRANSLATE_NOOP("QuestionBank", "Between 21- 30"), 2},
     {CINDREL_TRANSLATE_NOOP("QuestionBank", "More than 30"), 3}},
    //: Answers to question 2: how soon after waking up.
    {{CINDREL_TRANSLATE_NOOP("QuestionBank", "Within five minutes"), 3},
     {CINDREL_TRANSLATE_NOOP("QuestionBank", "More than five minutes but within half an hour of waking up"), 2},
     {CINDREL_TRANSLATE_NOOP("QuestionBank", "Between half an hour to an hour"), 1},
     {CINDREL_TRANSLATE_NOOP("QuestionBank", "After one hour"), 0}},
    //: An answer to questions 3, 5 and 6.
    {{CINDREL_TRANSLATE_NOOP("QuestionBank", "Yes"), 1}, {CINDREL_TRANSLATE_NOOP("QuestionBank", "No"), 0}},
    //: Answers to question 4: the first cigarette of the day, or any other.
    {{CINDREL_TRANSLATE_NOOP("QuestionBank", "The first one"), 1}, {CINDREL_TRANSLATE_NOOP("QuestionBank", "The others"), 0}},
    {{CINDREL_TRANSLATE_NOOP("QuestionBank", "Yes"), 1}, {CINDREL_TRANSLATE_NOOP("QuestionBank", "No"), 0}},
    {{CINDREL_TRANSLATE_NOOP("QuestionBank", "Yes"), 1}, {CINDREL_TRANSLATE_NOOP("QuestionBank", "No"), 0}},
}};

const std::string &emptyText()
{
    static const std::string empty;
    return empty;
}

bool validQuestion(int k) { return k >= 1 && k <= kQuestionCount; }

} // namespace

std::string_view questionText(int k)
{
    return validQuestion(k) ? kQuestionTexts[k - 1] : std::string_view();
}

const std::vector<Choice> &choicesWithPoints(int k)
{
    static const std::vector<Choice> none;
    return validQuestion(k) ? kChoiceTable[k - 1] : none;
}

std::int16_t scoreAnswers(const std::array<std::string, kQuestionCount> &answers)
{
    std::int16_t total = 0;
    for (int q = 0; q < kQuestionCount; ++q) {
        for (const Choice &choice : kChoiceTable[q]) {
            if (answers[q] == choice.text) {
                total = static_cast<std::int16_t>(total + choice.points);
                break;
            }
        }
    }
    return total;
}

const std::array<DependencyLevelSpan, kLevelCount> &dependencyLevels()
{
    static constexpr std::array<DependencyLevelSpan, kLevelCount> levels = {{
        {0, 2, CINDREL_TRANSLATE_NOOP("QuestionBank", "You are very slightly dependent on nicotine")},
        {3, 4, CINDREL_TRANSLATE_NOOP("QuestionBank", "You are slightly dependent on nicotine")},
        {5, 5, CINDREL_TRANSLATE_NOOP("QuestionBank", "You are moderately dependent on nicotine")},
        {6, 7, CINDREL_TRANSLATE_NOOP("QuestionBank", "You are highly addicted to nicotine")},
        {8, kMaxScore, CINDREL_TRANSLATE_NOOP("QuestionBank", "You are very highly addicted to nicotine")},
    }};
    return levels;
}

std::string_view verdictFor(std::int16_t score)
{
    for (const DependencyLevelSpan &level : dependencyLevels()) {
        if (score >= level.first && score <= level.last)
            return level.verdict;
    }
    // Any other score is read as the highest level.
    return dependencyLevels().back().verdict;
}

Phrase questionBankText(std::string_view english)
{
    return Phrase::translatable(kQuestionBank, english);
}

Phrase scoreLinePhrase(std::int16_t score)
{
    //: The result's first line; %1 is the score, a number from 0 to 10.
    return Phrase::translatable(kQuestionBank, CINDREL_TRANSLATE_NOOP("QuestionBank", "Your Score is: %1"),
                                {Phrase::literal(std::to_string(score))});
}

Phrase levelLinePhrase(std::string_view verdict)
{
    // Heading and verdict are translated each on its own; the line break
    // between them is the program's, CR LF as the level line is written.
    //: The heading above the verdict, e.g. "You are highly addicted to nicotine".
    const Phrase heading = Phrase::translatable(kQuestionBank, CINDREL_TRANSLATE_NOOP("QuestionBank", "Your Level of Nicotine Dependency is: "));
    return Phrase::literal("%1\r\n%2", {heading, questionBankText(verdict)});
}

void modNicotineDependancy::FillQuestionBank()
{
    if (bankFilled_)
        return;
    for (int q = 0; q < kQuestionCount; ++q) {
        questions_[q] = std::string(kQuestionTexts[q]);
        choices_[q].clear();
        for (const Choice &choice : kChoiceTable[q])
            choices_[q].emplace_back(choice.text);
    }
    bankFilled_ = true;
}

const std::string &modNicotineDependancy::question(int k) const
{
    return validQuestion(k) ? questions_[k - 1] : emptyText();
}

const std::vector<std::string> &modNicotineDependancy::choices(int k) const
{
    static const std::vector<std::string> none;
    return validQuestion(k) ? choices_[k - 1] : none;
}

void modNicotineDependancy::setAnswer(int k, const std::string &text)
{
    if (validQuestion(k))
        answers_[k - 1] = text;
}

const std::string &modNicotineDependancy::answer(int k) const
{
    return validQuestion(k) ? answers_[k - 1] : emptyText();
}

void modNicotineDependancy::CalculateDependency(ResultSink &sink)
{
    TotalScore = scoreAnswers(answers_);
    DependencyLevel = std::string(verdictFor(TotalScore));
    sink.setResultCaption(0, scoreLinePhrase(TotalScore));
    sink.setResultCaption(1, levelLinePhrase(DependencyLevel));
}

} // namespace cindrel
