// Cindrel: builds the real platform services and runs the start-up sequence.

#include <QApplication>
#include <cstdio>

#include "Identity.h"
#include "commandline/CommandLine.h"
#include "dependency/modNicotineDependancy.h"
#include "farewell/modTellAFriend.h"
#include "platform/Platform.h"
#include "platform/SystemSeams.h"
#include "ui/FrmMain.h"
#include "ui/Lifecycle.h"
#include "ui/LightStyle.h"
#include "ui/Look.h"
#include "ui/PrintSeams.h"
#include "ui/Translations.h"
#include "ui/WidgetSeams.h"

using namespace cindrel;

namespace {

/// The names the program goes by: the settings' organisation and application
/// name, the version, and the desktop entry that desktops match its windows
/// to (the app id on Wayland).
void nameTheProgram()
{
    QCoreApplication::setOrganizationName(applicationTitle());
    QCoreApplication::setApplicationName(applicationTitle());
    QCoreApplication::setApplicationVersion(applicationVersion());
    QGuiApplication::setDesktopFileName(desktopId());
}

/// Answers --help, --version or a command line the program does not
/// understand on the terminal and returns the exit status. It runs under a
/// QCoreApplication, which needs no display (a QApplication on xcb or
/// Wayland aborts without one), so that it works over ssh as well and the
/// texts can be translated.
int answerOnTerminal(int argc, char **argv)
{
    QCoreApplication terminal(argc, argv);
    installTranslations();
    nameTheProgram();
    const CommandLineRequest request = readCommandLine(QCoreApplication::arguments());
    const QByteArray text = request.text.toLocal8Bit();
    std::FILE *stream = request.action == CommandLineRequest::Action::Refuse ? stderr : stdout;
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
    std::fflush(stream);
    return request.exitCode;
}

} // namespace

int main(int argc, char **argv)
{
    restrictLibrarySearch();
    // The command line is read before anything can open a window or take the
    // single-instance lock; only a plain start goes on to the windows.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (readCommandLine(arguments).action != CommandLineRequest::Action::Run)
        return answerOnTerminal(argc, argv);

    QApplication app(argc, argv);
    // Before anything is shown: the single-instance message and the update
    // reminder come before the main window.
    installTranslations();
    nameTheProgram();
    // Only the shutdown procedure ends the program: closing the main window
    // hands over to the farewell window instead.
    QApplication::setQuitOnLastWindowClosed(false);
    // A proxy of the style -style or QT_STYLE_OVERRIDE names, else of the
    // desktop's style.
    QApplication::setStyle(new LightStyle);
    QApplication::setWindowIcon(applicationIcon());

    QtMessageBoxes boxes;
    DesktopBrowser browser;
    const std::unique_ptr<SettingsStore> settings = makeSettingsStore();
    SystemClock clock;
    SystemRandom random;
    // The guard gives up the lock or mutex in its destructor, when main returns.
    const std::unique_ptr<InstanceGuard> guard = makeInstanceGuard();
    QtPrintouts printouts;
    Services services{boxes, browser, *settings, clock, random, *guard, printouts};

    Shutdown shutdown;
    modNicotineDependancy dependency;
    modTellAFriend referral;
    AppContext ctx{services, shutdown, dependency, referral};
    routeEndRequests([&shutdown] { shutdown.EndApplication(); });

    // The main window is deleted when it closes, and the farewell window it
    // opens then when that one closes.
    const bool started = StartApplication(services, shutdown, [&ctx] {
        auto *mainWindow = new FrmMain(ctx);
        mainWindow->show();
        mainWindow->CoBrand_Randomize();
    });
    return started ? QApplication::exec() : 0;
}
