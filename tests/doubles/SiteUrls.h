#pragma once
// The maker's site addresses as the tests expect them, spelt out here rather
// than taken from the program: HTTPS, the host the build was configured with
// (a packager's choice), the product's folder and the page script.

#include <QString>

#include "Config.h"

namespace cindrel::testing {

/// "https://" + the host + "/cindrel/".
inline QString expectedSiteUrl()
{
    return QStringLiteral("https://") + QLatin1String(config::kSiteHost) + QStringLiteral("/cindrel/");
}

/// A page's URL: the site URL, "ssd.php?page=" and the page's key.
inline QString expectedPageUrl(const QString &key)
{
    return expectedSiteUrl() + QStringLiteral("ssd.php?page=") + key;
}

/// The site URL inside a query value, its ":" and "/" percent-encoded (the
/// host holds only letters, digits, "." and "-").
inline QString expectedEncodedSiteUrl()
{
    return QStringLiteral("https%3A%2F%2F") + QLatin1String(config::kSiteHost)
           + QStringLiteral("%2Fcindrel%2F");
}

} // namespace cindrel::testing
