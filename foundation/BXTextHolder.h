// Result of a conversion into a separate character array (ANSI, UTF-8 or a
// plain wide copy): always NUL-terminated, and it records whether it owns the
// memory (an empty result points at a static empty text instead).
#pragma once

#include <cstdint>
#include <memory>

template <typename T> class BXTextHolder {
public:
    BXTextHolder() = default;
    // Takes ownership of an array of length + 1 elements whose last one is 0.
    BXTextHolder(std::unique_ptr<T[]> owned, int32_t length)
        : m_owned(std::move(owned)), m_text(m_owned.get()), m_length(length)
    {
    }

    const T* Get() const { return m_text; }
    T* GetWritable() { return m_owned.get(); }
    int32_t GetLength() const { return m_length; }
    bool IsOwner() const { return m_owned != nullptr; }

private:
    static constexpr T kEmpty[1] = {0};
    std::unique_ptr<T[]> m_owned;
    const T* m_text = kEmpty;
    int32_t m_length = 0;
};
