#include "FrmAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <vector>

#include "Identity.h"
#include "links/SitePages.h"
#include "ui/Accessibility.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"

namespace cindrel {

namespace {

/// The client area as designed, in twips.
constexpr int kClientWidth = 7035;
constexpr int kClientHeight = 3015;

/// A control and the place it was designed at.
struct Placement {
    QWidget *widget;
    QRect designed;
    /// Single-line labels that sit against the right edge grow to the left.
    bool anchoredRight = false;
};

/// The smallest size that shows all of a label's text.
QSize neededSize(const QWidget *widget, int width)
{
    const auto *label = qobject_cast<const QLabel *>(widget);
    if (!label)
        return {0, 0};
    if (label->wordWrap())
        return {width, label->heightForWidth(width)};
    return label->sizeHint();
}

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
        const QSize need = neededSize(control.widget, rect.width());
        if (need.width() > rect.width()) {
            const int right = control.anchoredRight ? rect.right() : -1;
            rect.setWidth(std::min(need.width(), clientWidth));
            if (right >= 0)
                rect.moveRight(right);
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

} // namespace

FrmAbout::FrmAbout(AppContext &ctx, QWidget *parent)
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
    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    QLabel *picIcon = makeIconPicture(this, QStringLiteral("picIcon"));

    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    QLabel *title = styleLabel(makeLabel(this, QStringLiteral("Label2"), programWindowTitle()),
                               verdana(12, true), kCyan, topLeft);
    //: The About window's description. In every translation, add a sentence saying that this
    //: translation of the questionnaire is the program's own and not a validated clinical version.
    const QString about = tr("Cindrel is a simple health tool that helps one know their level of "
                             "dependency on nicotine. Nicotine has harmful effects and is best to be "
                             "avoided. All rights in this software are reserved by Velmor Softwares.");
    QLabel *description = styleLabel(makeLabel(this, QStringLiteral("Label1"), about), verdana(8.25),
                                     kLightYellow, topLeft, true);

    //: %1 is the forum's web address.
    auto *lblHomePage = new LinkLabel(QStringLiteral("lblHomePage"),
                                      tr("Click here to visit %1").arg(forumAddress()), false, this,
                                      ctx.services.browser, SitePage::home_page);
    lblHomePage->setWordWrap(false);
    lblHomePage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QLabel *offer = makeLabel(this, QStringLiteral("Label3"),
                              tr("Home Business Opportunity. Start your own Internet "
                                 "business and make money online. Get this software "
                                 "fully branded for your website."));
    styleLabel(offer, verdana(8.25, true), kYellow, topLeft, true);

    auto *lblCoBrand = new LinkLabel(QStringLiteral("lblCoBrand"), tr("Click here for more details."), false,
                                     this, ctx.services.browser, SitePage::fully_branded);
    lblCoBrand->setWordWrap(false);
    lblCoBrand->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line2"));
    setAccessibleRole(rule, QAccessible::Separator);
    fillBackground(rule, kCyan);

    const int clientWidth = twips(kClientWidth);
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
        {cmdOK_, twipsRect(5745, 2640, 1260, 345)},
    };
    const int extraHeight = place(controls, clientWidth);
    // Tab goes from OK to the two links, top to bottom.
    setTabOrder(cmdOK_, lblHomePage);
    setTabOrder(lblHomePage, lblCoBrand);

    setFixedSize(clientWidth, twips(kClientHeight) + extraHeight);
    cmdOK_->setFocus(Qt::OtherFocusReason);
    centreOnMainWindowScreen(this);
}

void FrmAbout::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    cmdOK_->setFocus(Qt::OtherFocusReason);
}

} // namespace cindrel
