// The program in every shipped language: all 256 answer sets give the score
// and verdict of the English scoring of the same choices, every window
// shows its texts whole, at the scale the test runs at (the suite runs it at
// 100% and at 200%), and every translation keeps its source's placeholders,
// access keys and edge blanks. The languages are the build's list
// (CINDREL_LANGUAGES).

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>
#include <array>
#include <memory>

#include "doubles/ActiveWindow.h"
#include "doubles/FakeProgram.h"
#include "doubles/WindowTexts.h"
#include "report/ResultReport.h"
#include "ui/FrmAbout.h"
#include "ui/FrmFarewell.h"
#include "ui/FrmMain.h"
#include "ui/ReportPainter.h"
#include "ui/Translations.h"
#include "ui/WidgetSeams.h"

using namespace cindrel;
using cindrel::testing::FakeProgram;

namespace {

using Picks = std::array<int, kQuestionCount>;

/// The choice indexes of answer set 0 to 255: questions 1 and 2 take two
/// bits each, questions 3 to 6 one bit each.
Picks picksOf(int set)
{
    return {set % 4, (set / 4) % 4, (set >> 4) & 1, (set >> 5) & 1, (set >> 6) & 1, (set >> 7) & 1};
}

/// The languages the build ships, as their codes.
QStringList shippedLanguages()
{
    return QString::fromLatin1(CINDREL_LANGUAGES).split(QLatin1Char(','));
}

/// A table of one row per shipped language, English first when asked.
void languageRows(bool withEnglish)
{
    QTest::addColumn<QString>("language");
    if (withEnglish)
        QTest::newRow("en") << QStringLiteral("en");
    for (const QString &language : shippedLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

/// The markers a translation must carry over from its source: the
/// placeholders (%1, %2 ...) in order of number, the number of access keys
/// (a lone "&"; "&&" is a plain ampersand) and the blanks at either end,
/// which the program joins to other texts.
QString markersOf(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+)"));
    QList<int> numbers;
    for (const QRegularExpressionMatch &m : placeholder.globalMatch(text))
        numbers << m.captured(1).toInt();
    std::sort(numbers.begin(), numbers.end());
    QStringList parts;
    for (int n : numbers)
        parts << QLatin1Char('%') + QString::number(n);
    int accessKeys = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            ++accessKeys;
        ++i;
    }
    qsizetype lead = 0;
    while (lead < text.size() && text[lead].isSpace())
        ++lead;
    qsizetype trail = 0;
    while (trail < text.size() - lead && text[text.size() - 1 - trail].isSpace())
        ++trail;
    // One arg() call: chained calls would fill the placeholders just listed.
    return QStringLiteral("placeholders [%1], access keys %2, blanks %3/%4")
        .arg(parts.join(QLatin1Char(' ')), QString::number(accessKeys), QString::number(lead),
             QString::number(trail));
}

/// The main window with its wizard controls at hand.
struct MainWindow : FakeProgram {
    std::unique_ptr<FrmMain> main;
    MainWindow()
    {
        main = std::make_unique<FrmMain>(ctx);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }
    template <typename T> T *find(const char *name) const { return main->findChild<T *>(QLatin1String(name)); }

    /// Starts a test and answers it with the given choice indexes.
    void take(const Picks &picks)
    {
        find<QLineEdit>("txtName")->setText(QStringLiteral("Ann"));
        find<QLineEdit>("txtAge")->setText(QStringLiteral("40"));
        find<QPushButton>("cmdNext")->click();
        auto *answers = find<QComboBox>("cboAnswer_Option");
        auto *next = find<QPushButton>("cmdNextQuestion");
        for (int pick : picks) {
            answers->setCurrentIndex(pick);
            next->click();
        }
    }
};

} // namespace

class TstLanguages : public QObject {
    Q_OBJECT

private slots:
    void cleanupTestCase() { installTranslations(QLocale(QLocale::English)); }

    void languages_data() { languageRows(true); }

    void installsTheLanguage_data() { languages_data(); }
    void installsTheLanguage()
    {
        QFETCH(QString, language);
        const QString installed = installTranslations(QLocale(language));
        // English has no translation: every text stays as written.
        QCOMPARE(installed.left(2), language == QLatin1String("en") ? QString() : language);
        const bool english = language == QLatin1String("en");
        QCOMPARE(QCoreApplication::translate("QuestionBank", "Yes") == QLatin1String("Yes"), english);
        // Qt's own translation of the same language: the message boxes'
        // standard buttons.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == QLatin1String("&Yes"), english);
    }

