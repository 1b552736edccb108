// The console twin cindrel.com: how it reads its own command line and finds
// the windowed program, and, run for real beside a copy of this test that
// stands in for cindrel.exe, that the program gets the standard handles and
// no other, and that Ctrl+C while the twin waits leaves it waiting and the
// console's code page as it was.

#include <windows.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <string>

#include "console/TwinNames.h"

using namespace cindrel::twin;

namespace {
/// Set in the copy of this test that stands in for cindrel.exe: the value
/// of a handle to look for and the name of the file it should not reach.
const char kStandInVariable[] = "TST_CONSOLETWIN_STAND_IN";

BOOL WINAPI ignoreInterrupts(DWORD /*event*/)
{
    return TRUE;
}

/// The stand-in's side: writes its command line, and whether it holds a
/// handle to the file named, on its standard output; waits until its
/// standard input ends; ends with status 7. It ignores Ctrl+C, as the
/// windowed program, which has no console, never sees it.
int standIn(const QString &handleAndFile)
{
    SetConsoleCtrlHandler(ignoreInterrupts, TRUE);
    const auto handle = reinterpret_cast<HANDLE>(handleAndFile.section(QLatin1Char(' '), 0, 0).toULongLong());
    std::wstring path(MAX_PATH, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(handle, path.data(), MAX_PATH, 0);
    const bool inherited = length > 0 && length < MAX_PATH
                           && QString::fromWCharArray(path.data(), length)
                                  .endsWith(handleAndFile.section(QLatin1Char(' '), 1), Qt::CaseInsensitive);
    const QByteArray report = QString::fromWCharArray(GetCommandLineW()).toUtf8()
                              + (inherited ? "\ninherited\n" : "\n");
    DWORD bytes = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), report.constData(), DWORD(report.size()), &bytes, nullptr);
    char buffer[64];
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &bytes, nullptr) && bytes > 0) {}
    return 7;
}
} // namespace

