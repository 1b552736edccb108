#include "AppIcon.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>

#include "Identity.h"

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

QLabel *makeIconPicture(QWidget *parent, const QString &name)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(applicationIconPixmap(parent->devicePixelRatioF()));
    picture->setFrameShape(QFrame::NoFrame);
    picture->setAlignment(Qt::AlignCenter);
    //: The accessible name of the picture box showing the program's icon; %1 is the program's name.
    picture->setAccessibleName(QCoreApplication::translate("cindrel::AppIcon", "%1 icon").arg(applicationTitle()));
    return picture;
}

} // namespace cindrel
