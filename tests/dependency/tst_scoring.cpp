// Scoring of six answers: points per choice, verdict boundaries and the exact
// result lines.

#include <QtTest>
#include <tuple>

#include "dependency/modNicotineDependancy.h"

using namespace cindrel;
using Answers = std::array<QString, kQuestionCount>;

Q_DECLARE_METATYPE(Answers)

namespace {

modNicotineDependancy withAnswers(const Answers &answers)
{
    modNicotineDependancy m;
    for (int k = 1; k <= kQuestionCount; ++k)
        m.setAnswer(k, answers[k - 1]);
    return m;
}

} // namespace

class TstScoring : public QObject {
    Q_OBJECT

private slots:
    void scoresAnswerSets_data()
    {
        // clang-format off
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("verdict");

        QTest::newRow("all first choices")
            << Answers{"Less than 10", "Within five minutes", "Yes", "The first one", "Yes", "Yes"} << 7
            << "You are highly addicted to nicotine";
        QTest::newRow("all last choices")
            << Answers{"More than 30", "After one hour", "No", "The others", "No", "No"} << 3
            << "You are slightly dependent on nicotine";
        QTest::newRow("lowest")
            << Answers{"Less than 10", "After one hour", "No", "The others", "No", "No"} << 0
            << "You are very slightly dependent on nicotine";
        QTest::newRow("highest")
            << Answers{"More than 30", "Within five minutes", "Yes", "The first one", "Yes", "Yes"} << 10
            << "You are very highly addicted to nicotine";
        QTest::newRow("middle choices of questions 1 and 2")
            << Answers{"Between 11- 20", "More than five minutes but within half an hour of waking up", "No",
                       "The others", "No", "No"}
            << 3 << "You are slightly dependent on nicotine";
        QTest::newRow("score 5")
            << Answers{"Between 21- 30", "Between half an hour to an hour", "Yes", "The first one", "No", "No"}
            << 5 << "You are moderately dependent on nicotine";
        QTest::newRow("nothing answered") << Answers{} << 0 << "You are very slightly dependent on nicotine";
        // Answers that match no choice of their own question add nothing; the rest still count.
        QTest::newRow("empty answer to question 1")
            << Answers{"", "Within five minutes", "Yes", "The first one", "Yes", "Yes"} << 7
            << "You are highly addicted to nicotine";
        QTest::newRow("lower-case yes")
            << Answers{"More than 30", "Within five minutes", "yes", "The first one", "Yes", "Yes"} << 9
            << "You are very highly addicted to nicotine";
        QTest::newRow("hyphen without its blank")
            << Answers{"Between 11-20", "Within five minutes", "No", "The others", "No", "No"} << 3
            << "You are slightly dependent on nicotine";
        QTest::newRow("trailing blank")
            << Answers{"More than 30 ", "After one hour", "No", "The others", "No", "No"} << 0
            << "You are very slightly dependent on nicotine";
        // An answer is matched only against its own question's choices.
        QTest::newRow("choice of another question")
            << Answers{"Yes", "Yes", "The first one", "Yes", "More than 30", "Within five minutes"} << 0
            << "You are very slightly dependent on nicotine";
        // clang-format on
    }

    void scoresAnswerSets()
    {
        QFETCH(Answers, answers);
        QFETCH(int, score);
        QFETCH(QString, verdict);

        modNicotineDependancy m = withAnswers(answers);
        m.TotalScore = 99; // scoring starts from zero whatever was there
        m.CalculateDependency();

        QCOMPARE(int(m.TotalScore), score);
        QCOMPARE(m.DependencyLevel, verdict);
        QCOMPARE(scoreAnswers(answers), std::int16_t(score));
    }

    void verdictBoundaries_data()
    {
        // clang-format off
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<int>("level");
        const char *verySlightly = "You are very slightly dependent on nicotine";
        const char *slightly = "You are slightly dependent on nicotine";
        const char *moderately = "You are moderately dependent on nicotine";
        const char *highly = "You are highly addicted to nicotine";
        const char *veryHighly = "You are very highly addicted to nicotine";
        // A score off the scale, which six answers never give, is read as
        // the highest level, by the verdict and the scale alike.
        const std::tuple<int, const char *, int> table[] = {
            {0, verySlightly, 0}, {2, verySlightly, 0}, {3, slightly, 1}, {4, slightly, 1},
            {5, moderately, 2},   {6, highly, 3},       {7, highly, 3},   {8, veryHighly, 4},
            {10, veryHighly, 4},  {-1, veryHighly, 4},  {11, veryHighly, 4}, {32767, veryHighly, 4},
        };
        for (const auto &[score, verdict, level] : table)
            QTest::addRow("%d", score) << score << verdict << level;
        // clang-format on
    }

