// The node table of a BXXmlDocument: node records in blocks of 65,536, addressed by a 32-bit index whose
// high 16 bits select the block. Indexes stay valid while the table grows; references to records do not.
#pragma once

#include "BXXmlNode.h"

#include <cstdint>
#include <memory>

class BXXmlNodeTable {
public:
    static constexpr uint32_t kBlockShift = 16;
    static constexpr uint32_t kBlockSize = 1u << kBlockShift;

    // Drops every node and prepares room for the given number of slots; node 0, the document node, is
    // allocated and cleared.
    void Reset(uint32_t slots);
    // A cleared node from the free list or the next unused slot; the table grows by half when full.
    uint32_t NewNode();
    // Puts a node on the free list; its slot is reused by a later NewNode.
    void FreeNode(uint32_t index);

    BXXmlNode& operator[](uint32_t index) { return m_blocks[index >> kBlockShift][index & (kBlockSize - 1)]; }
    const BXXmlNode& operator[](uint32_t index) const
    {
        return m_blocks[index >> kBlockShift][index & (kBlockSize - 1)];
    }

    // Slots below this index have been handed out at least once (some may be free again).
    uint32_t GetNextUnused() const { return m_nextUnused; }
    uint32_t GetSlotCount() const { return m_slotCount; }
    bool IsLive(uint32_t index) const
    {
        return index < m_nextUnused && ((*this)[index].m_flags & kXmlNodeFreeSlot) == 0;
    }

private:
    void Grow();

    std::unique_ptr<std::unique_ptr<BXXmlNode[]>[]> m_blocks;
    uint32_t m_blockCapacity = 0; // entries of m_blocks
    uint32_t m_slotCount = 0;     // slots allocated over all blocks
    uint32_t m_nextUnused = 0;
    uint32_t m_freeHead = 0; // 0 = empty; free nodes are chained through m_nextSibling
};
