#include "BXStringMap.h"
#include "BXStringUniqueList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

TEST(BXStringHashBaseTest, FoldsCaseAndStopsAtTheFirstZeroUnit)
{
    struct Case {
        std::u16string text;
        std::uint32_t hash;
    };
    const Case cases[] = {
        {u"", 0},
        {u"a", 97},
        {u"Ab", 97u * 65599u + 98u},
        {u"AB", 97u * 65599u + 98u},
        {std::u16string(u"ab\0c", 4), 97u * 65599u + 98u},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BXStringHashBase::Hash32(BXString(c.text.data(), int32_t(c.text.size()))), c.hash);
    }
    // The 64-bit recurrence agrees with the 32-bit one in its low word and keeps the carries above it.
    BXString longText(u"Some Longer Key With Many Characters");
    std::uint64_t wide = BXStringHashBase::Hash64(longText);
    EXPECT_EQ(static_cast<std::uint32_t>(wide), BXStringHashBase::Hash32(longText));
    EXPECT_NE(wide >> 32, 0u);
    EXPECT_EQ(BXStringHashBase::Hash64(BXString(u"MIXED case")), BXStringHashBase::Hash64(BXString(u"mixed CASE")));
}

TEST(BXStringMapTest, KeysIgnoreCase)
{
    BXStringMap<int> map;
    bool inserted = false;
    map.Lookup(BXString(u"name"), &inserted) = 1;
    EXPECT_TRUE(inserted);
    map.Lookup(BXString(u"NAME"), &inserted) = 2;
    EXPECT_FALSE(inserted);
    EXPECT_EQ(map.GetCount(), 1);
    ASSERT_NE(map.Find(u"Name"), nullptr);
    EXPECT_EQ(*map.Find(u"Name"), 2);
    EXPECT_EQ(map.Find(u"names"), nullptr);
    EXPECT_EQ(map.Find(static_cast<const BXChar*>(nullptr)), nullptr);
    EXPECT_EQ(map.GetFirstNode()->m_key, u"name") << "the first spelling stays the key";
    EXPECT_TRUE(map.RemoveKey(BXString(u"nAmE")));
    EXPECT_TRUE(map.IsEmpty());
}

// With seven buckets, a (97) lands in bucket 6, b (98) in 0 and c (99) in 1.
TEST(BXStringMapTest, IterationFollowsHashBuckets)
{
    BXStringMap<int> map;
    for (const BXChar* key : {u"a", u"b", u"c"}) {
        map[BXString(key)] = 0;
    }
    std::vector<std::u16string> keys;
    for (const auto& node : map) {
        keys.emplace_back(node.m_key.View());
    }
    EXPECT_EQ(keys, (std::vector<std::u16string>{u"b", u"c", u"a"}));
}

TEST(BXStringMapTest, ManyKeysWithBlockContainerReleaseTheirStrings)
{
    for (bool blocks : {false, true}) {
        BXStringMap<BXString> map(blocks);
        for (int i = 0; i < 3000; ++i) {
            BXString key = BXString::FromInt(i);
            key += u"-Key";
            map[key] = key;
        }
        EXPECT_EQ(map.GetBucketCount(), 2047);
        for (int i = 0; i < 3000; i += 3) {
            BXString key = BXString::FromInt(i);
            key += u"-KEY";
            EXPECT_TRUE(map.RemoveKey(key));
        }
        EXPECT_EQ(map.GetCount(), 2000);
        ASSERT_NE(map.Find(u"2999-key"), nullptr);
        EXPECT_EQ(*map.Find(u"2999-key"), u"2999-Key");
    }
}

struct Tracked {
    explicit Tracked(int* deletions) : m_deletions(deletions) {}
    ~Tracked() { ++*m_deletions; }
    int* m_deletions;
};

TEST(BXStringMapTest, OwnedValuesAreDeleted)
{
    int deletions = 0;
    {
        BXStringToOwnedPtrMap<Tracked> map;
        map.SetAt(BXString(u"one"), std::make_unique<Tracked>(&deletions));
        map.SetAt(BXString(u"ONE"), std::make_unique<Tracked>(&deletions));
        EXPECT_EQ(deletions, 1);
        map.SetAt(BXString(u"two"), std::make_unique<Tracked>(&deletions));
        EXPECT_TRUE(map.RemoveKey(BXString(u"Two")));
        EXPECT_EQ(deletions, 2);
        EXPECT_NE(map.Find(u"one"), nullptr);
    }
    EXPECT_EQ(deletions, 3);
}

TEST(BXStringUniqueListTest, StringSetsIgnoreCase)
{
    BXStringUniqueList set;
    EXPECT_TRUE(set.Add(BXString(u"Path")));
    EXPECT_FALSE(set.Add(BXString(u"PATH")));
    EXPECT_TRUE(set.Contains(u"path"));

    BXStringCRCUniqueList hashes;
    EXPECT_TRUE(hashes.Add(BXString(u"Hello")));
    EXPECT_FALSE(hashes.Add(BXString(u"HELLO")));
    EXPECT_TRUE(hashes.Contains(BXString(u"hello")));
    EXPECT_FALSE(hashes.Contains(BXString(u"hello!")));
    // Equal low words do not make equal entries: both halves count.
    EXPECT_TRUE(hashes.AddHash(0x100000005ull));
    EXPECT_TRUE(hashes.AddHash(0x200000005ull));
    EXPECT_EQ(hashes.GetCount(), 3);
}

} // namespace
