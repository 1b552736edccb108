#pragma once
// The About window: the program's name, version and purpose, and two links to
// the maker's site. Every text is fixed; each opening starts afresh, because
// the window is deleted when it closes.

#include <QDialog>

#include "ui/Lifecycle.h"

class QPushButton;

namespace cindrel {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    /// Open it modal: `auto *about = new FrmAbout(ctx);
    /// about->setAttribute(Qt::WA_DeleteOnClose); about->exec();`
    explicit FrmAbout(AppContext &ctx, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *cmdOK_ = nullptr;
};

} // namespace cindrel
