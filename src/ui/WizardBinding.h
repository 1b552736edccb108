#pragma once
// The test wizard's window operations carried out on the main window's
// widgets, and the mapping from a key press in the age box to the character
// code the wizard's key filter judges.

#include <functional>
#include <optional>

#include "dependency/WizardView.h"
#include "platform/Seams.h"

class QAbstractButton;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QWidget;

namespace cindrel {

/// The character code a key press would type: digits 48..57, Backspace 8,
/// Enter/Return 13, Ctrl with a letter the letter's control code (Ctrl+V 22,
/// however the keyboard reports it), otherwise the first character of the
/// press's text. Nothing for presses that type nothing (arrows, Delete,
/// Home, End, Tab, a lone modifier), which are left alone.
std::optional<int> typedCharacterCode(const QKeyEvent &event);

/// True for a chord with Alt or Meta (and no Ctrl): it asks for a command,
/// such as an access key, not for a character. A line edit still types the
/// letter of such a chord that nothing else takes, so the age box swallows
/// it, without a message, as it types nothing the user meant to type.
bool isCommandChord(const QKeyEvent &event);

/// The widgets the wizard reads and writes.
struct WizardWidgets {
    QLineEdit *txtName = nullptr;
    QLineEdit *txtAge = nullptr;
    QComboBox *cboSex = nullptr;
    QAbstractButton *cmdNext = nullptr;
    QLabel *lblQuestionNo = nullptr;
    QLabel *lblQuestion = nullptr;
    QComboBox *cboAnswer_Option = nullptr;
    QAbstractButton *cmdNextQuestion = nullptr;
    QLabel *lblResult_0 = nullptr;
    QLabel *lblResult_1 = nullptr;
    QAbstractButton *cmdMain = nullptr;
    /// The three step panels, at the same place.
    QWidget *steps[3] = {};
};

class WizardBinding : public WizardView {
public:
    WizardBinding(const WizardWidgets &widgets, MessageBoxes &boxes);

    void setCaption(WizardControl label, const QString &caption) override;
    QString text(WizardControl box) const override;
    void setText(WizardControl box, const QString &text) override;
    void setFocus(WizardControl control) override;
    void clearList(WizardControl list) override;
    void addListItem(WizardControl list, const QString &shown, const QString &english) override;
    void selectListIndex(WizardControl list, int index) override;
    QString selectedListText(WizardControl list) const override;
    void bringStepToFront(int step) override;
    void pressButton(WizardControl button) override;
    void showCritical(const QString &message) override;

    /// Runs after a step panel came to the front, with the step's number.
    std::function<void(int step)> onStepInFront;

private:
    QWidget *widget(WizardControl control) const;
    QLabel *label(WizardControl control) const;
    QLineEdit *lineEdit(WizardControl control) const;
    QComboBox *comboBox(WizardControl control) const;

    WizardWidgets w_;
    MessageBoxes &boxes_;
};

} // namespace cindrel