    void verdictBoundaries()
    {
        QFETCH(int, score);
        QFETCH(QString, verdict);
        QFETCH(int, level);
        QCOMPARE(verdictFor(std::int16_t(score)), verdict);
        QCOMPARE(levelOf(score), level);
    }

    /// The Heaviness of Smoking Index and its band for every pair of answers
    /// to questions 1 and 2; the other answers, a point each, do not count.
    void heavinessIndexOfEveryPair_data()
    {
        QTest::addColumn<int>("cigarettes");     // choice of question 1, 0 to 3 points
        QTest::addColumn<int>("firstCigarette"); // choice of question 2, 3 to 0 points
        QTest::addColumn<QString>("index");
        const char *index[4][4] = {{"3 medium", "2 medium", "1 low", "0 low"},
                                   {"4 medium", "3 medium", "2 medium", "1 low"},
                                   {"5 high", "4 medium", "3 medium", "2 medium"},
                                   {"6 high", "5 high", "4 medium", "3 medium"}};
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j)
                QTest::addRow("%d/%d", i, j) << i << j << index[i][j];
        }
    }
    void heavinessIndexOfEveryPair()
    {
        QFETCH(int, cigarettes);
        QFETCH(int, firstCigarette);
        QFETCH(QString, index);
        const int value = heavinessIndex({choiceTexts(1).at(cigarettes), choiceTexts(2).at(firstCigarette),
                                          "Yes", "The first one", "Yes", "Yes"});
        QCOMPARE(QString::number(value) + ' ' + QLatin1String(heavinessBand(value)), index);
    }

    void pointsFollowTheirRule()
    {
        // Question 1 rises 0..3; the others fall to 0 at their last choice.
        for (int k = 1; k <= kQuestionCount; ++k) {
            const auto &choices = choicesWithPoints(k);
            QCOMPARE(int(choices.size()), k <= 2 ? 4 : 2);
            for (int i = 0; i < int(choices.size()); ++i) {
                const int expected = k == 1 ? i : int(choices.size()) - 1 - i;
                QCOMPARE(int(choices[i].points), expected);
            }
        }
    }

    void resultLinesAreExact()
    {
        modNicotineDependancy m = withAnswers(
            {"Between 21- 30", "Between half an hour to an hour", "Yes", "The first one", "No", "No"});
        m.CalculateDependency();

        QCOMPARE(scoreLine(m.TotalScore), QStringLiteral("Your Score is: 5"));
        QCOMPARE(levelLine(m.DependencyLevel),
                 QStringLiteral(
                     "Your Level of Nicotine Dependency is: \r\nYou are moderately dependent on nicotine"));
        QCOMPARE(scoreLine(10), QStringLiteral("Your Score is: 10"));
        QCOMPARE(scoreLine(0), QStringLiteral("Your Score is: 0"));
    }

    void scoringTwiceGivesTheSameResult()
    {
        modNicotineDependancy m = withAnswers(
            {"Less than 10", "Within five minutes", "Yes", "The first one", "Yes", "Yes"});
        m.CalculateDependency();
        const QString verdict = m.DependencyLevel;
        m.CalculateDependency();
        QCOMPARE(int(m.TotalScore), 7);
        QCOMPARE(m.DependencyLevel, verdict);
    }

    void questionBankTexts()
    {
        QCOMPARE(questionText(1), QStringLiteral("1. How many cigarettes do you smoke in a day?"));
        QCOMPARE(questionText(6),
                 QStringLiteral("6. Do you smoke more frequently in the first half of the day?"));
        QCOMPARE(choiceTexts(1),
                 (QStringList{"Less than 10", "Between 11- 20", "Between 21- 30", "More than 30"}));
        QCOMPARE(choiceTexts(2).at(1),
                 QStringLiteral("More than five minutes but within half an hour of waking up"));
        QCOMPARE(choiceTexts(4), (QStringList{"The first one", "The others"}));
        for (int k = 1; k <= kQuestionCount; ++k)
            QVERIFY(questionText(k).startsWith(QString::number(k) + QStringLiteral(". ")));
        // Out-of-range questions read as empty instead of reading past the tables.
        QVERIFY(questionText(0).isEmpty());
        QVERIFY(choiceTexts(7).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TstScoring)
#include "tst_scoring.moc"
