#pragma once
// The program's life: the start-up sequence, the shutdown procedure, and
// what every window of a running program is given. Qt owns the windows:
// each is deleted when it closes (or with its parent), and the program ends
// when the event loop does, so that exec() returns and every destructor runs
// (the single-instance lock is released by its guard's).

#include <functional>

#include "dependency/modNicotineDependancy.h"
#include "farewell/modTellAFriend.h"
#include "platform/Seams.h"

namespace cindrel {

class Shutdown {
public:
    /// Closes every window of the program, shown or hidden, once each, then
    /// ends the event loop (exec() returns 0). Entered again from a window's
    /// close handling, it returns at once: that window is being closed
    /// already and the end is under way. Before the event loop runs, it
    /// closes the windows and ends nothing.
    void EndApplication();
    /// True once EndApplication has started; no window is shown after that.
    bool ending() const { return ending_; }

private:
    bool ending_ = false;
};

/// Everything a window of the running program needs: the seams, the
/// shutdown procedure and the program-wide state. One per process in the
/// program; every test builds its own.
struct AppContext {
    Services &services;
    Shutdown &shutdown;
    modNicotineDependancy &dependency;
    modTellAFriend &referral;
};

/// Runs start-up in order: refuse a second copy ("Application is already
/// running"), the update reminder, then
/// showMainWindow (which loads and shows the main window and chooses its
/// promotional label). Returns false when this copy was refused, or when
/// the end was asked for while the reminder waited (a signal); the program
/// then ends without a main window.
bool StartApplication(Services &services, const Shutdown &shutdown,
                      const std::function<void()> &showMainWindow);

} // namespace cindrel
