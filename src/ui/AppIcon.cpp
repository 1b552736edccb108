#include "AppIcon.h"

#include <QImageReader>

namespace cindrel {

namespace {
// The windows carry the 32 by 32 image. The picture boxes take its 64 by 64
// twin on screens of twice the density, read only when such a box is shown;
// the larger sizes are installed with the desktop entry for launchers.
constexpr int kWindowIconSize = 32;
constexpr int kDenseIconSize = 64;

QString iconPath(int size)
{
    return QStringLiteral(":/icons/cindrel-%1.png").arg(size);
}

// Read as PNG outright. Left to guess the format, the image reader first
// loads every image-format plugin to ask whether it knows the file, which
// costs the start several libraries it never uses.
QPixmap readPng(int size)
{
    QImageReader reader(iconPath(size), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}
} // namespace

QIcon applicationIcon()
{
    return QIcon(readPng(kWindowIconSize));
}

QPixmap applicationIconPixmap(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return readPng(kWindowIconSize);
    QPixmap dense = readPng(kDenseIconSize);
    dense.setDevicePixelRatio(qreal(kDenseIconSize) / kWindowIconSize);
    return dense;
}

} // namespace cindrel
