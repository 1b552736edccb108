#include "ExitProcess.h"

#include <cstdio>
#include <cstdlib>

namespace cindrel {

ExitProcess::ExitProcess(std::function<void()> beforeExit) : beforeExit_(std::move(beforeExit)) {}

void ExitProcess::end(int exitCode)
{
    if (beforeExit_)
        beforeExit_();
    std::fflush(nullptr);
    // No window handler may run after this, so skip the event loop and the
    // destructors alike; everything worth keeping has been synced already.
    std::_Exit(exitCode);
}

} // namespace cindrel
