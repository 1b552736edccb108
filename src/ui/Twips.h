#pragma once
// Places and sizes given in twips, the unit the windows are laid out in.

#include <QRect>

namespace cindrel {

/// Twips to device-independent pixels (15 twips to a pixel).
constexpr int twips(int t)
{
    return (t + 7) / 15;
}

/// A place given in twips (left, top, width, height), in pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace cindrel
