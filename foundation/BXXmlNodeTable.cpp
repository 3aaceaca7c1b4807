#include "BXXmlNodeTable.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

uint32_t BlocksFor(uint32_t slots)
{
    return (slots + BXXmlNodeTable::kBlockSize - 1) >> BXXmlNodeTable::kBlockShift;
}

} // namespace

void BXXmlNodeTable::Reset(uint32_t slots)
{
    m_blocks.reset();
    m_blockCapacity = 0;
    m_slotCount = 0;
    m_nextUnused = 0;
    m_freeHead = 0;
    uint32_t blocks = BlocksFor(std::max<uint32_t>(slots, 1));
    m_blocks = std::make_unique<std::unique_ptr<BXXmlNode[]>[]>(blocks);
    m_blockCapacity = blocks;
    // Full blocks except the last, which holds only what the slot count asks for; untouched slots are
    // left uninitialised so that a large reservation costs no page writes.
    uint32_t remaining = std::max<uint32_t>(slots, 1);
    for (uint32_t block = 0; block < blocks; ++block) {
        uint32_t size = std::min(remaining, kBlockSize);
        m_blocks[block] = std::make_unique_for_overwrite<BXXmlNode[]>(size);
        remaining -= size;
    }
    m_slotCount = std::max<uint32_t>(slots, 1);
    NewNode();
}

void BXXmlNodeTable::Grow()
{
    uint64_t wanted = uint64_t(m_slotCount) + m_slotCount / 2 + 1;
    if (wanted > 0xFFFFFFFFull) {
        wanted = 0xFFFFFFFFull;
    }
    if (wanted <= m_slotCount) {
        throw std::bad_alloc(); // every 32-bit index is taken
    }
    uint32_t newSlots = uint32_t(wanted);
    uint32_t oldBlocks = BlocksFor(m_slotCount);
    uint32_t newBlocks = BlocksFor(newSlots);
    if (newBlocks > m_blockCapacity) {
        uint32_t capacity = std::max(newBlocks, m_blockCapacity + m_blockCapacity / 2);
        auto blocks = std::make_unique<std::unique_ptr<BXXmlNode[]>[]>(capacity);
        for (uint32_t i = 0; i < oldBlocks; ++i) {
            blocks[i] = std::move(m_blocks[i]);
        }
        m_blocks = std::move(blocks);
        m_blockCapacity = capacity;
    }
    // The last block may be partial: widen it (copying its records) before adding new blocks.
    uint32_t lastOld = oldBlocks - 1;
    uint32_t lastOldSize = m_slotCount - (lastOld << kBlockShift);
    uint32_t lastNewSize = std::min(newSlots - (lastOld << kBlockShift), kBlockSize);
    if (lastNewSize > lastOldSize) {
        auto widened = std::make_unique_for_overwrite<BXXmlNode[]>(lastNewSize);
        std::memcpy(widened.get(), m_blocks[lastOld].get(), size_t(lastOldSize) * sizeof(BXXmlNode));
        m_blocks[lastOld] = std::move(widened);
    }
    for (uint32_t block = oldBlocks; block < newBlocks; ++block) {
        uint32_t size = std::min(newSlots - (block << kBlockShift), kBlockSize);
        m_blocks[block] = std::make_unique_for_overwrite<BXXmlNode[]>(size);
    }
    m_slotCount = newSlots;
}

uint32_t BXXmlNodeTable::NewNode()
{
    uint32_t index;
    if (m_freeHead != 0) {
        index = m_freeHead;
        m_freeHead = (*this)[index].m_nextSibling;
    } else {
        if (m_nextUnused == m_slotCount) {
            Grow();
        }
        index = m_nextUnused++;
    }
    BXXmlNode& node = (*this)[index];
    std::memset(&node, 0, sizeof(node));
    return index;
}

void BXXmlNodeTable::FreeNode(uint32_t index)
{
    if (index == 0 || !IsLive(index)) {
        return;
    }
    BXXmlNode& node = (*this)[index];
    std::memset(&node, 0, sizeof(node));
    node.m_flags = kXmlNodeFreeSlot;
    node.m_nextSibling = m_freeHead;
    m_freeHead = index;
}
