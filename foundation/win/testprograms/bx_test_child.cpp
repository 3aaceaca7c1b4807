// Child program of the process-runner tests. Acts on its arguments in order:
//   --record=<file>   appends "args=<command line tail>", "cwd=<folder>",
//                     "show=<wShowWindow or -1>", "priority=<class>" (UTF-8)
//   --pid=<file>      writes its process id
//   --print=<text>    writes the text and a line break to stdout, in the ANSI code page
//   --sleep=<ms>      sleeps
//   --ignore-close    ignores console close and break requests
//   --exit=<code>     exits at once with the code
// and exits with 0 at the end.
#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

BOOL WINAPI IgnoreControl(DWORD)
{
    return TRUE;
}

void AppendUtf8(const std::wstring& file, const std::wstring& text)
{
    const int bytes = ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(bytes), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), utf8.data(), bytes, nullptr, nullptr);
    HANDLE handle = ::CreateFileW(file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    ::WriteFile(handle, utf8.data(), DWORD(utf8.size()), &written, nullptr);
    ::CloseHandle(handle);
}

// The command line without the program name, as the child received it.
std::wstring ArgumentTail()
{
    const wchar_t* line = ::GetCommandLineW();
    bool quoted = false;
    while (*line != 0 && (quoted || (*line != L' ' && *line != L'\t'))) {
        if (*line == L'"')
            quoted = !quoted;
        ++line;
    }
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

void Record(const std::wstring& file)
{
    wchar_t folder[2048] = {};
    ::GetCurrentDirectoryW(2048, folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    ::GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? int(startup.wShowWindow) : -1;
    const DWORD priority = ::GetPriorityClass(::GetCurrentProcess());
    AppendUtf8(file, L"args=" + ArgumentTail() + L"\ncwd=" + folder + L"\nshow=" + std::to_wstring(show) +
                         L"\npriority=" + std::to_wstring(priority) + L"\n");
}

void PrintAnsi(const std::wstring& text)
{
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string ansi(size_t(bytes), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.c_str(), int(text.size()), ansi.data(), bytes, nullptr, nullptr);
    std::fwrite(ansi.data(), 1, ansi.size(), stdout);
    std::fputs("\n", stdout);
    std::fflush(stdout);
}

bool Value(const std::wstring& argument, const wchar_t* option, std::wstring& value)
{
    const std::wstring prefix(option);
    if (argument.compare(0, prefix.size(), prefix) != 0)
        return false;
    value = argument.substr(prefix.size());
    return true;
}

} // namespace

int wmain()
{
    int count = 0;
    wchar_t** arguments = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i) {
        const std::wstring argument(arguments[i]);
        std::wstring value;
        if (Value(argument, L"--record=", value))
            Record(value);
        else if (Value(argument, L"--pid=", value))
            AppendUtf8(value, std::to_wstring(::GetCurrentProcessId()));
        else if (Value(argument, L"--print=", value))
            PrintAnsi(value);
        else if (Value(argument, L"--sleep=", value))
            ::Sleep(DWORD(std::wcstoul(value.c_str(), nullptr, 10)));
        else if (argument == L"--ignore-close")
            ::SetConsoleCtrlHandler(IgnoreControl, TRUE);
        else if (Value(argument, L"--exit=", value))
            ::ExitProcess(UINT(std::wcstol(value.c_str(), nullptr, 10)));
    }
    return 0;
}
