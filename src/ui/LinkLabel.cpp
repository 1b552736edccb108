#include "LinkLabel.h"

#include <QMouseEvent>

#include "ui/Look.h"

namespace cindrel {

LinkLabel::LinkLabel(const QString &objectName, const QString &text, bool bold, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setFont(verdana(8.25, bold, true));
    setTextColor(this, kCyan);
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setAccessibleName(text);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

} // namespace cindrel
