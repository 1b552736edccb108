#include "ResultScale.h"

#include <QPainter>
#include <cmath>

#include "report/ScaleGeometry.h"
#include "ui/Accessibility.h"
#include "ui/Look.h"
#include "ui/ScalePainter.h"

namespace cindrel {

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

QSize ResultScale::minimumSizeHint() const
{
    return sizeHint();
}

void ResultScale::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintScale(painter, QRectF(rect()), score_, font(), ScaleInk::onWindow());
}

} // namespace cindrel
