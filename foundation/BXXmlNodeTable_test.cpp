#include "BXXmlNodeTable.h"

#include <gtest/gtest.h>

namespace {

TEST(BXXmlNodeTable, GrowsAcrossBlocksKeepingRecords)
{
    BXXmlNodeTable table;
    table.Reset(10);
    EXPECT_EQ(table.GetSlotCount(), 10u);
    const uint32_t count = 3 * BXXmlNodeTable::kBlockSize + 17;
    for (uint32_t i = 1; i < count; ++i) {
        uint32_t index = table.NewNode();
        ASSERT_EQ(index, i);
        table[index].m_start = i * 7;
    }
    EXPECT_GE(table.GetSlotCount(), count);
    for (uint32_t i = 1; i < count; ++i) {
        ASSERT_EQ(table[i].m_start, i * 7);
    }
    EXPECT_EQ(table.NewNode() >> BXXmlNodeTable::kBlockShift, 3u);
}

TEST(BXXmlNodeTable, GrowsByHalf)
{
    BXXmlNodeTable table;
    table.Reset(8);
    for (int i = 0; i < 8; ++i) {
        table.NewNode();
    }
    EXPECT_EQ(table.GetSlotCount(), 8u + 4u + 1u);
}

TEST(BXXmlNodeTable, FreedSlotsAreReusedClean)
{
    BXXmlNodeTable table;
    table.Reset(8);
    uint32_t a = table.NewNode();
    uint32_t b = table.NewNode();
    table[a].m_start = 5;
    table.FreeNode(a);
    EXPECT_FALSE(table.IsLive(a));
    EXPECT_TRUE(table.IsLive(b));
    table.FreeNode(a); // twice is harmless
    table.FreeNode(0); // the document node stays
    EXPECT_TRUE(table.IsLive(0));
    EXPECT_EQ(table.NewNode(), a);
    EXPECT_EQ(table[a].m_start, 0u);
    EXPECT_EQ(table.NewNode(), b + 1);
}

TEST(BXXmlNodeTable, PackedTagLengths)
{
    uint32_t packed = BXXmlPackEndTagLength(BXXmlPackStartTagLength(0, 0x1ABCDE), 0x155);
    EXPECT_EQ(BXXmlStoredStartTagLength(packed), 0x1ABCDEu);
    EXPECT_EQ(BXXmlStoredEndTagLength(packed), 0x155u);
    EXPECT_EQ(packed & 0x100000u, 0u); // bit 20 is not part of either length
    EXPECT_EQ(BXXmlStoredStartTagLength(BXXmlPackStartTagLength(0, 0x300000)), kXmlStartTagLengthMax);
    EXPECT_EQ(BXXmlStoredEndTagLength(BXXmlPackEndTagLength(0, 5000)), kXmlEndTagLengthMax);
}

} // namespace
