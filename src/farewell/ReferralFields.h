#pragma once
// The five referral fields of the farewell window in one table, and their
// rules: the text each shows while nothing is entered, swapped in and out as
// the focus moves, the bounds of what each holds, and the checks of the two
// e-mail addresses made before a referral is handed on.

#include <QString>
#include <QStringList>
#include <Qt>
#include <array>
#include <optional>

#include "TableChecks.h"
#include "dependency/TestWizard.h"
#include "modTellAFriend.h"

namespace cindrel {

/// The referral values, in the order of the table below.
enum class ReferralField {
    ReferrerName,
    ReferrerEmail,
    ReferralMessage,
    FriendName,
    FriendEmail,
};

/// The most characters each referral field holds. The bounds keep the
/// window responsive whatever is pasted, and keep every referral URL short
/// enough to hand to the browser (see kMaxReferralUrlLength): at worst a
/// character takes 9 bytes in the URL (three percent-encoded UTF-8 bytes),
/// so full fields make a URL of under 100 000 bytes. 254 characters is the
/// longest e-mail address mail can carry; no name is longer than 100.
inline constexpr int kMaxReferralNameLength = 100;
inline constexpr int kMaxEmailLength = 254;
inline constexpr int kMaxMessageLength = 10000;

/// One referral field: its control in the farewell window, the text it
/// shows while nothing is entered and the message when it is still at that
/// text (English, context "cindrel::Placeholders"), the most characters it
/// holds, whether it holds an e-mail address (no spaces, checked as an
/// address), and where the request keeps its value.
struct ReferralFieldRow {
    ReferralField field;
    const char *objectName;
    const char *placeholder;
    const char *missingMessage;
    int maxLength;
    bool email;
    QString modTellAFriend::*value;
};

/// The fields in the order their values are checked and sent (taf1 to
/// taf5 of the referral request).
// clang-format off
inline constexpr std::array<ReferralFieldRow, 5> kReferralFields{{
    //: Stands in the referrer's name field while nothing is entered.
    {ReferralField::ReferrerName, "txtName", QT_TRANSLATE_NOOP("cindrel::Placeholders", "Your Name"),
     QT_TRANSLATE_NOOP("cindrel::Placeholders", "Please Enter Your Name"),
     kMaxReferralNameLength, false, &modTellAFriend::ReferrerName},
    {ReferralField::ReferrerEmail, "txtEmail", QT_TRANSLATE_NOOP("cindrel::Placeholders", "Your Email Address"),
     QT_TRANSLATE_NOOP("cindrel::Placeholders", "Please Enter Your Email"),
     kMaxEmailLength, true, &modTellAFriend::ReferrerEmail},
    //: Stands in the field of the message to the friend while nothing is entered.
    {ReferralField::ReferralMessage, "txtMessage", QT_TRANSLATE_NOOP("cindrel::Placeholders", "Your Message"),
     QT_TRANSLATE_NOOP("cindrel::Placeholders", "Please Enter Your Message"),
     kMaxMessageLength, false, &modTellAFriend::ReferralMessage},
    {ReferralField::FriendName, "txtFriendName", QT_TRANSLATE_NOOP("cindrel::Placeholders", "Friend's Name"),
     QT_TRANSLATE_NOOP("cindrel::Placeholders", "Please Enter Your Friend's Name"),
     kMaxReferralNameLength, false, &modTellAFriend::FriendName},
    {ReferralField::FriendEmail, "txtFriendEmail",
     QT_TRANSLATE_NOOP("cindrel::Placeholders", "Friend's Email Address"),
     QT_TRANSLATE_NOOP("cindrel::Placeholders", "Please Enter Your Friend's Email"),
     kMaxEmailLength, true, &modTellAFriend::FriendEmail},
}};
// clang-format on

static_assert(rowsFollowKeys(kReferralFields, &ReferralFieldRow::field),
              "the rows must follow the ReferralField numbers");

inline const ReferralFieldRow &referralFieldRow(ReferralField field)
{
    return kReferralFields[size_t(field)];
}

/// The text a field shows while nothing is entered, in the user's language,
/// e.g. "Your Name".
QString placeholderFor(ReferralField field);

/// Every text that counts as the field's placeholder: the one it shows and,
/// in another language, the English one too, so that neither a translated
/// nor an English placeholder is ever sent as if entered.
QStringList placeholderTextsFor(ReferralField field);

/// The field's new text when it gets the focus: empty when the trimmed text
/// is exactly one of the placeholders, otherwise the text unchanged.
QString textOnFocusIn(const QString &text, const QStringList &placeholders);

/// The field's new text when it loses the focus: the placeholder when the
/// trimmed text is empty, otherwise the text unchanged (spaces included).
QString textOnFocusOut(const QString &text, const QString &placeholder);

/// Shown when text typed, pasted or dropped into a referral field did not
/// fit its bound, all or in part.
QString fieldTooLongMessage(ReferralField field);

/// Shown when a space is typed into an e-mail field.
QString emailSpaceMessage();

/// The first problem with the pair of addresses, or nothing when both pass:
/// the same address twice (exact, letter case significant) gives
/// "Please Enter Distinct Email Addresses"; an address without "@", or else
/// one without ".", gives "Please Enter Proper Email Address". Both
/// addresses are trimmed of spaces first.
std::optional<QString> addressProblem(const QString &email, const QString &friendEmail);

/// True when a key press would type a space into a line edit: its text is
/// one space and it is no Ctrl or Ctrl+Shift chord (those type nothing).
bool typesSpace(const QString &keyText, Qt::KeyboardModifiers modifiers);

} // namespace cindrel
