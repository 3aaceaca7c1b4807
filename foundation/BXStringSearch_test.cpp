#include "BXString.h"

#include "BXFoldingTextService.h"
#include "BXTextService.h"

#include <gtest/gtest.h>

namespace {

// Runs each test once without a text service and once with the built-in folding one.
class BXStringNoCase : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { BXSetTextService(GetParam() ? &BXFoldingTextService::Get() : nullptr); }
    void TearDown() override { BXSetTextService(nullptr); }
    bool Folding() const { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(TextService, BXStringNoCase, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("Folding") : std::string("None");
                         });

TEST(BXStringSearch, FindIsCaseSensitiveAndBounded)
{
    const BXString s(u"abcabcab");
    struct Case {
        const BXChar* needle;
        int32_t start;
        int32_t expected;
    };
    const Case cases[] = {
        {u"abc", 0, 0}, {u"abc", 1, 3},   {u"cab", 0, 2}, {u"ab", 6, 6},   {u"abc", 6, -1},       {u"ABC", 0, -1},
        {u"", 0, -1},   {nullptr, 0, -1}, {u"b", -7, 1},  {u"b", 100, -1}, {u"abcabcabx", 0, -1}, {u"abcabcab", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(s.Find(c.needle, c.start), c.expected) << "start " << c.start;
    }
    EXPECT_EQ(s.Find(u'c', 3), 5);
    EXPECT_EQ(s.Find(u'x'), -1);
    EXPECT_EQ(s.Find(u'a', INT32_MAX), -1);
}

TEST_P(BXStringNoCase, FindNoCaseFoldsOnlyWithATextService)
{
    const BXString s(u"Hello World, hello");
    struct Case {
        const BXChar* needle;
        int32_t start;
        bool returnEnd;
        int32_t folded;   // with the service
        int32_t unfolded; // without: case-sensitive
    };
    const Case cases[] = {
        {u"WORLD", 0, false, 6, -1},   {u"World", 0, false, 6, 6},
        {u"hello", 1, false, 13, 13},  {u"HELLO", 0, true, 5, -1},
        {u"world", 7, false, -1, -1},  {u"o", 17, false, 17, 17},
        {u"hello", 18, false, -1, -1}, {u"hello", -1, false, -1, -1},
        {u"", 0, false, -1, -1},       {u"hello world, hello!", 0, false, -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(s.FindNoCase(c.needle, c.start, c.returnEnd), Folding() ? c.folded : c.unfolded)
            << "start " << c.start;
    }
    EXPECT_EQ(s.ContainsNoCase(u"WORLD"), Folding());
    EXPECT_TRUE(s.ContainsNoCase(u"World"));
    EXPECT_FALSE(BXString().ContainsNoCase(u"a"));
    EXPECT_FALSE(s.ContainsNoCase(u""));
}

TEST(BXStringSearch, ReverseAndSetSearches)
{
    const BXString s(u"C:\\dir/sub\\file.txt\r\nnext");
    EXPECT_EQ(s.ReverseFind(u'\\'), 10);
    EXPECT_EQ(s.ReverseFind(u'?'), -1);
    EXPECT_EQ(s.FindOneOf(), 19);
    EXPECT_EQ(s.FindOneOf(u"/\\", 3), 6);
    EXPECT_EQ(s.ReverseFindOneOf(), 10);
    EXPECT_EQ(s.ReverseFindOneOf(9), 6);
    EXPECT_EQ(s.ReverseFindOneOf(2), 2);
    EXPECT_EQ(s.ReverseFindOneOf(1), -1);
    EXPECT_EQ(s.ReverseFindOneOf(1000), 10);
    EXPECT_EQ(BXString().ReverseFindOneOf(), -1);
}

TEST(BXStringSearch, EndsWithReturnsZeroOnAMatch)
{
    const BXString s(u"Setup.EXE");
    EXPECT_EQ(s.EndsWith(u".EXE"), 0);
    EXPECT_NE(s.EndsWith(u".exe"), 0);
    EXPECT_EQ(s.EndsWith(u".exe", false), 0);
    EXPECT_EQ(s.EndsWith(u""), 0);
    EXPECT_NE(s.EndsWith(u"xSetup.EXE"), 0);
    EXPECT_NE(BXString().EndsWith(u"a"), 0);
}

TEST_P(BXStringNoCase, FindEnclosedFindsPairsWithNestingAndUnterminatedEnds)
{
    struct Case {
        const BXChar* text;
        const BXChar* begin;
        const BXChar* end;
        int32_t startPos;
        bool inclusive;
        bool nesting;
        bool unterminated;
        bool found;
        int32_t start;
        int32_t stop;
        bool beginNeedsFolding = false;
    };
    const Case cases[] = {
        {u"a[b]c", u"[", u"]", 0, false, false, false, true, 2, 3},
        {u"a[b]c", u"[", u"]", 0, true, false, false, true, 1, 4},
        {u"[a[b]c]", u"[", u"]", 0, false, true, false, true, 1, 6},
        {u"[a[b]c]", u"[", u"]", 0, false, false, false, true, 1, 4},
        {u"x<!--a-->y", u"<!--", u"-->", 0, true, true, false, true, 1, 9},
        {u"a[b", u"[", u"]", 0, false, false, false, false, -1, -1},
        {u"a[b", u"[", u"]", 0, false, false, true, true, 2, 3},
        {u"ab[", u"[", u"]", 0, false, false, false, false, -1, -1}, // begin ends the text
        {u"[a][b]", u"[", u"]", 1, false, false, false, true, 4, 5},
        {u"[a]", u"[", u"]", 99, false, false, false, false, -1, -1},
        {u"[a]", u"", u"]", 0, false, false, false, false, -1, -1},
        {u"[a]", u"[", u"", 0, false, true, true, false, -1, -1},
        {u"<B>x</b>", u"<b>", u"</B>", 0, false, false, false, true, 3, 4, true}, // the end always ignores case
    };
    for (const Case& c : cases) {
        const BXString s(c.text);
        int32_t start = 7;
        int32_t stop = 7;
        const bool found =
            s.FindEnclosed(c.begin, c.end, c.startPos, c.inclusive, c.nesting, c.unterminated, start, stop);
        // The begin marker is found case-insensitively only through the text service.
        const bool beginFolds = c.beginNeedsFolding && !Folding();
        EXPECT_EQ(found, c.found && !beginFolds) << s.ToUtf8().Get();
        EXPECT_EQ(start, beginFolds ? -1 : c.start) << s.ToUtf8().Get();
        EXPECT_EQ(stop, beginFolds ? -1 : c.stop) << s.ToUtf8().Get();
    }
}

TEST(BXStringSearch, BetweenAndRemoveComments)
{
    EXPECT_EQ(BXString(u"key=\"value\" rest").Between(u"\"", u"\""), u"value");
    EXPECT_EQ(BXString(u"a(b").Between(u"(", u")"), u"");
    EXPECT_EQ(BXString(u"a(b").Between(u"(", u")", true), u"b");

    struct Case {
        const BXChar* text;
        int32_t ranges;
        const BXChar* expected;
    };
    const Case cases[] = {
        {u"no comments", 0, u"no comments"},
        {u"a<!--x-->b<!--y-->c", 2, u"abc"},
        {u"a<!--x<!--y-->z-->b", 2, u"ab"},
        {u"a<!--open", 0, u"a<!--open"},
        {u"<!---->", 1, u""},
        {u"a<!--x-->b<!--unterminated", 1, u"ab<!--unterminated"},
    };
    for (const Case& c : cases) {
        BXString s(c.text);
        EXPECT_EQ(s.RemoveComments(), c.ranges) << BXString(c.text).ToUtf8().Get();
        EXPECT_EQ(s, c.expected);
    }
}

TEST(BXStringSearch, TrimRemovesWhiteSpaceAndSets)
{
    using Edit = void (*)(BXString&);
    struct Case {
        const BXChar* text;
        Edit edit;
        const BXChar* expected;
    };
    const Case cases[] = {
        {u" \t a b \r\n", [](BXString& s) { s.Trim(); }, u"a b"},
        {u"  a ", [](BXString& s) { s.TrimLeft(); }, u"a "},
        {u"  a ", [](BXString& s) { s.TrimRight(); }, u"  a"},
        {u"   ", [](BXString& s) { s.Trim(); }, u""},
        {u"xxyaxy", [](BXString& s) { s.TrimLeft(u"xy"); }, u"axy"},
        {u"\\/\\dir\\", [](BXString& s) { s.TrimLeadingSlashes(); }, u"dir\\"},
        {u"C:\\dir\\\\\\", [](BXString& s) { s.TrimTrailingBackslashes(); }, u"C:\\dir"},
        {u"a", [](BXString& s) { s.TrimLeft(nullptr); }, u"a"},
    };
    for (const Case& c : cases) {
        BXString s(c.text);
        c.edit(s);
        EXPECT_EQ(s, c.expected);
    }
    // Nothing to trim: the buffer stays shared.
    const BXString original(u"abc");
    BXString copy(original);
    copy.Trim();
    EXPECT_EQ(copy.GetString(), original.GetString());
}

TEST(BXStringSearch, PathHelpers)
{
    BXString path(u"C:\\dir\\file.txt");
    EXPECT_TRUE(path.StripFileName());
    EXPECT_EQ(path, u"C:\\dir\\");
    EXPECT_TRUE(path.HasTrailingBackslash());
    BXString name(u"file.txt");
    EXPECT_FALSE(name.StripFileName());
    EXPECT_EQ(name, u"file.txt");
    EXPECT_FALSE(name.HasTrailingBackslash());

    struct Case {
        const BXChar* base;
        const BXChar* name;
        const BXChar* expected;
    };
    const Case cases[] = {
        {u"C:\\dir", u"sub", u"C:\\dir\\sub"},
        {u"C:\\dir\\\\", u"sub\\\\", u"C:\\dir\\sub"},
        {u"C:\\dir\\", u"", u"C:\\dir\\"},
        {u"", u"sub", u"\\sub"},
    };
    for (const Case& c : cases) {
        BXString s(c.base);
        s.AppendPath(c.name);
        EXPECT_EQ(s, c.expected);
    }
}

TEST(BXStringSearch, EndsWithPatternMatchesAnyAndHexUnits)
{
    const BXChar pattern[] = {u'.', 0, 1, 1}; // any unit, then two hexadecimal digits
    EXPECT_TRUE(BXString(u"file.x3F").EndsWithPattern(pattern, 4));
    EXPECT_TRUE(BXString(u".!00").EndsWithPattern(pattern, 4));
    EXPECT_FALSE(BXString(u"file.x3G").EndsWithPattern(pattern, 4));
    EXPECT_FALSE(BXString(u"filex.3F").EndsWithPattern(pattern, 4));
    EXPECT_FALSE(BXString(u"3F").EndsWithPattern(pattern, 4));
    EXPECT_FALSE(BXString(u"abc").EndsWithPattern(pattern, -1));
}

TEST(BXStringSearch, MakeLowerCopiesOnlyWhenSomethingChanges)
{
    const BXString original(u"already lower 123");
    BXString copy(original);
    copy.MakeLower();
    EXPECT_EQ(copy.GetString(), original.GetString());

    BXString mixed(u"MiXeD Case");
    const BXString keep(mixed);
    mixed.MakeLower();
    EXPECT_EQ(mixed, u"mixed case");
    EXPECT_EQ(keep, u"MiXeD Case");
}

TEST_P(BXStringNoCase, ReplaceRecordsLeftmostNonOverlappingHits)
{
    struct Case {
        const BXChar* text;
        std::vector<const BXChar*> patterns;
        std::vector<const BXChar*> replacements;
        bool caseSensitive;
        int32_t hits;
        const BXChar* expected;
        int32_t hitsFolded; // when folding changes the outcome, else -1
        const BXChar* expectedFolded;
    };
    const Case cases[] = {
        // "a" wins at 0, then "ab" wins the tie at 1 because it comes first.
        {u"aab", {u"ab", u"a"}, {u"X", u"Y"}, true, 2, u"YX", -1, nullptr},
        {u"aaaa", {u"aa"}, {u"b"}, true, 2, u"bb", -1, nullptr},
        {u"abc", {u"x"}, {u"y"}, true, 0, u"abc", -1, nullptr},
        {u"abc", {u"b", u""}, {u"y", u"z"}, true, 0, u"abc", -1, nullptr},
        {u"a-b-c", {u"-"}, {nullptr}, true, 2, u"abc", -1, nullptr},
        {u"Cat cat", {u"cat"}, {u"dog"}, false, 1, u"Cat dog", 2, u"dog dog"},
        {u"Cat cat", {u"cat"}, {u"dog"}, true, 1, u"Cat dog", -1, nullptr},
        {u"%1 and %10", {u"%10", u"%1"}, {u"ten", u"one"}, true, 2, u"one and ten", -1, nullptr},
    };
    for (const Case& c : cases) {
        BXString s(c.text);
        const int32_t hits =
            s.Replace(c.patterns.data(), c.replacements.data(), int32_t(c.patterns.size()), c.caseSensitive);
        const bool folded = Folding() && c.hitsFolded >= 0;
        EXPECT_EQ(hits, folded ? c.hitsFolded : c.hits) << BXString(c.text).ToUtf8().Get();
        EXPECT_EQ(s, folded ? c.expectedFolded : c.expected);
    }
}

TEST(BXStringSearch, ReplaceCanWrapMatchesWithoutChangingThem)
{
    BXString s(u"find the cat and the dog");
    const BXChar* patterns[] = {u"cat", u"dog"};
    EXPECT_EQ(s.Replace(patterns, nullptr, 2, true, true, u"<b>", u"</b>"), 2);
    EXPECT_EQ(s, u"find the <b>cat</b> and the <b>dog</b>");

    BXString none(u"abc");
    EXPECT_EQ(none.Replace(patterns, nullptr, 0, true), 0);
    EXPECT_EQ(none.Replace(nullptr, nullptr, 2, true), 0);
    EXPECT_EQ(none.Replace(u"b", u"BB"), 1);
    EXPECT_EQ(none, u"aBBc");
}

} // namespace
