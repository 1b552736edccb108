#include "SitePages.h"

#include "Config.h"

namespace cindrel {

QString siteBaseUrl()
{
    return QStringLiteral("http://") + QLatin1String(config::kSiteHost) + QStringLiteral("/cindrel/");
}

QString forumAddress()
{
    return QLatin1String(config::kForumAddress);
}

QString pageKey(SitePage page)
{
    switch (page) {
    case SitePage::velmorsoftwares:
        return QStringLiteral("velmorsoftwares");
    case SitePage::donate:
        return QStringLiteral("donate");
    case SitePage::help_web_page:
        return QStringLiteral("help-web-page");
    case SitePage::fully_branded:
        return QStringLiteral("fully-branded");
    case SitePage::co_brand:
        return QStringLiteral("co-brand");
    case SitePage::home_page:
        return QStringLiteral("home-page");
    case SitePage::download_web_page:
        return QStringLiteral("download-web-page");
    }
    // Not reachable with a valid enumerator; an empty key opens no page.
    return {};
}

QString pageUrlForKey(const QString &key)
{
    return siteBaseUrl() + QStringLiteral("ssd.php?page=") + key;
}

QString pageUrl(SitePage page)
{
    return pageUrlForKey(pageKey(page));
}

void OpenSitePage(Browser &browser, SitePage page)
{
    if (pageKey(page).isEmpty())
        return;
    // The outcome is never examined: the browser seam logs a page that
    // cannot open, and it is passed over.
    browser.openUrl(pageUrl(page));
}

} // namespace cindrel
