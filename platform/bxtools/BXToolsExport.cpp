// The one export of BXTools.dll.
#include "BXToolsDLL.h"

extern "C" __declspec(dllexport) IBXToolsDLL* GetBXToolsDLL(int32_t interfaceVersion)
{
    if (interfaceVersion != kBXToolsInterfaceVersion)
        return nullptr;
    // Lives until the DLL is unloaded; the loader uninitialises it first.
    static BXToolsDLL tools;
    return &tools;
}
