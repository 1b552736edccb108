#pragma once
// The maker's site address as the tests expect to find it inside other URLs.

#include <QString>

#include "links/SitePages.h"

namespace cindrel::testing {

/// The site base URL as it must appear inside a query value: its ":" and "/"
/// percent-encoded (the host holds only letters, digits, "." and "-").
inline QString encodedBase()
{
    QString base = siteBaseUrl();
    base.replace(QLatin1String(":"), QLatin1String("%3A"));
    base.replace(QLatin1String("/"), QLatin1String("%2F"));
    return base;
}

} // namespace cindrel::testing
