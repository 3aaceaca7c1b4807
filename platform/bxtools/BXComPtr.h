// Owning pointer to a COM interface: releases exactly once, move-only.
#pragma once

#include <utility>

template <typename T> class BXComPtr {
public:
    BXComPtr() = default;
    BXComPtr(BXComPtr&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
    BXComPtr& operator=(BXComPtr&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_ptr = std::exchange(other.m_ptr, nullptr);
        }
        return *this;
    }
    BXComPtr(const BXComPtr&) = delete;
    BXComPtr& operator=(const BXComPtr&) = delete;
    ~BXComPtr() { Reset(); }

    T* Get() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }
    // For out-parameters: releases what is held first.
    T** Put()
    {
        Reset();
        return &m_ptr;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    void Reset()
    {
        if (m_ptr != nullptr)
            std::exchange(m_ptr, nullptr)->Release();
    }

private:
    T* m_ptr = nullptr;
};
