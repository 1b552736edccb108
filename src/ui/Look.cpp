#include "Look.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <iterator>

#include "Identity.h"

namespace cindrel {

void fillBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont verdana(qreal pointSize, bool bold, bool underline)
{
    // Asking fontconfig for a family it lacks makes it search for a
    // substitute at every font; look Verdana up once instead, in the list of
    // installed families. (QFontDatabase::hasFamily would first resolve the
    // name as an alias through fontconfig, a third of the whole start.)
    static const QString family = QFontDatabase::families().contains(QStringLiteral("Verdana"),
                                                                     Qt::CaseInsensitive)
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel *styleLabel(QLabel *label, const QFont &font, const QColor &color, Qt::Alignment alignment,
                   bool wordWrap)
{
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    label->setPalette(palette);
    label->setAlignment(alignment);
    label->setWordWrap(wordWrap);
    return label;
}

void boundLength(QLineEdit *edit, int maxLength, std::function<void()> tooLong)
{
    edit->setMaxLength(maxLength);
    QObject::connect(edit, &QLineEdit::inputRejected, edit, std::move(tooLong), Qt::QueuedConnection);
}

void centreOnMainWindowScreen(QWidget *window)
{
    // The screen of the shown main window (the About window is opened over
    // it, and the farewell window while it closes), else the primary one.
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto main = std::find_if(windows.begin(), windows.end(), [](const QWidget *widget) {
        return qobject_cast<const QMainWindow *>(widget) && widget->isVisible() && widget->screen();
    });
    QScreen *screen = main != windows.end() ? (*main)->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    // The window belongs to that screen before it is shown, so that it is
    // laid out at that screen's pixel density.
    window->setScreen(screen);
    window->move(frame.topLeft());
}

namespace {
// The windows carry the 32 by 32 image. The picture boxes take a larger
// twin on denser screens, read only when such a box is shown: 48 px at
// 150% and 64 px at 200%, so that the image is drawn pixel for pixel
// rather than scaled (a 64 px image shrunk to 48 device pixels looks
// blurred). The larger sizes are installed with the desktop entry for
// launchers.
constexpr int kWindowIconSize = 32;
constexpr int kPictureSizes[] = {32, 48, 64};

// Read as PNG outright. Left to guess the format, the image reader first
// loads every image-format plugin to ask whether it knows the file, which
// costs the start several libraries it never uses.
QPixmap readPng(int size)
{
    QImageReader reader(QStringLiteral(":/icons/cindrel-%1.png").arg(size), "png");
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
    const auto *fits = std::find_if(std::begin(kPictureSizes), std::end(kPictureSizes) - 1,
                                    [needed](int candidate) { return candidate >= needed - 0.01; });
    QPixmap picture = readPng(*fits);
    picture.setDevicePixelRatio(qreal(*fits) / kWindowIconSize);
    return picture;
}

QLabel *makeIconPicture(QWidget *parent, const QString &name)
{
    auto *picture = new QLabel(parent);
    picture->setObjectName(name);
    picture->setPixmap(applicationIconPixmap(parent->devicePixelRatioF()));
    picture->setAlignment(Qt::AlignCenter);
    //: The accessible name of the picture box showing the program's icon; %1 is the program's name.
    picture->setAccessibleName(
        QCoreApplication::translate("cindrel::AppIcon", "%1 icon").arg(applicationTitle()));
    return picture;
}

} // namespace cindrel
