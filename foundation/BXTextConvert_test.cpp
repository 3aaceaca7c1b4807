#include "BXTextConvert.h"

#include "BXString.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(BXTextConvert, ToIntReadsSignedDigitsAndSaturates)
{
    struct Case {
        const BXChar* text;
        int32_t expected;
    };
    const Case cases[] = {
        {u"42", 42},
        {u"  \t-17", -17},
        {u"+8", 8},
        {u"12abc", 12},
        {u" -99999999999", -2147483647},
        {u"99999999999999999999999999999", 2147483647},
        {u"2147483647", 2147483647},
        {u"2147483648", 2147483647},
        {u"", 0},
        {nullptr, 0},
        {u"-", 0},
        {u"--5", 0},
        {u"\u0661\u0662", 12}, // Arabic-Indic
        {u"\uFF13\u0e55", 35}, // Fullwidth then Thai
        {u"\u0BE7", 0},        // Tamil is not among the scripts read
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BXTextConvert::ToInt(c.text), c.expected) << BXString(c.text).ToUtf8().Get();
    }
    EXPECT_EQ(BXString(u"77").ToInt(), 77);
}

TEST(BXTextConvert, ToDoubleAcceptsPointOrCommaAndReportsWhatItRead)
{
    struct Case {
        const BXChar* text;
        double expected;
        int32_t consumed;
    };
    const Case cases[] = {
        {u"1.5", 1.5, 3},
        {u"1,5", 1.5, 3},
        {u"  +2.25x", 2.25, 7},
        {u"-3", -3.0, 2},
        {u"\u20124.5", -4.5, 4},
        {u"1.5e2", 150.0, 5},
        {u"2E-1", 0.2, 4},
        {u"1.2.3", 1.2, 3},
        {u".5", 0.5, 2},
        {u"abc", 0.0, 0},
        {u"", 0.0, 0},
        {u"123456789012345678901234567890", 1.2345678901234568e29, 30},
        {u"0.1234567890123456789999", 0.12345678901234568, 24},
        {u"2e1e1", 2e10, 5}, // the exponent is itself a number with an exponent
    };
    for (const Case& c : cases) {
        int32_t consumed = -1;
        const double value = BXTextConvert::ToDouble(c.text, &consumed);
        EXPECT_NEAR(value, c.expected, std::fabs(c.expected) * 1e-12) << BXString(c.text).ToUtf8().Get();
        EXPECT_EQ(consumed, c.consumed) << BXString(c.text).ToUtf8().Get();
    }
    EXPECT_EQ(BXTextConvert::ToDouble(nullptr), 0.0);
    EXPECT_TRUE(std::isinf(BXTextConvert::ToDouble(u"1e999")));
    // Nested exponents stop at a fixed depth instead of recursing without bound.
    int32_t consumed = 0;
    EXPECT_TRUE(std::isinf(BXTextConvert::ToDouble(u"1e1e1e1e1e1e1e1e1", &consumed)));
    EXPECT_EQ(consumed, 9);
}

TEST(BXTextConvert, FromHexAndTokenTest)
{
    EXPECT_EQ(BXTextConvert::FromHex(u"0x1F"), 0x1Fu);
    EXPECT_EQ(BXTextConvert::FromHex(u"ffFF"), 0xFFFFu);
    EXPECT_EQ(BXTextConvert::FromHex(u"12g4"), 0x12u);
    EXPECT_EQ(BXTextConvert::FromHex(u"0x"), 0u);
    EXPECT_EQ(BXTextConvert::FromHex(u"123456789"), 0x23456789u); // wraps modulo 2^32
    EXPECT_EQ(BXTextConvert::FromHex(nullptr), 0u);
    EXPECT_EQ(BXString(u"0XaB").FromHex(), 0xABu);

    EXPECT_TRUE(BXTextConvert::IsToken(u"(12:abc"));
    EXPECT_FALSE(BXTextConvert::IsToken(u"(:abc)"));
    EXPECT_FALSE(BXTextConvert::IsToken(u"(12abc)"));
    EXPECT_FALSE(BXTextConvert::IsToken(u"12:"));
    EXPECT_FALSE(BXTextConvert::IsToken(nullptr));
}

} // namespace
