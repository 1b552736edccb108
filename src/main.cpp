// Cindrel: builds the real platform services and runs the start-up sequence.

#include <QApplication>

#include "Identity.h"
#include "app/FormRegistry.h"
#include "app/Shutdown.h"
#include "app/Startup.h"
#include "farewell/modTellAFriend.h"
#include "links/UpdateReminder.h"
#include "platform/PrintSeams.h"
#include "platform/SystemSeams.h"
#include "platform/WidgetSeams.h"
#include "dependency/modNicotineDependancy.h"
#include "app/AppContext.h"
#include "ui/AppIcon.h"
#include "ui/FrmFarewell.h"
#include "ui/FrmMain.h"
#include "ui/LightStyle.h"
#include "ui/Translations.h"

using namespace cindrel;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Before anything is shown: the single-instance message and the update
    // reminder come before the main window.
    installTranslations();
    QApplication::setOrganizationName(applicationTitle());
    QApplication::setApplicationName(applicationTitle());
    QApplication::setApplicationVersion(applicationVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("cindrel"));
    // Only the shutdown procedure ends the program: closing the main window
    // hands over to the farewell window instead.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new LightStyle);
    QApplication::setWindowIcon(applicationIcon());

    QtMessageBoxes boxes;
    DesktopBrowser browser;
    IniSettingsStore settings;
    SystemClock clock;
    ClockRandom random;
    LockFileGuard guard;
    ExitProcess process([&guard] { guard.release(); });
    QtPrintouts printouts;
    Services services{boxes, browser, settings, clock, random, guard, process, printouts};

    FormRegistry forms;
    Shutdown shutdown(forms, process);
    modNicotineDependancy dependency;
    modTellAFriend referral;
    AppContext ctx{services, forms, shutdown, dependency, referral, {}};
    ctx.showFarewell = [&ctx] {
        auto *farewell = new FrmFarewell(ctx);
        farewell->show();
        return farewell->isVisible();
    };

    FrmMain *mainWindow = nullptr;
    const StartupSteps steps{
        [&] { ShowUpdateReminder(settings, clock, boxes, browser); },
        [&] {
            mainWindow = new FrmMain(ctx);
            mainWindow->show();
        },
        [&] {
            if (mainWindow)
                mainWindow->CoBrand_Randomize();
        },
    };
    StartApplication(services, shutdown, steps);

    // Without any window the user could not reach the shutdown; end now
    // rather than linger invisibly.
    if (forms.forms().empty())
        shutdown.EndApplication();
    return QApplication::exec();
}
