#pragma once
// The windows' shared look and plumbing: the program's colours, typeface and
// icon, places in twips, plain labels, length bounds for line edits, and
// where a window opens.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <functional>

class QLineEdit;
class QWidget;

namespace cindrel {

inline const QColor kBrown(128, 64, 0);
inline const QColor kCyan(0, 255, 255);
inline const QColor kYellow(255, 255, 0);
inline const QColor kLightYellow(255, 255, 128);
inline const QColor kWhite(255, 255, 255);
/// The scale's level names, dark enough to read on every level's colour,
/// and the printed scale's frame and marker.
inline const QColor kDarkBrown(40, 20, 0);

/// Fills a widget's background with a colour (the windows' dark brown, the
/// About window's rule).
void fillBackground(QWidget *widget, const QColor &colour);

/// Verdana at the given size where the font exists, a close sans otherwise.
QFont verdana(qreal pointSize, bool bold = false, bool underline = false);

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

/// A label that shows its text as plain text (no markup, no access key),
/// with the given object name.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text = QString());

/// Gives a label its font, text colour, alignment and word wrapping; returns it.
QLabel *styleLabel(QLabel *label, const QFont &font, const QColor &color, Qt::Alignment alignment,
                   bool wordWrap = false);

/// Bounds what a line edit holds to maxLength characters. Text typed,
/// pasted or dropped that does not fit, all or in part, calls tooLong once
/// the edit has finished (never in the middle of it, so tooLong may show a
/// modal message box).
void boundLength(QLineEdit *edit, int maxLength, std::function<void()> tooLong);

/// Moves a top-level window so that it opens centred on the screen the main
/// window is on (the primary screen while there is none). Where the
/// platform places windows itself, as Wayland compositors do, the move has
/// no effect.
void centreOnMainWindowScreen(QWidget *window);

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
