#pragma once
// The UI operations the test wizard needs of its window. The main window
// implements them on its widgets; tests implement them with a recording fake.

#include "modNicotineDependancy.h"

namespace cindrel {

/// The controls of the three wizard steps the wizard reads or writes.
enum class WizardControl {
    txtName,
    txtAge,
    cboSex,
    cmdNext,
    lblQuestionNo,
    lblQuestion,
    cboAnswer_Option,
    cmdNextQuestion,
    lblResult_0,
    lblResult_1,
    cmdMain,
};

class WizardView : public ResultSink {
public:
    /// Label captions, as the user reads them.
    virtual void setCaption(WizardControl label, const QString &caption) = 0;
    /// Text boxes.
    virtual QString text(WizardControl box) const = 0;
    virtual void setText(WizardControl box, const QString &text) = 0;
    /// Keyboard focus.
    virtual void setFocus(WizardControl control) = 0;
    /// Drop-down lists.
    virtual void clearList(WizardControl list) = 0;
    /// Adds an entry shown as `shown`, in the user's language; its English
    /// text stays its identity.
    virtual void addListItem(WizardControl list, const QString &shown, const QString &english) = 0;
    virtual void selectListIndex(WizardControl list, int index) = 0;
    /// The English text of the selected entry, whatever language it is shown in.
    virtual QString selectedListText(WizardControl list) const = 0;
    /// Brings step panel 0, 1 or 2 to the front; only the front one is visible.
    virtual void bringStepToFront(int step) = 0;
    /// Presses a button from code; its click handler has run when this returns.
    virtual void pressButton(WizardControl button) = 0;
    /// Modal message box with the stop icon and one OK button.
    virtual void showCritical(const QString &message) = 0;

    /// The scoring's two result lines go to the result labels.
    void setResultCaption(int index, const QString &caption) override
    {
        setCaption(index == 0 ? WizardControl::lblResult_0 : WizardControl::lblResult_1, caption);
    }
};

} // namespace cindrel
