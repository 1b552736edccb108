#pragma once
// The five referral fields, the text each shows while nothing is entered,
// and the rules that swap that text in and out as the focus moves.

#include <QString>
#include <QStringList>

#include "dependency/TrimBlanks.h"

namespace cindrel {

/// The referral values, in the order they are checked before sending.
enum class ReferralField {
    ReferrerName,
    ReferrerEmail,
    ReferralMessage,
    FriendName,
    FriendEmail,
};

/// The text a field shows while nothing is entered, in the user's language,
/// e.g. "Your Name".
QString placeholderFor(ReferralField field);

/// Every text that counts as the field's placeholder: the one it shows and,
/// in another language, the English one too, so that neither a translated
/// nor an English placeholder is ever sent as if entered.
QStringList placeholderTextsFor(ReferralField field);

/// The message shown when a value is empty or still at its placeholder,
/// e.g. "Please Enter Your Name", in the user's language.
QString missingValueMessage(ReferralField field);

/// True when the value, trimmed of spaces, is empty or equals one of the
/// placeholders exactly (letter case significant).
bool isMissing(const QString &value, const QStringList &placeholders);
bool isMissing(const QString &value, const QString &placeholder);

/// The field's new text when it gets the focus: empty when the trimmed text
/// is exactly one of the placeholders, otherwise the text unchanged.
QString textOnFocusIn(const QString &text, const QStringList &placeholders);
QString textOnFocusIn(const QString &text, const QString &placeholder);

/// The field's new text when it loses the focus: the placeholder when the
/// trimmed text is empty, otherwise the text unchanged (spaces included).
QString textOnFocusOut(const QString &text, const QString &placeholder);

} // namespace cindrel
