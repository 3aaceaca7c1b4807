#include "BXTokenize.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Runs = std::vector<std::pair<std::u16string, int32_t>>;

Runs TokenRuns(const BXString& text)
{
    BXStringArray strings;
    BXNumberArray<int32_t> kinds;
    Tokenize(text, strings, kinds);
    EXPECT_EQ(strings.GetCount(), kinds.GetCount());
    Runs runs;
    for (int i = 0; i < strings.GetCount(); ++i) {
        runs.emplace_back(std::u16string(strings[i].View()), kinds[i]);
    }
    return runs;
}

TEST(BXTokenizeTest, SplitsIntoKindedRuns)
{
    struct Case {
        const BXChar* text;
        Runs runs;
    };
    const Case cases[] = {
        {u"", {}},
        {u"Hello  world", {{u"Hello", 2}, {u"  ", 1}, {u"world", 2}}},
        {u"don't 42x", {{u"don't", 2}, {u" ", 1}, {u"42", 3}, {u"x", 2}}},
        {u"'quoted'", {{u"'", 4}, {u"quoted", 2}, {u"'", 4}}},
        {u"re-use -x a-", {{u"re-use", 2}, {u" ", 1}, {u"-x", 2}, {u" ", 1}, {u"a", 2}, {u"-", 4}}},
        {u"\u2012dash", {{u"\u2012dash", 2}}},
        {u"a,b\t\n", {{u"a", 2}, {u",", 4}, {u"b", 2}, {u"\t\n", 1}}},
    };
    for (const Case& c : cases) {
        std::u16string label(c.text);
        EXPECT_EQ(TokenRuns(BXString(c.text)), c.runs) << std::string(label.begin(), label.end());
    }
}

TEST(BXTokenizeTest, AppendsToWhatTheArraysHold)
{
    BXStringArray strings;
    strings.Add(BXString(u"kept"));
    BXNumberArray<int32_t> kinds;
    kinds.Add(9);
    Tokenize(BXString(u"a b"), strings, kinds);
    EXPECT_EQ(strings.GetCount(), 4);
    EXPECT_EQ(kinds[0], 9);
    EXPECT_EQ(kinds[3], 2);
}

TEST(BXTokenizeTest, GetWordAtFindsWordsThenNumbers)
{
    struct Case {
        int32_t position;
        std::u16string word;
        int32_t kind;
        int32_t start;
    };
    // "say 1234 hello!"
    const Case cases[] = {
        {0, u"say", 2, 0},    {2, u"say", 2, 0}, {3, u"say", 2, 0}, {5, u"1234", 3, 4}, {10, u"hello", 2, 9},
        {14, u"hello", 2, 9}, {15, u"", 0, -1},  {-1, u"", 0, -1},  {99, u"", 0, -1},
    };
    const BXString text(u"say 1234 hello!");
    for (const Case& c : cases) {
        int32_t kind = -7;
        int32_t start = -7;
        BXString word = GetWordAt(text, c.position, &kind, &start);
        EXPECT_EQ(std::u16string(word.View()), c.word) << c.position;
        EXPECT_EQ(kind, c.kind) << c.position;
        EXPECT_EQ(start, c.start) << c.position;
    }
    EXPECT_EQ(GetWordAt(BXString(), 0), u"");
}

} // namespace
