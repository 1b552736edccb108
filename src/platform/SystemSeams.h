#pragma once
// The Clock seam on the system's local date and time, and the Random seam on
// Qt's generator of the process, which Qt seeds from the system.

#include <QRandomGenerator>
#include <cstdint>

#include "platform/Seams.h"

namespace cindrel {

class SystemClock : public Clock {
public:
    QDate today() override { return QDate::currentDate(); }
    QDateTime now() override { return QDateTime::currentDateTime(); }
};

/// The draw that 24 random bits give: bits * 2^-24, always in [0, 1).
inline float unitFloatFromBits(std::uint32_t bits24)
{
    return static_cast<float>(bits24 & 0xFFFFFFu) * (1.0f / 16777216.0f);
}

/// Draws from QRandomGenerator::global(), 24 bits at a time scaled by
/// 2^-24, so every draw is exact in single precision and strictly below 1.
/// Qt seeds that generator once per process from the system's entropy, so
/// every run draws a fresh sequence.
class SystemRandom : public Random {
public:
    float next() override { return unitFloatFromBits(QRandomGenerator::global()->generate() >> 8); }
};

} // namespace cindrel
