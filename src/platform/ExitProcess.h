#pragma once
// The Process seam: ending the process at once.

#include <functional>

#include "platform/Seams.h"

namespace cindrel {

/// Ends the process at once, after running the given clean-up.
class ExitProcess : public Process {
public:
    explicit ExitProcess(std::function<void()> beforeExit = {});
    [[noreturn]] void end(int exitCode) override;

private:
    std::function<void()> beforeExit_;
};

} // namespace cindrel
