// Search, enclosed ranges, trim, path helpers and case folding of BXString.
#include "BXString.h"

#include "BXStringGlobals.h"
#include "BXTextService.h"

#include <cstring>
#include <string>

namespace {

int32_t Length(const BXChar* text)
{
    return text != nullptr ? int32_t(std::char_traits<BXChar>::length(text)) : 0;
}

bool InSet(BXChar c, const BXChar* set)
{
    for (; *set != 0; ++set) {
        if (*set == c) {
            return true;
        }
    }
    return false;
}

bool IsHexDigit(BXChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Case-insensitive through the installed text service; without one, case-sensitive.
int32_t FindNoCaseFrom(const BXString& text, const BXChar* needle, int32_t needleLength, int32_t start)
{
    IBXTextService* service = BXGetTextService();
    if (service == nullptr) {
        return text.Find(needle, start);
    }
    const int32_t offset = service->FindText(text.GetString() + start, needle, IBXTextService::kNoCase);
    // Distrust an answer that does not lie in the searched text.
    if (offset < 0 || offset > text.GetLength() - start - needleLength) {
        return -1;
    }
    return start + offset;
}

} // namespace

int32_t BXString::Find(const BXChar* text, int32_t start) const
{
    const int32_t length = GetLength();
    const int32_t needleLength = Length(text);
    if (start < 0) {
        start = 0;
    }
    if (needleLength == 0 || start > length - needleLength) {
        return -1;
    }
    const BXChar first = text[0];
    const BXChar* at = m_chars + start;
    const BXChar* last = m_chars + (length - needleLength); // last possible match start
    while (at <= last) {
        at = std::char_traits<BXChar>::find(at, size_t(last - at) + 1, first);
        if (at == nullptr) {
            return -1;
        }
        if (std::memcmp(at + 1, text + 1, sizeof(BXChar) * size_t(needleLength - 1)) == 0) {
            return int32_t(at - m_chars);
        }
        ++at;
    }
    return -1;
}

int32_t BXString::Find(BXChar c, int32_t start) const
{
    const int32_t length = GetLength();
    if (start < 0) {
        start = 0;
    }
    if (start >= length) {
        return -1;
    }
    const BXChar* at = std::char_traits<BXChar>::find(m_chars + start, size_t(length - start), c);
    return at != nullptr ? int32_t(at - m_chars) : -1;
}

int32_t BXString::FindNoCase(const BXChar* text, int32_t start, bool returnEnd) const
{
    const int32_t needleLength = Length(text);
    if (start < 0 || start >= GetLength() || needleLength == 0) {
        return -1;
    }
    const int32_t index = FindNoCaseFrom(*this, text, needleLength, start);
    return index >= 0 && returnEnd ? index + needleLength : index;
}

bool BXString::ContainsNoCase(const BXChar* text) const
{
    return FindNoCase(text, 0, false) >= 0;
}

int32_t BXString::ReverseFind(BXChar c) const
{
    for (int32_t i = GetLength() - 1; i >= 0; --i) {
        if (m_chars[i] == c) {
            return i;
        }
    }
    return -1;
}

int32_t BXString::FindOneOf(const BXChar* set, int32_t start) const
{
    if (set == nullptr) {
        return -1;
    }
    const int32_t length = GetLength();
    for (int32_t i = start < 0 ? 0 : start; i < length; ++i) {
        if (InSet(m_chars[i], set)) {
            return i;
        }
    }
    return -1;
}

int32_t BXString::ReverseFindOneOf(int32_t start, const BXChar* set) const
{
    if (set == nullptr) {
        return -1;
    }
    const int32_t length = GetLength();
    for (int32_t i = (start < 0 || start >= length) ? length - 1 : start; i >= 0; --i) {
        if (InSet(m_chars[i], set)) {
            return i;
        }
    }
    return -1;
}

int BXString::EndsWith(const BXChar* text, bool caseSensitive) const
{
    const int32_t textLength = Length(text);
    const int32_t length = GetLength();
    if (textLength > length) {
        return -1;
    }
    const BXChar* tail = m_chars + (length - textLength);
    if (caseSensitive) {
        return std::char_traits<BXChar>::compare(tail, text, size_t(textLength));
    }
    return BXStringGlobals::Get().CompareNoCaseN(tail, text, textLength);
}

bool BXString::FindEnclosed(const BXChar* begin, const BXChar* end, int32_t startPos, bool inclusive, bool nesting,
                            bool allowUnterminated, int32_t& outStart, int32_t& outEnd) const
{
    outStart = -1;
    outEnd = -1;
    const int32_t beginLength = Length(begin);
    const int32_t endLength = Length(end);
    // Empty markers would match everywhere (and nest without end).
    if (beginLength == 0 || endLength == 0) {
        return false;
    }
    const int32_t beginAt = FindNoCase(begin, startPos, false);
    if (beginAt < 0) {
        return false;
    }
    const BXStringGlobals& globals = BXStringGlobals::Get();
    const int32_t length = GetLength();
    int32_t depth = 1;
    int32_t at = beginAt + beginLength;
    int32_t endAt = -1;
    while (at < length) {
        if (nesting && globals.CompareNoCaseN(m_chars + at, begin, beginLength) == 0) {
            at += beginLength;
            ++depth;
        } else if (globals.CompareNoCaseN(m_chars + at, end, endLength) != 0) {
            ++at;
        } else if (depth == 1) {
            endAt = at;
            break;
        } else {
            at += endLength;
            --depth;
        }
    }
    if (endAt < 0 && !allowUnterminated) {
        return false;
    }
    outStart = inclusive ? beginAt : beginAt + beginLength;
    if (endAt < 0) {
        outEnd = length;
    } else {
        outEnd = inclusive ? endAt + endLength : endAt;
    }
    return true;
}

BXString BXString::Between(const BXChar* begin, const BXChar* end, bool allowUnterminated) const
{
    int32_t start = -1;
    int32_t stop = -1;
    if (!FindEnclosed(begin, end, 0, false, false, allowUnterminated, start, stop)) {
        return BXString();
    }
    return Mid(start, stop - start);
}

int32_t BXString::RemoveComments()
{
    struct Range {
        int32_t m_start;
        int32_t m_end;
    };
    std::vector<Range> ranges;
    int32_t start = -1;
    int32_t end = -1;
    int32_t from = 0;
    while (FindEnclosed(u"<!--", u"-->", from, true, true, false, start, end)) {
        ranges.push_back({start, end});
        from = start + 1;
    }
    if (ranges.empty()) {
        return 0;
    }
    // Ranges arrive in ascending start order; one pass skips each merged span.
    BXString kept;
    int32_t copiedUpTo = 0;
    int32_t spanStart = ranges[0].m_start;
    int32_t spanEnd = ranges[0].m_end;
    auto flush = [&]() {
        kept.Append(m_chars + copiedUpTo, spanStart - copiedUpTo);
        copiedUpTo = spanEnd;
    };
    for (size_t i = 1; i < ranges.size(); ++i) {
        if (ranges[i].m_start <= spanEnd) {
            spanEnd = ranges[i].m_end > spanEnd ? ranges[i].m_end : spanEnd;
        } else {
            flush();
            spanStart = ranges[i].m_start;
            spanEnd = ranges[i].m_end;
        }
    }
    flush();
    kept.Append(m_chars + copiedUpTo, GetLength() - copiedUpTo);
    *this = kept;
    return int32_t(ranges.size());
}

// --- Trim --------------------------------------------------------------------

void BXString::TrimLeft()
{
    const BXStringGlobals& globals = BXStringGlobals::Get();
    const int32_t length = GetLength();
    int32_t count = 0;
    while (count < length && globals.IsSpace(m_chars[count])) {
        ++count;
    }
    Delete(0, count);
}

void BXString::TrimRight()
{
    const BXStringGlobals& globals = BXStringGlobals::Get();
    int32_t keep = GetLength();
    while (keep > 0 && globals.IsSpace(m_chars[keep - 1])) {
        --keep;
    }
    Delete(keep, GetLength() - keep);
}

void BXString::Trim()
{
    TrimRight();
    TrimLeft();
}

void BXString::TrimLeft(const BXChar* set)
{
    if (set == nullptr) {
        return;
    }
    const int32_t length = GetLength();
    int32_t count = 0;
    while (count < length && InSet(m_chars[count], set)) {
        ++count;
    }
    Delete(0, count);
}

void BXString::TrimRight(const BXChar* set)
{
    if (set == nullptr) {
        return;
    }
    int32_t keep = GetLength();
    while (keep > 0 && InSet(m_chars[keep - 1], set)) {
        --keep;
    }
    Delete(keep, GetLength() - keep);
}

void BXString::TrimLeadingSlashes()
{
    TrimLeft(u"\\/");
}

void BXString::TrimTrailingBackslashes()
{
    TrimRight(u"\\");
}

// --- Paths -------------------------------------------------------------------

bool BXString::StripFileName()
{
    const int32_t index = ReverseFind(u'\\');
    if (index < 0) {
        return false;
    }
    Delete(index + 1, GetLength() - index - 1);
    return true;
}

void BXString::AppendPath(const BXChar* name)
{
    TrimTrailingBackslashes();
    int32_t nameLength = Length(name);
    while (nameLength > 0 && name[nameLength - 1] == u'\\') {
        --nameLength;
    }
    const BXChar separator = u'\\';
    const BXChar* pieces[2] = {&separator, name};
    const int32_t lengths[2] = {1, nameLength};
    AppendPieces(pieces, lengths, 2);
}

bool BXString::HasTrailingBackslash() const
{
    const int32_t length = GetLength();
    return length > 0 && m_chars[length - 1] == u'\\';
}

bool BXString::EndsWithPattern(const BXChar* pattern, int32_t patternLength) const
{
    const int32_t length = GetLength();
    if (pattern == nullptr || patternLength < 0 || patternLength > length) {
        return false;
    }
    const BXChar* tail = m_chars + (length - patternLength);
    for (int32_t i = 0; i < patternLength; ++i) {
        const BXChar p = pattern[i];
        if (p == 0) {
            continue;
        }
        if (p == 1 ? !IsHexDigit(tail[i]) : p != tail[i]) {
            return false;
        }
    }
    return true;
}

// --- Case --------------------------------------------------------------------

void BXString::MakeLower()
{
    const BXStringGlobals& globals = BXStringGlobals::Get();
    const int32_t length = GetLength();
    int32_t first = 0;
    while (first < length && globals.ToLower(m_chars[first]) == m_chars[first]) {
        ++first;
    }
    if (first == length) {
        return;
    }
    BXChar* buffer = GetBuffer();
    for (int32_t i = first; i < length; ++i) {
        buffer[i] = globals.ToLower(buffer[i]);
    }
    ReleaseBuffer(length);
}
