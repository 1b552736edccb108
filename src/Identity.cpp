#include "Identity.h"

#include "Config.h"

namespace cindrel {

QString applicationTitle()
{
    return QLatin1String(config::kName);
}

QString applicationVersion()
{
    return QLatin1String(config::kVersion);
}

QString programWindowTitle()
{
    return QLatin1String(config::kWindowTitle);
}

QString makerName()
{
    return QLatin1String(config::kMaker);
}

QString desktopId()
{
    return QLatin1String(config::kDesktopId);
}

} // namespace cindrel
