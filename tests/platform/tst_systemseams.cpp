// The system implementations of the generator and the single-instance lock.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/LockFileGuard.h"
#include "platform/SystemSeams.h"

using namespace cindrel;

namespace {
/// Writes a lock file in QLockFile's format naming the given process.
void plantLock(const QString &path, qint64 pid, const QString &appName)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray::number(pid) + '\n' + appName.toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8()
               + '\n');
}

const char kHoldLockVariable[] = "TST_SYSTEMSEAMS_HOLD_LOCK";

/// Another copy: this test program started again to take the lock at path
/// through the guard and hold it until it is killed.
struct LockHolder {
    QProcess process;

    explicit LockHolder(const QString &path)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kHoldLockVariable), path);
        process.setProcessEnvironment(env);
        process.start(QCoreApplication::applicationFilePath(), {});
    }
    bool holds()
    {
        if (process.waitForReadyRead(10000) && process.readAll().startsWith("held"))
            return true;
        process.waitForFinished(10000);
        return false;
    }
    void kill()
    {
        process.kill();
        process.waitForFinished();
    }
    ~LockHolder() { kill(); }
};

/// The holder's side: take the lock, say so, and keep it.
int holdLock(const QString &path)
{
    LockFileGuard guard(path);
    if (guard.anotherCopyRunning())
        return 3;
    std::fputs("held\n", stdout);
    std::fflush(stdout);
    for (;;)
        ::pause();
}
} // namespace

class TstSystemSeams : public QObject {
    Q_OBJECT

private slots:
    void drawsStayBelowOne()
    {
        QCOMPARE(unitFloatFromBits(0), 0.0f);
        QCOMPARE(unitFloatFromBits(0xFFFFFF), std::nextafter(1.0f, 0.0f));
        QVERIFY(unitFloatFromBits(0xFFFFFFFF) < 1.0f); // only 24 bits are used

        SystemRandom random;
        float lowest = 1.0f, highest = 0.0f;
        for (int i = 0; i < 200000; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            lowest = std::min(lowest, r);
            highest = std::max(highest, r);
        }
        QVERIFY(lowest < 0.01f);
        QVERIFY(highest > 0.99f);
    }

