// Block allocator for map nodes: hands out pieces of 65,536-byte blocks and never takes a single piece back;
// Reset makes every block empty again at once. Not synchronised: it belongs to the map that owns it.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

class CBlockDataContainer {
public:
    static constexpr int kBlockSize = 65536;
    // Pieces are aligned for pointers and 64-bit integers, the widest fields of a node.
    static constexpr int kAlignment = 8;
    // Blocks examined by one request before the rest of those without room are retired.
    static constexpr int kExaminedBlocks = 8;

    CBlockDataContainer() = default;
    CBlockDataContainer(const CBlockDataContainer&) = delete;
    CBlockDataContainer& operator=(const CBlockDataContainer&) = delete;

    // Memory for size bytes (at least 1), valid until Reset or destruction. A request larger than a block
    // gets a block of its own size.
    void* Allocate(int size);
    // Every block becomes empty and available again; all pieces handed out are invalid afterwards.
    void Reset();

    int GetActiveBlockCount() const { return static_cast<int>(m_active.size()); }
    int GetRetiredBlockCount() const { return static_cast<int>(m_retired.size()); }

private:
    struct Block {
        std::unique_ptr<std::max_align_t[]> m_bytes;
        int m_size = 0;
        int m_free = 0;
    };

    void* Take(Block& block, int size);
    void Retire(std::size_t index);

    std::vector<std::unique_ptr<Block>> m_active;
    std::vector<std::unique_ptr<Block>> m_retired;
    int m_minimumRequest = kBlockSize;
};
