#include "Lifecycle.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "links/UpdateReminder.h"

namespace cindrel {

void Shutdown::EndApplication()
{
    if (ending_)
        return;
    ending_ = true;
    // Qt's list of top-level widgets also holds menus, tooltips and other
    // popups; the program's windows are its windows and dialogs. A window
    // already closing is passed over by close() itself, and a close handler
    // may delete another window, hence the guarded pointers.
    QList<QPointer<QWidget>> windows;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowType() == Qt::Window || widget->windowType() == Qt::Dialog)
            windows << widget;
    }
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (window)
            window->close();
    }
    // Leaves the event loop (all of them, a modal window's too) once this
    // handler returns; outside the event loop it does nothing.
    QCoreApplication::quit();
}

bool StartApplication(Services &services, const Shutdown &shutdown, const std::function<void()> &showMainWindow)
{
    if (services.guard.anotherCopyRunning()) {
        services.boxes.information(
            QCoreApplication::translate("cindrel::Startup", "Application is already running"));
        return false;
    }
    ShowUpdateReminder(services.settings, services.clock, services.boxes, services.browser,
                       [&shutdown] { return shutdown.ending(); });
    if (shutdown.ending())
        return false;
    showMainWindow();
    return true;
}

} // namespace cindrel
