#include "Placement.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>

namespace cindrel {

namespace {
/// The screen of the program's main window: the one shown top-level main
/// window (the About window is opened over it, and the farewell window
/// while it closes).
QScreen *mainWindowScreen()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMainWindow *>(widget) && widget->isVisible() && widget->screen())
            return widget->screen();
    }
    return QGuiApplication::primaryScreen();
}
} // namespace

void centreOnMainWindowScreen(QWidget *window)
{
    QScreen *screen = mainWindowScreen();
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
