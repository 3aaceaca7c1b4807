#include "BXString.h"

#include "BXStringGlobals.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

const BXStringHeader* HeaderOf(const BXString& s)
{
    return BXStringHeader::FromChars(s.GetString());
}

TEST(BXString, BufferLayoutPutsHeaderRightBeforeTheCharacters)
{
    const BXString s(u"abc");
    const BXStringHeader* header = HeaderOf(s);
    EXPECT_EQ(reinterpret_cast<const char*>(s.GetString()) - reinterpret_cast<const char*>(header),
              ptrdiff_t(sizeof(BXStringHeader)));
    EXPECT_EQ(header->m_allocator, &BXStringGlobals::Get());
    EXPECT_EQ(header->m_length, 3);
    EXPECT_GE(header->m_capacity, 4);
    EXPECT_EQ(header->m_refCount, 1);
    EXPECT_EQ(s.GetString()[3], 0);
}

TEST(BXString, EmptyStringIsTheSharedStaticBuffer)
{
    const BXString a;
    const BXString b(u"");
    const BXString c(nullptr, 5);
    EXPECT_EQ(a.GetString(), BXStringGlobals::Get().GetEmpty());
    EXPECT_EQ(b.GetString(), a.GetString());
    EXPECT_EQ(c.GetString(), a.GetString());
    EXPECT_EQ(a.GetRefCount(), kStaticRefCount);
}

TEST(BXString, ModifyingAnEmptyStringNeverWritesIntoTheSharedEmptyBuffer)
{
    const BXChar* empty = BXStringGlobals::Get().GetEmpty();
    BXString a;
    a.Append(u"x");
    BXString b;
    BXChar* buffer = b.GetBuffer(4);
    buffer[0] = u'y';
    b.ReleaseBuffer(1);
    BXString c;
    c.Insert(0, u'z');
    c.Empty();
    BXString d;
    d.ReleaseBuffer(0);
    EXPECT_EQ(empty[0], 0);
    EXPECT_EQ(BXStringHeader::FromChars(empty)->m_length, 0);
    EXPECT_EQ(BXStringHeader::FromChars(empty)->m_refCount, kStaticRefCount);
    EXPECT_EQ(a, u"x");
    EXPECT_EQ(b, u"y");
}

TEST(BXString, CopiesShareUntilOneIsModified)
{
    BXString a(u"shared text");
    BXString b(a);
    EXPECT_EQ(a.GetString(), b.GetString());
    EXPECT_EQ(a.GetRefCount(), 2);

    b.Append(u"!");
    EXPECT_NE(a.GetString(), b.GetString());
    EXPECT_EQ(a, u"shared text");
    EXPECT_EQ(b, u"shared text!");
    EXPECT_EQ(a.GetRefCount(), 1);
    EXPECT_EQ(b.GetRefCount(), 1);

    BXString c;
    c = a;
    EXPECT_EQ(c.GetString(), a.GetString());
    c.SetAt(0, u'S');
    EXPECT_EQ(a, u"shared text");
    EXPECT_EQ(c, u"Shared text");
}

TEST(BXString, SelfAssignmentChangesNothingAndSelfAppendDoubles)
{
    BXString a(u"ab");
    const BXChar* before = a.GetString();
    BXString& alias = a;
    a = alias;
    EXPECT_EQ(a.GetString(), before);
    EXPECT_EQ(a.GetRefCount(), 1);

    a.Append(alias);
    EXPECT_EQ(a, u"abab");
    a.Append(a.GetString(), a.GetLength());
    EXPECT_EQ(a, u"abababab");
    a += a;
    EXPECT_EQ(a.GetLength(), 16);
    a.Assign(a.GetString() + 14, 2);
    EXPECT_EQ(a, u"ab");
    a.Insert(1, a.GetString(), 2);
    EXPECT_EQ(a, u"aabb");
    a.AppendMany(a, u"-", a);
    EXPECT_EQ(a, u"aabbaabb-aabb");
}

