#include "FrmFarewell.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "Identity.h"
#include "farewell/ReferralFields.h"
#include "farewell/SupportMessages.h"
#include "links/SitePages.h"
#include "ui/Accessibility.h"
#include "ui/BoundedTextEdit.h"
#include "ui/LinkLabel.h"
#include "ui/Look.h"

namespace cindrel {

namespace {

/// The property that holds a field's text: a line edit's "text", the
/// message box's "plainText".
const char *textProperty(const QObject *field)
{
    return qobject_cast<const QLineEdit *>(field) ? "text" : "plainText";
}

QString fieldText(const QObject *field)
{
    return field->property(textProperty(field)).toString();
}

// The message field sits in its own row below the referral button, so the
// referral panel, the promotion panel beside it and the window grow by one
// row of this height.
constexpr int kMessageRow = 720;

/// The farewell window's client area, in twips.
constexpr int kFarewellWidth = 11115;
constexpr int kFarewellHeight = 4725 + kMessageRow;

} // namespace

FrmFarewell::FrmFarewell(AppContext &ctx, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint),
      ctx_(ctx)
{
    setAttribute(Qt::WA_DeleteOnClose);
    installAccessibleInterfaces();
    // A plain top-level widget would be read as a filler, not as a window.
    setAccessibleRole(this, QAccessible::Dialog);
    setObjectName(QStringLiteral("frmFarewell"));
    setFixedSize(twips(kFarewellWidth), twips(kFarewellHeight));
    setFont(verdana(8.25));
    // White captions on the program's brown; text boxes keep their own
    // dark-on-light colours.
    fillBackground(this, kBrown);
    QPalette captions = palette();
    captions.setColor(QPalette::WindowText, Qt::white);
    setPalette(captions);

    QLabel *picture = makeIconPicture(this, QStringLiteral("picFarewellIcon"));
    picture->setGeometry(twipsRect(360, 120, 540, 540));

    QLabel *caption = makeLabel(this, QStringLiteral("lblFarewellCaption"), programWindowTitle());
    caption->setFont(verdana(12, true));
    caption->move(twips(1080), twips(240));
    caption->adjustSize();

    // A fresh support message on every load.
    const QString support = supportMessage(supportMessageIndex(ctx_.services.random.next()));
    styleLabel(makeLabel(this, QStringLiteral("Label2"), support), verdana(8.25, true), kWhite,
               Qt::AlignLeft | Qt::AlignVCenter, true)
        ->setGeometry(twipsRect(120, 840, 6975, 1095));

    auto *check1 = new QCheckBox(visitForumCaption(), this);
    check1->setObjectName(QStringLiteral("Check1"));
    check1->setGeometry(twipsRect(30, 2040, 7185, 555));
    check1->setFont(verdana(8.25, true));
    check1->setCursor(Qt::PointingHandCursor);
    check1->setAccessibleDescription(opensPageDescription(SitePage::home_page));
    connect(check1, &QCheckBox::clicked, this, [this, check1] {
        // Setting the box back is not a click of its own (setChecked emits no
        // clicked signal).
        if (!check1->isChecked())
            return;
        check1->setChecked(false);
        OpenSitePage(ctx_.services.browser, SitePage::home_page);
    });

    auto *cmdClose = new QPushButton(tr("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twipsRect(6000, 2760, 1245, 375));
    connect(cmdClose, &QPushButton::clicked, this, [this] { ctx_.shutdown.EndApplication(); });

    // The referral panel.
    auto *refer = new QGroupBox(tr("Refer A Friend"), this);
    refer->setObjectName(QStringLiteral("Frame2"));
    refer->setGeometry(twipsRect(120, 3240, 7065, 1455 + kMessageRow));

    const auto makeLineField = [this, refer](ReferralField field, const QRect &place) {
        auto *edit = new QLineEdit(placeholderFor(field), refer);
        edit->setGeometry(place);
        boundLength(edit, referralFieldRow(field).maxLength,
                    [this, field] { ctx_.services.boxes.critical(fieldTooLongMessage(field)); });
        addField(field, edit);
    };
    makeLineField(ReferralField::ReferrerName, twipsRect(85, 360, 3375, 285));
    makeLineField(ReferralField::ReferrerEmail, twipsRect(3600, 360, 3375, 285));
    makeLineField(ReferralField::FriendName, twipsRect(85, 720, 3375, 285));
    makeLineField(ReferralField::FriendEmail, twipsRect(3600, 720, 3375, 285));

    auto *submit = new QPushButton(tr("Refer A Friend &Now"), refer);
    submit->setObjectName(QStringLiteral("cmdSubmit"));
    submit->setGeometry(twipsRect(1920, 1080, 3375, 285));
    connect(submit, &QPushButton::clicked, this, [this] {
        // The record is overwritten on every click, before any check.
        modTellAFriend &referral = ctx_.referral;
        for (const ReferralFieldRow &row : kReferralFields)
            referral.*row.value = trimBlanks(fieldText(fields_[size_t(row.field)]));

        if (const auto problem = addressProblem(referral.ReferrerEmail, referral.FriendEmail)) {
            ctx_.services.boxes.critical(*problem);
            return;
        }
        referral.SubmitReferral(ctx_.services.boxes, ctx_.services.browser);
    });

    // The message spans the panel below the button. It starts at its plain
    // placeholder, so the placeholder rules and the missing-message check
    // treat it like the other fields.
    auto *message = new BoundedPlainTextEdit(placeholderFor(ReferralField::ReferralMessage),
                                             referralFieldRow(ReferralField::ReferralMessage).maxLength, refer);
    connect(
        message, &BoundedPlainTextEdit::inputRejected, this,
        [this] { ctx_.services.boxes.critical(fieldTooLongMessage(ReferralField::ReferralMessage)); },
        Qt::QueuedConnection);
    addField(ReferralField::ReferralMessage, message);
    message->setGeometry(twipsRect(85, 1440, 6890, 615));
    message->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    message->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    message->setTabChangesFocus(true);

    // The promotion panel, as tall as the window's contents.
    auto *promotion = new QGroupBox(tr("Download Velmor Softwares"), this);
    promotion->setObjectName(QStringLiteral("Frame6"));
    promotion->setGeometry(twipsRect(7320, 120, 3735, 4575 + kMessageRow));

    // The exact text holds a run of spaces meant to start the second
    // paragraph on a new line; the label shows a line break there.
    styleLabel(makeLabel(promotion, QStringLiteral("Label3"), promotionalTextForDisplay()), verdana(8.25),
               kWhite, Qt::AlignLeft | Qt::AlignTop, true)
        ->setGeometry(twipsRect(120, 360, 3495, 3855 + kMessageRow));

    auto *goToHome = new LinkLabel(QStringLiteral("lblGoToHome"), tr("Click Here To Visit Velmor Softwares"),
                                   true, promotion, ctx_.services.browser, SitePage::velmorsoftwares);
    // Grown about its designed line where the text and its focus frame
    // need more height.
    const QRect linkPlace = twipsRect(75, 4250 + kMessageRow, 3585, 210);
    const int grow = std::max(0, goToHome->heightForWidth(linkPlace.width()) - linkPlace.height());
    goToHome->setGeometry(linkPlace.adjusted(0, -grow / 2, 0, grow - grow / 2));

    // The link comes last, after the message.
    using enum ReferralField;
    const auto field = [this](ReferralField f) { return fields_[size_t(f)]; };
    QWidget *const order[] = {cmdClose,
                              check1,
                              field(ReferrerName),
                              submit,
                              field(ReferrerEmail),
                              field(FriendEmail),
                              field(FriendName),
                              message,
                              goToHome};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Load handling: the title, and the application icon in the window's
    // title bar (makeIconPicture has filled its picture box).
    setWindowTitle(programWindowTitle());
    setWindowIcon(applicationIcon());

    // Topmost is a window flag, set above before the window is shown, so it
    // neither moves nor resizes the window and takes no focus by itself.
    cmdClose->setFocus(Qt::OtherFocusReason);
    centreOnMainWindowScreen(this);
}

void FrmFarewell::addField(ReferralField field, QWidget *edit)
{
    edit->setObjectName(QString::fromLatin1(referralFieldRow(field).objectName));
    // The fields have no heading of their own and their text changes, so a
    // screen reader names them by what their placeholders ask for (without
    // a name they would all be read by the panel's title).
    edit->setAccessibleName(placeholderFor(field));
    edit->installEventFilter(this);
    fields_[size_t(field)] = edit;
}

bool FrmFarewell::eventFilter(QObject *watched, QEvent *event)
{
    const auto found = std::find(fields_.cbegin(), fields_.cend(), watched);
    if (found == fields_.cend())
        return QWidget::eventFilter(watched, event);
    const ReferralField field = kReferralFields[size_t(found - fields_.cbegin())].field;

    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only moves of the focus between controls count, not the window
        // losing and regaining activation (a message box, another program)
        // or a context menu opening over the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        // Entering empties the field of the placeholder it shows, or of the
        // English one in another language; leaving an empty field puts back
        // the one shown in the user's language.
        const QString text = fieldText(watched);
        const QString next = event->type() == QEvent::FocusIn ? textOnFocusIn(text, placeholderTextsFor(field))
                                                              : textOnFocusOut(text, placeholderFor(field));
        if (next != text)
            watched->setProperty(textProperty(watched), next);
        break;
    }
    case QEvent::KeyPress: {
        if (!referralFieldRow(field).email)
            break;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (typesSpace(key->text(), key->modifiers())) {
            ctx_.services.boxes.critical(emailSpaceMessage());
            static_cast<QWidget *>(watched)->setFocus(Qt::OtherFocusReason);
            return true; // the space is discarded
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmFarewell::closeEvent(QCloseEvent * /*event*/)
{
    ctx_.shutdown.EndApplication();
}

} // namespace cindrel
