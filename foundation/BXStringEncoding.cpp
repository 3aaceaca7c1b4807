// Byte-order marks, UTF-8 and ANSI conversions of BXString.
#include "BXString.h"

#include "BXStringGlobals.h"

#include <cstring>
#include <memory>
#include <new>
#include <ostream>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

bool IsContinuation(unsigned char b)
{
    return b >= 0x80 && b <= 0xBF;
}

// Decodes bytes[0, count) into out, which has room for count units, and returns the number of
// units written. Sequences that do not fit are taken byte by byte. The text ends at a 0 byte and
// also at an overlong sequence for 0, which would otherwise hide the rest from C string readers.
int32_t DecodeUtf8(const unsigned char* bytes, size_t count, BXChar* out)
{
    int32_t written = 0;
    size_t i = 0;
    while (i < count && bytes[i] != 0) {
        const unsigned char b0 = bytes[i];
        const size_t left = count - i;
        if (b0 >= 0xC0 && b0 <= 0xDF && left >= 2 && IsContinuation(bytes[i + 1])) {
            const BXChar unit = BXChar(((b0 & 0x1F) << 6) | (bytes[i + 1] & 0x3F));
            if (unit == 0) {
                break;
            }
            out[written++] = unit;
            i += 2;
            continue;
        }
        if (b0 >= 0xF0 && b0 <= 0xF4 && left >= 4 && IsContinuation(bytes[i + 1]) && IsContinuation(bytes[i + 2]) &&
            IsContinuation(bytes[i + 3])) {
            // Characters beyond the 16-bit range become a surrogate pair rather than a mangled unit.
            const uint32_t code = (uint32_t(b0 & 0x07) << 18) | (uint32_t(bytes[i + 1] & 0x3F) << 12) |
                                  (uint32_t(bytes[i + 2] & 0x3F) << 6) | uint32_t(bytes[i + 3] & 0x3F);
            if (code >= 0x10000 && code <= 0x10FFFF) {
                out[written++] = BXChar(0xD800 + ((code - 0x10000) >> 10));
                out[written++] = BXChar(0xDC00 + ((code - 0x10000) & 0x3FF));
                i += 4;
                continue;
            }
        }
        if (b0 >= 0xE0 && left >= 3 && IsContinuation(bytes[i + 1]) && IsContinuation(bytes[i + 2])) {
            const BXChar unit = BXChar(((b0 & 0x0F) << 12) | ((bytes[i + 1] & 0x3F) << 6) | (bytes[i + 2] & 0x3F));
            if (unit == 0) {
                break;
            }
            out[written++] = unit;
            i += 3;
            continue;
        }
        out[written++] = BXChar(b0);
        ++i;
    }
    return written;
}

int32_t CheckedLength(size_t length)
{
    if (length >= size_t(INT32_MAX)) {
        throw std::bad_alloc();
    }
    return int32_t(length);
}

#if !defined(_WIN32)
// Windows-1252 stands in for the ANSI code page outside Windows; 0 marks the five unassigned bytes.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

BXChar AnsiToUnit(unsigned char b)
{
    if (b >= 0x80 && b < 0xA0) {
        // Unassigned bytes map to the C1 control of the same value, as Windows does.
        return kCp1252High[b - 0x80] != 0 ? BXChar(kCp1252High[b - 0x80]) : BXChar(b);
    }
    return BXChar(b);
}

char UnitToAnsi(BXChar c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return char(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == c || (kCp1252High[i] == 0 && c == 0x80 + i)) {
            return char(0x80 + i);
        }
    }
    return '?';
}
#endif

} // namespace

void BXString::AssignWithBOM(const BXChar* text, int32_t length, bool honourBOM)
{
    if (text == nullptr) {
        Empty();
        return;
    }
    if (length < 0) {
        length = CheckedLength(std::char_traits<BXChar>::length(text));
    }
    if (!honourBOM || length == 0 || (text[0] != 0xFFFE && text[0] != 0xFEFF)) {
        Assign(text, length);
        return;
    }
    const bool swap = text[0] == 0xFFFE;
    Assign(text + 1, length - 1);
    if (swap && !IsEmpty()) {
        BXChar* buffer = GetBuffer();
        for (int32_t i = 0; i < length - 1; ++i) {
            buffer[i] = BXChar((buffer[i] >> 8) | (buffer[i] << 8));
        }
        ReleaseBuffer(length - 1);
    }
}

void BXString::AssignWithBOM(const char32_t* text, int32_t length, bool honourBOM)
{
    if (text == nullptr) {
        Empty();
        return;
    }
    if (length < 0) {
        length = CheckedLength(std::char_traits<char32_t>::length(text));
    }
    BXString narrowed;
    BXChar* buffer = narrowed.GetBuffer(length, true, false);
    for (int32_t i = 0; i < length; ++i) {
        buffer[i] = BXChar(text[i]);
    }
    narrowed.ReleaseBuffer(length);
    AssignWithBOM(narrowed.GetString(), narrowed.GetLength(), honourBOM);
}

