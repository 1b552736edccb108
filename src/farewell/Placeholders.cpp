#include "Placeholders.h"

#include <QCoreApplication>

namespace cindrel {

namespace {

const char *englishPlaceholder(ReferralField field)
{
    switch (field) {
    case ReferralField::ReferrerName:
        //: Stands in the referrer's name field while nothing is entered.
        return QT_TRANSLATE_NOOP("cindrel::Placeholders", "Your Name");
    case ReferralField::ReferrerEmail:
        return QT_TRANSLATE_NOOP("cindrel::Placeholders", "Your Email Address");
    case ReferralField::ReferralMessage:
        //: Stands in the field of the message to the friend while nothing is entered.
        return QT_TRANSLATE_NOOP("cindrel::Placeholders", "Your Message");
    case ReferralField::FriendName:
        return QT_TRANSLATE_NOOP("cindrel::Placeholders", "Friend's Name");
    case ReferralField::FriendEmail:
        return QT_TRANSLATE_NOOP("cindrel::Placeholders", "Friend's Email Address");
    }
    return "";
}

} // namespace

QString placeholderFor(ReferralField field)
{
    return QCoreApplication::translate("cindrel::Placeholders", englishPlaceholder(field));
}

QStringList placeholderTextsFor(ReferralField field)
{
    const QString shown = placeholderFor(field);
    const QString english = QString::fromUtf8(englishPlaceholder(field));
    return shown == english ? QStringList{shown} : QStringList{shown, english};
}

QString missingValueMessage(ReferralField field)
{
    switch (field) {
    case ReferralField::ReferrerName:
        return QCoreApplication::translate("cindrel::Placeholders", "Please Enter Your Name");
    case ReferralField::ReferrerEmail:
        return QCoreApplication::translate("cindrel::Placeholders", "Please Enter Your Email");
    case ReferralField::ReferralMessage:
        return QCoreApplication::translate("cindrel::Placeholders", "Please Enter Your Message");
    case ReferralField::FriendName:
        return QCoreApplication::translate("cindrel::Placeholders", "Please Enter Your Friend's Name");
    case ReferralField::FriendEmail:
        return QCoreApplication::translate("cindrel::Placeholders", "Please Enter Your Friend's Email");
    }
    return {};
}

bool isMissing(const QString &value, const QStringList &placeholders)
{
    const QString trimmed = trimBlanks(value);
    return trimmed.isEmpty() || placeholders.contains(trimmed);
}

bool isMissing(const QString &value, const QString &placeholder)
{
    return isMissing(value, QStringList{placeholder});
}

QString textOnFocusIn(const QString &text, const QStringList &placeholders)
{
    return placeholders.contains(trimBlanks(text)) ? QString() : text;
}

QString textOnFocusIn(const QString &text, const QString &placeholder)
{
    return textOnFocusIn(text, QStringList{placeholder});
}

QString textOnFocusOut(const QString &text, const QString &placeholder)
{
    return trimBlanks(text).isEmpty() ? placeholder : text;
}

} // namespace cindrel
