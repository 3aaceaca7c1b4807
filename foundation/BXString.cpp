// Construction, sharing, buffer access, comparison, append and edit of
// BXString. Search, trim and paths are in BXStringSearch.cpp, Format and the
// encodings in their own files.
#include "BXString.h"

#include "BXStringGlobals.h"

#include <atomic>
#include <cstring>
#include <new>

namespace {

// Larger requests are treated as a failed allocation before any size arithmetic can overflow.
constexpr int32_t kMaxLength = 0x3fffffe0;
constexpr int32_t kLinearGrowth = 0x100000;

BXStringGlobals& Globals()
{
    return BXStringGlobals::Get();
}

int32_t CheckedLength(int64_t length)
{
    if (length > kMaxLength) {
        throw std::bad_alloc();
    }
    return int32_t(length);
}

int32_t TextLength(const BXChar* text)
{
    return text != nullptr ? CheckedLength(int64_t(std::char_traits<BXChar>::length(text))) : 0;
}

// Room for appends: the next power of two above room, then steps of 1,048,576 units.
int32_t RoundRoom(int32_t room)
{
    if (room <= kLinearGrowth) {
        int32_t rounded = 1;
        while (rounded <= room) {
            rounded <<= 1;
        }
        return rounded;
    }
    const int64_t rounded = (int64_t(room) + kLinearGrowth - 1) / kLinearGrowth * kLinearGrowth;
    return CheckedLength(rounded);
}

// A writer may have changed the characters of an exclusive buffer: measure up to the first 0 unit.
int32_t MeasureExclusive(const BXStringHeader* header)
{
    const BXChar* chars = const_cast<BXStringHeader*>(header)->Chars();
    const BXChar* end = std::char_traits<BXChar>::find(chars, size_t(header->m_capacity), BXChar(0));
    return end != nullptr ? int32_t(end - chars) : header->m_capacity - 1;
}

bool PointsInto(const BXChar* text, const BXChar* chars)
{
    const BXStringHeader* header = BXStringHeader::FromChars(chars);
    const auto address = reinterpret_cast<uintptr_t>(text);
    const auto begin = reinterpret_cast<uintptr_t>(chars);
    return address >= begin && address < begin + sizeof(BXChar) * size_t(header->m_capacity);
}

} // namespace

BXChar* BXString::EmptyChars()
{
    return Globals().GetEmpty();
}

void BXString::Release(BXChar* chars)
{
    BXStringHeader* header = BXStringHeader::FromChars(chars);
    std::atomic_ref<int32_t> count(header->m_refCount);
    const int32_t current = count.load(std::memory_order_acquire);
    if (current == kStaticRefCount) {
        return;
    }
    // A sole owner (count 1) cannot race with a copy, since a copy needs a second owner.
    if (current == kExclusiveRefCount || current == 1 || count.fetch_sub(1, std::memory_order_acq_rel) <= 1) {
        header->m_allocator->Free(header);
    }
}

// --- Construction and assignment ---------------------------------------------

BXString::BXString() noexcept : m_chars(EmptyChars()) {}

BXString::BXString(const BXChar* text) : m_chars(Globals().FromWide(text, -1, -1, false, true, true)) {}

BXString::BXString(const BXChar* text, int32_t count)
    : m_chars(Globals().FromWide(text, count < 0 ? -1 : count, -1, false, true, true))
{
}

BXString::BXString(BXChar c) : m_chars(Globals().FromWide(&c, 1, 1, false, true, true)) {}

BXString::BXString(const BXString& other)
{
    BXStringHeader* header = other.Header();
    if (header->m_length == 0) {
        m_chars = EmptyChars();
    } else if (header->m_refCount == kExclusiveRefCount || header->m_allocator != &Globals()) {
        m_chars = Globals().FromWide(other.m_chars, header->m_length, -1, false, true, true);
    } else {
        if (header->m_refCount != kStaticRefCount) {
            std::atomic_ref<int32_t>(header->m_refCount).fetch_add(1, std::memory_order_relaxed);
        }
        m_chars = other.m_chars;
    }
}

BXString::BXString(BXString&& other) noexcept : m_chars(other.m_chars)
{
    other.m_chars = EmptyChars();
}

BXString::~BXString()
{
    Release(m_chars);
}

