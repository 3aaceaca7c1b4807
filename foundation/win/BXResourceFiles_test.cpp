#include "BXResourceFiles.h"

#include "BXProcessPaths.h"
#include "BXRecordingTools.h"
#include "BXScopedTempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ResourceFilesTest : public ::testing::Test {
protected:
    ResourceFilesTest() : m_oldDataPath(GetProcessPaths().GetDataPath())
    {
        m_data = BXString(m_temp.Path().wstring().c_str()) + u"\\";
        GetProcessPaths().SetDataPath(m_data);
        m_tools.m_languageName = u"English";
    }
    ~ResourceFilesTest() override { GetProcessPaths().SetDataPath(m_oldDataPath); }

    BXString Put(const char* relative)
    {
        m_temp.WriteFile(relative, "x");
        BXString path = m_data + BXString::FromUtf8(relative);
        path.ReplaceChar(u'/', u'\\');
        return path;
    }

    BXRecordingTools m_tools;
    BXScopedTempFolder m_temp;
    BXString m_oldDataPath;
    BXString m_data;
};

TEST_F(ResourceFilesTest, FoldersOfEachKind)
{
    struct Case {
        int32_t kind;
        std::vector<const BXChar*> folders;
    };
    const Case cases[] = {
        {kResourceAny, {u"Custom Resources\\", u"Default Resources\\"}},
        {kResourceDefault, {u"Default Resources\\"}},
        {kResourceCustom, {u"Custom Resources\\"}},
        {kArtAny, {u"Custom Art\\", u"Default Art\\"}},
        {kArtDefault, {u"Default Art\\"}},
        {kArtCustom, {u"Custom Art\\"}},
        {kWebpageDefault, {u"Default Webpages\\English\\"}},
        {kWebpageCustom, {u"Custom Webpages\\English\\"}},
        {kWebpageAny, {}},
        {9, {}},
        {-1, {}},
    };
    for (const Case& c : cases) {
        const BXStringArray folders = GetResourceFolders(c.kind);
        ASSERT_EQ(folders.GetCount(), int(c.folders.size())) << c.kind;
        for (int i = 0; i < folders.GetCount(); ++i)
            EXPECT_EQ(folders[i], m_data + c.folders[size_t(i)]) << c.kind;
    }
}

TEST_F(ResourceFilesTest, ImageCandidatesTryTheLanguageFirstForEachExtension)
{
    BXStringArray folders;
    folders.Add(u"C:\\d\\Custom Art\\");
    folders.Add(u"C:\\d\\Default Art\\");
    const BXStringArray candidates = GetResourceCandidates(u"image:Logo", folders, u"English");
    ASSERT_EQ(candidates.GetCount(), 20);
    const BXChar* const firstFolder[] = {u"Logo - English.png", u"Logo.png", u"Logo - English.jpg", u"Logo.jpg",
                                         u"Logo - English.gif", u"Logo.gif", u"Logo - English.bmp", u"Logo.bmp",
                                         u"Logo - English.tif", u"Logo.tif"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(candidates[i], folders[0] + firstFolder[i]);
        EXPECT_EQ(candidates[10 + i], folders[1] + firstFolder[i]);
    }

    const BXStringArray noLanguage = GetResourceCandidates(u"image:Logo", folders, BXString());
    ASSERT_EQ(noLanguage.GetCount(), 10);
    EXPECT_EQ(noLanguage[0], folders[0] + u"Logo.png");
    EXPECT_EQ(noLanguage[9], folders[1] + u"Logo.tif");

    const BXStringArray plain = GetResourceCandidates(u"page.html", folders, u"English");
    ASSERT_EQ(plain.GetCount(), 2);
    EXPECT_EQ(plain[0], folders[0] + u"page.html");
    EXPECT_EQ(plain[1], folders[1] + u"page.html");
}

TEST_F(ResourceFilesTest, FirstExistingCandidateWins)
{
    EXPECT_EQ(FindResourceFile(u"image:Logo", kArtAny), BXString()) << "nothing there yet";
    const BXString defaultPng = Put("Default Art/Logo.png");
    EXPECT_EQ(FindResourceFile(u"image:Logo", kArtAny), defaultPng);
    const BXString customGif = Put("Custom Art/Logo.gif");
    EXPECT_EQ(FindResourceFile(u"image:Logo", kArtAny), customGif) << "custom folder before default";
    const BXString customJpg = Put("Custom Art/Logo - English.jpg");
    EXPECT_EQ(FindResourceFile(u"image:Logo", kArtAny), customJpg) << "earlier extension first";
    const BXString customPng = Put("Custom Art/Logo.png");
    EXPECT_EQ(FindResourceFile(u"image:Logo", kArtAny), customPng);
    EXPECT_EQ(FindResourceFile(u"image:Logo", kArtDefault), defaultPng);
    EXPECT_EQ(FindResourceFile(u"Logo.png", kArtCustom), customPng) << "a plain name as given";
    EXPECT_EQ(FindResourceFile(u"Logo", kArtCustom), BXString());

    const BXString resource = Put("Default Resources/strings.xml");
    EXPECT_EQ(FindResourceFile(u"strings.xml", kResourceAny), resource);
    EXPECT_EQ(FindResourceFile(u"strings.xml", kResourceCustom), BXString());
}

TEST_F(ResourceFilesTest, WebpagesUseTheLanguageFolderElseEnglishAndCustomFirst)
{
    m_tools.m_languageName = u"Deutsch";
    const BXString englishDefault = Put("Default Webpages/English/start.html");
    EXPECT_EQ(FindResourceFile(u"start.html", kWebpageDefault), englishDefault) << "no Deutsch folder";
    EXPECT_EQ(FindResourceFile(u"start.html", kWebpageAny), englishDefault) << "no custom page";

    // Once the language folder exists it is the only one searched.
    Put("Default Webpages/Deutsch/other.html");
    EXPECT_EQ(FindResourceFile(u"start.html", kWebpageDefault), BXString());
    const BXString germanDefault = Put("Default Webpages/Deutsch/start.html");
    EXPECT_EQ(FindResourceFile(u"start.html", kWebpageAny), germanDefault);

    const BXString englishCustom = Put("Custom Webpages/English/start.html");
    EXPECT_EQ(FindResourceFile(u"start.html", kWebpageAny), englishCustom) << "custom page before default";
    EXPECT_EQ(FindResourceFile(u"start.html", kWebpageCustom), englishCustom);
}

} // namespace
