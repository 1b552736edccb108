#include "modTellAFriend.h"

#include <QCoreApplication>
#include <QUrl>

#include "ReferralFields.h"
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
    for (const ReferralFieldRow &row : kReferralFields) {
        // Missing: empty or still at a placeholder once trimmed of spaces
        // (letter case significant).
        const QString value = trimBlanks(this->*row.value);
        if (value.isEmpty() || placeholderTextsFor(row.field).contains(value)) {
            boxes.critical(QCoreApplication::translate("cindrel::Placeholders", row.missingMessage));
            return;
        }
    }
    const QString url = buildReferralUrl(*this);
    // The farewell window's bounds keep every referral below the limit;
    // anything longer would open nothing and say nothing.
    if (url.size() > kMaxReferralUrlLength) {
        boxes.critical(
            QCoreApplication::translate("cindrel::modTellAFriend", "Your Referral Is Too Long To Send"));
        return;
    }
    ReferralUrl = url;
    // Whether the browser starts is never examined or reported.
    browser.openUrl(ReferralUrl);
}

QString buildReferralUrl(const modTellAFriend &referral)
{
    QString url = pageUrl(SitePage::refer_a_friend);
    int n = 0;
    for (const ReferralFieldRow &row : kReferralFields)
        url += QStringLiteral("&taf%1=").arg(++n) + encoded(referral.*row.value);
    return url + QStringLiteral("&taf6=") + encoded(siteUrl());
}

} // namespace cindrel
