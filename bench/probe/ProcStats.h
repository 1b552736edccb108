#pragma once
// Reading a process's memory and CPU use out of the texts of /proc/PID/status
// and /proc/PID/stat.

#include <optional>
#include <string>
#include <string_view>

namespace cindrel::bench {

/// The resident set size in kB from the text of /proc/PID/status (its VmRSS
/// line), or nothing when the text holds no well-formed VmRSS line (a kernel
/// thread, or a process that has already ended).
std::optional<long long> parseVmRssKb(std::string_view statusText);

/// The clock ticks spent in user and kernel mode (utime + stime) from the
/// text of /proc/PID/stat, or nothing when the text is not well formed.
/// The command name in parentheses may itself hold spaces and parentheses.
std::optional<long long> parseCpuTicks(std::string_view statText);

/// The whole content of a small file, or nothing when it cannot be read.
std::optional<std::string> readSmallFile(const std::string &path);

std::optional<long long> readVmRssKb(int pid);
std::optional<long long> readCpuTicks(int pid);

} // namespace cindrel::bench
