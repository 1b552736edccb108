#pragma once
// The nicotine dependency test: the question bank, the answers of the current
// test, the scoring and the wizard's own state. QtCore only (strings and
// translations), so that it can be built and exercised without any window.
//
// The texts are English and stay so inside the logic: answers are matched by
// them, in every language, and the score and verdict are kept in English.
// They are translated only where they are shown.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <span>

#include "TableChecks.h"

namespace cindrel {

/// One choice of a question with the points it scores; the text is English,
/// translated in the context "QuestionBank".
struct Choice {
    const char *text;
    std::int16_t points;
};

inline constexpr int kQuestionCount = 6;
inline constexpr int kMaxScore = 10;

/// A colour as plain red, green and blue, 0 to 255 each.
struct Rgb {
    int red;
    int green;
    int blue;
};

/// One level of dependency: the scores it spans, its verdict (English, context
/// "QuestionBank"), its short name on the scale (English, context
/// "ResultScale"), the colour its span of the scale has on the screen and the
/// ink it is printed in.
struct DependencyLevelRow {
    std::int16_t first;
    std::int16_t last;
    const char *verdict;
    const char *shortName;
    Rgb screen;
    Rgb paper;
};

// The screen colours are light, from green to red, so that dark text reads on
// every one of them and each stands out from the window's dark brown. The
// paper inks run from light to dark as well as from green to red, so that the
// levels stay apart and in order on a printer that prints only grey.
// clang-format off
inline constexpr auto kDependencyLevels = std::to_array<DependencyLevelRow>({
    {0, 2, QT_TRANSLATE_NOOP("QuestionBank", "You are very slightly dependent on nicotine"),
     QT_TRANSLATE_NOOP("ResultScale", "very slightly dependent"), {102, 187, 106}, {198, 235, 200}},
    {3, 4, QT_TRANSLATE_NOOP("QuestionBank", "You are slightly dependent on nicotine"),
     QT_TRANSLATE_NOOP("ResultScale", "slightly dependent"), {205, 220, 57}, {214, 204, 104}},
    {5, 5, QT_TRANSLATE_NOOP("QuestionBank", "You are moderately dependent on nicotine"),
     QT_TRANSLATE_NOOP("ResultScale", "moderately dependent"), {255, 202, 40}, {238, 160, 64}},
    {6, 7, QT_TRANSLATE_NOOP("QuestionBank", "You are highly addicted to nicotine"),
     QT_TRANSLATE_NOOP("ResultScale", "highly addicted"), {255, 138, 61}, {226, 128, 82}},
    {8, kMaxScore, QT_TRANSLATE_NOOP("QuestionBank", "You are very highly addicted to nicotine"),
     QT_TRANSLATE_NOOP("ResultScale", "very highly addicted"), {244, 81, 78}, {200, 90, 90}},
});
// clang-format on

/// The number of levels, as many as the table has rows.
inline constexpr int kLevelCount = int(kDependencyLevels.size());

static_assert(spansFromZeroTo(kDependencyLevels, kMaxScore),
              "the levels must span 0 to kMaxScore in order, each score once");

/// True when each level's paper ink is clearly darker in grey than the one
/// before (luma in thousandths, steps of at least 15 of 255), so that a
/// grey print keeps the levels apart and in order.
constexpr bool paperInksDarkenInOrder()
{
    int previous = 256 * 1000;
    for (const DependencyLevelRow &level : kDependencyLevels) {
        const int luma = 299 * level.paper.red + 587 * level.paper.green + 114 * level.paper.blue;
        if (previous - luma < 15 * 1000)
            return false;
        previous = luma;
    }
    return true;
}
static_assert(paperInksDarkenInOrder(), "the paper inks must darken from level to level");

/// The index of the level a score lies in, the one reading of the table that
/// the verdicts, the scale and the report share. A score outside 0 to
/// kMaxScore, which six answers never give, is read as the highest level,
/// as the verdicts have always read it.
int levelOf(int score);

/// A text of the dependency test's own (a question, a choice, a verdict, an
/// entry of the sex list), given in English, as the user reads it.
QString questionBankText(const QString &english);

/// The score of six answers: each answer is matched, whole-string and
/// case-sensitively, against its own question's choices only; an answer that
/// matches no choice adds nothing.
std::int16_t scoreAnswers(const std::array<QString, kQuestionCount> &answers);

/// The points of an answer to question k, 0 when it matches no choice.
int pointsFor(int k, const QString &answer);

/// The verdict of the score's level (0-2, 3-4, 5, 6-7, anything else), in
/// English.
QString verdictFor(std::int16_t score);

/// "Your Score is: " followed by the score in decimal, as the user reads it.
QString scoreLine(std::int16_t score);

/// The verdict heading, CR LF, then the verdict, as the user reads them.
QString levelLine(const QString &verdict);

/// The English text of question k (1 to 6) with its "k. " prefix; empty for
/// any other k.
QString questionText(int k);

/// The choices of question k (1 to 6) in display order, with their points;
/// none for any other k.
std::span<const Choice> choicesWithPoints(int k);

/// The English texts of the choices of question k, in display order.
QStringList choiceTexts(int k);

/// The Heaviness of Smoking Index: the points of the answers to question 1
/// (cigarettes a day, 0 to 3) and question 2 (time to the first cigarette,
/// 3 to 0), so 0 to kMaxHeavinessIndex. Clinics re-ask these two at
/// follow-up; the report gives the index beside the score.
inline constexpr int kMaxHeavinessIndex = 6;

/// One band of the index: the values it spans and its name as the NIDA Data
/// Share instrument page names it (English, context "ResultReport").
struct HeavinessBandRow {
    std::int16_t first;
    std::int16_t last;
    const char *name;
};

// clang-format off
inline constexpr auto kHeavinessBands = std::to_array<HeavinessBandRow>({
    //: A band of the Heaviness of Smoking Index, after its value: "1 of 6, low".
    {0, 1, QT_TRANSLATE_NOOP("ResultReport", "low")},
    //: A band of the Heaviness of Smoking Index, after its value: "3 of 6, medium".
    {2, 4, QT_TRANSLATE_NOOP("ResultReport", "medium")},
    //: A band of the Heaviness of Smoking Index, after its value: "5 of 6, high".
    {5, kMaxHeavinessIndex, QT_TRANSLATE_NOOP("ResultReport", "high")},
});
// clang-format on

static_assert(spansFromZeroTo(kHeavinessBands, kMaxHeavinessIndex),
              "the bands must span 0 to kMaxHeavinessIndex in order, each once");

/// The Heaviness of Smoking Index of six answers, matched as in the scoring:
/// an answer to question 1 or 2 that matches no choice adds nothing.
int heavinessIndex(const std::array<QString, kQuestionCount> &answers);

/// The band of an index, as its English source text for translation (context
/// "ResultReport"); values outside 0 to kMaxHeavinessIndex are taken as the
/// nearest end.
const char *heavinessBand(int index);

class modNicotineDependancy {
public:
    // Wizard state, written and read by the test wizard only.
    QString TakerName;
    std::int16_t TakerAge = 0;
    QString TakerSex;
    std::int16_t QuestionNo = 0;

    // Result of the last scoring, in English.
    std::int16_t TotalScore = 0;
    QString DependencyLevel = verdictFor(0);

    /// Stores answer k (1 to 6); any other k is ignored.
    void setAnswer(int k, const QString &text);
    const std::array<QString, kQuestionCount> &answers() const { return answers_; }

    /// Scores the six answers and stores score and verdict; the window then
    /// shows scoreLine(TotalScore) and levelLine(DependencyLevel).
    void CalculateDependency();

private:
    std::array<QString, kQuestionCount> answers_;
};

} // namespace cindrel
