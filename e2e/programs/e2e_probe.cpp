// Harness probe: does what its arguments say, in order, so an end-to-end
// scenario can check that a program under Wine reaches the registry, the file
// system and the OS facts, and that its exit code comes back.
//   /reg <root> <key> <name> <text>   write a REG_SZ value (root HKLM or HKCU)
//   /file <path> <text>               write text as UTF-8 (no byte-order mark)
//   /osver <path>                     write "major.minor.build" as the process sees it
//   /sleep <ms>                       wait, for time-limit tests
//   /holdmutex <name> <ms>            create a named mutex and keep it for ms
//   /closebox <title> <ms> <path>     wait up to ms for a message box with that
//                                     title, write its text to path, press OK
//   /exit <n>                         end with exit code n
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

bool WriteUtf8(const wchar_t* path, const std::wstring& text)
{
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), bytes, nullptr, nullptr);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == utf8.size();
}

bool WriteRegistry(const wchar_t* rootName, const wchar_t* path, const wchar_t* name, const wchar_t* text)
{
    HKEY root = nullptr;
    if (_wcsicmp(rootName, L"HKLM") == 0)
        root = HKEY_LOCAL_MACHINE;
    else if (_wcsicmp(rootName, L"HKCU") == 0)
        root = HKEY_CURRENT_USER;
    else
        return false;
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD size = static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t));
    const LONG result = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::wstring OsVersion()
{
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return std::to_wstring(info.dwMajorVersion) + L"." + std::to_wstring(info.dwMinorVersion) + L"." +
           std::to_wstring(info.dwBuildNumber);
}

bool HoldMutex(const wchar_t* name, DWORD milliseconds)
{
    HANDLE mutex = CreateMutexW(nullptr, FALSE, name);
    if (mutex == nullptr)
        return false;
    Sleep(milliseconds);
    CloseHandle(mutex);
    return true;
}

bool CloseBox(const wchar_t* title, DWORD milliseconds, const wchar_t* path)
{
    const DWORD start = GetTickCount();
    for (;;) {
        // #32770: the dialog class of system message boxes.
        HWND box = FindWindowW(L"#32770", title);
        if (box != nullptr) {
            wchar_t text[4096] = {};
            // The message text is the static control with the id 0xFFFF.
            GetDlgItemTextW(box, 0xFFFF, text, 4096);
            WriteUtf8(path, text);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return true;
        }
        if (GetTickCount() - start > milliseconds)
            return false;
        Sleep(50);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::wstring verb = argv[i];
        if (verb == L"/reg" && i + 4 < argc) {
            if (!WriteRegistry(argv[i + 1], argv[i + 2], argv[i + 3], argv[i + 4]))
                return 2;
            i += 4;
        } else if (verb == L"/file" && i + 2 < argc) {
            if (!WriteUtf8(argv[i + 1], argv[i + 2]))
                return 3;
            i += 2;
        } else if (verb == L"/osver" && i + 1 < argc) {
            if (!WriteUtf8(argv[i + 1], OsVersion()))
                return 3;
            i += 1;
        } else if (verb == L"/sleep" && i + 1 < argc) {
            Sleep(static_cast<DWORD>(_wtoi(argv[i + 1])));
            i += 1;
        } else if (verb == L"/holdmutex" && i + 2 < argc) {
            if (!HoldMutex(argv[i + 1], static_cast<DWORD>(_wtoi(argv[i + 2]))))
                return 5;
            i += 2;
        } else if (verb == L"/closebox" && i + 3 < argc) {
            if (!CloseBox(argv[i + 1], static_cast<DWORD>(_wtoi(argv[i + 2])), argv[i + 3]))
                return 4;
            i += 3;
        } else if (verb == L"/exit" && i + 1 < argc) {
            return _wtoi(argv[i + 1]);
        } else {
            fwprintf(stderr, L"e2e_probe: bad argument %ls\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
