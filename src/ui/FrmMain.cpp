#include "FrmMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <algorithm>

#include "Identity.h"
#include "LogCategories.h"
#include "PassOverFailure.h"
#include "app/MainWindowClosing.h"
#include "dependency/TestWizard.h"
#include "links/CoBrand.h"
#include "links/SitePages.h"
#include "report/ResultReport.h"
#include "ui/Accessibility.h"
#include "ui/Colours.h"
#include "ui/Fonts.h"
#include "ui/FrmAbout.h"
#include "ui/Labels.h"
#include "ui/LengthBounds.h"
#include "ui/LinkLabel.h"
#include "ui/ResultMenu.h"
#include "ui/ResultScale.h"
#include "ui/Twips.h"
#include "ui/WizardBinding.h"

namespace cindrel {

namespace {

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(verdana(8.25, true));
    button->setAutoDefault(false);
    button->setMinimumHeight(twips(375));
    button->setMinimumWidth(button->sizeHint().width() + twips(480));
    return button;
}

QFrame *makeStepPanel(int index, const QString &title, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("fraStep_%1").arg(index));
    // Read as a named group of controls; only the panel in front is shown,
    // so a screen reader finds only the current step.
    setAccessibleRole(panel, QAccessible::Grouping);
    panel->setAccessibleName(title);
    panel->setAutoFillBackground(true);
    // The hidden panels keep their size, so the window does not change size
    // from step to step.
    QSizePolicy policy = panel->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    panel->setSizePolicy(policy);
    return panel;
}

/// The width a drop-down list needs to show the longest choice of the
/// question bank as the user reads it.
int widestChoiceWidth(const QComboBox *list)
{
    const QFontMetrics metrics = list->fontMetrics();
    int widest = 0;
    for (int k = 1; k <= kQuestionCount; ++k) {
        for (const Choice &choice : choicesWithPoints(k))
            widest = std::max(widest,
                              metrics.horizontalAdvance(questionBankText(QString::fromUtf8(choice.text))));
    }
    QStyleOptionComboBox option;
    option.initFrom(list);
    return list->style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(widest, metrics.height()), list)
        .width();
}

} // namespace

FrmMain::FrmMain(AppContext &ctx, QWidget *parent) : QMainWindow(parent), Form(ctx.forms, *this), ctx_(ctx)
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(programWindowTitle());

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    setBrownBackground(central);
    setCentralWidget(central);

    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(twips(240), twips(120), twips(240), twips(120));
    outer->setSpacing(twips(120));

    //: A link at the top of the main window, wrapped over two lines; %1 is the forum's web address.
    const QString forumCaption =
        tr("The Most Popular Online Velmor Discussion Forum. Click Here To Visit %1 Now.").arg(forumAddress());
    auto *forumLink = new LinkLabel(QStringLiteral("Label14"), forumCaption, true, central);
    // Narrow enough that the caption wraps over two lines, with room for
    // the focus frame around it.
    const QMargins frameRoom = forumLink->contentsMargins();
    const int captionWidth = QFontMetrics(forumLink->font()).horizontalAdvance(forumCaption);
    const int linkWidth = captionWidth * 11 / 20 + frameRoom.left() + frameRoom.right();
    forumLink->setMaximumWidth(linkWidth);
    forumLink->setMinimumWidth(linkWidth);
    forumLink->setAccessibleDescription(opensPageDescription(SitePage::home_page));
    connect(forumLink, &LinkLabel::clicked, this,
            [this] { OpenSitePage(ctx_.services.browser, SitePage::home_page); });
    outer->addWidget(forumLink, 0, Qt::AlignHCenter);

    // The three step panels share one cell, so they lie on top of each other.
    auto *stepsHost = new QWidget(central);
    stepsHost->setObjectName(QStringLiteral("stepsHost"));
    auto *stepsGrid = new QGridLayout(stepsHost);
    stepsGrid->setContentsMargins(0, 0, 0, 0);
    stepsHost->setMinimumWidth(twips(7500));
    stepsGrid->addWidget(buildPersonalDetailsStep(stepsHost), 0, 0);
    stepsGrid->addWidget(buildQuestionsStep(stepsHost), 0, 0);
    stepsGrid->addWidget(buildResultStep(stepsHost), 0, 0);
    outer->addWidget(stepsHost, 1);

    outer->addWidget(buildBanner(central));
    buildMenus();
    // Tab reaches the links after the controls of the steps: the forum link,
    // then the banner label in front.
    setTabOrder(w_.cmdMain, forumLink);
    setTabOrder(forumLink, lblCobrand_);
    setTabOrder(lblCobrand_, lblFullBrand_);

    binding_ = std::make_unique<WizardBinding>(w_, ctx_.services.boxes);
    wizard_ = std::make_unique<TestWizard>(ctx_.dependency, *binding_);
    binding_->onStepInFront = [this](int step) {
        if (step == 2)
            picScale_->setScore(ctx_.dependency.TotalScore);
        resultMenu_->stepInFront(step);
    };

    connect(w_.cmdNext, &QAbstractButton::clicked, this, [this] { wizard_->StartTest(); });
    connect(w_.cmdNextQuestion, &QAbstractButton::clicked, this, [this] { wizard_->NextQuestion(); });
    connect(w_.cmdMain, &QAbstractButton::clicked, this, [this] { wizard_->MainScreen(); });
    // A key filter, not a QValidator: a validator sees the text after an
    // edit, not the key, so it could neither say "Only numbers are accepted"
    // for the refused key nor swallow Ctrl+V, which must be refused like any
    // other control character however the clipboard reads.
    w_.txtAge->installEventFilter(this);
    boundLength(w_.txtName, kMaxTakerNameLength, [this] { wizard_->TextTooLong(WizardControl::txtName); });
    boundLength(w_.txtAge, kMaxAgeTextLength, [this] { wizard_->TextTooLong(WizardControl::txtAge); });

    // Load handling.
    wizard_->Load();
    w_.txtName->setFocus(Qt::OtherFocusReason);
}

