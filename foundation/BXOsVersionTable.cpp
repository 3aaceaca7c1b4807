#include "BXOsVersionTable.h"

namespace {

struct VersionRow {
    uint32_t platformId;
    uint32_t major;
    uint32_t minor;
    int32_t code;
    const BXChar* name;
};

constexpr VersionRow kRows[] = {
    {kPlatformWindows9x, 4, 0, kOsWindows95, u"Microsoft Windows 95"},
    {kPlatformWindows9x, 4, 10, kOsWindows98, u"Microsoft Windows 98"},
    {kPlatformWindows9x, 4, 90, kOsWindowsMe, u"Microsoft Windows ME"},
    {kPlatformWindowsNt, 5, 0, kOsWindows2000, u"Microsoft Windows 2000"},
    {kPlatformWindowsNt, 5, 1, kOsWindowsXp, u"Microsoft Windows XP"},
    {kPlatformWindowsNt, 5, 2, kOsWindowsServer2003, u"Microsoft Windows Server 2003"},
    {kPlatformWindowsNt, 6, 0, kOsWindowsVista, u"Microsoft Windows Vista"},
    {kPlatformWindowsNt, 6, 1, kOsWindows7, u"Microsoft Windows 7"},
    {kPlatformWindowsNt, 6, 2, kOsWindows8, u"Microsoft Windows 8"},
    {kPlatformWindowsNt, 6, 3, kOsWindows81, u"Microsoft Windows 8.1"},
    {kPlatformWindowsNt, 10, 0, kOsWindows10, u"Microsoft Windows 10"},
};

} // namespace

BXOsVersionName UnknownOsVersion()
{
    return {kOsUnknown, BXString(u"Unknown OS")};
}

BXOsVersionName DescribeOsVersion(uint32_t platformId, uint32_t major, uint32_t minor, const BXChar* servicePack)
{
    for (const VersionRow& row : kRows) {
        if (row.platformId != platformId || row.major != major || row.minor != minor)
            continue;
        // The second edition of 98 marks itself with " A" in the service-pack text.
        if (row.code == kOsWindows98 && servicePack != nullptr && servicePack[0] != 0 && servicePack[1] == u'A')
            return {kOsWindows98SecondEdition, BXString(row.name)};
        return {row.code, BXString(row.name)};
    }
    if (platformId == kPlatformWindowsNt && major <= 4)
        return {kOsWindowsNt, BXString(u"Microsoft Windows NT")};
    if (platformId == kPlatformWindowsNt && major >= 5)
        return {kOsWindowsNew, BXString::Formatted(u"Microsoft Windows New (%d.%d)", major, minor)};
    return UnknownOsVersion();
}
