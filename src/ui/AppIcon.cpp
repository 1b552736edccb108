#include "AppIcon.h"

namespace cindrel {

namespace {
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

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
