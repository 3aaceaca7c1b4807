// Format of BXString: "%", optional space flag, width, "." precision, size
// prefix ("l", "I64") and the conversion character. Arguments are typed, so a
// missing or mistyped one formats as nothing instead of reading garbage.
#include "BXString.h"

#include <cstdio>
#include <string>

namespace {

using FormatArg = BXString::FormatArg;

// A number is rendered into at most this many units; a longer rendering ends in "?".
constexpr int32_t kMaxNumber = 31;
// Digits of width and precision beyond this cannot change a capped rendering.
constexpr int32_t kMaxField = 0x7fffff;

struct FormatField {
    bool m_space = false;
    int32_t m_width = -1;
    int32_t m_precision = -1;
};

bool IsDigit(BXChar c)
{
    return c >= u'0' && c <= u'9';
}

int32_t ReadField(const BXChar*& p)
{
    int32_t value = 0;
    for (; IsDigit(*p); ++p) {
        value = value >= kMaxField ? kMaxField : value * 10 + (*p - u'0');
    }
    return value;
}

void AppendCapped(BXString& out, const BXChar* text, int32_t length)
{
    if (length > kMaxNumber) {
        out.Append(text, kMaxNumber - 1);
        out.Append(u'?');
    } else {
        out.Append(text, length);
    }
}

// The digits of magnitude, padded to the minimum count, then capped.
void AppendNumber(BXString& out, bool negative, uint64_t magnitude, int32_t base, bool upper, int32_t minDigits,
                  bool spacePad, const BXChar* prefix)
{
    BXChar digits[24];
    int32_t count = 0;
    const char* alphabet = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    do {
        digits[count++] = BXChar(alphabet[magnitude % uint64_t(base)]);
        magnitude /= uint64_t(base);
    } while (magnitude != 0);

    // Only the first kMaxNumber + 1 units can show, so padding beyond that is never built.
    BXChar text[kMaxNumber + 8];
    int32_t length = 0;
    auto put = [&](BXChar c) {
        if (length < kMaxNumber + 1) {
            text[length++] = c;
        }
    };
    const int32_t padding = minDigits > count ? minDigits - count : 0;
    if (spacePad) {
        // Spaces go before the sign, so the sign stays next to its digits.
        for (int32_t i = 0; i < padding && length <= kMaxNumber; ++i) {
            put(u' ');
        }
    }
    if (negative) {
        put(u'-');
    }
    for (const BXChar* p = prefix; p != nullptr && *p != 0; ++p) {
        put(*p);
    }
    if (!spacePad) {
        for (int32_t i = 0; i < padding && length <= kMaxNumber; ++i) {
            put(u'0');
        }
    }
    while (count > 0) {
        put(digits[--count]);
    }
    AppendCapped(out, text, length);
}

uint64_t UnsignedOf(const FormatArg& arg)
{
    const int32_t bytes = arg.m_integerBytes;
    if (bytes > 0 && bytes < 8) {
        return uint64_t(arg.m_integer) & ((uint64_t(1) << (bytes * 8)) - 1);
    }
    return uint64_t(arg.m_integer);
}

// Rounding is the C runtime's "%.*f" (ordinary double arithmetic); the default precision is 6.
void AppendDouble(BXString& out, double value, const FormatField& field)
{
    const int precision = field.m_precision < 0 ? 6 : (field.m_precision > 40 ? 40 : field.m_precision);
    char rendered[512];
    int written = std::snprintf(rendered, sizeof(rendered), "%.*f", precision, value);
    if (written < 0) {
        return;
    }
    if (written >= int(sizeof(rendered))) {
        written = int(sizeof(rendered)) - 1;
    }
    const bool negative = rendered[0] == '-';
    const char* body = negative ? rendered + 1 : rendered;
    const int32_t bodyLength = int32_t(written) - (negative ? 1 : 0);
    BXChar text[kMaxNumber + 8];
    int32_t length = 0;
    auto put = [&](BXChar c) {
        if (length < kMaxNumber + 1) {
            text[length++] = c;
        }
    };
    const int32_t padding = field.m_width > bodyLength ? field.m_width - bodyLength : 0;
    for (int32_t i = 0; field.m_space && i < padding && length <= kMaxNumber; ++i) {
        put(u' ');
    }
    if (negative) {
        put(u'-');
    }
    for (int32_t i = 0; !field.m_space && i < padding && length <= kMaxNumber; ++i) {
        put(u'0');
    }
    for (int32_t i = 0; i < bodyLength && length <= kMaxNumber; ++i) {
        put(BXChar(static_cast<unsigned char>(body[i])));
    }
    AppendCapped(out, text, length);
}

void AppendText(BXString& out, const FormatArg& arg, const FormatField& field)
{
    BXString decoded;
    const BXChar* chars = nullptr;
    int32_t length = 0;
    switch (arg.m_type) {
    case FormatArg::kUtf8:
        if (arg.m_utf8 != nullptr) {
            decoded = BXString::FromUtf8(arg.m_utf8);
            chars = decoded.GetString();
            length = decoded.GetLength();
        }
        break;
    case FormatArg::kWide:
        if (arg.m_wide != nullptr) {
            chars = arg.m_wide;
            length = int32_t(std::char_traits<BXChar>::length(chars));
        }
        break;
    case FormatArg::kString:
        if (arg.m_string != nullptr) {
            chars = arg.m_string->GetString();
            length = arg.m_string->GetLength();
        }
        break;
    default:
        return;
    }
    if (chars == nullptr) {
        chars = u"(null)";
        length = 6;
    }
    if (field.m_width >= 0 && field.m_width < length) {
        length = field.m_width;
    }
    out.Append(chars, length);
}

} // namespace

