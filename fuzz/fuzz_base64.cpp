// Base64 decoding of outside text (garbage, stray padding, line breaks), and the encode/decode round
// trip of outside bytes. Input: the bytes, also read as text one byte per unit.
#include "BXString.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BXChar> units(size);
    for (size_t i = 0; i < size; ++i) {
        units[i] = BXChar(data[i]);
    }
    const BXString text(units.data(), int32_t(units.size()));
    const std::vector<uint8_t> decoded = text.Base64Decode();
    if (decoded.size() > size / 4 * 3 + 3) {
        std::abort();
    }

    const BXString encoded = BXString::Base64Encode(data, int32_t(size));
    const std::vector<uint8_t> roundTrip = encoded.Base64Decode();
    if (roundTrip != std::vector<uint8_t>(data, data + size)) {
        std::abort();
    }
    return 0;
}
