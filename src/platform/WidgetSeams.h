#pragma once
// Implementations of the seams that need the widget toolkit.

#include "platform/Seams.h"

namespace cindrel {

/// Text as a widget shows it: CR LF, or a lone CR (as in the update
/// reminder), becomes a line break instead of a stray glyph.
QString displayLineBreaks(QString text);

/// QMessageBox, captioned with the application title, transient for the
/// program's window in use (none before the first window is shown).
class QtMessageBoxes : public MessageBoxes {
public:
    void critical(const QString &text) override;
    void information(const QString &text) override;
    bool askYesNo(const QString &text) override;
};

/// QDesktopServices::openUrl: hands the URL to the desktop's opener
/// (xdg-open under X11) without waiting; failures are ignored.
class DesktopBrowser : public Browser {
public:
    void openUrl(const QString &url) override;
};

} // namespace cindrel
