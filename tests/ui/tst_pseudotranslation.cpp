// Every window under a pseudo-translation, in which every translatable text
// comes out bracketed with its letters accented: any text a user sees or a
// screen reader reads that still holds a plain letter (names, the forum's
// address and numbers aside) was never given to the translation system.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>
#include <QtTest>
#include <memory>

#include "Identity.h"
#include "dependency/TestWizard.h"
#include "doubles/FakeProgram.h"
#include "doubles/WindowTexts.h"
#include "links/SitePages.h"
#include "links/UpdateReminder.h"
#include "report/ResultReport.h"
#include "ui/FrmAbout.h"
#include "ui/FrmFarewell.h"
#include "ui/FrmMain.h"

using namespace cindrel;
using cindrel::testing::FakeProgram;
using cindrel::testing::ShownText;

namespace {

/// What is left of a text once the names and the forum's address are taken
/// out: a plain letter there is a text left in English.
bool leftInEnglish(QString text)
{
    for (const QString &name : {programWindowTitle(), applicationTitle(), forumAddress(), siteUrl(),
                                QStringLiteral("Velmor Softwares"), QStringLiteral("Velmor")})
        text.remove(name);
    static const QRegularExpression plainLetter(QStringLiteral("[A-Za-z]"));
    return text.contains(plainLetter);
}

} // namespace

class TstPseudoTranslation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(translator.load(QStringLiteral(CINDREL_PSEUDO_QM)), CINDREL_PSEUDO_QM);
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }

    void mainWindow()
    {
        FakeProgram p;
        FrmMain main(p.ctx);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        look(&main, QStringLiteral("personal details"));

        // The personal-details messages.
        auto *name = main.findChild<QLineEdit *>(QStringLiteral("txtName"));
        auto *age = main.findChild<QLineEdit *>(QStringLiteral("txtAge"));
        auto *start = main.findChild<QPushButton *>(QStringLiteral("cmdNext"));
        start->click();
        name->setText(QStringLiteral("Ann"));
        start->click();
        age->setText(QStringLiteral("0"));
        start->click();
        QTest::keyClick(age, Qt::Key_A);
        QCOMPARE(p.fake.boxes.boxes.size(), size_t(4));
        // A pasted name longer than the box takes.
        QApplication::clipboard()->setText(QString(kMaxTakerNameLength + 1, u'n'));
        name->clear();
        name->paste();
        QTRY_COMPARE(p.fake.boxes.boxes.size(), size_t(5));
        name->setText(QStringLiteral("Ann"));

        age->setText(QStringLiteral("40"));
        start->click();
        for (int k = 1; k <= kQuestionCount; ++k) {
            look(&main, QStringLiteral("question %1").arg(k));
            main.findChild<QPushButton *>(QStringLiteral("cmdNextQuestion"))->click();
        }
        look(&main, QStringLiteral("result"));
        lookAtBoxes(p, QStringLiteral("main window"));

        // Saving and printing the result fail, and the report itself.
        p.fake.boxes.clear();
        p.fake.printouts.chosenPath = QStringLiteral("/0/1");
        p.fake.printouts.writeOutcome = p.fake.printouts.printOutcome = {OutputOutcome::Failed, {}};
        main.findChild<QAction *>(QStringLiteral("mnuSaveAsPdf"))->trigger();
        main.findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
        QCOMPARE(p.fake.boxes.boxes.size(), size_t(2));
        lookAtBoxes(p, QStringLiteral("save and print"));
        const QDateTime takenAt(QDate(2026, 12, 7), QTime(10, 30));
        const ResultReport report = buildResultReport(p.dependency, takenAt, QLocale::c());
        QStringList texts{report.title,         report.program,        report.questionHeading,
                          report.answerHeading, report.pointsHeading,  report.totalHeading,
                          report.total,         report.verdictHeading, report.verdict,
                          report.closingNote,   report.documentName};
        // The date is the locale's, not a text of the program's.
        texts << QString(report.takenAt).remove(QLocale::c().toString(takenAt.date(), QLocale::LongFormat));
        for (const auto &[heading, value] : report.details)
            texts << heading << (value == QLatin1String("Ann") ? QString() : value);
        for (const ReportRow &row : report.rows)
            texts << row.question << row.answer;
        for (const QString &text : texts)
            if (leftInEnglish(text))
                untranslated << QStringLiteral("report: \"%1\"").arg(text);
    }

    void aboutWindow()
    {
        FakeProgram p;
        FrmAbout about(p.fake.browser);
        about.show();
        look(&about, QStringLiteral("About"));
    }

    void farewellWindow_data()
    {
        // clang-format off
        QTest::addColumn<float>("draw");
        for (int message = 0; message < 4; ++message)
            QTest::addRow("support message %d", message) << message / 4.0f;
        // clang-format on
    }
    void farewellWindow()
    {
        QFETCH(float, draw);
        FakeProgram p;
        p.fake.random.draws = {draw};
        FrmFarewell farewell(p.ctx);
        farewell.show();
        look(&farewell, QStringLiteral("farewell"));

        // Its messages: a typed space, the address checks, then each value
        // missing in turn until the referral goes out.
        const auto field = [&farewell](const char *name) {
            return farewell.findChild<QLineEdit *>(QLatin1String(name));
        };
        auto *submit = farewell.findChild<QPushButton *>(QStringLiteral("cmdSubmit"));
        QTest::keyClick(field("txtEmail"), Qt::Key_Space);
        submit->click();
        field("txtEmail")->setText(QStringLiteral("ann@example.org"));
        field("txtFriendEmail")->setText(QStringLiteral("ann@example.org"));
        submit->click();
        field("txtFriendEmail")->setText(QStringLiteral("bob@example.org"));
        submit->click(); // the name is still at its placeholder
        field("txtName")->setText(QStringLiteral("Ann"));
        auto *message = farewell.findChild<QPlainTextEdit *>(QStringLiteral("txtMessage"));
        message->setPlainText(QString());
        submit->click();
        message->setPlainText(QStringLiteral("Hello"));
        submit->click(); // the friend's name is still at its placeholder
        QCOMPARE(p.fake.boxes.boxes.size(), size_t(6));
        // A pasted name longer than the field takes.
        QApplication::clipboard()->setText(QString(1000, u'n'));
        field("txtFriendName")->clear();
        field("txtFriendName")->paste();
        QTRY_COMPARE(p.fake.boxes.boxes.size(), size_t(7));
        QVERIFY(p.fake.browser.urls.isEmpty());
        lookAtBoxes(p, QStringLiteral("farewell window"));
        // The two that a filled form never reaches.
        p.fake.boxes.clear();
        p.referral.ReferrerName = QStringLiteral("Ann");
        p.referral.ReferrerEmail.clear();
        p.referral.SubmitReferral(p.fake.boxes, p.fake.browser);
        p.referral.ReferrerEmail = QStringLiteral("ann@example.org");
        p.referral.ReferralMessage = QStringLiteral("Hello");
        p.referral.FriendName = QStringLiteral("Bob");
        p.referral.FriendEmail.clear();
        p.referral.SubmitReferral(p.fake.boxes, p.fake.browser);
        // A referral too long for a URL.
        p.referral.FriendEmail = QStringLiteral("bob@example.org");
        p.referral.ReferralMessage = QString(20000, QChar(0x4E2D));
        p.referral.SubmitReferral(p.fake.boxes, p.fake.browser);
        QCOMPARE(p.fake.boxes.boxes.size(), size_t(3));
        lookAtBoxes(p, QStringLiteral("referral"));
    }

    void startupMessages()
    {
        FakeProgram p;
        p.fake.guard.running = true;
        StartApplication(p.fake.services, p.shutdown, [] {});
        p.fake.guard.running = false;
        p.fake.settings.values.insert(kLastReminderDateKey, QStringLiteral("2026-01-01"));
        ShowUpdateReminder(p.fake.settings, p.fake.clock, p.fake.boxes, p.fake.browser);
        QCOMPARE(p.fake.boxes.boxes.size(), size_t(2));
        lookAtBoxes(p, QStringLiteral("start-up"));
    }

    void cleanupTestCase()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    }

