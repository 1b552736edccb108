#include "ReferralChecks.h"

#include <QCoreApplication>

#include "Placeholders.h"

namespace cindrel {

int maxLength(ReferralField field)
{
    switch (field) {
    case ReferralField::ReferrerEmail:
    case ReferralField::FriendEmail:
        return kMaxEmailLength;
    case ReferralField::ReferralMessage:
        return kMaxMessageLength;
    case ReferralField::ReferrerName:
    case ReferralField::FriendName:
        break;
    }
    return kMaxReferralNameLength;
}

QString fieldTooLongMessage(ReferralField field)
{
    //: %1 is the number of characters the field takes.
    return QCoreApplication::translate("cindrel::ReferralChecks", "Please Enter At Most %1 Characters")
        .arg(maxLength(field));
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
