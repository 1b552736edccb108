#include "Report.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <map>
#include <set>

namespace cindrel::bench {

namespace {

std::vector<std::string_view> splitBlanks(std::string_view text)
{
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t\r", pos)) != std::string_view::npos) {
        auto end = text.find_first_of(" \t\r", pos);
        if (end == std::string_view::npos)
            end = text.size();
        words.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return words;
}

template <typename Number> bool parseNumber(std::string_view text, Number &value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= 0;
}

bool isProgramName(std::string_view name)
{
    return name == kProgram || name == kReference;
}

std::string formatted(const char *format, double a, double b = 0, double c = 0)
{
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

const char *verdictText(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Met:
        return "met";
    case Verdict::Missed:
        return "MISSED";
    case Verdict::NotMeasured:
        break;
    }
    return "not measured";
}

Verdict ratioVerdict(const std::optional<double> &ofMedians, const std::optional<Spread> &ratios)
{
    if (!ofMedians || !ratios)
        return Verdict::NotMeasured;
    // A hair of slack so that a ratio printed as the target is not refused
    // for the last bits of a double.
    constexpr double limit = kRatioTarget + 1e-9;
    return *ofMedians <= limit && ratios->median <= limit ? Verdict::Met : Verdict::Missed;
}

} // namespace

bool parseRecordLine(std::string_view line, Records &into, std::string &error)
{
    const auto words = splitBlanks(line);
    if (words.empty() || words.front().starts_with('#'))
        return true;

    static const std::set<std::string_view> known = {"kind",   "round",  "program",  "first",      "map_ms",
                                                     "rss_kb", "idle_s", "settle_s", "idle_ticks", "tick_hz"};
    std::map<std::string_view, std::string_view> fields;
    for (const auto word : words) {
        const auto equals = word.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            error = "expected key=value, got \"" + std::string(word) + "\"";
            return false;
        }
        const auto key = word.substr(0, equals);
        if (!known.contains(key)) {
            error = "unknown field \"" + std::string(key) + "\"";
            return false;
        }
        if (!fields.emplace(key, word.substr(equals + 1)).second) {
            error = "field \"" + std::string(key) + "\" given twice";
            return false;
        }
    }

    auto need = [&](std::string_view key) -> std::optional<std::string_view> {
        const auto found = fields.find(key);
        if (found == fields.end()) {
            error = "missing field \"" + std::string(key) + "\"";
            return std::nullopt;
        }
        return found->second;
    };
    auto needNumber = [&](std::string_view key, auto &value) {
        const auto text = need(key);
        if (!text)
            return false;
        if (!parseNumber(*text, value)) {
            error = "field \"" + std::string(key) + "\" is not a number: \"" + std::string(*text) + "\"";
            return false;
        }
        return true;
    };
    auto needProgram = [&](std::string_view key, std::string &value) {
        const auto text = need(key);
        if (!text)
            return false;
        if (!isProgramName(*text)) {
            error = "field \"" + std::string(key) + "\" names an unknown program: \"" + std::string(*text)
                    + "\"";
            return false;
        }
        value = std::string(*text);
        return true;
    };

    const auto kind = need("kind");
    if (!kind)
        return false;
    if (*kind == "start") {
        StartRecord record;
        if (!needNumber("round", record.round) || !needProgram("program", record.program)
            || !needProgram("first", record.first) || !needNumber("map_ms", record.mapMs)
            || !needNumber("rss_kb", record.rssKb))
            return false;
        if (record.round < 1) {
            error = "rounds count from 1";
            return false;
        }
        if (record.rssKb == 0) {
            error = "a running program has a resident set size above 0 kB";
            return false;
        }
        into.starts.push_back(std::move(record));
        return true;
    }
    if (*kind == "idle") {
        IdleRecord record;
        if (!needProgram("program", record.program) || !needNumber("idle_s", record.seconds)
            || !needNumber("settle_s", record.settleSeconds) || !needNumber("idle_ticks", record.ticks)
            || !needNumber("tick_hz", record.tickHz))
            return false;
        if (record.tickHz == 0) {
            error = "tick_hz must be above 0";
            return false;
        }
        into.idles.push_back(std::move(record));
        return true;
    }
    error = "unknown kind \"" + std::string(*kind) + "\"";
    return false;
}

std::optional<Spread> spreadOf(std::vector<double> values)
{
    if (values.empty())
        return std::nullopt;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    Spread spread;
    spread.count = n;
    spread.min = values.front();
    spread.max = values.back();
    spread.median = n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
    return spread;
}

