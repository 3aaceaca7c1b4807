#include "BXPropertyMap.h"

#include "BXXmlDocument.h"
#include "BXXmlTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(BXPropertyMapXml, SavesOneItemPerEntry)
{
    BXPropertyMap map;
    map.SetString(u"A", u"x");
    EXPECT_EQ(BXXmlTestUtf8(map.SaveXml(u"XMLPH", 1.0)),
              "<XMLPH version=\"1.0\">\\u000D\\u000A<Item Name=\"A\">x</Item>\\u000D\\u000A</XMLPH>");
    EXPECT_EQ(BXXmlTestUtf8(map.SaveXml(u"T", 2.25)).substr(0, 18), "<T version=\"2.2\">\\"); // one decimal
}

TEST(BXPropertyMapXml, EmptyMaps)
{
    BXPropertyMap map;
    EXPECT_TRUE(map.SaveXml(u"T", 1.0, true).IsEmpty());
    EXPECT_EQ(BXXmlTestUtf8(map.SaveXml(u"T", 1.0)), "<T version=\"1.0\">\\u000D\\u000A</T>");
    map.SetString(u"k", u"v");
    EXPECT_TRUE(map.LoadXml(u"", u"T", 1.0));
    EXPECT_TRUE(map.IsEmpty());
}

TEST(BXPropertyMapXml, RoundTripKeepsAwkwardValues)
{
    BXPropertyMap map;
    map.SetString(u"Path", u"C:\\Program Files\\A & B <x>");
    map.SetString(u"Quote", u"say \"hi\" it's");
    map.SetString(u"Lines", u"one\r\ntwo\tthree");
    map.SetString(u"Control", u"a\x01"
                              u"b");
    map.SetString(u"Empty", u"");
    map.SetString(u"Spaces", u"  ");
    for (int i = 0; i < 40; ++i) {
        map.SetInt(BXString::Formatted(u"n%d", i), i * i);
    }
    BXString xml = map.SaveXml(u"XMLPH", 1.0);
    BXXmlDocument check;
    EXPECT_TRUE(check.ParseText(xml)) << BXXmlTestUtf8(check.GetErrorText());

    BXPropertyMap loaded;
    EXPECT_TRUE(loaded.LoadXml(xml, u"XMLPH", 1.0));
    EXPECT_TRUE(loaded.IsEqual(map));
    EXPECT_EQ(BXXmlTestUtf8(loaded.GetString(u"control")), "a\\u0001b");
}

TEST(BXPropertyMapXml, LoadChecksRootAndVersion)
{
    const BXChar* text = u"<XMLFN version=\"1.0\"><Item Name=\"Filename\">a.mp3</Item><Item>no name</Item></XMLFN>";
    BXPropertyMap map;
    EXPECT_TRUE(map.LoadXml(text, u"XMLFN", 1.0));
    EXPECT_EQ(BXXmlTestUtf8(map.GetString(u"FILENAME")), "a.mp3");
    EXPECT_TRUE(map.LoadXml(u"<xmlfn version='1'/>", u"XMLFN", 1.0)); // the number, not the text, must match
    EXPECT_FALSE(map.LoadXml(text, u"XMLFN", 2.0));
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.LoadXml(text, u"XMLPH", 1.0));
    EXPECT_FALSE(map.LoadXml(u"<XMLFN><Item Name='a'>b</Item></XMLFN>", u"XMLFN", 1.0));
    EXPECT_FALSE(map.LoadXml(u"not xml", u"XMLFN", 1.0));
    EXPECT_TRUE(map.IsEmpty());
}

} // namespace
