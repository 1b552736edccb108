// The scale's geometry: each of the 11 scores owns a cell of equal width,
// so the marker sits at its score's cell centre and each level spans the
// cells of its scores, in the order and ranges of the verdicts.

#include <QtTest>

#include "dependency/modNicotineDependancy.h"
#include "report/ScaleGeometry.h"

using namespace cindrel;

class TstScaleGeometry : public QObject {
    Q_OBJECT

private slots:
    void marker_data()
    {
        // clang-format off
        QTest::addColumn<double>("width");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("placed");
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("summary");
        QTest::newRow("0") << 550.0 << 0 << 0 << 0 << 25.0 << "Score 0 of 10: 0 to 2, very slightly dependent";
        QTest::newRow("5") << 550.0 << 5 << 5 << 2 << 275.0 << "Score 5 of 10: 5, moderately dependent";
        QTest::newRow("7") << 550.0 << 7 << 7 << 3 << 375.0 << "Score 7 of 10: 6 to 7, highly addicted";
        QTest::newRow("10") << 550.0 << 10 << 10 << 4 << 525.0 << "Score 10 of 10: 8 to 10, very highly addicted";
        QTest::newRow("off the scale, at its top like the verdict") << 550.0 << -3 << 10 << 4 << 525.0 << "Score 10 of 10: 8 to 10, very highly addicted";
        // Cells narrower than the marker would be: it keeps to its own cell.
        QTest::newRow("0, narrow") << 110.0 << 0 << 0 << 0 << 5.0 << "Score 0 of 10: 0 to 2, very slightly dependent";
        QTest::newRow("10, narrow") << 110.0 << 10 << 10 << 4 << 105.0 << "Score 10 of 10: 8 to 10, very highly addicted";
        // clang-format on
    }
    void marker()
    {
        QFETCH(double, width);
        QFETCH(int, score);
        QFETCH(int, placed);
        QFETCH(int, level);
        QFETCH(double, x);
        QFETCH(QString, summary);
        const ScaleGeometry g = scaleGeometry(width, 20, score);
        QCOMPARE(g.score, placed);
        QCOMPARE(g.currentLevel, level);
        // The triangle stands above the band, inside the score's cell, and
        // points down at the cell's centre.
        QCOMPARE(g.marker[2], QPointF(x, g.band.top()));
        const double cell = width / 11;
        QVERIFY(g.marker[0].x() < x && g.marker[1].x() > x);
        QVERIFY(g.marker[0].x() >= x - cell / 2 && g.marker[1].x() <= x + cell / 2);
        QCOMPARE(g.numbers[placed].center().x(), x);
        QVERIFY(g.numbers[0].top() > g.band.bottom());
        QCOMPARE(scaleSummary(score), summary);
    }

    void levels_data()
    {
        // clang-format off
        QTest::addColumn<int>("level");
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("right");
        QTest::addColumn<QString>("label");
        QTest::newRow("0-2") << 0 << 0.0 << 150.0 << QStringLiteral("0\u20132");
        QTest::newRow("3-4") << 1 << 150.0 << 250.0 << QStringLiteral("3\u20134");
        QTest::newRow("5") << 2 << 250.0 << 300.0 << QStringLiteral("5");
        QTest::newRow("6-7") << 3 << 300.0 << 400.0 << QStringLiteral("6\u20137");
        QTest::newRow("8-10") << 4 << 400.0 << 550.0 << QStringLiteral("8\u201310");
        // clang-format on
    }
    void levels()
    {
        QFETCH(int, level);
        QFETCH(double, left);
        QFETCH(double, right);
        QFETCH(QString, label);
        const ScaleGeometry g = scaleGeometry(550, 20, 0);
        QCOMPARE(g.levels[level], QRectF(QPointF(left, g.band.top()), QPointF(right, g.band.bottom())));
        const DependencyLevelRow &l = kDependencyLevels[level];
        QCOMPARE(levelRangeLabel(l), label);
        // Every score of the level, and no other, has the level's verdict.
        for (int s = 0; s <= kMaxScore; ++s) {
            QCOMPARE(levelOf(s) == level, s >= l.first && s <= l.last);
            QCOMPARE(verdictFor(std::int16_t(s)) == verdictFor(std::int16_t(l.first)), levelOf(s) == level);
        }
    }
};

QTEST_MAIN(TstScaleGeometry)
#include "tst_scalegeometry.moc"
