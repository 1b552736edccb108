#include "PaperSize.h"

#include <cstdint>
#include <langinfo.h>

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

QSizeF localePaperSize()
{
    int widthMm = 0;
    int heightMm = 0;
#ifdef __GLIBC__
    // glibc hands these numbers out disguised as pointers. QCoreApplication
    // has set the process's locale from the environment (LC_PAPER, LC_ALL, LANG).
    widthMm = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    heightMm = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
#endif
    return paperSizeFor(widthMm, heightMm, QLocale::system().measurementSystem());
}

} // namespace cindrel
