#include "AppIcon.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <iterator>

#include "Identity.h"

namespace cindrel {

namespace {
// The windows carry the 32 by 32 image. The picture boxes take a larger
// twin on denser screens, read only when such a box is shown: 48 px at
// 150% and 64 px at 200%, so that the image is drawn pixel for pixel
// rather than scaled (a 64 px image shrunk to 48 device pixels looks
// blurred). The larger sizes are installed with the desktop entry for
// launchers.
constexpr int kWindowIconSize = 32;
constexpr int kPictureSizes[] = {32, 48, 64};

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
    // The smallest image with at least as many pixels as the box shows, or
    // the largest there is.
    const qreal needed = kWindowIconSize * devicePixelRatio;
    int size = kPictureSizes[std::size(kPictureSizes) - 1];
    for (const int candidate : kPictureSizes) {
        if (candidate >= needed - 0.01) {
            size = candidate;
            break;
        }
    }
    QPixmap picture = readPng(size);
    picture.setDevicePixelRatio(qreal(size) / kWindowIconSize);
    return picture;
}

QLabel *makeIconPicture(QWidget *parent, const QString &name)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(applicationIconPixmap(parent->devicePixelRatioF()));
    picture->setFrameShape(QFrame::NoFrame);
    picture->setAlignment(Qt::AlignCenter);
    //: The accessible name of the picture box showing the program's icon; %1 is the program's name.
    picture->setAccessibleName(
        QCoreApplication::translate("cindrel::AppIcon", "%1 icon").arg(applicationTitle()));
    return picture;
}

} // namespace cindrel