void BXString::Format(const BXChar* format, const FormatArg* args, int32_t count)
{
    if (format == nullptr) {
        Empty();
        return;
    }
    if (args == nullptr) {
        AssignWithBOM(format, -1, false);
        return;
    }
    BXString out;
    int32_t next = 0;
    auto take = [&](int32_t type) -> const FormatArg* {
        if (next >= count) {
            return nullptr;
        }
        const FormatArg* arg = &args[next++];
        return arg->m_type == type ? arg : nullptr;
    };
    const BXChar* p = format;
    while (*p != 0) {
        if (*p != u'%') {
            const BXChar* run = p;
            while (*p != 0 && *p != u'%') {
                ++p;
            }
            out.Append(run, int32_t(p - run));
            continue;
        }
        ++p;
        FormatField field;
        if (*p == u' ') {
            field.m_space = true;
            ++p;
        }
        if (IsDigit(*p)) {
            field.m_width = ReadField(p);
        }
        if (*p == u'.') {
            ++p;
            field.m_precision = ReadField(p);
        }
        if (*p == u'l' && p[1] != 0 && std::char_traits<BXChar>::find(u"diuxXs", 6, p[1]) != nullptr) {
            ++p;
        } else if (p[0] == u'I' && p[1] == u'6' && p[2] == u'4' && p[3] != 0 &&
                   std::char_traits<BXChar>::find(u"diuxX", 5, p[3]) != nullptr) {
            p += 3;
        }
        const BXChar conversion = *p;
        if (conversion == 0) {
            break;
        }
        ++p;
        const int32_t minDigits = field.m_width >= 0 ? field.m_width : (field.m_precision >= 0 ? field.m_precision : 0);
        switch (conversion) {
        // "%%" and unknown conversions take no argument; every other conversion consumes one.
        case u'%':
            out.Append(u'%');
            break;
        case u'c':
            if (const FormatArg* arg = take(FormatArg::kInteger)) {
                if (arg->m_integer > 0 && arg->m_integer <= 0xFFFF) {
                    out.Append(BXChar(arg->m_integer));
                }
            }
            break;
        case u'd':
        case u'i':
            if (const FormatArg* arg = take(FormatArg::kInteger)) {
                const int64_t value = arg->m_integer;
                const uint64_t magnitude = value < 0 ? uint64_t(0) - uint64_t(value) : uint64_t(value);
                AppendNumber(out, value < 0, magnitude, 10, false, minDigits, field.m_space, nullptr);
            }
            break;
        case u'u':
            if (const FormatArg* arg = take(FormatArg::kInteger)) {
                AppendNumber(out, false, UnsignedOf(*arg), 10, false, minDigits, field.m_space, nullptr);
            }
            break;
        case u'x':
        case u'X':
            if (const FormatArg* arg = take(FormatArg::kInteger)) {
                AppendNumber(out, false, UnsignedOf(*arg), 16, conversion == u'X', minDigits, field.m_space, nullptr);
            }
            break;
        case u'p':
        case u'h':
            if (const FormatArg* arg = take(FormatArg::kInteger)) {
                const int32_t digits = field.m_width > 8 ? field.m_width : 8;
                AppendNumber(out, false, UnsignedOf(*arg), 16, true, digits, false,
                             conversion == u'h' ? u"0x" : nullptr);
            }
            break;
        case u'f':
            if (const FormatArg* arg = take(FormatArg::kDouble)) {
                AppendDouble(out, arg->m_double, field);
            }
            break;
        case u's':
            if (next < count) {
                AppendText(out, args[next++], field);
            }
            break;
        default:
            out.Append(conversion);
            break;
        }
    }
    *this = out;
}
