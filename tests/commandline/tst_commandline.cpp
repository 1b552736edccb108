// The command line: help, version and refusals, with Qt's own options left
// for Qt.

#include <QtTest>

#include "Identity.h"
#include "commandline/CommandLine.h"

using namespace cindrel;
using Action = CommandLineRequest::Action;

class TstCommandLine : public QObject {
    Q_OBJECT

private slots:
    void answers_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("saying");

        const QString hint = QStringLiteral("Try 'cindrel --help' for more information.\n");
        QTest::newRow("nothing") << QStringList{} << Action::Run << QStringList{};
        QTest::newRow("Qt's options, one dash or two")
            << QStringList{"-platform", "offscreen", "--style", "Fusion", "-reverse"} << Action::Run
            << QStringList{};
        QTest::newRow("style joined by =") << QStringList{"-style=Fusion"} << Action::Run << QStringList{};
        QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp
                                << QStringList{"-h, --help", "-v, --version", "-platform NAME"};
        QTest::newRow("-h wins over -v") << QStringList{"-v", "-h"} << Action::ShowHelp
                                         << QStringList{"--help"};
        QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion
                                   << QStringList{applicationTitle() + ' ' + applicationVersion() + '\n'};
        QTest::newRow("-v after a Qt option") << QStringList{"-platform", "xcb", "-v"}
                                              << Action::ShowVersion << QStringList{applicationVersion()};
        QTest::newRow("unknown option")
            << QStringList{"--bogus"} << Action::Refuse
            << QStringList{"cindrel: unknown option '--bogus'\n" + hint};
        QTest::newRow("unknown short option, value kept out")
            << QStringList{"-x=1", "--help"} << Action::Refuse << QStringList{"unknown option '-x'"};
        QTest::newRow("argument") << QStringList{"results.txt"} << Action::Refuse
                                  << QStringList{"unexpected argument 'results.txt'", hint};
        QTest::newRow("after --") << QStringList{"--", "-v"} << Action::Refuse
                                  << QStringList{"unexpected argument '-v'"};
        QTest::newRow("after --, no option is read")
            << QStringList{"--", "--bogus", "-platform"} << Action::Refuse
            << QStringList{"cindrel: unexpected argument '--bogus'\n"};
        QTest::newRow("missing value") << QStringList{"-platform"} << Action::Refuse
                                       << QStringList{"option '-platform' needs a value", hint};
        QTest::newRow("value Qt would not read")
            << QStringList{"--platform=wayland"} << Action::Refuse
            << QStringList{"option '--platform' takes its value as the next argument"};
        QTest::newRow("value for a flag") << QStringList{"--version=2"} << Action::Refuse
                                          << QStringList{"option '--version' takes no value"};
        // clang-format on
    }

    void answers()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QStringList, saying);

        arguments.prepend(QStringLiteral("/usr/bin/cindrel"));
        const CommandLineRequest request = readCommandLine(arguments);
        QCOMPARE(request.action, action);
        QCOMPARE(request.exitCode, action == Action::Refuse ? kUsageExitCode : 0);
        QCOMPARE(request.text.isEmpty(), action == Action::Run);
        for (const QString &part : saying)
            QVERIFY2(request.text.contains(part), qPrintable(request.text));
        if (action == Action::Refuse)
            QVERIFY(request.text.startsWith(QStringLiteral("cindrel: ")));
    }
};

QTEST_GUILESS_MAIN(TstCommandLine)
#include "tst_commandline.moc"