    void firstCopyTakesTheLock()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("cindrel.lock");
        LockFileGuard guard(path);
        QVERIFY(!guard.anotherCopyRunning());
        QVERIFY(QFile::exists(path));
        guard.release();
        QVERIFY(!QFile::exists(path));
    }

    void liveHolderMeansAnotherCopy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("cindrel.lock");
        LockHolder holder(path);
        QVERIFY(holder.holds());

        LockFileGuard guard(path);
        QVERIFY(guard.anotherCopyRunning());
        QVERIFY(guard.anotherCopyRunning()); // asked again, still refused
        QVERIFY(QFile::exists(path));        // the other copy's lock is left alone

        // Killed, the other copy holds nothing any more: its file is stale.
        holder.kill();
        QVERIFY(QFile::exists(path));
        QVERIFY(!guard.anotherCopyRunning());
        LockHolder next(path);
        QVERIFY(!next.holds()); // and now this copy is the one that runs
    }

    void lockFilesLeftBehindNeverRefuseAStart_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("content");
        const QByteArray host = QSysInfo::machineHostName().toUtf8();
        const QByteArray self = QByteArray::number(QCoreApplication::applicationPid());
        QTest::newRow("empty, as a crash before the first write leaves it") << QByteArray();
        QTest::newRow("half a line, as a full disk leaves it") << QByteArray("123");
        QTest::newRow("not a process id") << QByteArray("hello\nworld\n");
        QTest::newRow("binary") << QByteArray("\0\xff\xfe\x01", 4);
        QTest::newRow("another host") << QByteArray("1\ncindrel\nsome-other-host\n");
        QTest::newRow("this process's own id") << self + "\nCindrel\n" + host + "\n";
        QTest::newRow("a live process that holds no lock") << QByteArray("1\ninit\n") + host + "\n";
        // clang-format on
    }

    void lockFilesLeftBehindNeverRefuseAStart()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("cindrel.lock");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        LockFileGuard guard(path);
        QVERIFY(!guard.anotherCopyRunning());
        // Taken over: a copy started now is refused.
        LockHolder other(path);
        QVERIFY(!other.holds());
        QCOMPARE(other.process.exitCode(), 3);
    }

    void lockThatCannotBeTakenLetsTheStartGoOn()
    {
        QTemporaryDir dir;
        // Something other than a file at the path: a directory, a FIFO, a link.
        const QString directory = dir.filePath("dir.lock");
        QVERIFY(QDir().mkpath(directory));
        const QString fifo = dir.filePath("fifo.lock");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString link = dir.filePath("link.lock");
        QVERIFY(QFile::link(dir.filePath("elsewhere"), link));
        for (const QString &path : {directory, fifo, link}) {
            LockFileGuard guard(path);
            QVERIFY2(!guard.anotherCopyRunning(), qPrintable(path));
        }
        QVERIFY(!QFile::exists(dir.filePath("elsewhere")));
    }

    void staleLockOfAKilledCopyIsTakenOver()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("cindrel.lock");
        QProcess gone;
        gone.start("sleep", {"30"});
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        gone.kill();
        gone.waitForFinished();
        plantLock(path, pid, "sleep");

        LockFileGuard guard(path);
        QVERIFY(!guard.anotherCopyRunning());
        qint64 holder = 0;
        QString host, app;
        QLockFile check(path);
        QVERIFY(check.getLockInfo(&holder, &host, &app));
        QCOMPARE(holder, QCoreApplication::applicationPid());
    }

    void lockInAFolderOthersCouldPlantIsNotTaken_data()
    {
        // clang-format off
        QTest::addColumn<QString>("folder"); // under the test's temporary folder
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("toNobody");
        QTest::addColumn<QString>("why");
        QTest::newRow("open to all") << "planted" << 0777 << false << "others can write to its folder";
        QTest::newRow("open to all, sticky") << "planted" << 01777 << false << "others can write to its folder";
        QTest::newRow("open to the group") << "planted" << 0770 << false << "others can write to its folder";
        QTest::newRow("a link to a folder") << "link" << 0700 << false << "its folder is a link";
        QTest::newRow("another user's") << "planted" << 0700 << true << "its folder belongs to another user";
        // The fallback when the runtime folder is refused: made in $TMPDIR
        // by another user first.
        QTest::newRow("the fallback, open to all") << "" << 0777 << false << "others can write to its folder";
        QTest::newRow("the fallback, another user's") << "" << 0755 << true << "its folder belongs to another user";
        // clang-format on
    }

    void lockInAFolderOthersCouldPlantIsNotTaken()
    {
        QFETCH(QString, folder);
        QFETCH(int, mode);
        QFETCH(bool, toNobody);
        QFETCH(QString, why);
        const passwd *nobody = ::getpwnam("nobody");
        if (toNobody && (::geteuid() != 0 || nobody == nullptr))
            QSKIP("Only root can give a folder to nobody");
        QTemporaryDir dir;
        const bool fallback = folder.isEmpty();
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR"), tmp = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] {
            for (const auto &[name, value] : {std::pair{"XDG_RUNTIME_DIR", runtime}, std::pair{"TMPDIR", tmp}})
                value.isNull() ? qunsetenv(name) : qputenv(name, value);
        });
        if (fallback) {
            // No runtime folder: Qt refuses its own fallback in $TMPDIR when
            // something other than a folder is there.
            qunsetenv("XDG_RUNTIME_DIR");
            qputenv("TMPDIR", QFile::encodeName(dir.path()));
            QFile(dir.filePath("runtime-" + QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name)))
                .open(QIODevice::WriteOnly);
            folder = QStringLiteral("cindrel-") + QString::number(::geteuid());
        }
        const QString planted = dir.filePath(folder == "link" ? "planted" : folder);
        QVERIFY(QDir().mkpath(planted));
        if (folder == "link")
            QVERIFY(QFile::link(planted, dir.filePath(folder)));
        // The other user's copy: a lock file in the folder, locked.
        const QString path = planted + "/cindrel.lock";
        plantLock(path, 1, "cindrel");
        const int held = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(held >= 0);
        QCOMPARE(::flock(held, LOCK_EX | LOCK_NB), 0);
        QCOMPARE(::chmod(QFile::encodeName(planted).constData(), mode_t(mode)), 0);
        if (toNobody)
            QCOMPARE(::chown(QFile::encodeName(planted).constData(), nobody->pw_uid, nobody->pw_gid), 0);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not taken, so a second copy could start: "
                                                              + QRegularExpression::escape(why) + "$"));
        LockFileGuard guard(fallback ? QString() : dir.filePath(folder) + "/cindrel.lock");
        if (fallback)
            QCOMPARE(QFileInfo(guard.lockPath()).absolutePath(), planted);
        QVERIFY(!guard.anotherCopyRunning());
        guard.release();
        QVERIFY(QFile::exists(path)); // the other user's file is left alone
        ::close(held);
        if (toNobody)
            QCOMPARE(::chown(QFile::encodeName(planted).constData(), ::geteuid(), ::getegid()), 0);
    }

    void unusableLockPlaceDoesNotRefuseTheStart()
    {
        LockFileGuard guard("/proc/cindrel-no-such-dir/cindrel.lock");
        QVERIFY(!guard.anotherCopyRunning());
    }
};

int main(int argc, char **argv)
{
    if (const QByteArray path = qgetenv(kHoldLockVariable); !path.isEmpty())
        return holdLock(QFile::decodeName(path));
    QCoreApplication app(argc, argv);
    TstSystemSeams test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_systemseams.moc"
