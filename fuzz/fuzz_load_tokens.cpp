// Property-map token text from outside: loading must stay inside the text for any input, and whatever
// loads must save and load back to an equal map. The input bytes are UTF-16 units, little-endian; the
// first unit also picks a start position, which may lie anywhere.
#include "BXPropertyMap.h"

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

    BXPropertyMap map;
    if (!units.empty()) {
        int32_t position = int16_t(units[0]);
        map.LoadTokens(text, position);
    }
    int32_t position = 0;
    map.LoadTokens(text, position);
    if (position < 0 || position > text.GetLength()) {
        std::abort();
    }

    BXString saved;
    map.SaveTokens(saved);
    BXPropertyMap reloaded;
    if (!reloaded.LoadTokens(saved) || !reloaded.IsEqual(map)) {
        std::abort();
    }
    BXString dump;
    map.Dump(dump, BXString(u"<"), BXString(u">"));
    return 0;
}
