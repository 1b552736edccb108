// The Linux variants of the platform services, and the locale's paper.

#include <cstdint>
#include <langinfo.h>

#include "platform/IniSettingsStore.h"
#include "platform/LockFileGuard.h"
#include "platform/Platform.h"
#include "report/PaperSize.h"

namespace cindrel {

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<IniSettingsStore>();
}

std::unique_ptr<InstanceGuard> makeInstanceGuard()
{
    return std::make_unique<LockFileGuard>();
}

QSizeF localePaperSize()
{
    int widthMm = 0;
    int heightMm = 0;
#ifdef __GLIBC__
    // glibc hands these numbers out disguised as pointers. QCoreApplication
    // has set the process's locale from the environment (LC_PAPER, LC_ALL, LANG).
    widthMm = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    heightMm = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
#endif
    return paperSizeFor(widthMm, heightMm, QLocale::system().measurementSystem());
}

} // namespace cindrel
