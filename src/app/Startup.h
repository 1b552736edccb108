#pragma once
// The start-up sequence of the program.

#include <functional>

#include "app/Shutdown.h"
#include "platform/Seams.h"

namespace cindrel {

/// The steps of start-up that belong to other parts of the program.
struct StartupSteps {
    std::function<void()> showUpdateReminder;
    std::function<void()> showMainWindow;
    std::function<void()> coBrandRandomize;
};

/// Runs start-up in order: refuse a second copy ("Application is already
/// running", then shutdown), seed the generator, the update reminder, load and
/// show the main window, choose the promotional label. A step that fails is
/// passed over without a message, and logged. Returns false when this copy
/// was refused.
bool StartApplication(Services &services, Shutdown &shutdown, const StartupSteps &steps);

} // namespace cindrel
