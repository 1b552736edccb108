#pragma once
// Everything a form of the running program needs: the seams, the registry of
// loaded forms, the shutdown procedure and the program-wide state. One per
// process in the program; every test builds its own.

#include <functional>

#include "app/FormRegistry.h"
#include "app/Shutdown.h"
#include "dependency/modNicotineDependancy.h"
#include "farewell/modTellAFriend.h"
#include "platform/Seams.h"

namespace cindrel {

struct AppContext {
    Services &services;
    FormRegistry &forms;
    Shutdown &shutdown;
    modNicotineDependancy &dependency;
    modTellAFriend &referral;
    /// Loads and shows the farewell window; true when it is on screen.
    std::function<bool()> showFarewell;
};

} // namespace cindrel
