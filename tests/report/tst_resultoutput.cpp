// The paper size taken from the locale, and where the save dialog opens: the
// documents folder when it exists, the home folder otherwise, and no folder
// is made on the way. The save and print steps themselves are tested through
// the main window (tst_frmmain).

#include <QTemporaryDir>
#include <QtTest>

#include "platform/Platform.h"
#include "report/ResultOutput.h"

using namespace cindrel;

class TstResultOutput : public QObject {
    Q_OBJECT

private slots:
    void paperSize_data()
    {
        // clang-format off
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QLocale::MeasurementSystem>("measurement");
        QTest::addColumn<QSizeF>("paper");
        const QSizeF a4(210, 297), letter(215.9, 279.4);
        QTest::newRow("A4 locale") << 210 << 297 << QLocale::MetricSystem << a4;
        QTest::newRow("US locale") << 216 << 279 << QLocale::ImperialUSSystem << QSizeF(216, 279);
        QTest::newRow("none given, US") << 0 << 0 << QLocale::ImperialUSSystem << letter;
        QTest::newRow("none given, metric") << 0 << 0 << QLocale::MetricSystem << a4;
        QTest::newRow("none given, UK") << 0 << 0 << QLocale::ImperialUKSystem << a4;
        QTest::newRow("absurd") << 5 << 90000 << QLocale::MetricSystem << a4;
        QTest::newRow("negative") << -210 << -297 << QLocale::ImperialUSSystem << letter;
        // clang-format on
    }
    void paperSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QLocale::MeasurementSystem, measurement);
        QFETCH(QSizeF, paper);
        QCOMPARE(paperSizeFor(width, height, measurement), paper);
    }

    void suggestedPath_data()
    {
        // clang-format off
        QTest::addColumn<QString>("documents"); // relative to a scratch home holding "Documents"
        QTest::addColumn<QString>("folder");
        QTest::newRow("documents folder") << "Documents" << "Documents";
        QTest::newRow("documents folder missing") << "Missing" << "";
        QTest::newRow("no documents folder known") << "" << "";
        // clang-format on
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
