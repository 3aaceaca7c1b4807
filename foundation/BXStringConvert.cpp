// Numbers, Base64, the length-prefixed token form and GUID text of BXString.
#include "BXString.h"

#include "BXTextConvert.h"

#include <cstdio>
#include <new>

#if defined(_WIN32)
#include <objbase.h>
#else
#include <random>
#endif

namespace {

constexpr char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int32_t kBase64LineLength = 64;
constexpr int32_t kTokenGrowth = 1024;

int32_t Base64Value(BXChar c)
{
    if (c >= u'A' && c <= u'Z') {
        return c - u'A';
    }
    if (c >= u'a' && c <= u'z') {
        return c - u'a' + 26;
    }
    if (c >= u'0' && c <= u'9') {
        return c - u'0' + 52;
    }
    if (c == u'+') {
        return 62;
    }
    return c == u'/' ? 63 : -1;
}

int32_t AppendDecimal(BXChar* out, uint64_t value)
{
    BXChar digits[24];
    int32_t count = 0;
    do {
        digits[count++] = BXChar(u'0' + value % 10);
        value /= 10;
    } while (value != 0);
    for (int32_t i = 0; i < count; ++i) {
        out[i] = digits[count - 1 - i];
    }
    return count;
}

} // namespace

// --- Numbers -------------------------------------------------------------------

int32_t BXString::ToInt() const
{
    return BXTextConvert::ToInt(m_chars);
}

double BXString::ToDouble(int32_t* consumed) const
{
    return BXTextConvert::ToDouble(m_chars, consumed);
}

uint32_t BXString::FromHex() const
{
    return BXTextConvert::FromHex(m_chars);
}

BXString BXString::FromInt(int64_t value, int32_t radix)
{
    if (radix == 16 || value >= 0) {
        return FromUInt(uint64_t(value), radix);
    }
    BXChar text[24];
    text[0] = u'-';
    const int32_t length = 1 + AppendDecimal(text + 1, uint64_t(0) - uint64_t(value));
    return BXString(text, length);
}

BXString BXString::FromUInt(uint64_t value, int32_t radix)
{
    BXChar text[24];
    int32_t length = 0;
    if (radix == 16) {
        BXChar digits[16];
        do {
            digits[length++] = BXChar(u"0123456789abcdef"[value & 0xF]);
            value >>= 4;
        } while (value != 0);
        for (int32_t i = 0; i < length; ++i) {
            text[i] = digits[length - 1 - i];
        }
    } else {
        length = AppendDecimal(text, value);
    }
    return BXString(text, length);
}

BXChar BXString::GetDecimalSeparator()
{
    // The C runtime's rendering under the locale current at the first call.
    static const BXChar separator = [] {
        char text[16] = {};
        std::snprintf(text, sizeof(text), "%.1f", 1.1);
        return (text[1] == '.' || text[1] == ',') ? BXChar(text[1]) : BXChar(u'.');
    }();
    return separator;
}

// --- Base64 --------------------------------------------------------------------

BXString BXString::Base64Encode(const void* bytes, int32_t count)
{
    if (bytes == nullptr || count <= 0) {
        return BXString();
    }
    const auto* data = static_cast<const unsigned char*>(bytes);
    const int64_t characters = (int64_t(count) + 2) / 3 * 4;
    const int64_t total = characters + (characters - 1) / kBase64LineLength;
    if (total > INT32_MAX / 2) {
        throw std::bad_alloc();
    }
    BXString result;
    BXChar* out = result.GetBuffer(int32_t(total), true, false);
    int32_t written = 0;
    int32_t onLine = 0;
    auto put = [&](BXChar c) {
        if (onLine == kBase64LineLength) {
            out[written++] = u'\n';
            onLine = 0;
        }
        out[written++] = c;
        ++onLine;
    };
    for (int32_t i = 0; i < count; i += 3) {
        const int32_t left = count - i;
        const uint32_t group = (uint32_t(data[i]) << 16) | (left > 1 ? uint32_t(data[i + 1]) << 8 : 0) |
                               (left > 2 ? uint32_t(data[i + 2]) : 0);
        put(BXChar(kBase64Alphabet[(group >> 18) & 0x3F]));
        put(BXChar(kBase64Alphabet[(group >> 12) & 0x3F]));
        put(left > 1 ? BXChar(kBase64Alphabet[(group >> 6) & 0x3F]) : u'=');
        put(left > 2 ? BXChar(kBase64Alphabet[group & 0x3F]) : u'=');
    }
    result.ReleaseBuffer(written);
    return result;
}

