#include "PassOverFailure.h"

#include <QLoggingCategory>

namespace cindrel {

void logPassedOverFailure(const QLoggingCategory &category, const char *step, const char *what) noexcept
{
    // Logging must not turn a failure passed over into one that ends the
    // program.
    try {
        qCWarning(category, "%s failed and was passed over: %s", step, what ? what : "unknown exception");
    } catch (...) {}
}

} // namespace cindrel
