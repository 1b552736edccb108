#include "ScalePainter.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "report/ScaleGeometry.h"
#include "ui/Accessibility.h"
#include "ui/Look.h"

namespace cindrel {

qreal scaleHeight(const QFont &font, const QPaintDevice *device)
{
    return scaleGeometry(1, QFontMetricsF(font, device).height(), 0).height;
}

void paintScale(QPainter &painter, const QRectF &box, int score, const QFont &font, const ScaleInk &ink)
{
    const QFontMetricsF metrics(font, painter.device());
    const ScaleGeometry g = scaleGeometry(box.width(), metrics.height(), score);
    const qreal ratio = painter.device()->devicePixelRatioF();
    // Snaps a coordinate (relative to the box) onto the device's pixel grid.
    const auto snapX = [&](qreal x) { return std::round((box.left() + x) * ratio) / ratio; };
    const auto snapY = [&](qreal y) { return std::round((box.top() + y) * ratio) / ratio; };
    const auto snapped = [&](const QRectF &r) {
        return QRectF(QPointF(snapX(r.left()), snapY(r.top())), QPointF(snapX(r.right()), snapY(r.bottom())));
    };
    // The frame is about a twelfth of a line thick, and at least one device pixel.
    const qreal line = std::max(1.0, std::round(metrics.height() / 12 * ratio)) / ratio;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);

    // The band: the frame colour underneath shows as a frame around each
    // level, a thicker one around the level the score lies in.
    painter.fillRect(snapped(g.band), ink.frame);
    for (int i = 0; i < kLevelCount; ++i) {
        const bool current = i == g.currentLevel;
        const qreal inset = current ? 2 * line : line;
        const qreal right = current ? inset : (i == kLevelCount - 1 ? line : 0);
        const Rgb &colour = kDependencyLevels[i].*ink.levelColour;
        painter.fillRect(snapped(g.levels[i]).adjusted(inset, inset, -right, -inset),
                         QColor(colour.red, colour.green, colour.blue));
    }

    // Each level's range inside its span, the current one in bold.
    QFont bold = font;
    bold.setBold(true);
    for (int i = 0; i < kLevelCount; ++i) {
        painter.setFont(i == g.currentLevel ? bold : font);
        painter.setPen(kDarkBrown);
        painter.drawText(snapped(g.levels[i]), Qt::AlignCenter, levelRangeLabel(kDependencyLevels[i]));
    }

    // The numbers 0 to 10 under their cells, the marked score's in bold.
    for (int n = 0; n <= kMaxScore; ++n) {
        painter.setFont(n == g.score ? bold : font);
        painter.setPen(n == g.score ? ink.currentNumber : ink.numbers);
        painter.drawText(snapped(g.numbers[n]), Qt::AlignHCenter | Qt::AlignTop, QLocale().toString(n));
    }

    // The marker above the band, pointing down at the score.
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPolygonF marker;
    for (const QPointF &p : g.marker)
        marker << QPointF(box.left() + p.x(), snapY(p.y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.marker);
    painter.drawPolygon(marker);
    painter.restore();
}

ResultScale::ResultScale(QWidget *parent) : QWidget(parent)
{
    // The role is taken when the accessible interface is made: set it first.
    setAccessibleRole(this, QAccessible::Graphic);
    setObjectName(QStringLiteral("picScale"));
    setFont(verdana(8.25));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleDescription(scaleDescription());
    setScore(0);
}

void ResultScale::setScore(int score)
{
    score_ = score;
    setAccessibleName(scaleSummary(score));
    update();
}

QSize ResultScale::sizeHint() const
{
    // Wide enough for every number in its own cell with room around it.
    const int cell = fontMetrics().horizontalAdvance(QStringLiteral("00")) * 2;
    const int height = static_cast<int>(std::ceil(scaleHeight(font(), this)));
    return QSize(cell * (kMaxScore + 1), height);
}

void ResultScale::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintScale(painter, QRectF(rect()), score_, font(),
               {kWhite, kWhite, kLightYellow, kYellow, &DependencyLevelRow::screen});
}

} // namespace cindrel
