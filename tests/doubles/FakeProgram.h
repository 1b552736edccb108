#pragma once
// One program's worth of state with every seam doubled: what a window needs
// to be built in a test, and a way to see the program end.

#include <QCoreApplication>
#include <QTimer>
#include <functional>

#include "dependency/modNicotineDependancy.h"
#include "doubles/Doubles.h"
#include "farewell/modTellAFriend.h"
#include "ui/Lifecycle.h"

namespace cindrel::testing {

struct FakeProgram {
    FakeServices fake;
    Shutdown shutdown;
    modNicotineDependancy dependency;
    modTellAFriend referral;
    AppContext ctx{fake.services, shutdown, dependency, referral};
};

/// Runs action inside the application's event loop and returns what exec()
/// returned: 0 once the program has ended, -1 when it has not within five
/// seconds.
inline int execUntilEnd(const std::function<void()> &action)
{
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    limit.start(5000);
    QTimer::singleShot(0, action);
    return QCoreApplication::exec();
}

} // namespace cindrel::testing
