#include "LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "ui/Accessibility.h"
#include "ui/Look.h"

namespace cindrel {

namespace {
/// Width of the focus frame and the room kept free for it around the text.
constexpr qreal kFocusFrameWidth = 2;
constexpr int kFocusMargin = 3;
} // namespace

LinkLabel::LinkLabel(const QString &objectName, const QString &text, bool bold, QWidget *parent,
                     const QString &description)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    styleLabel(this, verdana(8.25, bold, true), kCyan, Qt::AlignCenter, true);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text);
    // Reached by Tab; a click opens the page and leaves the focus where it
    // is, so that a link clicked while typing does not take it from the field.
    setFocusPolicy(Qt::TabFocus);
    setContentsMargins(kFocusMargin, kFocusMargin, kFocusMargin, kFocusMargin);
    setAccessibleDescription(description);
}

LinkLabel::LinkLabel(const QString &objectName, const QString &text, bool bold, QWidget *parent,
                     Browser &browser, SitePage page)
    : LinkLabel(objectName, text, bold, parent, opensPageDescription(page))
{
    connect(this, &LinkLabel::clicked, this, [&browser, page] { OpenSitePage(browser, page); });
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

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!activates || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        // Escape and the rest go on to the window (a dialog closes on Escape).
        QLabel::keyPressEvent(event);
        return;
    }
    // Taken even while the key is held, so that a dialog's default button
    // never sees it; the page opens once per press.
    event->accept();
    if (!event->isAutoRepeat())
        emit clicked();
}

// QLabel's own focus handling would give the label a text control, through
// which it then paints its text, for an interaction a link does not have;
// QWidget's repaints the frame and nothing more.
void LinkLabel::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event); // NOLINT(bugprone-parent-virtual-call): QLabel's is skipped on purpose
}

void LinkLabel::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event); // NOLINT(bugprone-parent-virtual-call): QLabel's is skipped on purpose
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // A solid yellow frame around the text, in the margin kept free for it,
    // so it never covers the text; yellow stands out from the brown and
    // from the cyan text.
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRect text = fontMetrics().boundingRect(contentsRect(), flags, QLabel::text());
    const qreal inset = kFocusFrameWidth / 2;
    const QRectF frame =
        QRectF(text.marginsAdded(contentsMargins()) & rect()).adjusted(inset, inset, -inset, -inset);
    QPainter painter(this);
    QPen pen(kYellow, kFocusFrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(frame);
}

} // namespace cindrel
