#include "BXFileChecks.h"
#include "BXFileTestTools.h"
#include "BXFolderOperations.h"
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

class FolderOperationsTest : public ::testing::Test {
protected:
    BXFileTestTools m_tools;
    BXScopedTempFolder m_temp;
    BXString Under(const char* relative) const { return Path(m_temp.Path() / relative); }
};

TEST_F(FolderOperationsTest, CreateFolderCreatesTheWholeChain)
{
    const BXString deep = Under("a\\b\\c");
    EXPECT_TRUE(CreateFolder(deep, true));
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "a" / "b" / "c"));
    // Existing: true at once.
    EXPECT_TRUE(CreateFolder(deep + u"\\", false));
}

TEST_F(FolderOperationsTest, CreateFolderRefusals)
{
    EXPECT_FALSE(CreateFolder(u"", false));
    // Relative: nothing is created, and only the write test makes it fail.
    EXPECT_TRUE(CreateFolder(u"relative\\x", false));
    EXPECT_FALSE(CreateFolder(u"relative\\x", true));
    EXPECT_FALSE(fs::exists("relative"));

    m_tools.m_refuseCreation = true;
    EXPECT_FALSE(CreateFolder(Under("refused"), false));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "refused"));
}

TEST(FolderOperations, CreateFolderNeedsTheToolsComponent)
{
    BXScopedTempFolder temp;
    EXPECT_FALSE(CreateFolder(Path(temp.Path() / "x"), false));
    EXPECT_FALSE(fs::exists(temp.Path() / "x"));
}

TEST_F(FolderOperationsTest, CreateFolderUnderAFileFails)
{
    m_temp.WriteFile("file", "x");
    EXPECT_FALSE(CreateFolder(Under("file\\sub"), false));
}

TEST_F(FolderOperationsTest, DeleteFolderKeepsListedNamesAndTypes)
{
    m_temp.WriteFile("d\\Thumbs.db", "t");
    m_temp.WriteFile("d\\a.txt", "a");
    m_temp.WriteFile("d\\settings.INI", "i");
    m_temp.WriteFile("d\\sub\\deep.ini", "kept only at the top level");
    fs::permissions(m_temp.Path() / "d" / "a.txt", fs::perms::owner_write, fs::perm_options::remove);

    BXStringMap<bool> names;
    names.SetAt(u"thumbs.DB", true);
    EXPECT_TRUE(DeleteFolder(Under("d"), nullptr, &names));
    EXPECT_TRUE(fs::exists(m_temp.Path() / "d" / "Thumbs.db"));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "d" / "settings.INI"));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "d" / "a.txt")); // read-only is no protection
    EXPECT_FALSE(fs::exists(m_temp.Path() / "d" / "sub"));

    m_temp.WriteFile("d\\settings.INI", "i");
    BXStringArray types;
    types.Add(u"ini");
    EXPECT_TRUE(DeleteFolder(Under("d"), &types, nullptr));
    EXPECT_TRUE(fs::exists(m_temp.Path() / "d" / "settings.INI"));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "d" / "Thumbs.db"));

    EXPECT_TRUE(DeleteFolder(Under("d")));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "d"));
    EXPECT_FALSE(DeleteFolder(u""));
    EXPECT_TRUE(DeleteFolder(Under("missing")));
}

TEST_F(FolderOperationsTest, DeleteFolderLeavesAFileInUseAndTheFolder)
{
    m_temp.WriteFile("d\\busy.bin", "b");
    m_temp.WriteFile("d\\free.bin", "f");
    BXHandle busy(::CreateFileW(BXWide(Under("d\\busy.bin")), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(busy.IsValid());
    EXPECT_TRUE(DeleteFolder(Under("d")));
    EXPECT_TRUE(fs::exists(m_temp.Path() / "d" / "busy.bin"));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "d" / "free.bin"));
}

