#pragma once
// The paper a saved result is laid out on.

#include <QLocale>
#include <QSizeF>

namespace cindrel {

/// The paper size (width and height in millimetres) for a size the locale
/// gives: that size when it is a plausible sheet, otherwise Letter where the
/// locale measures in US units and A4 everywhere else.
QSizeF paperSizeFor(int widthMm, int heightMm, QLocale::MeasurementSystem measurement);

/// The paper size of the user's locale (LC_PAPER on glibc, the regional
/// format's paper on Windows), through paperSizeFor. Each system's own in
/// platform/.
QSizeF localePaperSize();

} // namespace cindrel
