// Integer scaling for pixel lengths: a * b / c rounded half away from zero, computed in 64 bits so
// that pixel widths times range positions cannot overflow. A zero divisor gives 0.
#pragma once

#include <cstdint>

inline int32_t BXMulDivRounded(int64_t a, int64_t b, int64_t c)
{
    if (c == 0) {
        return 0;
    }
    int64_t numerator = a * b;
    const bool negative = (numerator < 0) != (c < 0);
    if (numerator < 0) {
        numerator = -numerator;
    }
    if (c < 0) {
        c = -c;
    }
    const int64_t magnitude = (2 * numerator + c) / (2 * c);
    return int32_t(negative ? -magnitude : magnitude);
}
