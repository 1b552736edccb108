#pragma once
// Steps that stand by themselves: the start-up sequence, unloading a window,
// the shutdown, handing a page to the browser, the promotional label choice.
// When one of them fails, the program goes on with the next step as if it
// had done its work, and shows nothing: there is no one to tell (the failing
// step may be the window that would show the message) and nothing to retry.
// The log gets one warning naming the step and what went wrong.

#include <exception>
#include <utility>

class QLoggingCategory;

namespace cindrel {

/// Writes the warning for a step that failed with the given exception
/// message (null when it threw something other than a std::exception).
void logPassedOverFailure(const QLoggingCategory &category, const char *step, const char *what) noexcept;

/// Runs step; a failure it throws is passed over without a message to the
/// user and logged in category under the step's name. Returns false when
/// the step failed.
template <typename Step>
bool passOverFailure(const QLoggingCategory &category, const char *step, Step &&run) noexcept
{
    try {
        std::forward<Step>(run)();
        return true;
    } catch (const std::exception &e) {
        logPassedOverFailure(category, step, e.what());
    } catch (...) {
        logPassedOverFailure(category, step, nullptr);
    }
    return false;
}

} // namespace cindrel
