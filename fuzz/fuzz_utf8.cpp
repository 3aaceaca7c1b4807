// UTF-8 decoding of outside bytes (truncated, overlong and invalid sequences), then re-encoding:
// what the decoder produced must encode and decode back to the same units.
// Input: the bytes; byte 0 also picks whether the decoder gets the byte count or runs to a 0 byte.
#include "BXString.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<char> bytes(data, data + size);
    bytes.push_back(0);
    const bool counted = size > 0 && (data[0] & 1) != 0;
    const BXString decoded = BXString::FromUtf8(bytes.data(), counted ? int32_t(size) : -1);
    if (size_t(decoded.GetLength()) > size) {
        std::abort();
    }
    const BXTextHolder<char> encoded = decoded.ToUtf8();
    if (BXString::FromUtf8(encoded.Get(), encoded.GetLength()) != decoded) {
        std::abort();
    }

    std::vector<BXChar> units(size / 2);
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = BXChar(data[2 * i] | (data[2 * i + 1] << 8));
    }
    BXString marked;
    marked.AssignWithBOM(units.data(), int32_t(units.size()), true);
    if (marked.GetLength() > int32_t(units.size())) {
        std::abort();
    }
    return 0;
}
