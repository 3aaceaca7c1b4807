#include "BXString.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

TEST(BXStringConvert, IntegerText)
{
    EXPECT_EQ(BXString::FromInt(0), u"0");
    EXPECT_EQ(BXString::FromInt(-123), u"-123");
    EXPECT_EQ(BXString::FromInt(INT64_MIN), u"-9223372036854775808");
    EXPECT_EQ(BXString::FromInt(255, 16), u"ff");
    EXPECT_EQ(BXString::FromInt(-1, 16), u"ffffffffffffffff");
    EXPECT_EQ(BXString::FromUInt(UINT64_MAX), u"18446744073709551615");
    EXPECT_EQ(BXString::FromUInt(0xDEADBEEF, 16), u"deadbeef");
    EXPECT_EQ(BXString::FromUInt(0xDEADBEEF, 16).FromHex(), 0xDEADBEEFu);
    const BXChar separator = BXString::GetDecimalSeparator();
    EXPECT_TRUE(separator == u'.' || separator == u',');
}

TEST(BXStringConvert, Base64EncodesWithLineFeedsEvery64Characters)
{
    struct Case {
        const char* bytes;
        const BXChar* expected;
    };
    const Case cases[] = {
        {"", u""}, {"f", u"Zg=="}, {"fo", u"Zm8="}, {"foo", u"Zm9v"}, {"foob", u"Zm9vYg=="}, {"fooba", u"Zm9vYmE="},
    };
    for (const Case& c : cases) {
        const auto count = int32_t(std::char_traits<char>::length(c.bytes));
        EXPECT_EQ(BXString::Base64Encode(c.bytes, count), c.expected);
    }
    std::vector<uint8_t> bytes(49);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = uint8_t(i * 7);
    }
    const BXString exact = BXString::Base64Encode(bytes.data(), 48);
    EXPECT_EQ(exact.GetLength(), 64);
    EXPECT_EQ(exact.Find(u"\n"), -1);
    const BXString wrapped = BXString::Base64Encode(bytes.data(), 49);
    EXPECT_EQ(wrapped.GetLength(), 69);
    EXPECT_EQ(wrapped.Find(u"\n"), 64);
    EXPECT_EQ(wrapped.Base64Decode(), bytes);
    EXPECT_TRUE(BXString::Base64Encode(nullptr, 5).IsEmpty());
    EXPECT_TRUE(BXString::Base64Encode(bytes.data(), -1).IsEmpty());
}

TEST(BXStringConvert, Base64DecodeToleratesGarbage)
{
    using Bytes = std::vector<uint8_t>;
    struct Case {
        const BXChar* text;
        Bytes expected;
    };
    const Case cases[] = {
        {u"Zm9v", {'f', 'o', 'o'}},
        {u"Zm\r\n9v", {'f', 'o', 'o'}},
        {u"Zg==", {'f'}},
        {u"Zm8=", {'f', 'o'}},
        {u"Zg", {'f'}}, // an unpadded end gives only the bytes it holds
        {u"Zm8", {'f', 'o'}},
        {u"Z", {}},
        {u"Zm9v!!!!", {'f', 'o', 'o', 0, 0, 0}}, // outside the alphabet: zero bits
        {u"====", {}},
        {u"Zm9v====", {'f', 'o', 'o'}}, // padding never eats the group before
        {u"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BXString(c.text).Base64Decode(), c.expected) << BXString(c.text).ToUtf8().Get();
    }
}

TEST(BXStringConvert, TokensRoundTripAnyText)
{
    BXString tokens;
    const BXChar* texts[] = {u"", u"plain", u"with (parens) and : colons", u")"};
    for (const BXChar* text : texts) {
        tokens.AppendToken(text);
    }
    EXPECT_EQ(tokens, u"(0:)(5:plain)(26:with (parens) and : colons)(1:))");
    int32_t position = 0;
    for (const BXChar* text : texts) {
        BXString out(u"stale");
        ASSERT_TRUE(tokens.ReadToken(position, out));
        EXPECT_EQ(out, text);
    }
    EXPECT_EQ(position, tokens.GetLength());
    BXString out(u"stale");
    EXPECT_FALSE(tokens.ReadToken(position, out));
    EXPECT_TRUE(out.IsEmpty());
}

TEST(BXStringConvert, ReadTokenRejectsMalformedTokens)
{
    struct Case {
        const BXChar* text;
        int32_t position;
        bool ok;
        const BXChar* expected;
        int32_t next;
    };
    const Case cases[] = {
        {u"(3:a)b)", 0, true, u"a)b", 7},
        {u"(3:ab)", 0, false, u"", 0},
        {u"x(1:a)", 1, true, u"a", 6},
        {u"(1:a", 0, false, u"", 0},
        {u"(:a)", 0, false, u"", 0},
        {u"(1a)", 0, false, u"", 0},
        {u"(99999999999999999999:a)", 0, false, u"", 0},
        {u"(2147483647:a)", 0, false, u"", 0},
        {u"(1:a)", -1, false, u"", -1},
        {u"(1:a)", 5, false, u"", 5},
        {u"(", 0, false, u"", 0},
        {u"(1", 0, false, u"", 0},
    };
    for (const Case& c : cases) {
        int32_t position = c.position;
        BXString out(u"stale");
        EXPECT_EQ(BXString(c.text).ReadToken(position, out), c.ok) << BXString(c.text).ToUtf8().Get();
        EXPECT_EQ(out, c.expected);
        EXPECT_EQ(position, c.next);
    }
    int32_t position = 0;
    int32_t value = -1;
    EXPECT_TRUE(BXString(u"(2:42)").ReadToken(position, value));
    EXPECT_EQ(value, 42);
    EXPECT_TRUE(BXString(u"(2:42)").IsToken());
    EXPECT_FALSE(BXString(u"(x").IsToken());
}

TEST(BXStringConvert, AppendTokenReservesInSteps)
{
    BXString tokens;
    tokens.AppendToken(u"a");
    EXPECT_GE(tokens.GetCapacity(), 1024);
    const BXChar* chars = tokens.GetString();
    for (int i = 0; i < 100; ++i) {
        tokens.AppendToken(u"abc");
    }
    EXPECT_EQ(tokens.GetString(), chars); // 100 more tokens fit without moving
}

TEST(BXStringConvert, GuidStringsAreBracedUpperCaseAndFresh)
{
    std::set<std::u16string> seen;
    for (int i = 0; i < 20; ++i) {
        const BXString guid = BXString::NewGuidString();
        ASSERT_EQ(guid.GetLength(), 38);
        EXPECT_EQ(guid[0], u'{');
        EXPECT_EQ(guid[37], u'}');
        for (int32_t k = 1; k < 37; ++k) {
            const BXChar c = guid[k];
            if (k == 9 || k == 14 || k == 19 || k == 24) {
                EXPECT_EQ(c, u'-');
            } else {
                EXPECT_TRUE((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')) << k;
            }
        }
        seen.insert(std::u16string(guid.View()));
    }
    EXPECT_EQ(seen.size(), 20u);
}

} // namespace
