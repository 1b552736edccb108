#include "Startup.h"

#include <QCoreApplication>

#include "LogCategories.h"
#include "PassOverFailure.h"

namespace cindrel {

namespace {

void runStep(const char *name, const std::function<void()> &step)
{
    if (step)
        passOverFailure(lcStartup(), name, step);
}

} // namespace

bool StartApplication(Services &services, Shutdown &shutdown, const StartupSteps &steps)
{
    bool anotherCopy = false;
    passOverFailure(lcStartup(), "the test for another copy",
                    [&] { anotherCopy = services.guard.anotherCopyRunning(); });
    if (anotherCopy) {
        passOverFailure(lcStartup(), "the message that another copy runs", [&] {
            services.boxes.information(
                QCoreApplication::translate("cindrel::Startup", "Application is already running"));
        });
        shutdown.EndApplication();
        return false;
    }
    passOverFailure(lcStartup(), "seeding the generator", [&] { services.random.seedFromClock(); });
    runStep("the update reminder", steps.showUpdateReminder);
    runStep("showing the main window", steps.showMainWindow);
    runStep("choosing the promotional label", steps.coBrandRandomize);
    return true;
}

} // namespace cindrel
