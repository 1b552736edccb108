#include "WidgetSeams.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

#include "Identity.h"

namespace cindrel {

QString displayLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

namespace {
QMessageBox::StandardButton showBox(QMessageBox::Icon icon, const QString &text,
                                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, applicationTitle(), displayLineBreaks(text), buttons);
    box.setObjectName(QStringLiteral("messageBox"));
    box.setTextFormat(Qt::PlainText);
    // The farewell window stays above all others; a box in the normal layer
    // would open hidden behind it and leave the program looking frozen.
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return static_cast<QMessageBox::StandardButton>(box.exec());
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
    return showBox(QMessageBox::Information, text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void DesktopBrowser::openUrl(const QString &url)
{
    // The URL is already fully encoded ASCII; take it as it stands.
    QDesktopServices::openUrl(QUrl::fromEncoded(url.toLatin1(), QUrl::StrictMode));
}

} // namespace cindrel
