// Fuzzes the scoring with arbitrary answers: six answers split at NUL bytes.
// Whatever they hold, the score stays within 0 to 10, equals the sum of the
// points of the answers that match a choice of their own question, and the
// two result lines keep their exact form.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "dependency/modNicotineDependancy.h"

using namespace cindrel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::array<std::string, kQuestionCount> bytes;
    std::size_t q = 0;
    for (std::size_t i = 0; i < size && q < bytes.size(); ++i) {
        if (data[i] == 0)
            ++q;
        else
            bytes[q].push_back(static_cast<char>(data[i]));
    }
    // The bytes read as UTF-8, as the text of a box would be.
    std::array<QString, kQuestionCount> answers;
    for (std::size_t k = 0; k < bytes.size(); ++k)
        answers[k] = QString::fromStdString(bytes[k]);

    int expected = 0;
    for (int k = 1; k <= kQuestionCount; ++k)
        for (const Choice &choice : choicesWithPoints(k))
            if (answers[k - 1] == QString::fromUtf8(choice.text)) {
                expected += choice.points;
                break;
            }

    modNicotineDependancy m;
    for (int k = 1; k <= kQuestionCount; ++k)
        m.setAnswer(k, answers[k - 1]);
    m.CalculateDependency();

    if (m.TotalScore < 0 || m.TotalScore > kMaxScore || m.TotalScore != expected)
        std::abort();
    if (scoreLine(m.TotalScore) != QStringLiteral("Your Score is: ") + QString::number(expected))
        std::abort();
    if (levelLine(m.DependencyLevel)
        != QStringLiteral("Your Level of Nicotine Dependency is: \r\n") + m.DependencyLevel)
        std::abort();
    if (m.DependencyLevel != verdictFor(m.TotalScore))
        std::abort();
    return 0;
}
