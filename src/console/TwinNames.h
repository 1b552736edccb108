#pragma once
// How the console twin reads its own command line and finds the windowed
// program: plain functions on text, so that a test can read them without
// starting anything.

#include <string>
#include <string_view>

namespace cindrel::twin {

/// The command line after the program's own name, as the C runtime reads
/// that name (argv[0]): a blank (space or tab) ends it except inside double
/// quotes, each double quote opens or closes a quoted part, and a backslash
/// escapes nothing. So C:\"Program Files"\Cindrel\bin\cindrel --version
/// leaves " --version". What is left starts with its blank, if any.
inline std::wstring_view afterProgramName(std::wstring_view line)
{
    bool quoted = false;
    size_t end = 0;
    for (; end < line.size(); ++end) {
        if (line[end] == L'"')
            quoted = !quoted;
        else if (!quoted && (line[end] == L' ' || line[end] == L'\t'))
            break;
    }
    return line.substr(end);
}

/// The windowed program beside the twin and the name the user knows both by.
struct WindowedProgram {
    /// The twin's own path with ".exe" in place of its extension.
    std::wstring path;
    /// The twin's file name without its extension ("cindrel").
    std::wstring name;
};

/// The windowed program for the twin at ownPath. Only a dot in the file
/// name starts an extension: a folder may have dots of its own
/// (C:\Users\john.doe\...), and a name without one gets ".exe" added.
inline WindowedProgram windowedProgramOf(std::wstring_view ownPath)
{
    const size_t nameStart = ownPath.find_last_of(L"\\/") + 1; // 0 without a folder
    size_t dot = ownPath.find_last_of(L'.');
    if (dot == std::wstring_view::npos || dot < nameStart)
        dot = ownPath.size();
    return {std::wstring(ownPath.substr(0, dot)) + L".exe",
            std::wstring(ownPath.substr(nameStart, dot - nameStart))};
}

} // namespace cindrel::twin
