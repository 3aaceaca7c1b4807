// Number parsing of outside text: ToDouble (with its consumed count), ToInt and FromHex. Input: UTF-16
// text; overlong digit runs, nested exponents and odd signs must give a defined result.
#include "BXString.h"
#include "BXTextConvert.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BXChar> units(size / 2 + 1, 0);
    for (size_t i = 0; i + 1 < units.size(); ++i) {
        units[i] = BXChar(data[2 * i] | (data[2 * i + 1] << 8));
    }
    const BXString text(units.data());
    int32_t consumed = -1;
    (void)text.ToDouble(&consumed);
    if (consumed < 0 || consumed > text.GetLength()) {
        std::abort();
    }
    const int32_t value = text.ToInt();
    if (value == INT32_MIN) {
        std::abort(); // saturation stops at -2147483647
    }
    (void)text.FromHex();
    (void)BXTextConvert::IsToken(text.GetString());
    return 0;
}
