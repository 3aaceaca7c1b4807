// A loaded module owned by one holder: move-only, freed when the holder is
// destroyed or reloaded. BXLoadLibrary never searches for the file; pass a
// full path.
#pragma once

#include "BXString.h"
#include "BXWindows.h"

#include <cstdint>
#include <utility>

class BXLibrary {
public:
    BXLibrary() = default;
    BXLibrary(BXLibrary&& other) noexcept : m_module(std::exchange(other.m_module, nullptr)) {}
    BXLibrary& operator=(BXLibrary&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_module, nullptr));
        return *this;
    }
    BXLibrary(const BXLibrary&) = delete;
    BXLibrary& operator=(const BXLibrary&) = delete;
    ~BXLibrary() { Reset(); }

    bool IsLoaded() const { return m_module != nullptr; }
    HMODULE Get() const { return m_module; }
    // Frees the module held (if any) and takes module.
    void Reset(HMODULE module = nullptr)
    {
        if (m_module)
            ::FreeLibrary(m_module);
        m_module = module;
    }

private:
    HMODULE m_module = nullptr;
};

// With this bit set in the flags a failed load is traced (under the context
// "BXLoadLibrary"); the bit is not passed on to LoadLibraryExW.
constexpr uint32_t kBXLoadLibraryTraceFailure = 0x80000000u;

// Frees what holder held, then loads path with LoadLibraryExW(flags without
// the trace bit). False (holder empty) for an empty path or a failed load.
bool BXLoadLibrary(BXLibrary& holder, const BXString& path, uint32_t flags);

// The export name of the module in holder; null when it is absent or holder
// holds no module.
FARPROC BXGetProcedure(const BXLibrary& holder, const BXString& name);
