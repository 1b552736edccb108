#pragma once
// Paints the dependency scale from its geometry (report/ScaleGeometry.h),
// onto the screen or a page, so that both show the same scale; and the
// scale's widget on the result step.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QWidget>

#include "dependency/modNicotineDependancy.h"

class QPainter;

namespace cindrel {

/// The colours the scale is drawn with: light ink on the window's brown,
/// dark ink on white paper, and the levels in their screen colours or their
/// paper inks.
struct ScaleInk {
    QColor frame;
    QColor marker;
    QColor numbers;
    QColor currentNumber;
    Rgb DependencyLevelRow::*levelColour;
};

/// The height a scale takes when its text is set in `font` on `painter`'s device.
qreal scaleHeight(const QFont &font, const QPaintDevice *device);

/// Paints the scale for `score` into the top of `box` (its height is
/// scaleHeight). Edges fall on whole device pixels, so the scale stays
/// crisp at any scale factor.
void paintScale(QPainter &painter, const QRectF &box, int score, const QFont &font, const ScaleInk &ink);

/// The dependency scale on the result step (objectName picScale): its
/// levels from 0 to 10 with a marker at the score. A screen reader reads it
/// as a graphic named by the score and its level.
class ResultScale : public QWidget {
    Q_OBJECT
public:
    explicit ResultScale(QWidget *parent = nullptr);

    /// Moves the marker to a score (0 to 10) and renames the scale for
    /// screen readers.
    void setScore(int score);
    int score() const { return score_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int score_ = 0;
};

} // namespace cindrel
