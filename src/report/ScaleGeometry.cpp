#include "ScaleGeometry.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>

namespace cindrel {

namespace {

/// How each level looks on the scale, in the order of dependencyLevels().
struct LevelLook {
    Rgb colour;
    const char *name;
};

// Light colours from green to red, so that dark text reads on every one of
// them and each stands out from the window's dark brown.
const std::array<LevelLook, kLevelCount> kLooks = {{
    {{102, 187, 106}, QT_TRANSLATE_NOOP("ResultScale", "very slightly dependent")},
    {{205, 220, 57}, QT_TRANSLATE_NOOP("ResultScale", "slightly dependent")},
    {{255, 202, 40}, QT_TRANSLATE_NOOP("ResultScale", "moderately dependent")},
    {{255, 138, 61}, QT_TRANSLATE_NOOP("ResultScale", "highly addicted")},
    {{244, 81, 78}, QT_TRANSLATE_NOOP("ResultScale", "very highly addicted")},
}};

int clampedScore(int score) { return std::clamp(score, 0, kMaxScore); }

/// A level's short name as the user reads it.
QString levelName(const ScaleLevel &level) { return QCoreApplication::translate("ResultScale", level.name); }

QString number(int n) { return QLocale().toString(n); }

/// "6 to 7", or "5" for a level of one score.
QString rangeInWords(const ScaleLevel &level)
{
    if (level.first == level.last)
        return number(level.first);
    return QCoreApplication::translate("ResultScale", "%1 to %2").arg(number(level.first), number(level.last));
}

} // namespace

const std::array<ScaleLevel, kLevelCount> &scaleLevels()
{
    static const std::array<ScaleLevel, kLevelCount> levels = [] {
        std::array<ScaleLevel, kLevelCount> result{};
        for (int i = 0; i < kLevelCount; ++i) {
            const DependencyLevelSpan &span = dependencyLevels()[i];
            result[i] = {span.first, span.last, kLooks[i].colour, kLooks[i].name};
        }
        return result;
    }();
    return levels;
}

int levelOf(int score)
{
    const int s = clampedScore(score);
    for (int i = 0; i < kLevelCount; ++i) {
        if (s <= scaleLevels()[i].last)
            return i;
    }
    return kLevelCount - 1;
}

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
        const double left = scaleLevels()[i].first * cell;
        const double right = (scaleLevels()[i].last + 1) * cell;
        g.levels[i] = QRectF(left, g.band.top(), right - left, bandHeight);
    }
    const int s = clampedScore(score);
    g.currentLevel = levelOf(s);
    g.markerX = (s + 0.5) * cell;
    const double halfBase = std::min(0.65 * markerHeight, cell / 2);
    g.marker = {QPointF(g.markerX - halfBase, 0), QPointF(g.markerX + halfBase, 0),
                QPointF(g.markerX, g.band.top())};
    const double numbersTop = g.band.bottom() + gap;
    for (int n = 0; n <= kMaxScore; ++n)
        g.numbers[n] = QRectF(n * cell, numbersTop, cell, lineHeight);
    g.height = numbersTop + lineHeight;
    return g;
}

QString levelRangeLabel(const ScaleLevel &level)
{
    if (level.first == level.last)
        return number(level.first);
    return QCoreApplication::translate("ResultScale", "%1\u2013%2").arg(number(level.first), number(level.last));
}

QString scaleSummary(int score)
{
    const int s = clampedScore(score);
    const ScaleLevel &level = scaleLevels()[levelOf(s)];
    return QCoreApplication::translate("ResultScale", "Score %1 of %2: %3, %4")
        .arg(number(s), number(kMaxScore), rangeInWords(level), levelName(level));
}

QString scaleDescription()
{
    QStringList parts;
    for (const ScaleLevel &level : scaleLevels())
        parts << QCoreApplication::translate("ResultScale", "%1, %2").arg(rangeInWords(level), levelName(level));
    return QCoreApplication::translate("ResultScale", "Scale from 0 to 10 in five levels: %1")
        .arg(parts.join(QStringLiteral("; ")));
}

} // namespace cindrel
