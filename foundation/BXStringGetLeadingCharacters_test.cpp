#include "BXStringGetLeadingCharacters.h"

#include <gtest/gtest.h>

namespace {

TEST(BXStringGetLeadingCharacters, LeadingRunsByClass)
{
    const BXStringLeadingWhitespaceCharacters space;
    const BXStringLeadingAlphaCharacters alpha;
    const BXStringLeadingDigitCharacters digits;
    const BXStringLeadingWordCharacters word;
    struct Case {
        const BXStringGetLeadingCharacters* run;
        const BXChar* text;
        int32_t position;
        const BXChar* expected; // empty: no run
        int32_t next;
    };
    const Case cases[] = {
        {&space, u"  \tx", 0, u"  \t", 3},
        {&space, u"x ", 0, u"", 0},
        {&alpha, u"abc1", 0, u"abc", 3},
        {&digits, u"x123y", 1, u"123", 4},
        {&word, u"don't stop", 0, u"don't", 5},
        {&word, u"'quoted'", 0, u"", 0}, // an apostrophe cannot start a run
        {&word, u"well-known-", 0, u"well-known", 10},
        {&word, u"-dash", 0, u"-dash", 5},
        {&word, u"a\u2012b", 0, u"a\u2012b", 3},
        {&word, u"end'", 0, u"end", 3},
        {&alpha, u"abc", 3, u"", 3},
        {&alpha, u"abc", -1, u"", -1},
        {&alpha, u"abc", 99, u"", 99},
    };
    for (const Case& c : cases) {
        const BXString text(c.text);
        int32_t position = c.position;
        BXString out(u"stale");
        EXPECT_EQ(c.run->GetLeading(text, position, out), c.expected[0] != 0) << text.ToUtf8().Get();
        EXPECT_EQ(out, c.expected) << text.ToUtf8().Get();
        EXPECT_EQ(position, c.next) << text.ToUtf8().Get();
    }
}

TEST(BXStringGetLeadingCharacters, SurroundingExtendsBackwards)
{
    const BXStringLeadingWordCharacters word;
    const BXString text(u"say hello-world now");
    int32_t position = 7;
    BXString out;
    EXPECT_TRUE(word.GetSurrounding(text, position, out));
    EXPECT_EQ(out, u"hello-world");
    EXPECT_EQ(position, 4);

    position = 3; // on the space
    EXPECT_FALSE(word.GetSurrounding(text, position, out) && out != u"say");
    position = 19; // at the end: the run before it
    EXPECT_TRUE(word.GetSurrounding(text, position, out));
    EXPECT_EQ(out, u"now");
    EXPECT_EQ(position, 16);
    position = 20;
    EXPECT_FALSE(word.GetSurrounding(text, position, out));
    EXPECT_TRUE(out.IsEmpty());
}

} // namespace
