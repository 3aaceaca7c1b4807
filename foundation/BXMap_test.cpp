#include "BXMap.h"
#include "BXUniqueList.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

template <class Table> std::vector<int> KeysInIterationOrder(const Table& table)
{
    std::vector<int> keys;
    for (const auto& node : table) {
        keys.push_back(node.m_key);
    }
    return keys;
}

TEST(BXMapTest, TableGrowsAtSeventeenthAndSixtyFifthEntry)
{
    BXMap<int, int> map;
    EXPECT_EQ(map.GetBucketCount(), 0);
    for (int key = 1; key <= 65; ++key) {
        map.Lookup(key) = key;
        int expected = key <= 16 ? 7 : key <= 64 ? 31 : 127;
        ASSERT_EQ(map.GetBucketCount(), expected) << "after entry " << key;
    }
    EXPECT_EQ(map.GetCount(), 65);
}

TEST(BXMapTest, RehashPicksPowerOfTwoMinusOne)
{
    struct Case {
        int n;
        bool margin;
        int buckets;
    };
    const Case cases[] = {{0, false, 7},   {7, false, 7},  {8, false, 15}, {15, false, 15},
                          {16, false, 31}, {13, true, 15}, {14, true, 31}, {-5, false, 7}};
    for (const Case& c : cases) {
        BXMap<int, int> map;
        map.Rehash(c.n, c.margin);
        EXPECT_EQ(map.GetBucketCount(), c.buckets) << c.n << (c.margin ? " with margin" : "");
    }
}

// Rebuilding moves old nodes to the head of their new chain (reversing colliding keys met in bucket
// order); a new node goes to the end of its chain; iteration walks the buckets in order.
TEST(BXMapTest, IterationFollowsBucketsAndChainOrder)
{
    BXMap<int, int> map;
    for (int key : {8, 1, 15, 2}) {
        map.Lookup(key) = -key;
    }
    EXPECT_EQ(KeysInIterationOrder(map), (std::vector<int>{8, 1, 15, 2}));

    BXMap<int, int> grown;
    for (int key : {0, 31, 62, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 93}) {
        grown.Lookup(key) = key;
    }
    ASSERT_EQ(grown.GetBucketCount(), 31);
    EXPECT_EQ(KeysInIterationOrder(grown),
              (std::vector<int>{62, 31, 0, 93, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST(BXMapTest, LookupFindRemoveAndClear)
{
    BXMap<int, int> map;
    bool inserted = false;
    map.Lookup(5, &inserted) = 50;
    EXPECT_TRUE(inserted);
    map.Lookup(5, &inserted) += 1;
    EXPECT_FALSE(inserted);
    ASSERT_NE(map.Find(5), nullptr);
    EXPECT_EQ(*map.Find(5), 51);
    EXPECT_EQ(map.Find(12), nullptr) << "12 shares the bucket of 5";
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_FALSE(map.RemoveKey(12));
    EXPECT_TRUE(map.RemoveKey(5));
    EXPECT_FALSE(map.Contains(5));
    map[1] = 1;
    map.RemoveAll();
    EXPECT_EQ(map.GetBucketCount(), 0);
    EXPECT_EQ(map.GetFirstNode(), nullptr);
    map[2] = 2;
    EXPECT_EQ(map.GetBucketCount(), 7);

    int object = 0;
    BXMap<int*, int> byPointer;
    byPointer[&object] = 3;
    EXPECT_EQ(*byPointer.Find(&object), 3);
}

TEST(BXMapTest, BlockContainerServesNodesAndSurvivesClear)
{
    BXMap<int, int> map(true);
    EXPECT_TRUE(map.HasBlockContainer());
    for (int round = 0; round < 2; ++round) {
        for (int key = 0; key < 20000; ++key) {
            map[key] = key * 2;
        }
        for (int key = 0; key < 20000; key += 2) {
            EXPECT_TRUE(map.RemoveKey(key));
        }
        EXPECT_EQ(map.GetCount(), 10000);
        EXPECT_EQ(*map.Find(19999), 39998);
        map.RemoveAll();
    }
    BXMap<int, int> plain;
    plain[1] = 1;
    EXPECT_FALSE(plain.UseBlockContainer()) << "nodes already on the heap";
}

struct Tracked {
    explicit Tracked(int* deletions) : m_deletions(deletions) {}
    ~Tracked() { ++*m_deletions; }
    int* m_deletions;
};

TEST(BXMapTest, OwnedPtrMapDeletesReplacedRemovedAndRemainingValues)
{
    int deletions = 0;
    for (bool blocks : {false, true}) {
        deletions = 0;
        {
            BXOwnedPtrMap<int, Tracked> map(blocks);
            for (int key = 0; key < 20; ++key) {
                map.SetAt(key, std::make_unique<Tracked>(&deletions));
            }
            map.SetAt(3, std::make_unique<Tracked>(&deletions));
            EXPECT_EQ(deletions, 1);
            EXPECT_TRUE(map.RemoveKey(4));
            EXPECT_EQ(deletions, 2);
            EXPECT_NE(map.Find(3), nullptr);
            EXPECT_EQ(map.Find(4), nullptr);
        }
        EXPECT_EQ(deletions, 21);
    }
}

TEST(BXUniqueListTest, AddReportsNewKeysOnly)
{
    BXUniqueList<unsigned> set;
    EXPECT_TRUE(set.Add(7));
    EXPECT_FALSE(set.Add(7));
    EXPECT_TRUE(set.Add(14));
    EXPECT_EQ(set.GetCount(), 2);
    EXPECT_TRUE(set.Contains(14));
    EXPECT_TRUE(set.RemoveKey(7));
    EXPECT_EQ(KeysInIterationOrder(set), (std::vector<int>{14}));
}

} // namespace
