#include "Look.h"

#include <QFontDatabase>
#include <QMouseEvent>

namespace cindrel {

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    // Asking fontconfig for a family it lacks makes it search for a
    // substitute at every font; look Verdana up once instead.
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setBrownBackground(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kBrown);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

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
