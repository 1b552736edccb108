#include "modTellAFriend.h"

#include <QCoreApplication>
#include <QUrl>

#include "Placeholders.h"
#include "links/SitePages.h"

namespace cindrel {

namespace {

// Every byte of the UTF-8 text outside the unreserved characters is
// percent-encoded, so that "&", "=", "#", "+", "%", blanks and line breaks
// reach the page script as the text entered instead of splitting the query.
QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

void modTellAFriend::SubmitReferral(MessageBoxes &boxes, Browser &browser)
{
    const struct {
        const QString &value;
        ReferralField field;
    } checks[] = {
        {ReferrerName, ReferralField::ReferrerName},       {ReferrerEmail, ReferralField::ReferrerEmail},
        {ReferralMessage, ReferralField::ReferralMessage}, {FriendName, ReferralField::FriendName},
        {FriendEmail, ReferralField::FriendEmail},
    };
    for (const auto &check : checks) {
        if (isMissing(check.value, placeholderTextsFor(check.field))) {
            boxes.critical(missingValueMessage(check.field));
            return;
        }
    }
    const QString url = buildReferralUrl(ReferrerName, ReferrerEmail, ReferralMessage, FriendName, FriendEmail);
    // The farewell window's bounds keep every referral below the limit;
    // anything longer would open nothing and say nothing.
    if (url.size() > kMaxReferralUrlLength) {
        boxes.critical(
            QCoreApplication::translate("cindrel::modTellAFriend", "Your Referral Is Too Long To Send"));
        return;
    }
    ReferralUrl = url;
    OpenReferralUrl(browser);
}

void modTellAFriend::OpenReferralUrl(Browser &browser) const
{
    // Whether the browser starts is never examined or reported.
    browser.openUrl(ReferralUrl);
}

QString buildReferralUrl(const QString &referrerName, const QString &referrerEmail, const QString &message,
                         const QString &friendName, const QString &friendEmail)
{
    return pageUrlForKey(QStringLiteral("qxvl-refer-a-friend")) + QStringLiteral("&taf1=")
           + encoded(referrerName) + QStringLiteral("&taf2=") + encoded(referrerEmail)
           + QStringLiteral("&taf3=") + encoded(message) + QStringLiteral("&taf4=") + encoded(friendName)
           + QStringLiteral("&taf5=") + encoded(friendEmail) + QStringLiteral("&taf6=")
           + encoded(siteBaseUrl());
}

} // namespace cindrel
