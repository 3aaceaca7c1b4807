#include "BXStringArray.h"

#include "BXNullTools.h"

#include "BXFoldingTextService.h"
#include "BXStringGlobals.h"
#include "BXStringHashBase.h"
#include "IBXTools.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::u16string> Elements(const BXStringArray& array)
{
    std::vector<std::u16string> elements;
    for (const BXString& element : array) {
        elements.emplace_back(element.View());
    }
    return elements;
}

BXStringArray MakeArray(std::initializer_list<const BXChar*> texts)
{
    BXStringArray array;
    for (const BXChar* text : texts) {
        array.Add(BXString(text));
    }
    return array;
}

TEST(BXStringArrayTest, SplitCases)
{
    struct Case {
        std::u16string text;
        std::u16string delimiter;
        bool trim;
        std::vector<std::u16string> pieces;
    };
    const Case cases[] = {
        {u"", u"/", false, {}},
        {u"abc", u"/", false, {u"abc"}},
        {u"abc", u"", true, {u"abc"}},
        {u"a/b/", u"/", false, {u"a", u"b"}},
        {u"/a", u"/", false, {u"", u"a"}},
        {u"a//b", u"/", false, {u"a", u"", u"b"}},
        {u"a//", u"/", false, {u"a", u""}},
        {u"/", u"/", false, {u""}},
        {u"a::b:c::", u"::", false, {u"a", u"b:c"}},
        {u" a , b ,c ", u",", true, {u" a", u"b", u"c "}},
        {u" a , b ,c ", u",", false, {u" a ", u" b ", u"c "}},
        {u"a,  ,b", u",", true, {u"a", u"", u"b"}},
        {u"a , ", u",", true, {u"a"}},
        {u"a , ", u",", false, {u"a ", u" "}},
        {u"  a  ", u",", true, {u"  a  "}},
        {std::u16string(u"x\0y;z", 5), u";", false, {std::u16string(u"x\0y", 3), u"z"}},
    };
    for (const Case& c : cases) {
        BXStringArray array = MakeArray({u"old"});
        array.Split(BXString(c.text.data(), int32_t(c.text.size())),
                    BXString(c.delimiter.data(), int32_t(c.delimiter.size())), c.trim);
        std::string label(c.text.begin(), c.text.end());
        EXPECT_EQ(Elements(array), c.pieces) << label << (c.trim ? " trimmed" : "");
    }
}

TEST(BXStringArrayTest, SplitOfItsOwnElement)
{
    BXStringArray array = MakeArray({u"x/y/z", u"/"});
    array.Split(array[0], array[1]);
    EXPECT_EQ(Elements(array), (std::vector<std::u16string>{u"x", u"y", u"z"}));
}

TEST(BXStringArrayTest, JoinInOrderReversedAndShared)
{
    BXStringArray array = MakeArray({u"a", u"bc", u"d"});
    EXPECT_EQ(array.Join(BXString(u", ")), u"a, bc, d");
    EXPECT_EQ(array.Join(BXString(u", "), true), u"d, bc, a");
    EXPECT_EQ(array.Join(BXString()), u"abcd");
    EXPECT_EQ(BXStringArray().Join(BXString(u"-")), u"");
    EXPECT_EQ(MakeArray({u"", u""}).Join(BXString()), u"");

    BXStringArray single = MakeArray({u"only"});
    BXString joined = single.Join(BXString(u"-"));
    EXPECT_EQ(joined.GetString(), single[0].GetString()) << "a single element is returned shared";
}

class BXStringArraySearchTest : public ::testing::Test {
protected:
    void SetUp() override { BXSetTextService(&BXFoldingTextService::Get()); }
    void TearDown() override { BXSetTextService(nullptr); }
};

TEST_F(BXStringArraySearchTest, FindByWholeElementOrContainedText)
{
    const BXStringArray array = MakeArray({u"Alpha", u"beta", u"GAMMA ray", u"beta"});
    struct Case {
        const BXChar* text;
        bool caseSensitive;
        bool whole;
        int index;
    };
    const Case cases[] = {
        {u"beta", true, true, 1},  {u"BETA", true, true, -1},  {u"BETA", false, true, 1},
        {u"amm", false, false, 2}, {u"amm", true, false, 2},   {u"ALPHA ", false, true, -1},
        {u"", true, true, -1},     {nullptr, false, true, -1}, {u"delta", false, false, -1},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(array.Find(c.text, c.caseSensitive, c.whole), c.index) << "case " << i;
    }
}

