#include "BXStringGlobals.h"

#include <clocale>
#include <cstring>
#include <cwctype>
#include <new>

namespace {

alignas(BXStringGlobals) unsigned char gGlobalsStorage[sizeof(BXStringGlobals)];

size_t BlockBytes(int32_t capacity)
{
    return sizeof(BXStringHeader) + sizeof(BXChar) * size_t(capacity);
}

} // namespace

BXStringGlobals& BXStringGlobals::Get()
{
    // Placement into static storage: created on first use (thread-safe), never destroyed,
    // so strings released during process exit still find their allocator.
    static BXStringGlobals* instance = new (gGlobalsStorage) BXStringGlobals();
    return *instance;
}

BXStringGlobals::BXStringGlobals() : m_emptyBlock{}, m_pool{}, m_poolCount(0)
{
    auto* empty = reinterpret_cast<BXStringHeader*>(m_emptyBlock);
    empty->m_allocator = this;
    empty->m_length = 0;
    empty->m_capacity = 1;
    empty->m_refCount = kStaticRefCount;
    // The static count makes every modification copy the empty string first.
    m_empty = empty->Chars();
    m_empty[0] = 0;
    RebuildTables(false);
}

BXStringHeader* BXStringGlobals::Allocate(int32_t length, bool usePool)
{
    if (length < 0) {
        length = 0;
    }
    const int32_t needed = length + 1;
    BXStringHeader* header = nullptr;
    if (usePool && needed < kPoolCapacityLimit) {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_poolCount > 0) {
            int32_t best = -1;
            int32_t bestSurplus = 0;
            for (int32_t slot = 0; slot < kPoolSlots; ++slot) {
                BXStringHeader* candidate = m_pool[slot];
                if (candidate == nullptr || candidate->m_capacity < needed) {
                    continue;
                }
                const int32_t surplus = candidate->m_capacity - needed;
                if (best < 0 || surplus < bestSurplus) {
                    best = slot;
                    bestSurplus = surplus;
                    if (bestSurplus <= kPoolGoodFit) {
                        break;
                    }
                }
            }
            if (best >= 0) {
                header = m_pool[best];
                m_pool[best] = nullptr;
                --m_poolCount;
            }
        }
    }
    if (header == nullptr) {
        header = static_cast<BXStringHeader*>(::operator new(BlockBytes(needed)));
        header->m_capacity = needed;
    }
    header->m_allocator = this;
    header->m_length = length;
    header->m_refCount = 1;
    return header;
}

void BXStringGlobals::Free(BXStringHeader* header)
{
    if (header == nullptr || header->m_refCount == kStaticRefCount) {
        return;
    }
    if (header->m_capacity < kPoolCapacityLimit) {
        std::lock_guard<std::mutex> guard(m_lock);
        if (m_poolCount < kPoolSlots) {
            for (int32_t slot = 0; slot < kPoolSlots; ++slot) {
                if (m_pool[slot] == nullptr) {
                    m_pool[slot] = header;
                    ++m_poolCount;
                    return;
                }
            }
        }
    }
    ::operator delete(header);
}

BXChar* BXStringGlobals::NewEmptyBuffer()
{
    BXStringHeader* header = Allocate(0, true);
    header->Chars()[0] = 0;
    return header->Chars();
}

BXChar* BXStringGlobals::NewZeroed(int32_t length)
{
    if (length <= 0) {
        return m_empty;
    }
    BXStringHeader* header = Allocate(length, true);
    std::memset(header->Chars(), 0, sizeof(BXChar) * (size_t(length) + 1));
    return header->Chars();
}

BXChar* BXStringGlobals::FromNarrow(const char* bytes)
{
    if (bytes == nullptr || bytes[0] == 0) {
        return m_empty;
    }
    const size_t length = std::strlen(bytes);
    if (length >= size_t(INT32_MAX)) {
        throw std::bad_alloc();
    }
    BXStringHeader* header = Allocate(int32_t(length), true);
    BXChar* chars = header->Chars();
    for (size_t i = 0; i < length; ++i) {
        chars[i] = BXChar(static_cast<unsigned char>(bytes[i]));
    }
    chars[length] = 0;
    return chars;
}

