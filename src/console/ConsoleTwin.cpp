// cindrel.com, the console twin of cindrel.exe. A windowed program gets no
// console, so "cindrel --help" typed in cmd or PowerShell would print
// nothing; the console finds cindrel.com before cindrel.exe, and this runs
// cindrel.exe from its own folder with the console's standard handles (or
// the file or pipe they are redirected to), waits for it and ends with its
// exit status. Without arguments it only starts the windowed program and
// returns at once. The texts are the program's own: it writes them as
// UTF-8, so the console shows UTF-8 while it runs.

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <string_view>

namespace {

/// The command line after the program's own name: that ends at the closing
/// quote when it starts with one, else at the first blank.
const wchar_t *afterProgramName(const wchar_t *line)
{
    if (*line == L'"') {
        const wchar_t *quote = std::wcschr(line + 1, L'"');
        return quote != nullptr ? quote + 1 : line + std::wcslen(line);
    }
    return line + std::wcscspn(line, L" \t");
}

std::wstring ownPath()
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()))) == path.size())
        path.resize(path.size() * 2);
    path.resize(length);
    return path;
}

/// Writes the text as UTF-8 on standard error.
void complain(const std::wstring &text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::string bytes(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), bytes.data(), size, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), bytes.data(), DWORD(bytes.size()), &written, nullptr);
}

} // namespace

int main()
{
    // cindrel.exe beside this file, started under the name the user knows
    // (its messages and help name it, as on Linux: "cindrel").
    const std::wstring path = ownPath();
    const size_t folderEnd = path.find_last_of(L'\\') + 1;
    const size_t dot = std::max(path.find_last_of(L'.'), folderEnd);
    const std::wstring program = path.substr(0, dot) + L".exe";
    const std::wstring name = path.substr(folderEnd, dot - folderEnd);
    const wchar_t *arguments = afterProgramName(GetCommandLineW());
    std::wstring commandLine = L'"' + name + L'"' + arguments;
    const bool answers = std::wstring_view(arguments).find_first_not_of(L" \t") != std::wstring_view::npos;

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (answers) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError})
            SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }
    const UINT codePage = GetConsoleOutputCP(); // 0 without a console
    if (codePage != 0)
        SetConsoleOutputCP(CP_UTF8);
    PROCESS_INFORMATION process{};
    DWORD status = 0;
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, answers, 0, nullptr, nullptr,
                       &startup, &process)) {
        if (answers) {
            WaitForSingleObject(process.hProcess, INFINITE);
            GetExitCodeProcess(process.hProcess, &status);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        // The system's own words, in the user's language.
        wchar_t *reason = nullptr;
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                           | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, GetLastError(), 0, reinterpret_cast<wchar_t *>(&reason), 0, nullptr);
        complain(name + L": " + program + L": " + (reason != nullptr ? reason : L"?\r\n"));
        LocalFree(reason);
        status = 1;
    }
    if (codePage != 0)
        SetConsoleOutputCP(codePage);
    return int(status);
}
