// Printing and saving as the user asks for them: where the save dialog
// opens, and what a cancel, a success or a failure of the dialog, the file
// or the printer leads to. Dialogs and writing are doubled.

#include <QTemporaryDir>
#include <QtTest>

#include "doubles/Doubles.h"
#include "report/ResultOutput.h"

using namespace cindrel;
using cindrel::testing::RecordedBox;
using cindrel::testing::RecordingMessageBoxes;
using cindrel::testing::RecordingPrintouts;

Q_DECLARE_METATYPE(cindrel::OutputOutcome::Status)

class TstResultOutput : public QObject {
    Q_OBJECT

private slots:
    void suggestedPath_data()
    {
        QTest::addColumn<QString>("documents"); // relative to a scratch home
        QTest::addColumn<QString>("folder");
        QTest::newRow("documents folder") << "Documents" << "Documents";
        QTest::newRow("documents folder missing") << "Missing" << "";
        QTest::newRow("no documents folder known") << "" << "";
    }
    void suggestedPath()
    {
        QFETCH(QString, documents);
        QFETCH(QString, folder);
        QTemporaryDir home;
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Documents")));
        const QString docs = documents.isEmpty() ? QString() : home.filePath(documents);
        const QString path = suggestedPdfPath(QStringLiteral("Cindrel result 2026-12-07"), docs, home.path());
        const QDir expected(folder.isEmpty() ? home.path() : home.filePath(folder));
        QCOMPARE(path, expected.absoluteFilePath(QStringLiteral("Cindrel result 2026-12-07.pdf")));
        // Nothing is made on the way.
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Documents")});
    }

    void save_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<OutputOutcome::Status>("status");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancelled") << "" << OutputOutcome::Done << "" << "";
        QTest::newRow("saved") << "/tmp/a.pdf" << OutputOutcome::Done << "" << "";
        QTest::newRow("failed") << "/tmp/ro/a.pdf" << OutputOutcome::Failed << "Permission denied"
                                << "The result could not be saved as /tmp/ro/a.pdf: Permission denied";
        QTest::newRow("failed, no reason") << "/tmp/a.pdf" << OutputOutcome::Failed << ""
                                           << "The result could not be saved as /tmp/a.pdf.";
    }
    void save()
    {
        QFETCH(QString, chosen);
        QFETCH(OutputOutcome::Status, status);
        QFETCH(QString, reason);
        QFETCH(QString, message);
        RecordingPrintouts printouts;
        RecordingMessageBoxes boxes;
        printouts.chosenPath = chosen;
        printouts.writeOutcome = {status, reason};
        int painted = 0;
        const bool saved = saveResultAsPdf(printouts, boxes, QStringLiteral("/home/ann/x.pdf"), QSizeF(210, 297),
                                           [&painted](QPagedPaintDevice &) { return ++painted > 0; });

        QCOMPARE(printouts.suggestedPaths, QStringList{QStringLiteral("/home/ann/x.pdf")});
        QCOMPARE(printouts.writes.size(), chosen.isEmpty() ? 0u : 1u);
        if (!chosen.isEmpty()) {
            QCOMPARE(printouts.writes[0].path, chosen);
            QCOMPARE(printouts.writes[0].paperMm, QSizeF(210, 297));
        }
        QCOMPARE(saved, !chosen.isEmpty() && status == OutputOutcome::Done);
        QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        for (const RecordedBox &box : boxes.boxes)
            QCOMPARE(box.kind, RecordedBox::Critical);
        QVERIFY(printouts.printedNames.isEmpty());
    }

    void print_data()
    {
        QTest::addColumn<OutputOutcome::Status>("status");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("message");
        QTest::newRow("printed") << OutputOutcome::Done << "" << "";
        QTest::newRow("cancelled") << OutputOutcome::Cancelled << "" << "";
        QTest::newRow("failed") << OutputOutcome::Failed << "out of paper"
                                << "The result could not be printed: out of paper";
    }
    void print()
    {
        QFETCH(OutputOutcome::Status, status);
        QFETCH(QString, reason);
        QFETCH(QString, message);
        RecordingPrintouts printouts;
        RecordingMessageBoxes boxes;
        printouts.printOutcome = {status, reason};
        const bool printed = printResult(printouts, boxes, QStringLiteral("Cindrel result 2026-12-07"),
                                         [](QPagedPaintDevice &) { return true; });
        QCOMPARE(printed, status == OutputOutcome::Done);
        QCOMPARE(printouts.printedNames, QStringList{QStringLiteral("Cindrel result 2026-12-07")});
        QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(printouts.writes.empty() && printouts.suggestedPaths.isEmpty());
    }
};

QTEST_MAIN(TstResultOutput)
#include "tst_resultoutput.moc"