BXString& BXString::operator=(const BXString& other)
{
    if (m_chars == other.m_chars) {
        return *this;
    }
    if (other.IsEmpty()) {
        Empty();
        return *this;
    }
    const bool wasExclusive = Header()->m_refCount == kExclusiveRefCount;
    BXString copy(other);
    std::swap(m_chars, copy.m_chars);
    if (wasExclusive) {
        // A string held for writing stays held, and never shares while held.
        if (Header()->m_refCount != 1) {
            SetPrivateCopy(other.m_chars, other.GetLength());
        }
        Header()->m_refCount = kExclusiveRefCount;
    }
    return *this;
}

BXString& BXString::operator=(BXString&& other) noexcept
{
    if (this != &other) {
        std::swap(m_chars, other.m_chars);
    }
    return *this;
}

BXString& BXString::operator=(const BXChar* text)
{
    Assign(text, -1);
    return *this;
}

void BXString::SetPrivateCopy(const BXChar* text, int32_t length)
{
    BXChar* fresh = Globals().FromWide(text, length, -1, false, true, true);
    Release(m_chars);
    m_chars = fresh;
}

void BXString::Assign(const BXChar* text, int32_t count)
{
    const int32_t length = count < 0 ? TextLength(text) : (text != nullptr ? count : 0);
    if (length == 0) {
        Empty();
        return;
    }
    const bool wasExclusive = Header()->m_refCount == kExclusiveRefCount;
    // FromWide copies before the old buffer goes, so text may point into it.
    SetPrivateCopy(text, length);
    if (wasExclusive) {
        Header()->m_refCount = kExclusiveRefCount;
    }
}

// --- Buffer access -----------------------------------------------------------

BXChar* BXString::GetBuffer(int32_t room, bool exact, bool keepContents)
{
    BXStringHeader* header = Header();
    if (room < -1) {
        room = -1;
    }
    const int32_t count = header->m_refCount;
    if (count >= 2) {
        const int32_t length = header->m_length;
        const int32_t wanted = room < 0 ? length : room;
        BXChar* fresh = Globals().FromWide(m_chars, keepContents ? length : 0, wanted, true, true, true);
        BXStringHeader::FromChars(fresh)->m_refCount = kExclusiveRefCount;
        Release(m_chars);
        m_chars = fresh;
    } else if (room < 0 || room < header->m_capacity) {
        header->m_refCount = kExclusiveRefCount;
    } else {
        const int32_t newRoom = exact ? CheckedLength(room) : RoundRoom(CheckedLength(room));
        const int32_t length = count == kExclusiveRefCount ? MeasureExclusive(header) : header->m_length;
        BXChar* fresh = Globals().FromWide(m_chars, keepContents ? length : 0, newRoom, true, true, true);
        BXStringHeader::FromChars(fresh)->m_refCount = kExclusiveRefCount;
        header->m_allocator->Free(header);
        m_chars = fresh;
    }
    return m_chars;
}

void BXString::ReleaseBuffer(int32_t length)
{
    BXStringHeader* header = Header();
    if (header->m_refCount != kExclusiveRefCount && header->m_refCount != 1) {
        // Not held: never write into a buffer that others share.
        if (length < 0 || length >= header->m_length) {
            return;
        }
        header = BXStringHeader::FromChars(GetBuffer());
    }
    if (length < 0) {
        length = MeasureExclusive(header);
    } else if (length > header->m_capacity - 1) {
        length = header->m_capacity - 1;
    }
    m_chars[length] = 0;
    header->m_length = length;
    header->m_refCount = 1;
}

void BXString::Empty()
{
    BXStringHeader* header = Header();
    if (header->m_length == 0) {
        return;
    }
    if (header->m_refCount == 1 || header->m_refCount == kExclusiveRefCount) {
        header->m_length = 0;
        m_chars[0] = 0;
        return;
    }
    Release(m_chars);
    m_chars = EmptyChars();
}

// --- Comparison --------------------------------------------------------------

int BXString::Compare(const BXChar* text) const
{
    static const BXChar kNothing[1] = {0};
    const BXChar* a = m_chars;
    const BXChar* b = text != nullptr ? text : kNothing;
    for (;; ++a, ++b) {
        if (*a != *b) {
            return int(*a) - int(*b);
        }
        if (*a == 0) {
            return 0;
        }
    }
}

