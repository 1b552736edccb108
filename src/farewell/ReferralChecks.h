#pragma once
// The farewell window's own checks of the two e-mail addresses, made before
// a referral is handed on, and its filter of typed spaces in those fields.

#include <QString>
#include <Qt>
#include <optional>

namespace cindrel {

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
