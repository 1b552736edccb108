#include "ReferralFields.h"

#include <QCoreApplication>

namespace cindrel {

QString placeholderFor(ReferralField field)
{
    return QCoreApplication::translate("cindrel::Placeholders", referralFieldRow(field).placeholder);
}

QStringList placeholderTextsFor(ReferralField field)
{
    const QString shown = placeholderFor(field);
    const QString english = QString::fromUtf8(referralFieldRow(field).placeholder);
    return shown == english ? QStringList{shown} : QStringList{shown, english};
}

QString textOnFocusIn(const QString &text, const QStringList &placeholders)
{
    return placeholders.contains(trimBlanks(text)) ? QString() : text;
}

QString textOnFocusOut(const QString &text, const QString &placeholder)
{
    return trimBlanks(text).isEmpty() ? placeholder : text;
}

QString fieldTooLongMessage(ReferralField field)
{
    //: %1 is the number of characters the field takes.
    return QCoreApplication::translate("cindrel::ReferralChecks", "Please Enter At Most %1 Characters")
        .arg(referralFieldRow(field).maxLength);
}

QString emailSpaceMessage()
{
    return QCoreApplication::translate("cindrel::ReferralChecks", "Email Address Cannot Contain Space");
}

std::optional<QString> addressProblem(const QString &email, const QString &friendEmail)
{
    const QString mine = trimBlanks(email);
    const QString theirs = trimBlanks(friendEmail);
    if (mine == theirs)
        return QCoreApplication::translate("cindrel::ReferralChecks", "Please Enter Distinct Email Addresses");
    const QString improper = QCoreApplication::translate("cindrel::ReferralChecks",
                                                         "Please Enter Proper Email Address");
    if (!mine.contains(QLatin1Char('@')) || !theirs.contains(QLatin1Char('@')))
        return improper;
    if (!mine.contains(QLatin1Char('.')) || !theirs.contains(QLatin1Char('.')))
        return improper;
    return std::nullopt;
}

bool typesSpace(const QString &keyText, Qt::KeyboardModifiers modifiers)
{
    // A line edit ignores the text of Ctrl and Ctrl+Shift chords and types
    // that of every other press, Alt and AltGr ones included.
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return keyText == QLatin1String(" ");
}

} // namespace cindrel
