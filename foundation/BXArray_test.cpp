#include "BXArray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <class Array>
std::vector<typename std::remove_cvref_t<decltype(*std::declval<Array>().begin())>> Elements(const Array& array)
{
    return {array.begin(), array.end()};
}

TEST(BXArrayTest, GrownCapacityFollowsStepsOrFixedStep)
{
    struct Case {
        int n;
        int growBy;
        int capacity;
    };
    const Case cases[] = {
        {1, -1, 4},
        {4, -1, 4},
        {5, -1, 64},
        {64, -1, 64},
        {65, -1, 256},
        {1025, -1, 4096},
        {16385, -1, 65536},
        {65536, -1, 65536},
        {65537, -1, 131073},
        {1, 10, 10},
        {10, 10, 20},
        {25, 10, 30},
        {INT_MAX, -1, INT_MAX},
        {INT_MAX - 1, 1000, INT_MAX},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BXArrayGrownCapacity(c.n, c.growBy), c.capacity) << c.n << " step " << c.growBy;
    }
}

TEST(BXArrayTest, AddGrowsInStepsAndKeepsValues)
{
    BXNumberArray<int> array;
    EXPECT_EQ(array.GetData(), nullptr);
    for (int i = 0; i < 70; ++i) {
        EXPECT_EQ(array.Add(i * 3), i);
        if (i == 0) {
            EXPECT_EQ(array.GetCapacity(), 4);
        }
        if (i == 4) {
            EXPECT_EQ(array.GetCapacity(), 64);
        }
    }
    EXPECT_EQ(array.GetCapacity(), 256);
    for (int i = 0; i < 70; ++i) {
        EXPECT_EQ(array[i], i * 3);
    }
}

TEST(BXArrayTest, ReserveHonoursExactZeroFillAndKeepFlags)
{
    BXNumberArray<int> array;
    array.Add(7);
    array.Add(8);
    array.Reserve(10, true, true, true);
    EXPECT_EQ(array.GetCapacity(), 10);
    EXPECT_EQ(Elements(array), (std::vector<int>{7, 8}));
    for (int i = 2; i < 10; ++i) {
        EXPECT_EQ(array.GetData()[i], 0);
    }
    array.Reserve(5);
    EXPECT_EQ(array.GetCapacity(), 10) << "no shrink";
    array.Reserve(3, false, false, false);
    EXPECT_EQ(array.GetCount(), 0);
}

TEST(BXArrayTest, InsertAndRemoveClipToTheArray)
{
    struct Case {
        const char* name;
        int index;
        int count;
        std::vector<int> after;
    };
    const Case removals[] = {
        {"middle", 1, 2, {0, 3, 4}},
        {"clipped tail", 3, 100, {0, 1, 2}},
        {"negative index", -1, 2, {0, 1, 2, 3, 4}},
        {"past end", 5, 1, {0, 1, 2, 3, 4}},
        {"zero count", 0, 0, {0, 1, 2, 3, 4}},
        {"negative count", 0, -3, {0, 1, 2, 3, 4}},
        {"all", 0, INT_MAX, {}},
    };
    for (const Case& c : removals) {
        BXNumberArray<int> array;
        for (int i = 0; i < 5; ++i) {
            array.Add(i);
        }
        array.Remove(c.index, c.count);
        EXPECT_EQ(Elements(array), c.after) << c.name;
    }

    BXNumberArray<int> array;
    EXPECT_EQ(array.Insert(0, 2), 0);
    EXPECT_EQ(array.Insert(0, 1), 0);
    EXPECT_EQ(array.Insert(2, 3), 2);
    EXPECT_EQ(array.Insert(4, 9), -1);
    EXPECT_EQ(array.Insert(-1, 9), -1);
    EXPECT_EQ(Elements(array), (std::vector<int>{1, 2, 3}));
}

TEST(BXArrayTest, OutsideIndexesAreIgnoredOrGiveDefaults)
{
    BXNumberArray<int> array;
    array.Add(5);
    array.SetAt(1, 9);
    array.SetAt(-1, 9);
    EXPECT_EQ(Elements(array), (std::vector<int>{5}));
    EXPECT_EQ(array.GetAt(-1), 0);
    EXPECT_EQ(array.GetAt(1), 0);
    EXPECT_EQ(array.Find(5), 0);
    EXPECT_EQ(array.Find(6), -1);
    array.SetCount(3);
    EXPECT_EQ(Elements(array), (std::vector<int>{5, 0, 0}));
    array.SetCount(-4);
    EXPECT_TRUE(array.IsEmpty());
}

#if GTEST_HAS_DEATH_TEST && !defined(_WIN32)
TEST(BXArrayDeathTest, SubscriptOutsideStopsInsteadOfTouchingMemory)
{
    BXNumberArray<int> array;
    array.Add(1);
    EXPECT_DEATH(array[1] = 3, "");
    EXPECT_DEATH(array[-1] = 3, "");
}
#endif

// Elements with constructors are moved one by one; adding an element of the array itself must survive the
// reallocation that the add causes.
TEST(BXArrayTest, ConstructedElementsSurviveGrowthInsertAndSelfAdd)
{
    BXArray<std::string> array;
    array.Add(std::string(40, 'a'));
    for (int i = 0; i < 3; ++i) {
        array.Add(array[0]);
    }
    EXPECT_EQ(array.GetCapacity(), 4);
    array.Add(array[3]);
    EXPECT_EQ(array.GetCapacity(), 64);
    array.Insert(1, array[4] + "b");
    array.Remove(0, 2);
    ASSERT_EQ(array.GetCount(), 4);
    for (const std::string& element : array) {
        EXPECT_EQ(element, std::string(40, 'a'));
    }
    BXArray<std::string> copy(array);
    array.RemoveAll();
    EXPECT_EQ(copy.GetCount(), 4);
    EXPECT_EQ(array.GetData(), nullptr);
}

struct Tracked {
    explicit Tracked(int* deletions) : m_deletions(deletions) {}
    ~Tracked() { ++*m_deletions; }
    int* m_deletions;
};

TEST(BXArrayTest, OwnedPointersAreDeletedOnRemoveOverwriteAndDestruction)
{
    int deletions = 0;
    {
        BXOwnedPtrArray<Tracked> array;
        for (int i = 0; i < 4; ++i) {
            array.Add(std::make_unique<Tracked>(&deletions));
        }
        array.Remove(0, 1);
        EXPECT_EQ(deletions, 1);
        array.SetAt(0, new Tracked(&deletions));
        EXPECT_EQ(deletions, 2);
        array.SetAt(0, array[0]);
        EXPECT_EQ(deletions, 2) << "storing the same pointer again must not delete it";
        std::unique_ptr<Tracked> detached = array.Detach(1);
        EXPECT_EQ(array.GetCount(), 2);
        EXPECT_EQ(deletions, 2);
    }
    EXPECT_EQ(deletions, 5);

    Tracked kept(&deletions);
    {
        BXOwnedPtrArray<Tracked> array(false);
        array.Add(&kept);
        array.Remove(0);
        array.Add(&kept);
        EXPECT_EQ(array.Detach(0), nullptr);
    }
    BXPointerArray<Tracked> pointers;
    pointers.Add(&kept);
    pointers.RemoveAll();
    EXPECT_EQ(deletions, 5);
}

} // namespace
