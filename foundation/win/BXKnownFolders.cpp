#include "BXKnownFolders.h"

#include "BXFileChecks.h"
#include "BXFolderOperations.h"
#include "BXPathComponents.h"
#include "BXPathText.h"
#include "BXProcessPaths.h"
#include "BXRegKey.h"
#include "IBXTools.h"

#include <shlobj.h>
#include <vector>

namespace {

using DirectoryFunction = UINT(WINAPI*)(LPWSTR, UINT);

BXString FromDirectoryFunction(DirectoryFunction function)
{
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    UINT length = function(buffer.data(), UINT(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = function(buffer.data(), UINT(buffer.size()));
    }
    if (length == 0 || length >= buffer.size()) {
        return BXString();
    }
    BXString folder(BXFromWide(buffer.data()), int32_t(length));
    NormaliseFolder(folder);
    return folder;
}

IBXSettings* SettingsService()
{
    IBXToolsDLL* tools = BXGetTools();
    return tools != nullptr ? tools->GetSettings() : nullptr;
}

// The temporary-location setting, emptied (and removed from the store) when its folder cannot be created.
BXString ConfiguredTemporaryFolder()
{
    IBXSettings* settings = SettingsService();
    IBXRegistryKey* key = settings != nullptr ? settings->OpenProductKey(u"Properties", false) : nullptr;
    if (key == nullptr) {
        return BXString();
    }
    BXString location;
    BXDllStringRef out(location);
    key->ReadString(kTempLocationSetting, &out);
    if (!location.IsEmpty()) {
        location = JoinPath(location, u"Brenix");
        if (!CreateFolder(location, false)) {
            key->DeleteValue(kTempLocationSetting);
            location.Empty();
        }
    }
    key->Release();
    return location;
}

} // namespace

BXString GetProductProgramFolder()
{
    BXString folder = GetProcessPaths().GetProgramPath();
    NormaliseFolder(folder);
    return folder;
}

BXString GetDataFolder()
{
    BXString folder = GetProcessPaths().GetDataPath();
    if (folder.IsEmpty()) {
        return JoinPath(GetProcessPaths().GetProgramPath(), u"Data");
    }
    NormaliseFolder(folder);
    return folder;
}

BXString GetApplicationDataFolder()
{
    BXString folder = GetProcessPaths().GetApplicationDataPath();
    NormaliseFolder(folder);
    return folder;
}

BXString GetProductApplicationDataFolder()
{
    BXString folder;
    if (IBXSettings* settings = SettingsService()) {
        BXDllStringRef out(folder);
        settings->GetApplicationDataFolder(&out);
    } else {
        folder = JoinPath(JoinPath(GetApplicationDataFolder(), u"Brenix"), u"Generic");
    }
    NormaliseFolder(folder);
    return folder;
}

BXString GetTemporaryFolder()
{
    BXString folder = ConfiguredTemporaryFolder();
    if (folder.IsEmpty()) {
        folder = JoinPath(GetProductApplicationDataFolder(), u"Temp");
        CreateFolder(folder, false);
    }
    NormaliseFolder(folder);
    return folder;
}

BXString GetSystemFolder()
{
    return FromDirectoryFunction(&::GetSystemDirectoryW);
}

BXString GetWindowsFolder()
{
    return FromDirectoryFunction(&::GetWindowsDirectoryW);
}

BXString GetFontsFolder()
{
    BXString folder = JoinPath(GetWindowsFolder(), u"Fonts");
    NormaliseFolder(folder);
    return folder;
}

BXString GetProgramFilesFolder()
{
    BXString folder;
    BXRegKey key;
    if (key.Open(HKEY_LOCAL_MACHINE, u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", KEY_READ)) {
        key.ReadString(u"ProgramFilesDir", folder);
    }
    if (folder.IsEmpty()) {
        folder = u"C:\\Program Files\\";
    }
    NormaliseFolder(folder);
    return folder;
}

BXString GetMusicFolder()
{
    BXString folder = GetShellFolder(CSIDL_MYMUSIC);
    if (folder.IsEmpty()) {
        folder = GetShellFolder(CSIDL_PERSONAL);
    }
    if (folder.IsEmpty()) {
        folder = GetPathDrive(GetProcessPaths().GetProgramPath());
        EnsureTrailingBackslash(folder);
    }
    if (!folder.ContainsNoCase(u"My Music")) {
        folder = JoinPath(folder, u"My Music");
    }
    NormaliseFolder(folder);
    return folder;
}

BXString GetSkinsFolder()
{
    BXString folder = JoinPath(GetProcessPaths().GetProgramPath(), u"Skins");
    NormaliseFolder(folder);
    return folder;
}

BXString GetMiniSkinsFolder()
{
    return JoinPath(GetSkinsFolder(), u"Mini View");
}

BXString GetStandardSkinsFolder()
{
    return JoinPath(GetSkinsFolder(), u"Standard View");
}

BXString GetFullScreenSkinsFolder()
{
    return JoinPath(GetSkinsFolder(), u"Lounge View");
}

BXString GetCommonProgramsFolder()
{
    return GetShellFolder(CSIDL_COMMON_PROGRAMS);
}

BXString GetCommonDesktopFolder()
{
    return GetShellFolder(CSIDL_COMMON_DESKTOPDIRECTORY);
}

BXString GetUserApplicationDataFolder()
{
    return GetShellFolder(CSIDL_APPDATA);
}

BXString GetShellFolder(int32_t csidl)
{
    PIDLIST_ABSOLUTE items = nullptr;
    if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &items)) || items == nullptr) {
        return BXString();
    }
    // SHGetPathFromIDListW writes at most MAX_PATH characters.
    wchar_t buffer[MAX_PATH + 1] = {};
    const bool found = ::SHGetPathFromIDListW(items, buffer) != FALSE;
    ::CoTaskMemFree(items);
    BXString folder;
    if (found) {
        folder = BXFromWide(buffer);
        NormaliseFolder(folder);
    }
    return folder;
}
