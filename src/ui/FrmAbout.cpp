#include "FrmAbout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "Config.h"
#include "Identity.h"
#include "links/SitePages.h"
#include "ui/Accessibility.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"

namespace cindrel {

namespace {

/// The About window's client area, in twips, before any label grows.
constexpr int kAboutWidth = 7035;
constexpr int kAboutHeight = 3015;

/// A control and the place it was designed at.
struct Placement {
    QWidget *widget;
    QRect designed;
    /// Single-line labels that sit against the right edge grow to the left.
    bool anchoredRight = false;
};

/// Puts every control, given from top to bottom, at its designed place, but
/// lets a label whose text does not fit (a fallback font is wider than
/// Verdana) grow just enough, and moves the controls under it down by as
/// much. Returns the extra height the client area needs.
int place(std::vector<Placement> &controls, int clientWidth)
{
    std::vector<QRect> placed;
    int shift = 0;
    for (auto &control : controls) {
        QRect rect = control.designed.translated(0, shift);
        // The smallest size that shows all of a label's text.
        const auto *label = qobject_cast<const QLabel *>(control.widget);
        const QSize need = !label              ? QSize(0, 0)
                           : label->wordWrap() ? QSize(rect.width(), label->heightForWidth(rect.width()))
                                               : label->sizeHint();
        if (need.width() > rect.width()) {
            const int grow = std::min(need.width(), clientWidth) - rect.width();
            rect.adjust(control.anchoredRight ? -grow : 0, 0, control.anchoredRight ? 0 : grow, 0);
            rect.moveLeft(std::max(rect.left(), 0));
        }
        if (need.height() > rect.height())
            rect.setHeight(need.height());
        // Never overlap a control placed above that shares any column.
        for (const QRect &above : placed) {
            const bool sameColumns = above.left() <= rect.right() && rect.left() <= above.right();
            if (sameColumns && rect.top() <= above.bottom()) {
                const int push = above.bottom() + 1 - rect.top();
                rect.translate(0, push);
                shift += push;
            }
        }
        control.widget->setGeometry(rect);
        placed.push_back(rect);
    }
    return shift;
}

/// Opens the Licences window over the About window, deleted when it closes:
/// the program's own notice, the Qt it runs with, and the notices of what it
/// uses that is not its own. Those are a text file, shown as it is: compiled
/// in on Linux, installed with the program on Windows.
void openLicences(QWidget *about)
{
    QFile file(QDir(QCoreApplication::applicationDirPath()).filePath(QLatin1String(config::kNoticesFile)));
    const QString notices = file.open(QIODevice::ReadOnly)
                                ? QString::fromUtf8(file.readAll())
                                : FrmAbout::tr("The notices should be in %1, which cannot be read.")
                                      .arg(QDir::toNativeSeparators(file.fileName()));
    auto *window = new QDialog(about, about->windowFlags());
    window->setObjectName(QStringLiteral("frmLicences"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(programWindowTitle());
    fillBackground(window, kBrown);
    //: The Licences window's opening: %1 is the program's name, %2 its version, %3 the year, %4
    //: the maker, %5 Qt's version. The notices that follow it stay in English, as licences do.
    auto *text = new QPlainTextEdit(
        FrmAbout::tr("%1 %2\nCopyright %3 %4. All rights in this software are reserved by %4.\n\n%1 runs "
                     "with Qt %5, which it uses under the terms of the GNU Lesser General Public License, "
                     "version 3 (LGPL-3).")
                .arg(applicationTitle(), applicationVersion(), QLatin1String(config::kCopyrightYear),
                     makerName(), QLatin1String(qVersion()))
            + QLatin1String("\n\n") + notices,
        window);
    text->setObjectName(QStringLiteral("txtLicences"));
    text->setAccessibleName(FrmAbout::tr("Licences"));
    text->setReadOnly(true);
    text->setFont(verdana(8.25));
    // Closed by Escape or its close box, like a text viewer.
    (new QVBoxLayout(window))->addWidget(text);
    window->resize(twips(9900), twips(7200));
    centreOnMainWindowScreen(window);
    window->open();
}

} // namespace

FrmAbout::FrmAbout(Browser &browser, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(programWindowTitle());
    setWindowIcon(applicationIcon());
    fillBackground(this, kBrown);

    // The OK button comes first, so it is first in the tab order and holds
    // the focus when the window opens; it is both the default button (Enter)
    // and, through QDialog, the cancel button (Escape).
    auto *cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    QLabel *picIcon = makeIconPicture(this, QStringLiteral("picIcon"));

    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    QLabel *title = styleLabel(makeLabel(this, QStringLiteral("Label2"), programWindowTitle()),
                               verdana(12, true), kCyan, topLeft);
    //: The About window's description; %1 is the maker. In every translation, add a sentence saying
    //: that this translation of the questionnaire is the program's own and not a validated clinical
    //: version.
    const QString about = tr("Cindrel is a simple health tool that helps one know their level of "
                             "dependency on nicotine. Nicotine has harmful effects and is best to be "
                             "avoided. All rights in this software are reserved by %1.")
                              .arg(makerName());
    QLabel *description = styleLabel(makeLabel(this, QStringLiteral("Label1"), about), verdana(8.25),
                                     kLightYellow, topLeft, true);

    // The links are single lines set against their place's top left. Tab
    // goes from OK to them, top to bottom: the order they are made in.
    const auto link = [this](const char *name, const QString &text, auto &&...opens) {
        auto *label = new LinkLabel(QLatin1String(name), text, false, this, opens...);
        label->setWordWrap(false);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    };
    //: %1 is the forum's web address.
    LinkLabel *lblHomePage = link("lblHomePage", tr("Click here to visit %1").arg(forumAddress()), browser,
                                  SitePage::home_page);

    QLabel *offer = makeLabel(this, QStringLiteral("Label3"),
                              tr("Home Business Opportunity. Start your own Internet "
                                 "business and make money online. Get this software "
                                 "fully branded for your website."));
    styleLabel(offer, verdana(8.25, true), kYellow, topLeft, true);

    LinkLabel *lblCoBrand = link("lblCoBrand", tr("Click here for more details."), browser,
                                 SitePage::fully_branded);

    //: The link to the licence notices of the program and of the software it uses.
    LinkLabel *lblLicences = link("lblLicences", tr("Licences"),
                                  tr("Opens the licences of this program and of the software it uses"));
    connect(lblLicences, &LinkLabel::clicked, this, [this] { openLicences(this); });

    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line2"));
    setAccessibleRole(rule, QAccessible::Separator);
    fillBackground(rule, kCyan);

    const int clientWidth = twips(kAboutWidth);
    // The rule runs past both edges, 2 pixels thick, centred on its line.
    const QRect lineRect(-1, twips(2520) - 1, clientWidth + 2, 2);

    std::vector<Placement> controls{
        {picIcon, twipsRect(120, 150, 480, 480)},
        {title, twipsRect(720, 360, 5445, 270)},
        {description, twipsRect(120, 750, 6885, 615)},
        {lblHomePage, twipsRect(2955, 1365, 4050, 195), true},
        {offer, twipsRect(120, 1680, 6885, 435)},
        {lblCoBrand, twipsRect(4650, 2115, 2355, 195), true},
        {rule, lineRect},
        {cmdOK, twipsRect(5745, 2640, 1260, 345)},
        {lblLicences, twipsRect(120, 2715, 3000, 195)},
    };
    const int extraHeight = place(controls, clientWidth);

    setFixedSize(clientWidth, twips(kAboutHeight) + extraHeight);
    cmdOK->setFocus(Qt::OtherFocusReason);
    centreOnMainWindowScreen(this);
}

} // namespace cindrel