int BXString::Compare(const BXString& other) const
{
    const int32_t length = GetLength();
    const int32_t otherLength = other.GetLength();
    const int32_t common = length < otherLength ? length : otherLength;
    for (int32_t i = 0; i < common; ++i) {
        if (m_chars[i] != other.m_chars[i]) {
            return int(m_chars[i]) - int(other.m_chars[i]);
        }
    }
    return length == otherLength ? 0 : (length < otherLength ? -int(other.m_chars[common]) : int(m_chars[common]));
}

int BXString::CompareNoCase(const BXChar* text) const
{
    return Globals().CompareNoCase(m_chars, text);
}

bool BXString::operator==(const BXString& other) const
{
    if (m_chars == other.m_chars) {
        return true;
    }
    const int32_t length = GetLength();
    return length == other.GetLength() && std::memcmp(m_chars, other.m_chars, sizeof(BXChar) * size_t(length)) == 0;
}

bool BXString::operator==(const BXChar* text) const
{
    const int32_t length = GetLength();
    if (text == nullptr) {
        return length == 0;
    }
    for (int32_t i = 0; i < length; ++i) {
        if (text[i] != m_chars[i]) {
            return false;
        }
    }
    return text[length] == 0;
}

// --- Append and edit ---------------------------------------------------------

void BXString::Append(const BXChar* text, int32_t count)
{
    if (text == nullptr) {
        return;
    }
    if (count < 0) {
        count = TextLength(text);
    }
    if (count == 0) {
        return;
    }
    if (PointsInto(text, m_chars)) {
        // The piece lives in this buffer, which growth may free.
        const BXString piece(text, count);
        Append(piece.m_chars, count);
        return;
    }
    BXStringHeader* header = Header();
    const int32_t length = header->m_length;
    if (header->m_refCount == 1 && int64_t(length) + count < header->m_capacity) {
        std::memcpy(m_chars + length, text, sizeof(BXChar) * size_t(count));
        m_chars[length + count] = 0;
        header->m_length = length + count;
        return;
    }
    const int32_t newLength = CheckedLength(int64_t(length) + count);
    BXChar* buffer = GetBuffer(newLength);
    std::memcpy(buffer + length, text, sizeof(BXChar) * size_t(count));
    ReleaseBuffer(newLength);
}

void BXString::Append(const BXString& text)
{
    if (IsEmpty() && Header()->m_refCount != kExclusiveRefCount) {
        *this = text;
        return;
    }
    if (&text == this || text.m_chars == m_chars) {
        const BXString copy(text);
        AppendPieces(&copy.m_chars, &copy.Header()->m_length, 1);
        return;
    }
    Append(text.m_chars, text.GetLength());
}

void BXString::Append(BXChar c)
{
    Append(&c, 1);
}

void BXString::AppendMany(const BXString& a, const BXString& b, const BXString& c, const BXString& d)
{
    // Copies keep the pieces alive even when one of them is this string.
    const BXString pieces[4] = {a, b, c, d};
    const BXChar* chars[4];
    int32_t lengths[4];
    for (int i = 0; i < 4; ++i) {
        chars[i] = pieces[i].m_chars;
        lengths[i] = pieces[i].GetLength();
    }
    AppendPieces(chars, lengths, 4);
}

void BXString::AppendPieces(const BXChar* const* pieces, const int32_t* lengths, int32_t count)
{
    int64_t total = GetLength();
    for (int32_t i = 0; i < count; ++i) {
        total += lengths[i];
    }
    const int32_t length = GetLength();
    BXChar* buffer = GetBuffer(CheckedLength(total));
    int32_t at = length;
    for (int32_t i = 0; i < count; ++i) {
        std::memcpy(buffer + at, pieces[i], sizeof(BXChar) * size_t(lengths[i]));
        at += lengths[i];
    }
    ReleaseBuffer(at);
}

void BXString::Insert(int32_t index, BXChar c)
{
    Insert(index, &c, 1);
}

void BXString::Insert(int32_t index, const BXChar* text, int32_t count)
{
    const int32_t length = GetLength();
    if (index < 0 || index > length || text == nullptr) {
        return;
    }
    if (count < 0) {
        count = TextLength(text);
    }
    if (count == 0) {
        return;
    }
    const BXString piece(text, count); // text may point into this buffer
    const int32_t newLength = CheckedLength(int64_t(length) + count);
    BXChar* buffer = GetBuffer(newLength);
    std::memmove(buffer + index + count, buffer + index, sizeof(BXChar) * size_t(length - index));
    std::memcpy(buffer + index, piece.m_chars, sizeof(BXChar) * size_t(count));
    ReleaseBuffer(newLength);
}