class TstConsoleTwin : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    /// The twin, copied beside a copy of this test named cindrel.exe.
    QString twin_;

    /// Starts the twin with the arguments; the stand-in looks for the
    /// handle to the file.
    void start(QProcess &twin, const QStringList &arguments, HANDLE handle, const QString &fileName)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QLatin1String(kStandInVariable),
                           QString::number(quintptr(handle)) + QLatin1Char(' ') + fileName);
        twin.setProcessEnvironment(environment);
        twin.start(twin_, arguments);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        twin_ = folder_.filePath(QStringLiteral("cindrel.com"));
        QVERIFY(QFile::copy(QStringLiteral(CINDREL_CONSOLE_TWIN), twin_));
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(),
                            folder_.filePath(QStringLiteral("cindrel.exe"))));
    }

    /// The C runtime's rule for the program's name: blanks end it outside
    /// double quotes, quotes open and close, backslashes escape nothing.
    void afterProgramName_data()
    {
        // clang-format off
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("after");
        QTest::newRow("plain") << "cindrel --version" << " --version";
        QTest::newRow("alone") << "cindrel" << "";
        QTest::newRow("tab") << "cindrel\t-reverse" << "\t-reverse";
        QTest::newRow("quoted whole") << "\"C:\\Program Files\\Cindrel\\bin\\cindrel\" --help" << " --help";
        QTest::newRow("quoted part") << "C:\\\"Program Files\"\\Cindrel\\bin\\cindrel --version" << " --version";
        QTest::newRow("backslash escapes no quote") << "C:\\dir\\\"a b\"\\cindrel -h" << " -h";
        QTest::newRow("quote never closed") << "\"C:\\a b\\cindrel --help" << "";
        // clang-format on
    }
    void afterProgramName()
    {
        QFETCH(QString, line);
        QFETCH(QString, after);
        QCOMPARE(QString::fromStdWString(std::wstring(cindrel::twin::afterProgramName(line.toStdWString()))),
                 after);
    }

    /// The windowed program beside the twin: only a dot of the file name
    /// starts its extension.
    void windowedProgramOf_data()
    {
        // clang-format off
        QTest::addColumn<QString>("twin");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("name");
        QTest::newRow("all users") << "C:\\Program Files\\Cindrel\\bin\\cindrel.com"
                                   << "C:\\Program Files\\Cindrel\\bin\\cindrel.exe" << "cindrel";
        QTest::newRow("a folder with a dot") << "C:\\Users\\john.doe\\Programs\\Cindrel\\bin\\cindrel.com"
                                             << "C:\\Users\\john.doe\\Programs\\Cindrel\\bin\\cindrel.exe" << "cindrel";
        QTest::newRow("no extension, a folder with a dot") << "C:\\Users\\john.doe\\bin\\cindrel"
                                                           << "C:\\Users\\john.doe\\bin\\cindrel.exe" << "cindrel";
        QTest::newRow("no extension") << "C:\\bin\\cindrel" << "C:\\bin\\cindrel.exe" << "cindrel";
        QTest::newRow("dots in the name") << "C:\\bin\\cindrel.1.15.com" << "C:\\bin\\cindrel.1.15.exe"
                                          << "cindrel.1.15";
        // clang-format on
    }
    void windowedProgramOf()
    {
        QFETCH(QString, twin);
        QFETCH(QString, program);
        QFETCH(QString, name);
        const WindowedProgram found = cindrel::twin::windowedProgramOf(twin.toStdWString());
        QCOMPARE(QString::fromStdWString(found.path), program);
        QCOMPARE(QString::fromStdWString(found.name), name);
    }

    /// The twin holds an inheritable handle of this test's (QProcess starts
    /// it inheriting them all); the program must not get it.
    void theProgramGetsTheStandardHandlesOnly()
    {
        QTemporaryFile file(folder_.filePath(QStringLiteral("handle-XXXXXX")));
        QVERIFY(file.open());
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        const HANDLE handle = CreateFileW(QDir::toNativeSeparators(file.fileName()).toStdWString().c_str(),
                                          GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          &inheritable, OPEN_EXISTING, 0, nullptr);
        QVERIFY(handle != INVALID_HANDLE_VALUE);
        QProcess twin;
        start(twin, {QStringLiteral("--version")}, handle, QFileInfo(file).fileName());
        QVERIFY(twin.waitForStarted(20000));
        twin.closeWriteChannel();
        const bool finished = twin.waitForFinished(20000);
        CloseHandle(handle);
        QVERIFY(finished);
        QCOMPARE(twin.exitCode(), 7);
        // The program's name as the user knows it, the arguments as given,
        // through the standard output it was given; and not the handle.
        const QString out = QString::fromUtf8(twin.readAllStandardOutput());
        QCOMPARE(out.section(QLatin1Char('\n'), 0, 0).simplified(), QStringLiteral("\"cindrel\" --version"));
        QVERIFY2(!out.contains(QStringLiteral("inherited")), qPrintable(out));
    }

    /// Ctrl+C goes to every process of the console: this test and the
    /// stand-in ignore it, the twin must wait on. The console is one of this
    /// test's own, so that its code page can be read; under wine a console
    /// needs a display.
    void ctrlCLeavesTheTwinWaitingAndTheCodePageAsItWas()
    {
        FreeConsole();
        QVERIFY(AllocConsole());
        SetConsoleCtrlHandler(ignoreInterrupts, TRUE);
        const UINT codePage = GetConsoleOutputCP();
        QVERIFY2(codePage != 0 && codePage != CP_UTF8, qPrintable(QString::number(codePage)));
        QProcess twin;
        start(twin, {QStringLiteral("-reverse")}, nullptr, {});
        // The stand-in has written its line: the twin waits for it.
        QVERIFY(twin.waitForReadyRead(20000));
        QCOMPARE(GetConsoleOutputCP(), UINT(CP_UTF8));
        QVERIFY(GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0));
        QVERIFY(!twin.waitForFinished(2000));
        twin.closeWriteChannel();
        QVERIFY(twin.waitForFinished(20000));
        QCOMPARE(twin.exitCode(), 7);
        QCOMPARE(GetConsoleOutputCP(), codePage);
    }
};

int main(int argc, char **argv)
{
    const QString standInFor = qEnvironmentVariable(kStandInVariable);
    if (!standInFor.isEmpty())
        return standIn(standInFor);
    QCoreApplication app(argc, argv);
    TstConsoleTwin test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_consoletwin.moc"
