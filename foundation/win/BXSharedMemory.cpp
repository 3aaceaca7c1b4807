#include "BXSharedMemory.h"

BXSharedMemory::BXSharedMemory(const BXString& name, uint32_t size) : m_name(name), m_size(size)
{
    if (name.IsEmpty() || size == 0)
        return;
    m_mapping.Reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, size, name.W()));
    m_existed = ::GetLastError() == ERROR_ALREADY_EXISTS;
    if (!m_mapping.IsValid())
        return;
    m_view = ::MapViewOfFile(m_mapping.Get(), FILE_MAP_ALL_ACCESS, 0, 0, size);
    if (m_view == nullptr)
        m_mapping.Reset();
}

BXSharedMemory::~BXSharedMemory()
{
    if (m_view != nullptr)
        ::UnmapViewOfFile(m_view);
}