Summary summarize(const Records &records)
{
    Summary summary;
    std::vector<double> programMap, referenceMap, programRss, referenceRss;
    // round -> (program start, reference start); a round measured twice
    // keeps its last start of each.
    std::map<int, std::pair<const StartRecord *, const StartRecord *>> byRound;
    for (const StartRecord &start : records.starts) {
        const bool isProgram = start.program == kProgram;
        (isProgram ? programMap : referenceMap).push_back(start.mapMs);
        (isProgram ? programRss : referenceRss).push_back(static_cast<double>(start.rssKb));
        auto &pair = byRound[start.round];
        (isProgram ? pair.first : pair.second) = &start;
    }
    summary.programMap = spreadOf(programMap);
    summary.referenceMap = spreadOf(referenceMap);
    summary.programRss = spreadOf(programRss);
    summary.referenceRss = spreadOf(referenceRss);

    std::vector<double> mapRatios, rssRatios;
    for (const auto &[round, pair] : byRound) {
        const auto [program, reference] = pair;
        if (!program || !reference || reference->mapMs <= 0)
            continue;
        RoundRatio ratio;
        ratio.round = round;
        ratio.first = program->first;
        ratio.map = program->mapMs / reference->mapMs;
        ratio.rss = static_cast<double>(program->rssKb) / static_cast<double>(reference->rssKb);
        mapRatios.push_back(ratio.map);
        rssRatios.push_back(ratio.rss);
        summary.rounds.push_back(std::move(ratio));
    }
    summary.mapRatios = spreadOf(mapRatios);
    summary.rssRatios = spreadOf(rssRatios);
    if (summary.programMap && summary.referenceMap && summary.referenceMap->median > 0)
        summary.mapRatioOfMedians = summary.programMap->median / summary.referenceMap->median;
    if (summary.programRss && summary.referenceRss && summary.referenceRss->median > 0)
        summary.rssRatioOfMedians = summary.programRss->median / summary.referenceRss->median;
    summary.mapTarget = ratioVerdict(summary.mapRatioOfMedians, summary.mapRatios);
    summary.rssTarget = ratioVerdict(summary.rssRatioOfMedians, summary.rssRatios);

    for (const IdleRecord &idle : records.idles)
        (idle.program == kProgram ? summary.programIdle : summary.referenceIdle) = idle;
    if (summary.programIdle)
        summary.idleTarget = summary.programIdle->ticks == 0 ? Verdict::Met : Verdict::Missed;
    return summary;
}

std::string formatReport(const Summary &summary)
{
    std::string out;
    auto line = [&out](const std::string &text) { out += text + '\n'; };
    constexpr double kib = 1024.0;

    line("                 time to map (ms)                RSS at map (MiB)");
    line("program   runs   median   min - max              median   min - max");
    auto programRow = [&](std::string_view name, const std::optional<Spread> &map,
                          const std::optional<Spread> &rss) {
        std::string row(name);
        row.resize(10, ' ');
        if (!map || !rss) {
            line(row + "no runs");
            return;
        }
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "%4zu %8.1f   %6.1f - %-8.1f     %8.1f   %5.1f - %.1f", map->count,
                      map->median, map->min, map->max, rss->median / kib, rss->min / kib, rss->max / kib);
        line(row + buffer);
    };
    programRow(kReference, summary.referenceMap, summary.referenceRss);
    programRow(kProgram, summary.programMap, summary.programRss);
    line("");

    line("ratio cindrel/minimal per round");
    line("round  first     time to map   RSS");
    for (const RoundRatio &round : summary.rounds) {
        std::string first = round.first;
        first.resize(8, ' ');
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, "%5d  %s  %11.3f   %5.3f", round.round, first.c_str(), round.map,
                      round.rss);
        line(buffer);
    }
    line("");

    auto ratioLine = [&](const char *what, const std::optional<Spread> &ratios,
                         const std::optional<double> &ofMedians, Verdict verdict) {
        std::string text = std::string(what);
        if (ratios && ofMedians)
            text += formatted(": median of ratios %.3f (min %.3f), ratio of medians ", ratios->median,
                              ratios->min)
                    + formatted("%.3f", *ofMedians);
        else
            text += ": no complete round";
        text += formatted("; target <= %.2f: ", kRatioTarget) + verdictText(verdict);
        line(text);
    };
    ratioLine("time to map", summary.mapRatios, summary.mapRatioOfMedians, summary.mapTarget);
    ratioLine("RSS        ", summary.rssRatios, summary.rssRatioOfMedians, summary.rssTarget);

    auto idleText = [](std::string_view name, const std::optional<IdleRecord> &idle) {
        if (!idle)
            return std::string(name) + " not measured";
        return std::string(name)
               + formatted(" %.0f ms (%.0f ticks)", idle->ms(), static_cast<double>(idle->ticks));
    };
    std::string idle = "CPU while idle";
    if (summary.programIdle)
        idle += formatted(" for %.0f s from %.0f s after the map", summary.programIdle->seconds,
                          summary.programIdle->settleSeconds);
    idle += ": " + idleText(kProgram, summary.programIdle) + ", " + idleText(kReference, summary.referenceIdle)
            + "; target 0 ticks: " + verdictText(summary.idleTarget);
    line(idle);
    return out;
}

} // namespace cindrel::bench
