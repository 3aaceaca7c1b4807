#include "BXProcessPaths.h"

#include "BXRegKey.h"
#include "BXScopedTempFolder.h"
#include "BXTestRegistry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

namespace {

BXString UniqueBlockName()
{
    static int counter = 0;
    return BXString::Formatted(u"Brenix Process Test %d-%d", ::GetCurrentProcessId(), ++counter);
}

BXString ToBX(const std::filesystem::path& path)
{
    return BXString(BXFromWide(path.wstring().c_str()));
}

int32_t ReadInt32(const uint8_t* record, uint32_t offset)
{
    int32_t value = 0;
    std::memcpy(&value, record + offset, sizeof(value));
    return value;
}

struct Installation {
    const BXChar* name;
    const BXChar* path;
};

void AddInstallations(const std::vector<Installation>& installations, const BXChar* current)
{
    BXRegKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, BXProcessPaths::kInstallationsKey));
    if (current != nullptr)
        key.WriteString(u"", BXString(current));
    for (const Installation& installation : installations) {
        BXRegKey sub;
        ASSERT_TRUE(sub.Create(key.Get(), installation.name));
        sub.WriteString(u"Path", BXString(installation.path));
    }
}

} // namespace

TEST(BXProcessPaths, FreshRecordHasTheFixedLayout)
{
    BXTestRegistry registry({HKEY_LOCAL_MACHINE});
    BXProcessPaths paths(UniqueBlockName(), u"C:\\Package\\InstallWizard.exe");
    ASSERT_TRUE(paths.IsValid());
    EXPECT_TRUE(paths.WasCreatedHere());
    const uint8_t* record = paths.RawRecord();
    EXPECT_EQ(record[0], 1);
    EXPECT_EQ(record[1], 0);
    EXPECT_EQ(paths.GetExecutablePath(), BXString(u"C:\\Package\\InstallWizard.exe"));
    EXPECT_EQ(paths.GetProgramPath(), BXString());
    EXPECT_EQ(uint32_t(ReadInt32(record, BXProcessPaths::kOffsetSettingsRoot)), 0x80000001u);
    EXPECT_EQ(uint32_t(ReadInt32(record, BXProcessPaths::kOffsetMainThread)), ::GetCurrentThreadId());
    EXPECT_EQ(ReadInt32(record, 3160), -1);
    EXPECT_EQ(ReadInt32(record, 3164), -1);
    EXPECT_EQ(ReadInt32(record, 3168), 99);
    EXPECT_EQ(record[BXProcessPaths::kOffsetInstallerFlag], 0);
    EXPECT_EQ(record[BXProcessPaths::kOffsetPortableFlag], 0);
    for (uint32_t offset = 2625; offset < 3160; ++offset)
        ASSERT_EQ(record[offset], 0) << offset;

    const BXString appData = paths.GetApplicationDataPath();
    EXPECT_TRUE(appData.HasTrailingBackslash());
    EXPECT_NE(appData.FindNoCase(u"AppData"), -1);

    paths.SetInstallerFlag();
    EXPECT_EQ(record[BXProcessPaths::kOffsetInstallerFlag], 1);
    EXPECT_TRUE(paths.IsMainThread());
    bool otherThreadIsMain = true;
    std::thread([&] { otherThreadIsMain = paths.IsMainThread(); }).join();
    EXPECT_FALSE(otherThreadIsMain);
}

TEST(BXProcessPaths, PortableDatMakesTheProgramFolderThePortableInstallation)
{
    BXTestRegistry registry({HKEY_LOCAL_MACHINE});
    AddInstallations({{u"Cantora 23", u"C:\\Elsewhere\\"}}, u"Cantora 23");
    BXScopedTempFolder folder;
    folder.WriteFile("Portable.dat", "");
    const BXString base = ToBX(folder.Path()) + u"\\";
    BXProcessPaths paths(UniqueBlockName(), base + u"Cantora.exe");
    EXPECT_TRUE(paths.IsPortable());
    EXPECT_EQ(paths.GetProgramPath(), base);
    EXPECT_EQ(paths.GetDataPath(), base);
    EXPECT_EQ(paths.GetLibraryPath(), base);
    EXPECT_EQ(paths.GetApplicationDataPath(), base + u"Application Data\\");
}

TEST(BXProcessPaths, PortableDatThatIsAFolderDoesNotCount)
{
    BXTestRegistry registry({HKEY_LOCAL_MACHINE});
    BXScopedTempFolder folder;
    std::filesystem::create_directory(folder.Path() / "Portable.dat");
    BXProcessPaths paths(UniqueBlockName(), ToBX(folder.Path()) + u"\\Cantora.exe");
    EXPECT_FALSE(paths.IsPortable());
    EXPECT_EQ(paths.GetProgramPath(), BXString());
}

