#pragma once
// The dependency scale: a band from 0 to 10 in the levels of the verdicts
// (kDependencyLevels), each in its own colour, with a marker at the score
// and the numbers underneath. This file holds its geometry for a given
// width and what a screen reader says about it; the result step's widget
// and the printed report both draw from it, so they show one scale.

#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>

#include "dependency/modNicotineDependancy.h"

namespace cindrel {

/// Where everything of the scale goes, with the scale's top left corner at
/// (0, 0). Each of the 11 scores owns a cell of equal width, so a level's
/// span is as wide as the number of its scores.
struct ScaleGeometry {
    double width = 0;
    double height = 0;
    /// The coloured band.
    QRectF band;
    /// Each level's span of the band; its range label is centred in it.
    std::array<QRectF, kLevelCount> levels;
    /// The score the marker stands at: the score, or 10 for a score off
    /// the scale.
    int score = 0;
    /// The level that score lies in.
    int currentLevel = 0;
    /// The marker, a triangle above the band pointing down at the centre of
    /// the score's cell.
    std::array<QPointF, 3> marker;
    /// The box of each score's number below the band.
    std::array<QRectF, kMaxScore + 1> numbers;
};

/// The geometry of a scale `width` wide whose text lines are `lineHeight`
/// high, with the marker at `score` (clamped to 0 to 10).
ScaleGeometry scaleGeometry(double width, double lineHeight, int score);

/// A level's range as a label ("0–2", "5").
QString levelRangeLabel(const DependencyLevelRow &level);

/// What a screen reader says for a score: "Score 7 of 10: 6 to 7, highly
/// addicted".
QString scaleSummary(int score);

/// The scale's levels in words, for a screen reader.
QString scaleDescription();

} // namespace cindrel
