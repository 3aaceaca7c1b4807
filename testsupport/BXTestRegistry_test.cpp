#include "BXTestRegistry.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace {

bool ReadString(HKEY root, const wchar_t* path, const wchar_t* name, std::wstring& value)
{
    wchar_t buffer[256];
    DWORD size = sizeof(buffer);
    if (RegGetValueW(root, path, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return false;
    value = buffer;
    return true;
}

bool KeyExists(HKEY root, const std::wstring& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

} // namespace

TEST(BXTestRegistry, RedirectsRootsIntoScratchKeyAndRemovesIt)
{
    std::wstring scratch;
    {
        BXTestRegistry registry({HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER});
        scratch = registry.ScratchPath();
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Brenix\\Probe", 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const wchar_t text[] = L"isolated";
        ASSERT_EQ(RegSetValueExW(key, L"Value", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text)),
                  ERROR_SUCCESS);
        RegCloseKey(key);

        std::wstring value;
        EXPECT_TRUE(ReadString(HKEY_LOCAL_MACHINE, L"Software\\Brenix\\Probe", L"Value", value));
        EXPECT_EQ(value, L"isolated");
        // Seen from the test's own HKCU, the write is invisible: HKCU is redirected too.
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, scratch));
    }
    // After the object is gone, the real machine has neither the value nor the scratch key.
    std::wstring value;
    EXPECT_FALSE(ReadString(HKEY_LOCAL_MACHINE, L"Software\\Brenix\\Probe", L"Value", value));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, scratch));
}

TEST(BXTestRegistry, SweepsScratchKeysOlderThanADayOnly)
{
    const long long now = static_cast<long long>(std::time(nullptr));
    const std::wstring base = std::wstring(BXTestRegistry::kTestsKey) + L"\\";
    const std::wstring old = base + std::to_wstring(now - 2 * 86400) + L"$old";
    const std::wstring fresh = base + std::to_wstring(now - 60) + L"$fresh";
    for (const std::wstring& path : {old, fresh}) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (path + L"\\HKLM").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    BXTestRegistry::SweepStale(86400);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, old));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, fresh));
    RegDeleteTreeW(HKEY_CURRENT_USER, fresh.c_str());
}
