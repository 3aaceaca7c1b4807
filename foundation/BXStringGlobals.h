// The process-wide allocator of BXString buffers: pool of recycled buffers,
// the shared empty string and the 256-entry case and class tables. Created on
// first use, never destroyed; the pool is guarded by a lock, the tables are
// read without one (rebuild them only while no other thread uses strings).
#pragma once

#include "BXStringHeader.h"
#include "BXTypes.h"

#include <mutex>

class BXStringGlobals {
public:
    // Character class bits of the class table.
    static constexpr uint32_t kClassDigit = 0x01;
    static constexpr uint32_t kClassAlpha = 0x02;
    static constexpr uint32_t kClassSpace = 0x04;
    static constexpr uint32_t kClassUpper = 0x08;
    static constexpr uint32_t kClassLower = 0x10;
    static constexpr uint32_t kClassPunct = 0x20;
    static constexpr uint32_t kClassPrint = 0x40;

    static constexpr int32_t kPoolSlots = 16;
    static constexpr int32_t kPoolCapacityLimit = 1032; // pooled blocks hold fewer units than this
    static constexpr int32_t kPoolGoodFit = 15;         // best-fit search stops at this surplus

    static BXStringGlobals& Get();

    // Slot 0: a header with room for length + 1 units, length set, count 1.
    virtual BXStringHeader* Allocate(int32_t length, bool usePool);
    // Slot 1: returns the block to the pool or the heap.
    virtual void Free(BXStringHeader* header);
    // Slot 2: a fresh (not static) zero-length buffer.
    virtual BXChar* NewEmptyBuffer();
    // Slot 3: a buffer of that length filled with 0 units; 0 gives the shared empty string.
    virtual BXChar* NewZeroed(int32_t length);
    // Slot 4: widens a NUL-terminated byte string unit by unit.
    virtual BXChar* FromNarrow(const char* bytes);
    // Slot 5: the constructor all others use. length -1: up to the terminator; room -1: the
    // length; without forceBuffer a room of 0 gives the shared empty string; without
    // lengthExact the copy also stops at an earlier terminator.
    virtual BXChar* FromWide(const BXChar* chars, int32_t length, int32_t room, bool forceBuffer, bool lengthExact,
                             bool usePool);
    // Slot 6: the shared empty string.
    virtual BXChar* GetEmpty();

    // Difference of the first differing folded units, 0 when equal. A null
    // pointer counts as an empty string.
    int CompareNoCase(const BXChar* a, const BXChar* b) const;
    // As CompareNoCase over at most count units; 0 when count is below 1.
    int CompareNoCaseN(const BXChar* a, const BXChar* b, int32_t count) const;
    // Refills both tables, after switching the C runtime locale to the user's default when asked.
    void RebuildTables(bool setLocale);

    BXChar ToLower(BXChar c) const { return c < 256 ? m_lowerTable[c] : LowerAbove255(c); }
    uint32_t GetClass(BXChar c) const { return c < 256 ? m_classTable[c] : ClassAbove255(c); }
    bool IsSpace(BXChar c) const { return (GetClass(c) & kClassSpace) != 0; }
    bool IsAlpha(BXChar c) const { return (GetClass(c) & kClassAlpha) != 0; }
    bool IsDigit(BXChar c) const { return (GetClass(c) & kClassDigit) != 0; }

    // Filled pool slots; for tests of the recycling rules.
    int32_t GetPoolCount();

private:
    BXStringGlobals();
    ~BXStringGlobals() = delete;

    static BXChar LowerAbove255(BXChar c);
    static uint32_t ClassAbove255(BXChar c);

    std::mutex m_lock;
    alignas(BXStringHeader) unsigned char m_emptyBlock[sizeof(BXStringHeader) + sizeof(BXChar) * 2];
    BXChar* m_empty;
    BXStringHeader* m_pool[kPoolSlots];
    int32_t m_poolCount;
    BXChar m_lowerTable[256];
    uint32_t m_classTable[256];
};
