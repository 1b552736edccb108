#include "WizardBinding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "platform/WidgetSeams.h"

namespace cindrel {

std::optional<int> typedCharacterCode(const QKeyEvent &event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    // Keys that move the cursor, delete forwards or move the focus type
    // nothing, though some keyboards attach a control character to them.
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Insert:
        return std::nullopt;
    default:
        break;
    }
    // A Ctrl chord with a letter types its control character, whether the
    // keyboard reports it as that character or as the plain letter.
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    return static_cast<int>(text.at(0).unicode());
}

bool isCommandChord(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return (modifiers & (Qt::AltModifier | Qt::MetaModifier)) && !(modifiers & Qt::ControlModifier);
}

WizardBinding::WizardBinding(const WizardWidgets &widgets, MessageBoxes &boxes) : w_(widgets), boxes_(boxes) {}

QWidget *WizardBinding::widget(WizardControl control) const
{
    switch (control) {
    case WizardControl::txtName:
        return w_.txtName;
    case WizardControl::txtAge:
        return w_.txtAge;
    case WizardControl::cboSex:
        return w_.cboSex;
    case WizardControl::cmdNext:
        return w_.cmdNext;
    case WizardControl::lblQuestionNo:
        return w_.lblQuestionNo;
    case WizardControl::lblQuestion:
        return w_.lblQuestion;
    case WizardControl::cboAnswer_Option:
        return w_.cboAnswer_Option;
    case WizardControl::cmdNextQuestion:
        return w_.cmdNextQuestion;
    case WizardControl::lblResult_0:
        return w_.lblResult_0;
    case WizardControl::lblResult_1:
        return w_.lblResult_1;
    case WizardControl::cmdMain:
        return w_.cmdMain;
    }
    return nullptr;
}

QLabel *WizardBinding::label(WizardControl control) const
{
    return qobject_cast<QLabel *>(widget(control));
}

QLineEdit *WizardBinding::lineEdit(WizardControl control) const
{
    return qobject_cast<QLineEdit *>(widget(control));
}

QComboBox *WizardBinding::comboBox(WizardControl control) const
{
    return qobject_cast<QComboBox *>(widget(control));
}

void WizardBinding::setCaption(WizardControl control, const QString &caption)
{
    QLabel *l = label(control);
    if (!l)
        return;
    l->setText(displayLineBreaks(caption));
    // The answer list is read together with the question it answers.
    if (control == WizardControl::lblQuestion && w_.cboAnswer_Option)
        w_.cboAnswer_Option->setAccessibleDescription(l->text());
}

QString WizardBinding::text(WizardControl box) const
{
    const QLineEdit *edit = lineEdit(box);
    return edit ? edit->text() : QString();
}

void WizardBinding::setText(WizardControl box, const QString &text)
{
    if (QLineEdit *edit = lineEdit(box))
        edit->setText(text);
}

void WizardBinding::setFocus(WizardControl control)
{
    if (QWidget *target = widget(control))
        target->setFocus(Qt::OtherFocusReason);
}

void WizardBinding::clearList(WizardControl list)
{
    if (QComboBox *combo = comboBox(list))
        combo->clear();
}

void WizardBinding::addListItem(WizardControl list, const QString &shown, const QString &english)
{
    // The list shows the entry in the user's language and keeps its English
    // text as the entry's data: answers are scored by that text.
    if (QComboBox *combo = comboBox(list))
        combo->addItem(shown, english);
}

void WizardBinding::selectListIndex(WizardControl list, int index)
{
    QComboBox *combo = comboBox(list);
    if (combo && index >= 0 && index < combo->count())
        combo->setCurrentIndex(index);
}

QString WizardBinding::selectedListText(WizardControl list) const
{
    const QComboBox *combo = comboBox(list);
    if (!combo || combo->currentIndex() < 0)
        return {};
    return combo->currentData().toString();
}

void WizardBinding::bringStepToFront(int step)
{
    if (step < 0 || step > 2 || !w_.steps[step])
        return;
    // Show and raise the front panel before hiding the others, so that a
    // control focused on it keeps the focus.
    w_.steps[step]->show();
    w_.steps[step]->raise();
    for (int i = 0; i < 3; ++i) {
        if (i != step && w_.steps[i])
            w_.steps[i]->hide();
    }
    if (onStepInFront)
        onStepInFront(step);
}

void WizardBinding::pressButton(WizardControl button)
{
    // click() runs the button's click handler to its end before returning.
    if (auto *b = qobject_cast<QAbstractButton *>(widget(button)))
        b->click();
}

void WizardBinding::showCritical(const QString &message)
{
    boxes_.critical(message);
}

} // namespace cindrel
