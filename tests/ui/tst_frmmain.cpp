// The main window driven through its real widgets: the test wizard, the age
// box's key filter, the menu and link labels, the promotional banner, the
// result's scale, printing and saving, and the close sequence. Every platform
// service is a recording double.

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <memory>

#include "Identity.h"
#include "doubles/ActiveWindow.h"
#include "doubles/FakeProgram.h"
#include "links/SitePages.h"
#include "report/ScaleGeometry.h"
#include "ui/FrmAbout.h"
#include "ui/FrmMain.h"
#include "ui/Look.h"
#include "ui/ScalePainter.h"

using namespace cindrel;
using cindrel::testing::FakeProgram;
using cindrel::testing::FakeServices;
using cindrel::testing::RecordedBox;

Q_DECLARE_METATYPE(cindrel::SitePage)
Q_DECLARE_METATYPE(cindrel::OutputOutcome::Status)

namespace {

const QString kAgeMessage = QStringLiteral("Please enter your age in years, from 1 to 150");

/// One program's worth of state around a fresh, shown and active main window.
struct Harness : FakeProgram {
    QPointer<FrmMain> main;

    Harness() { main = new FrmMain(ctx); }
    ~Harness() { delete main.data(); }

    template <typename T> T *find(const QString &name) const { return main->findChild<T *>(name); }
    QLineEdit *edit(const char *name) const { return find<QLineEdit>(QLatin1String(name)); }
    QComboBox *combo(const char *name) const { return find<QComboBox>(QLatin1String(name)); }
    QPushButton *button(const char *name) const { return find<QPushButton>(QLatin1String(name)); }
    QString caption(const char *name) const { return find<QLabel>(QLatin1String(name))->text(); }

    bool showActive() { return testing::showAndActivate(main); }
    /// The step panels that can be seen.
    QList<int> visibleSteps() const
    {
        QList<int> shown;
        for (int i = 0; i < 3; ++i)
            if (find<QFrame>(QStringLiteral("fraStep_%1").arg(i))->isVisible())
                shown << i;
        return shown;
    }
    void startTest(const QString &name, const QString &age)
    {
        QTest::keyClicks(edit("txtName"), name);
        QTest::keyClicks(edit("txtAge"), age);
        QTest::mouseClick(button("cmdNext"), Qt::LeftButton);
    }
    /// Starts a test and answers questions 1 and 2, choosing entry 1 on
    /// question 3 without moving on.
    void reachQuestion3()
    {
        startTest(QStringLiteral("Ann"), QStringLiteral("40"));
        QTest::mouseClick(button("cmdNextQuestion"), Qt::LeftButton);
        QTest::mouseClick(button("cmdNextQuestion"), Qt::LeftButton);
        combo("cboAnswer_Option")->setCurrentIndex(1);
    }
};

} // namespace