TEST(BXString, AStringHeldByGetBufferStaysExclusiveAndPrivateThroughAssignment)
{
    BXString a(u"abc");
    a.GetBuffer();
    EXPECT_EQ(a.GetRefCount(), kExclusiveRefCount);
    const BXString b(u"xyz");
    a = b;
    EXPECT_EQ(a.GetRefCount(), kExclusiveRefCount);
    EXPECT_NE(a.GetString(), b.GetString());
    EXPECT_EQ(b.GetRefCount(), 1);
    EXPECT_EQ(a, u"xyz");

    // A copy of a held string is private too.
    const BXString c(a);
    EXPECT_NE(c.GetString(), a.GetString());
    EXPECT_EQ(c.GetRefCount(), 1);

    a.ReleaseBuffer();
    EXPECT_EQ(a.GetRefCount(), 1);
    EXPECT_EQ(a, u"xyz");
}

TEST(BXString, GetBufferOnASharedBufferCopiesAndReleaseBufferMeasures)
{
    BXString a(u"hello");
    const BXString b(a);
    BXChar* buffer = a.GetBuffer(10);
    EXPECT_NE(buffer, b.GetString());
    EXPECT_EQ(b.GetRefCount(), 1);
    buffer[5] = u'!';
    buffer[6] = 0;
    a.ReleaseBuffer();
    EXPECT_EQ(a, u"hello!");
    EXPECT_EQ(b, u"hello");

    BXString fresh(u"keep");
    const BXString other(fresh);
    fresh.GetBuffer(3, false, false);
    fresh.ReleaseBuffer();
    EXPECT_EQ(fresh, u"");
    EXPECT_EQ(other, u"keep");
}

TEST(BXString, GetBufferGrowthRoundsTheRoom)
{
    struct Case {
        int32_t room;
        bool exact;
        int32_t capacity;
    };
    // Rooms of 1032 units and more bypass the pool, so the capacities are exact.
    const Case cases[] = {
        {2000, false, 2049},         {2000, true, 2001},          {2048, false, 4097},
        {0x100000, false, 0x200001}, {0x100001, false, 0x200001}, {0x200000, false, 0x200001},
        {0x100001, true, 0x100002},
    };
    for (const Case& c : cases) {
        BXString s(u"ab");
        s.GetBuffer(c.room, c.exact);
        s.ReleaseBuffer();
        EXPECT_EQ(s.GetCapacity(), c.capacity) << "room " << c.room << (c.exact ? " exact" : "");
        EXPECT_EQ(s, u"ab");
    }
    // Small rooms may come from the pool, which can only supply more.
    BXString small(u"ab");
    small.GetBuffer(5);
    small.ReleaseBuffer();
    EXPECT_GE(small.GetCapacity(), 9);
    BXString exact(u"ab");
    exact.GetBuffer(5, true);
    exact.ReleaseBuffer();
    EXPECT_GE(exact.GetCapacity(), 6);
}

TEST(BXString, GetBufferWithinCapacityKeepsTheBuffer)
{
    BXString s(u"abc");
    s.GetBuffer(100);
    s.ReleaseBuffer();
    const BXChar* chars = s.GetString();
    s.GetBuffer(50);
    s.ReleaseBuffer(2);
    EXPECT_EQ(s.GetString(), chars);
    EXPECT_EQ(s, u"ab");
}

TEST(BXString, ReleaseBufferNeverReadsPastTheCapacity)
{
    BXString s;
    BXChar* buffer = s.GetBuffer(4, true);
    for (int i = 0; i < s.GetCapacity(); ++i) {
        buffer[i] = u'x'; // no terminator written at all
    }
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), s.GetCapacity() - 1);
    s.GetBuffer();
    s.ReleaseBuffer(1000);
    EXPECT_EQ(s.GetLength(), s.GetCapacity() - 1);
}

