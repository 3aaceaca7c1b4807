// Registry isolation for unit tests: while an object lives, the predefined
// roots it was given are redirected (process-wide, every thread) to subkeys
// of HKCU\Software\Brenix Tests\<time>$<guid>, which is deleted afterwards.
// Scratch keys older than a day, left by crashed runs, are swept on creation.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

class BXTestRegistry {
public:
    explicit BXTestRegistry(std::initializer_list<HKEY> roots);
    ~BXTestRegistry();
    BXTestRegistry(const BXTestRegistry&) = delete;
    BXTestRegistry& operator=(const BXTestRegistry&) = delete;

    // Path of the scratch key below the real HKCU.
    const std::wstring& ScratchPath() const { return m_scratchPath; }

    static constexpr const wchar_t* kTestsKey = L"Software\\Brenix Tests";

    // Removes scratch keys whose time stamp is older than maxAgeSeconds.
    static void SweepStale(long long maxAgeSeconds);

private:
    std::wstring m_scratchPath;
    std::vector<HKEY> m_roots;
    std::vector<HKEY> m_targets;
};
