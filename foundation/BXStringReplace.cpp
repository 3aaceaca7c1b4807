// Multi-pattern Replace of BXString.
#include "BXString.h"

#include "BXTextService.h"

#include <new>
#include <string>
#include <vector>

struct BXStringReplaceHit {
    int32_t m_pattern;
    int32_t m_position;
};

namespace {

// Next occurrence at or after start; case-insensitive only through the text service.
int32_t FindPattern(const BXString& text, const BXChar* pattern, int32_t patternLength, int32_t start,
                    IBXTextService* noCaseService)
{
    if (noCaseService == nullptr) {
        return text.Find(pattern, start);
    }
    if (start >= text.GetLength()) {
        return -1;
    }
    const int32_t offset = noCaseService->FindText(text.GetString() + start, pattern, IBXTextService::kNoCase);
    if (offset < 0 || offset > text.GetLength() - start - patternLength) {
        return -1;
    }
    return start + offset;
}

int32_t Length(const BXChar* text)
{
    return text != nullptr ? int32_t(std::char_traits<BXChar>::length(text)) : 0;
}

} // namespace

int32_t BXString::Replace(const BXChar* const* patterns, const BXChar* const* replacements, int32_t count,
                          bool caseSensitive, bool keepMatched, const BXChar* prefix, const BXChar* suffix)
{
    if (count < 1 || patterns == nullptr) {
        return 0;
    }
    std::vector<int32_t> patternLengths(size_t(count), 0);
    for (int32_t i = 0; i < count; ++i) {
        patternLengths[size_t(i)] = Length(patterns[i]);
        if (patternLengths[size_t(i)] == 0) {
            return 0;
        }
    }
    IBXTextService* service = caseSensitive ? nullptr : BXGetTextService();

    // Each pattern's next occurrence is cached and searched again only once the scan has passed it.
    std::vector<int32_t> next(size_t(count), -2);
    std::vector<BXStringReplaceHit> hits;
    int32_t position = 0;
    for (;;) {
        int32_t best = -1;
        for (int32_t i = 0; i < count; ++i) {
            int32_t& at = next[size_t(i)];
            if (at == -2 || (at >= 0 && at < position)) {
                at = FindPattern(*this, patterns[i], patternLengths[size_t(i)], position, service);
            }
            if (at >= 0 && (best < 0 || at < next[size_t(best)])) {
                best = i;
            }
        }
        if (best < 0) {
            break;
        }
        const int32_t at = next[size_t(best)];
        hits.push_back({best, at});
        position = at + patternLengths[size_t(best)];
    }
    if (hits.empty()) {
        return 0;
    }

    const int32_t prefixLength = Length(prefix);
    const int32_t suffixLength = Length(suffix);
    auto insertedOf = [&](const BXStringReplaceHit& hit, const BXChar*& chars) {
        if (keepMatched) {
            chars = m_chars + hit.m_position;
            return patternLengths[size_t(hit.m_pattern)];
        }
        chars = replacements != nullptr ? replacements[hit.m_pattern] : nullptr;
        return Length(chars);
    };
    int64_t total = GetLength();
    for (const BXStringReplaceHit& hit : hits) {
        const BXChar* chars = nullptr;
        total += int64_t(prefixLength) + insertedOf(hit, chars) + suffixLength - patternLengths[size_t(hit.m_pattern)];
    }
    if (total > INT32_MAX) {
        throw std::bad_alloc();
    }

    BXString result;
    BXChar* out = result.GetBuffer(int32_t(total), true, false);
    int32_t copiedUpTo = 0;
    auto put = [&out](const BXChar* chars, int32_t length) {
        if (length > 0) {
            std::char_traits<BXChar>::copy(out, chars, size_t(length));
            out += length;
        }
    };
    for (const BXStringReplaceHit& hit : hits) {
        put(m_chars + copiedUpTo, hit.m_position - copiedUpTo);
        const BXChar* chars = nullptr;
        const int32_t length = insertedOf(hit, chars);
        put(prefix, prefixLength);
        put(chars, length);
        put(suffix, suffixLength);
        copiedUpTo = hit.m_position + patternLengths[size_t(hit.m_pattern)];
    }
    put(m_chars + copiedUpTo, GetLength() - copiedUpTo);
    result.ReleaseBuffer(int32_t(total));
    *this = result;
    return int32_t(hits.size());
}

int32_t BXString::Replace(const BXChar* pattern, const BXChar* replacement, bool caseSensitive)
{
    return Replace(&pattern, &replacement, 1, caseSensitive);
}
