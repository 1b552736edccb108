#pragma once
// The program's icon, compiled into the ui library as a resource.

#include <QIcon>
#include <QPixmap>

namespace cindrel {

/// The application icon in every size it is drawn at.
QIcon applicationIcon();

/// The icon at 32 by 32 logical pixels, for picture boxes: the image whose
/// size best fits a screen with the given device pixel ratio (48 pixels at
/// 1.5, 64 at 2), so that it is drawn sharp.
QPixmap applicationIconPixmap(qreal devicePixelRatio = 1.0);

} // namespace cindrel
