// BXString::Format with an outside format and outside typed arguments, some of them missing, mistyped
// or null. Input: byte 0 = argument count (0-7), then per argument a type byte and 8 value bytes, then
// the format as UTF-16. Checks that the output never grows beyond what the format and arguments allow.
#include "BXString.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) {
        return 0;
    }
    size_t at = 1;
    const size_t wanted = data[0] % 8;
    const BXString sample(u"sample string argument");
    const char* utf8 = "utf-8 \xC3\xA9 \xF0\x9F\x98\x80 \xFF";
    std::vector<BXString::FormatArg> args;
    for (size_t i = 0; i < wanted && at + 9 <= size; ++i, at += 9) {
        BXString::FormatArg arg{};
        arg.m_type = data[at] % 7;
        arg.m_integerBytes = int32_t(data[at] >> 4) % 9;
        uint64_t raw = 0;
        std::memcpy(&raw, data + at + 1, 8);
        switch (arg.m_type) {
        case BXString::FormatArg::kUtf8:
            arg.m_utf8 = (raw & 1) ? utf8 : nullptr;
            break;
        case BXString::FormatArg::kWide:
            arg.m_wide = (raw & 1) ? sample.GetString() : nullptr;
            break;
        case BXString::FormatArg::kString:
            arg.m_string = (raw & 1) ? &sample : nullptr;
            break;
        case BXString::FormatArg::kDouble:
            std::memcpy(&arg.m_double, &raw, 8);
            break;
        default:
            arg.m_integer = int64_t(raw);
            break;
        }
        args.push_back(arg);
    }
    std::vector<BXChar> format((size - at) / 2 + 1, 0);
    for (size_t i = 0; i + 1 < format.size(); ++i) {
        format[i] = BXChar(data[at + 2 * i] | (data[at + 2 * i + 1] << 8));
    }

    BXString out;
    out.Format(format.data(), args.data(), int32_t(args.size()));
    // Each format unit yields at most one argument's text or one capped number.
    const size_t limit = (format.size() + 1) * (32 + size_t(sample.GetLength()) + std::strlen(utf8));
    if (size_t(out.GetLength()) > limit) {
        std::abort();
    }
    BXString bare;
    bare.Format(format.data(), static_cast<const BXString::FormatArg*>(nullptr), 0);
    if (bare != BXString(format.data())) {
        std::abort();
    }
    return 0;
}
