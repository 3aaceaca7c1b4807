#include "BXOptionalFunctions.h"

namespace {

// Loaded from the system folder only, and never freed: the tables point into it.
HMODULE SystemModule(const wchar_t* name)
{
    if (HMODULE loaded = ::GetModuleHandleW(name))
        return loaded;
    return ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

template <typename Function> void Resolve(HMODULE module, Function& slot, const char* name)
{
    slot = module != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)))
                             : nullptr;
}

#define BX_RESOLVE(table, module, function) Resolve(module, table.function, #function)

BXUser32Functions LoadUser32()
{
    BXUser32Functions table;
    const HMODULE module = SystemModule(L"user32.dll");
    BX_RESOLVE(table, module, GetRawInputData);
    BX_RESOLVE(table, module, GetRawInputDeviceList);
    BX_RESOLVE(table, module, GetRawInputDeviceInfoW);
    BX_RESOLVE(table, module, RegisterRawInputDevices);
    BX_RESOLVE(table, module, ShutdownBlockReasonCreate);
    BX_RESOLVE(table, module, ChangeWindowMessageFilter);
    BX_RESOLVE(table, module, ChangeWindowMessageFilterEx);
    BX_RESOLVE(table, module, GetPhysicalCursorPos);
    BX_RESOLVE(table, module, RegisterTouchWindow);
    BX_RESOLVE(table, module, GetTouchInputInfo);
    BX_RESOLVE(table, module, CloseTouchInputHandle);
    BX_RESOLVE(table, module, GetGestureInfo);
    BX_RESOLVE(table, module, SetProcessDPIAware);
    return table;
}

BXKernel32Functions LoadKernel32()
{
    BXKernel32Functions table;
    const HMODULE module = SystemModule(L"kernel32.dll");
    BX_RESOLVE(table, module, GetVolumeNameForVolumeMountPointW);
    BX_RESOLVE(table, module, CreateNamedPipeW);
    BX_RESOLVE(table, module, Wow64EnableWow64FsRedirection);
    BX_RESOLVE(table, module, IsWow64Process);
    BX_RESOLVE(table, module, GetProcessHandleCount);
    BX_RESOLVE(table, module, GetLargePageMinimum);
    BX_RESOLVE(table, module, GetProcessDEPPolicy);
    BX_RESOLVE(table, module, SetProcessDEPPolicy);
    BX_RESOLVE(table, module, CancelSynchronousIo);
    return table;
}

BXSetupApiFunctions LoadSetupApi()
{
    BXSetupApiFunctions table;
    const HMODULE module = SystemModule(L"setupapi.dll");
    BX_RESOLVE(table, module, SetupDiGetClassDevsW);
    BX_RESOLVE(table, module, SetupDiDestroyDeviceInfoList);
    BX_RESOLVE(table, module, SetupDiEnumDeviceInfo);
    BX_RESOLVE(table, module, SetupDiEnumDeviceInterfaces);
    BX_RESOLVE(table, module, SetupDiGetDeviceInterfaceDetailW);
    BX_RESOLVE(table, module, SetupDiGetDeviceRegistryPropertyW);
    BX_RESOLVE(table, module, SetupDiGetDeviceInterfaceAlias);
    BX_RESOLVE(table, module, SetupDiOpenDeviceInterfaceRegKey);
    BX_RESOLVE(table, module, CM_Request_Device_EjectW);
    BX_RESOLVE(table, module, CM_Get_Parent);
    BX_RESOLVE(table, module, CM_Get_Parent_Ex);
    BX_RESOLVE(table, module, CM_Get_Device_ID_Size);
    BX_RESOLVE(table, module, CM_Get_Device_IDW);
    BX_RESOLVE(table, module, CM_Open_DevNode_Key);
    return table;
}

#undef BX_RESOLVE

} // namespace

const BXUser32Functions& BXUser32()
{
    static const BXUser32Functions table = LoadUser32();
    return table;
}

const BXKernel32Functions& BXKernel32()
{
    static const BXKernel32Functions table = LoadKernel32();
    return table;
}

const BXSetupApiFunctions& BXSetupApi()
{
    static const BXSetupApiFunctions table = LoadSetupApi();
    return table;
}
