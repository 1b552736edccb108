#pragma once
// The shutdown procedure: unloads every loaded form and ends the process.

#include "app/FormRegistry.h"
#include "platform/Seams.h"

namespace cindrel {

class Shutdown {
public:
    Shutdown(FormRegistry &forms, Process &process);

    /// Unloads every loaded form, shown or hidden, passing over any whose
    /// unload is already under way, then ends the process. May be re-entered
    /// from a form's unload handling; each form is unloaded at most once and
    /// the process is ended once. With the real process seam it never
    /// returns; with a test double it returns once the process has "ended".
    void EndApplication();

    bool ended() const { return ended_; }

private:
    FormRegistry &forms_;
    Process &process_;
    bool ended_ = false;
};

} // namespace cindrel
