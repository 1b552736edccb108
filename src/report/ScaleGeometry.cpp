#include "ScaleGeometry.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace cindrel {

namespace {

/// Where a score stands on the scale: a score off the scale stands at the
/// top end, in the level levelOf gives it.
int placedScore(int score)
{
    return score >= 0 && score <= kMaxScore ? score : kMaxScore;
}

/// A level's short name as the user reads it.
QString levelName(const DependencyLevelRow &level)
{
    return QCoreApplication::translate("ResultScale", level.shortName);
}

QString number(int n)
{
    return QLocale().toString(n);
}

/// "6 to 7", or "5" for a level of one score.
QString rangeInWords(const DependencyLevelRow &level)
{
    if (level.first == level.last)
        return number(level.first);
    return QCoreApplication::translate("ResultScale", "%1 to %2").arg(number(level.first), number(level.last));
}

} // namespace

ScaleGeometry scaleGeometry(double width, double lineHeight, int score)
{
    ScaleGeometry g;
    g.width = width;
    const double cell = width / (kMaxScore + 1);
    const double markerHeight = lineHeight;
    const double bandHeight = 1.6 * lineHeight;
    const double gap = 0.25 * lineHeight;

    g.band = QRectF(0, markerHeight, width, bandHeight);
    for (int i = 0; i < kLevelCount; ++i) {
        const double left = kDependencyLevels[i].first * cell;
        const double right = (kDependencyLevels[i].last + 1) * cell;
        g.levels[i] = QRectF(left, g.band.top(), right - left, bandHeight);
    }
    g.score = placedScore(score);
    g.currentLevel = levelOf(g.score);
    const double markerX = (g.score + 0.5) * cell;
    const double halfBase = std::min(0.65 * markerHeight, cell / 2);
    g.marker = {QPointF(markerX - halfBase, 0), QPointF(markerX + halfBase, 0), QPointF(markerX, g.band.top())};
    const double numbersTop = g.band.bottom() + gap;
    for (int n = 0; n <= kMaxScore; ++n)
        g.numbers[n] = QRectF(n * cell, numbersTop, cell, lineHeight);
    g.height = numbersTop + lineHeight;
    return g;
}

QString levelRangeLabel(const DependencyLevelRow &level)
{
    if (level.first == level.last)
        return number(level.first);
    return QCoreApplication::translate("ResultScale", "%1\u2013%2")
        .arg(number(level.first), number(level.last));
}

QString scaleSummary(int score)
{
    const int s = placedScore(score);
    const DependencyLevelRow &level = kDependencyLevels[levelOf(s)];
    return QCoreApplication::translate("ResultScale", "Score %1 of %2: %3, %4")
        .arg(number(s), number(kMaxScore), rangeInWords(level), levelName(level));
}

QString scaleDescription()
{
    QStringList parts;
    for (const DependencyLevelRow &level : kDependencyLevels)
        parts
            << QCoreApplication::translate("ResultScale", "%1, %2").arg(rangeInWords(level), levelName(level));
    //: What a screen reader says of the scale; %1 and %2 are its lowest and highest score, %3 its levels.
    return QCoreApplication::translate("ResultScale", "Scale from %1 to %2: %3")
        .arg(number(0), number(kMaxScore), parts.join(QStringLiteral("; ")));
}

} // namespace cindrel
