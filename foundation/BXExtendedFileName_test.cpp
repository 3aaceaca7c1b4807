#include "BXExtendedFileName.h"

#include "BXXmlTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char16_t* m_text;
    const char16_t* m_fileName;
    const char16_t* m_postExtension; // null when absent
};

TEST(BXExtendedFileName, SplitsPlainNames)
{
    const SplitCase cases[] = {
        {u"C:\\Music\\song.mp3;2", u"C:\\Music\\song.mp3", u"2"},
        {u"a.b;c.flac;x;y", u"a.b;c.flac;x;y", nullptr},
        {u"a.b;c.flac;y", u"a.b;c.flac", u"y"},
        {u"name.abcde;9", u"name.abcde", u"9"},
        {u"name.abcdef;9", u"name.abcdef;9", nullptr},
        {u"name;9", u"name;9", nullptr},
        {u"dir.x\\name;9", u"dir.x\\name;9", nullptr},
        {u"http://host/song.mp3;2", u"http://host/song.mp3;2", nullptr},
        {u"C:\\plain.txt", u"C:\\plain.txt", nullptr},
        {u"", u"", nullptr},
    };
    for (const SplitCase& c : cases) {
        SCOPED_TRACE(BXXmlTestUtf8(std::u16string_view(c.m_text)));
        BXExtendedFileName name(c.m_text);
        EXPECT_EQ(BXXmlTestUtf8(name.GetFileName()), BXXmlTestUtf8(std::u16string_view(c.m_fileName)));
        EXPECT_EQ(name.GetProperties().Has(u"PostExtensionData"), c.m_postExtension != nullptr);
        if (c.m_postExtension != nullptr) {
            EXPECT_EQ(BXXmlTestUtf8(name.GetProperties().GetString(u"PostExtensionData")),
                      BXXmlTestUtf8(std::u16string_view(c.m_postExtension)));
            EXPECT_EQ(name.GetProperties().GetCount(), 1);
        }
    }
}

TEST(BXExtendedFileName, XmlFormCarriesNameAndProperties)
{
    BXPropertyMap properties;
    properties.SetString(u"Title", u"A & B");
    properties.SetString(u"Track", u"3");
    BXString text = BXExtendedFileName::Make(u"C:\\a <b>.mp3", properties);
    EXPECT_TRUE(BXExtendedFileName::IsExtended(text));

    BXExtendedFileName name(text);
    EXPECT_EQ(BXXmlTestUtf8(name.GetFileName()), "C:\\a <b>.mp3");
    EXPECT_FALSE(name.GetProperties().Has(u"Filename"));
    EXPECT_TRUE(name.GetProperties().IsEqual(properties));
}

TEST(BXExtendedFileName, OtherVersionsGiveNoName)
{
    EXPECT_EQ(BXXmlTestUtf8(
                  BXExtendedFileName(u"<XMLFN version=\"1.0\"><Item Name=\"Filename\">f</Item></XMLFN>").GetFileName()),
              "f");
    EXPECT_EQ(
        BXXmlTestUtf8(BXExtendedFileName(u"<xmlfn version='1.0'><Item Name='Filename'>f</Item></xmlfn>").GetFileName()),
        "f");
    EXPECT_EQ(BXXmlTestUtf8(
                  BXExtendedFileName(u"<XMLFN version=\"2.0\"><Item Name=\"Filename\">f</Item></XMLFN>").GetFileName()),
              "");
    EXPECT_EQ(BXXmlTestUtf8(
                  BXExtendedFileName(u"<XMLFN version=\"1\"><Item Name=\"Filename\">f</Item></XMLFN>").GetFileName()),
              "");
}

TEST(BXExtendedFileName, SpecialNames)
{
    EXPECT_TRUE(BXExtendedFileName::IsSpecialName(u"C:\\lib\\Main.TVLB"));
    EXPECT_TRUE(BXExtendedFileName::IsSpecialName(u"x.bxtv\\y"));
    EXPECT_TRUE(BXExtendedFileName::IsSpecialName(u"guide.tvgd"));
    EXPECT_TRUE(BXExtendedFileName::IsSpecialName(u"(3:abc)"));
    EXPECT_TRUE(BXExtendedFileName::IsSpecialName(u"<xmlph version=\"1.0\"/>"));
    EXPECT_FALSE(BXExtendedFileName::IsSpecialName(u"C:\\music\\song.mp3"));
    EXPECT_FALSE(BXExtendedFileName::IsSpecialName(u"(abc)"));
    EXPECT_FALSE(BXExtendedFileName::IsSpecialName(u"<XMLFN version=\"1.0\"/>"));
}

} // namespace
