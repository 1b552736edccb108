// Where the save dialog opens: the documents folder when it exists, the home
// folder otherwise, and no folder is made on the way. The save and print
// steps themselves are tested through the main window (tst_frmmain).

#include <QTemporaryDir>
#include <QtTest>

#include "report/ResultOutput.h"

using namespace cindrel;

class TstResultOutput : public QObject {
    Q_OBJECT

private slots:
    void suggestedPath_data()
    {
        QTest::addColumn<QString>("documents"); // relative to a scratch home holding "Documents"
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
        const QDir expected(folder.isEmpty() ? home.path() : home.filePath(folder));
        QCOMPARE(suggestedPdfPath(QStringLiteral("Cindrel result 2026-12-07"), docs, home.path()),
                 expected.absoluteFilePath(QStringLiteral("Cindrel result 2026-12-07.pdf")));
        QCOMPARE(QDir(home.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Documents")});
    }
};

QTEST_MAIN(TstResultOutput)
#include "tst_resultoutput.moc"
