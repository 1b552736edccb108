// Reading /proc texts, parsing the benchmark's records and judging the
// start-up targets.

#include <QtTest>

#include "ProcStats.h"
#include "Report.h"

using namespace cindrel::bench;

namespace {

// A /proc/PID/stat line whose 14th and 15th fields (utime, stime) are given.
QByteArray statLine(const QByteArray &comm, const QByteArray &utime, const QByteArray &stime)
{
    return "4242 (" + comm + ") S 1 4242 4242 0 -1 4194560 1520 0 3 0 " + utime + " " + stime
           + " 0 0 20 0 1 0 8815 401203200 11000 18446744073709551615\n";
}

Records parseAll(const QStringList &lines)
{
    Records records;
    std::string error;
    for (const QString &line : lines) {
        if (!parseRecordLine(line.toStdString(), records, error))
            qFatal("test record refused: %s (%s)", qPrintable(line), error.c_str());
    }
    return records;
}

// One round's two starts: the program's and the reference's time and RSS.
QStringList roundLines(int number, double programMs, long long programKb, double referenceMs,
                       long long referenceKb)
{
    const QString first = number % 2 ? QStringLiteral("minimal") : QStringLiteral("cindrel");
    return {QStringLiteral("kind=start round=%1 program=cindrel first=%2 map_ms=%3 rss_kb=%4")
                .arg(number)
                .arg(first)
                .arg(programMs)
                .arg(programKb),
            QStringLiteral("kind=start round=%1 program=minimal first=%2 map_ms=%3 rss_kb=%4")
                .arg(number)
                .arg(first)
                .arg(referenceMs)
                .arg(referenceKb)};
}

} // namespace

Q_DECLARE_METATYPE(Verdict)

class TestBenchReport : public QObject {
    Q_OBJECT

private slots:
    void vmRss_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<qlonglong>("expected"); // -1: no value

