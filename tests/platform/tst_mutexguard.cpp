// The Windows single-instance guard: a copy that holds the mutex refuses
// another, and one that ended, however it ended, refuses nothing.

#include <windows.h>

#include <sddl.h>

#include <QProcess>
#include <QThread>
#include <QtTest>
#include <cstdio>

#include "doubles/LogCapture.h"
#include "platform/MutexInstanceGuard.h"

using namespace cindrel;
using namespace cindrel::testing;

namespace {
const char kHoldVariable[] = "TST_MUTEXGUARD_HOLD";

/// The holder's side: take the mutex, say so, and keep it until killed.
int holdMutex(const QString &name)
{
    MutexInstanceGuard guard(name);
    if (guard.anotherCopyRunning())
        return 3;
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    for (;;)
        QThread::sleep(1);
}
} // namespace

class TstMutexGuard : public QObject {
    Q_OBJECT

    QString name_ = QStringLiteral("Local\\CindrelTest-") + QString::number(QCoreApplication::applicationPid());

private slots:
    void theDefaultNameIsTheUsersInTheSession()
    {
        const QString name = MutexInstanceGuard().name();
        QVERIFY2(name.startsWith(QStringLiteral("Local\\Cindrel-S-1-")), qPrintable(name));
    }

    void aSecondGuardOfTheSameNameIsRefusedUntilTheFirstLetsGo()
    {
        MutexInstanceGuard first(name_);
        QVERIFY(!first.anotherCopyRunning());
        QVERIFY(MutexInstanceGuard(name_).anotherCopyRunning());
        first.release();
        QVERIFY(!MutexInstanceGuard(name_).anotherCopyRunning());
    }

    /// An object of the guard's name made first by someone else, which this
    /// user may or may not open: the start goes on, logged. (wine lets a
    /// process give an object any owner, which Windows would refuse.)
    void aForeignObjectRefusesNoStart_data()
    {
        QTest::addColumn<QString>("sddl"); // %1: this user's SID
        QTest::newRow("another account's, open to all") << QStringLiteral("O:S-1-5-21-1-2-3-9D:(A;;GA;;;WD)");
        QTest::newRow("another account's, closed") << QStringLiteral("O:S-1-5-21-1-2-3-9D:P");
        QTest::newRow("this user's, low integrity") << QStringLiteral("O:%1D:(A;;GA;;;WD)S:(ML;;NW;;;LW)");
    }
    void aForeignObjectRefusesNoStart()
    {
        QFETCH(QString, sddl);
        const QString user = MutexInstanceGuard().name().section(QLatin1Char('-'), 1);
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        QVERIFY(ConvertStringSecurityDescriptorToSecurityDescriptorW(
            reinterpret_cast<const wchar_t *>(sddl.arg(user).utf16()), SDDL_REVISION_1, &descriptor, nullptr));
        SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
        HANDLE foreign = CreateMutexW(&attributes, FALSE, reinterpret_cast<const wchar_t *>(name_.utf16()));
        LocalFree(descriptor);
        LogCapture log;
        const bool refused = MutexInstanceGuard(name_).anotherCopyRunning();
        CloseHandle(foreign);
        QVERIFY(!refused);
        QVERIFY(!log.programLines().empty() && log.programLines().front().type == QtWarningMsg);
        QCOMPARE(log.programLines().front().category, QStringLiteral("cindrel.lock"));
    }

    void aCopyThatWasKilledRefusesNothing()
    {
        QProcess holder;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kHoldVariable), name_);
        holder.setProcessEnvironment(env);
        holder.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(holder.waitForReadyRead(20000));
        QVERIFY(holder.readAll().startsWith("held"));
        QVERIFY(MutexInstanceGuard(name_).anotherCopyRunning());
        holder.kill();
        QVERIFY(holder.waitForFinished(20000));
        QVERIFY(!MutexInstanceGuard(name_).anotherCopyRunning());
    }
};

int main(int argc, char **argv)
{
    const QString hold = qEnvironmentVariable(kHoldVariable);
    if (!hold.isEmpty())
        return holdMutex(hold);
    QCoreApplication app(argc, argv);
    TstMutexGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_mutexguard.moc"
