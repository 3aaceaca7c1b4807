#include "InstallerPaths.h"

#include "BXWindows.h"

#include <vector>

BXString ModulePath()
{
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (length < buffer.size())
            return BXString(BXFromWide(buffer.data()), int32_t(length));
        buffer.resize(buffer.size() * 2);
    }
}

BXString ProgramFolder()
{
    BXString folder = ModulePath();
    if (!folder.StripFileName())
        folder.Empty();
    return folder;
}