    /// Run by the suite once per row of a table of locale settings (see
    /// CMakeLists.txt), each naming the language it must choose.
    void followsTheSystemLocale()
    {
        const QString expected = qEnvironmentVariable("CINDREL_EXPECTED_LANGUAGE");
        if (expected.isEmpty())
            QSKIP("run by the suite with locale settings in the environment");
        const QString installed = installTranslations();
        QCOMPARE(installed.left(2), expected == QLatin1String("en") ? QString() : expected);
    }

    void scoresEveryAnswerSet_data() { languages_data(); }
    void scoresEveryAnswerSet()
    {
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        MainWindow w;
        auto *answers = w.find<QComboBox>("cboAnswer_Option");
        for (int set = 0; set < 256; ++set) {
            const Picks picks = picksOf(set);
            w.take(picks);

            // The English scoring of the same choices.
            std::array<QString, kQuestionCount> english;
            for (int k = 1; k <= kQuestionCount; ++k)
                english[k - 1] = choiceTexts(k).at(picks[k - 1]);
            const std::int16_t score = scoreAnswers(english);

            const QByteArray row = QByteArray::number(set);
            QVERIFY2(w.dependency.answers() == english, row);
            QVERIFY2(w.dependency.TotalScore == score, row);
            QVERIFY2(w.dependency.DependencyLevel == verdictFor(score), row);
            QVERIFY2(w.find<QLabel>("lblResult_0")->text() == scoreLine(score), row);
            QVERIFY2(w.find<QLabel>("lblResult_1")->text() == displayLineBreaks(levelLine(verdictFor(score))),
                     row);
            // Question 6 was shown in the user's language.
            QCOMPARE(answers->itemText(0), QCoreApplication::translate("QuestionBank", "Yes"));
            w.find<QPushButton>("cmdMain")->click();
        }
        QCOMPARE(w.fake.boxes.boxes.size(), size_t(0));
    }

    /// Within a window (its menu bar and buttons together) and within each
    /// menu, no two entries share an access key.
    void accessKeysAreUnique_data() { languages_data(); }
    void accessKeysAreUnique()
    {
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        const auto clash = [](const QStringList &texts) {
            QHash<QString, QString> taken;
            for (const QString &text : texts) {
                const QString key = QKeySequence::mnemonic(text).toString();
                if (key.isEmpty())
                    continue;
                if (taken.contains(key))
                    return taken.value(key) + QStringLiteral(" / ") + text;
                taken.insert(key, text);
            }
            return QString();
        };
        const auto buttonTexts = [](const QWidget *window) {
            QStringList texts;
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
                texts << button->text();
            return texts;
        };

        MainWindow w;
        QStringList mainWindow = buttonTexts(w.main.get());
        for (QAction *top : w.main->menuBar()->actions()) {
            mainWindow << top->text();
            if (top->menu()) {
                QStringList entries;
                for (QAction *entry : top->menu()->actions())
                    entries << entry->text();
                QCOMPARE(clash(entries), QString());
            }
        }
        QCOMPARE(clash(mainWindow), QString());
        FakeProgram p;
        FrmFarewell farewell(p.ctx);
        QCOMPARE(clash(buttonTexts(&farewell)), QString());
    }

