// Path text rules on typed or stored paths of any shape: repair, trailing
// backslashes, splitting and counting up never crash and keep their promises.
// Input: the bytes, read as text one byte per unit.
#include "BXPathComponents.h"
#include "BXPathText.h"
#include "BXVersion64.h"

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

    BXString valid(text);
    MakeValidPath(valid);
    for (int32_t i = 0; i < valid.GetLength(); ++i) {
        const BXChar c = valid[i];
        const bool driveColon = i == 1 || (i == 5 && HasLongPathPrefix(valid));
        if (c < 32 || (c == u':' && !driveColon) || c == u'*' || c == u'<' || c == u'>' || c == u'|' || c == u'"' ||
            c == u'/' || (c == u'?' && !(i == 2 && HasLongPathPrefix(valid)))) {
            std::abort();
        }
    }
    BXString again(valid);
    MakeValidPath(again);

    BXString folder(text);
    EnsureTrailingBackslash(folder);
    if (!text.IsEmpty() && !folder.HasTrailingBackslash()) {
        std::abort();
    }
    if (folder.GetLength() > 2 && folder.EndsWith(u"\\\\") == 0) {
        std::abort();
    }

    const BXPathParts parts = SplitPath(text);
    (void)JoinPath(parts.m_drive + parts.m_folder, parts.m_name);
    (void)WithLongPathPrefix(text);
    (void)IsAbsolutePath(text);
    (void)ParseVersion64(text);
    if (CountUpFileName(text) == text) {
        std::abort();
    }
    return 0;
}
