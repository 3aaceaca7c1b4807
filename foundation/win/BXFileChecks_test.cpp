#include "BXFileChecks.h"
#include "BXFileTestTools.h"
#include "BXHandle.h"
#include "BXScopedTempFolder.h"
#include "DirectoryIterator.h"
#include "FileList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

BXString Path(const fs::path& path)
{
    return BXString(path.wstring().c_str());
}

TEST(BXFileChecks, ExistenceWithAndWithoutTheToolsComponent)
{
    BXScopedTempFolder temp;
    temp.WriteFile("f.txt", "12345");
    const BXString folder = Path(temp.Path());
    const BXString file = Path(temp.Path() / "f.txt");
    for (bool withTools : {false, true}) {
        std::unique_ptr<BXFileTestTools> tools(withTools ? new BXFileTestTools : nullptr);
        SCOPED_TRACE(withTools);
        EXPECT_TRUE(FolderExists(folder));
        EXPECT_FALSE(FolderExists(file));
        EXPECT_FALSE(FolderExists(u""));
        EXPECT_TRUE(FileExists(file));
        EXPECT_FALSE(FileExists(folder));
        EXPECT_FALSE(FileExists(u""));
        EXPECT_FALSE(FileExists(folder + u"\\missing"));
    }
    EXPECT_EQ(GetFileSize64(file), 5);
    EXPECT_EQ(GetFileSize64(folder), -1);
    EXPECT_EQ(GetFileSize64(folder + u"\\missing"), -1);
    EXPECT_EQ(GetFileSize64(u"http://127.0.0.1/f.txt"), -1);
}

TEST(BXFileChecks, RemoveFileClearsReadOnly)
{
    BXScopedTempFolder temp;
    temp.WriteFile("ro.txt", "x");
    const BXString file = Path(temp.Path() / "ro.txt");
    ASSERT_TRUE(::SetFileAttributesW(file.W(), FILE_ATTRIBUTE_READONLY));
    EXPECT_TRUE(RemoveFile(file));
    EXPECT_FALSE(fs::exists(temp.Path() / "ro.txt"));
    EXPECT_FALSE(RemoveFile(file));
}

