// The Linux variants of the platform services, and the locale's paper.

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <langinfo.h>
#include <sys/socket.h>
#include <unistd.h>

#include "LogCategories.h"
#include "platform/IniSettingsStore.h"
#include "platform/LockFileGuard.h"
#include "platform/Platform.h"

namespace cindrel {

void restrictLibrarySearch() {}

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<IniSettingsStore>();
}

std::unique_ptr<InstanceGuard> makeInstanceGuard()
{
    return std::make_unique<LockFileGuard>();
}

void routeEndRequests(const std::function<void()> &endProgram)
{
    // The signal handler hands the signal's number to the event loop through
    // a socket pair.
    static int pair[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, pair) != 0) {
        qCWarning(lcSignals).noquote() << "SIGTERM, SIGINT and SIGHUP end the program at once, without "
                                          "its shutdown: no socket pair to hand them over:"
                                       << qt_error_string(errno);
        return;
    }
    auto *notifier = new QSocketNotifier(pair[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [endProgram] {
        unsigned char number = 0;
        while (::read(pair[0], &number, 1) > 0)
            qCDebug(lcSignals, "Signal %d: the program ends", number);
        endProgram();
    });
    const auto handOver = [](int signal) {
        // Only async-signal-safe calls here: the event loop does the rest. A
        // second request (the first not heeded, as when the event loop is
        // stuck) ends the process at once by the signal's default action;
        // the kernel then releases the single-instance lock.
        const int saved = errno;
        static std::atomic_flag requested;
        if (requested.test_and_set() && std::signal(signal, SIG_DFL) != SIG_ERR)
            std::raise(signal); // delivered once this handler returns
        const auto number = static_cast<unsigned char>(signal);
        [[maybe_unused]] const ssize_t written = ::write(pair[1], &number, 1);
        errno = saved;
    };
    // glibc's signal() keeps the handler and restarts interrupted calls. A
    // signal the program was started to ignore (nohup, a background job of
    // a script) stays ignored.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction current = {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)
            std::signal(signal, handOver);
    }
}

QSizeF localePaperSize()
{
    int widthMm = 0;
    int heightMm = 0;
#ifdef __GLIBC__
    // glibc hands these numbers out disguised as pointers. QCoreApplication
    // has set the process's locale from the environment (LC_PAPER, LC_ALL, LANG).
    widthMm = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    heightMm = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
#endif
    return paperSizeFor(widthMm, heightMm, QLocale::system().measurementSystem());
}

} // namespace cindrel
