#pragma once
// The About window: the program's name, version and purpose, and two links to
// the maker's site. Every text is fixed; each opening starts afresh, because
// the window is deleted when it closes.

#include <QDialog>

#include "app/AppContext.h"
#include "ui/Form.h"

class QCloseEvent;
class QPushButton;

namespace cindrel {

class FrmAbout : public QDialog, public Form {
    Q_OBJECT
public:
    /// Open it modal: `auto *about = new FrmAbout(ctx);
    /// about->setAttribute(Qt::WA_DeleteOnClose); about->exec();`
    explicit FrmAbout(AppContext &ctx, QWidget *parent = nullptr);

    /// The description shown in Label1, rights notice included.
    static QString descriptionText();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void buildControls();

    AppContext &ctx_;
    QPushButton *cmdOK_ = nullptr;
};

} // namespace cindrel
