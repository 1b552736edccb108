#pragma once
// One program's worth of state with every seam doubled: what a form needs to
// be built in a test. Tests set ctx.showFarewell where the closing of the
// main window matters.

#include "app/AppContext.h"
#include "app/FormRegistry.h"
#include "app/Shutdown.h"
#include "dependency/modNicotineDependancy.h"
#include "doubles/Doubles.h"
#include "farewell/modTellAFriend.h"

namespace cindrel::testing {

struct FakeProgram {
    FakeServices fake;
    FormRegistry forms;
    Shutdown shutdown{forms, fake.process};
    modNicotineDependancy dependency;
    modTellAFriend referral;
    AppContext ctx{fake.services, forms, shutdown, dependency, referral, {}};
};

} // namespace cindrel::testing
