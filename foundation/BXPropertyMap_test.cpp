#include "BXPropertyMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::u16string Tokens(const BXPropertyMap& map, bool withContents = true)
{
    BXString out;
    map.SaveTokens(out, withContents);
    return std::u16string(out.View());
}

TEST(BXPropertyMapTest, NamesIgnoreCaseAndLastRemovalDropsTheMap)
{
    BXPropertyMap map;
    EXPECT_EQ(map.GetMap(), nullptr);
    map.SetString(BXString(u"Name"), BXString(u"one"));
    map.SetString(BXString(u"NAME"), BXString(u"two"));
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_TRUE(map.Has(BXString(u"name")));
    EXPECT_EQ(map.GetString(BXString(u"nAmE")), u"two");
    EXPECT_EQ(map.GetString(BXString(u"other")), u"");
    EXPECT_EQ(map.GetString(BXString(u"other"), u"fallback"), u"fallback");
    EXPECT_FALSE(map.RemoveKey(BXString(u"other")));
    EXPECT_TRUE(map.RemoveKey(BXString(u"NAME")));
    EXPECT_EQ(map.GetMap(), nullptr);
    EXPECT_TRUE(map.IsEmpty());

    map.SetString(BXString(u"Gone"), BXString(u"x"));
    map.SetString(BXString(u"Gone"), BXString(), true);
    EXPECT_EQ(map.GetMap(), nullptr) << "an empty value with the flag removes the name";
    map.SetString(BXString(u"Kept"), BXString());
    EXPECT_TRUE(map.Has(BXString(u"Kept")));
}

TEST(BXPropertyMapTest, TypedValuesGoThroughText)
{
    BXPropertyMap map;
    map.SetInt(BXString(u"Int"), -2147483647 - 1);
    map.SetHex(BXString(u"Hex"), 0xBEEFu);
    map.SetDouble(BXString(u"Half"), 1.5);
    map.SetDouble(BXString(u"Tenth"), 0.1);
    map.SetDouble(BXString(u"Huge"), 1e300);
    map.SetDouble(BXString(u"Tiny"), -2.5e-9);
    map.SetDouble(BXString(u"Whole"), 100000.0);
    EXPECT_EQ(map.GetString(BXString(u"Int")), u"-2147483648");
    EXPECT_EQ(map.GetHex(BXString(u"Hex")), 0xBEEFu);
    EXPECT_EQ(map.GetString(BXString(u"Half")), u"1.5");
    EXPECT_EQ(map.GetString(BXString(u"Whole")), u"100000");
    EXPECT_EQ(map.GetInt(BXString(u"Whole")), 100000);
    // The text holds every digit needed; reading it back is as exact as ToDouble's arithmetic.
    EXPECT_NEAR(map.GetDouble(BXString(u"Tenth")), 0.1, 0.1 * 1e-14);
    EXPECT_NEAR(map.GetDouble(BXString(u"Huge")), 1e300, 1e300 * 1e-14);
    EXPECT_NEAR(map.GetDouble(BXString(u"Tiny")), -2.5e-9, 2.5e-9 * 1e-14);
    EXPECT_EQ(map.GetInt(BXString(u"Missing"), 7), 7);
    EXPECT_EQ(map.GetHex(BXString(u"Missing"), 9u), 9u);
    EXPECT_EQ(map.GetDouble(BXString(u"Missing"), 2.5), 2.5);
    map.SetString(BXString(u"Text"), BXString(u"12abc"));
    EXPECT_EQ(map.GetInt(BXString(u"Text"), 5), 12);
}

TEST(BXPropertyMapTest, SaveTokensWritesCountThenPairs)
{
    BXPropertyMap map;
    EXPECT_EQ(Tokens(map), u"(1:0)");
    map.SetString(BXString(u"A"), BXString(u"x"));
    EXPECT_EQ(Tokens(map), u"(1:1)(1:A)(1:x)");
    EXPECT_EQ(Tokens(map, false), u"(1:0)");
    BXString out(u"prefix");
    map.SaveTokens(out);
    EXPECT_EQ(out, u"prefix(1:1)(1:A)(1:x)") << "SaveTokens appends";
}

TEST(BXPropertyMapTest, TokenRoundTripKeepsAwkwardText)
{
    BXPropertyMap map;
    map.SetString(BXString(u"paren)(:"), BXString(u"(3:abc)"));
    map.SetString(BXString(u"empty"), BXString());
    map.SetString(BXString(u""), BXString(u"empty name"));
    map.SetString(BXString(u"unicode \u00e9\u4e2d"), BXString(u"\u0416\r\n"));
    map.SetString(BXString(std::u16string(u"nul\0in", 6).data(), 6), BXString(u"v"));
    for (int i = 0; i < 40; ++i) {
        map.SetInt(BXString::FromInt(i), i * i);
    }
    BXString text;
    map.SaveTokens(text);
    BXPropertyMap loaded;
    loaded.SetString(BXString(u"stale"), BXString(u"gone"));
    int32_t position = 0;
    ASSERT_TRUE(loaded.LoadTokens(text, position));
    EXPECT_EQ(position, text.GetLength());
    EXPECT_TRUE(loaded.IsEqual(map));
    EXPECT_FALSE(loaded.Has(BXString(u"stale")));
}

