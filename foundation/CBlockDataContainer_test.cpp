#include "CBlockDataContainer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

namespace {

TEST(CBlockDataContainerTest, PiecesAreAlignedDistinctAndWritable)
{
    CBlockDataContainer container;
    std::set<std::uintptr_t> seen;
    for (int i = 0; i < 5000; ++i) {
        int size = 1 + i % 40;
        auto* piece = static_cast<unsigned char*>(container.Allocate(size));
        std::memset(piece, 0xAB, static_cast<std::size_t>(size));
        auto address = reinterpret_cast<std::uintptr_t>(piece);
        EXPECT_EQ(address % CBlockDataContainer::kAlignment, 0u);
        EXPECT_TRUE(seen.insert(address).second);
    }
    EXPECT_NE(container.Allocate(0), nullptr);
    EXPECT_NE(container.Allocate(-7), nullptr);
}

TEST(CBlockDataContainerTest, FullBlocksRetireAndResetReusesThem)
{
    CBlockDataContainer container;
    std::vector<void*> pieces;
    for (int i = 0; i < 3000; ++i) {
        pieces.push_back(container.Allocate(24));
    }
    const int perBlock = CBlockDataContainer::kBlockSize / 24;
    // 3000 pieces of 24 bytes need two blocks; the first is full and out of the search.
    EXPECT_EQ(container.GetActiveBlockCount(), 1);
    EXPECT_EQ(container.GetRetiredBlockCount(), 1);
    container.Reset();
    EXPECT_EQ(container.GetActiveBlockCount(), 2);
    EXPECT_EQ(container.GetRetiredBlockCount(), 0);
    // The block that was still active comes first, then the one brought back.
    EXPECT_EQ(container.Allocate(24), pieces[perBlock]);
    for (int i = perBlock + 1; i < CBlockDataContainer::kBlockSize / 24 * 2; ++i) {
        container.Allocate(24);
    }
    EXPECT_EQ(container.Allocate(24), pieces[0]);
}

TEST(CBlockDataContainerTest, LargeRequestGetsABlockOfItsOwn)
{
    CBlockDataContainer container;
    container.Allocate(16);
    auto* big = static_cast<unsigned char*>(container.Allocate(CBlockDataContainer::kBlockSize * 2));
    std::memset(big, 1, CBlockDataContainer::kBlockSize * 2);
    EXPECT_EQ(container.GetActiveBlockCount() + container.GetRetiredBlockCount(), 2);
    void* small = container.Allocate(16);
    EXPECT_NE(small, nullptr);
}

} // namespace
