#pragma once
// The nicotine dependency test: the question bank, the answers of the current
// test, the scoring and the wizard's own state. Plain standard C++ so that it
// can be built and exercised without any window toolkit.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Phrase.h"

namespace cindrel {

/// Where the scoring writes its two result lines (the result labels 0 and 1).
class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void setResultCaption(int index, const Phrase &caption) = 0;
};

/// One choice of a question with the points it scores.
struct Choice {
    std::string_view text;
    std::int16_t points;
};

inline constexpr int kQuestionCount = 6;
inline constexpr int kMaxScore = 10;

/// One level of dependency: the scores it spans and its verdict (English).
struct DependencyLevelSpan {
    std::int16_t first;
    std::int16_t last;
    std::string_view verdict;
};

inline constexpr int kLevelCount = 5;

/// The five levels in order of score: 0-2, 3-4, 5, 6-7 and 8-10. The
/// verdicts and the result's scale both follow this one table.
const std::array<DependencyLevelSpan, kLevelCount> &dependencyLevels();

/// The score of six answers: each answer is matched, whole-string and
/// case-sensitively, against its own question's choices only; an answer that
/// matches no choice adds nothing.
std::int16_t scoreAnswers(const std::array<std::string, kQuestionCount> &answers);

/// The verdict for a score (0-2, 3-4, 5, 6-7, anything else).
std::string_view verdictFor(std::int16_t score);

/// "Your Score is: " followed by the score in decimal.
Phrase scoreLinePhrase(std::int16_t score);

/// The verdict heading, CR LF, then the verdict.
Phrase levelLinePhrase(std::string_view verdict);

/// A text of the question bank (question, choice or verdict) to show.
Phrase questionBankText(std::string_view english);

/// The text of question k (1 to 6) with its "k. " prefix; empty for any other k.
std::string_view questionText(int k);

/// The choices of question k (1 to 6) in display order, with their points.
const std::vector<Choice> &choicesWithPoints(int k);

class modNicotineDependancy {
public:
    // Wizard state, written and read by the test wizard only.
    std::string TakerName;
    std::int16_t TakerAge = 0;
    std::string TakerSex;
    std::int16_t QuestionNo = 0;

    // Result of the last scoring.
    std::int16_t TotalScore = 0;
    std::string DependencyLevel = std::string(verdictFor(0));

    /// Loads the question and choice tables; calling it again changes nothing.
    void FillQuestionBank();

    /// Text of question k (1 to 6), with its "k. " prefix.
    const std::string &question(int k) const;
    /// Choice texts of question k (1 to 6) in display order.
    const std::vector<std::string> &choices(int k) const;

    /// Stores answer k (1 to 6); any other k is ignored.
    void setAnswer(int k, const std::string &text);
    const std::string &answer(int k) const;
    const std::array<std::string, kQuestionCount> &answers() const { return answers_; }

    /// Scores the six answers, stores score and verdict, and writes the score
    /// line to result label 0 and then the level line to result label 1.
    void CalculateDependency(ResultSink &sink);

private:
    std::array<std::string, kQuestionCount> questions_;
    std::array<std::vector<std::string>, kQuestionCount> choices_;
    std::array<std::string, kQuestionCount> answers_;
    bool bankFilled_ = false;
};

} // namespace cindrel