class TstFrmMain : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        h = std::make_unique<Harness>();
        QVERIFY(h->showActive());
    }
    void cleanup()
    {
        h.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void loadsOnPersonalDetails()
    {
        QCOMPARE(h->main->windowTitle(), programWindowTitle());
        QCOMPARE(h->visibleSteps(), QList<int>{0});
        QComboBox *sex = h->combo("cboSex");
        QCOMPARE(sex->count(), 2);
        QCOMPARE(sex->itemText(0), QStringLiteral("Male"));
        QCOMPARE(sex->itemText(1), QStringLiteral("Female"));
        QCOMPARE(sex->currentIndex(), 0);
        QVERIFY(!sex->isEditable() && !h->combo("cboAnswer_Option")->isEditable());
        QCOMPARE(h->dependency.QuestionNo, 0);
        // Tab order of the personal details.
        QWidget *w = h->edit("txtName");
        w->setFocus();
        QVERIFY(w->hasFocus());
        for (const char *next : {"txtAge", "cboSex", "cmdNext"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(next));
        }
    }

    void wholeTest_data()
    {
        // clang-format off
        QTest::addColumn<int>("sexIndex");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("scoreLine");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("preselected entries") << 0 << QList<int>{0, 0, 0, 0, 0, 0}
                                             << "Your Score is: 7" << "You are highly addicted to nicotine";
        QTest::newRow("last entries") << 1 << QList<int>{3, 3, 1, 1, 1, 1} << "Your Score is: 3"
                                      << "You are slightly dependent on nicotine";
        QTest::newRow("lowest") << 0 << QList<int>{0, 3, 1, 1, 1, 1} << "Your Score is: 0"
                                << "You are very slightly dependent on nicotine";
        QTest::newRow("highest") << 1 << QList<int>{3, 0, 0, 0, 0, 0} << "Your Score is: 10"
                                 << "You are very highly addicted to nicotine";
        QTest::newRow("moderate") << 0 << QList<int>{2, 2, 0, 1, 0, 1} << "Your Score is: 5"
                                  << "You are moderately dependent on nicotine";
        // clang-format on
    }
    void wholeTest()
    {
        QFETCH(int, sexIndex);
        QFETCH(QList<int>, picks);
        QFETCH(QString, scoreLine);
        QFETCH(QString, verdict);

        QTest::keyClicks(h->edit("txtName"), QStringLiteral("  Ann Lee "));
        QTest::keyClicks(h->edit("txtAge"), QStringLiteral("42"));
        QComboBox *sex = h->combo("cboSex");
        sex->setFocus();
        for (int i = 0; i < sexIndex; ++i)
            QTest::keyClick(sex, Qt::Key_Down);
        QTest::mouseClick(h->button("cmdNext"), Qt::LeftButton);

        QCOMPARE(h->dependency.TakerName, QStringLiteral("Ann Lee"));
        QCOMPARE(h->dependency.TakerAge, 42);
        QCOMPARE(h->dependency.TakerSex, sexIndex == 0 ? QStringLiteral("Male") : QStringLiteral("Female"));
        QComboBox *answers = h->combo("cboAnswer_Option");
        for (int k = 1; k <= 6; ++k) {
            QCOMPARE(h->visibleSteps(), QList<int>{1});
            QCOMPARE(h->caption("lblQuestionNo"), QStringLiteral("Question %1 of 6").arg(k));
            QCOMPARE(h->caption("lblQuestion"), questionText(k));
            answers->setFocus();
            for (int i = 0; i < picks[k - 1]; ++i)
                QTest::keyClick(answers, Qt::Key_Down);
            QCOMPARE(answers->currentIndex(), picks[k - 1]);
            QTest::mouseClick(h->button("cmdNextQuestion"), Qt::LeftButton);
        }
        QCOMPARE(h->visibleSteps(), QList<int>{2});
        QCOMPARE(h->caption("lblResult_0"), scoreLine);
        // The level line stands on two lines, with no carriage return left.
        QCOMPARE(h->caption("lblResult_1"), "Your Level of Nicotine Dependency is: \n" + verdict);
        QCOMPARE(QApplication::focusWidget(), h->button("cmdMain"));
        auto *scale = h->find<ResultScale>(QStringLiteral("picScale"));
        QVERIFY(scale->isVisible());
        QCOMPARE(scale->score(), int(h->dependency.TotalScore));
        QCOMPARE(scale->accessibleName(), scaleSummary(h->dependency.TotalScore));
    }

    void scaleFitsBetweenLevelAndButton()
    {
        h->startTest(QStringLiteral("Ann"), QStringLiteral("40"));
        for (int k = 1; k <= 6; ++k)
            h->button("cmdNextQuestion")->click();
        const auto top = [this](const char *name) { return h->find<QWidget>(QLatin1String(name))->geometry(); };
        QVERIFY(top("lblResult_1").bottom() < top("picScale").top());
        QVERIFY(top("picScale").bottom() < top("cmdMain").top());
        // The result step needs no more room than the personal details, so
        // the scale does not make the window grow.
        QVERIFY(h->find<QWidget>(QStringLiteral("fraStep_2"))->minimumSizeHint().height()
                <= h->find<QWidget>(QStringLiteral("fraStep_0"))->minimumSizeHint().height());
    }

    void scaleIsPaintedWhole_data()
    {
        // clang-format off
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("marked"); // the number in the marked colour
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("10") << 10 << 10;
        QTest::newRow("off the scale, at its top like the marker") << -3 << 10;
        // clang-format on
    }
    void scaleIsPaintedWhole()
    {
        QFETCH(int, score);
        QFETCH(int, marked);
        // Large, with text not smoothed, so that every colour lands whole on
        // some pixels: black frame, red marker, blue numbers, the marked one green.
        QFont font;
        font.setPixelSize(12);
        font.setStyleStrategy(QFont::NoAntialias);
        QImage image(1100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const ScaleInk ink{Qt::black, Qt::red, Qt::blue, Qt::green, &DependencyLevelRow::screen};
        paintScale(painter, QRectF(0, 0, 1100, scaleHeight(font, &image)), score, font, ink);
        painter.end();

        const ScaleGeometry g = scaleGeometry(1100, QFontMetricsF(font, &image).height(), score);
        const auto pixel = [&](qreal x, qreal y) { return image.pixelColor(int(x), int(y)); };
        // Some pixel of the box in the colour, give or take a font engine
        // that smooths the text all the same (never as far as black).
        const auto alike = [](const QColor &a, const QColor &b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 24;
        };
        const auto holds = [&](const QRectF &box, const QColor &colour) {
            for (int y = int(box.top()); y < int(box.bottom()); ++y)
                for (int x = int(box.left()); x < int(box.right()); ++x)
                    if (alike(image.pixelColor(x, y), colour))
                        return true;
            return false;
        };
        // The frame at both ends of the band, each level in its colour and
        // with its range in dark brown.
        const int middle = int(g.band.center().y());
        QCOMPARE(pixel(0, middle), QColor(Qt::black));
        QCOMPARE(pixel(1099, middle), QColor(Qt::black));
        for (int i = 0; i < kLevelCount; ++i) {
            const Rgb &rgb = kDependencyLevels[i].screen;
            QCOMPARE(pixel(g.levels[i].left() + 8, g.band.top() + 4), QColor(rgb.red, rgb.green, rgb.blue));
            QVERIFY2(holds(g.levels[i], kDarkBrown), qPrintable(QString::number(i)));
        }
        // Every number, only the marked one in its colour; the marker above it.
        for (int n = 0; n <= kMaxScore; ++n) {
            QVERIFY2(holds(g.numbers[n], n == marked ? Qt::green : Qt::blue), qPrintable(QString::number(n)));
            QVERIFY2(!holds(g.numbers[n], n == marked ? Qt::blue : Qt::green), qPrintable(QString::number(n)));
        }
        QCOMPARE(pixel(marked * 100 + 50, g.band.top() - 3), QColor(Qt::red));
    }

    void resultEntriesFollowTheStep_data()
    {
        // clang-format off
        QTest::addColumn<int>("nextPresses"); // -1: no test started
        QTest::addColumn<bool>("backToMain");
        QTest::newRow("at start") << -1 << false;
        QTest::newRow("question 6") << 5 << false;
        QTest::newRow("result") << 6 << false;
        QTest::newRow("main screen again") << 6 << true;
        // clang-format on
    }
    void resultEntriesFollowTheStep()
    {
        QFETCH(int, nextPresses);
        QFETCH(bool, backToMain);
        if (nextPresses >= 0)
            h->startTest(QStringLiteral("Ann"), QStringLiteral("40"));
        for (int i = 0; i < nextPresses; ++i)
            h->button("cmdNextQuestion")->click();
        if (backToMain)
            h->button("cmdMain")->click();
        // Showing a result writes nothing and asks for nothing.
        auto &printouts = h->fake.printouts;
        QCOMPARE(h->fake.settings.writes, 0);
        QVERIFY(printouts.suggestedPaths.isEmpty() && printouts.writes.empty()
                && printouts.printedNames.isEmpty());

        const bool enabled = h->visibleSteps() == QList<int>{2};
        QCOMPARE(enabled, nextPresses == 6 && !backToMain);
        QCOMPARE(h->find<QAction>(QStringLiteral("mnuPrint"))->isEnabled(), enabled);
        QCOMPARE(h->find<QAction>(QStringLiteral("mnuSaveAsPdf"))->isEnabled(), enabled);
        QTest::keyClick(h->main, Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(h->main, Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(printouts.suggestedPaths.size(), enabled ? 1 : 0);
        QCOMPARE(printouts.printedNames.size(), enabled ? 1 : 0);
    }

    void saveAndPrint_data()
    {
        // clang-format off
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("chosen"); // the save dialog's answer; empty: cancelled
        QTest::addColumn<OutputOutcome::Status>("status");
        QTest::addColumn<QString>("message");
        const auto done = OutputOutcome::Done, failed = OutputOutcome::Failed;
        QTest::newRow("save") << "mnuSaveAsPdf" << "/home/ann/r.pdf" << done << "";
        QTest::newRow("save cancelled") << "mnuSaveAsPdf" << "" << done << "";
        QTest::newRow("save fails") << "mnuSaveAsPdf" << "/nowhere/r.pdf" << failed
                                    << "The result could not be saved as /nowhere/r.pdf: No such file or directory";
        QTest::newRow("print") << "mnuPrint" << "" << done << "";
        QTest::newRow("print cancelled") << "mnuPrint" << "" << OutputOutcome::Cancelled << "";
        QTest::newRow("print fails") << "mnuPrint" << "" << failed
                                     << "The result could not be printed: No such file or directory";
        // clang-format on
    }
    void saveAndPrint()
    {
        QFETCH(QString, entry);
        QFETCH(QString, chosen);
        QFETCH(OutputOutcome::Status, status);
        QFETCH(QString, message);
        auto &printouts = h->fake.printouts;
        printouts.chosenPath = chosen;
        printouts.writeOutcome = printouts.printOutcome = {status, QStringLiteral("No such file or directory")};
        h->startTest(QStringLiteral("Ann Lee"), QStringLiteral("40"));
        for (int k = 1; k <= 6; ++k)
            h->button("cmdNextQuestion")->click();
        h->find<QAction>(entry)->trigger();

        const QString name = applicationTitle() + QStringLiteral(" result 2026-12-07");
        const bool save = entry == QLatin1String("mnuSaveAsPdf");
        QCOMPARE(printouts.printedNames, save ? QStringList() : QStringList{name});
        QCOMPARE(printouts.suggestedPaths.size(), save ? 1 : 0);
        QCOMPARE(printouts.writes.size(), save && !chosen.isEmpty() ? 1u : 0u);
        if (!printouts.writes.empty()) {
            QVERIFY(printouts.suggestedPaths[0].endsWith("/" + name + ".pdf"));
            QCOMPARE(printouts.writes[0].path, chosen);
        }
        // The path as the user's system writes it (backslashes on Windows).
        if (!chosen.isEmpty())
            message.replace(chosen, QDir::toNativeSeparators(chosen));
        QCOMPARE(h->fake.boxes.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(h->visibleSteps(), QList<int>{2});
        if (!printouts.lastPainter)
            return;
        // What goes to the printer or the file paints (tst_printseams: on
        // one page of any paper).
        QBuffer pdf;
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        QPdfWriter writer(&pdf);
        QVERIFY(printouts.lastPainter(writer));
    }

    void questionLists()
    {
        h->startTest(QStringLiteral("Ann"), QStringLiteral("30"));
        QComboBox *answers = h->combo("cboAnswer_Option");
        for (int k = 1; k <= 6; ++k) {
            const QStringList expected = choiceTexts(k);
            QStringList shown;
            for (int i = 0; i < answers->count(); ++i)
                shown << answers->itemText(i);
            QCOMPARE(shown, expected);
            QCOMPARE(shown.size(), k <= 2 ? 4 : 2);
            QCOMPARE(answers->currentIndex(), 0);
            QCOMPARE(h->button("cmdNextQuestion")->text(), QStringLiteral("Next &Question"));
            // Pick the last entry: the next question must still preselect its first.
            answers->setCurrentIndex(answers->count() - 1);
            QTest::mouseClick(h->button("cmdNextQuestion"), Qt::LeftButton);
        }
        QCOMPARE(h->dependency.TotalScore, 3);
    }

    void validation_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("age");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("both empty") << "" << "" << "Please enter your name" << "txtName";
        QTest::newRow("no age") << "Ann" << "" << "Please enter your age" << "txtAge";
        QTest::newRow("blanks for age") << "Ann" << " " << kAgeMessage << "txtAge";
        QTest::newRow("letter pasted") << "Ann" << "12a" << kAgeMessage << "txtAge";
        QTest::newRow("too long") << "Ann" << "99999999999" << kAgeMessage << "txtAge";
        QTest::newRow("zero") << "Ann" << "0" << kAgeMessage << "txtAge";
        QTest::newRow("leading blank") << "Ann" << " 12" << kAgeMessage << "txtAge";
        QTest::newRow("blank name starts") << "   " << "12" << "" << "";
        // clang-format on
    }
    void validation()
    {
        QFETCH(QString, name);
        QFETCH(QString, age);
        QFETCH(QString, message);
        QFETCH(QString, focus);

        h->edit("txtName")->setText(name);
        // Pasted text does not pass the key filter.
        QApplication::clipboard()->setText(age);
        h->edit("txtAge")->paste();
        QCOMPARE(h->edit("txtAge")->text(), age);
        h->button("cmdNext")->setFocus();
        QTest::mouseClick(h->button("cmdNext"), Qt::LeftButton);

        if (message.isEmpty()) {
            QVERIFY(h->fake.boxes.boxes.empty());
            QCOMPARE(h->visibleSteps(), QList<int>{1});
            QCOMPARE(h->dependency.TakerName, QString());
            return;
        }
        QCOMPARE(h->fake.boxes.boxes, (std::vector<RecordedBox>{{RecordedBox::Critical, message}}));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(h->visibleSteps(), QList<int>{0});
        QCOMPARE(h->dependency.QuestionNo, 0);
        QCOMPARE(h->caption("lblQuestionNo"), QString());
    }

    void characterCodes_data()
    {
        // clang-format off
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code"); // -1: the press types nothing
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << 55;
        QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5" << 53;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
        QTest::newRow("return") << int(Qt::Key_Return) << 0 << "\r" << 13;
        QTest::newRow("ctrl+v as letter") << int(Qt::Key_V) << ctrl << "v" << 22;
        QTest::newRow("ctrl+v as control") << int(Qt::Key_V) << ctrl << "\x16" << 22;
        QTest::newRow("ctrl+shift+v") << int(Qt::Key_V) << int(ctrl | Qt::ShiftModifier) << "V" << 22;
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << ctrl << "" << 1;
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-" << 45;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 27;
        QTest::newRow("non-ascii") << int(Qt::Key_Eacute) << 0 << QString(QChar(0xE9)) << 0xE9;
        QTest::newRow("delete with DEL text") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "\t" << -1;
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << "" << -1;
        QTest::newRow("ctrl+left") << int(Qt::Key_Left) << ctrl << "" << -1;
        QTest::newRow("lone shift") << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << "" << -1;
        // clang-format on
    }
    void characterCodes()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, code);
        const QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(typedCharacterCode(press).value_or(-1), code);
    }

    void ageFilter_data()
    {
        // clang-format off
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text"); // sent as the press's text when not empty
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursorAfter");
        QTest::addColumn<bool>("refused");
        const int ctrl = Qt::ControlModifier;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "" << 2 << "42" << 2 << true;
        QTest::newRow("blank") << int(Qt::Key_Space) << 0 << "" << 2 << "42" << 2 << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "" << 2 << "42" << 2 << true;
        QTest::newRow("ctrl+v from QTest") << int(Qt::Key_V) << ctrl << "" << 2 << "42" << 2 << true;
        QTest::newRow("ctrl+v from X") << int(Qt::Key_V) << ctrl << "\x16" << 2 << "42" << 2 << true;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << "" << 1 << "472" << 2 << false;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "" << 2 << "4" << 1 << false;
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "\x7f" << 0 << "2" << 0 << false;
        QTest::newRow("left") << int(Qt::Key_Left) << 0 << "" << 2 << "42" << 1 << false;
        QTest::newRow("right") << int(Qt::Key_Right) << 0 << "" << 0 << "42" << 1 << false;
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << "" << 2 << "42" << 0 << false;
        // A chord with Alt types no character: nothing typed, nothing said.
        QTest::newRow("alt+letter") << int(Qt::Key_Z) << int(Qt::AltModifier) << "z" << 2 << "42" << 2 << false;
        QTest::newRow("alt+digit") << int(Qt::Key_5) << int(Qt::AltModifier) << "5" << 2 << "42" << 2 << false;
        QTest::newRow("alt+shift+letter")
            << int(Qt::Key_Q) << int(Qt::AltModifier | Qt::ShiftModifier) << "Q" << 2 << "42" << 2 << false;
        // clang-format on
    }
    void ageFilter()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(int, cursor);
        QFETCH(QString, after);
        QFETCH(int, cursorAfter);
        QFETCH(bool, refused);

        // Something to paste, so that a Ctrl+V let through would show.
        QApplication::clipboard()->setText(QStringLiteral("9"));
        QLineEdit *age = h->edit("txtAge");
        age->setFocus();
        age->setText(QStringLiteral("42"));
        age->setCursorPosition(cursor);
        const auto mods = Qt::KeyboardModifiers(modifiers);
        if (text.isEmpty())
            QTest::keyClick(age, Qt::Key(key), mods);
        else
            QTest::sendKeyEvent(QTest::Click, age, Qt::Key(key), text, mods);

        QCOMPARE(age->text(), after);
        const std::vector<RecordedBox> expected = refused
                                                      ? std::vector<RecordedBox>{{RecordedBox::Critical,
                                                                                  "Only numbers are accepted"}}
                                                      : std::vector<RecordedBox>{};
        QCOMPARE(h->fake.boxes.boxes, expected);
        QCOMPARE(age->cursorPosition(), cursorAfter);
    }

    void longPastesAreCutToTheBound_data()
    {
        // clang-format off
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QString>("message");
        QTest::newRow("name") << "txtName" << QString(1 << 20, u'n') << 200
                              << "Please enter a name of at most 200 characters";
        QTest::newRow("age") << "txtAge" << QString(1 << 20, u'9') << 16 << kAgeMessage;
        // clang-format on
    }
    void longPastesAreCutToTheBound()
    {
        QFETCH(QString, box);
        QFETCH(QString, pasted);
        QFETCH(int, kept);
        QFETCH(QString, message);
        QLineEdit *edit = h->edit(box.toLatin1().constData());
        QApplication::clipboard()->setText(pasted);
        edit->paste(); // the context menu's paste, which no key filter sees
        QCOMPARE(edit->text(), pasted.left(kept));
        QVERIFY(h->fake.boxes.boxes.empty()); // not in the middle of the paste
        QTRY_COMPARE(h->fake.boxes.boxes, (std::vector<RecordedBox>{{RecordedBox::Critical, message}}));
    }

    void mainScreenAndSecondTest()
    {
        h->combo("cboSex")->setCurrentIndex(1);
        h->startTest(QStringLiteral("Ann"), QStringLiteral("40"));
        for (int k = 1; k <= 6; ++k)
            QTest::mouseClick(h->button("cmdNextQuestion"), Qt::LeftButton);
        QCOMPARE(h->caption("lblResult_0"), QStringLiteral("Your Score is: 7"));

        QTest::mouseClick(h->button("cmdMain"), Qt::LeftButton);
        QCOMPARE(h->visibleSteps(), QList<int>{0});
        QCOMPARE(h->edit("txtAge")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), h->edit("txtAge"));
        QCOMPARE(h->combo("cboSex")->currentText(), QStringLiteral("Male"));
        QCOMPARE(h->edit("txtName")->text(), QStringLiteral("Ann"));

        // A second test counts only its own answers.
        QTest::keyClicks(h->edit("txtAge"), QStringLiteral("41"));
        QTest::mouseClick(h->button("cmdNext"), Qt::LeftButton);
        QCOMPARE(h->caption("lblQuestionNo"), QStringLiteral("Question 1 of 6"));
        QComboBox *answers = h->combo("cboAnswer_Option");
        for (int k = 1; k <= 6; ++k) {
            answers->setCurrentIndex(answers->count() - 1);
            QTest::mouseClick(h->button("cmdNextQuestion"), Qt::LeftButton);
        }
        QCOMPARE(h->caption("lblResult_0"), QStringLiteral("Your Score is: 3"));

        // Next question pressed again on the result scores the same answers again.
        h->button("cmdNextQuestion")->click();
        QCOMPARE(h->caption("lblResult_0"), QStringLiteral("Your Score is: 3"));
        QCOMPARE(h->dependency.QuestionNo, 6);
        QCOMPARE(h->visibleSteps(), QList<int>{2});
    }

    void links_data()
    {
        // clang-format off
        QTest::addColumn<QString>("name");
        QTest::addColumn<SitePage>("page");
        QTest::newRow("online help") << "mnuOnline" << SitePage::help_web_page;
        QTest::newRow("visit") << "mnuVisit" << SitePage::home_page;
        QTest::newRow("update") << "mnuUpdate" << SitePage::download_web_page;
        QTest::newRow("donate") << "mnuDonate" << SitePage::donate;
        QTest::newRow("make money") << "mnuMakeMoney" << SitePage::fully_branded;
        QTest::newRow("forum label") << "Label14" << SitePage::home_page;
        // clang-format on
    }
    void links()
    {
        QFETCH(QString, name);
        QFETCH(SitePage, page);
        h->reachQuestion3();

        if (auto *action = h->find<QAction>(name))
            action->trigger();
        else
            QTest::mouseClick(h->find<QLabel>(name), Qt::LeftButton);

        QCOMPARE(h->fake.browser.urls, QStringList{pageUrl(page)});
        QCOMPARE(h->dependency.QuestionNo, 3);
        QCOMPARE(h->caption("lblQuestionNo"), QStringLiteral("Question 3 of 6"));
        QCOMPARE(h->combo("cboAnswer_Option")->currentIndex(), 1);
        QCOMPARE(h->visibleSteps(), QList<int>{1});
    }

    void menuBar()
    {
        QMenuBar *bar = h->main->menuBar();
        QStringList top;
        for (QAction *a : bar->actions())
            top << a->objectName();
        QCOMPARE(top, (QStringList{"mnuFile", "mnuHelp", "mnuDonate", "mnuMakeMoney"}));
        QVERIFY(!h->find<QAction>(QStringLiteral("mnuMakeMoney"))->isVisible());

        const auto entries = [](const char *menu, QMenuBar *b) {
            QStringList out;
            for (QAction *a : b->findChild<QMenu *>(QLatin1String(menu))->actions())
                out << a->objectName() + (a->isSeparator() ? QString("|-") : "|" + a->text());
            return out;
        };
        QCOMPARE(entries("mnuFile", bar),
                 (QStringList{"mnuPrint|&Print Result...", "mnuSaveAsPdf|&Save Result as PDF...",
                              "mnuSepFile|-", "mnuExit|E&xit"}));
        QCOMPARE(entries("mnuHelp", bar), (QStringList{"mnuOnline|&Online Help", "mnuVisit|&Visit Us Online",
                                                       "mnuSep1|-", "mnuUpdate|Check for Software &Update",
                                                       "mnuSep2|-", "mnuAbout|&About Software"}));
        // Only printing and saving the result have shortcuts of their own.
        const QMap<QString, QKeySequence> shortcuts{{"mnuPrint", QKeySequence(Qt::CTRL | Qt::Key_P)},
                                                    {"mnuSaveAsPdf", QKeySequence(Qt::CTRL | Qt::Key_S)}};
        for (QAction *a : h->main->findChildren<QAction *>())
            QCOMPARE(a->shortcut(), shortcuts.value(a->objectName()));

        // Donate acts on the first click on the bar and opens no drop-down.
        QAction *donate = h->find<QAction>(QStringLiteral("mnuDonate"));
        QVERIFY(!donate->menu());
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(donate).center());
        QCOMPARE(h->fake.browser.urls, QStringList{pageUrl(SitePage::donate)});
        QVERIFY(!QApplication::activePopupWidget());
    }

    void banner_data()
    {
        // clang-format off
        QTest::addColumn<bool>("randomize");
        QTest::addColumn<float>("draw");
        QTest::addColumn<QString>("front");
        QTest::addColumn<SitePage>("page");
        QTest::newRow("designed order") << false << 0.0f << "lblFullBrand" << SitePage::fully_branded;
        QTest::newRow("r=0") << true << 0.0f << "lblCobrand" << SitePage::co_brand;
        QTest::newRow("r=0.2") << true << 0.2f << "lblFullBrand" << SitePage::fully_branded;
        QTest::newRow("r=0.5") << true << 0.5f << "lblFullBrand" << SitePage::fully_branded;
        QTest::newRow("r=0.7") << true << 0.7f << "lblCobrand" << SitePage::co_brand;
        QTest::newRow("r just below 1") << true << std::nextafter(1.0f, 0.0f) << "lblFullBrand"
                                        << SitePage::fully_branded;
        // clang-format on
    }
    void banner()
    {
        QFETCH(bool, randomize);
        QFETCH(float, draw);
        QFETCH(QString, front);
        QFETCH(SitePage, page);
        h->fake.random.draws = {draw};
        if (randomize)
            h->main->CoBrand_Randomize();

        auto *frame = h->find<QFrame>(QStringLiteral("fraFullBrand"));
        auto *cobrand = h->find<QLabel>(QStringLiteral("lblCobrand"));
        auto *fullBrand = h->find<QLabel>(QStringLiteral("lblFullBrand"));
        // Only the label in front is shown.
        QCOMPARE(cobrand->isVisible(), front == cobrand->objectName());
        QCOMPARE(fullBrand->isVisible(), front == fullBrand->objectName());
        QCOMPARE(cobrand->text(),
                 QStringLiteral("Co-brand this software for your site.  Increase loyalty and "
                                "traffic to your site. Put your site's name &  link here. See "
                                "\"Help\" for details.    Click Here for more info on co-branding."));
        const QPoint centre = frame->rect().center();
        QCOMPARE(frame->childAt(centre)->objectName(), front);

        // A real click, routed by the window to whatever lies at that spot.
        const QPoint inWindow = frame->mapTo(h->main, centre);
        QTest::mouseClick(h->main->windowHandle(), Qt::LeftButton, {}, inWindow);
        QCOMPARE(h->fake.browser.urls, QStringList{pageUrl(page)});
    }

    void aboutIsModal()
    {
        h->reachQuestion3();
        QString seen;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            modal = box && box->isModal();
            // Close the About window even when it is not modal, so the test ends.
            for (QWidget *w : QApplication::topLevelWidgets())
                if (!box && qobject_cast<FrmAbout *>(w) && w->isVisible())
                    box = w;
            if (!box)
                return;
            seen = box->metaObject()->className();
            box->close();
        });
        h->find<QAction>(QStringLiteral("mnuAbout"))->trigger();
        QCOMPARE(seen, QString::fromLatin1(FrmAbout::staticMetaObject.className()));
        QVERIFY(modal);
        QCOMPARE(h->dependency.QuestionNo, 3);
        QCOMPARE(h->combo("cboAnswer_Option")->currentIndex(), 1);
        QCOMPARE(h->visibleSteps(), QList<int>{1});
        QVERIFY(h->fake.browser.urls.isEmpty());
    }

private:
    std::unique_ptr<Harness> h;
};

QTEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
