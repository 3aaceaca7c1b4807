#include "BXFileSystem.h"
#include "BXFileTestTools.h"
#include "BXHandle.h"
#include "BXScopedTempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

BXString Path(const fs::path& path)
{
    return BXString(path.wstring().c_str());
}

class FileSystemTest : public ::testing::Test {
protected:
    BXFileTestTools m_tools;
    BXScopedTempFolder m_temp;
    BXString Under(const char* relative) const { return Path(m_temp.Path() / relative); }
    size_t FileCount() const
    {
        size_t count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_temp.Path())) {
            ++count;
        }
        return count;
    }
};

TEST_F(FileSystemTest, SafeReplaceFileReplacesAndLeavesNoBackup)
{
    m_temp.WriteFile("target.dll", "old");
    m_temp.WriteFile("new.tmp", "new");
    EXPECT_TRUE(BXFileSystem::SafeReplaceFile(Under("target.dll"), Under("new.tmp")));
    EXPECT_EQ(m_temp.ReadFile("target.dll"), "new");
    EXPECT_EQ(FileCount(), 1u);
    EXPECT_TRUE(m_tools.m_log.empty());
}

TEST_F(FileSystemTest, SafeReplaceFileWithoutATargetMovesTheNewFile)
{
    m_temp.WriteFile("new.tmp", "new");
    EXPECT_TRUE(BXFileSystem::SafeReplaceFile(Under("target.dll"), Under("new.tmp")));
    EXPECT_EQ(m_temp.ReadFile("target.dll"), "new");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(FileSystemTest, SafeReplaceFileWithAMissingNewFileLeavesTheTarget)
{
    m_temp.WriteFile("target.dll", "old");
    EXPECT_FALSE(BXFileSystem::SafeReplaceFile(Under("target.dll"), Under("new.tmp")));
    EXPECT_EQ(m_temp.ReadFile("target.dll"), "old");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(FileSystemTest, SafeReplaceFileWithALockedTargetKeepsItAndDeletesTheNewFile)
{
    m_temp.WriteFile("target.dll", "old");
    m_temp.WriteFile("new.tmp", "new");
    {
        BXHandle locked(::CreateFileW(Under("target.dll").W(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(locked.IsValid());
        EXPECT_FALSE(BXFileSystem::SafeReplaceFile(Under("target.dll"), Under("new.tmp")));
    }
    EXPECT_EQ(m_temp.ReadFile("target.dll"), "old");
    EXPECT_FALSE(fs::exists(m_temp.Path() / "new.tmp"));
    EXPECT_EQ(FileCount(), 1u);
    ASSERT_EQ(m_tools.m_log.size(), 1u);
    EXPECT_EQ(m_tools.m_log[0].m_source, u"BXFileSystem::SafeReplaceFile");
    EXPECT_EQ(m_tools.m_log[0].m_text, u"Error renaming original file");
}

TEST_F(FileSystemTest, SafeReplaceFileRestoresTheTargetWhenTheNewFileCannotMove)
{
    m_temp.WriteFile("target.dll", "old");
    m_temp.WriteFile("new.tmp", "new");
    {
        // The new file is held open: it cannot be renamed, nor deleted until released.
        BXHandle busy(::CreateFileW(Under("new.tmp").W(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(busy.IsValid());
        EXPECT_FALSE(BXFileSystem::SafeReplaceFile(Under("target.dll"), Under("new.tmp")));
    }
    EXPECT_EQ(m_temp.ReadFile("target.dll"), "old");
    ASSERT_EQ(m_tools.m_log.size(), 1u);
    EXPECT_EQ(m_tools.m_log[0].m_text, u"Error moving new file into place of original name");
    // Only the target and the new file that could not be deleted while open.
    EXPECT_EQ(FileCount(), 2u);
}

TEST_F(FileSystemTest, GetUnusedFileNameCountsUp)
{
    BXString free = Under("a.txt");
    GetUnusedFileName(free);
    EXPECT_EQ(free, Under("a.txt"));

    m_temp.WriteFile("a.txt", "");
    m_temp.WriteFile("a (1).txt", "");
    BXString path = Under("a.txt");
    GetUnusedFileName(path);
    EXPECT_EQ(path, Under("a (2).txt"));

    m_temp.WriteFile("b (12345)", "");
    BXString counter = Under("b (12345)");
    GetUnusedFileName(counter);
    EXPECT_EQ(counter, Under("b (12345) (1)"));

    m_temp.WriteFile("c(3).log", "");
    BXString tight = Under("c(3).log");
    GetUnusedFileName(tight);
    EXPECT_EQ(tight, Under("c(4).log"));
}

TEST_F(FileSystemTest, GetTemporaryFileName)
{
    const BXString folder = Path(m_temp.Path());
    EXPECT_EQ(GetTemporaryFileName(folder, u"Setup", u"log", false), folder + u"\\Setup.log");
    m_temp.WriteFile("Setup.log", "");
    EXPECT_EQ(GetTemporaryFileName(folder + u"\\", u"Setup", u"log", false), folder + u"\\Setup (1).log");
    EXPECT_EQ(GetTemporaryFileName(folder, u"Setup", u"", true),
              folder + BXString::Formatted(u"\\Setup - %d", uint32_t(::GetCurrentThreadId())));

    // Without a folder: the product's temporary folder.
    m_tools.m_applicationDataFolder = Under("AppData").GetString();
    EXPECT_EQ(GetTemporaryFileName(u"", u"x", u"tmp", false), folder + u"\\AppData\\Temp\\x.tmp");
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "AppData" / "Temp"));
}

} // namespace
