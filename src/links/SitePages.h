#pragma once
// The maker's site pages: every page URL is "https://" + host + "/cindrel/" +
// "ssd.php?page=" + page key, handed to the default browser.

#include <QString>

#include "Config.h"
#include "TableChecks.h"
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
    refer_a_friend,
};

/// One page: its key in the URL, and what a control that opens it opens,
/// as a screen reader describes it (English, context
/// "cindrel::Accessibility"; none for the referral's page, which the
/// referral request opens with its query after the key).
struct SitePageRow {
    SitePage page;
    const char *key;
    const char *description;
};

// Whole sentences, so that each language can word them as it needs.
// clang-format off
inline constexpr SitePageRow kSitePages[] = {
    {SitePage::velmorsoftwares, "velmorsoftwares",
     QT_TRANSLATE_NOOP("cindrel::Accessibility", "Opens the Velmor Softwares catalogue in your web browser")},
    {SitePage::donate, "donate",
     QT_TRANSLATE_NOOP("cindrel::Accessibility", "Opens the donation page in your web browser")},
    {SitePage::help_web_page, config::kHelpPageKey,
     QT_TRANSLATE_NOOP("cindrel::Accessibility", "Opens the online help in your web browser")},
    {SitePage::fully_branded, "fully-branded",
     QT_TRANSLATE_NOOP("cindrel::Accessibility", "Opens the page on fully branded software in your web browser")},
    {SitePage::co_brand, "co-brand",
     QT_TRANSLATE_NOOP("cindrel::Accessibility", "Opens the page on co-branding in your web browser")},
    {SitePage::home_page, "home-page",
     QT_TRANSLATE_NOOP("cindrel::Accessibility", "Opens the forum's home page in your web browser")},
    {SitePage::download_web_page, "download-web-page",
     QT_TRANSLATE_NOOP("cindrel::Accessibility", "Opens the download page in your web browser")},
    {SitePage::refer_a_friend, "qxvl-refer-a-friend", nullptr},
};
// clang-format on

static_assert(rowsFollowKeys(kSitePages, &SitePageRow::page), "the rows must follow the SitePage numbers");

inline const SitePageRow &sitePageRow(SitePage page)
{
    return kSitePages[size_t(page)];
}

/// "https://" + the maker's host + "/cindrel/".
QString siteUrl();
/// The forum's web address as shown in captions (no scheme).
QString forumAddress();
/// The page URL: the site URL + "ssd.php?page=" + the page's key.
QString pageUrl(SitePage page);

/// Opens the page in the default browser; reports nothing.
void OpenSitePage(Browser &browser, SitePage page);

} // namespace cindrel