TEST_F(FolderOperationsTest, DeleteFolderIfEmptyClimbsUntilAFolderHoldsSomething)
{
    m_temp.WriteFile("top\\keep.txt", "k");
    fs::create_directories(m_temp.Path() / "top" / "mid" / "leaf");
    DeleteFolderIfEmpty(Under("top\\mid\\leaf\\"));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "top" / "mid"));
    EXPECT_TRUE(fs::exists(m_temp.Path() / "top" / "keep.txt"));

    m_temp.WriteFile("other\\only\\Thumbs.db", "t");
    DeleteFolderIfEmpty(Under("other\\only"));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "other"));
    EXPECT_TRUE(fs::exists(m_temp.Path()));
}

TEST_F(FolderOperationsTest, CopyFolderCopiesTheTreeAndOverwrites)
{
    m_temp.WriteFile("src\\a.txt", "new a");
    m_temp.WriteFile("src\\sub\\b.txt", "b");
    fs::create_directories(m_temp.Path() / "src" / "empty");
    m_temp.WriteFile("dst\\a.txt", "old a");
    m_temp.WriteFile("dst\\untouched.txt", "u");

    EXPECT_TRUE(CopyFolder(Under("src"), Under("dst")));
    EXPECT_EQ(m_temp.ReadFile("dst\\a.txt"), "new a");
    EXPECT_EQ(m_temp.ReadFile("dst\\sub\\b.txt"), "b");
    EXPECT_TRUE(fs::is_directory(m_temp.Path() / "dst" / "empty"));
    EXPECT_EQ(m_temp.ReadFile("dst\\untouched.txt"), "u");
    EXPECT_EQ(m_temp.ReadFile("src\\a.txt"), "new a");

    // A destination that does not exist yet is made, files at the top included.
    EXPECT_TRUE(CopyFolder(Under("src"), Under("fresh\\deeper")));
    EXPECT_EQ(m_temp.ReadFile("fresh\\deeper\\a.txt"), "new a");
}

TEST_F(FolderOperationsTest, CopyFolderReportsAFileInUseButCopiesTheRest)
{
    m_temp.WriteFile("src\\a.txt", "a");
    m_temp.WriteFile("src\\b.txt", "b");
    m_temp.WriteFile("dst\\a.txt", "locked");
    BXHandle busy(::CreateFileW(BXWide(Under("dst\\a.txt")), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(busy.IsValid());
    EXPECT_FALSE(CopyFolder(Under("src"), Under("dst")));
    EXPECT_EQ(m_temp.ReadFile("dst\\b.txt"), "b");
}

TEST_F(FolderOperationsTest, MoveFolderRemovesOnlyTheSourcesThatWereDone)
{
    m_temp.WriteFile("src\\a.txt", "a");
    m_temp.WriteFile("src\\sub\\b.txt", "b");
    EXPECT_TRUE(MoveFolder(Under("src"), Under("dst")));
    EXPECT_EQ(m_temp.ReadFile("dst\\a.txt"), "a");
    EXPECT_EQ(m_temp.ReadFile("dst\\sub\\b.txt"), "b");
    EXPECT_FALSE(fs::exists(m_temp.Path() / "src"));
    // Nothing above the moved tree goes.
    EXPECT_TRUE(fs::exists(m_temp.Path()));

    m_temp.WriteFile("src2\\a.txt", "a");
    m_temp.WriteFile("src2\\b.txt", "b");
    m_temp.WriteFile("dst2\\a.txt", "locked");
    BXHandle busy(::CreateFileW(BXWide(Under("dst2\\a.txt")), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(busy.IsValid());
    EXPECT_FALSE(MoveFolder(Under("src2"), Under("dst2")));
    EXPECT_TRUE(fs::exists(m_temp.Path() / "src2" / "a.txt"));
    EXPECT_FALSE(fs::exists(m_temp.Path() / "src2" / "b.txt"));
    EXPECT_EQ(m_temp.ReadFile("dst2\\b.txt"), "b");
}

TEST_F(FolderOperationsTest, MoveFolderIntoItsOwnSubFolder)
{
    m_temp.WriteFile("t\\a.txt", "a");
    EXPECT_TRUE(MoveFolder(Under("t"), Under("t\\inner")));
    EXPECT_EQ(m_temp.ReadFile("t\\inner\\a.txt"), "a");
}

} // namespace
