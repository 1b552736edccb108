// The Windows single-instance guard: a copy that holds the mutex refuses
// another, and one that ended, however it ended, refuses nothing; an object
// of the mutex's name made by someone else refuses nothing either.

#include <windows.h>

#include <aclapi.h>
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

    /// The mutex's label denies every lower integrity level reading,
    /// writing and waiting on it, so that a sandboxed process of the user
    /// cannot hold it open after the program ends. (Wine enforces no label,
    /// so the denial itself is Windows's to show; the label is read back.)
    void theMutexIsClosedToLowerLevels()
    {
        MutexInstanceGuard guard(name_);
        QVERIFY(!guard.anotherCopyRunning());
        HANDLE mutex = OpenMutexW(READ_CONTROL, FALSE, name_.toStdWString().c_str());
        QVERIFY(mutex);
        PACL labels = nullptr;
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        const DWORD error = GetSecurityInfo(mutex, SE_KERNEL_OBJECT, LABEL_SECURITY_INFORMATION, nullptr,
                                            nullptr, nullptr, &labels, &descriptor);
        CloseHandle(mutex);
        QCOMPARE(error, DWORD(ERROR_SUCCESS));
        ACCESS_MASK denied = 0;
        for (DWORD i = 0; labels && i < labels->AceCount; ++i) {
            ACE_HEADER *ace = nullptr;
            if (GetAce(labels, i, reinterpret_cast<void **>(&ace))
                && ace->AceType == SYSTEM_MANDATORY_LABEL_ACE_TYPE)
                denied = reinterpret_cast<SYSTEM_MANDATORY_LABEL_ACE *>(ace)->Mask;
        }
        LocalFree(descriptor);
        QCOMPARE(denied, ACCESS_MASK(SYSTEM_MANDATORY_LABEL_NO_READ_UP | SYSTEM_MANDATORY_LABEL_NO_WRITE_UP
                                     | SYSTEM_MANDATORY_LABEL_NO_EXECUTE_UP));
    }

    /// An object of the guard's name made first by someone else, which this
    /// user may or may not open: the start goes on, logged. One of this
    /// user's at a higher level (an elevated copy) is the program's own and
    /// refuses the start. On Windows a lower copy may not even open that
    /// one, and starts without the guard; wine enforces no label, so there
    /// the owner and the level decide.
    void anObjectMadeFirst_data()
    {
        QTest::addColumn<QString>("sddl"); // %1: this user's SID
        QTest::addColumn<bool>("refuses");
        QTest::newRow("another account's, open to all")
            << QStringLiteral("O:S-1-5-21-1-2-3-9D:(A;;GA;;;WD)") << false;
        QTest::newRow("another account's, closed") << QStringLiteral("O:S-1-5-21-1-2-3-9D:P") << false;
        QTest::newRow("this user's, low integrity")
            << QStringLiteral("O:%1D:(A;;GA;;;WD)S:(ML;;NW;;;LW)") << false;
        QTest::newRow("this user's, a higher level")
            << QStringLiteral("O:%1D:(A;;GA;;;%1)S:(ML;;NWNRNX;;;SI)") << true;
    }
    void anObjectMadeFirst()
    {
        QFETCH(QString, sddl);
        QFETCH(bool, refuses);
        const QString user = MutexInstanceGuard().name().section(QLatin1Char('-'), 1);
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        QVERIFY(ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl.arg(user).toStdWString().c_str(),
                                                                     SDDL_REVISION_1, &descriptor, nullptr));
        SECURITY_ATTRIBUTES attributes{sizeof attributes, descriptor, FALSE};
        HANDLE object = CreateMutexW(&attributes, FALSE, name_.toStdWString().c_str());
        LocalFree(descriptor);
        // Another account as the owner, or a label above this process's own,
        // needs wine: Windows gives them only to a process with the
        // privilege to restore files or to relabel objects.
        QVERIFY2(object,
                 "the object could not be made: another account as its owner or a label above this "
                 "process's own needs wine, or a process with SeRestorePrivilege or SeRelabelPrivilege");
        LogCapture log;
        const bool refused = MutexInstanceGuard(name_).anotherCopyRunning();
        CloseHandle(object);
        QCOMPARE(refused, refuses);
        if (refuses) {
            QVERIFY(log.programLines().empty());
        } else {
            QVERIFY(!log.programLines().empty() && log.programLines().front().type == QtWarningMsg);
            QCOMPARE(log.programLines().front().category, QStringLiteral("cindrel.lock"));
        }
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
