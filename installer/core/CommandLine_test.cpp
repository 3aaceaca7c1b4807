#include "CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::u16string> ToVector(const BXStringArray& array)
{
    std::vector<std::u16string> result;
    for (int i = 0; i < array.GetCount(); ++i)
        result.emplace_back(array[i].View());
    return result;
}

} // namespace

TEST(CommandLine, SplitFollowsTheQuotingRules)
{
    struct Case {
        const BXChar* text;
        std::vector<std::u16string> expected;
    };
    const Case cases[] = {
        {u"", {}},
        {u"   ", {}},
        {u"/Silent  /NoRun ", {u"/Silent", u"/NoRun"}},
        {u"\"C:\\Program Files\\x\" b", {u"C:\\Program Files\\x", u"b"}},
        {u"a\\\"b", {u"a\\\"b"}},         // escaped quote stays, with its backslash
        {u"a\\\\\"b c\"", {u"a\\\\b c"}}, // two backslashes: the quote opens
        {u"\"\"", {u""}},                 // adjacent quotes: one empty argument
        {u"x \"\" y", {u"x", u"", u"y"}},
        {u"ab\"c d\"e", {u"abc d", u"e"}}, // a closing quote ends the token
        {u"\"unterminated rest", {u"unterminated rest"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ToVector(SplitCommandLine(c.text)), c.expected) << BXString(c.text).ToUtf8().Get();
}

TEST(CommandLine, JoinQuotesWhatNeedsIt)
{
    BXStringArray arguments;
    for (const BXChar* a : {u"/Silent", u"", u"two words", u"it's", u"say \"hi\"", u"C:\\a\\"})
        arguments.Add(BXString(a));
    EXPECT_EQ(JoinCommandLine(arguments), BXString(u"/Silent \"\" \"two words\" \"it's\" \"say \\\"hi\\\"\" C:\\a\\"));
    EXPECT_EQ(JoinCommandLine(BXStringArray()), BXString());
}
