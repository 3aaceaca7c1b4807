// Reads the version resource of a file through "Version.dll" from the system
// folder, kept loaded for the object's lifetime. Open gives E_FAIL for any
// failure; the getters then give empty text or 0. One thread at a time.
#pragma once

#include "BXString.h"
#include "BXWindows.h"

#include <vector>

class CVersionInfo {
public:
    CVersionInfo();
    ~CVersionInfo();
    CVersionInfo(const CVersionInfo&) = delete;
    CVersionInfo& operator=(const CVersionInfo&) = delete;

    HRESULT Open(const BXString& path);
    // "%d.%d.%d.%d" or, without fourParts, "%d.%d.%d"; empty when not open.
    BXString GetVersionText(bool fourParts) const;
    uint64_t GetVersion64() const;

private:
    using SizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
    using InfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
    using QueryFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

    BXString m_path;
    std::vector<uint8_t> m_buffer;
    HMODULE m_versionDll = nullptr;
    SizeFunction m_getFileVersionInfoSize = nullptr;
    InfoFunction m_getFileVersionInfo = nullptr;
    QueryFunction m_verQueryValue = nullptr;
};

// The 64-bit version of a file, 0 when unreadable.
uint64_t GetFileVersion64(const BXString& path);
