// Writing a PDF through the real QSaveFile and QPdfWriter: a written file
// is whole, and a failure of the folder or of the painting leaves nothing
// behind, not even a partial or temporary file, and keeps an older file.
// The print module is loaded only when asked for, and only a module of
// this build: one of another build is not even loaded. On Linux and under
// wine; what only Linux shows (the PDF's text, the files mapped) is skipped
// under wine.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "dependency/modNicotineDependancy.h"
#include "doubles/LogCapture.h"
#include "report/ResultReport.h"
#include "ui/PrintSeams.h"
#include "ui/ReportPainter.h"

using namespace cindrel;

class TstPrintSeams : public QObject {
    Q_OBJECT

private slots:
    void writePdf_data()
    {
        // clang-format off
        QTest::addColumn<QString>("target"); // relative to a scratch folder holding "blocker", a file
        QTest::addColumn<bool>("paints");
        QTest::addColumn<bool>("written");
        QTest::newRow("written") << "result.pdf" << true << true;
        QTest::newRow("over an older file") << "old.pdf" << true << true;
        // A path under a regular file fails for root too, unlike a read-only folder.
        QTest::newRow("folder is a file") << "blocker/result.pdf" << true << false;
        QTest::newRow("painting fails") << "result.pdf" << false << false;
        QTest::newRow("painting fails over an older file") << "old.pdf" << false << false;
        // clang-format on
    }
    void writePdf()
    {
        QFETCH(QString, target);
        QFETCH(bool, paints);
        QFETCH(bool, written);
        QTemporaryDir scratch;
        const QDir dir(scratch.path());
        const auto make = [&](const QString &name, const QByteArray &content) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        make(QStringLiteral("blocker"), "not a folder");
        make(QStringLiteral("old.pdf"), "older content");
        const auto listing = [&] {
            return dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        const QStringList before = listing();

        modNicotineDependancy test;
        const ResultReport report = buildResultReport(test, QDateTime::currentDateTime(), QLocale::c());
        QtPrintouts printouts;
        const OutputOutcome outcome = printouts.writePdf(
            dir.filePath(target), QSizeF(210, 297),
            [&](QPagedPaintDevice &device) { return paintResultReport(device, report) && paints; });

        QCOMPARE(outcome.status, written ? OutputOutcome::Done : OutputOutcome::Failed);
        QCOMPARE(outcome.reason.isEmpty(), written);
        QStringList expected = before;
        if (written && !expected.contains(target))
            expected << target;
        expected.sort();
        // No temporary file left beside the target, no file made.
        QCOMPARE(listing(), expected);
        QFile file(dir.filePath(target));
        if (written) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray pdf = file.readAll();
            QVERIFY(pdf.startsWith("%PDF") && pdf.trimmed().endsWith("%%EOF"));
        } else if (target == QLatin1String("old.pdf")) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("older content"));
        }
    }

    void reportStaysOnOnePage_data()
    {
        QTest::addColumn<QSizeF>("paperMm");
        QTest::newRow("A4") << QSizeF(210, 297);
        QTest::newRow("Letter") << QSizeF(215.9, 279.4);
        // The smallest sheet taken from a locale (paperSizeFor), and strips.
        QTest::newRow("smallest plausible") << QSizeF(90, 90);
        QTest::newRow("narrow strip") << QSizeF(90, 1200);
        QTest::newRow("wide strip") << QSizeF(1200, 90);
    }
    void reportStaysOnOnePage()
    {
        QFETCH(QSizeF, paperMm);
        modNicotineDependancy test;
        test.TakerName = QStringLiteral("Ann Lee ").repeated(40); // the most lines a name takes
        const ResultReport report = buildResultReport(test, QDateTime::currentDateTime(), QLocale::c());
        QTemporaryDir scratch;
        const QString path = scratch.filePath(QStringLiteral("result.pdf"));
        const OutputOutcome outcome = QtPrintouts().writePdf(
            path, paperMm, [&](QPagedPaintDevice &device) { return paintResultReport(device, report); });
        QCOMPARE(outcome.status, OutputOutcome::Done);
        if (!onLinux())
            QSKIP("wine cannot wait for a Linux program it starts: the Windows end-to-end test reads a saved "
                  "PDF");
        // pdftotext leaves out what lies off the page, and ends each page
        // with a form feed.
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(), "no pdftotext: install poppler-utils (scripts/deps.sh)");
        QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QCOMPARE(text.count(QLatin1Char('\f')), 1);
        // Blanks, and the word joiner, which leaves no character in the PDF.
        const QRegularExpression blanks(QStringLiteral("[\\s\\x{2060}]"),
                                        QRegularExpression::UseUnicodePropertiesOption);
        text.remove(blanks);
        for (const QString &part : {report.title, report.heavinessLine, report.verdict, report.heavinessSource})
            QVERIFY2(text.contains(QString(part).remove(blanks)), qPrintable(part));
    }

    /// A module of another build is refused before it is loaded: none of
    /// its code runs, nor that of Qt Print Support, which it links.
    void moduleOfAnotherBuildIsNeverLoaded()
    {
        testing::LogCapture log;
        QtPrintouts foreign(QStringLiteral(CINDREL_FOREIGN_PRINT_MODULE_DIR));
        // No entry: print() fails as when the module is missing.
        QVERIFY(!foreign.printEntry());
        QCOMPARE(log.programLines().size(), 1u);
        const QString line = log.programLines().front().message;
        for (const char *named : {CINDREL_FOREIGN_PRINT_MODULE_DIR "/cindrel-print", CINDREL_PRINT_STAMP})
            QVERIFY2(line.contains(QLatin1String(named)), qPrintable(line));
        if (!onLinux())
            QSKIP(kNoMappings);
        QVERIFY(!mapped("foreign-print"));
        QVERIFY(!mapped("Qt6PrintSupport"));
    }

    void printModuleLoadsOnlyWhenAskedFor()
    {
        // The program does not link Qt Print Support: the module brings it.
        QVERIFY(!mapped("Qt6PrintSupport"));
        // A folder of this test's own: any user can make one in /tmp and put
        // a module there that this process would load.
        const QTemporaryDir scratch;
        QtPrintouts missing(scratch.filePath(QStringLiteral("no-such-folder")));
        const OutputOutcome outcome = missing.print(QStringLiteral("doc"),
                                                    [](QPagedPaintDevice &) { return true; });
        QCOMPARE(outcome.status, OutputOutcome::Failed);
        QVERIFY(!outcome.reason.isEmpty());

        QtPrintouts built(QStringLiteral(CINDREL_PRINT_MODULE_DIR));
        QVERIFY(built.printEntry());
        if (!onLinux())
            QSKIP(kNoMappings);
        QVERIFY(mapped("Qt6PrintSupport"));
    }

private:
    static bool onLinux() { return QSysInfo::kernelType() == QLatin1String("linux"); }
    static constexpr char kNoMappings[] = "wine lists no DLL in /proc/self/maps: it reads them into memory";

    /// Whether a file whose path holds name is mapped into this process (a
    /// library loaded), as Linux lists this process's mappings.
    static bool mapped(const char *name)
    {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
    }
};

QTEST_MAIN(TstPrintSeams)
#include "tst_printseams.moc"
