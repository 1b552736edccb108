#include "MainWindowClosing.h"

#include "LogCategories.h"
#include "PassOverFailure.h"

namespace cindrel {

void MainWindowUnloading(const std::function<bool()> &showFarewell, Shutdown &shutdown)
{
    bool shown = false;
    const bool ran = passOverFailure(lcShutdown(), "showing the farewell window",
                                     [&] { shown = showFarewell && showFarewell(); });
    if (ran && showFarewell && !shown)
        qCWarning(lcShutdown, "The farewell window did not appear; the program ends without it");
    if (!shown)
        shutdown.EndApplication();
}

} // namespace cindrel
