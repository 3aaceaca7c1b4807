#include "BXStringGlobals.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <vector>

namespace {

// Empties the process-wide pool for a test and refills the heap afterwards.
class BXStringPool : public ::testing::Test {
protected:
    void SetUp() override
    {
        while (m_globals.GetPoolCount() > 0) {
            m_drained.push_back(m_globals.Allocate(0, true));
        }
    }
    void TearDown() override
    {
        for (BXStringHeader* header : m_drained) {
            m_globals.Free(header);
        }
    }
    // A block from the heap with exactly this capacity.
    BXStringHeader* Block(int32_t capacity) { return m_globals.Allocate(capacity - 1, false); }

    BXStringGlobals& m_globals = BXStringGlobals::Get();
    std::vector<BXStringHeader*> m_drained;
};

TEST_F(BXStringPool, BestFitPrefersTheSmallestSurplus)
{
    BXStringHeader* large = Block(100);
    BXStringHeader* medium = Block(60);
    BXStringHeader* tight = Block(20);
    m_globals.Free(large);
    m_globals.Free(medium);
    m_globals.Free(tight);
    ASSERT_EQ(m_globals.GetPoolCount(), 3);

    BXStringHeader* reused = m_globals.Allocate(18, true); // needs 19 units
    EXPECT_EQ(reused, tight);
    EXPECT_EQ(reused->m_capacity, 20);
    EXPECT_EQ(reused->m_length, 18);
    EXPECT_EQ(reused->m_refCount, 1);
    EXPECT_EQ(m_globals.GetPoolCount(), 2);
    m_drained.push_back(reused);
}

TEST_F(BXStringPool, SearchStopsAtTheFirstSurplusOfFifteenOrLess)
{
    BXStringHeader* goodEnough = Block(34); // surplus 15 for 19 units
    BXStringHeader* better = Block(19);     // surplus 0, but in a later slot
    m_globals.Free(goodEnough);
    m_globals.Free(better);
    BXStringHeader* reused = m_globals.Allocate(18, true);
    EXPECT_EQ(reused, goodEnough);
    m_drained.push_back(reused);
}

TEST_F(BXStringPool, EarlierSlotWinsATieAndTooSmallBlocksAreSkipped)
{
    BXStringHeader* tooSmall = Block(10);
    BXStringHeader* first = Block(200);
    BXStringHeader* second = Block(200);
    m_globals.Free(tooSmall);
    m_globals.Free(first);
    m_globals.Free(second);
    BXStringHeader* reused = m_globals.Allocate(50, true);
    EXPECT_EQ(reused, first);
    m_drained.push_back(reused);
    // Without the pool a fresh block of exactly length + 1 comes from the heap.
    BXStringHeader* fresh = m_globals.Allocate(50, false);
    EXPECT_EQ(fresh->m_capacity, 51);
    EXPECT_EQ(m_globals.GetPoolCount(), 2);
    m_drained.push_back(fresh);
}

TEST_F(BXStringPool, FreeKeepsAtMostSixteenSmallBlocks)
{
    m_globals.Free(Block(1032)); // too large for the pool
    EXPECT_EQ(m_globals.GetPoolCount(), 0);
    BXStringHeader* big = m_globals.Allocate(1031, true);
    EXPECT_EQ(big->m_capacity, 1032);
    m_drained.push_back(big);
    for (int i = 0; i < 20; ++i) {
        m_globals.Free(Block(8));
    }
    EXPECT_EQ(m_globals.GetPoolCount(), BXStringGlobals::kPoolSlots);
}

TEST(BXStringGlobals, ConstructorsHonourLengthRoomAndTerminators)
{
    BXStringGlobals& globals = BXStringGlobals::Get();
    const BXChar text[] = {u'a', u'b', 0, u'c', u'd', 0};
    struct Case {
        int32_t length;
        int32_t room;
        bool lengthExact;
        int32_t expectedLength;
    };
    const Case cases[] = {
        {-1, -1, false, 2}, {5, -1, false, 2}, {5, -1, true, 5}, {5, 3, true, 3}, {1, 4, true, 1},
    };
    for (const Case& c : cases) {
        BXChar* chars = globals.FromWide(text, c.length, c.room, false, c.lengthExact, true);
        BXStringHeader* header = BXStringHeader::FromChars(chars);
        EXPECT_EQ(header->m_length, c.expectedLength);
        EXPECT_EQ(chars[c.expectedLength], 0);
        EXPECT_GE(header->m_capacity, (c.room < 0 ? c.expectedLength : c.room) + 1);
        globals.Free(header);
    }
    EXPECT_EQ(globals.FromWide(text, 2, 0, false, true, true), globals.GetEmpty());
    BXChar* forced = globals.FromWide(text, 2, 0, true, true, true);
    EXPECT_NE(forced, globals.GetEmpty());
    EXPECT_EQ(BXStringHeader::FromChars(forced)->m_length, 0);
    globals.Free(BXStringHeader::FromChars(forced));
    EXPECT_EQ(globals.FromWide(nullptr, 3, -1, false, true, true), globals.GetEmpty());

    BXChar* zeroed = globals.NewZeroed(3);
    EXPECT_EQ(BXStringHeader::FromChars(zeroed)->m_length, 3);
    EXPECT_EQ(zeroed[0] | zeroed[1] | zeroed[2] | zeroed[3], 0);
    globals.Free(BXStringHeader::FromChars(zeroed));
    EXPECT_EQ(globals.NewZeroed(0), globals.GetEmpty());

    BXChar* narrow = globals.FromNarrow("A\xE9");
    EXPECT_EQ(narrow[0], u'A');
    EXPECT_EQ(narrow[1], 0xE9);
    globals.Free(BXStringHeader::FromChars(narrow));
    EXPECT_EQ(globals.FromNarrow(""), globals.GetEmpty());

    BXChar* fresh = globals.NewEmptyBuffer();
    EXPECT_NE(fresh, globals.GetEmpty());
    EXPECT_EQ(BXStringHeader::FromChars(fresh)->m_refCount, 1);
    globals.Free(BXStringHeader::FromChars(fresh));
}

TEST(BXStringGlobals, CompareNoCaseFoldsAndStopsAtTheFirstTerminator)
{
    const BXStringGlobals& globals = BXStringGlobals::Get();
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    struct Case {
        const BXChar* a;
        const BXChar* b;
        int32_t count; // kWhole: CompareNoCase
        int sign;
    };
    constexpr int32_t kWhole = INT32_MIN;
    const Case cases[] = {
        {u"Hello", u"hELLO", kWhole, 0},
        {u"abc", u"abd", kWhole, -1},
        {u"abc", u"ab", kWhole, 1},
        {u"", u"a", kWhole, -1},
        {nullptr, u"", kWhole, 0},
        {u"abcX", u"ABCy", 3, 0},
        {u"abcX", u"ABCy", 4, -1},
        {u"ab", u"abc", 5, -1},
        {u"x", u"y", 0, 0},
        {u"x", u"y", -3, 0},
        {u"[", u"{", kWhole, -1},
    };
    for (const Case& c : cases) {
        const int result =
            c.count == kWhole ? globals.CompareNoCase(c.a, c.b) : globals.CompareNoCaseN(c.a, c.b, c.count);
        EXPECT_EQ(sign(result), c.sign) << "case " << (&c - cases);
    }
}

TEST(BXStringGlobals, TablesAgreeWithTheRuntimeClassification)
{
    BXStringGlobals& globals = BXStringGlobals::Get();
    globals.RebuildTables(false);
    for (int c = 0; c < 256; ++c) {
        const auto w = wint_t(c);
        EXPECT_EQ(globals.ToLower(BXChar(c)), BXChar(std::towlower(w))) << c;
        EXPECT_EQ(globals.IsSpace(BXChar(c)), std::iswspace(w) != 0) << c;
        EXPECT_EQ(globals.IsAlpha(BXChar(c)), std::iswalpha(w) != 0) << c;
        EXPECT_EQ(globals.IsDigit(BXChar(c)), std::iswdigit(w) != 0) << c;
    }
    EXPECT_EQ(globals.ToLower(u'Q'), u'q');
    EXPECT_EQ(globals.GetClass(u'7'), BXStringGlobals::kClassDigit | BXStringGlobals::kClassPrint);
    EXPECT_TRUE(globals.IsSpace(u'\t'));
    EXPECT_FALSE(globals.IsAlpha(u'_'));
}

} // namespace
