#include "BXFormatSize.h"

BXString FormatSize(int64_t bytes)
{
    // Unsigned so that the most negative count has a magnitude too.
    const uint64_t magnitude = bytes < 0 ? uint64_t(0) - uint64_t(bytes) : uint64_t(bytes);
    const BXChar* sign = bytes < 0 ? u"-" : u"";
    if (magnitude < 1024) {
        return BXString::Formatted(u"%s%d bytes", sign, int64_t(magnitude));
    }
    static constexpr const BXChar* kUnits[] = {u"KB", u"MB", u"GB", u"TB", u"PB"};
    int32_t unit = 0;
    while (unit + 1 < 5 && magnitude >= (uint64_t(1) << (10 * (unit + 2)))) {
        ++unit;
    }
    const double value = double(magnitude) / double(uint64_t(1) << (10 * (unit + 1)));
    return BXString::Formatted(value >= 100 ? u"%s%.0f %s" : u"%s%.1f %s", sign, value, kUnits[unit]);
}
