// BXStringArray::Split with outside text and delimiter, both trim modes. Without trimming the pieces joined
// by the delimiter give the text back (less one trailing delimiter); with trimming no piece keeps white
// space next to a delimiter. Input: byte 0 picks the delimiter length (0-7 units), the rest is UTF-16.
#include "BXStringArray.h"
#include "BXStringGlobals.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) {
        return 0;
    }
    std::vector<BXChar> units((size - 1) / 2);
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = BXChar(data[1 + 2 * i] | (data[2 + 2 * i] << 8));
    }
    int32_t delimiterLength = data[0] % 8;
    if (delimiterLength > int32_t(units.size())) {
        delimiterLength = int32_t(units.size());
    }
    const BXString delimiter(units.data(), delimiterLength);
    const BXString text(units.data() + delimiterLength, int32_t(units.size()) - delimiterLength);

    BXStringArray pieces;
    pieces.Split(text, delimiter, false);
    const BXString joined = pieces.Join(delimiter);
    const int32_t rest = text.GetLength() - joined.GetLength();
    if (text.View().substr(0, size_t(joined.GetLength())) != joined.View()) {
        std::abort();
    }
    if (rest != 0 &&
        (rest != delimiter.GetLength() || text.View().substr(size_t(joined.GetLength())) != delimiter.View())) {
        std::abort();
    }

    pieces.Split(text, delimiter, true);
    const BXStringGlobals& globals = BXStringGlobals::Get();
    for (int i = 0; i < pieces.GetCount(); ++i) {
        const BXString& piece = pieces[i];
        if (piece.IsEmpty()) {
            continue;
        }
        if (i > 0 && globals.IsSpace(piece.GetAt(0))) {
            std::abort();
        }
        if (i + 1 < pieces.GetCount() && globals.IsSpace(piece.GetAt(piece.GetLength() - 1))) {
            std::abort();
        }
    }
    return 0;
}