TEST(BXString, EmptyKeepsAnOwnBufferAndDropsASharedOne)
{
    BXString own(u"abc");
    const BXChar* chars = own.GetString();
    own.Empty();
    EXPECT_EQ(own.GetString(), chars);
    EXPECT_EQ(own.GetLength(), 0);
    EXPECT_EQ(own.GetString()[0], 0);

    BXString a(u"abc");
    const BXString b(a);
    a.Empty();
    EXPECT_EQ(a.GetString(), BXStringGlobals::Get().GetEmpty());
    EXPECT_EQ(b, u"abc");
    EXPECT_EQ(b.GetRefCount(), 1);
}

TEST(BXString, MoveLeavesTheSourceEmpty)
{
    BXString a(u"abc");
    BXString b(std::move(a));
    EXPECT_EQ(b, u"abc");
    EXPECT_TRUE(a.IsEmpty()); // NOLINT(bugprone-use-after-move): moved-from is specified empty
    a = std::move(b);
    EXPECT_EQ(a, u"abc");
}

TEST(BXString, ComparisonsOrderByUnitAndLength)
{
    struct Case {
        const BXChar* a;
        const BXChar* b;
        int sign;
    };
    const Case cases[] = {
        {u"", u"", 0}, {u"a", u"", 1}, {u"", u"a", -1}, {u"ab", u"abc", -1}, {u"b", u"abc", 1}, {u"abc", u"abc", 0},
    };
    for (const Case& c : cases) {
        const BXString a(c.a);
        const BXString b(c.b);
        auto sign = [](int v) { return (v > 0) - (v < 0); };
        EXPECT_EQ(sign(a.Compare(b)), c.sign) << a.ToUtf8().Get() << " vs " << b.ToUtf8().Get();
        EXPECT_EQ(sign(a.Compare(c.b)), c.sign);
        EXPECT_EQ(a == b, c.sign == 0);
        EXPECT_EQ(a == c.b, c.sign == 0);
        EXPECT_EQ(a < b, c.sign < 0);
    }
    EXPECT_TRUE(BXString() == nullptr);
    EXPECT_EQ(BXString(u"ABC").CompareNoCase(u"abc"), 0);
    EXPECT_LT(BXString(u"abc").CompareNoCase(u"ABD"), 0);
}

TEST(BXString, AppendGrowsAndKeepsEarlierText)
{
    BXString s;
    BXString expected;
    for (int i = 0; i < 2000; ++i) {
        s.Append(u"ab", 2);
        s += u'c';
    }
    EXPECT_EQ(s.GetLength(), 6000);
    for (int i = 0; i < 6000; i += 3) {
        ASSERT_EQ(s[i], u'a');
        ASSERT_EQ(s[i + 2], u'c');
    }
    s.Append(nullptr);
    s.Append(u"xyz", 0);
    EXPECT_EQ(s.GetLength(), 6000);
    const BXString sum = BXString(u"a") + u"b" + BXString(u"c");
    EXPECT_EQ(sum, u"abc");
    EXPECT_EQ(u"x" + BXString(u"y"), u"xy");
}

