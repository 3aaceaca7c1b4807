#include "BXTextConvert.h"

#include "BXStringGlobals.h"

#include <cmath>

namespace {

// Zero digits of the scripts whose decimal digits ToInt reads, each followed by nine more.
constexpr char16_t kZeroDigits[] = {
    0x0030, // ASCII
    0x0660, // Arabic-Indic
    0x06F0, // Extended Arabic-Indic
    0x0966, // Devanagari
    0x09E6, // Bengali
    0x0A66, // Gurmukhi
    0x0AE6, // Gujarati
    0x0B66, // Oriya
    0x0C66, // Telugu
    0x0CE6, // Kannada
    0x0D66, // Malayalam
    0x0E50, // Thai
    0x0ED0, // Lao
    0x0F20, // Tibetan
    0x1040, // Myanmar
    0x17E0, // Khmer
    0x1810, // Mongolian
    0xFF10, // Fullwidth
};

// Digits past this many cannot change a double; they are still consumed.
constexpr int kMaxSignificantDigits = 18;
// "1e1e1e..." nests one exponent in another; deeper nesting stops the number.
constexpr int kMaxExponentDepth = 4;

bool IsAsciiDigit(BXChar c)
{
    return c >= u'0' && c <= u'9';
}

// Exact rounding is left to ordinary double arithmetic: integer + fraction / 10^digits, times 10^exponent.
double ParseDouble(const BXChar* text, int32_t* consumed, int depth)
{
    const BXStringGlobals& globals = BXStringGlobals::Get();
    const BXChar* p = text;
    while (*p == u'+' || (*p != 0 && globals.IsSpace(*p))) {
        ++p;
    }
    bool negative = false;
    if (*p == u'-' || *p == 0x2012) {
        negative = true;
        ++p;
    }
    int64_t integer = 0;
    int extraIntegerDigits = 0;
    for (; IsAsciiDigit(*p); ++p) {
        if (integer < 100000000000000000LL) {
            integer = integer * 10 + (*p - u'0');
        } else {
            ++extraIntegerDigits;
        }
    }
    int64_t fraction = 0;
    int fractionDigits = 0;
    if (*p == u'.' || *p == u',') {
        for (++p; IsAsciiDigit(*p); ++p) {
            if (fractionDigits < kMaxSignificantDigits) {
                fraction = fraction * 10 + (*p - u'0');
                ++fractionDigits;
            }
        }
    }
    double exponent = 0;
    if ((*p == u'e' || *p == u'E') && depth < kMaxExponentDepth) {
        int32_t exponentLength = 0;
        exponent = ParseDouble(p + 1, &exponentLength, depth + 1);
        p += 1 + exponentLength;
    }
    double value = double(integer) * std::pow(10.0, extraIntegerDigits) +
                   (fractionDigits > 0 ? double(fraction) / std::pow(10.0, fractionDigits) : 0.0);
    if (exponent != 0) {
        value *= std::pow(10.0, exponent);
    }
    if (consumed != nullptr) {
        *consumed = int32_t(p - text);
    }
    return negative ? -value : value;
}

} // namespace

int32_t BXTextConvert::DigitValue(BXChar c)
{
    for (char16_t zero : kZeroDigits) {
        if (c >= zero && c <= zero + 9) {
            return int32_t(c - zero);
        }
    }
    return -1;
}

int32_t BXTextConvert::ToInt(const BXChar* text)
{
    if (text == nullptr) {
        return 0;
    }
    const BXStringGlobals& globals = BXStringGlobals::Get();
    const BXChar* p = text;
    while (*p != 0 && globals.IsSpace(*p)) {
        ++p;
    }
    bool negative = false;
    if (*p == u'-' || *p == u'+') {
        negative = *p == u'-';
        ++p;
    }
    int64_t value = 0;
    for (int32_t digit = DigitValue(*p); digit >= 0; digit = DigitValue(*++p)) {
        value = value * 10 + digit;
        if (value > INT32_MAX) {
            value = INT32_MAX; // saturates; the remaining digits are still read
        }
    }
    return negative ? -int32_t(value) : int32_t(value);
}

double BXTextConvert::ToDouble(const BXChar* text, int32_t* consumed)
{
    if (text == nullptr) {
        if (consumed != nullptr) {
            *consumed = 0;
        }
        return 0.0;
    }
    return ParseDouble(text, consumed, 0);
}

uint32_t BXTextConvert::FromHex(const BXChar* text)
{
    if (text == nullptr) {
        return 0;
    }
    const BXChar* p = text;
    if (p[0] == u'0' && (p[1] == u'x' || p[1] == u'X')) {
        p += 2;
    }
    uint32_t value = 0;
    for (;; ++p) {
        uint32_t digit;
        if (*p >= u'0' && *p <= u'9') {
            digit = uint32_t(*p - u'0');
        } else if (*p >= u'a' && *p <= u'f') {
            digit = uint32_t(*p - u'a' + 10);
        } else if (*p >= u'A' && *p <= u'F') {
            digit = uint32_t(*p - u'A' + 10);
        } else {
            break;
        }
        value = (value << 4) | digit;
    }
    return value;
}

bool BXTextConvert::IsToken(const BXChar* text)
{
    if (text == nullptr || text[0] != u'(' || !IsAsciiDigit(text[1])) {
        return false;
    }
    const BXChar* p = text + 1;
    while (IsAsciiDigit(*p)) {
        ++p;
    }
    return *p == u':';
}
