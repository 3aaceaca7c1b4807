#include "CVersionInfo.h"

#include "BXFileChecks.h"
#include "BXKnownFolders.h"
#include "BXVersion64.h"

CVersionInfo::CVersionInfo()
{
    const BXString dll = GetSystemFolder() + u"Version.dll";
    m_versionDll = ::LoadLibraryExW(dll.W(), nullptr, 0);
    if (m_versionDll != nullptr) {
        m_getFileVersionInfoSize = reinterpret_cast<SizeFunction>(
            reinterpret_cast<void*>(::GetProcAddress(m_versionDll, "GetFileVersionInfoSizeW")));
        m_getFileVersionInfo = reinterpret_cast<InfoFunction>(
            reinterpret_cast<void*>(::GetProcAddress(m_versionDll, "GetFileVersionInfoW")));
        m_verQueryValue =
            reinterpret_cast<QueryFunction>(reinterpret_cast<void*>(::GetProcAddress(m_versionDll, "VerQueryValueW")));
    }
}

CVersionInfo::~CVersionInfo()
{
    if (m_versionDll != nullptr) {
        ::FreeLibrary(m_versionDll);
    }
}

HRESULT CVersionInfo::Open(const BXString& path)
{
    m_buffer.clear();
    m_path = path;
    if (m_getFileVersionInfoSize == nullptr || m_getFileVersionInfo == nullptr || m_verQueryValue == nullptr ||
        !FileExists(path)) {
        return E_FAIL;
    }
    const BXString apiPath = ToApiPath(path);
    DWORD ignored = 0;
    const DWORD size = m_getFileVersionInfoSize(apiPath.W(), &ignored);
    if (size == 0) {
        return E_FAIL;
    }
    std::vector<uint8_t> buffer(size);
    if (!m_getFileVersionInfo(apiPath.W(), 0, size, buffer.data())) {
        return E_FAIL;
    }
    m_buffer.swap(buffer);
    return S_OK;
}

BXString CVersionInfo::GetVersionText(bool fourParts) const
{
    if (m_buffer.empty()) {
        return BXString();
    }
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!m_verQueryValue(m_buffer.data(), L"\\", reinterpret_cast<void**>(&info), &length) || info == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return BXString();
    }
    const int32_t major = HIWORD(info->dwFileVersionMS);
    const int32_t minor = LOWORD(info->dwFileVersionMS);
    const int32_t build = HIWORD(info->dwFileVersionLS);
    const int32_t revision = LOWORD(info->dwFileVersionLS);
    if (fourParts) {
        return BXString::Formatted(u"%d.%d.%d.%d", major, minor, build, revision);
    }
    return BXString::Formatted(u"%d.%d.%d", major, minor, build);
}

uint64_t CVersionInfo::GetVersion64() const
{
    return m_buffer.empty() ? 0 : ParseVersion64(GetVersionText(true));
}

uint64_t GetFileVersion64(const BXString& path)
{
    CVersionInfo info;
    return info.Open(path) == S_OK ? info.GetVersion64() : 0;
}