TEST(BXStringArrayTest, RemoveTextExactOrIgnoringCase)
{
    BXStringArray exact = MakeArray({u"a", u"A", u"b", u"a"});
    EXPECT_EQ(exact.RemoveText(u"a", true), 2);
    EXPECT_EQ(Elements(exact), (std::vector<std::u16string>{u"A", u"b"}));

    BXStringArray folded = MakeArray({u"a", u"A", u"b", u"a"});
    EXPECT_EQ(folded.RemoveText(u"a", false), 3);
    EXPECT_EQ(Elements(folded), (std::vector<std::u16string>{u"b"}));
    EXPECT_EQ(folded.RemoveText(nullptr, true), 0);
}

// Both the pairwise path (up to 16 elements) and the hashed path must keep the first of each
// case-insensitive group in its original order.
TEST(BXStringArrayTest, RemoveDuplicatesKeepsFirstOccurrence)
{
    BXStringArray small = MakeArray({u"a", u"A", u"b"});
    small.RemoveDuplicates();
    EXPECT_EQ(Elements(small), (std::vector<std::u16string>{u"a", u"b"}));

    for (int count : {16, 17, 300}) {
        BXStringArray array;
        std::vector<std::u16string> expected;
        std::set<std::u16string> seen;
        std::mt19937 random(static_cast<unsigned>(count));
        for (int i = 0; i < count; ++i) {
            int n = static_cast<int>(random() % 12);
            std::u16string text = u"Item";
            text += char16_t(u'a' + n);
            if (random() % 2) {
                std::transform(text.begin(), text.end(), text.begin(),
                               [](char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; });
            }
            std::u16string folded = text;
            std::transform(folded.begin(), folded.end(), folded.begin(),
                           [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; });
            if (seen.insert(folded).second) {
                expected.push_back(text);
            }
            array.Add(BXString(text.data(), int32_t(text.size())));
        }
        array.RemoveDuplicates();
        EXPECT_EQ(Elements(array), expected) << count;
    }
}

// Two different strings with one 64-bit folded hash (ideographs fold to themselves) are not duplicates.
TEST(BXStringArrayTest, RemoveDuplicatesKeepsStringsThatOnlyShareAHash)
{
    const int delta[] = {-60, -85, 126, 18, 112, 148, 20, -139};
    std::u16string first(8, char16_t(0x6000));
    std::u16string second;
    for (int d : delta) {
        second += char16_t(0x6000 + d);
    }
    const BXString a(first.data(), 8);
    const BXString b(second.data(), 8);
    ASSERT_EQ(BXStringHashBase::Hash64(a), BXStringHashBase::Hash64(b));
    BXStringArray array;
    for (int i = 0; i < 20; ++i) {
        array.Add(i % 2 ? a : b);
    }
    array.RemoveDuplicates();
    EXPECT_EQ(Elements(array), (std::vector<std::u16string>{second, first}));
}

TEST(BXStringArrayTest, SortWithoutTextServiceIgnoresCase)
{
    BXStringArray array = MakeArray({u"delta", u"Alpha", u"charlie", u"Bravo", u"alphabet"});
    array.Sort();
    EXPECT_EQ(Elements(array), (std::vector<std::u16string>{u"Alpha", u"alphabet", u"Bravo", u"charlie", u"delta"}));

    BXStringArray many;
    std::mt19937 random(3);
    for (int i = 0; i < 2000; ++i) {
        many.Add(BXString::FromInt(static_cast<int64_t>(random() % 100000)));
    }
    many.Sort();
    const BXStringGlobals& globals = BXStringGlobals::Get();
    for (int i = 1; i < many.GetCount(); ++i) {
        ASSERT_LE(globals.CompareNoCase(many[i - 1].GetString(), many[i].GetString()), 0) << i;
    }
}

// A loaded tools component decides the order; the flags reach its comparison.
class ReversingTools : public BXNullTools, public IBXTextTools {
public:
    IBXTextTools* GetText() override { return this; }

    int32_t FindText(const BXChar*, const BXChar*, int32_t) override { return -1; }
    int32_t CompareText(const BXChar* a, const BXChar* b, int32_t flags) override
    {
        m_flags = flags;
        return -BXStringGlobals::Get().CompareNoCase(a, b);
    }
    bool MatchesTypedPrefix(const BXChar*, const BXChar*) override { return false; }

    int32_t m_flags = 0;
};

TEST(BXStringArrayTest, SortUsesTheToolsComparisonWithFlags)
{
    ReversingTools tools;
    BXSetTools(&tools);
    BXStringArray array = MakeArray({u"b", u"c", u"a"});
    array.Sort(0x24);
    BXSetTools(nullptr);
    EXPECT_EQ(Elements(array), (std::vector<std::u16string>{u"c", u"b", u"a"}));
    EXPECT_EQ(tools.m_flags, 0x24);
}

} // namespace
