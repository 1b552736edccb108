#pragma once
// The About window: the program's name, version and purpose, two links to the
// maker's site, and a link to the licence notices. Every text is fixed; each
// opening starts afresh, because the window is deleted when it closes.

#include <QDialog>

#include "platform/Seams.h"

namespace cindrel {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    /// Open it modal: `auto *about = new FrmAbout(browser);
    /// about->setAttribute(Qt::WA_DeleteOnClose); about->exec();`
    /// The site links open their pages in `browser`.
    explicit FrmAbout(Browser &browser, QWidget *parent = nullptr);
};

} // namespace cindrel
