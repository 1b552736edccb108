// Where the About and farewell windows open on a desktop of two screens:
// centred on the screen the main window is on.

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "doubles/FakeProgram.h"
#include "ui/FrmAbout.h"
#include "ui/FrmFarewell.h"
#include "ui/FrmMain.h"

using namespace cindrel;

class TstPlacement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(QGuiApplication::screens().size(), 2); }

    void opensCentredOnTheMainWindowsScreen_data()
    {
        // clang-format off
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("window");
        for (int screen : {0, 1}) {
            for (const char *window : {"about", "farewell"})
                QTest::addRow("%s, main window on screen %d", window, screen) << screen << QString::fromLatin1(window);
        }
        // clang-format on
    }

    void opensCentredOnTheMainWindowsScreen()
    {
        QFETCH(int, screen);
        QFETCH(QString, window);
        QScreen *where = QGuiApplication::screens().at(screen);

        testing::FakeProgram program;
        FrmMain main(program.ctx);
        main.setScreen(where);
        main.move(where->availableGeometry().topLeft() + QPoint(10, 10));
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        std::unique_ptr<QWidget> opened;
        if (window == QLatin1String("about"))
            opened = std::make_unique<FrmAbout>(program.fake.browser, &main);
        else
            opened = std::make_unique<FrmFarewell>(program.ctx);
        const QPoint centre = opened->frameGeometry().center();
        const QPoint expected = where->availableGeometry().center();
        QVERIFY2((centre - expected).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("centred at %1,%2 instead of %3,%4")
                                .arg(centre.x())
                                .arg(centre.y())
                                .arg(expected.x())
                                .arg(expected.y())));
        QCOMPARE(opened->screen(), where);
    }
};

int main(int argc, char **argv)
{
    // Two screens side by side, of different sizes, on the offscreen platform.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "left", "x": 0, "y": 0, "width": 1024, "height": 768},
                               {"name": "right", "x": 1024, "y": 0, "width": 1920, "height": 1080}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TstPlacement test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_placement.moc"
