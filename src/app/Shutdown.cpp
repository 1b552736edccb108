#include "Shutdown.h"

#include "LogCategories.h"
#include "PassOverFailure.h"

namespace cindrel {

Shutdown::Shutdown(FormRegistry &forms, Process &process) : forms_(forms), process_(process) {}

void Shutdown::EndApplication()
{
    if (ended_)
        return;
    // Walk a snapshot: unload handling may unload or destroy other forms.
    for (LoadedForm *form : forms_.forms()) {
        // Forms already destroyed, or whose unload is under way, are passed over.
        if (forms_.contains(form)) {
            passOverFailure(lcShutdown(), "unloading a window", [&] { forms_.unload(form); });
        }
        // A nested call from that unload handling may have finished the job.
        if (ended_)
            return;
    }
    ended_ = true;
    process_.end(0);
}

} // namespace cindrel
