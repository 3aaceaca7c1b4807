// A named block of shared memory backed by the page file: created, or opened
// when a mapping of that name exists, and mapped whole for reading and
// writing. An empty name or a failed mapping leaves the block unusable
// (Data() null); nothing is reported.
#pragma once

#include "BXHandle.h"
#include "BXString.h"

class BXSharedMemory {
public:
    BXSharedMemory(const BXString& name, uint32_t size);
    ~BXSharedMemory();
    BXSharedMemory(const BXSharedMemory&) = delete;
    BXSharedMemory& operator=(const BXSharedMemory&) = delete;

    bool IsValid() const { return m_view != nullptr; }
    uint8_t* Data() const { return static_cast<uint8_t*>(m_view); }
    uint32_t GetSize() const { return m_size; }
    // Whether the mapping existed before this object opened it.
    bool Existed() const { return m_existed; }
    const BXString& GetName() const { return m_name; }

private:
    BXString m_name;
    BXHandle m_mapping;
    void* m_view = nullptr;
    uint32_t m_size = 0;
    bool m_existed = false;
};
