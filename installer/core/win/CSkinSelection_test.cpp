#include "CSkinSelection.h"

#include "BXScopedTempFolder.h"
#include "FakeTools.h"

#include <gtest/gtest.h>

namespace {

BXString Folder(const std::filesystem::path& path)
{
    BXString text(BXFromWide(path.wstring().c_str()));
    text.TrimTrailingBackslashes();
    text.Append(u'\\');
    return text;
}

void WriteSkin(const BXScopedTempFolder& temp, const std::string& folder, const std::string& version,
               const std::string& style, bool mainFrame = true)
{
    std::string xml = "<VTMS version=\"" + version + "\"";
    if (!style.empty())
        xml += " style=\"" + style + "\"";
    xml += ">";
    xml += mainFrame ? "<MAINFRAME/>" : "<OTHER/>";
    xml += "</VTMS>";
    temp.WriteFile(folder + "/main.xml", xml);
}

} // namespace

TEST(CSkinSelection, ValidatesTheSkinDescription)
{
    struct Case {
        const char* what;
        const char* version;
        const char* style;
        const char16_t* styles; // MegaSkinStyles, null for absent
        bool mainFrame;
        bool valid;
    };
    const Case cases[] = {
        {"plain skin, no style key", "3", "", nullptr, true, true},
        {"3.005 is close enough", "3.005", "", nullptr, true, true},
        {"3.02 is not", "3.02", "", nullptr, true, false},
        {"styled skin without a style list", "3", "Dark", nullptr, true, false},
        {"style list, case ignored", "3", "dark", u"Light;Dark", true, true},
        {"style not in the list", "3", "Blue", u"Light;Dark", true, false},
        {"unstyled skin with a style list", "3", "", u"Light;Dark", true, false},
        {"no MAINFRAME", "3", "", nullptr, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTools tools;
        if (c.styles != nullptr)
            tools.keys[u"/*/General/MegaSkinStyles"] = c.styles;
        BXScopedTempFolder temp;
        WriteSkin(temp, "Skin", c.version, c.style, c.mainFrame);
        EXPECT_EQ(IsValidSkinFolder(Folder(temp.Path() / "Skin")), c.valid);
        BXString noBackslash = Folder(temp.Path() / "Skin");
        noBackslash.TrimTrailingBackslashes();
        EXPECT_EQ(IsValidSkinFolder(noBackslash), c.valid);
    }
    EXPECT_FALSE(IsValidSkinFolder(BXString()));
}

TEST(CSkinSelection, RejectsUnreadableAndForeignDescriptions)
{
    FakeTools tools;
    BXScopedTempFolder temp;
    temp.WriteFile("Broken/main.xml", "<VTMS version=\"3\"><MAINFRAME>");
    temp.WriteFile("Foreign/main.xml", "<SKIN version=\"3\"><MAINFRAME/></SKIN>");
    std::filesystem::create_directories(temp.Path() / "Empty");
    for (const char* name : {"Broken", "Foreign", "Empty", "Missing"})
        EXPECT_FALSE(IsValidSkinFolder(Folder(temp.Path() / name))) << name;
}

TEST(CSkinSelection, ChoosesTheStoredSkinOnlyWhenThePackageCarriesIt)
{
    BXScopedTempFolder temp;
    WriteSkin(temp, "Package/Default", "3", "");
    WriteSkin(temp, "Package/Night", "3", "");
    WriteSkin(temp, "Installed/Night", "3", "");
    WriteSkin(temp, "Installed/Retro", "3", "");
    WriteSkin(temp, "Installed/Old", "2", "");
    const BXString base = Folder(temp.Path() / "Package");
    const BXString installed = Folder(temp.Path() / "Installed");

    struct Case {
        const char* what;
        BXString stored; // empty: none stored
        const BXChar* expectedName;
    };
    const Case cases[] = {
        {"nothing stored", BXString(), u"Default"},
        {"stored skin the package carries", installed + u"Night", u"Night"},
        {"stored path ending in a backslash", installed + u"Night\\", u"Night"},
        {"stored skin the package lacks", installed + u"Retro", u"Default"},
        {"stored skin that is not valid", installed + u"Old", u"Default"},
        {"stored folder that is gone", installed + u"Gone", u"Default"},
        {"one piece only", BXString(u"Night"), u"Default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeTools tools;
        tools.keys[u"/*/General/MegaSkin"] = u"Default";
        tools.keys[u"/*/General/MegaSkinKey"] = u"Current Skin";
        if (!c.stored.IsEmpty())
            tools.properties[u"Current Skin"] = c.stored.GetString();
        EXPECT_EQ(ChooseSkinFolder(base), base + c.expectedName);
    }
}

TEST(CSkinSelection, DefaultKeyNamesTheStoredSkinValue)
{
    BXScopedTempFolder temp;
    WriteSkin(temp, "Package/Night", "3", "");
    WriteSkin(temp, "Installed/Night", "3", "");
    FakeTools tools;
    tools.properties[u"Standard View Skin"] = (Folder(temp.Path() / "Installed") + u"Night").GetString();
    const BXString base = Folder(temp.Path() / "Package");
    EXPECT_EQ(ChooseSkinFolder(base), base + u"Night");
}
