// cindrel.com, the console twin of cindrel.exe. A windowed program gets no
// console, so "cindrel --help" typed in cmd or PowerShell would print
// nothing; the console finds cindrel.com before cindrel.exe, and this runs
// cindrel.exe from its own folder with the console's standard handles (or
// the file or pipe they are redirected to), and no other handle, waits for
// it and ends with its exit status. Without arguments it only starts the
// windowed program and returns at once. The texts are the program's own: it
// writes them as UTF-8, so the console shows UTF-8 while it runs.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TwinNames.h"

namespace {

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

/// Ctrl+C and Ctrl+Break while cindrel.exe runs leave the twin waiting, as
/// cmd does while a program it started runs: it then restores the
/// console's code page and ends with the program's status. (The windowed
/// program has no console, so they do not reach it.)
BOOL WINAPI keepWaiting(DWORD event)
{
    return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? TRUE : FALSE;
}

/// Puts this process's standard handles into startup and returns them, each
/// once and only those there are, made inheritable: the handles a child
/// that answers on the console needs.
std::vector<HANDLE> standardHandles(STARTUPINFOW &startup)
{
    startup.dwFlags |= STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::vector<HANDLE> handles;
    for (HANDLE handle : {startup.hStdInput, startup.hStdOutput, startup.hStdError}) {
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE
            && std::find(handles.begin(), handles.end(), handle) == handles.end()
            && SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT))
            handles.push_back(handle);
    }
    return handles;
}

} // namespace

int main()
{
    // cindrel.exe beside this file, started under the name the user knows
    // (its messages and help name it, as on Linux: "cindrel").
    const cindrel::twin::WindowedProgram program = cindrel::twin::windowedProgramOf(ownPath());
    const std::wstring_view arguments = cindrel::twin::afterProgramName(GetCommandLineW());
    std::wstring commandLine = L'"' + program.name + L'"' + std::wstring(arguments);
    const bool answers = arguments.find_first_not_of(L" \t") != std::wstring_view::npos;

    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    // With arguments the program gets the three standard handles, and only
    // those, whatever else this process inherited; without, no handle.
    std::vector<HANDLE> inherited = answers ? standardHandles(startup.StartupInfo) : std::vector<HANDLE>{};
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<unsigned char> attributes(size);
    auto *list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(attributes.data());
    const bool listed = !inherited.empty() && InitializeProcThreadAttributeList(list, 1, 0, &size);
    const bool ready = inherited.empty()
                       || (listed
                           && UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST,
                                                        inherited.data(), inherited.size() * sizeof(HANDLE),
                                                        nullptr, nullptr));
    startup.lpAttributeList = listed ? list : nullptr;
    const DWORD listError = ready ? ERROR_SUCCESS : GetLastError();

    SetConsoleCtrlHandler(keepWaiting, TRUE);
    const UINT codePage = GetConsoleOutputCP(); // 0 without a console
    if (codePage != 0)
        SetConsoleOutputCP(CP_UTF8);
    PROCESS_INFORMATION process{};
    DWORD status = 0;
    if (ready
        && CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, listed,
                          listed ? EXTENDED_STARTUPINFO_PRESENT : 0, nullptr, nullptr, &startup.StartupInfo,
                          &process)) {
        if (answers) {
            WaitForSingleObject(process.hProcess, INFINITE);
            GetExitCodeProcess(process.hProcess, &status);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        // The system's own words, in the user's language.
        wchar_t *reason = nullptr;
        FormatMessageW(
            FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
            nullptr, ready ? GetLastError() : listError, 0, reinterpret_cast<wchar_t *>(&reason), 0, nullptr);
        complain(program.name + L": " + program.path + L": " + (reason != nullptr ? reason : L"?\r\n"));
        LocalFree(reason);
        status = 1;
    }
    if (codePage != 0)
        SetConsoleOutputCP(codePage);
    if (listed)
        DeleteProcThreadAttributeList(list);
    return int(status);
}
