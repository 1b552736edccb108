// The Windows single-instance guard: a copy that holds the mutex refuses
// another, and one that ended, however it ended, refuses nothing.

#include <QProcess>
#include <QThread>
#include <QtTest>
#include <cstdio>

#include "platform/MutexInstanceGuard.h"

using namespace cindrel;

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
