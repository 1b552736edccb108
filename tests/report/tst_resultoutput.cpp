// The paper size taken from the locale's LC_PAPER, and where the save dialog opens: the
// documents folder when it exists, the home folder otherwise, and no folder
// is made on the way. The save and print steps themselves are tested through
// the main window (tst_frmmain).

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>

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

    void localePaperFollowsLcPaper_data()
    {
        QTest::addColumn<QString>("lcPaper");
        QTest::addColumn<QSizeF>("paper");
        QTest::newRow("en_US") << "en_US.UTF-8" << QSizeF(216, 279);
        QTest::newRow("de_DE") << "de_DE.UTF-8" << QSizeF(210, 297);
    }
    void localePaperFollowsLcPaper()
    {
        QFETCH(QString, lcPaper);
        QFETCH(QSizeF, paper);
        if (QSysInfo::productType() == QLatin1String("windows"))
            QSKIP("LC_PAPER and localedef are glibc's; Windows gives the paper through its locale API");
        // The locale's own LC_PAPER from the system's definitions, compiled
        // into a private folder: no locale needs to be installed.
        QTemporaryDir locales;
        QFile source(locales.filePath(QStringLiteral("paper")));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("LC_PAPER\ncopy \"" + lcPaper.section('.', 0, 0).toLatin1() + "\"\nEND LC_PAPER\n");
        source.close();
        QProcess::execute(QStringLiteral("localedef"),
                          {"--quiet", "-c", "-i", source.fileName(), "-f", "UTF-8", locales.filePath(lcPaper)});
        QVERIFY2(QFile::exists(locales.filePath(lcPaper + "/LC_PAPER")), "localedef made no LC_PAPER");
        const QByteArray all = qgetenv("LC_ALL");
        const auto restore = qScopeGuard([&] {
            qunsetenv("LC_PAPER");
            qunsetenv("LOCPATH");
            if (!all.isNull())
                qputenv("LC_ALL", all);
            std::setlocale(LC_ALL, "");
        });
        qunsetenv("LC_ALL");
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
        qputenv("LC_PAPER", lcPaper.toLatin1());
        // As QCoreApplication sets the process's locale at start.
        QVERIFY(std::setlocale(LC_ALL, "") != nullptr);
        QCOMPARE(localePaperSize(), paper);
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
