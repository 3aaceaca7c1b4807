// A registry key: move-only, closes itself. Reads leave the out-value
// untouched on failure; "not found" is an ordinary false, not an error.
// The registry view (KEY_WOW64_*) is chosen by the caller in the access mask.
#pragma once

#include "BXString.h"
#include "BXWindows.h"

#include <utility>

class BXRegKey {
public:
    BXRegKey() = default;
    BXRegKey(BXRegKey&& other) noexcept : m_key(std::exchange(other.m_key, nullptr)) {}
    BXRegKey& operator=(BXRegKey&& other) noexcept
    {
        if (this != &other) {
            Close();
            m_key = std::exchange(other.m_key, nullptr);
        }
        return *this;
    }
    BXRegKey(const BXRegKey&) = delete;
    BXRegKey& operator=(const BXRegKey&) = delete;
    ~BXRegKey() { Close(); }

    bool Open(HKEY root, const BXChar* path, REGSAM access = KEY_READ);
    bool Create(HKEY root, const BXChar* path, REGSAM access = KEY_READ | KEY_WRITE);
    void Close();
    bool IsOpen() const { return m_key != nullptr; }
    HKEY Get() const { return m_key; }

    bool ReadString(const BXChar* name, BXString& value) const;
    bool ReadDword(const BXChar* name, DWORD& value) const;
    bool WriteString(const BXChar* name, const BXString& value);
    bool WriteDword(const BXChar* name, DWORD value);
    bool DeleteValue(const BXChar* name);
    // The index-th sub-key name; false past the end.
    bool EnumSubKey(DWORD index, BXString& name) const;
    bool EnumValue(DWORD index, BXString& name) const;

private:
    HKEY m_key = nullptr;
};