    /// The farewell window's fields show their placeholders in the user's
    /// language. Neither that placeholder nor the English one, typed in, is
    /// ever sent as if entered; both are emptied when the field is entered,
    /// and an empty field gets back the placeholder it shows.
    void farewellPlaceholders_data() { languageRows(false); }
    void farewellPlaceholders()
    {
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        const QString shown = QCoreApplication::translate("cindrel::Placeholders", "Your Name");
        const QString refusal = QCoreApplication::translate("cindrel::Placeholders", "Please Enter Your Name");
        QVERIFY(shown != QLatin1String("Your Name"));

        FakeProgram p;
        FrmFarewell farewell(p.ctx);
        QVERIFY(testing::showAndActivate(&farewell));
        const auto field = [&farewell](const char *name) {
            return farewell.findChild<QLineEdit *>(QLatin1String(name));
        };
        QLineEdit *name = field("txtName");
        QCOMPARE(name->text(), shown);

        // Entering and leaving by Tab.
        const auto enter = [](QWidget *w) { w->setFocus(Qt::TabFocusReason); };
        QWidget *elsewhere = farewell.findChild<QPushButton *>(QStringLiteral("cmdClose"));
        enter(name);
        QCOMPARE(name->text(), QString());
        enter(elsewhere);
        QCOMPARE(name->text(), shown);
        name->setText(QStringLiteral(" Your Name "));
        enter(name);
        QCOMPARE(name->text(), QString());
        enter(elsewhere);

        // Everything else entered; the name at either placeholder is refused.
        field("txtEmail")->setText(QStringLiteral("ann@example.org"));
        field("txtFriendEmail")->setText(QStringLiteral("bob@example.org"));
        field("txtFriendName")->setText(QStringLiteral("Bob"));
        auto *submit = farewell.findChild<QPushButton *>(QStringLiteral("cmdSubmit"));
        for (const QString &placeholder : {shown, QStringLiteral("Your Name"), QStringLiteral("  Your Name")}) {
            p.fake.boxes.clear();
            name->setText(placeholder);
            submit->click();
            QCOMPARE(p.fake.boxes.texts(), QStringList{refusal});
        }
        QVERIFY(p.fake.browser.urls.isEmpty());

        // The message field starts at its own shown placeholder and is
        // refused there too; a real name and message go out as entered.
        name->setText(QStringLiteral("your name"));
        p.fake.boxes.clear();
        submit->click();
        QCOMPARE(p.fake.boxes.texts(), QStringList{QCoreApplication::translate("cindrel::Placeholders",
                                                                               "Please Enter Your Message")});
        farewell.findChild<QPlainTextEdit *>(QStringLiteral("txtMessage"))->setPlainText(QStringLiteral("Hi"));
        submit->click();
        QCOMPARE(p.fake.browser.urls.size(), 1);
        QVERIFY(p.fake.browser.urls.front().contains(QLatin1String("&taf1=your%20name&")));
    }