private:
    /// Notes every text of the window that is still in English. With
    /// CINDREL_PSEUDO_SHOTS naming a directory, also saves a picture of the
    /// window there, to look at.
    void look(QWidget *window, const QString &when)
    {
        QCoreApplication::processEvents();
        const QString shots = qEnvironmentVariable("CINDREL_PSEUDO_SHOTS");
        if (!shots.isEmpty())
            window->grab().save(shots + QLatin1Char('/')
                                + QString(when).replace(QLatin1Char(' '), QLatin1Char('-')) + QLatin1Char('-')
                                + QString::number(++shotCount) + QStringLiteral(".png"));
        const QList<ShownText> texts = cindrel::testing::shownTexts(window);
        QVERIFY(!texts.isEmpty());
        for (const ShownText &shown : texts)
            if (leftInEnglish(shown.text))
                untranslated << QStringLiteral("%1, %2: \"%3\"").arg(when, shown.where, shown.text);
    }
    void lookAtBoxes(const FakeProgram &p, const QString &from)
    {
        for (const QString &text : p.fake.boxes.texts())
            if (leftInEnglish(text))
                untranslated << QStringLiteral("%1, message box: \"%2\"").arg(from, text);
    }

    QTranslator translator;
    QStringList untranslated;
    int shotCount = 0;
};

QTEST_MAIN(TstPseudoTranslation)
#include "tst_pseudotranslation.moc"
