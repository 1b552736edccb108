// The system implementations of the generator, the single-instance lock and
// the paper size taken from the locale.

#include <QtTest>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>

#include "platform/SystemSeams.h"

using namespace cindrel;

namespace {
/// Writes a lock file in QLockFile's format naming the given process.
void plantLock(const QString &path, qint64 pid, const QString &appName)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray::number(pid) + '\n' + appName.toUtf8() + '\n' + QSysInfo::machineHostName().toUtf8() + '\n');
}
} // namespace

class TstSystemSeams : public QObject {
    Q_OBJECT

private slots:
    void paperSize_data()
    {
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
    }
    void paperSize()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QLocale::MeasurementSystem, measurement);
        QFETCH(QSizeF, paper);
        QCOMPARE(paperSizeFor(width, height, measurement), paper);
    }

    void drawsStayBelowOne()
    {
        QCOMPARE(unitFloatFromBits(0), 0.0f);
        QCOMPARE(unitFloatFromBits(0xFFFFFF), std::nextafter(1.0f, 0.0f));
        QVERIFY(unitFloatFromBits(0xFFFFFFFF) < 1.0f); // only 24 bits are used

        ClockRandom random;
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

    void reseedingGivesAFreshSequence()
    {
        ClockRandom a, b;
        QThread::usleep(1000);
        b.seedFromClock();
        bool differ = false;
        for (int i = 0; i < 8 && !differ; ++i)
            differ = a.next() != b.next();
        QVERIFY(differ);
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
        QProcess holder;
        holder.start("sleep", {"30"});
        QVERIFY(holder.waitForStarted());
        plantLock(path, holder.processId(), "sleep");

        LockFileGuard guard(path);
        QVERIFY(guard.anotherCopyRunning());
        QVERIFY(QFile::exists(path)); // the other copy's lock is left alone

        holder.kill();
        holder.waitForFinished();
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

    void unusableLockPlaceDoesNotRefuseTheStart()
    {
        LockFileGuard guard("/proc/cindrel-no-such-dir/cindrel.lock");
        QVERIFY(!guard.anotherCopyRunning());
    }
};

QTEST_GUILESS_MAIN(TstSystemSeams)
#include "tst_systemseams.moc"
