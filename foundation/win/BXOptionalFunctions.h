// System functions that older Windows versions lack, resolved by name the
// first time a table is asked for (thread-safe) and kept for the process's
// life. An entry is null when the system does not have the function; every
// caller checks before calling.
#pragma once

#include "BXWindows.h"

#include <cfgmgr32.h>
#include <setupapi.h>

struct BXUser32Functions {
    decltype(&::GetRawInputData) GetRawInputData = nullptr;
    decltype(&::GetRawInputDeviceList) GetRawInputDeviceList = nullptr;
    decltype(&::GetRawInputDeviceInfoW) GetRawInputDeviceInfoW = nullptr;
    decltype(&::RegisterRawInputDevices) RegisterRawInputDevices = nullptr;
    decltype(&::ShutdownBlockReasonCreate) ShutdownBlockReasonCreate = nullptr;
    decltype(&::ChangeWindowMessageFilter) ChangeWindowMessageFilter = nullptr;
    decltype(&::ChangeWindowMessageFilterEx) ChangeWindowMessageFilterEx = nullptr;
    decltype(&::GetPhysicalCursorPos) GetPhysicalCursorPos = nullptr;
    decltype(&::RegisterTouchWindow) RegisterTouchWindow = nullptr;
    decltype(&::GetTouchInputInfo) GetTouchInputInfo = nullptr;
    decltype(&::CloseTouchInputHandle) CloseTouchInputHandle = nullptr;
    decltype(&::GetGestureInfo) GetGestureInfo = nullptr;
    decltype(&::SetProcessDPIAware) SetProcessDPIAware = nullptr;
};

struct BXKernel32Functions {
    decltype(&::GetVolumeNameForVolumeMountPointW) GetVolumeNameForVolumeMountPointW = nullptr;
    decltype(&::CreateNamedPipeW) CreateNamedPipeW = nullptr;
    decltype(&::Wow64EnableWow64FsRedirection) Wow64EnableWow64FsRedirection = nullptr;
    decltype(&::IsWow64Process) IsWow64Process = nullptr;
    decltype(&::GetProcessHandleCount) GetProcessHandleCount = nullptr;
    decltype(&::GetLargePageMinimum) GetLargePageMinimum = nullptr;
    decltype(&::GetProcessDEPPolicy) GetProcessDEPPolicy = nullptr;
    decltype(&::SetProcessDEPPolicy) SetProcessDEPPolicy = nullptr;
    decltype(&::CancelSynchronousIo) CancelSynchronousIo = nullptr;
};

// Device enumeration.
struct BXSetupApiFunctions {
    decltype(&::SetupDiGetClassDevsW) SetupDiGetClassDevsW = nullptr;
    decltype(&::SetupDiDestroyDeviceInfoList) SetupDiDestroyDeviceInfoList = nullptr;
    decltype(&::SetupDiEnumDeviceInfo) SetupDiEnumDeviceInfo = nullptr;
    decltype(&::SetupDiEnumDeviceInterfaces) SetupDiEnumDeviceInterfaces = nullptr;
    decltype(&::SetupDiGetDeviceInterfaceDetailW) SetupDiGetDeviceInterfaceDetailW = nullptr;
    decltype(&::SetupDiGetDeviceRegistryPropertyW) SetupDiGetDeviceRegistryPropertyW = nullptr;
    decltype(&::SetupDiGetDeviceInterfaceAlias) SetupDiGetDeviceInterfaceAlias = nullptr;
    decltype(&::SetupDiOpenDeviceInterfaceRegKey) SetupDiOpenDeviceInterfaceRegKey = nullptr;
    decltype(&::CM_Request_Device_EjectW) CM_Request_Device_EjectW = nullptr;
    decltype(&::CM_Get_Parent) CM_Get_Parent = nullptr;
    decltype(&::CM_Get_Parent_Ex) CM_Get_Parent_Ex = nullptr;
    decltype(&::CM_Get_Device_ID_Size) CM_Get_Device_ID_Size = nullptr;
    decltype(&::CM_Get_Device_IDW) CM_Get_Device_IDW = nullptr;
    decltype(&::CM_Open_DevNode_Key) CM_Open_DevNode_Key = nullptr;
};

// From "user32.dll", "kernel32.dll" and "setupapi.dll" of the system folder.
const BXUser32Functions& BXUser32();
const BXKernel32Functions& BXKernel32();
const BXSetupApiFunctions& BXSetupApi();
