#include "modNicotineDependancy.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace cindrel {

namespace {

// Answers are matched by their text, so every character counts (note the
// blank after the hyphen in "Between 11- 20").
// clang-format off
//: Answers to question 1, in cigarettes a day.
constexpr Choice kCigarettesADay[] = {{QT_TRANSLATE_NOOP("QuestionBank", "Less than 10"), 0},
                                      {QT_TRANSLATE_NOOP("QuestionBank", "Between 11- 20"), 1},
                                      {QT_TRANSLATE_NOOP("QuestionBank", "Between 21- 30"), 2},
                                      {QT_TRANSLATE_NOOP("QuestionBank", "More than 30"), 3}};
//: Answers to question 2: how soon after waking up.
constexpr Choice kFirstCigarette[] = {
    {QT_TRANSLATE_NOOP("QuestionBank", "Within five minutes"), 3},
    {QT_TRANSLATE_NOOP("QuestionBank", "More than five minutes but within half an hour of waking up"), 2},
    {QT_TRANSLATE_NOOP("QuestionBank", "Between half an hour to an hour"), 1},
    {QT_TRANSLATE_NOOP("QuestionBank", "After one hour"), 0}};
//: An answer to questions 3, 5 and 6.
constexpr Choice kYesNo[] = {{QT_TRANSLATE_NOOP("QuestionBank", "Yes"), 1}, {QT_TRANSLATE_NOOP("QuestionBank", "No"), 0}};
//: Answers to question 4: the first cigarette of the day, or any other.
constexpr Choice kMostSatisfying[] = {{QT_TRANSLATE_NOOP("QuestionBank", "The first one"), 1},
                                      {QT_TRANSLATE_NOOP("QuestionBank", "The others"), 0}};

/// One question: its text, with its "k. " prefix, and its choices.
struct QuestionRow {
    const char *text;
    std::span<const Choice> choices;
};

constexpr QuestionRow kQuestionBank[] = {
    {QT_TRANSLATE_NOOP("QuestionBank", "1. How many cigarettes do you smoke in a day?"), kCigarettesADay},
    {QT_TRANSLATE_NOOP("QuestionBank", "2. When do you smoke your first cigarette of the day?"), kFirstCigarette},
    {QT_TRANSLATE_NOOP("QuestionBank", "3. Do you find it difficult not to smoke in restricted places?"), kYesNo},
    {QT_TRANSLATE_NOOP("QuestionBank", "4. Which cigarette is the most satisfying?"), kMostSatisfying},
    {QT_TRANSLATE_NOOP("QuestionBank", "5. Do you smoke even when you are sick in bed?"), kYesNo},
    {QT_TRANSLATE_NOOP("QuestionBank", "6. Do you smoke more frequently in the first half of the day?"), kYesNo},
};
// clang-format on
static_assert(std::size(kQuestionBank) == kQuestionCount, "one row per question");

/// The most points any choice of a question scores.
constexpr int mostPoints(std::span<const Choice> choices)
{
    int most = 0;
    for (const Choice &choice : choices)
        most = std::max(most, int(choice.points));
    return most;
}
static_assert(mostPoints(kQuestionBank[0].choices) + mostPoints(kQuestionBank[1].choices) == kMaxHeavinessIndex,
              "the Heaviness of Smoking Index is the points of questions 1 and 2");

bool validQuestion(int k)
{
    return k >= 1 && k <= kQuestionCount;
}

} // namespace

int levelOf(int score)
{
    const auto level = std::find_if(
        kDependencyLevels.begin(), kDependencyLevels.end(),
        [score](const DependencyLevelRow &row) { return score >= row.first && score <= row.last; });
    return level == kDependencyLevels.end() ? kLevelCount - 1 : int(level - kDependencyLevels.begin());
}

QString questionBankText(const QString &english)
{
    return QCoreApplication::translate("QuestionBank", english.toUtf8().constData());
}

QString questionText(int k)
{
    return validQuestion(k) ? QString::fromUtf8(kQuestionBank[k - 1].text) : QString();
}

std::span<const Choice> choicesWithPoints(int k)
{
    return validQuestion(k) ? kQuestionBank[k - 1].choices : std::span<const Choice>();
}

QStringList choiceTexts(int k)
{
    QStringList texts;
    for (const Choice &choice : choicesWithPoints(k))
        texts << QString::fromUtf8(choice.text);
    return texts;
}

int pointsFor(int k, const QString &answer)
{
    for (const Choice &choice : choicesWithPoints(k)) {
        if (answer == QString::fromUtf8(choice.text))
            return choice.points;
    }
    return 0;
}

int heavinessIndex(const std::array<QString, kQuestionCount> &answers)
{
    return pointsFor(1, answers[0]) + pointsFor(2, answers[1]);
}

const char *heavinessBand(int index)
{
    const int i = std::clamp(index, 0, kMaxHeavinessIndex);
    const auto band = std::find_if(kHeavinessBands.begin(), kHeavinessBands.end(),
                                   [i](const HeavinessBandRow &row) { return i <= row.last; });
    return band->name;
}

std::int16_t scoreAnswers(const std::array<QString, kQuestionCount> &answers)
{
    std::int16_t total = 0;
    for (int k = 1; k <= kQuestionCount; ++k)
        total = static_cast<std::int16_t>(total + pointsFor(k, answers[k - 1]));
    return total;
}

QString verdictFor(std::int16_t score)
{
    return QString::fromUtf8(kDependencyLevels[levelOf(score)].verdict);
}

QString scoreLine(std::int16_t score)
{
    //: The result's first line; %1 is the score, a number from 0 to 10.
    return QCoreApplication::translate("QuestionBank", "Your Score is: %1").arg(score);
}

QString levelLine(const QString &verdict)
{
    // Heading and verdict are translated each on its own; the line break
    // between them is the program's, CR LF as the level line is written.
    //: The heading above the verdict, e.g. "You are highly addicted to nicotine".
    return QCoreApplication::translate("QuestionBank", "Your Level of Nicotine Dependency is: ")
           + QStringLiteral("\r\n") + questionBankText(verdict);
}

void modNicotineDependancy::setAnswer(int k, const QString &text)
{
    if (validQuestion(k))
        answers_[k - 1] = text;
}

void modNicotineDependancy::CalculateDependency()
{
    TotalScore = scoreAnswers(answers_);
    DependencyLevel = verdictFor(TotalScore);
}

} // namespace cindrel
