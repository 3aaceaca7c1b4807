// BXString::ReadToken and IsToken on outside text, and the AppendToken/ReadToken round trip.
// Input: UTF-16 text. Every token read must lie inside the text, and an appended token must read
// back exactly.
#include "BXString.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BXChar> units(size / 2);
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = BXChar(data[2 * i] | (data[2 * i + 1] << 8));
    }
    const BXString text(units.data(), int32_t(units.size()));
    (void)text.IsToken();

    // Read from every start position.
    for (int32_t start = -1; start <= text.GetLength() + 1; ++start) {
        int32_t position = start;
        BXString out;
        if (text.ReadToken(position, out)) {
            if (position <= start || position > text.GetLength() || out.GetLength() > position - start) {
                std::abort();
            }
        } else if (position != start || !out.IsEmpty()) {
            std::abort();
        }
        int32_t value = 0;
        position = start;
        (void)text.ReadToken(position, value);
    }

    BXString tokens(u"(1:x)");
    tokens.AppendToken(text);
    int32_t position = 0;
    BXString first;
    BXString second;
    if (!tokens.ReadToken(position, first) || !tokens.ReadToken(position, second) || second != text ||
        position != tokens.GetLength()) {
        std::abort();
    }
    return 0;
}
