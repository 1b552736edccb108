// The report's content built from a scored test: the personal details, each
// question with the answer given and its points, the total, the verdict and
// the scale's score, with the date and time the test was scored.

#include <QtTest>

#include "Identity.h"
#include "report/ResultReport.h"

using namespace cindrel;

class TstResultReport : public QObject {
    Q_OBJECT

private slots:
    void content_data()
    {
        // clang-format off
        QTest::addColumn<QList<int>>("picks"); // index of the choice taken per question
        QTest::addColumn<QList<int>>("points");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("first choices") << QList<int>{0, 0, 0, 0, 0, 0} << QList<int>{0, 3, 1, 1, 1, 1}
                                       << "7 of 10" << "You are highly addicted to nicotine";
        QTest::newRow("lowest") << QList<int>{0, 3, 1, 1, 1, 1} << QList<int>{0, 0, 0, 0, 0, 0} << "0 of 10"
                                << "You are very slightly dependent on nicotine";
        QTest::newRow("moderate") << QList<int>{2, 2, 0, 1, 0, 1} << QList<int>{2, 1, 1, 0, 1, 0} << "5 of 10"
                                  << "You are moderately dependent on nicotine";
        QTest::newRow("highest") << QList<int>{3, 0, 0, 0, 0, 0} << QList<int>{3, 3, 1, 1, 1, 1} << "10 of 10"
                                 << "You are very highly addicted to nicotine";
        // -1: an answer that matches no choice, shown as given and worth 0.
        QTest::newRow("unmatched answer") << QList<int>{-1, 1, 0, 0, 0, 0} << QList<int>{0, 2, 1, 1, 1, 1}
                                          << "6 of 10" << "You are highly addicted to nicotine";
        // clang-format on
    }
    void content()
    {
        QFETCH(QList<int>, picks);
        QFETCH(QList<int>, points);
        QFETCH(QString, total);
        QFETCH(QString, verdict);
        modNicotineDependancy test;
        test.TakerName = QStringLiteral("Zoë O'Neil");
        test.TakerAge = 42;
        test.TakerSex = QStringLiteral("Female");
        QStringList answers;
        for (int k = 1; k <= kQuestionCount; ++k) {
            const int pick = picks[k - 1];
            const QString answer = pick < 0 ? QStringLiteral("Between 11-20") : choiceTexts(k).at(pick);
            test.setAnswer(k, answer);
            answers << answer;
        }
        test.CalculateDependency();

        const ResultReport r = buildResultReport(test, QDateTime(QDate(2026, 12, 7), QTime(9, 41, 30)),
                                                 QLocale::c());
        QCOMPARE(r.program, applicationTitle() + " version " + applicationVersion());
        QCOMPARE(r.takenAt, QStringLiteral("Test taken on Monday, 7 December 2026 at 09:41"));
        QCOMPARE(r.details[0].second, QStringLiteral("Zoë O'Neil"));
        QCOMPARE(r.details[1].second, QStringLiteral("42"));
        QCOMPARE(r.details[2].second, QStringLiteral("Female"));
        int sum = 0;
        for (int k = 1; k <= kQuestionCount; ++k) {
            const ReportRow &row = r.rows[k - 1];
            QCOMPARE(row.question, questionText(k));
            QVERIFY(row.question.startsWith(QString::number(k) + ". "));
            QCOMPARE(row.answer, answers[k - 1]);
            QCOMPARE(row.points, points[k - 1]);
            sum += row.points;
        }
        QCOMPARE(r.score, sum);
        QCOMPARE(r.total, total);
        QCOMPARE(r.verdict, verdict);
        QCOMPARE(r.documentName, applicationTitle() + " result 2026-12-07");
        QVERIFY(
            r.closingNote.startsWith(QStringLiteral("The decision to quit nicotine smoking has to be yours.")));
    }
};

QTEST_MAIN(TstResultReport)
#include "tst_resultreport.moc"
