#include "BXCpuFeatures.h"
#include "BXOptionalFunctions.h"
#include "BXSystemFacts.h"
#include "OsInfo.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

class VersionFacts final : public BXOsSystemFacts {
public:
    bool succeed = true;
    DWORD platformId = VER_PLATFORM_WIN32_NT;
    DWORD major = 0;
    DWORD minor = 0;
    const wchar_t* servicePack = L"";
    int calls = 0;

    bool GetVersion(OSVERSIONINFOEXW* info) override
    {
        ++calls;
        ZeroMemory(info, sizeof(*info));
        if (!succeed)
            return false;
        info->dwOSVersionInfoSize = sizeof(*info);
        info->dwPlatformId = platformId;
        info->dwMajorVersion = major;
        info->dwMinorVersion = minor;
        wcsncpy(info->szCSDVersion, servicePack, 127);
        return true;
    }
};

class MaskFacts final : public BXOsSystemFacts {
public:
    explicit MaskFacts(uint32_t mask) : m_mask(mask) {}
    uint32_t GetCpuFeatureMask() override
    {
        ++calls;
        return m_mask;
    }
    int calls = 0;

private:
    uint32_t m_mask;
};

TEST(OsInfo, ReadsTheVersionThroughTheFacts)
{
    struct Case {
        DWORD platformId;
        DWORD major;
        DWORD minor;
        const wchar_t* servicePack;
        int32_t code;
        std::u16string name;
    } const cases[] = {
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, L" A ", 1002, u"Microsoft Windows 98"},
        {VER_PLATFORM_WIN32_WINDOWS, 4, 90, L"", 1003, u"Microsoft Windows ME"},
        {VER_PLATFORM_WIN32_NT, 5, 0, L"Service Pack 4", 1005, u"Microsoft Windows 2000"},
        {VER_PLATFORM_WIN32_NT, 10, 0, L"", 1012, u"Microsoft Windows 10"},
        {VER_PLATFORM_WIN32_NT, 10, 1, L"", 1013, u"Microsoft Windows New (10.1)"},
    };
    for (const Case& c : cases) {
        VersionFacts facts;
        facts.platformId = c.platformId;
        facts.major = c.major;
        facts.minor = c.minor;
        facts.servicePack = c.servicePack;
        BXScopedSystemFacts scope(facts);
        EXPECT_EQ(GetOsVersionCode(), c.code);
        EXPECT_EQ(std::u16string(OsInfo::Get().GetName().GetString()), c.name);
    }
}

TEST(OsInfo, FailedCallIsUnknown)
{
    VersionFacts facts;
    facts.succeed = false;
    BXScopedSystemFacts scope(facts);
    EXPECT_EQ(GetOsVersionCode(), 0);
    EXPECT_EQ(std::u16string(OsInfo::Get().GetName().GetString()), u"Unknown OS");
}

TEST(OsInfo, ComputedOnceWhileTheFactsStayTheSame)
{
    VersionFacts facts;
    facts.major = 6;
    facts.minor = 1;
    BXScopedSystemFacts scope(facts);
    EXPECT_EQ(GetOsVersionCode(), 1009);
    EXPECT_EQ(GetOsVersionCode(), 1009);
    OsInfo::Get().GetName();
    EXPECT_EQ(facts.calls, 1);
}

TEST(OsInfo, TheMachineAnswerReturnsWhenAnOverrideEnds)
{
    const int32_t machine = GetOsVersionCode();
    // Under Wine the manifest lets the true version through: at least Windows 7.
    EXPECT_GE(machine, 1009);
    {
        VersionFacts facts;
        facts.platformId = VER_PLATFORM_WIN32_WINDOWS;
        facts.major = 4;
        facts.minor = 0;
        BXScopedSystemFacts scope(facts);
        EXPECT_EQ(GetOsVersionCode(), 1000);
    }
    EXPECT_EQ(GetOsVersionCode(), machine);
}

TEST(CpuFeatures, OverrideIsSeenAndTheBaseBitIsAlwaysSet)
{
    const uint32_t machine = GetCpuFeatures();
    // Every x86-64 processor has MMX, SSE and SSE2 and runs in 64-bit mode.
    EXPECT_EQ(machine & (kCpuBase | kCpuMmx | kCpuSse | kCpuSse2 | kCpu64Bit),
              kCpuBase | kCpuMmx | kCpuSse | kCpuSse2 | kCpu64Bit);
    {
        MaskFacts facts(kCpuSse2);
        BXScopedSystemFacts scope(facts);
        EXPECT_EQ(GetCpuFeatures(), kCpuBase | kCpuSse2);
        EXPECT_EQ(GetCpuFeatures(), kCpuBase | kCpuSse2);
        EXPECT_EQ(facts.calls, 1);
    }
    EXPECT_EQ(GetCpuFeatures(), machine);
}

TEST(OptionalFunctions, ResolvesWhatTheSystemHasOnce)
{
    const BXKernel32Functions& kernel32 = BXKernel32();
    EXPECT_EQ(&kernel32, &BXKernel32());
    ASSERT_NE(kernel32.IsWow64Process, nullptr);
    BOOL wow64 = TRUE;
    EXPECT_TRUE(kernel32.IsWow64Process(::GetCurrentProcess(), &wow64));
    EXPECT_FALSE(wow64); // a 64-bit process
    EXPECT_NE(kernel32.CreateNamedPipeW, nullptr);
    EXPECT_NE(kernel32.Wow64EnableWow64FsRedirection, nullptr);

    EXPECT_NE(BXUser32().SetProcessDPIAware, nullptr);
    EXPECT_NE(BXUser32().ChangeWindowMessageFilterEx, nullptr);

    // setupapi is not loaded by this process until the table needs it.
    const BXSetupApiFunctions& setupApi = BXSetupApi();
    ASSERT_NE(setupApi.SetupDiGetClassDevsW, nullptr);
    ASSERT_NE(setupApi.SetupDiDestroyDeviceInfoList, nullptr);
    HDEVINFO devices = setupApi.SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT);
    ASSERT_NE(devices, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(setupApi.SetupDiDestroyDeviceInfoList(devices));
}

} // namespace
