// The header that precedes the characters of every BXString buffer. The string
// pointer points just past it, so the characters are NUL-terminated and can be
// handed to any function that takes a wide C string.
#pragma once

#include "BXTypes.h"

#include <cstddef>

class BXStringGlobals;

struct BXStringHeader {
    BXStringGlobals* m_allocator; // the allocator that made the block and frees it
    int32_t m_length;             // units in use, terminator not counted
    int32_t m_capacity;           // units the block holds, terminator included
    int32_t m_refCount;           // sharers, kStaticRefCount or kExclusiveRefCount

    BXChar* Chars() { return reinterpret_cast<BXChar*>(this + 1); }
    static BXStringHeader* FromChars(const BXChar* chars)
    {
        return reinterpret_cast<BXStringHeader*>(const_cast<BXChar*>(chars)) - 1;
    }
};

// A static buffer is never counted nor freed; an exclusive one has one writer.
inline constexpr int32_t kStaticRefCount = 0x7ffffc17;
inline constexpr int32_t kExclusiveRefCount = -1;

static_assert(offsetof(BXStringHeader, m_allocator) == 0);
static_assert(offsetof(BXStringHeader, m_length) == sizeof(void*));
static_assert(offsetof(BXStringHeader, m_capacity) == sizeof(void*) + 4);
static_assert(offsetof(BXStringHeader, m_refCount) == sizeof(void*) + 8);
#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(BXStringHeader) == 16, "the 32-bit build keeps the 16-byte header");
#else
static_assert(sizeof(BXStringHeader) == 24, "the 64-bit header is padded to pointer alignment");
#endif
