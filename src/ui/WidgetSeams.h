#pragma once
// Implementations of the seams that need the widget toolkit.

#include "platform/Seams.h"

class QWidget;

namespace cindrel {

/// Text as a widget shows it: CR LF, or a lone CR (as in the update
/// reminder), becomes a line break instead of a stray glyph.
QString displayLineBreaks(QString text);

/// The program's window that a dialog it opens now belongs to: the modal
/// window in use, else the active window, else (no window of the program has
/// the focus, as under a compositor without a keyboard) the program's window
/// shown last. Null before any window is on screen. A dialog made its child
/// is transient for it, which Wayland compositors keep the dialog above (they
/// let no program keep a window on top), and Qt centres the dialog over it.
QWidget *windowInUse();

/// QMessageBox, captioned with the application title, transient for the
/// program's window in use (none before the first window is shown).
class QtMessageBoxes : public MessageBoxes {
public:
    void critical(const QString &text) override;
    void information(const QString &text) override;
    bool askYesNo(const QString &text) override;
};

/// QDesktopServices::openUrl: hands the URL to the desktop's opener
/// (xdg-open under X11) without waiting; a failure is only logged.
class DesktopBrowser : public Browser {
public:
    void openUrl(const QString &url) override;
};

} // namespace cindrel
