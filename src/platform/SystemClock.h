#pragma once
// The Clock seam on the system's local date and time, and the Random seam:
// the process's one generator, seeded from the clock.

#include <cstdint>
#include <random>

#include "platform/Seams.h"

namespace cindrel {

class SystemClock : public Clock {
public:
    QDate today() override { return QDate::currentDate(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

/// The draw that 24 random bits give: bits * 2^-24, always in [0, 1).
float unitFloatFromBits(std::uint32_t bits24);

/// A Mersenne Twister seeded from the clock. Each draw takes 24 random bits
/// and scales them by 2^-24, so every draw is exact in single precision and
/// strictly below 1.
class ClockRandom : public Random {
public:
    ClockRandom() { seedFromClock(); }
    void seedFromClock() override;
    float next() override { return unitFloatFromBits(static_cast<std::uint32_t>(engine_()) >> 8); }

private:
    std::mt19937 engine_;
};

} // namespace cindrel
