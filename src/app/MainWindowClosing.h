#pragma once
// What happens when the main window unloads: the farewell window takes over.

#include <functional>

#include "app/Shutdown.h"

namespace cindrel {

/// Unload handling of the main window: loads and shows the farewell window
/// (showFarewell returns whether it is on screen). The close is never refused.
/// When the farewell window cannot be shown the program ends, so that no
/// process lingers without a window.
void MainWindowUnloading(const std::function<bool()> &showFarewell, Shutdown &shutdown);

} // namespace cindrel
