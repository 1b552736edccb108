#pragma once
// The farewell window's own checks of the two e-mail addresses, made before
// a referral is handed on, and its filter of typed spaces in those fields.

#include <QString>
#include <Qt>
#include <optional>

namespace cindrel {

enum class ReferralField;

/// The most characters each referral field holds. The bounds keep the
/// window responsive whatever is pasted, and keep every referral URL short
/// enough to hand to the browser (see kMaxReferralUrlLength): at worst a
/// character takes 9 bytes in the URL (three percent-encoded UTF-8 bytes),
/// so full fields make a URL of under 100 000 bytes. 254 characters is the
/// longest e-mail address mail can carry; no name is longer than 100.
inline constexpr int kMaxReferralNameLength = 100;
inline constexpr int kMaxEmailLength = 254;
inline constexpr int kMaxMessageLength = 10000;

int maxLength(ReferralField field);

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
