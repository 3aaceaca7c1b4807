// Case-insensitive string hash: h = h * 65599 + lower(c) over the units up to the first 0 unit (where the
// case-insensitive comparison stops too), folded through the string tables; 32 and 64 bits.
#pragma once

#include "BXString.h"

#include <cstdint>

class BXStringHashBase {
public:
    static constexpr std::uint32_t kMultiplier = 65599;

    // length -1: up to the terminator; otherwise at most length units.
    static std::uint32_t Hash32(const BXChar* text, int32_t length = -1);
    static std::uint64_t Hash64(const BXChar* text, int32_t length = -1);
    static std::uint32_t Hash32(const BXString& text) { return Hash32(text.GetString(), text.GetLength()); }
    static std::uint64_t Hash64(const BXString& text) { return Hash64(text.GetString(), text.GetLength()); }
};