std::vector<uint8_t> BXString::Base64Decode() const
{
    std::vector<uint8_t> bytes;
    const int32_t length = GetLength();
    bytes.reserve(size_t(length) / 4 * 3 + 3);
    uint32_t group = 0;
    int32_t inGroup = 0;
    int32_t padding = 0;
    for (int32_t i = 0; i < length; ++i) {
        const BXChar c = m_chars[i];
        if (c == u'\r' || c == u'\n') {
            continue;
        }
        if (inGroup == 0) {
            padding = 0;
        }
        const int32_t value = Base64Value(c);
        padding += c == u'=' ? 1 : 0;
        group = (group << 6) | uint32_t(value < 0 ? 0 : value);
        if (++inGroup == 4) {
            bytes.push_back(uint8_t(group >> 16));
            bytes.push_back(uint8_t(group >> 8));
            bytes.push_back(uint8_t(group));
            group = 0;
            inGroup = 0;
        }
    }
    padding = padding > 3 ? 3 : padding; // a group's "=" never removes bytes of the group before it
    if (inGroup > 0) {
        // An unpadded last group yields only the bytes its characters hold, not zero filler.
        group <<= 6 * (4 - inGroup);
        const int32_t held = inGroup * 6 / 8;
        const uint8_t last[3] = {uint8_t(group >> 16), uint8_t(group >> 8), uint8_t(group)};
        bytes.insert(bytes.end(), last, last + held);
        padding = padding > held ? held : padding;
    }
    bytes.resize(bytes.size() - size_t(padding > int32_t(bytes.size()) ? int32_t(bytes.size()) : padding));
    return bytes;
}

// --- Length-prefixed tokens ----------------------------------------------------

void BXString::AppendToken(const BXChar* text, int32_t count)
{
    if (text == nullptr) {
        count = 0;
    } else if (count < 0) {
        count = int32_t(std::char_traits<BXChar>::length(text));
    }
    const BXString piece(text, count); // text may point into this buffer
    BXChar digits[24];
    const int32_t digitCount = AppendDecimal(digits, uint64_t(count));
    const int32_t length = GetLength();
    const int64_t required = int64_t(length) + count + digitCount + 3;
    const int64_t room = (required / kTokenGrowth + 1) * kTokenGrowth;
    if (room > INT32_MAX / 2) {
        throw std::bad_alloc();
    }
    BXChar* out = GetBuffer(int32_t(room));
    int32_t at = length;
    out[at++] = u'(';
    std::char_traits<BXChar>::copy(out + at, digits, size_t(digitCount));
    at += digitCount;
    out[at++] = u':';
    if (count > 0) {
        std::char_traits<BXChar>::copy(out + at, piece.GetString(), size_t(count));
    }
    at += count;
    out[at++] = u')';
    ReleaseBuffer(at);
}

bool BXString::ReadToken(int32_t& position, BXString& out) const
{
    const int32_t length = GetLength();
    int32_t at = position;
    if (at < 0 || at >= length || m_chars[at] != u'(') {
        out.Empty();
        return false;
    }
    ++at;
    int64_t count = 0;
    const int32_t digitsStart = at;
    while (at < length && m_chars[at] >= u'0' && m_chars[at] <= u'9') {
        // A count larger than the text cannot fit; stop growing it before it can overflow.
        if (count <= length) {
            count = count * 10 + (m_chars[at] - u'0');
        }
        ++at;
    }
    if (at == digitsStart || at >= length || m_chars[at] != u':') {
        out.Empty();
        return false;
    }
    const int64_t textStart = int64_t(at) + 1;
    const int64_t close = textStart + count;
    if (close >= length || m_chars[close] != u')') {
        out.Empty();
        return false;
    }
    out = Mid(int32_t(textStart), int32_t(count));
    position = int32_t(close) + 1;
    return true;
}

bool BXString::ReadToken(int32_t& position, int32_t& outValue) const
{
    BXString text;
    if (!ReadToken(position, text)) {
        outValue = 0;
        return false;
    }
    outValue = text.ToInt();
    return true;
}

bool BXString::IsToken() const
{
    return BXTextConvert::IsToken(m_chars);
}

// --- GUID text -----------------------------------------------------------------

BXString BXString::NewGuidString()
{
    uint8_t bytes[16] = {};
#if defined(_WIN32)
    GUID guid{};
    if (FAILED(CoCreateGuid(&guid))) {
        return BXString();
    }
    // Data1..Data3 are numbers: their text is big-endian whatever the memory order.
    const uint32_t d1 = guid.Data1;
    bytes[0] = uint8_t(d1 >> 24);
    bytes[1] = uint8_t(d1 >> 16);
    bytes[2] = uint8_t(d1 >> 8);
    bytes[3] = uint8_t(d1);
    bytes[4] = uint8_t(guid.Data2 >> 8);
    bytes[5] = uint8_t(guid.Data2);
    bytes[6] = uint8_t(guid.Data3 >> 8);
    bytes[7] = uint8_t(guid.Data3);
    for (int i = 0; i < 8; ++i) {
        bytes[8 + i] = guid.Data4[i];
    }
#else
    std::random_device source;
    for (int i = 0; i < 16; i += 4) {
        const uint32_t value = source();
        for (int k = 0; k < 4; ++k) {
            bytes[i + k] = uint8_t(value >> (8 * k));
        }
    }
    bytes[6] = uint8_t((bytes[6] & 0x0F) | 0x40); // version 4: random
    bytes[8] = uint8_t((bytes[8] & 0x3F) | 0x80); // the standard variant
#endif
    BXChar text[38];
    int32_t at = 0;
    text[at++] = u'{';
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            text[at++] = u'-';
        }
        text[at++] = BXChar(u"0123456789ABCDEF"[bytes[i] >> 4]);
        text[at++] = BXChar(u"0123456789ABCDEF"[bytes[i] & 0xF]);
    }
    text[at++] = u'}';
    return BXString(text, at);
}