FrmMain::~FrmMain()
{
    if (w_.txtAge)
        w_.txtAge->removeEventFilter(this);
}

QWidget *FrmMain::buildPersonalDetailsStep(QWidget *host)
{
    QFrame *panel = makeStepPanel(0, tr("Personal Details"), host);
    w_.steps[0] = panel;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(twips(120));

    const QFont infoFont = verdana(8.25);
    const Qt::Alignment infoAlign = Qt::AlignLeft | Qt::AlignTop;
    auto *caption0 = makeLabel(panel, QStringLiteral("lblCaption_0"),
                               tr("Nicotine Dependency describes your \"craving\" for nicotine from smoking. "
                                  "Nicotine has very bad effects on the health of person affecting his / her "
                                  "heart, brain and other body functions."));
    styleLabel(caption0, infoFont, kLightYellow, infoAlign, true);
    auto *caption1 = makeLabel(panel, QStringLiteral("lblCaption_1"), decisionNote());
    styleLabel(caption1, infoFont, kLightYellow, infoAlign, true);
    layout->addWidget(caption0);
    layout->addWidget(caption1);
    layout->addSpacing(twips(120));

    auto *rows = new QGridLayout;
    rows->setHorizontalSpacing(twips(120));
    rows->setVerticalSpacing(twips(120));
    const QFont headingFont = verdana(8.25, true);
    const Qt::Alignment headingAlign = Qt::AlignRight | Qt::AlignVCenter;

    auto *nameHeading = styleLabel(makeLabel(panel, QStringLiteral("lblLabel_2"), tr("Enter Name")),
                                   headingFont, kWhite, headingAlign);
    w_.txtName = new QLineEdit(panel);
    w_.txtName->setObjectName(QStringLiteral("txtName"));
    w_.txtName->setFont(verdana(8.25));
    nameHeading->setBuddy(w_.txtName);

    auto *ageHeading = styleLabel(makeLabel(panel, QStringLiteral("lblLabel_0"), tr("Enter Age")), headingFont,
                                  kWhite, headingAlign);
    w_.txtAge = new QLineEdit(panel);
    w_.txtAge->setObjectName(QStringLiteral("txtAge"));
    w_.txtAge->setFont(verdana(8.25));
    ageHeading->setBuddy(w_.txtAge);

    auto *sexHeading = styleLabel(makeLabel(panel, QStringLiteral("lblLabel_1"), tr("Select Sex")), headingFont,
                                  kWhite, headingAlign);
    w_.cboSex = new QComboBox(panel);
    w_.cboSex->setObjectName(QStringLiteral("cboSex"));
    w_.cboSex->setEditable(false);
    w_.cboSex->setFont(verdana(8.25));
    sexHeading->setBuddy(w_.cboSex);
    setDropDownListName(w_.cboSex, sexHeading->text());

    rows->addWidget(nameHeading, 0, 0);
    rows->addWidget(w_.txtName, 0, 1);
    rows->addWidget(ageHeading, 1, 0);
    rows->addWidget(w_.txtAge, 1, 1);
    rows->addWidget(sexHeading, 2, 0);
    rows->addWidget(w_.cboSex, 2, 1);
    rows->setColumnStretch(0, 2);
    rows->setColumnStretch(1, 3);
    layout->addLayout(rows);
    layout->addStretch(1);

    //: The access keys of the main window's buttons and menus must differ.
    w_.cmdNext = makeButton(QStringLiteral("cmdNext"), tr("&Take the Nicotine Dependency Test"), panel);
    layout->addWidget(w_.cmdNext, 0, Qt::AlignHCenter);

    setTabOrder(w_.txtName, w_.txtAge);
    setTabOrder(w_.txtAge, w_.cboSex);
    setTabOrder(w_.cboSex, w_.cmdNext);
    return panel;
}

