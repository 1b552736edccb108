#pragma once
// The program's colours, and setting them on a widget.

#include <QColor>

class QWidget;

namespace cindrel {

inline const QColor kBrown(128, 64, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kLightYellow(255, 255, 128);
inline const QColor kWhite(255, 255, 255);

/// Paints a widget's background dark brown.
void setBrownBackground(QWidget *widget);

/// Sets a label's text colour.
void setTextColor(QWidget *widget, const QColor &color);

} // namespace cindrel
