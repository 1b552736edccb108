#pragma once
// The services whose real variant differs from one system to the next,
// made by the one file CMake builds for the target: PlatformLinux.cpp or
// PlatformWindows.cpp.

#include <memory>

#include "platform/Seams.h"

namespace cindrel {

/// This system's per-user settings store and single-instance guard.
class PlatformServices {
public:
    virtual ~PlatformServices() = default;
    virtual SettingsStore &settings() = 0;
    /// Gives up what it holds when the services are destroyed.
    virtual InstanceGuard &guard() = 0;
};

/// Linux: the settings file under $XDG_CONFIG_HOME and a lock file in the
/// runtime directory. Windows: the registry under HKEY_CURRENT_USER and a
/// named mutex of the logon session.
std::unique_ptr<PlatformServices> makePlatformServices();

} // namespace cindrel
