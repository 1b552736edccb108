#include "Placeholders.h"

namespace cindrel {

QString trimBlanks(const QString &text)
{
    // QString::trimmed() would also strip tabs and line breaks; only the
    // space character counts as a blank here.
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QString placeholderFor(ReferralField field)
{
    switch (field) {
    case ReferralField::ReferrerName:
        return QStringLiteral("Your Name");
    case ReferralField::ReferrerEmail:
        return QStringLiteral("Your Email Address");
    case ReferralField::ReferralMessage:
        return QStringLiteral("Your Message");
    case ReferralField::FriendName:
        return QStringLiteral("Friend's Name");
    case ReferralField::FriendEmail:
        return QStringLiteral("Friend's Email Address");
    }
    return {};
}

QString missingValueMessage(ReferralField field)
{
    switch (field) {
    case ReferralField::ReferrerName:
        return QStringLiteral("Please Enter Your Name");
    case ReferralField::ReferrerEmail:
        return QStringLiteral("Please Enter Your Email");
    case ReferralField::ReferralMessage:
        return QStringLiteral("Please Enter Your Message");
    case ReferralField::FriendName:
        return QStringLiteral("Please Enter Your Friend's Name");
    case ReferralField::FriendEmail:
        return QStringLiteral("Please Enter Your Friend's Email");
    }
    return {};
}

bool isMissing(const QString &value, const QString &placeholder)
{
    const QString trimmed = trimBlanks(value);
    return trimmed.isEmpty() || trimmed == placeholder;
}

QString textOnFocusIn(const QString &text, const QString &placeholder)
{
    return trimBlanks(text) == placeholder ? QString() : text;
}

QString textOnFocusOut(const QString &text, const QString &placeholder)
{
    return trimBlanks(text).isEmpty() ? placeholder : text;
}

} // namespace cindrel
