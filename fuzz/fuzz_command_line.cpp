// Any command line: split, join, split again and parse as options. A joined
// argument list must split back into the same arguments when no argument
// contains a backslash-quote sequence that joining cannot represent.
#include "CInstallOptions.h"
#include "CommandLine.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    BXString text;
    BXChar* units = text.GetBuffer(int32_t(size / 2));
    for (size_t i = 0; i + 1 < size; i += 2)
        units[i / 2] = BXChar(data[i] | (data[i + 1] << 8));
    text.ReleaseBuffer(int32_t(size / 2));

    const BXStringArray arguments = SplitCommandLine(text);
    const BXString joined = JoinCommandLine(arguments);
    CInstallOptions options;
    options.Parse(joined);
    options.Parse(text);

    bool representable = true;
    for (int i = 0; i < arguments.GetCount(); ++i) {
        const BXString& argument = arguments[i];
        // Backslashes before a quote or at the end of a quoted argument change meaning when joined.
        if (argument.Find(u'\\') >= 0 || argument.Find(u'\0') >= 0)
            representable = false;
    }
    if (representable) {
        const BXStringArray again = SplitCommandLine(joined);
        if (again.GetCount() != arguments.GetCount())
            std::abort();
        for (int i = 0; i < again.GetCount(); ++i) {
            if (!(again[i] == arguments[i]))
                std::abort();
        }
    }
    return 0;
}
