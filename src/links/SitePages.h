#pragma once
// The maker's site pages: every page URL is "http://" + host + "/cindrel/" +
// "ssd.php?page=" + page key, handed to the default browser.

#include <QString>

#include "platform/Seams.h"

namespace cindrel {

/// The pages, in the order the site defines them.
enum class SitePage {
    velmorsoftwares,
    donate,
    help_web_page,
    fully_branded,
    co_brand,
    home_page,
    download_web_page,
};

/// "http://" + the maker's host + "/cindrel/".
QString siteBaseUrl();
/// The forum's web address as shown in captions (no scheme).
QString forumAddress();
/// The page key, e.g. "help-web-page".
QString pageKey(SitePage page);
/// The page URL of a key: site base URL + "ssd.php?page=" + key.
QString pageUrlForKey(const QString &key);
QString pageUrl(SitePage page);

/// Opens the page in the default browser; reports nothing.
void OpenSitePage(Browser &browser, SitePage page);

} // namespace cindrel