TEST(BXProcessPaths, ResolvesTheInstallationFromTheInstallationsKey)
{
    struct Case {
        const char* what;
        std::vector<Installation> installations;
        const BXChar* current;
        const BXChar* productName;
        const BXChar* expected;
    };
    const Case cases[] = {
        {"prefix of the program folder, ignoring case",
         {{u"A Other", u"D:\\Other\\"}, {u"B Cantora 23", u"c:\\program files\\cantora\\"}},
         nullptr,
         u"",
         u"c:\\program files\\cantora\\"},
        {"first of two prefixes in enumeration order",
         {{u"A First", u"C:\\Program Files\\"}, {u"B Second", u"C:\\Program Files\\Cantora\\"}},
         nullptr,
         u"",
         u"C:\\Program Files\\"},
        {"no prefix: the current product's path",
         {{u"A Old", u"D:\\Old\\"}, {u"B Cantora 23", u"D:\\Cantora 23\\"}},
         u"B Cantora 23",
         u"",
         u"D:\\Cantora 23\\"},
        {"empty paths are passed over", {{u"A Empty", u""}, {u"B Cantora 23", u"E:\\C23\\"}}, u"A Empty", u"", u""},
        {"with a name only that name counts, even when another is a prefix",
         {{u"A Prefix", u"C:\\Program Files\\Cantora\\"}, {u"Cantora 23", u"F:\\Target\\"}},
         nullptr,
         u"Cantora 23",
         u"F:\\Target\\"},
        {"a name that is not there gives nothing",
         {{u"A Prefix", u"C:\\Program Files\\Cantora\\"}},
         nullptr,
         u"Cantora 24",
         u""},
        {"a path without backslash gets one", {{u"X", u"C:\\Program Files"}}, nullptr, u"", u"C:\\Program Files\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BXTestRegistry registry({HKEY_LOCAL_MACHINE});
        AddInstallations(c.installations, c.current);
        BXProcessPaths paths(UniqueBlockName(), u"C:\\Program Files\\Cantora\\Setup\\InstallWizard.exe");
        paths.ResolveProgramPath(BXString(c.productName), true, false);
        EXPECT_EQ(paths.GetProgramPath(), BXString(c.expected));
        EXPECT_EQ(paths.GetDataPath(), BXString(c.expected));
    }
}

TEST(BXProcessPaths, MissingInstallationsKeyGivesAnEmptyProgramPath)
{
    BXTestRegistry registry({HKEY_LOCAL_MACHINE});
    BXProcessPaths paths(UniqueBlockName(), u"C:\\Package\\InstallWizard.exe");
    paths.SetProgramPath(u"C:\\Before", true, false);
    paths.ResolveProgramPath(u"Cantora 23", false, false);
    EXPECT_EQ(paths.GetProgramPath(), BXString());
    EXPECT_EQ(paths.GetDataPath(), BXString(u"C:\\Before\\"));
}

TEST(BXProcessPaths, SecondModuleSharesTheBlockButDoesNotOwnIt)
{
    BXTestRegistry registry({HKEY_LOCAL_MACHINE});
    const BXString name = UniqueBlockName();
    BXProcessPaths first(name, u"C:\\Package\\InstallWizard.exe");
    BXProcessPaths second(name, u"C:\\Ignored\\Other.exe");
    EXPECT_TRUE(first.WasCreatedHere());
    EXPECT_FALSE(second.WasCreatedHere());
    EXPECT_EQ(second.GetExecutablePath(), BXString(u"C:\\Package\\InstallWizard.exe"));

    second.SetProgramPath(u"D:\\Refused", false, true);
    EXPECT_EQ(first.GetProgramPath(), BXString());
    second.SetProgramPath(u"D:\\Taken", false, false);
    EXPECT_EQ(first.GetProgramPath(), BXString(u"D:\\Taken\\"));
    first.SetLibraryPath(u"C:\\Package\\Vantune\\\\");
    EXPECT_EQ(second.GetLibraryPath(), BXString(u"C:\\Package\\Vantune\\"));
}

TEST(BXProcessPaths, LongPathsAreCutTo260Characters)
{
    BXTestRegistry registry({HKEY_LOCAL_MACHINE});
    BXProcessPaths paths(UniqueBlockName(), u"C:\\Package\\InstallWizard.exe");
    BXString longPath(u"C:\\");
    while (longPath.GetLength() < 300)
        longPath.Append(u"abcdefghi\\");
    paths.SetDataPath(longPath.Left(299));
    EXPECT_EQ(paths.GetDataPath(), (longPath.Left(299) + u"\\").Left(260));
    paths.SetDataPath(u"");
    EXPECT_EQ(paths.GetDataPath(), BXString());
}

TEST(BXProcessPaths, UnmappableBlockAnswersEmptyAndIgnoresSetters)
{
    BXProcessPaths paths(BXString(), u"C:\\Package\\InstallWizard.exe");
    EXPECT_FALSE(paths.IsValid());
    paths.SetProgramPath(u"C:\\X", true, false);
    paths.SetInstallerFlag();
    EXPECT_EQ(paths.GetProgramPath(), BXString());
    EXPECT_EQ(paths.GetExecutablePath(), BXString());
    EXPECT_FALSE(paths.IsMainThread());
}

TEST(BXProcessPaths, ProcessRecordIsNamedAfterTheProcess)
{
    EXPECT_EQ(BXProcessPaths::RecordName(1234), BXString(u"Brenix Process v23 (1234)"));
    BXProcessPaths& paths = GetProcessPaths();
    EXPECT_EQ(&paths, &GetProcessPaths());
    EXPECT_TRUE(paths.IsValid());
    EXPECT_NE(paths.GetExecutablePath().FindNoCase(u"foundation_test"), -1);
}
