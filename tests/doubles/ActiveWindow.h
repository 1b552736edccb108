#pragma once
// Bringing a window to the front in a widget test, as a user's click would.

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace cindrel::testing {

/// Shows the window, makes it the active one and waits until it is. Returns
/// false when it never became active.
inline bool showAndActivate(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace cindrel::testing
