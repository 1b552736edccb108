#pragma once
// The Clock seam on the system's local date and time.

#include "platform/Seams.h"

namespace cindrel {

class SystemClock : public Clock {
public:
    QDate today() override;
    QDateTime now() override;
};

} // namespace cindrel
