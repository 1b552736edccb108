#pragma once
// The program's icon, compiled into the ui library as a resource.

#include <QIcon>
#include <QPixmap>

class QLabel;
class QWidget;

namespace cindrel {

/// The application icon in every size it is drawn at.
QIcon applicationIcon();

/// The 32 by 32 image of the icon, for picture boxes; drawn sharp for a
/// screen with the given device pixel ratio.
QPixmap applicationIconPixmap(qreal devicePixelRatio = 1.0);

/// A borderless picture box showing the icon, read by a screen reader as
/// the program's icon.
QLabel *makeIconPicture(QWidget *parent, const QString &name);

} // namespace cindrel
