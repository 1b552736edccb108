#include "Look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QScreen>
#include <QStringList>

namespace cindrel {

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

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    // Asking fontconfig for a family it lacks makes it search for a
    // substitute at every font; look Verdana up once instead, in the list of
    // installed families. (QFontDatabase::hasFamily would first resolve the
    // name as an alias through fontconfig, a third of the whole start.)
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"),
                                                                     Qt::CaseInsensitive)
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *styleLabel(QLabel *label, const QFont &font, const QColor &color, Qt::Alignment alignment,
                   bool wordWrap)
{
    label->setFont(font);
    setTextColor(label, color);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    return label;
}

void boundLength(QLineEdit *edit, int maxLength, std::function<void()> tooLong)
{
    edit->setMaxLength(maxLength);
    QObject::connect(edit, &QLineEdit::inputRejected, edit, std::move(tooLong), Qt::QueuedConnection);
}

void centreOnMainWindowScreen(QWidget *window)
{
    // The screen of the shown main window (the About window is opened over
    // it, and the farewell window while it closes), else the primary one.
    QScreen *screen = QGuiApplication::primaryScreen();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow *>(widget) && widget->isVisible() && widget->screen()) {
            screen = widget->screen();
            break;
        }
    }
    if (!screen)
        return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    // The window belongs to that screen before it is shown, so that it is
    // laid out at that screen's pixel density.
    window->setScreen(screen);
    window->move(frame.topLeft());
}

} // namespace cindrel
