#include "AppIcon.h"

namespace cindrel {

namespace {
// The windows use the 32 by 32 image, and its 64 by 64 twin on screens of
// twice the density. The larger sizes are installed with the desktop entry
// for launchers; decoding them for every window would only slow the start.
constexpr int kIconSizes[] = {32, 64};

QString iconPath(int size)
{
    return QStringLiteral(":/icons/cindrel-%1.png").arg(size);
}
} // namespace

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addFile(iconPath(size), QSize(size, size));
    return icon;
}

QPixmap applicationIconPixmap(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return QPixmap(iconPath(32));
    return applicationIcon().pixmap(QSize(32, 32), devicePixelRatio);
}

} // namespace cindrel
