#pragma once
// The program's icon, compiled into the ui library as a resource.

#include <QIcon>
#include <QPixmap>

class QLabel;
class QWidget;

namespace cindrel {

/// The application icon in every size it is drawn at.
QIcon applicationIcon();

/// The icon at 32 by 32 logical pixels, for picture boxes: the image whose
/// size best fits a screen with the given device pixel ratio (48 pixels at
/// 1.5, 64 at 2), so that it is drawn sharp.
QPixmap applicationIconPixmap(qreal devicePixelRatio = 1.0);

/// A borderless picture box showing the icon, read by a screen reader as
/// the program's icon.
QLabel *makeIconPicture(QWidget *parent, const QString &name);

} // namespace cindrel
