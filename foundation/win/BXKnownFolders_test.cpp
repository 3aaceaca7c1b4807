#include "BXFileTestTools.h"
#include "BXKnownFolders.h"
#include "BXPathText.h"
#include "BXProcessPaths.h"
#include "BXRegKey.h"
#include "BXScopedTempFolder.h"
#include "BXTestRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

BXString Path(const fs::path& path)
{
    return BXString(path.wstring().c_str());
}

bool IsExistingFolder(const BXString& folder)
{
    return folder.HasTrailingBackslash() && folder.EndsWith(u"\\\\") != 0 && fs::is_directory(folder.W());
}

TEST(BXKnownFolders, SystemFoldersExistAndEndWithOneBackslash)
{
    for (const BXString& folder : {GetSystemFolder(), GetWindowsFolder(), GetFontsFolder(), GetCommonProgramsFolder(),
                                   GetUserApplicationDataFolder()}) {
        EXPECT_TRUE(IsExistingFolder(folder)) << folder.ToUtf8().Get();
    }
    EXPECT_EQ(GetFontsFolder().CompareNoCase(GetWindowsFolder() + u"Fonts\\"), 0);
    EXPECT_TRUE(GetShellFolder(0x7fff).IsEmpty());
}

TEST(BXKnownFolders, ProgramFilesFromTheRegistryWithAFallBack)
{
    BXTestRegistry registry({HKEY_LOCAL_MACHINE});
    EXPECT_EQ(GetProgramFilesFolder(), BXString(u"C:\\Program Files\\"));

    BXScopedTempFolder temp;
    BXRegKey key;
    ASSERT_TRUE(key.Create(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion"));
    ASSERT_TRUE(key.WriteString(u"ProgramFilesDir", Path(temp.Path())));
    EXPECT_EQ(GetProgramFilesFolder(), Path(temp.Path()) + u"\\");
}

TEST(BXKnownFolders, MusicFolderEndsInMyMusic)
{
    const BXString music = GetMusicFolder();
    EXPECT_EQ(music.EndsWith(u"\\My Music\\"), 0) << music.ToUtf8().Get();
    const int32_t first = music.Find(u"My Music");
    EXPECT_LT(music.Find(u"My Music", first + 1), 0) << "appended once";
}

TEST(BXKnownFolders, ProductFoldersFollowThePathRecord)
{
    const BXString program = GetProcessPaths().GetProgramPath();
    EXPECT_EQ(GetSkinsFolder().CompareNoCase(JoinPath(program, u"Skins")), 0);
    EXPECT_EQ(GetMiniSkinsFolder(), GetSkinsFolder() + u"Mini View\\");
    EXPECT_EQ(GetStandardSkinsFolder(), GetSkinsFolder() + u"Standard View\\");
    EXPECT_EQ(GetFullScreenSkinsFolder(), GetSkinsFolder() + u"Lounge View\\");
}

class TemporaryFolderTest : public ::testing::Test {
protected:
    BXFileTestTools m_tools;
    BXScopedTempFolder m_temp;
};

TEST_F(TemporaryFolderTest, ConfiguredLocationGetsABrenixFolder)
{
    m_tools.m_properties[kTempLocationSetting] = Path(m_temp.Path() / "custom").GetString();
    EXPECT_EQ(GetTemporaryFolder(), Path(m_temp.Path()) + u"\\custom\\Brenix\\");
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "custom" / "Brenix"));
    EXPECT_EQ(m_tools.m_properties.count(kTempLocationSetting), 1u);
}

TEST_F(TemporaryFolderTest, UncreatableLocationIsForgotten)
{
    m_temp.WriteFile("a file", "");
    m_tools.m_properties[kTempLocationSetting] = Path(m_temp.Path() / "a file").GetString();
    m_tools.m_applicationDataFolder = Path(m_temp.Path() / "AppData").GetString();
    EXPECT_EQ(GetTemporaryFolder(), Path(m_temp.Path()) + u"\\AppData\\Temp\\");
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "AppData" / "Temp"));
    EXPECT_EQ(m_tools.m_properties.count(kTempLocationSetting), 0u);
}

TEST_F(TemporaryFolderTest, ProductApplicationDataWithoutSettingsService)
{
    m_tools.m_withSettings = false;
    BXString expected = GetApplicationDataFolder() + u"Brenix\\Generic\\";
    EXPECT_EQ(GetProductApplicationDataFolder(), expected);
}

} // namespace
