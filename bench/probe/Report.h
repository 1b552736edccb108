#pragma once
// The benchmark's records (one line per measured run) and the summary that
// compares the program's start-up with the minimal window's.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cindrel::bench {

inline constexpr std::string_view kProgram = "cindrel";
inline constexpr std::string_view kReference = "minimal";
/// Largest acceptable ratio program/reference of time-to-map and of RSS.
inline constexpr double kRatioTarget = 1.10;

/// One start: "kind=start round=R program=P first=F map_ms=X rss_kb=Y".
struct StartRecord {
    int round = 0;
    std::string program;
    std::string first; // the program started first in this round
    double mapMs = 0;
    long long rssKb = 0;
};

/// One idle measurement after the window mapped:
/// "kind=idle program=P idle_s=S settle_s=T idle_ticks=N tick_hz=H" (the
/// start's map_ms and rss_kb may follow and are ignored).
struct IdleRecord {
    std::string program;
    double seconds = 0;
    double settleSeconds = 0;
    long long ticks = 0;
    long long tickHz = 0;
    double ms() const
    {
        return tickHz > 0 ? static_cast<double>(ticks) * 1000.0 / static_cast<double>(tickHz) : 0;
    }
};

struct Records {
    std::vector<StartRecord> starts;
    std::vector<IdleRecord> idles;
};

/// Adds the record on one line to `into`. Blank lines and lines starting
/// with '#' are skipped. Returns false with a message in `error` when the
/// line is not a well-formed record.
bool parseRecordLine(std::string_view line, Records &into, std::string &error);

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
    std::size_t count = 0;
};

/// Median (mean of the middle two for an even count), min and max; nothing
/// for no values.
std::optional<Spread> spreadOf(std::vector<double> values);

struct RoundRatio {
    int round = 0;
    std::string first;
    double map = 0;
    double rss = 0;
};

enum class Verdict { Met, Missed, NotMeasured };

struct Summary {
    std::optional<Spread> programMap, referenceMap, programRss, referenceRss; // ms and kB
    std::vector<RoundRatio> rounds;             // rounds that hold a start of both
    std::optional<Spread> mapRatios, rssRatios; // of the per-round ratios
    std::optional<double> mapRatioOfMedians, rssRatioOfMedians;
    std::optional<IdleRecord> programIdle, referenceIdle;
    Verdict mapTarget = Verdict::NotMeasured;
    Verdict rssTarget = Verdict::NotMeasured;
    Verdict idleTarget = Verdict::NotMeasured;
};

/// A ratio target is met when both the ratio of the medians and the median
/// of the per-round ratios are at most kRatioTarget; the idle target when
/// the program used no CPU tick at all while idle.
Summary summarize(const Records &records);

std::string formatReport(const Summary &summary);

} // namespace cindrel::bench
