#pragma once
// The services whose real variant differs from one system to the next,
// made by the one file CMake builds for the target: PlatformLinux.cpp or
// PlatformWindows.cpp; and the locale's paper, read there too.

#include <QLocale>
#include <functional>
#include <memory>

#include "platform/Seams.h"

namespace cindrel {

/// Has libraries loaded by a bare name come only from the program's own
/// folder and the system's, never from the current folder or PATH, where
/// anyone may have left a file of a known name. Windows: the default DLL
/// folders; Linux: nothing, as its loader never searches the current folder.
/// Call it first in main; Qt loads its plug-ins and the print module by
/// their full paths.
void restrictLibrarySearch();

/// This system's per-user settings store. Linux: the settings file under
/// $XDG_CONFIG_HOME. Windows: the registry under HKEY_CURRENT_USER.
std::unique_ptr<SettingsStore> makeSettingsStore();

/// This system's single-instance guard, which gives up what it holds when it
/// is destroyed. Linux: a lock file in the runtime directory. Windows: a
/// named mutex of the logon session.
std::unique_ptr<InstanceGuard> makeInstanceGuard();

/// Has the system's requests to end the program call endProgram from the
/// event loop, so that they end it as its own shutdown does: windows
/// unloaded, exec() returning, destructors run. Linux: SIGTERM, SIGINT and
/// SIGHUP, and a second of them ends the process at once. Windows: the end
/// of the session. Call it once, after the application object is made.
void routeEndRequests(const std::function<void()> &endProgram);

/// The paper size (width and height in millimetres) for a size the locale
/// gives: that size when it is a plausible sheet, otherwise Letter where the
/// locale measures in US units and A4 everywhere else (PaperSize.cpp).
QSizeF paperSizeFor(int widthMm, int heightMm, QLocale::MeasurementSystem measurement);

/// The paper size of the user's locale (LC_PAPER on glibc, the regional
/// format's paper on Windows), through paperSizeFor.
QSizeF localePaperSize();

} // namespace cindrel
