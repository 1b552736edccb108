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
#include <QStackedLayout>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>
#include <algorithm>

#include "Identity.h"
#include "dependency/TestWizard.h"
#include "links/CoBrand.h"
#include "links/SitePages.h"
#include "report/ResultReport.h"
#include "ui/Accessibility.h"
#include "ui/FrmAbout.h"
#include "ui/FrmFarewell.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "ui/ResultMenu.h"
#include "ui/ScalePainter.h"
#include "ui/WidgetSeams.h"

namespace cindrel {

namespace {

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(verdana(8.25, true));
    button->setMinimumHeight(twips(375));
    button->setMinimumWidth(button->sizeHint().width() + twips(480));
    return button;
}

/// A step's panel, laid out from top to bottom with the given spacing.
QVBoxLayout *makeStepPanel(int index, const QString &title, int spacing)
{
    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("fraStep_%1").arg(index));
    // Read as a named group of controls; only the panel in front is shown,
    // so a screen reader finds only the current step.
    setAccessibleRole(panel, QAccessible::Grouping);
    panel->setAccessibleName(title);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
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

std::optional<int> typedCharacterCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (key == Qt::Key_Backspace)
        return 8;
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return 13;
    // Keys that move the cursor, delete forwards or move the focus type
    // nothing, though some keyboards attach a control character to them:
    // Tab, Backtab, Insert and Delete, then Home, End, the arrows, Page Up
    // and Page Down, each a run of Qt's key numbers.
    if ((key >= Qt::Key_Tab && key <= Qt::Key_Delete) || (key >= Qt::Key_Home && key <= Qt::Key_PageDown))
        return std::nullopt;
    // A Ctrl chord with a letter types its control character, whether the
    // keyboard reports it as that character or as the plain letter.
    const bool ctrl = event.modifiers().testFlag(Qt::ControlModifier);
    if (ctrl && key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    return static_cast<int>(text.at(0).unicode());
}

FrmMain::FrmMain(AppContext &ctx, QWidget *parent) : QMainWindow(parent), ctx_(ctx)
{
    setAttribute(Qt::WA_DeleteOnClose);
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(programWindowTitle());

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    fillBackground(central, kBrown);
    setCentralWidget(central);

    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(twips(240), twips(120), twips(240), twips(120));
    outer->setSpacing(twips(120));

    //: A link at the top of the main window, wrapped over two lines; %1 is the forum's web address.
    const QString forumCaption =
        tr("The Most Popular Online Velmor Discussion Forum. Click Here To Visit %1 Now.").arg(forumAddress());
    auto *forumLink = new LinkLabel(QStringLiteral("Label14"), forumCaption, true, central,
                                    ctx_.services.browser, SitePage::home_page);
    // Narrow enough that the caption wraps over two lines, with room for
    // the focus frame around it.
    const QMargins frameRoom = forumLink->contentsMargins();
    const int captionWidth = QFontMetrics(forumLink->font()).horizontalAdvance(forumCaption);
    const int linkWidth = captionWidth * 11 / 20 + frameRoom.left() + frameRoom.right();
    forumLink->setMaximumWidth(linkWidth);
    forumLink->setMinimumWidth(linkWidth);
    outer->addWidget(forumLink, 0, Qt::AlignHCenter);

    // The three steps are stacked: only the one in front is shown, and the
    // window keeps the size of the largest from step to step.
    auto *stepsHost = new QWidget(central);
    stepsHost->setObjectName(QStringLiteral("stepsHost"));
    stepsHost->setMinimumWidth(twips(7500));
    steps_ = new QStackedLayout(stepsHost);
    steps_->addWidget(buildPersonalDetailsStep());
    steps_->addWidget(buildQuestionsStep());
    steps_->addWidget(buildResultStep());
    outer->addWidget(stepsHost, 1);

    // The banner at the bottom: two link labels, one in front.
    auto *frame = new QFrame(central);
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    setAccessibleRole(frame, QAccessible::Grouping);
    banner_ = new QStackedLayout(frame);

    lblCobrand_ = new LinkLabel(
        QStringLiteral("lblCobrand"),
        //: A link at the bottom of the main window; shown as it stands, runs of blanks included.
        tr("Co-brand this software for your site.  Increase loyalty and traffic to your "
           "site. Put your site's name &  link here. See \"Help\" for details.    Click "
           "Here for more info on co-branding."),
        true, frame, ctx_.services.browser, SitePage::co_brand);
    lblFullBrand_ = new LinkLabel(
        QStringLiteral("lblFullBrand"),
        tr("Home Business Opportunity. Start your own Internet business and make money "
           "online. Get this software fully branded for your website. Click here for "
           "more details."),
        true, frame, ctx_.services.browser, SitePage::fully_branded);
    // The two labels lie at the same place and only the one in front is
    // shown; the designed order has the full-brand label in front.
    banner_->addWidget(lblCobrand_);
    banner_->addWidget(lblFullBrand_);
    banner_->setCurrentWidget(lblFullBrand_);
    outer->addWidget(frame);

    buildMenus();
    // Tab reaches the links after the controls of the steps: the forum link,
    // then the banner label in front.
    setTabOrder(cmdMain_, forumLink);
    setTabOrder(forumLink, lblCobrand_);
    setTabOrder(lblCobrand_, lblFullBrand_);

    connect(cmdNextQuestion_, &QAbstractButton::clicked, this, [this] {
        modNicotineDependancy &state = ctx_.dependency;
        // The list shows each choice in the user's language and keeps its
        // English text as the entry's data: answers are scored by that text.
        const int k = state.QuestionNo;
        if (k >= 0 && k < kQuestionCount) {
            if (k >= 1)
                state.setAnswer(k, cboAnswer_Option_->currentData().toString());
            const int next = k + 1;
            lblQuestionNo_->setText(TestWizard::questionCounter(next));
            lblQuestion_->setText(displayLineBreaks(questionBankText(questionText(next))));
            // The answer list is read together with the question it answers.
            cboAnswer_Option_->setAccessibleDescription(lblQuestion_->text());
            cboAnswer_Option_->clear();
            for (const QString &choice : choiceTexts(next))
                cboAnswer_Option_->addItem(questionBankText(choice), choice);
            cboAnswer_Option_->setCurrentIndex(0);
            state.QuestionNo = static_cast<std::int16_t>(next);
            return;
        }
        // Question 6 is on screen (or the result already is): store the last
        // answer and score the test.
        state.setAnswer(kQuestionCount, cboAnswer_Option_->currentData().toString());
        state.CalculateDependency();
        lblResult_0_->setText(scoreLine(state.TotalScore));
        lblResult_1_->setText(displayLineBreaks(levelLine(state.DependencyLevel)));
        showStep(2);
        cmdMain_->setFocus(Qt::OtherFocusReason);
    });
    connect(cmdMain_, &QAbstractButton::clicked, this, [this] {
        txtAge_->clear();
        cboSex_->setCurrentIndex(0);
        showStep(0);
        txtAge_->setFocus(Qt::OtherFocusReason);
    });
    // A key filter, not a QValidator: a validator sees the text after an
    // edit, not the key, so it could neither say "Only numbers are accepted"
    // for the refused key nor swallow Ctrl+V, which must be refused like any
    // other control character however the clipboard reads.
    txtAge_->installEventFilter(this);
    MessageBoxes *boxes = &ctx_.services.boxes;
    boundLength(txtName_, kMaxTakerNameLength, [boxes] { boxes->critical(TestWizard::nameTooLongMessage()); });
    boundLength(txtAge_, kMaxAgeTextLength, [boxes] { boxes->critical(TestWizard::ageRangeMessage()); });

    // Load handling: the sex list, shown in the user's language and kept in
    // English, and the first step.
    for (const QString &sex : TestWizard::sexes())
        cboSex_->addItem(questionBankText(sex), sex);
    cboSex_->setCurrentIndex(0);
    showStep(0);
    txtName_->setFocus(Qt::OtherFocusReason);
}

FrmMain::~FrmMain()
{
    txtAge_->removeEventFilter(this);
}

QWidget *FrmMain::buildPersonalDetailsStep()
{
    QVBoxLayout *layout = makeStepPanel(0, tr("Personal Details"), twips(120));
    QWidget *panel = layout->parentWidget();

    const auto addCaption = [panel, layout](const char *name, const QString &text) {
        layout->addWidget(styleLabel(makeLabel(panel, QLatin1String(name), text), verdana(8.25), kLightYellow,
                                     Qt::AlignLeft | Qt::AlignTop, true));
    };
    addCaption("lblCaption_0", tr("Nicotine Dependency describes your \"craving\" for nicotine from smoking. "
                                  "Nicotine has very bad effects on the health of person affecting his / her "
                                  "heart, brain and other body functions."));
    addCaption("lblCaption_1", decisionNote());
    layout->addSpacing(twips(120));

    auto *rows = new QGridLayout;
    rows->setHorizontalSpacing(twips(120));
    rows->setVerticalSpacing(twips(120));
    // A heading in the left column names the control beside it, for a
    // screen reader too.
    const auto addRow = [panel, rows](int row, const char *name, const QString &heading, QWidget *control) {
        // The heading comes first among the panel's children, so a screen
        // reader meets it before its control.
        QLabel *label = styleLabel(makeLabel(panel, QLatin1String(name), heading), verdana(8.25, true), kWhite,
                                   Qt::AlignRight | Qt::AlignVCenter);
        control->setParent(panel);
        label->setBuddy(control);
        control->setFont(verdana(8.25));
        rows->addWidget(label, row, 0);
        rows->addWidget(control, row, 1);
        return label;
    };
    txtName_ = new QLineEdit;
    txtName_->setObjectName(QStringLiteral("txtName"));
    addRow(0, "lblLabel_2", tr("Enter Name"), txtName_);
    txtAge_ = new QLineEdit;
    txtAge_->setObjectName(QStringLiteral("txtAge"));
    addRow(1, "lblLabel_0", tr("Enter Age"), txtAge_);
    cboSex_ = new QComboBox;
    cboSex_->setObjectName(QStringLiteral("cboSex"));
    setDropDownListName(cboSex_, addRow(2, "lblLabel_1", tr("Select Sex"), cboSex_)->text());

    rows->setColumnStretch(0, 2);
    rows->setColumnStretch(1, 3);
    layout->addLayout(rows);
    layout->addStretch(1);

    //: The access keys of the main window's buttons and menus must differ.
    QPushButton *cmdNext = makeButton(QStringLiteral("cmdNext"), tr("&Take the Nicotine Dependency Test"),
                                      panel);
    connect(cmdNext, &QAbstractButton::clicked, this, [this] {
        if (const auto problem = TestWizard::checkPersonalDetails(txtName_->text(), txtAge_->text())) {
            ctx_.services.boxes.critical(problem->message);
            (problem->box == DetailsProblem::txtName ? txtName_ : txtAge_)->setFocus(Qt::OtherFocusReason);
            return;
        }
        modNicotineDependancy &state = ctx_.dependency;
        state.TakerName = trimBlanks(txtName_->text());
        state.TakerAge = *parseAge(txtAge_->text());
        state.TakerSex = cboSex_->currentData().toString();
        state.QuestionNo = 0;
        state.TotalScore = 0;
        // The next-question press shows question 1; its handler has run when
        // click() returns.
        cmdNextQuestion_->click();
        showStep(1);
    });
    layout->addWidget(cmdNext, 0, Qt::AlignHCenter);

    setTabOrder(txtName_, txtAge_);
    setTabOrder(txtAge_, cboSex_);
    setTabOrder(cboSex_, cmdNext);
    return panel;
}

QWidget *FrmMain::buildQuestionsStep()
{
    QVBoxLayout *layout = makeStepPanel(1, tr("Questions"), twips(180));
    QWidget *panel = layout->parentWidget();

    lblQuestionNo_ = styleLabel(makeLabel(panel, QStringLiteral("lblQuestionNo")), verdana(9.75, true), kYellow,
                                Qt::AlignCenter);
    lblQuestion_ = styleLabel(makeLabel(panel, QStringLiteral("lblQuestion")), verdana(9.75, true), kWhite,
                              Qt::AlignCenter, true);
    cboAnswer_Option_ = new QComboBox(panel);
    cboAnswer_Option_->setObjectName(QStringLiteral("cboAnswer_Option"));
    cboAnswer_Option_->setFont(verdana(8.25));
    // The longest choice of any question, in the user's language, decides
    // the width, so that the window keeps its size from question to question
    // and no choice is cut off.
    cboAnswer_Option_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboAnswer_Option_->setMinimumContentsLength(20);
    cboAnswer_Option_->setMinimumWidth(widestChoiceWidth(cboAnswer_Option_));
    // Read as the answer to the question above it, which goes into the
    // list's description as each question comes up.
    lblQuestion_->setBuddy(cboAnswer_Option_);
    //: The name a screen reader gives the list of answers.
    setDropDownListName(cboAnswer_Option_, tr("Answer"));
    cmdNextQuestion_ = makeButton(QStringLiteral("cmdNextQuestion"), tr("Next &Question"), panel);

    layout->addStretch(1);
    layout->addWidget(lblQuestionNo_);
    layout->addWidget(lblQuestion_);
    layout->addWidget(cboAnswer_Option_);
    layout->addWidget(cmdNextQuestion_, 0, Qt::AlignHCenter);
    layout->addStretch(1);
    return panel;
}

QWidget *FrmMain::buildResultStep()
{
    QVBoxLayout *layout = makeStepPanel(2, tr("Result"), twips(180));
    QWidget *panel = layout->parentWidget();

    lblResult_0_ = styleLabel(makeLabel(panel, QStringLiteral("lblResult_0")), verdana(12, true), kYellow,
                              Qt::AlignCenter);
    lblResult_1_ = styleLabel(makeLabel(panel, QStringLiteral("lblResult_1")), verdana(9.75, true), kWhite,
                              Qt::AlignCenter, true);
    cmdMain_ = makeButton(QStringLiteral("cmdMain"), tr("&Main Screen"), panel);
    picScale_ = new ResultScale(panel);

    layout->addStretch(1);
    layout->addWidget(lblResult_0_);
    layout->addWidget(lblResult_1_);
    layout->addWidget(picScale_);
    layout->addStretch(1);
    layout->addWidget(cmdMain_, 0, Qt::AlignHCenter);
    return panel;
}

void FrmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    // An entry of a menu or of the bar itself, opening a page if one is given.
    Browser *browser = &ctx_.services.browser;
    const auto entry = [this, browser](QWidget *menu, const char *name, const QString &text,
                                       std::optional<SitePage> page = std::nullopt) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        if (page)
            connect(action, &QAction::triggered, this, [browser, page] { OpenSitePage(*browser, *page); });
        return action;
    };
    const auto dropDown = [bar](const char *name, const QString &title) {
        QMenu *menu = bar->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };

    QMenu *file = dropDown("mnuFile", tr("&File"));
    QAction *exit = entry(file, "mnuExit", tr("E&xit"));
    resultMenu_ = new ResultMenu(ctx_, file, exit);
    // File > Exit closes the window like its title bar's close button.
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu *help = dropDown("mnuHelp", tr("&Help"));
    entry(help, "mnuOnline", tr("&Online Help"), SitePage::help_web_page);
    entry(help, "mnuVisit", tr("&Visit Us Online"), SitePage::home_page);
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    entry(help, "mnuUpdate", tr("Check for Software &Update"), SitePage::download_web_page);
    help->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    connect(entry(help, "mnuAbout", tr("&About Software")), &QAction::triggered, this, [this] {
        // Transient for the main window, so that it gets no taskbar entry of
        // its own; it still opens centred on the screen.
        auto *about = new FrmAbout(ctx_.services.browser, this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->exec();
    });

    // Menu-bar entries without a drop-down act at once when clicked.
    entry(bar, "mnuDonate", tr("&Donate"), SitePage::donate);
    entry(bar, "mnuMakeMoney", tr("Make Money &Online"), SitePage::fully_branded)->setVisible(false);
}

