#include "modNicotineDependancy.h"

namespace cindrel {

namespace {

constexpr std::array<std::string_view, kQuestionCount> kQuestionTexts = {
    "1. How many cigarettes do you smoke in a day?",
    "2. When do you smoke your first cigarette of the day?",
    "3. Do you find it difficult not to smoke in restricted places?",
    "4. Which cigarette is the most satisfying?",
    "5. Do you smoke even when you are sick in bed?",
    "6. Do you smoke more frequently in the first half of the day?",
};

// Answers are matched by their text, so every character counts (note the
// blank after the hyphen in "Between 11- 20").
const std::array<std::vector<Choice>, kQuestionCount> kChoiceTable = {{
    {{"Less than 10", 0}, {"Between 11- 20", 1}, {"Between 21- 30", 2}, {"More than 30", 3}},
    {{"Within five minutes", 3},
     {"More than five minutes but within half an hour of waking up", 2},
     {"Between half an hour to an hour", 1},
     {"After one hour", 0}},
    {{"Yes", 1}, {"No", 0}},
    {{"The first one", 1}, {"The others", 0}},
    {{"Yes", 1}, {"No", 0}},
    {{"Yes", 1}, {"No", 0}},
}};

const std::string kEmpty;
const std::vector<std::string> kNoChoices;

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

std::string_view verdictFor(std::int16_t score)
{
    if (score >= 0 && score <= 2)
        return "You are very slightly dependent on nicotine";
    if (score >= 3 && score <= 4)
        return "You are slightly dependent on nicotine";
    if (score == 5)
        return "You are moderately dependent on nicotine";
    if (score >= 6 && score <= 7)
        return "You are highly addicted to nicotine";
    return "You are very highly addicted to nicotine";
}

std::string scoreLine(std::int16_t score)
{
    return "Your Score is: " + std::to_string(score);
}

std::string levelLine(std::string_view verdict)
{
    std::string line = "Your Level of Nicotine Dependency is: \r\n";
    line += verdict;
    return line;
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
    return validQuestion(k) ? questions_[k - 1] : kEmpty;
}

const std::vector<std::string> &modNicotineDependancy::choices(int k) const
{
    return validQuestion(k) ? choices_[k - 1] : kNoChoices;
}

void modNicotineDependancy::setAnswer(int k, const std::string &text)
{
    if (validQuestion(k))
        answers_[k - 1] = text;
}

const std::string &modNicotineDependancy::answer(int k) const
{
    return validQuestion(k) ? answers_[k - 1] : kEmpty;
}

void modNicotineDependancy::CalculateDependency(ResultSink &sink)
{
    TotalScore = scoreAnswers(answers_);
    DependencyLevel = std::string(verdictFor(TotalScore));
    sink.setResultCaption(0, scoreLine(TotalScore));
    sink.setResultCaption(1, levelLine(DependencyLevel));
}

} // namespace cindrel