BXChar* BXStringGlobals::FromWide(const BXChar* chars, int32_t length, int32_t room, bool forceBuffer, bool lengthExact,
                                  bool usePool)
{
    if (chars == nullptr) {
        length = 0;
    } else if (length < 0) {
        length = int32_t(std::char_traits<BXChar>::length(chars));
    } else if (!lengthExact) {
        const BXChar* end = std::char_traits<BXChar>::find(chars, size_t(length), BXChar(0));
        if (end != nullptr) {
            length = int32_t(end - chars);
        }
    }
    if (room < 0) {
        room = length;
    }
    if (room == 0 && !forceBuffer) {
        return m_empty;
    }
    const int32_t copied = length < room ? length : room;
    BXStringHeader* header = Allocate(room, usePool);
    BXChar* target = header->Chars();
    if (copied > 0) {
        std::memcpy(target, chars, sizeof(BXChar) * size_t(copied));
    }
    target[copied] = 0;
    header->m_length = copied;
    return target;
}

BXChar* BXStringGlobals::GetEmpty()
{
    return m_empty;
}

int BXStringGlobals::CompareNoCase(const BXChar* a, const BXChar* b) const
{
    static const BXChar kNothing[1] = {0};
    a = a != nullptr ? a : kNothing;
    b = b != nullptr ? b : kNothing;
    for (;; ++a, ++b) {
        const BXChar ca = *a;
        const BXChar cb = *b;
        if (ca != cb) {
            const int diff = int(ToLower(ca)) - int(ToLower(cb));
            if (diff != 0) {
                return diff;
            }
        }
        if (ca == 0) {
            return 0;
        }
    }
}

int BXStringGlobals::CompareNoCaseN(const BXChar* a, const BXChar* b, int32_t count) const
{
    static const BXChar kNothing[1] = {0};
    a = a != nullptr ? a : kNothing;
    b = b != nullptr ? b : kNothing;
    for (int32_t i = 0; i < count; ++i) {
        const BXChar ca = a[i];
        const BXChar cb = b[i];
        if (ca != cb) {
            const int diff = int(ToLower(ca)) - int(ToLower(cb));
            if (diff != 0) {
                return diff;
            }
        }
        if (ca == 0) {
            return 0;
        }
    }
    return 0;
}

void BXStringGlobals::RebuildTables(bool setLocale)
{
    if (setLocale) {
        std::setlocale(LC_ALL, "");
    }
    for (int c = 0; c < 256; ++c) {
        m_lowerTable[c] = LowerAbove255(BXChar(c));
        m_classTable[c] = ClassAbove255(BXChar(c));
    }
}

int32_t BXStringGlobals::GetPoolCount()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_poolCount;
}

BXChar BXStringGlobals::LowerAbove255(BXChar c)
{
    // A mapping outside the UTF-16 unit range would corrupt the text; keep the unit then.
    const uint32_t lower = uint32_t(std::towlower(wint_t(c)));
    return lower <= 0xFFFFu ? BXChar(lower) : c;
}

uint32_t BXStringGlobals::ClassAbove255(BXChar c)
{
    const wint_t w = wint_t(c);
    uint32_t mask = 0;
    if (std::iswdigit(w)) {
        mask |= kClassDigit;
    }
    if (std::iswalpha(w)) {
        mask |= kClassAlpha;
    }
    if (std::iswspace(w)) {
        mask |= kClassSpace;
    }
    if (std::iswupper(w)) {
        mask |= kClassUpper;
    }
    if (std::iswlower(w)) {
        mask |= kClassLower;
    }
    if (std::iswpunct(w)) {
        mask |= kClassPunct;
    }
    if (std::iswprint(w)) {
        mask |= kClassPrint;
    }
    return mask;
}
