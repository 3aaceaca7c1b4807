#include "CManifest.h"

#include "BXScopedTempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

BXString Folder(const std::filesystem::path& path)
{
    BXString text(BXFromWide(path.wstring().c_str()));
    text.TrimTrailingBackslashes();
    text.Append(u'\\');
    return text;
}

std::vector<std::u16string> Entries(const BXStringArray& array)
{
    std::vector<std::u16string> result;
    for (int i = 0; i < array.GetCount(); ++i)
        result.emplace_back(array[i].View());
    return result;
}

} // namespace

TEST(CManifest, ReadsSettingsAndResolvesFoldersAgainstTheManifest)
{
    BXScopedTempFolder temp;
    temp.WriteFile("Package/Install.xml", "<BXIC version=\"1.0\"><Settings>"
                                          "<SupportFiles>Extra</SupportFiles>"
                                          "<AllowDowngrade>0</AllowDowngrade>"
                                          "<BundledMedia>..\\Media</BundledMedia>"
                                          "</Settings></BXIC>");
    std::filesystem::create_directories(temp.Path() / "Package" / "Extra");
    std::filesystem::create_directories(temp.Path() / "Media");
    const BXString package = Folder(temp.Path() / "Package");

    CInstallOptions options;
    EXPECT_TRUE(LoadManifestFrom(package, options));
    EXPECT_EQ(Entries(options.SupportFolders),
              (std::vector<std::u16string>{(package + u"Support\\").GetString(), (package + u"Extra\\").GetString()}));
    EXPECT_EQ(options.LibraryFolder, package + u"Library\\");
    EXPECT_FALSE(options.AllowDowngrade);
    EXPECT_EQ(options.BundledMediaFolder, Folder(temp.Path()) + u"Media\\");
}

TEST(CManifest, UsesTheParentManifestAndItsFolder)
{
    BXScopedTempFolder temp;
    temp.WriteFile("Install.xml", "<bxic version=\"2\"><Settings><SupportFiles>Parent Support</SupportFiles>"
                                  "</Settings></bxic>");
    std::filesystem::create_directories(temp.Path() / "Parent Support");
    std::filesystem::create_directories(temp.Path() / "Setup");
    CInstallOptions options;
    LoadManifestFrom(Folder(temp.Path() / "Setup"), options);
    ASSERT_EQ(options.SupportFolders.GetCount(), 2);
    EXPECT_EQ(options.SupportFolders[1], Folder(temp.Path()) + u"Parent Support\\");
    EXPECT_TRUE(options.AllowDowngrade);
}

TEST(CManifest, IgnoresWhatItCannotUse)
{
    struct Case {
        const char* what;
        const char* xml; // null: no manifest at all
    };
    const Case cases[] = {
        {"no manifest", nullptr},
        {"version below 1", "<BXIC version=\"0.9\"><Settings><AllowDowngrade>0</AllowDowngrade>"
                            "<SupportFiles>Extra</SupportFiles></Settings></BXIC>"},
        {"foreign root", "<VTMS version=\"3\"><Settings><AllowDowngrade>0</AllowDowngrade></Settings></VTMS>"},
        {"not well formed", "<BXIC version=\"1\"><Settings><AllowDowngrade>0</AllowDowngrade></Settings>"},
        {"no Settings", "<BXIC version=\"1\"><AllowDowngrade>0</AllowDowngrade></BXIC>"},
        {"empty values and missing folders", "<BXIC version=\"1\"><Settings><AllowDowngrade></AllowDowngrade>"
                                             "<SupportFiles>Missing</SupportFiles><BundledMedia>Gone</BundledMedia>"
                                             "</Settings></BXIC>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BXScopedTempFolder temp;
        std::filesystem::create_directories(temp.Path() / "Package" / "Extra");
        if (c.xml != nullptr)
            temp.WriteFile("Package/Install.xml", c.xml);
        CInstallOptions options;
        EXPECT_TRUE(LoadManifestFrom(Folder(temp.Path() / "Package"), options));
        EXPECT_EQ(options.SupportFolders.GetCount(), 1);
        EXPECT_TRUE(options.AllowDowngrade);
        EXPECT_TRUE(options.BundledMediaFolder.IsEmpty());
    }
}