void BXString::Delete(int32_t index, int32_t count)
{
    const int32_t length = GetLength();
    if (count <= 0 || index >= length) {
        return;
    }
    if (index < 0) {
        count += index;
        index = 0;
        if (count <= 0) {
            return;
        }
    }
    if (count > length - index) {
        count = length - index;
    }
    if (count == length) {
        Empty();
        return;
    }
    BXChar* buffer = GetBuffer();
    std::memmove(buffer + index, buffer + index + count, sizeof(BXChar) * size_t(length - index - count));
    ReleaseBuffer(length - count);
}

void BXString::DeleteLeft(int32_t count)
{
    Delete(0, count);
}

void BXString::DeleteRight(int32_t count)
{
    if (count > 0) {
        const int32_t length = GetLength();
        Delete(count >= length ? 0 : length - count, count);
    }
}

void BXString::DeleteLeftRight(int32_t left, int32_t right)
{
    DeleteRight(right);
    DeleteLeft(left);
}

void BXString::DeleteUpTo(int32_t index)
{
    if (index >= 0) {
        Delete(0, index >= INT32_MAX - 1 ? INT32_MAX : index + 1);
    }
}

void BXString::SetAt(int32_t index, BXChar c)
{
    const int32_t length = GetLength();
    if (index < 0 || index >= length) {
        return;
    }
    BXChar* buffer = GetBuffer();
    buffer[index] = c;
    ReleaseBuffer(c == 0 ? index : length);
}

int32_t BXString::Remove(BXChar c)
{
    const int32_t length = GetLength();
    if (length == 0) {
        return 0;
    }
    BXChar* buffer = GetBuffer();
    int32_t kept = 0;
    for (int32_t i = 0; i < length; ++i) {
        if (buffer[i] != c) {
            buffer[kept++] = buffer[i];
        }
    }
    ReleaseBuffer(kept);
    return length - kept;
}

int32_t BXString::ReplaceChar(BXChar from, BXChar to)
{
    const int32_t length = GetLength();
    int32_t first = -1;
    for (int32_t i = 0; i < length; ++i) {
        if (m_chars[i] == from) {
            first = i;
            break;
        }
    }
    if (first < 0) {
        return 0;
    }
    BXChar* buffer = GetBuffer();
    int32_t replaced = 0;
    int32_t newLength = length;
    for (int32_t i = first; i < length; ++i) {
        if (buffer[i] == from) {
            buffer[i] = to;
            ++replaced;
        }
    }
    if (to == 0) {
        newLength = first; // a 0 unit ends the text, as SetAt does
    }
    ReleaseBuffer(newLength);
    return replaced;
}

// --- Extraction --------------------------------------------------------------

BXString BXString::Mid(int32_t start) const
{
    return Mid(start, INT32_MAX);
}

BXString BXString::Mid(int32_t start, int32_t count) const
{
    const int32_t length = GetLength();
    if (start < 0) {
        start = 0;
    }
    if (start >= length || count <= 0) {
        return BXString();
    }
    if (count > length - start) {
        count = length - start;
    }
    if (start == 0 && count == length) {
        return *this;
    }
    return BXString(m_chars + start, count);
}

BXString BXString::Left(int32_t count) const
{
    return Mid(0, count);
}

BXString BXString::Right(int32_t count) const
{
    const int32_t length = GetLength();
    if (count >= length) {
        return *this;
    }
    return count <= 0 ? BXString() : Mid(length - count, count);
}

BXString BXString::LeftOfFirst(const BXChar* set) const
{
    const int32_t index = FindOneOf(set, 0);
    return index < 0 ? *this : Left(index);
}

BXString BXString::RightOfLast(const BXChar* set) const
{
    const int32_t index = ReverseFindOneOf(-1, set);
    return index < 0 ? *this : Mid(index + 1);
}

BXString operator+(const BXString& a, const BXString& b)
{
    BXString result(a);
    result.Append(b);
    return result;
}

BXString operator+(const BXString& a, const BXChar* b)
{
    BXString result(a);
    result.Append(b);
    return result;
}

BXString operator+(const BXChar* a, const BXString& b)
{
    BXString result(a);
    result.Append(b);
    return result;
}

#if defined(_WIN32)
BXString::BXString(const wchar_t* text) : BXString(BXFromWide(text)) {}
#endif
