#pragma once
// The main window: the three-step nicotine dependency test, the menu bar and
// the promotional link labels. Its handlers apply the test wizard's and the
// scoring's rules (dependency/) to its widgets and open the site's pages.

#include <QMainWindow>
#include <optional>

#include "ui/Lifecycle.h"

class QAbstractButton;
class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QStackedLayout;

namespace cindrel {

class LinkLabel;
class ResultMenu;
class ResultScale;

/// The character code a key press would type: digits 48..57, Backspace 8,
/// Enter/Return 13, Ctrl with a letter the letter's control code (Ctrl+V 22,
/// however the keyboard reports it), otherwise the first character of the
/// press's text. Nothing for presses that type nothing (arrows, Delete,
/// Home, End, Tab, a lone modifier), which are left alone.
std::optional<int> typedCharacterCode(const QKeyEvent &event);

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    /// Builds the window and runs its load handling: the sex list is filled
    /// and the personal-details step is in front. The window is deleted
    /// when it closes.
    explicit FrmMain(AppContext &ctx, QWidget *parent = nullptr);
    ~FrmMain() override;

    /// Brings lblCobrand or lblFullBrand to the front from one draw of
    /// ctx.services.random.
    void CoBrand_Randomize();

protected:
    /// Every close request is granted, and the farewell window takes over.
    void closeEvent(QCloseEvent *event) override;
    /// The age box's key filter.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildPersonalDetailsStep();
    QWidget *buildQuestionsStep();
    QWidget *buildResultStep();
    void buildMenus();

    /// Brings step 0, 1 or 2 to the front; only that one is shown.
    void showStep(int step);

    AppContext &ctx_;

    QStackedLayout *steps_ = nullptr;
    QLineEdit *txtName_ = nullptr;
    QLineEdit *txtAge_ = nullptr;
    QComboBox *cboSex_ = nullptr;
    QLabel *lblQuestionNo_ = nullptr;
    QLabel *lblQuestion_ = nullptr;
    QComboBox *cboAnswer_Option_ = nullptr;
    QAbstractButton *cmdNextQuestion_ = nullptr;
    QLabel *lblResult_0_ = nullptr;
    QLabel *lblResult_1_ = nullptr;
    QAbstractButton *cmdMain_ = nullptr;

    QStackedLayout *banner_ = nullptr;
    LinkLabel *lblCobrand_ = nullptr;
    LinkLabel *lblFullBrand_ = nullptr;
    /// The scale on the result step.
    ResultScale *picScale_ = nullptr;
    ResultMenu *resultMenu_ = nullptr;
};

} // namespace cindrel
