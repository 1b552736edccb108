#include "MainWindowClosing.h"

#include "PassOverFailure.h"

namespace cindrel {

void MainWindowUnloading(const std::function<bool()> &showFarewell, Shutdown &shutdown)
{
    bool shown = false;
    passOverFailure([&] { shown = showFarewell && showFarewell(); });
    if (!shown)
        shutdown.EndApplication();
}

} // namespace cindrel
