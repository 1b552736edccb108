#pragma once
// The main window: the three-step nicotine dependency test, the menu bar and
// the promotional link labels. Its handlers only forward to the test wizard
// and the site links; the rules live there.

#include <QMainWindow>
#include <cstdint>
#include <memory>

#include "app/AppContext.h"
#include "ui/Form.h"
#include "ui/WizardBinding.h"

class QAction;
class QCloseEvent;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cindrel {

class LinkLabel;
class ResultMenu;
class ResultScale;
class TestWizard;

class FrmMain : public QMainWindow, public Form {
    Q_OBJECT
public:
    /// Builds the window and runs its load handling: the sex list is filled
    /// and the personal-details step is in front.
    explicit FrmMain(AppContext &ctx, QWidget *parent = nullptr);
    ~FrmMain() override;

    /// Brings lblCobrand or lblFullBrand to the front from one draw of
    /// ctx.services.random. A failure keeps the designed order (full brand in
    /// front) without a message.
    void CoBrand_Randomize();
    /// The number drawn by CoBrand_Randomize (1 to 6), 0 until drawn.
    int coBrandRandomNumber() const { return coBrandRandomNumber_; }

protected:
    /// Every close request unloads the window; it is never refused.
    void closeEvent(QCloseEvent *event) override;
    /// Hands over to the farewell window.
    void onUnload() override;
    /// The age box's key filter.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildPersonalDetailsStep(QWidget *host);
    QWidget *buildQuestionsStep(QWidget *host);
    QWidget *buildResultStep(QWidget *host);
    QWidget *buildBanner(QWidget *host);
    void buildMenus();
    /// Raises one banner label over the other; only the one in front takes
    /// the focus.
    void bringBannerToFront(LinkLabel *front);

    void exitTriggered();
    void aboutTriggered();

    AppContext &ctx_;
    std::int16_t coBrandRandomNumber_ = 0;

    /// The controls the test wizard reads and writes.
    WizardWidgets w_;
    LinkLabel *lblCobrand_ = nullptr;
    LinkLabel *lblFullBrand_ = nullptr;
    /// The scale on the result step.
    ResultScale *picScale_ = nullptr;
    ResultMenu *resultMenu_ = nullptr;

    std::unique_ptr<WizardBinding> binding_;
    std::unique_ptr<TestWizard> wizard_;
};

} // namespace cindrel
