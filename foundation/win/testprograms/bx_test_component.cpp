// Component library of the registration tests. Each registration entry
// appends "<entry>|<current directory>" to the file named by the environment
// variable BX_TEST_COMPONENT_RECORD and returns S_OK, or E_FAIL when the
// variable BX_TEST_COMPONENT_FAIL is set.
#include <windows.h>

#include <string>

namespace {

HRESULT Record(const wchar_t* entry)
{
    wchar_t file[2048] = {};
    if (::GetEnvironmentVariableW(L"BX_TEST_COMPONENT_RECORD", file, 2048) != 0) {
        wchar_t folder[2048] = {};
        ::GetCurrentDirectoryW(2048, folder);
        const std::wstring line = std::wstring(entry) + L"|" + folder + L"\n";
        const int bytes =
            ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), nullptr, 0, nullptr, nullptr);
        std::string utf8(size_t(bytes), '\0');
        ::WideCharToMultiByte(CP_UTF8, 0, line.c_str(), int(line.size()), utf8.data(), bytes, nullptr, nullptr);
        HANDLE handle = ::CreateFileW(file, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            ::WriteFile(handle, utf8.data(), DWORD(utf8.size()), &written, nullptr);
            ::CloseHandle(handle);
        }
    }
    return ::GetEnvironmentVariableW(L"BX_TEST_COMPONENT_FAIL", nullptr, 0) != 0 ? E_FAIL : S_OK;
}

} // namespace

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    return Record(L"DllRegisterServer");
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    return Record(L"DllUnregisterServer");
}
