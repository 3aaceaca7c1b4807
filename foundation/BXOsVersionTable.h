// Names the Windows version that GetVersionExW reports: a code (0 unknown,
// 1000 Windows 95 up to 1012 Windows 10, 1013 a later NT version) and the
// display name. No system call: the same answer in every build.
#pragma once

#include "BXString.h"

// dwPlatformId values of OSVERSIONINFO.
constexpr uint32_t kPlatformWindows9x = 1;
constexpr uint32_t kPlatformWindowsNt = 2;

constexpr int32_t kOsUnknown = 0;
constexpr int32_t kOsWindows95 = 1000;
constexpr int32_t kOsWindows98 = 1001;
constexpr int32_t kOsWindows98SecondEdition = 1002;
constexpr int32_t kOsWindowsMe = 1003;
constexpr int32_t kOsWindowsNt = 1004;
constexpr int32_t kOsWindows2000 = 1005;
constexpr int32_t kOsWindowsXp = 1006;
constexpr int32_t kOsWindowsServer2003 = 1007;
constexpr int32_t kOsWindowsVista = 1008;
constexpr int32_t kOsWindows7 = 1009;
constexpr int32_t kOsWindows8 = 1010;
constexpr int32_t kOsWindows81 = 1011;
constexpr int32_t kOsWindows10 = 1012;
constexpr int32_t kOsWindowsNew = 1013;

struct BXOsVersionName {
    int32_t code = kOsUnknown;
    BXString name;
};

// servicePack is the szCSDVersion text (null is taken as empty).
BXOsVersionName DescribeOsVersion(uint32_t platformId, uint32_t major, uint32_t minor, const BXChar* servicePack);
// The answer when the version cannot be read.
BXOsVersionName UnknownOsVersion();
