// The Windows variants of the platform services, and the locale's paper.

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

#include "LogCategories.h"
#include "platform/MutexInstanceGuard.h"
#include "platform/Platform.h"
#include "platform/RegistrySettingsStore.h"

namespace cindrel {

void restrictLibrarySearch()
{
    // The program's folder, System32 and folders added on purpose: never the
    // current folder nor PATH. Windows 10, which the program needs, has it.
    if (!SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS))
        qCWarning(lcPrint).noquote() << "Libraries may still be loaded from the current folder:"
                                     << qt_error_string(static_cast<int>(GetLastError()));
}

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<RegistrySettingsStore>();
}

std::unique_ptr<InstanceGuard> makeInstanceGuard()
{
    return std::make_unique<MutexInstanceGuard>();
}

namespace {

/// Hands the end of the session to the program's shutdown before Qt's own
/// handling of it, which closes the windows as a user would (the main
/// window would open the farewell window) just before Windows ends the
/// process.
class SessionEnd : public QAbstractNativeEventFilter {
public:
    std::function<void()> endProgram;

    bool nativeEventFilter(const QByteArray & /*type*/, void *message, qintptr * /*result*/) override
    {
        const auto *msg = static_cast<const MSG *>(message);
        if (msg->message == WM_ENDSESSION && msg->wParam) {
            qCDebug(lcSignals, "The session ends, and with it the program");
            endProgram();
        }
        return false; // Qt goes on with its own handling
    }
};

} // namespace

void routeEndRequests(const std::function<void()> &endProgram)
{
    // A program with windows gets no console signals. Windows asks it to end
    // with WM_CLOSE, which Qt hands to the window as a close event, and at
    // the end of the session with WM_ENDSESSION, sent to each of its
    // top-level windows (the shutdown runs once).
    static SessionEnd filter;
    filter.endProgram = endProgram;
    qApp->installNativeEventFilter(&filter);
}

QSizeF localePaperSize()
{
    // The user's regional format names its paper by the printer's code
    // (DMPAPER_*); these are those sheets in millimetres, rounded as glibc
    // gives them on Linux. Any other code leaves the choice to the locale's
    // measurement system.
    struct Sheet {
        DWORD code;
        int widthMm;
        int heightMm;
    };
    constexpr Sheet kSheets[] = {
        {DMPAPER_LETTER, 216, 279}, {DMPAPER_LEGAL, 216, 356}, {DMPAPER_A3, 297, 420}, {DMPAPER_A4, 210, 297}};
    DWORD paper = 0;
    Sheet found{0, 0, 0};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<wchar_t *>(&paper), sizeof paper / sizeof(wchar_t))
        > 0) {
        for (const Sheet &sheet : kSheets) {
            if (sheet.code == paper)
                found = sheet;
        }
    }
    return paperSizeFor(found.widthMm, found.heightMm, QLocale::system().measurementSystem());
}

} // namespace cindrel
