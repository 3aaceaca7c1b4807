#include "BXString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BXStringEncoding, Utf8DecodingTakesSequencesThatFitAndBytesOtherwise)
{
    struct Case {
        const char* bytes;
        int32_t count;
        std::u16string expected;
    };
    const Case cases[] = {
        {"plain", -1, u"plain"},
        {"\xC3\xA9t\xC3\xA9", -1, u"\u00E9t\u00E9"},
        {"\xE2\x82\xAC", -1, u"\u20AC"},
        {"\xF0\x9F\x98\x80", -1, u"\U0001F600"}, // four bytes: a surrogate pair
        {"\xC3", -1, u"\u00C3"},                 // lead byte without its follower
        {"\xC3(", -1, u"\u00C3("},
        {"\xE2\x82", -1, u"\u00E2\u0082"},
        {"\xFF\xFE", -1, u"\u00FF\u00FE"},
        {"\xC0\xAF", -1, u"\u002F"},               // overlong forms decode as the rule says
        {"\xF8\x88\x80\x80", -1, u"\u8200\u0080"}, // no four-byte value: three-byte rule, then a byte
        {"abc", 2, u"ab"},
        {"\xC3\xA9", 1, u"\u00C3"}, // the count cuts the sequence
        {"a\0b", 3, u"a"},          // stops at a 0 byte
        {"a\xC0\x80"
         "b",
         -1, u"a"}, // and at an overlong 0
        {"a\xE0\x80\x80"
         "b",
         -1, u"a"},
        {"", -1, u""},
    };
    for (const Case& c : cases) {
        const BXString s = BXString::FromUtf8(c.bytes, c.count);
        EXPECT_EQ(std::u16string(s.View()), c.expected) << c.bytes;
    }
    EXPECT_TRUE(BXString::FromUtf8(nullptr).IsEmpty());
}

TEST(BXStringEncoding, Utf8EncodingRoundTrips)
{
    struct Case {
        std::u16string text;
        const char* expected;
    };
    const Case cases[] = {
        {u"abc", "abc"},
        {u"\u00E9\u07FF", "\xC3\xA9\xDF\xBF"},
        {u"\u0800\uFFFF", "\xE0\xA0\x80\xEF\xBF\xBF"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {std::u16string(1, char16_t(0xD800)) + u"x", "\xED\xA0\x80x"}, // a lone surrogate keeps three bytes
    };
    for (const Case& c : cases) {
        const BXString s(c.text.data(), int32_t(c.text.size()));
        const BXTextHolder<char> utf8 = s.ToUtf8();
        EXPECT_STREQ(utf8.Get(), c.expected);
        EXPECT_EQ(utf8.GetLength(), int32_t(std::char_traits<char>::length(c.expected)));
        EXPECT_TRUE(utf8.IsOwner());
        EXPECT_EQ(BXString::FromUtf8(utf8.Get()), s);
    }
    const BXTextHolder<char> empty = BXString().ToUtf8();
    EXPECT_STREQ(empty.Get(), "");
    EXPECT_FALSE(empty.IsOwner());
}

TEST(BXStringEncoding, ByteOrderMarks)
{
    const BXChar swapped[] = {0xFFFE, 0x4100, 0x4200, 0};
    const BXChar marked[] = {0xFEFF, u'A', u'B', 0};
    struct Case {
        const BXChar* text;
        bool honour;
        std::u16string expected;
    };
    const Case cases[] = {
        {swapped, true, u"AB"},     {marked, true, u"AB"}, {marked, false, std::u16string(marked)},
        {u"plain", true, u"plain"}, {u"", true, u""},
    };
    for (const Case& c : cases) {
        BXString s;
        s.AssignWithBOM(c.text, -1, c.honour);
        EXPECT_EQ(std::u16string(s.View()), c.expected);
    }
    const char32_t wide[] = {0xFFFE, 0x4100, 0x14300, 0}; // truncated to 16 bits, then swapped
    BXString s;
    s.AssignWithBOM(wide, -1, true);
    EXPECT_EQ(s, u"AC");
    s.AssignWithBOM(static_cast<const BXChar*>(nullptr), 3, true);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(BXStringEncoding, AnsiRoundTripsAsciiAndLatinText)
{
    const BXString text(u"Caf\u00E9 100");
    const BXTextHolder<char> ansi = text.ToAnsi();
    EXPECT_STREQ(ansi.Get(), "Caf\xE9 100");
    EXPECT_EQ(ansi.GetLength(), 8);
    EXPECT_EQ(BXString::FromAnsi(ansi.Get()), text);
    EXPECT_EQ(BXString::FromAnsi("abc", 2), u"ab");
    EXPECT_TRUE(BXString::FromAnsi(nullptr).IsEmpty());
    EXPECT_FALSE(BXString().ToAnsi().IsOwner());
}

TEST(BXStringEncoding, WideCopyIsIndependentOfTheString)
{
    BXString s(u"abc");
    BXTextHolder<BXChar> copy = s.ToWideCopy();
    s.SetAt(0, u'x');
    EXPECT_EQ(std::u16string(copy.Get()), u"abc");
    EXPECT_EQ(copy.GetLength(), 3);
    EXPECT_TRUE(copy.IsOwner());
}

} // namespace
