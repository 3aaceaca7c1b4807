#include "BXRegKey.h"

#include <vector>

bool BXRegKey::Open(HKEY root, const BXChar* path, REGSAM access)
{
    Close();
    if (::RegOpenKeyExW(root, BXWide(path), 0, access, &m_key) == ERROR_SUCCESS)
        return true;
    m_key = nullptr;
    return false;
}

bool BXRegKey::Create(HKEY root, const BXChar* path, REGSAM access)
{
    Close();
    if (::RegCreateKeyExW(root, BXWide(path), 0, nullptr, 0, access, nullptr, &m_key, nullptr) == ERROR_SUCCESS)
        return true;
    m_key = nullptr;
    return false;
}

void BXRegKey::Close()
{
    if (m_key != nullptr)
        ::RegCloseKey(m_key);
    m_key = nullptr;
}

bool BXRegKey::ReadString(const BXChar* name, BXString& value) const
{
    if (m_key == nullptr)
        return false;
    DWORD type = 0;
    DWORD bytes = 0;
    if (::RegQueryValueExW(m_key, BXWide(name), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    // Room for a missing terminator: stored strings are not always terminated.
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 2, L'\0');
    DWORD size = DWORD(buffer.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(m_key, BXWide(name), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS)
        return false;
    buffer.back() = L'\0';
    value = BXString(BXFromWide(buffer.data()));
    return true;
}

bool BXRegKey::ReadDword(const BXChar* name, DWORD& value) const
{
    if (m_key == nullptr)
        return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (::RegQueryValueExW(m_key, BXWide(name), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    value = data;
    return true;
}

bool BXRegKey::WriteString(const BXChar* name, const BXString& value)
{
    if (m_key == nullptr)
        return false;
    const DWORD bytes = DWORD((value.GetLength() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(m_key, BXWide(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.W()), bytes) ==
           ERROR_SUCCESS;
}

bool BXRegKey::WriteDword(const BXChar* name, DWORD value)
{
    if (m_key == nullptr)
        return false;
    return ::RegSetValueExW(m_key, BXWide(name), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value)) ==
           ERROR_SUCCESS;
}

bool BXRegKey::DeleteValue(const BXChar* name)
{
    return m_key != nullptr && ::RegDeleteValueW(m_key, BXWide(name)) == ERROR_SUCCESS;
}

bool BXRegKey::EnumSubKey(DWORD index, BXString& name) const
{
    if (m_key == nullptr)
        return false;
    wchar_t buffer[256]; // registry key names are at most 255 characters
    DWORD length = 256;
    if (::RegEnumKeyExW(m_key, index, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    name = BXString(BXFromWide(buffer), int32_t(length));
    return true;
}

bool BXRegKey::EnumValue(DWORD index, BXString& name) const
{
    if (m_key == nullptr)
        return false;
    std::vector<wchar_t> buffer(16384); // value names are at most 16383 characters
    DWORD length = DWORD(buffer.size());
    if (::RegEnumValueW(m_key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    name = BXString(BXFromWide(buffer.data()), int32_t(length));
    return true;
}
