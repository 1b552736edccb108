// The Windows variants of the platform services, and the locale's paper.

#include <windows.h>

#include "platform/MutexInstanceGuard.h"
#include "platform/Platform.h"
#include "platform/RegistrySettingsStore.h"
#include "report/PaperSize.h"

namespace cindrel {

std::unique_ptr<SettingsStore> makeSettingsStore()
{
    return std::make_unique<RegistrySettingsStore>();
}

std::unique_ptr<InstanceGuard> makeInstanceGuard()
{
    return std::make_unique<MutexInstanceGuard>();
}

QSizeF localePaperSize()
{
    // The user's regional format names its paper by the printer's code
    // (DMPAPER_*); the sizes below are those sheets in millimetres, rounded
    // as glibc gives them on Linux.
    DWORD paper = 0;
    int widthMm = 0;
    int heightMm = 0;
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                        reinterpret_cast<wchar_t *>(&paper), sizeof paper / sizeof(wchar_t))
        > 0) {
        switch (paper) {
        case DMPAPER_LETTER:
            widthMm = 216;
            heightMm = 279;
            break;
        case DMPAPER_LEGAL:
            widthMm = 216;
            heightMm = 356;
            break;
        case DMPAPER_A3:
            widthMm = 297;
            heightMm = 420;
            break;
        case DMPAPER_A4:
            widthMm = 210;
            heightMm = 297;
            break;
        default:
            break;
        }
    }
    return paperSizeFor(widthMm, heightMm, QLocale::system().measurementSystem());
}

} // namespace cindrel
