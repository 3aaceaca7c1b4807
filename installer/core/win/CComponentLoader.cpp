#include "CComponentLoader.h"

#include "BXProcessPaths.h"
#include "BXWindows.h"
#include "CMessages.h"

#include <mutex>

namespace {

std::mutex g_loaderLock;
HMODULE g_module = nullptr;
IBXToolsDLL* g_tools = nullptr;

} // namespace

void CComponentLoader::RestrictDllSearchPath()
{
    // Optional on Windows 7 without its update: looked up by name.
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDefault != nullptr)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32 | LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_USER_DIRS);
    ::SetDllDirectoryW(L"");
}

bool CComponentLoader::LoadComponents(void* instance, BXString& error)
{
    const std::lock_guard<std::mutex> guard(g_loaderLock);
    if (g_tools != nullptr)
        return true;
    BXString path = GetProcessPaths().GetLibraryPath();
    path.AppendPath(kToolsFileName);
    // Full path only; the component's own dependencies resolve beside it.
    HMODULE module = ::LoadLibraryExW(path.W(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module == nullptr) {
        error = u"Failed to load BXTools";
        return false;
    }
    auto entry =
        reinterpret_cast<BXGetToolsFunction>(reinterpret_cast<void*>(::GetProcAddress(module, kBXToolsEntryName)));
    IBXToolsDLL* tools = entry != nullptr ? entry(kBXToolsInterfaceVersion) : nullptr;
    if (tools == nullptr) {
        ::FreeLibrary(module);
        error = u"Failed to load BXTools";
        return false;
    }
    BXString initError;
    BXDllStringRef initErrorOut(initError);
    if (!tools->Initialize(instance, &initErrorOut)) {
        ::FreeLibrary(module);
        error = initError.IsEmpty() ? BXString(u"BXTools could not be initialised") : initError;
        return false;
    }
    g_module = module;
    g_tools = tools;
    BXSetTools(tools);
    BXSetTextService(tools->GetText());
    InstallerLog(IBXLog::kInfo, BXString(u"Loaded ") + path);
    return true;
}

void CComponentLoader::UnloadComponents()
{
    const std::lock_guard<std::mutex> guard(g_loaderLock);
    if (g_tools == nullptr)
        return;
    g_tools->PreUnload();
    BXSetTextService(nullptr);
    BXSetTools(nullptr);
    g_tools->Uninitialize();
    g_tools = nullptr;
    ::FreeLibrary(g_module);
    g_module = nullptr;
}
