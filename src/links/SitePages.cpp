#include "SitePages.h"

namespace cindrel {

QString siteUrl()
{
    return QLatin1String(config::kSiteUrl);
}

QString forumAddress()
{
    return QLatin1String(config::kForumAddress);
}

QString pageUrl(SitePage page)
{
    return QLatin1String(config::kPageUrl) + QLatin1String(sitePageRow(page).key);
}

void OpenSitePage(Browser &browser, SitePage page)
{
    // The outcome is never examined: the browser seam logs a page that
    // cannot open, and it is passed over.
    browser.openUrl(pageUrl(page));
}

} // namespace cindrel