QWidget *FrmMain::buildQuestionsStep(QWidget *host)
{
    QFrame *panel = makeStepPanel(1, tr("Questions"), host);
    w_.steps[1] = panel;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(twips(180));

    w_.lblQuestionNo = styleLabel(makeLabel(panel, QStringLiteral("lblQuestionNo")), verdana(9.75, true),
                                  kYellow, Qt::AlignCenter);
    w_.lblQuestion = styleLabel(makeLabel(panel, QStringLiteral("lblQuestion")), verdana(9.75, true), kWhite,
                                Qt::AlignCenter, true);
    w_.cboAnswer_Option = new QComboBox(panel);
    w_.cboAnswer_Option->setObjectName(QStringLiteral("cboAnswer_Option"));
    w_.cboAnswer_Option->setEditable(false);
    w_.cboAnswer_Option->setFont(verdana(8.25));
    // The longest choice of any question, in the user's language, decides
    // the width, so that the window keeps its size from question to question
    // and no choice is cut off.
    w_.cboAnswer_Option->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    w_.cboAnswer_Option->setMinimumContentsLength(20);
    w_.cboAnswer_Option->setMinimumWidth(widestChoiceWidth(w_.cboAnswer_Option));
    // Read as the answer to the question above it, which the wizard puts
    // into the list's description as each question comes up.
    w_.lblQuestion->setBuddy(w_.cboAnswer_Option);
    //: The name a screen reader gives the list of answers.
    setDropDownListName(w_.cboAnswer_Option, tr("Answer"));
    w_.cmdNextQuestion = makeButton(QStringLiteral("cmdNextQuestion"), tr("Next &Question"), panel);

    layout->addStretch(1);
    layout->addWidget(w_.lblQuestionNo);
    layout->addWidget(w_.lblQuestion);
    layout->addWidget(w_.cboAnswer_Option);
    layout->addWidget(w_.cmdNextQuestion, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return panel;
}

QWidget *FrmMain::buildResultStep(QWidget *host)
{
    QFrame *panel = makeStepPanel(2, tr("Result"), host);
    w_.steps[2] = panel;
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(twips(180));

    w_.lblResult_0 = styleLabel(makeLabel(panel, QStringLiteral("lblResult_0")), verdana(12, true), kYellow,
                                Qt::AlignCenter);
    w_.lblResult_1 = styleLabel(makeLabel(panel, QStringLiteral("lblResult_1")), verdana(9.75, true), kWhite,
                                Qt::AlignCenter, true);
    w_.cmdMain = makeButton(QStringLiteral("cmdMain"), tr("&Main Screen"), panel);
    picScale_ = new ResultScale(panel);

    layout->addStretch(1);
    layout->addWidget(w_.lblResult_0);
    layout->addWidget(w_.lblResult_1);
    layout->addWidget(picScale_);
    layout->addStretch(1);
    layout->addWidget(w_.cmdMain, 0, Qt::AlignHCenter);
    return panel;
}

QWidget *FrmMain::buildBanner(QWidget *host)
{
    auto *frame = new QFrame(host);
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    setAccessibleRole(frame, QAccessible::Grouping);

    lblCobrand_ = new LinkLabel(
        QStringLiteral("lblCobrand"),
        //: A link at the bottom of the main window; shown as it stands, runs of blanks included.
        tr("Co-brand this software for your site.  Increase loyalty and traffic to your "
           "site. Put your site's name &  link here. See \"Help\" for details.    Click "
           "Here for more info on co-branding."),
        true, frame);
    lblFullBrand_ = new LinkLabel(
        QStringLiteral("lblFullBrand"),
        tr("Home Business Opportunity. Start your own Internet business and make money "
           "online. Get this software fully branded for your website. Click here for "
           "more details."),
        true, frame);
    // Both labels fill the same cell and paint their own background, so the
    // one in front hides the other completely and alone takes the clicks.
    for (LinkLabel *label : {lblCobrand_, lblFullBrand_}) {
        label->setAutoFillBackground(true);
        grid->addWidget(label, 0, 0);
    }
    lblCobrand_->setAccessibleDescription(opensPageDescription(SitePage::co_brand));
    lblFullBrand_->setAccessibleDescription(opensPageDescription(SitePage::fully_branded));
    // Designed order: the full-brand label lies in front.
    bringBannerToFront(lblFullBrand_);

    connect(lblCobrand_, &LinkLabel::clicked, this,
            [this] { OpenSitePage(ctx_.services.browser, SitePage::co_brand); });
    connect(lblFullBrand_, &LinkLabel::clicked, this,
            [this] { OpenSitePage(ctx_.services.browser, SitePage::fully_branded); });
    return frame;
}

void FrmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu *file = bar->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    resultMenu_ = new ResultMenu(ctx_, file, exit);
    connect(exit, &QAction::triggered, this, [this] { exitTriggered(); });

    QMenu *help = bar->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelp"));
    QAction *online = help->addAction(tr("&Online Help"));
    online->setObjectName(QStringLiteral("mnuOnline"));
    QAction *visit = help->addAction(tr("&Visit Us Online"));
    visit->setObjectName(QStringLiteral("mnuVisit"));
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    QAction *update = help->addAction(tr("Check for Software &Update"));
    update->setObjectName(QStringLiteral("mnuUpdate"));
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    QAction *about = help->addAction(tr("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));

    // Menu-bar entries without a drop-down act at once when clicked.
    QAction *donate = bar->addAction(tr("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QAction *makeMoney = bar->addAction(tr("Make Money &Online"));
    makeMoney->setObjectName(QStringLiteral("mnuMakeMoney"));
    makeMoney->setVisible(false);

    Browser *browser = &ctx_.services.browser;
    connect(online, &QAction::triggered, this, [browser] { OpenSitePage(*browser, SitePage::help_web_page); });
    connect(visit, &QAction::triggered, this, [browser] { OpenSitePage(*browser, SitePage::home_page); });
    connect(update, &QAction::triggered, this,
            [browser] { OpenSitePage(*browser, SitePage::download_web_page); });
    connect(about, &QAction::triggered, this, [this] { aboutTriggered(); });
    connect(donate, &QAction::triggered, this, [browser] { OpenSitePage(*browser, SitePage::donate); });
    connect(makeMoney, &QAction::triggered, this,
            [browser] { OpenSitePage(*browser, SitePage::fully_branded); });
}

void FrmMain::exitTriggered()
{
    unload();
}

void FrmMain::aboutTriggered()
{
    // Transient for the main window, so that it gets no taskbar entry of its
    // own; it still opens centred on the screen.
    auto *about = new FrmAbout(ctx_, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->exec();
}

void FrmMain::CoBrand_Randomize()
{
    // When the draw fails, the labels keep their designed order.
    passOverFailure(lcStartup(), "choosing the promotional label", [this] {
        const int n = coBrandNumber(ctx_.services.random.next());
        coBrandRandomNumber_ = static_cast<std::int16_t>(n);
        bringBannerToFront(fullBrandInFront(n) ? lblFullBrand_ : lblCobrand_);
    });
}

void FrmMain::bringBannerToFront(LinkLabel *front)
{
    LinkLabel *behind = front == lblCobrand_ ? lblFullBrand_ : lblCobrand_;
    const bool focusBehind = behind->hasFocus();
    front->raise();
    // Only the label in front can be seen and clicked, so only it takes the
    // focus; a focus on the other one moves to it.
    front->setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
    if (focusBehind)
        front->setFocus(Qt::OtherFocusReason);
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    handleClose(event);
}

void FrmMain::onUnload()
{
    MainWindowUnloading(ctx_.showFarewell, ctx_.shutdown);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w_.txtAge && event->type() == QEvent::KeyPress && wizard_) {
        const auto &press = *static_cast<QKeyEvent *>(event);
        if (isCommandChord(press))
            return true; // swallowed silently: a chord is no character
        const auto code = typedCharacterCode(press);
        if (code && !wizard_->AgeKeyFilter(*code))
            return true; // swallowed: the text stays as it was
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace cindrel
