#pragma once
// The refer-a-friend request: five values entered in the farewell window,
// checked and sent to the site's referral page as a URL.

#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// The longest URL handed to the browser: the opener gets it as one program
/// argument, and Linux refuses an argument of 128 KiB or more.
inline constexpr qsizetype kMaxReferralUrlLength = 128 * 1024 - 1;

class modTellAFriend {
public:
    // Written by the farewell window before every submission, already trimmed.
    QString ReferrerName;
    QString ReferrerEmail;
    QString ReferralMessage;
    QString FriendName;
    QString FriendEmail;
    /// The last referral URL built; empty until the first request.
    QString ReferralUrl;

    /// Checks the five values in order (empty or still at its placeholder
    /// gives that value's message and stops), then builds ReferralUrl and
    /// opens it. A URL too long to hand to the browser is refused with a
    /// message instead, and ReferralUrl keeps its old value. At most one
    /// message per call.
    void SubmitReferral(MessageBoxes &boxes, Browser &browser);
};

/// The referral page URL with the five values as taf1..taf5 and the site as
/// taf6, each percent-encoded as UTF-8 so that the page script's query
/// decoding yields exactly the text entered.
QString buildReferralUrl(const modTellAFriend &referral);

} // namespace cindrel
