#include "WidgetSeams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>
#include <QWindow>

#include "Identity.h"
#include "LogCategories.h"

namespace cindrel {

QString displayLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QWidget *windowInUse()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    const QWidgetList widgets = QApplication::topLevelWidgets();
    const QWindowList windows = QGuiApplication::topLevelWindows(); // in the order created
    for (auto window = windows.crbegin(); window != windows.crend(); ++window) {
        if (!(*window)->isVisible())
            continue;
        for (QWidget *widget : widgets) {
            const Qt::WindowType type = widget->windowType();
            if (widget->windowHandle() == *window && (type == Qt::Window || type == Qt::Dialog))
                return widget;
        }
    }
    return nullptr;
}

namespace {

QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons)
{
    // The box is transient for the window it belongs to, so a Wayland
    // compositor, which lets no program keep a window on top, keeps the box
    // above that window; Qt opens it centred over the window.
    QPointer<QMessageBox> box = new QMessageBox(icon, applicationTitle(), displayLineBreaks(text), buttons,
                                                windowInUse());
    box->setObjectName(QStringLiteral("messageBox"));
    box->setTextFormat(Qt::PlainText);
    // Under X11 the farewell window stays above all others; a box in the
    // normal layer would open hidden behind it and leave the program looking
    // frozen.
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    const int answer = box->exec();
    // Closing its window while the box is open takes the box with it.
    delete box.data();
    return static_cast<QMessageBox::StandardButton>(answer);
}

} // namespace

void QtMessageBoxes::critical(const QString &text)
{
    showBox(QMessageBox::Critical, text, QMessageBox::Ok);
}

void QtMessageBoxes::information(const QString &text)
{
    showBox(QMessageBox::Information, text, QMessageBox::Ok);
}

bool QtMessageBoxes::askYesNo(const QString &text)
{
    return showBox(QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void DesktopBrowser::openUrl(const QString &url)
{
    // The URL is already fully encoded ASCII; take it as it stands.
    if (QDesktopServices::openUrl(QUrl::fromEncoded(url.toLatin1(), QUrl::StrictMode)))
        return;
    // Only the page goes into the log: the fields of a referral after it
    // hold names and addresses.
    const qsizetype fields = url.indexOf(QLatin1Char('&'));
    const QString page = fields < 0 ? url : url.left(fields) + QStringLiteral("&...");
    qCWarning(lcLinks).noquote().nospace()
        << "Page " << page << " was not handed to a browser: the desktop could not open it"
        << " (is xdg-open installed and a default browser set?)";
}

} // namespace cindrel