TEST(BXString, EditOperationsIgnoreBadIndexes)
{
    using Edit = void (*)(BXString&);
    struct Case {
        const char* name;
        Edit edit;
        const BXChar* expected;
    };
    const Case cases[] = {
        {"insert char", [](BXString& s) { s.Insert(2, u'-'); }, u"ab-cdef"},
        {"insert at end", [](BXString& s) { s.Insert(6, u"gh"); }, u"abcdefgh"},
        {"insert beyond end", [](BXString& s) { s.Insert(7, u'x'); }, u"abcdef"},
        {"insert negative", [](BXString& s) { s.Insert(-1, u'x'); }, u"abcdef"},
        {"delete middle", [](BXString& s) { s.Delete(1, 2); }, u"adef"},
        {"delete clamps", [](BXString& s) { s.Delete(4, 100); }, u"abcd"},
        {"delete negative count", [](BXString& s) { s.Delete(1, -3); }, u"abcdef"},
        {"delete huge", [](BXString& s) { s.Delete(INT32_MIN, INT32_MAX); }, u"abcdef"},
        {"delete left", [](BXString& s) { s.DeleteLeft(2); }, u"cdef"},
        {"delete left all", [](BXString& s) { s.DeleteLeft(99); }, u""},
        {"delete right", [](BXString& s) { s.DeleteRight(2); }, u"abcd"},
        {"delete right huge", [](BXString& s) { s.DeleteRight(INT32_MAX); }, u""},
        {"delete left right", [](BXString& s) { s.DeleteLeftRight(1, 2); }, u"bcd"},
        {"delete up to", [](BXString& s) { s.DeleteUpTo(2); }, u"def"},
        {"delete up to max", [](BXString& s) { s.DeleteUpTo(INT32_MAX); }, u""},
        {"set at", [](BXString& s) { s.SetAt(1, u'B'); }, u"aBcdef"},
        {"set at outside", [](BXString& s) { s.SetAt(6, u'x'); }, u"abcdef"},
        {"set at zero truncates", [](BXString& s) { s.SetAt(3, 0); }, u"abc"},
    };
    for (const Case& c : cases) {
        BXString s(u"abcdef");
        c.edit(s);
        EXPECT_EQ(s, c.expected) << c.name;
        EXPECT_EQ(s.GetLength(), int32_t(std::char_traits<BXChar>::length(c.expected))) << c.name;
    }
}

TEST(BXString, RemoveAndReplaceCharCountAndCopyOnlyWhenNeeded)
{
    BXString a(u"banana");
    EXPECT_EQ(a.Remove(u'a'), 3);
    EXPECT_EQ(a, u"bnn");

    BXString shared(u"banana");
    BXString other(shared);
    EXPECT_EQ(shared.ReplaceChar(u'x', u'y'), 0);
    EXPECT_EQ(shared.GetString(), other.GetString());
    EXPECT_EQ(shared.ReplaceChar(u'a', u'o'), 3);
    EXPECT_EQ(shared, u"bonono");
    EXPECT_EQ(other, u"banana");

    // Remove makes the buffer its own whether or not the unit occurs.
    BXString r(u"abc");
    const BXString copy(r);
    EXPECT_EQ(r.Remove(u'x'), 0);
    EXPECT_NE(r.GetString(), copy.GetString());
}

TEST(BXString, ExtractionClampsToTheString)
{
    const BXString s(u"abcdef");
    struct Case {
        BXString result;
        const BXChar* expected;
    };
    const Case cases[] = {
        {s.Mid(2), u"cdef"},
        {s.Mid(2, 2), u"cd"},
        {s.Mid(-5, 3), u"abc"},
        {s.Mid(4, 100), u"ef"},
        {s.Mid(6), u""},
        {s.Mid(100, 2), u""},
        {s.Mid(1, -1), u""},
        {s.Mid(INT32_MAX, INT32_MAX), u""},
        {s.Left(2), u"ab"},
        {s.Left(-1), u""},
        {s.Left(99), u"abcdef"},
        {s.Right(2), u"ef"},
        {s.Right(-1), u""},
        {s.Right(99), u"abcdef"},
        {s.LeftOfFirst(u"dc"), u"ab"},
        {s.LeftOfFirst(u"x"), u"abcdef"},
        {s.RightOfLast(u"bd"), u"ef"},
        {s.RightOfLast(u"x"), u"abcdef"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.result, c.expected);
    }
    EXPECT_EQ(s.Mid(0).GetString(), s.GetString()); // the whole string is shared, not copied
    EXPECT_EQ(s.GetAt(-1), 0);
    EXPECT_EQ(s.GetAt(6), 0);
    EXPECT_EQ(s[5], u'f');
}

TEST(BXString, ReleasingSharedCopiesFromManyThreadsKeepsTheCountExact)
{
    const BXString original(u"shared between threads");
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&original] {
            for (int i = 0; i < 20000; ++i) {
                BXString copy(original);
                BXString second;
                second = copy;
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(original.GetRefCount(), 1);
    EXPECT_EQ(original, u"shared between threads");
}

} // namespace
