#include "BXProcessPaths.h"

#include "BXRegKey.h"
#include "IBXTools.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

BXString WithTrailingBackslash(const BXString& path)
{
    BXString result = path;
    if (result.IsEmpty())
        return result;
    result.TrimTrailingBackslashes();
    result.Append(u'\\');
    return result;
}

BXString ModuleFileName()
{
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return BXString(BXFromWide(buffer), int32_t(length));
}

BXString UserApplicationDataFolder()
{
    LPITEMIDLIST list = nullptr;
    if (::SHGetSpecialFolderLocation(nullptr, CSIDL_APPDATA, &list) != S_OK)
        return BXString();
    wchar_t buffer[MAX_PATH + 1] = {};
    const bool ok = ::SHGetPathFromIDListW(list, buffer) != FALSE;
    ::CoTaskMemFree(list);
    return ok ? BXString(BXFromWide(buffer)) : BXString();
}

bool IsFile(const BXString& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.W());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace

BXProcessPaths::BXProcessPaths(const BXString& blockName, const BXString& executablePath)
    : m_block(blockName, kRecordSize)
{
    if (m_block.IsValid() && m_block.Data()[kOffsetInitialised] == 0)
        Fill(executablePath.IsEmpty() ? ModuleFileName() : executablePath);
}

BXString BXProcessPaths::RecordName(uint32_t processId)
{
    return BXString::Formatted(u"Brenix Process v%d (%d)", kFormatVersion, processId);
}

void BXProcessPaths::Fill(const BXString& executablePath)
{
    uint8_t* record = m_block.Data();
    std::memset(record, 0, kRecordSize);
    record[kOffsetInitialised] = 1;
    m_createdHere = true;
    // The executable path is a file, not a folder: stored without a backslash.
    const int32_t units = std::min(executablePath.GetLength(), kPathUnits - 1);
    std::memcpy(record + kOffsetExecutablePath, executablePath.GetString(), size_t(units) * sizeof(BXChar));

    ResolveProgramPath(BXString(), true, false);
    const uint32_t settingsRoot = 0x80000001u; // HKEY_CURRENT_USER
    std::memcpy(record + kOffsetSettingsRoot, &settingsRoot, sizeof(settingsRoot));
    const uint32_t mainThread = ::GetCurrentThreadId();
    std::memcpy(record + kOffsetMainThread, &mainThread, sizeof(mainThread));
    if (IsPortable())
        SetApplicationDataPath(GetProgramPath() + u"Application Data\\");
    else
        SetApplicationDataPath(UserApplicationDataFolder());
    const int32_t trailer[3] = {-1, -1, 99};
    std::memcpy(record + kOffsetTrailer, trailer, sizeof(trailer));
}

void BXProcessPaths::ResolveProgramPath(const BXString& productName, bool setDerived, bool onlyIfCreatedHere)
{
    if (!IsValid())
        return;
    BXString folder = GetExecutablePath();
    if (!folder.StripFileName())
        folder.Empty();

    BXString result;
    if (!folder.IsEmpty() && IsFile(folder + u"Portable.dat")) {
        result = folder;
        m_block.Data()[kOffsetPortableFlag] = 1;
    } else {
        result = FindInstallationFolder(productName, folder);
    }
    SetProgramPath(result, setDerived, onlyIfCreatedHere);
}

BXString BXProcessPaths::FindInstallationFolder(const BXString& productName, const BXString& executableFolder) const
{
    BXRegKey installations;
    if (!installations.Open(HKEY_LOCAL_MACHINE, kInstallationsKey, KEY_READ))
        return BXString();
    BXString currentProduct;
    installations.ReadString(u"", currentProduct);

    BXString currentProductPath;
    BXString name;
    for (DWORD index = 0; installations.EnumSubKey(index, name); ++index) {
        BXRegKey installation;
        BXString path;
        if (!installation.Open(installations.Get(), name.GetString(), KEY_READ) ||
            !installation.ReadString(u"Path", path) || path.IsEmpty())
            continue;
        if (!productName.IsEmpty()) {
            if (name.CompareNoCase(productName.GetString()) == 0)
                return path;
            continue;
        }
        if (path.GetLength() <= executableFolder.GetLength() &&
            executableFolder.Left(path.GetLength()).CompareNoCase(path.GetString()) == 0)
            return path;
        if (currentProductPath.IsEmpty() && !currentProduct.IsEmpty() &&
            name.CompareNoCase(currentProduct.GetString()) == 0)
            currentProductPath = path;
    }
    return productName.IsEmpty() ? currentProductPath : BXString();
}

void BXProcessPaths::SetProgramPath(const BXString& path, bool setDerived, bool onlyIfCreatedHere)
{
    if (!IsValid() || (onlyIfCreatedHere && !m_createdHere))
        return;
    const BXString folder = WithTrailingBackslash(path);
    WritePath(kOffsetProgramPath, folder);
    if (setDerived) {
        WritePath(kOffsetDataPath, folder);
        WritePath(kOffsetLibraryPath, folder);
    }
    if (IBXToolsDLL* tools = BXGetTools()) {
        if (IBXMiscTools* misc = tools->GetMisc())
            misc->OnPathsChanged();
    }
    const BXString trace =
        BXString::Formatted(u"Brenix install path (process: %d): %s\r\n", ::GetCurrentProcessId(), folder);
    ::OutputDebugStringW(trace.W());
}

void BXProcessPaths::SetInstallerFlag()
{
    if (IsValid())
        m_block.Data()[kOffsetInstallerFlag] = 1;
}

bool BXProcessPaths::IsMainThread() const
{
    if (!IsValid())
        return false;
    uint32_t mainThread = 0;
    std::memcpy(&mainThread, m_block.Data() + kOffsetMainThread, sizeof(mainThread));
    return mainThread == ::GetCurrentThreadId();
}

bool BXProcessPaths::IsPortable() const
{
    return IsValid() && m_block.Data()[kOffsetPortableFlag] != 0;
}

bool BXProcessPaths::IsInstaller() const
{
    return IsValid() && m_block.Data()[kOffsetInstallerFlag] != 0;
}

BXString BXProcessPaths::ReadPath(uint32_t offset) const
{
    if (!IsValid())
        return BXString();
    BXChar units[kPathUnits];
    std::memcpy(units, m_block.Data() + offset, sizeof(units));
    units[kPathUnits - 1] = 0; // another module may have left the field unterminated
    return BXString(units);
}

void BXProcessPaths::WritePath(uint32_t offset, const BXString& path)
{
    if (!IsValid())
        return;
    const BXString folder = WithTrailingBackslash(path);
    BXChar units[kPathUnits] = {};
    const int32_t count = std::min(folder.GetLength(), kPathUnits - 1);
    std::memcpy(units, folder.GetString(), size_t(count) * sizeof(BXChar));
    std::memcpy(m_block.Data() + offset, units, sizeof(units));
}

BXProcessPaths& GetProcessPaths()
{
    static std::mutex lock;
    static std::unique_ptr<BXProcessPaths> paths;
    const std::lock_guard<std::mutex> guard(lock);
    if (!paths)
        paths = std::make_unique<BXProcessPaths>(BXProcessPaths::RecordName(::GetCurrentProcessId()));
    return *paths;
}