    /// Each translation carries its source's markers (see markersOf): a lost
    /// %2 leaves a text unfilled, a doubled %1 repeats a value, a lost "&"
    /// leaves a control without its key, a lost end blank runs two texts
    /// together.
    void translationsKeepTheirMarkers_data() { languageRows(false); }
    void translationsKeepTheirMarkers()
    {
        QFETCH(QString, language);
        QFile file(QStringLiteral(CINDREL_TS_DIR "/cindrel_%1.ts").arg(language));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        int translations = 0;
        QStringList faults;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString translation = xml.readElementText();
                ++translations;
                if (markersOf(translation) != markersOf(source))
                    faults << QStringLiteral("%1: \"%2\" has %3; \"%4\" has %5")
                                  .arg(context, source, markersOf(source), translation, markersOf(translation));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(translations > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    /// The report's line of the Heaviness of Smoking Index in each language,
    /// for "More than 30" (3 points) and "After one hour" (0),
    /// and the small print's bands with their values. With
    /// CINDREL_LANGUAGE_SHOTS naming a directory, the report is saved there
    /// as a PDF too, to look at.
    void reportGivesTheHeavinessIndex_data() { languages_data(); }
    void reportGivesTheHeavinessIndex()
    {
        QFETCH(QString, language);
        const QHash<QString, QStringList> lines{
            {"en",
             {"Heaviness of Smoking Index (HSI), questions 1 and 2: 3 of 6, medium",
              "Bands from the NIDA Data Share instrument page: 0–\u20601\u00a0low, 2–\u20604\u00a0medium, "
              "5–\u20606\u00a0high."}},
            {"de",
             {"Heaviness of Smoking Index (HSI), Fragen 1 und 2: 3 von 6, mittel",
              "Einteilung gemäß der Seite zum Instrument bei NIDA Data Share: 0–\u20601\u00a0niedrig, "
              "2–\u20604\u00a0mittel, "
              "5–\u20606\u00a0hoch."}},
            {"fr",
             {"Heaviness of Smoking Index (HSI), questions 1 et 2\u00a0: 3 sur 6, moyen",
              "Niveaux selon la fiche de l’instrument sur NIDA Data Share\u00a0: 0–\u20601\u00a0faible, "
              "2–\u20604\u00a0moyen, 5–\u20606\u00a0élevé."}},
            {"es",
             {"Heaviness of Smoking Index (HSI), preguntas 1 y 2: 3 de 6, medio",
              "Niveles según la ficha del instrumento en NIDA Data Share: 0–\u20601\u00a0bajo, "
              "2–\u20604\u00a0medio, "
              "5–\u20606\u00a0alto."}}};
        if (!lines.contains(language))
            QSKIP("no line written down for this language");
        installTranslations(QLocale(language));
        modNicotineDependancy test;
        test.setAnswer(1, choiceTexts(1).at(3));
        test.setAnswer(2, choiceTexts(2).at(3));
        const ResultReport report = buildResultReport(test, {}, QLocale(language));
        QCOMPARE(report.heavinessLine, lines[language][0]);
        QVERIFY2(report.heavinessSource.startsWith("Heaviness of Smoking Index (HSI)"),
                 qPrintable(report.heavinessSource));
        QVERIFY2(report.heavinessSource.endsWith(lines[language][1]), qPrintable(report.heavinessSource));
        if (const QString shots = qEnvironmentVariable("CINDREL_LANGUAGE_SHOTS"); !shots.isEmpty()) {
            QPdfWriter pdf(QStringLiteral("%1/%2-report.pdf").arg(shots, language));
            QVERIFY(paintResultReport(pdf, report));
        }
    }

    void windowsShowWholeTexts_data() { languages_data(); }
    void windowsShowWholeTexts()
    {
        using cindrel::testing::clippedTexts;
        QFETCH(QString, language);
        installTranslations(QLocale(language));
        QStringList clipped;
        // With CINDREL_LANGUAGE_SHOTS naming a directory, a picture of each
        // window is saved there too, to look at.
        const QString shots = qEnvironmentVariable("CINDREL_LANGUAGE_SHOTS");
        static const QRegularExpression notInName(QStringLiteral("[^A-Za-z0-9.]+"));
        const auto look = [&clipped, &shots, &language](QWidget *window, const QString &when) {
            // Layouts settle on the posted events a change of text sends.
            QCoreApplication::processEvents();
            if (!shots.isEmpty())
                window->grab().save(
                    QStringLiteral("%1/%2-%3.png")
                        .arg(shots, language, QString(when).replace(notInName, QStringLiteral("-"))));
            for (const QString &problem : clippedTexts(window))
                clipped << when + QStringLiteral(": ") + problem;
        };

        MainWindow w;
        look(w.main.get(), QStringLiteral("personal details"));
        w.find<QLineEdit>("txtName")->setText(QStringLiteral("Ann"));
        w.find<QLineEdit>("txtAge")->setText(QStringLiteral("40"));
        w.find<QPushButton>("cmdNext")->click();
        for (int k = 1; k <= kQuestionCount; ++k) {
            look(w.main.get(), QStringLiteral("question %1").arg(k));
            w.find<QPushButton>("cmdNextQuestion")->click();
        }
        // One answer set for each verdict: scores 0, 3, 5, 7 and 10.
        for (const Picks &picks : {Picks{0, 3, 1, 1, 1, 1}, Picks{3, 3, 1, 1, 1, 1}, Picks{2, 2, 0, 1, 0, 1},
                                   Picks{0, 0, 0, 0, 0, 0}, Picks{3, 0, 0, 0, 0, 0}}) {
            w.find<QPushButton>("cmdMain")->click();
            w.take(picks);
            look(w.main.get(), QStringLiteral("result %1").arg(w.dependency.TotalScore));
        }

        auto about = std::make_unique<FrmAbout>(w.fake.browser);
        about->show();
        look(about.get(), QStringLiteral("About"));
        about.reset();

        // Each of the four support messages.
        for (float draw : {0.0f, 0.25f, 0.5f, 0.75f}) {
            FakeProgram program;
            program.fake.random.draws = {draw};
            auto farewell = std::make_unique<FrmFarewell>(program.ctx);
            farewell->show();
            look(farewell.get(), QStringLiteral("farewell, draw %1").arg(draw));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TstLanguages)
#include "tst_languages.moc"
