#pragma once
// Steps that stand by themselves: the start-up sequence, unloading a window,
// the shutdown, handing a page to the browser, the promotional label choice.
// When one of them fails, the program goes on with the next step as if it
// had done its work, and says nothing: there is no one to tell (the failing
// step may be the window that would show the message) and nothing to retry.

#include <utility>

namespace cindrel {

/// Runs step; a failure it throws is passed over without a message. Returns
/// false when the step failed.
template <typename Step>
bool passOverFailure(Step &&step) noexcept
{
    try {
        std::forward<Step>(step)();
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace cindrel
