// Owning wrappers for kernel handles: closed exactly once, move-only. BXHandle
// treats both null and INVALID_HANDLE_VALUE as "no handle".
#pragma once

#include "BXWindows.h"

#include <utility>

class BXHandle {
public:
    BXHandle() = default;
    explicit BXHandle(HANDLE handle) : m_handle(handle) {}
    BXHandle(BXHandle&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    BXHandle& operator=(BXHandle&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }
    BXHandle(const BXHandle&) = delete;
    BXHandle& operator=(const BXHandle&) = delete;
    ~BXHandle() { Reset(); }

    bool IsValid() const { return m_handle != nullptr && m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_handle; }
    HANDLE Detach() { return std::exchange(m_handle, nullptr); }
    void Reset(HANDLE handle = nullptr)
    {
        if (IsValid())
            ::CloseHandle(m_handle);
        m_handle = handle;
    }

private:
    HANDLE m_handle = nullptr;
};
