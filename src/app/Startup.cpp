#include "Startup.h"

#include <QCoreApplication>

#include "PassOverFailure.h"

namespace cindrel {

namespace {

void runStep(const std::function<void()> &step)
{
    if (step)
        passOverFailure(step);
}

} // namespace

bool StartApplication(Services &services, Shutdown &shutdown, const StartupSteps &steps)
{
    bool anotherCopy = false;
    passOverFailure([&] { anotherCopy = services.guard.anotherCopyRunning(); });
    if (anotherCopy) {
        passOverFailure([&] {
            services.boxes.information(
                QCoreApplication::translate("cindrel::Startup", "Application is already running"));
        });
        shutdown.EndApplication();
        return false;
    }
    passOverFailure([&] { services.random.seedFromClock(); });
    runStep(steps.showUpdateReminder);
    runStep(steps.showMainWindow);
    runStep(steps.coBrandRandomize);
    return true;
}

} // namespace cindrel