void FrmMain::showStep(int step)
{
    steps_->setCurrentIndex(step);
    if (step == 2)
        picScale_->setScore(ctx_.dependency.TotalScore);
    resultMenu_->stepInFront(step);
}

void FrmMain::CoBrand_Randomize()
{
    // A focus on the label that goes behind moves to the one in front.
    const bool fullBrand = fullBrandInFront(coBrandNumber(ctx_.services.random.next()));
    banner_->setCurrentWidget(fullBrand ? lblFullBrand_ : lblCobrand_);
}

void FrmMain::closeEvent(QCloseEvent * /*event*/)
{
    // Never refused (a close event comes accepted), whatever step is in
    // front: the window goes, and the farewell window, shown first, takes
    // over. Once the program is ending no window is shown again.
    if (!ctx_.shutdown.ending())
        (new FrmFarewell(ctx_))->show();
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtAge_ && event->type() == QEvent::KeyPress) {
        const auto &press = *static_cast<QKeyEvent *>(event);
        // A chord with Alt or Meta (and no Ctrl) asks for a command, such as
        // an access key, not for a character. A line edit still types the
        // letter of such a chord that nothing else takes, so the age box
        // swallows it, without a message, as it types nothing the user meant
        // to type.
        const Qt::KeyboardModifiers modifiers = press.modifiers();
        if ((modifiers & (Qt::AltModifier | Qt::MetaModifier)) && !(modifiers & Qt::ControlModifier))
            return true;
        const auto code = typedCharacterCode(press);
        if (code && !TestWizard::isAgeKey(*code)) {
            ctx_.services.boxes.critical(TestWizard::onlyNumbersMessage());
            return true; // swallowed: the text stays as it was
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace cindrel