TEST(BXPropertyMapTest, LoadTokensRejectsMalformedText)
{
    struct Case {
        const BXChar* text;
        bool ok;
        int32_t count;
        int32_t position;
    };
    const Case cases[] = {
        {u"", false, 0, 0},
        {u"(", false, 0, 0},
        {u"(1:", false, 0, 0},
        {u"(5:1)", false, 0, 0},
        {u"(2:-1)", false, 0, 6},
        {u"(1:2)(1:a)(1:b)", false, 1, 15},
        {u"(1:1)(1:a)(3:b)", false, 0, 5},
        {u"(1:1)(1:a)", false, 0, 5},
        {u"(1:1)(1:a)(1:b)tail", true, 1, 15},
        {u"(1:0)", true, 0, 5},
        {u"(10:2147483647)(1:a)", false, 0, 15},
        {u"(1:x)", true, 0, 5},
    };
    for (const Case& c : cases) {
        BXPropertyMap map;
        map.SetString(BXString(u"stale"), BXString(u"value"));
        int32_t position = 0;
        std::u16string label(c.text);
        EXPECT_EQ(map.LoadTokens(BXString(c.text), position), c.ok) << std::string(label.begin(), label.end());
        EXPECT_EQ(map.GetCount(), c.count) << std::string(label.begin(), label.end());
        EXPECT_EQ(position, c.position) << std::string(label.begin(), label.end());
    }
}

TEST(BXPropertyMapTest, LoadTokensFromAPositionInsideAText)
{
    BXString text(u"head");
    BXPropertyMap source;
    source.SetString(BXString(u"k"), BXString(u"v"));
    source.SaveTokens(text);
    text += u"tail";
    BXPropertyMap map;
    int32_t position = 4;
    ASSERT_TRUE(map.LoadTokens(text, position));
    EXPECT_EQ(text.Mid(position), u"tail");
    EXPECT_TRUE(map.IsEqual(source));
    EXPECT_FALSE(map.LoadTokens(text)) << "the text does not start with a token";
}

TEST(BXPropertyMapTest, LoadTokensFromItsOwnValue)
{
    BXPropertyMap map;
    map.SetString(BXString(u"saved"), BXString(u"(1:1)(1:k)(1:v)"));
    ASSERT_TRUE(map.LoadTokens(*map.GetMap()->Find(u"saved")));
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_EQ(map.GetString(BXString(u"k")), u"v");
}

TEST(BXPropertyMapTest, IsEqualAndCopy)
{
    BXPropertyMap empty;
    EXPECT_TRUE(empty.IsEqual(BXPropertyMap()));

    BXPropertyMap a;
    a.SetString(BXString(u"x"), BXString(u"1"));
    a.SetString(BXString(u"y"), BXString(u"2"));
    BXPropertyMap b(a);
    EXPECT_TRUE(b.IsEqual(a));
    b.SetString(BXString(u"Y"), BXString(u"3"));
    EXPECT_FALSE(b.IsEqual(a));
    EXPECT_EQ(a.GetString(BXString(u"y")), u"2") << "the copy is independent";
    b.SetString(BXString(u"y"), BXString(u"2"));
    EXPECT_TRUE(b.IsEqual(a)) << "names match without regard to case";
    b.SetString(BXString(u"x"), BXString(u"1 "));
    EXPECT_FALSE(b.IsEqual(a)) << "values compare exactly";
    b.RemoveKey(BXString(u"x"));
    EXPECT_FALSE(b.IsEqual(a));
    EXPECT_FALSE(a.IsEqual(empty));

    b.CopyFrom(a);
    EXPECT_TRUE(b.IsEqual(a));
    b.CopyFrom(b);
    EXPECT_TRUE(b.IsEqual(a));
    b.CopyFrom(empty);
    EXPECT_EQ(b.GetMap(), nullptr);
    a.Clear();
    EXPECT_EQ(a.GetMap(), nullptr);
}

TEST(BXPropertyMapTest, DumpListsEveryEntry)
{
    BXPropertyMap map;
    map.SetString(BXString(u"b"), BXString(u"2"));
    map.SetString(BXString(u"a"), BXString(u"1"));
    BXString out(u">");
    map.Dump(out, BXString(u"["), BXString(u"]\n"));
    EXPECT_EQ(out, u">[b: 2]\n[a: 1]\n");
}

} // namespace
