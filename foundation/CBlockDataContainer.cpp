#include "CBlockDataContainer.h"

#include <climits>
#include <new>

void* CBlockDataContainer::Allocate(int size)
{
    if (size < 1) {
        size = 1;
    }
    if (size > INT_MAX - kAlignment) {
        throw std::bad_alloc();
    }
    size = (size + kAlignment - 1) / kAlignment * kAlignment;
    if (size < m_minimumRequest) {
        m_minimumRequest = size;
    }
    int examined = 0;
    for (std::size_t i = 0; i < m_active.size();) {
        Block& block = *m_active[i];
        if (block.m_free >= size) {
            void* piece = Take(block, size);
            if (block.m_free < m_minimumRequest) {
                Retire(i);
            }
            return piece;
        }
        // A block that cannot serve even the smallest request, or one deep in the list, only slows searches.
        if (block.m_free < m_minimumRequest || ++examined > kExaminedBlocks) {
            Retire(i);
            continue;
        }
        ++i;
    }
    auto block = std::make_unique<Block>();
    block->m_size = size > kBlockSize ? size : kBlockSize;
    block->m_free = block->m_size;
    std::size_t units =
        (static_cast<std::size_t>(block->m_size) + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t);
    block->m_bytes = std::make_unique_for_overwrite<std::max_align_t[]>(units);
    void* piece = Take(*block, size);
    if (block->m_free < m_minimumRequest) {
        m_retired.push_back(std::move(block));
    } else {
        m_active.insert(m_active.begin(), std::move(block));
    }
    return piece;
}

void CBlockDataContainer::Reset()
{
    for (auto& block : m_retired) {
        m_active.push_back(std::move(block));
    }
    m_retired.clear();
    for (auto& block : m_active) {
        block->m_free = block->m_size;
    }
}

void* CBlockDataContainer::Take(Block& block, int size)
{
    unsigned char* base = reinterpret_cast<unsigned char*>(block.m_bytes.get());
    void* piece = base + (block.m_size - block.m_free);
    block.m_free -= size;
    return piece;
}

void CBlockDataContainer::Retire(std::size_t index)
{
    m_retired.push_back(std::move(m_active[index]));
    m_active.erase(m_active.begin() + static_cast<std::ptrdiff_t>(index));
}
