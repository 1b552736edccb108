#pragma once
// The services whose real variant differs from one system to the next,
// made by the one file CMake builds for the target: PlatformLinux.cpp or
// PlatformWindows.cpp.

#include <memory>

#include "platform/Seams.h"

namespace cindrel {

/// This system's per-user settings store. Linux: the settings file under
/// $XDG_CONFIG_HOME. Windows: the registry under HKEY_CURRENT_USER.
std::unique_ptr<SettingsStore> makeSettingsStore();

/// This system's single-instance guard, which gives up what it holds when it
/// is destroyed. Linux: a lock file in the runtime directory. Windows: a
/// named mutex of the logon session.
std::unique_ptr<InstanceGuard> makeInstanceGuard();

} // namespace cindrel
