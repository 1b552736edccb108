#include "MainWindowClosing.h"

namespace cindrel {

void MainWindowUnloading(const std::function<bool()> &showFarewell, Shutdown &shutdown)
{
    bool shown = false;
    try {
        shown = showFarewell && showFarewell();
    } catch (...) {
        shown = false;
    }
    if (!shown)
        shutdown.EndApplication();
}

} // namespace cindrel
