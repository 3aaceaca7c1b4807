#include "BXLibrary.h"

#include "IBXTools.h"

bool BXLoadLibrary(BXLibrary& holder, const BXString& path, uint32_t flags)
{
    holder.Reset();
    if (path.IsEmpty())
        return false;
    holder.Reset(::LoadLibraryExW(path.W(), nullptr, flags & ~kBXLoadLibraryTraceFailure));
    if (holder.IsLoaded())
        return true;
    const int32_t error = int32_t(::GetLastError());
    if ((flags & kBXLoadLibraryTraceFailure) != 0) {
        IBXToolsDLL* tools = BXGetTools();
        if (IBXLog* log = tools != nullptr ? tools->GetLog() : nullptr)
            log->Write(IBXLog::kError, u"BXLoadLibrary",
                       BXString::Formatted(u"Loading %s failed, error: %d", path, error).GetString());
    }
    return false;
}

FARPROC BXGetProcedure(const BXLibrary& holder, const BXString& name)
{
    if (!holder.IsLoaded())
        return nullptr;
    return ::GetProcAddress(holder.Get(), name.ToAnsi().Get());
}
