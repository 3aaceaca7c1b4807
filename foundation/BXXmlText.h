// Character rules shared by the XML scanner, the cursor and the path matcher: white space, where names
// end, and name comparison under the document's case rule. Every function works on a text and a length,
// never on a terminator, so a 0 unit inside a document is an ordinary character.
#pragma once

#include "BXStringGlobals.h"
#include "BXTypes.h"

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

inline bool BXXmlIsSpace(BXChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The character after "<" that opens a start tag: a letter, ":", "_" or anything above "`".
inline bool BXXmlIsStartTagChar(BXChar c)
{
    return (c >= u'A' && c <= u'Z') || c == u':' || c == u'_' || c > u'`';
}

// End of a tag name that begins at pos: white space, "/" or ">" (or the end).
inline uint32_t BXXmlTagNameEnd(const BXChar* text, uint32_t pos, uint32_t end)
{
    while (pos < end) {
        BXChar c = text[pos];
        if (c == u'>' || c == u'/' || BXXmlIsSpace(c)) {
            break;
        }
        ++pos;
    }
    return pos;
}

inline bool BXXmlCharsEqual(BXChar a, BXChar b, bool noCase)
{
    if (a == b) {
        return true;
    }
    if (!noCase) {
        return false;
    }
    const BXStringGlobals& globals = BXStringGlobals::Get();
    return globals.ToLower(a) == globals.ToLower(b);
}

inline bool BXXmlNamesEqual(const BXChar* a, uint32_t aLength, const BXChar* b, uint32_t bLength, bool noCase)
{
    if (aLength != bLength) {
        return false;
    }
    for (uint32_t i = 0; i < aLength; ++i) {
        if (!BXXmlCharsEqual(a[i], b[i], noCase)) {
            return false;
        }
    }
    return true;
}

// Offset of the first unit at or after pos that equals a, b or c, or end. Several units are tested per step
// (eight with SSE2, else a zero-lane test on 64-bit words): that is where a large document spends its
// parse time.
inline uint32_t BXXmlFindAny(const BXChar* text, uint32_t pos, uint32_t end, BXChar a, BXChar b, BXChar c)
{
#if defined(__SSE2__)
    const __m128i wideA = _mm_set1_epi16(short(a));
    const __m128i wideB = _mm_set1_epi16(short(b));
    const __m128i wideC = _mm_set1_epi16(short(c));
    while (pos + 8 <= end) {
        __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + pos));
        __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(units, wideA), _mm_cmpeq_epi16(units, wideB)),
                                    _mm_cmpeq_epi16(units, wideC));
        int mask = _mm_movemask_epi8(hits);
        if (mask != 0) {
            return pos + uint32_t(__builtin_ctz(unsigned(mask))) / 2;
        }
        pos += 8;
    }
#endif
    constexpr uint64_t kOnes = 0x0001000100010001ull;
    constexpr uint64_t kHighs = 0x8000800080008000ull;
    const uint64_t patternA = kOnes * a;
    const uint64_t patternB = kOnes * b;
    const uint64_t patternC = kOnes * c;
    while (pos + 4 <= end) {
        uint64_t word;
        std::memcpy(&word, text + pos, sizeof word);
        uint64_t xa = word ^ patternA;
        uint64_t xb = word ^ patternB;
        uint64_t xc = word ^ patternC;
        uint64_t hit = ((xa - kOnes) & ~xa) | ((xb - kOnes) & ~xb) | ((xc - kOnes) & ~xc);
        if ((hit & kHighs) != 0) {
            break;
        }
        pos += 4;
    }
    while (pos < end && text[pos] != a && text[pos] != b && text[pos] != c) {
        ++pos;
    }
    return pos;
}
