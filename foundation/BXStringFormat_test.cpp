#include "BXString.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using FormatArg = BXString::FormatArg;

TEST(BXStringFormat, ConversionsFollowTheGrammar)
{
    const BXString eight(u"abcdefgh");
    struct Case {
        BXString result;
        const BXChar* expected;
    };
    const Case cases[] = {
        {BXString::Formatted(u"%5d", 42), u"00042"},
        {BXString::Formatted(u"% 5d", 42), u"   42"},
        {BXString::Formatted(u"%.3d", 7), u"007"},
        {BXString::Formatted(u"%5.3d", 7), u"00007"},
        {BXString::Formatted(u"%d", -42), u"-42"},
        {BXString::Formatted(u"%5d", -42), u"-00042"},
        {BXString::Formatted(u"% 5d", -42), u"   -42"},
        {BXString::Formatted(u"%i|%ld|%I64d", 1, 2L, INT64_MIN), u"1|2|-9223372036854775808"},
        {BXString::Formatted(u"%u", 4000000000u), u"4000000000"},
        {BXString::Formatted(u"%I64u", UINT64_MAX), u"18446744073709551615"},
        {BXString::Formatted(u"%x %X %lx", 255, 255, 0xABCDL), u"ff FF abcd"},
        {BXString::Formatted(u"%08x", int32_t(0x80004005)), u"80004005"},
        {BXString::Formatted(u"%u", int8_t(-1)), u"255"},
        {BXString::Formatted(u"%x", int64_t(-1)), u"ffffffffffffffff"},
        {BXString::Formatted(u"%p", 0x1a2b), u"00001A2B"},
        {BXString::Formatted(u"%10p", 0x1a2b), u"0000001A2B"},
        {BXString::Formatted(u"%h", 255), u"0x000000FF"},
        {BXString::Formatted(u"%c%c%c", u'h', 0x20AC, 0), u"h\u20AC"},
        {BXString::Formatted(u"%c", 0x10000), u""},
        {BXString::Formatted(u"%.2f", 3.14159), u"3.14"},
        {BXString::Formatted(u"%f", 1.5), u"1.500000"},
        {BXString::Formatted(u"%.0f", 2.5f), u"2"},
        {BXString::Formatted(u"%7.2f", -1.5), u"-0001.50"},
        {BXString::Formatted(u"% 7.2f", -1.5), u"   -1.50"}, // the width counts no sign, as for d
        {BXString::Formatted(u"%s", eight), u"abcdefgh"},
        {BXString::Formatted(u"%5s", eight), u"abcde"},
        {BXString::Formatted(u"%s|%s|%ls", u"wide", "utf-8 \xC3\xA9", eight), u"wide|utf-8 \u00E9|abcdefgh"},
        {BXString::Formatted(u"%s", static_cast<const char*>(nullptr)), u"(null)"},
        {BXString::Formatted(u"%s", nullptr), u"(null)"},
        {BXString::Formatted(u"100%% %q %"), u"100%% %q %"}, // no arguments: copied as it is
        {BXString::Formatted(u"100%% %q %", 1), u"100% q "},
        {BXString::Formatted(u"a%sb%sc", u"1"), u"a1bc"},               // missing argument
        {BXString::Formatted(u"%d|%s|%f|%c", u"x", 5, 7, 1.0), u"|||"}, // mistyped arguments
        {BXString::Formatted(u"%I64", 5), u"I64"},
        {BXString::Formatted(u"%l", 5), u"l"},
        {BXString::Formatted(u"%5", 5), u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, c.expected) << "case " << (&c - cases);
    }
}

TEST(BXStringFormat, NumbersAreCappedAtThirtyOneUnits)
{
    EXPECT_EQ(BXString::Formatted(u"%31d", 1), BXString(u"0000000000000000000000000000001"));
    const BXString capped = BXString::Formatted(u"%32d", 1);
    EXPECT_EQ(capped.GetLength(), 31);
    EXPECT_EQ(capped[30], u'?');
    EXPECT_EQ(BXString::Formatted(u"%2147483647d|", 1).GetLength(), 32);
    EXPECT_EQ(BXString::Formatted(u"%99999999999999999999x|", 1).GetLength(), 32);
    EXPECT_EQ(BXString::Formatted(u"%.99999999f", 1.0).GetLength(), 31);
    const BXString huge = BXString::Formatted(u"%f", 1e300);
    EXPECT_EQ(huge.GetLength(), 31);
    EXPECT_EQ(huge[30], u'?');
    EXPECT_EQ(BXString::Formatted(u"%2147483647s", u"abc"), u"abc");
}

TEST(BXStringFormat, ArrayFormCountsAndChecksItsArguments)
{
    FormatArg args[2] = {};
    args[0].m_type = FormatArg::kInteger;
    args[0].m_integer = 12;
    args[1].m_type = 77; // unknown type
    BXString s;
    s.Format(u"%d-%d-%d", args, 2);
    EXPECT_EQ(s, u"12--");
    s.Format(u"%d", args, -3);
    EXPECT_EQ(s, u"");
    s.Format(nullptr, args, 2);
    EXPECT_EQ(s, u"");
}

TEST(BXStringFormat, FormatMayUseItsOwnTextAsAnArgument)
{
    BXString s(u"abc");
    s.Format(u"[%s|%s]", s, s);
    EXPECT_EQ(s, u"[abc|abc]");
    s.AppendFormat(u"%d", 5);
    EXPECT_EQ(s, u"[abc|abc]5");
}

} // namespace
