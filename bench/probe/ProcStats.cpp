#include "ProcStats.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace cindrel::bench {

namespace {

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<long long> parseCount(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<long long> parseVmRssKb(std::string_view statusText)
{
    constexpr std::string_view key = "VmRSS:";
    std::size_t start = 0;
    while (start < statusText.size()) {
        auto end = statusText.find('\n', start);
        if (end == std::string_view::npos)
            end = statusText.size();
        const std::string_view line = statusText.substr(start, end - start);
        start = end + 1;
        if (!line.starts_with(key))
            continue;
        // "VmRSS:     12345 kB"
        std::string_view rest = trimBlanks(line.substr(key.size()));
        const auto space = rest.find_first_of(" \t");
        if (space == std::string_view::npos)
            return std::nullopt;
        if (trimBlanks(rest.substr(space)) != "kB")
            return std::nullopt;
        return parseCount(rest.substr(0, space));
    }
    return std::nullopt;
}

std::optional<long long> parseCpuTicks(std::string_view statText)
{
    // "pid (comm) state ppid pgrp ... utime stime ...": the name may hold any
    // character, so the fields start after the LAST closing parenthesis.
    const auto close = statText.rfind(')');
    if (close == std::string_view::npos || statText.find('(') > close)
        return std::nullopt;
    std::vector<std::string_view> fields;
    std::size_t pos = close + 1;
    while (fields.size() < 13) {
        pos = statText.find_first_not_of(" \n", pos);
        if (pos == std::string_view::npos)
            break;
        auto end = statText.find_first_of(" \n", pos);
        if (end == std::string_view::npos)
            end = statText.size();
        fields.push_back(statText.substr(pos, end - pos));
        pos = end;
    }
    // Field 3 (state) is fields[0]; utime is field 14, stime field 15.
    if (fields.size() < 13)
        return std::nullopt;
    const auto user = parseCount(fields[11]);
    const auto system = parseCount(fields[12]);
    if (!user || !system)
        return std::nullopt;
    return *user + *system;
}

std::optional<std::string> readSmallFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        text.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return text;
}

std::optional<long long> readVmRssKb(int pid)
{
    const auto text = readSmallFile("/proc/" + std::to_string(pid) + "/status");
    return text ? parseVmRssKb(*text) : std::nullopt;
}

std::optional<long long> readCpuTicks(int pid)
{
    const auto text = readSmallFile("/proc/" + std::to_string(pid) + "/stat");
    return text ? parseCpuTicks(*text) : std::nullopt;
}

} // namespace cindrel::bench
