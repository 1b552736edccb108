#include "AppIcon.h"

#include <QImageReader>

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
    static const QIcon icon = [] {
        QIcon result;
        for (const int size : kIconSizes)
            result.addPixmap(readPng(size));
        return result;
    }();
    return icon;
}

QPixmap applicationIconPixmap(qreal devicePixelRatio)
{
    if (devicePixelRatio <= 1.0)
        return readPng(32);
    return applicationIcon().pixmap(QSize(32, 32), devicePixelRatio);
}

} // namespace cindrel
