#include "BXOsVersionTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct VersionCase {
    uint32_t platformId;
    uint32_t major;
    uint32_t minor;
    const BXChar* servicePack;
    int32_t code;
    std::u16string name;
};

TEST(BXOsVersionTable, NamesEveryKnownVersion)
{
    const VersionCase cases[] = {
        {kPlatformWindows9x, 4, 0, u"", 1000, u"Microsoft Windows 95"},
        {kPlatformWindows9x, 4, 10, u"", 1001, u"Microsoft Windows 98"},
        {kPlatformWindows9x, 4, 10, u" A ", 1002, u"Microsoft Windows 98"},
        {kPlatformWindows9x, 4, 10, nullptr, 1001, u"Microsoft Windows 98"},
        // Only the second character marks the second edition.
        {kPlatformWindows9x, 4, 10, u"A", 1001, u"Microsoft Windows 98"},
        {kPlatformWindows9x, 4, 10, u" B", 1001, u"Microsoft Windows 98"},
        {kPlatformWindows9x, 4, 90, u" A", 1003, u"Microsoft Windows ME"},
        {kPlatformWindowsNt, 3, 51, u"", 1004, u"Microsoft Windows NT"},
        {kPlatformWindowsNt, 4, 0, u"Service Pack 6", 1004, u"Microsoft Windows NT"},
        {kPlatformWindowsNt, 5, 0, u"", 1005, u"Microsoft Windows 2000"},
        {kPlatformWindowsNt, 5, 1, u"Service Pack 3", 1006, u"Microsoft Windows XP"},
        {kPlatformWindowsNt, 5, 2, u"", 1007, u"Microsoft Windows Server 2003"},
        {kPlatformWindowsNt, 6, 0, u"", 1008, u"Microsoft Windows Vista"},
        {kPlatformWindowsNt, 6, 1, u"Service Pack 1", 1009, u"Microsoft Windows 7"},
        {kPlatformWindowsNt, 6, 2, u"", 1010, u"Microsoft Windows 8"},
        {kPlatformWindowsNt, 6, 3, u"", 1011, u"Microsoft Windows 8.1"},
        {kPlatformWindowsNt, 10, 0, u"", 1012, u"Microsoft Windows 10"},
        {kPlatformWindowsNt, 10, 1, u"", 1013, u"Microsoft Windows New (10.1)"},
        {kPlatformWindowsNt, 6, 4, u"", 1013, u"Microsoft Windows New (6.4)"},
        {kPlatformWindowsNt, 11, 0, u"", 1013, u"Microsoft Windows New (11.0)"},
        {kPlatformWindows9x, 4, 20, u"", 0, u"Unknown OS"},
        {kPlatformWindows9x, 5, 0, u"", 0, u"Unknown OS"},
        {0, 3, 10, u"", 0, u"Unknown OS"}, // Win32s
        {3, 5, 0, u"", 0, u"Unknown OS"},  // CE
    };
    for (const VersionCase& c : cases) {
        const BXOsVersionName result = DescribeOsVersion(c.platformId, c.major, c.minor, c.servicePack);
        EXPECT_EQ(result.code, c.code) << "platform " << c.platformId << " " << c.major << "." << c.minor;
        EXPECT_EQ(std::u16string(result.name.GetString()), c.name)
            << "platform " << c.platformId << " " << c.major << "." << c.minor;
    }
}

TEST(BXOsVersionTable, UnknownAnswer)
{
    const BXOsVersionName unknown = UnknownOsVersion();
    EXPECT_EQ(unknown.code, 0);
    EXPECT_EQ(std::u16string(unknown.name.GetString()), u"Unknown OS");
}

} // namespace
