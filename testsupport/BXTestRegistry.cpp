#include "BXTestRegistry.h"

#include <objbase.h>

#include <cwchar>
#include <ctime>
#include <stdexcept>

namespace {

const wchar_t* RootName(HKEY root)
{
    if (root == HKEY_LOCAL_MACHINE)
        return L"HKLM";
    if (root == HKEY_CURRENT_USER)
        return L"HKCU";
    if (root == HKEY_CLASSES_ROOT)
        return L"HKCR";
    if (root == HKEY_USERS)
        return L"HKU";
    throw std::invalid_argument("BXTestRegistry: unsupported root");
}

std::wstring NewScratchName()
{
    GUID guid{};
    CoCreateGuid(&guid);
    wchar_t guidText[64] = {};
    StringFromGUID2(guid, guidText, 64);
    return std::to_wstring(static_cast<long long>(std::time(nullptr))) + L"$" + guidText;
}

} // namespace

BXTestRegistry::BXTestRegistry(std::initializer_list<HKEY> roots) : m_roots(roots)
{
    SweepStale(24 * 60 * 60);
    m_scratchPath = std::wstring(kTestsKey) + L"\\" + NewScratchName();
    for (HKEY root : m_roots) {
        const std::wstring path = m_scratchPath + L"\\" + RootName(root);
        HKEY target = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &target,
                            nullptr) != ERROR_SUCCESS)
            throw std::runtime_error("BXTestRegistry: cannot create the scratch key");
        m_targets.push_back(target);
    }
    // Redirect only after every scratch key exists: redirecting HKCU first
    // would create the later ones inside the redirected tree.
    for (size_t i = 0; i < m_roots.size(); ++i)
        RegOverridePredefKey(m_roots[i], m_targets[i]);
}

BXTestRegistry::~BXTestRegistry()
{
    for (HKEY root : m_roots)
        RegOverridePredefKey(root, nullptr);
    for (HKEY target : m_targets)
        RegCloseKey(target);
    RegDeleteTreeW(HKEY_CURRENT_USER, m_scratchPath.c_str());
}

void BXTestRegistry::SweepStale(long long maxAgeSeconds)
{
    HKEY tests = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kTestsKey, 0, KEY_ALL_ACCESS, &tests) != ERROR_SUCCESS)
        return;
    const long long now = static_cast<long long>(std::time(nullptr));
    std::vector<std::wstring> stale;
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD length = 256;
        if (RegEnumKeyExW(tests, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        const long long stamp = std::wcstoll(name, nullptr, 10);
        if (stamp > 0 && now - stamp > maxAgeSeconds)
            stale.emplace_back(name);
    }
    for (const std::wstring& name : stale)
        RegDeleteTreeW(tests, name.c_str());
    RegCloseKey(tests);
}
