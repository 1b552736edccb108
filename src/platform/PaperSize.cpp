#include "Platform.h"

namespace cindrel {

QSizeF paperSizeFor(int widthMm, int heightMm, QLocale::MeasurementSystem measurement)
{
    // From a postcard-sized sheet up to A0; anything else is a broken locale.
    constexpr int kSmallest = 90;
    constexpr int kLargest = 1200;
    const auto plausible = [](int mm) { return mm >= kSmallest && mm <= kLargest; };
    if (plausible(widthMm) && plausible(heightMm))
        return QSizeF(widthMm, heightMm);
    if (measurement == QLocale::ImperialUSSystem)
        return QSizeF(215.9, 279.4); // US Letter
    return QSizeF(210, 297);         // A4
}

} // namespace cindrel