void BXString::AssignUtf8(const char* bytes, int32_t byteCount)
{
    if (bytes == nullptr || byteCount == 0) {
        Empty();
        return;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    const size_t count = byteCount < 0 ? std::strlen(bytes) : size_t(byteCount);
    BXString decoded;
    BXChar* buffer = decoded.GetBuffer(CheckedLength(count), true, false);
    const int32_t written = DecodeUtf8(data, count, buffer);
    decoded.ReleaseBuffer(written);
    *this = decoded;
}

BXString BXString::FromUtf8(const char* bytes, int32_t byteCount)
{
    BXString result;
    result.AssignUtf8(bytes, byteCount);
    return result;
}

BXString BXString::FromNarrow(const char* bytes)
{
    BXString result;
    Release(result.m_chars);
    result.m_chars = BXStringGlobals::Get().FromNarrow(bytes);
    return result;
}

BXString BXString::FromAnsi(const char* text, int32_t byteCount)
{
    BXString result;
    if (text == nullptr || byteCount == 0) {
        return result;
    }
    const size_t count = byteCount < 0 ? std::strlen(text) : size_t(byteCount);
    if (count == 0) {
        return result;
    }
#if defined(_WIN32)
    const int units = MultiByteToWideChar(CP_ACP, 0, text, CheckedLength(count), nullptr, 0);
    if (units <= 0) {
        return result;
    }
    BXChar* buffer = result.GetBuffer(units, true, false);
    const int written = MultiByteToWideChar(CP_ACP, 0, text, int(count), BXWide(buffer), units);
    result.ReleaseBuffer(written > 0 ? written : 0);
#else
    BXChar* buffer = result.GetBuffer(CheckedLength(count), true, false);
    for (size_t i = 0; i < count; ++i) {
        buffer[i] = AnsiToUnit(static_cast<unsigned char>(text[i]));
    }
    result.ReleaseBuffer(int32_t(count));
#endif
    return result;
}

BXTextHolder<char> BXString::ToAnsi() const
{
    const int32_t length = GetLength();
    if (length == 0) {
        return BXTextHolder<char>();
    }
#if defined(_WIN32)
    const int bytes = WideCharToMultiByte(CP_ACP, 0, BXWide(*this), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return BXTextHolder<char>();
    }
    auto owned = std::make_unique<char[]>(size_t(bytes) + 1);
    const int written = WideCharToMultiByte(CP_ACP, 0, BXWide(*this), length, owned.get(), bytes, nullptr, nullptr);
    const int32_t used = written > 0 ? written : 0;
    owned[size_t(used)] = 0;
    return BXTextHolder<char>(std::move(owned), used);
#else
    auto owned = std::make_unique<char[]>(size_t(length) + 1);
    for (int32_t i = 0; i < length; ++i) {
        owned[size_t(i)] = UnitToAnsi(m_chars[i]);
    }
    owned[size_t(length)] = 0;
    return BXTextHolder<char>(std::move(owned), length);
#endif
}

BXTextHolder<char> BXString::ToUtf8() const
{
    const int32_t length = GetLength();
    if (length == 0) {
        return BXTextHolder<char>();
    }
    auto isHigh = [](BXChar c) { return c >= 0xD800 && c <= 0xDBFF; };
    auto isLow = [](BXChar c) { return c >= 0xDC00 && c <= 0xDFFF; };
    size_t bytes = 0;
    for (int32_t i = 0; i < length; ++i) {
        const BXChar c = m_chars[i];
        if (isHigh(c) && i + 1 < length && isLow(m_chars[i + 1])) {
            bytes += 4;
            ++i;
        } else {
            bytes += c < 0x80 ? 1 : (c < 0x800 ? 2 : 3);
        }
    }
    auto owned = std::make_unique<char[]>(bytes + 1);
    auto* out = reinterpret_cast<unsigned char*>(owned.get());
    for (int32_t i = 0; i < length; ++i) {
        const BXChar c = m_chars[i];
        if (isHigh(c) && i + 1 < length && isLow(m_chars[i + 1])) {
            // A pair is one character: four bytes, so other programs read valid UTF-8.
            const uint32_t code = 0x10000 + ((uint32_t(c) - 0xD800) << 10) + (uint32_t(m_chars[i + 1]) - 0xDC00);
            *out++ = static_cast<unsigned char>(0xF0 | (code >> 18));
            *out++ = static_cast<unsigned char>(0x80 | ((code >> 12) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | ((code >> 6) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (code & 0x3F));
            ++i;
        } else if (c < 0x80) {
            *out++ = static_cast<unsigned char>(c);
        } else if (c < 0x800) {
            *out++ = static_cast<unsigned char>(0xC0 | (c >> 6));
            *out++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        } else {
            *out++ = static_cast<unsigned char>(0xE0 | (c >> 12));
            *out++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
            *out++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
        }
    }
    *out = 0;
    return BXTextHolder<char>(std::move(owned), CheckedLength(bytes));
}

BXTextHolder<BXChar> BXString::ToWideCopy() const
{
    const int32_t length = GetLength();
    if (length == 0) {
        return BXTextHolder<BXChar>();
    }
    auto owned = std::make_unique<BXChar[]>(size_t(length) + 1);
    std::memcpy(owned.get(), m_chars, sizeof(BXChar) * (size_t(length) + 1));
    return BXTextHolder<BXChar>(std::move(owned), length);
}

void PrintTo(const BXString& text, std::ostream* out)
{
    *out << "u\"" << text.ToUtf8().Get() << "\" (length " << text.GetLength() << ")";
}
