#include "SystemClock.h"

#include <QCoreApplication>
#include <chrono>

namespace cindrel {

float unitFloatFromBits(std::uint32_t bits24)
{
    return static_cast<float>(bits24 & 0xFFFFFFu) * (1.0f / 16777216.0f);
}

void ClockRandom::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                      static_cast<std::uint32_t>(tick),
                      static_cast<std::uint32_t>(QCoreApplication::applicationPid())};
    engine_.seed(seq);
}

} // namespace cindrel