        const QByteArray head = "Name:\tcindrel\nUmask:\t0022\nState:\tS (sleeping)\nVmPeak:\t  401204 kB\n";
        QTest::newRow("typical") << head + "VmHWM:\t   52000 kB\nVmRSS:\t   45678 kB\nRssAnon:\t   20000 kB\n"
                                 << 45678LL;
        QTest::newRow("last line without newline") << head + "VmRSS:\t 1234 kB" << 1234LL;
        QTest::newRow("spaces instead of tabs") << QByteArray("VmRSS:      99 kB\n") << 99LL;
        QTest::newRow("kernel thread has none") << head + "Threads:\t1\n" << -1LL;
        QTest::newRow("empty text") << QByteArray() << -1LL;
        QTest::newRow("no unit") << QByteArray("VmRSS:\t 1234\n") << -1LL;
        QTest::newRow("other unit") << QByteArray("VmRSS:\t 1234 MB\n") << -1LL;
        QTest::newRow("not a number") << QByteArray("VmRSS:\t 12a4 kB\n") << -1LL;
        QTest::newRow("negative") << QByteArray("VmRSS:\t -5 kB\n") << -1LL;
        QTest::newRow("key only inside another line") << QByteArray("Note: VmRSS: 77 kB\n") << -1LL;
        // clang-format on
    }

    void vmRss()
    {
        QFETCH(QByteArray, status);
        QFETCH(qlonglong, expected);
        const auto value = parseVmRssKb(std::string_view(status.constData(), status.size()));
        QCOMPARE(value.has_value(), expected >= 0);
        if (value)
            QCOMPARE(*value, expected);
    }

    void cpuTicks_data()
    {
        // clang-format off
        QTest::addColumn<QByteArray>("stat");
        QTest::addColumn<qlonglong>("expected"); // -1: no value

        QTest::newRow("typical") << statLine("cindrel", "17", "5") << 22LL;
        QTest::newRow("idle from the start") << statLine("cindrel", "0", "0") << 0LL;
        QTest::newRow("name with spaces") << statLine("my program", "3", "4") << 7LL;
        QTest::newRow("name with parentheses") << statLine("a) S 1 2 (b", "30", "12") << 42LL;
        QTest::newRow("large counts") << statLine("x", "123456789", "1") << 123456790LL;
        QTest::newRow("cut short") << QByteArray("4242 (cindrel) S 1 4242 4242 0 -1 4194560 1520") << -1LL;
        QTest::newRow("no name") << QByteArray("4242 S 1 4242 4242 0 -1 4194560 1520 0 3 0 17 5 0") << -1LL;
        QTest::newRow("utime not a number") << statLine("cindrel", "1x", "5") << -1LL;
        QTest::newRow("empty text") << QByteArray() << -1LL;
        // clang-format on
    }

    void cpuTicks()
    {
        QFETCH(QByteArray, stat);
        QFETCH(qlonglong, expected);
        const auto value = parseCpuTicks(std::string_view(stat.constData(), stat.size()));
        QCOMPARE(value.has_value(), expected >= 0);
        if (value)
            QCOMPARE(*value, expected);
    }

    void ownProcessIsReadable()
    {
        // The live files of this very process parse: RSS above zero, ticks
        // counted.
        const auto rss = readVmRssKb(static_cast<int>(::getpid()));
        QVERIFY(rss.has_value());
        QVERIFY(*rss > 0);
        QVERIFY(readCpuTicks(static_cast<int>(::getpid())).has_value());
        QVERIFY(!readVmRssKb(-1).has_value());
    }

    void spread_data()
    {
        // clang-format off
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("median");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");

        QTest::newRow("one") << QList<double>{7} << 7.0 << 7.0 << 7.0;
        QTest::newRow("odd, unsorted") << QList<double>{9, 1, 5} << 5.0 << 1.0 << 9.0;
        QTest::newRow("even takes the middle two") << QList<double>{4, 1, 10, 2} << 3.0 << 1.0 << 10.0;
        QTest::newRow("outlier does not move it") << QList<double>{100, 101, 99, 5000, 100} << 100.0 << 99.0
                                                  << 5000.0;
        // clang-format on
    }

    void spread()
    {
        QFETCH(QList<double>, values);
        QFETCH(double, median);
        QFETCH(double, min);
        QFETCH(double, max);
        const auto result = spreadOf(std::vector<double>(values.begin(), values.end()));
        QVERIFY(result.has_value());
        QCOMPARE(result->median, median);
        QCOMPARE(result->min, min);
        QCOMPARE(result->max, max);
        QCOMPARE(result->count, static_cast<std::size_t>(values.size()));
    }

    void spreadOfNothing() { QVERIFY(!spreadOf({}).has_value()); }

    void recordLine_data()
    {
        // clang-format off
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("starts");
        QTest::addColumn<int>("idles");
        QTest::addColumn<QString>("error"); // empty: accepted

        QTest::newRow("start") << "kind=start round=1 program=cindrel first=minimal map_ms=123.456 rss_kb=45678"
                               << 1 << 0 << "";
        QTest::newRow("idle with the start's fields")
            << "kind=idle program=cindrel map_ms=120 rss_kb=45000 idle_s=10 settle_s=1 idle_ticks=0 tick_hz=100" << 0
            << 1 << "";
        QTest::newRow("blank") << "   " << 0 << 0 << "";
        QTest::newRow("comment") << "# rounds=20" << 0 << 0 << "";
        QTest::newRow("missing field") << "kind=start round=1 program=cindrel first=minimal map_ms=12" << 0 << 0
                                       << "missing field \"rss_kb\"";
        QTest::newRow("unknown kind") << "kind=stop program=cindrel" << 0 << 0 << "unknown kind";
        QTest::newRow("no kind") << "round=1" << 0 << 0 << "missing field \"kind\"";
        QTest::newRow("unknown program")
            << "kind=start round=1 program=xeyes first=minimal map_ms=1 rss_kb=1" << 0 << 0 << "unknown program";
        QTest::newRow("unknown field") << "kind=start round=1 colour=red" << 0 << 0 << "unknown field \"colour\"";
        QTest::newRow("not key=value") << "kind=start round 1" << 0 << 0 << "expected key=value";
        QTest::newRow("field twice")
            << "kind=start round=1 round=2 program=cindrel first=minimal map_ms=1 rss_kb=1" << 0 << 0 << "twice";
        QTest::newRow("time not a number")
            << "kind=start round=1 program=cindrel first=minimal map_ms=fast rss_kb=1" << 0 << 0 << "not a number";
        QTest::newRow("negative time")
            << "kind=start round=1 program=cindrel first=minimal map_ms=-3 rss_kb=1" << 0 << 0 << "not a number";
        QTest::newRow("round 0") << "kind=start round=0 program=cindrel first=minimal map_ms=1 rss_kb=1" << 0 << 0
                                 << "from 1";
        QTest::newRow("no memory") << "kind=start round=1 program=cindrel first=minimal map_ms=1 rss_kb=0" << 0 << 0
                                   << "above 0";
        QTest::newRow("no tick rate")
            << "kind=idle program=cindrel idle_s=10 settle_s=1 idle_ticks=0 tick_hz=0" << 0 << 0 << "tick_hz";
        // clang-format on
    }

    void recordLine()
    {
        QFETCH(QString, line);
        QFETCH(int, starts);
        QFETCH(int, idles);
        QFETCH(QString, error);
        Records records;
        std::string message;
        const bool ok = parseRecordLine(line.toStdString(), records, message);
        QCOMPARE(ok, error.isEmpty());
        if (!ok)
            QVERIFY2(QString::fromStdString(message).contains(error), message.c_str());
        QCOMPARE(static_cast<int>(records.starts.size()), starts);
        QCOMPARE(static_cast<int>(records.idles.size()), idles);
    }

    void recordValues()
    {
        const Records records = parseAll(
            {"kind=start round=3 program=minimal first=cindrel map_ms=98.25 rss_kb=40960",
             "kind=idle program=cindrel idle_s=10 settle_s=1.5 idle_ticks=3 tick_hz=100"});
        QCOMPARE(records.starts.at(0).round, 3);
        QCOMPARE(records.starts.at(0).program, std::string("minimal"));
        QCOMPARE(records.starts.at(0).first, std::string("cindrel"));
        QCOMPARE(records.starts.at(0).mapMs, 98.25);
        QCOMPARE(records.starts.at(0).rssKb, 40960LL);
        QCOMPARE(records.idles.at(0).settleSeconds, 1.5);
        QCOMPARE(records.idles.at(0).ms(), 30.0);
    }

    void targets_data()
    {
        // clang-format off
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Verdict>("map");
        QTest::addColumn<Verdict>("rss");
        QTest::addColumn<Verdict>("idle");

        const QString idleZero = "kind=idle program=cindrel idle_s=10 settle_s=1 idle_ticks=0 tick_hz=100";
        const QString idleOne = "kind=idle program=cindrel idle_s=10 settle_s=1 idle_ticks=1 tick_hz=100";
        QTest::newRow("same as the reference")
            << roundLines(1, 100, 40000, 100, 40000) + roundLines(2, 110, 41000, 110, 41000) + QStringList{idleZero}
            << Verdict::Met << Verdict::Met << Verdict::Met;
        QTest::newRow("exactly at the limit")
            << roundLines(1, 110, 44000, 100, 40000) + roundLines(2, 220, 44000, 200, 40000) + QStringList{idleZero}
            << Verdict::Met << Verdict::Met << Verdict::Met;
        QTest::newRow("slower start, same memory")
            << roundLines(1, 125, 40000, 100, 40000) + roundLines(2, 130, 40000, 100, 40000) + QStringList{idleZero}
            << Verdict::Missed << Verdict::Met << Verdict::Met;
        QTest::newRow("more memory, one tick busy")
            << roundLines(1, 100, 48000, 100, 40000) + roundLines(2, 100, 48000, 100, 40000) + QStringList{idleOne}
            << Verdict::Met << Verdict::Missed << Verdict::Missed;
        // Medians alike (105 vs 100), but within each round the program is
        // far slower: the per-round ratios give it away.
        QTest::newRow("medians hide per-round slowness")
            << roundLines(1, 105, 40000, 50, 40000) + roundLines(2, 105, 40000, 100, 40000) + roundLines(3, 300, 40000, 150, 40000)
            << Verdict::Missed << Verdict::Met << Verdict::NotMeasured;
        QTest::newRow("reference never ran")
            << QStringList{"kind=start round=1 program=cindrel first=cindrel map_ms=100 rss_kb=40000", idleZero}
            << Verdict::NotMeasured << Verdict::NotMeasured << Verdict::Met;
        QTest::newRow("only the reference idled")
            << roundLines(1, 100, 40000, 100, 40000)
                   + QStringList{"kind=idle program=minimal idle_s=10 settle_s=1 idle_ticks=0 tick_hz=100"}
            << Verdict::Met << Verdict::Met << Verdict::NotMeasured;
        // clang-format on
    }

    void targets()
    {
        QFETCH(QStringList, lines);
        QFETCH(Verdict, map);
        QFETCH(Verdict, rss);
        QFETCH(Verdict, idle);
        const Summary summary = summarize(parseAll(lines));
        QCOMPARE(summary.mapTarget, map);
        QCOMPARE(summary.rssTarget, rss);
        QCOMPARE(summary.idleTarget, idle);
    }

    void ratiosPairStartsOfTheSameRound()
    {
        // Round 2 lacks the reference's start and round 3 the program's:
        // neither may borrow a start from another round.
        QStringList lines = roundLines(1, 120, 50000, 100, 40000) + roundLines(4, 90, 30000, 100, 40000);
        lines << "kind=start round=2 program=cindrel first=cindrel map_ms=500 rss_kb=90000"
              << "kind=start round=3 program=minimal first=minimal map_ms=10 rss_kb=1000";
        const Summary summary = summarize(parseAll(lines));
        QCOMPARE(summary.rounds.size(), std::size_t(2));
        QCOMPARE(summary.rounds.at(0).round, 1);
        QCOMPARE(summary.rounds.at(0).map, 1.2);
        QCOMPARE(summary.rounds.at(0).rss, 1.25);
        QCOMPARE(summary.rounds.at(1).round, 4);
        QCOMPARE(summary.rounds.at(1).map, 0.9);
        QCOMPARE(summary.rounds.at(1).rss, 0.75);
        // Every start counts towards its program's spread.
        QCOMPARE(summary.programMap->count, std::size_t(3));
        QCOMPARE(summary.referenceMap->count, std::size_t(3));
        QCOMPARE(summary.programMap->max, 500.0);
    }

    void reportShowsRoundsAndVerdicts()
    {
        const QString report = QString::fromStdString(formatReport(summarize(parseAll(
            roundLines(1, 100, 40960, 100, 40960) + roundLines(2, 150, 40960, 100, 40960)
            + QStringList{"kind=idle program=cindrel idle_s=10 settle_s=1 idle_ticks=2 tick_hz=100"}))));
        QVERIFY2(report.contains(QRegularExpression("\\n\\s+1\\s+minimal\\s+1\\.000\\s+1\\.000\\n")),
                 qPrintable(report));
        QVERIFY2(report.contains(QRegularExpression("\\n\\s+2\\s+cindrel\\s+1\\.500\\s+1\\.000\\n")),
                 qPrintable(report));
        QVERIFY2(report.contains("time to map: median of ratios 1.250"), qPrintable(report));
        QVERIFY2(report.contains("target <= 1.10: MISSED"), qPrintable(report));
        QVERIFY2(report.contains("cindrel 20 ms (2 ticks)"), qPrintable(report));
        QVERIFY2(report.contains("minimal not measured"), qPrintable(report));
        QVERIFY2(report.contains("40.0"), qPrintable(report)); // 40960 kB shown in MiB
    }
};

QTEST_GUILESS_MAIN(TestBenchReport)
#include "tst_bench_report.moc"