TEST(BXFileChecks, NormaliseFolderExpandsShortNames)
{
    BXScopedTempFolder temp;
    fs::create_directories(temp.Path() / "A rather long folder name");
    const BXString longForm = Path(temp.Path() / "A rather long folder name");
    wchar_t shortForm[1024] = {};
    ASSERT_GT(::GetShortPathNameW(longForm.W(), shortForm, 1024), 0u);
    BXString folder(shortForm);
    ASSERT_FALSE(folder == longForm);
    NormaliseFolder(folder);
    EXPECT_EQ(folder.CompareNoCase(longForm + u"\\"), 0) << folder.ToUtf8().Get();

    BXString missing(u"C:\\no such folder\\\\");
    NormaliseFolder(missing);
    EXPECT_EQ(missing, BXString(u"C:\\no such folder\\"));
    BXString empty;
    NormaliseFolder(empty);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(BXFileChecks, ApiPathGetsThePrefixFromTheThreshold)
{
    const BXString shortPath(u"C:\\x\\y.txt");
    EXPECT_EQ(ToApiPath(shortPath), shortPath);
    const BXString longPath = BXString(u"C:\\") + std::u16string(300, u'l').c_str();
    EXPECT_EQ(ToApiPath(longPath), BXString(u"\\\\?\\") + longPath);
    // A long relative path is made full before it takes the prefix.
    const BXString relative(std::u16string(300, u'r').c_str());
    const BXString api = ToApiPath(relative);
    EXPECT_EQ(api.Find(u"\\\\?\\"), 0);
    EXPECT_TRUE(api.EndsWith(relative.GetString()) == 0);
}

TEST(BXFileChecks, LongPathsWork)
{
    BXScopedTempFolder temp;
    BXString deep = Path(temp.Path());
    for (int i = 0; i < 6; ++i) {
        deep += BXString(u"\\") + std::u16string(50, char16_t(u'a' + i)).c_str();
        ASSERT_TRUE(::CreateDirectoryW(ToApiPath(deep).W(), nullptr));
    }
    ASSERT_GE(deep.GetLength(), 300);
    EXPECT_TRUE(FolderExists(deep));
    EXPECT_TRUE(IsFolderEmpty(deep, true, false));
    EXPECT_TRUE(IsFolderWritable(deep));
}

TEST(BXFileChecks, IsFolderEmpty)
{
    BXScopedTempFolder temp;
    const BXString root = Path(temp.Path());
    EXPECT_TRUE(IsFolderEmpty(root, false, true));
    temp.WriteFile("THUMBS.DB", "t");
    EXPECT_TRUE(IsFolderEmpty(root, false, true));
    fs::create_directories(temp.Path() / "sub");
    EXPECT_FALSE(IsFolderEmpty(root, false, true));
    EXPECT_TRUE(IsFolderEmpty(root, false, false));
    EXPECT_TRUE(IsFolderEmpty(root, true, true));
    temp.WriteFile("sub\\x.txt", "x");
    EXPECT_FALSE(IsFolderEmpty(root, true, false));
    EXPECT_TRUE(IsFolderEmpty(root, false, false));
    EXPECT_FALSE(IsFolderEmpty(root + u"\\missing", false, false));
}

TEST(BXFileChecks, IsFolderWritable)
{
    BXScopedTempFolder temp;
    EXPECT_TRUE(IsFolderWritable(Path(temp.Path())));
    EXPECT_TRUE(IsFolderWritable(Path(temp.Path()) + u"\\"));
    EXPECT_FALSE(IsFolderWritable(u""));
    EXPECT_FALSE(IsFolderWritable(Path(temp.Path() / "missing")));
    // No test file is left behind.
    EXPECT_TRUE(fs::is_empty(temp.Path()));
}

TEST(BXFileChecks, GetFreeSpaceClimbsToTheNearestExistingFolder)
{
    BXScopedTempFolder temp;
    uint64_t available = 0, total = 0, free = 0;
    ASSERT_TRUE(GetFreeSpace(Path(temp.Path()), available, total, free));
    EXPECT_GT(total, 0u);
    uint64_t available2 = 0, total2 = 0, free2 = 0;
    EXPECT_TRUE(GetFreeSpace(Path(temp.Path() / "not" / "yet" / "made"), available2, total2, free2));
    EXPECT_EQ(total2, total);

    uint64_t a = 1, t = 1, f = 1;
    EXPECT_FALSE(GetFreeSpace(u"", a, t, f));
    EXPECT_TRUE(GetFreeSpace(u"C", a, t, f)); // asks "C:\"
    EXPECT_GT(t, 0u);
    EXPECT_FALSE(GetFreeSpace(u"Q:\\nothing\\here", a, t, f));
    EXPECT_EQ(a + t + f, 0u);
    EXPECT_FALSE(GetFreeSpace(u"relative", a, t, f));
}

TEST(DirectoryIterator, EntriesCarryFullPathsSizesAndTimes)
{
    BXScopedTempFolder temp;
    temp.WriteFile("one.txt", "12345");
    fs::create_directories(temp.Path() / "dir");
    FILETIME time{};
    const uint64_t ticks = (11644473600ull + 1000000000ull) * 10000000ull + 6000000; // 0.6 s past
    time.dwLowDateTime = DWORD(ticks);
    time.dwHighDateTime = DWORD(ticks >> 32);
    {
        BXHandle file(::CreateFileW((Path(temp.Path() / "one.txt")).W(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(file.IsValid());
        ASSERT_TRUE(::SetFileTime(file.Get(), nullptr, nullptr, &time));
    }
    DirectoryIterator iterator;
    ASSERT_TRUE(iterator.Open(Path(temp.Path())));
    std::vector<std::string> seen;
    DirectoryIterator::Entry entry;
    while (iterator.Next(entry)) {
        seen.push_back(entry.m_path.Mid(Path(temp.Path()).GetLength()).ToUtf8().Get());
        if (!entry.IsFolder()) {
            EXPECT_EQ(entry.m_size, 5);
            EXPECT_EQ(entry.m_lastWriteTime, 1000000001);
        }
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<std::string>{"\\dir\\", "\\one.txt"}));
    EXPECT_FALSE(iterator.IsActive());
    EXPECT_FALSE(iterator.Next(entry));

    EXPECT_FALSE(iterator.Open(Path(temp.Path() / "missing")));
    EXPECT_FALSE(iterator.Open(Path(temp.Path() / "one.txt")));
    ASSERT_TRUE(iterator.Open(Path(temp.Path() / "dir")));
    EXPECT_FALSE(iterator.Next(entry));
    EXPECT_EQ(DirectoryIterator::ToUnixSeconds(11644473600ull * 10000000ull - 6000000), -1);
}

TEST(FileList, FiltersRecursesAndSums)
{
    BXScopedTempFolder temp;
    temp.WriteFile("a.MP3", "123");
    temp.WriteFile("b.txt", "1");
    temp.WriteFile("sub\\c.mp3", "12");
    temp.WriteFile("sub\\mp3", "1234");
    temp.WriteFile("sub\\deeper\\d.flac", "12345");
    const BXString root = Path(temp.Path());

    FileList music(root, u"mp3", true);
    music.AddExtension(u"flac");
    BXStringArray all;
    music.GetAll(all);
    std::vector<std::string> names;
    for (const BXString& path : all) {
        names.push_back(path.Mid(root.GetLength() + 1).ToUtf8().Get());
    }
    std::sort(names.begin(), names.end());
    // A name without a dot counts as its own extension.
    EXPECT_EQ(names, (std::vector<std::string>{"a.MP3", "sub\\c.mp3", "sub\\deeper\\d.flac", "sub\\mp3"}));
    EXPECT_EQ(music.GetTotalSize(), 3 + 2 + 4 + 5);
    EXPECT_EQ(music.GetItem(1000), music.GetItem(music.GetCount() - 1));

    FileList flat(root, u"", false);
    EXPECT_EQ(flat.GetCount(), 2);
    EXPECT_EQ(flat.GetTotalSize(), 4);

    FileList folders(root, u"", true);
    folders.SetIncludeFiles(false);
    folders.SetIncludeFolders(true);
    EXPECT_EQ(folders.GetCount(), 2);
    EXPECT_TRUE(folders.GetItem(0).HasTrailingBackslash());
    EXPECT_EQ(folders.GetTotalSize(), 0);

    ::SetFileAttributesW((root + u"\\b.txt").W(), FILE_ATTRIBUTE_HIDDEN);
    FileList visible(root, u"", false);
    visible.SetSkipAttributes(FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(visible.GetCount(), 1);

    FileList missing(root + u"\\missing", u"", true);
    EXPECT_EQ(missing.GetCount(), 0);
    EXPECT_TRUE(missing.GetItem(0).IsEmpty());
}

TEST(FileList, SubFolderContentsFollowTheirFolder)
{
    BXScopedTempFolder temp;
    temp.WriteFile("x\\1", "");
    temp.WriteFile("x\\y\\2", "");
    temp.WriteFile("z\\3", "");
    FileList list(Path(temp.Path()), u"", true);
    list.SetIncludeFolders(true);
    BXStringArray all;
    list.GetAll(all);
    ASSERT_EQ(all.GetCount(), 6);
    for (int i = 0; i < all.GetCount(); ++i) {
        if (all[i].HasTrailingBackslash()) {
            // Everything under this folder comes next, without gaps.
            int j = i + 1;
            while (j < all.GetCount() && all[j].Find(all[i].GetString()) == 0) {
                ++j;
            }
            for (int k = j; k < all.GetCount(); ++k) {
                EXPECT_NE(all[k].Find(all[i].GetString()), 0) << all[k].ToUtf8().Get();
            }
        }
    }
}

} // namespace
