#include "BXToolsSettings.h"

#include "BXProcessPaths.h"
#include "BXRegKey.h"
#include "BXWindows.h"

namespace {

// Product name forms and items: the element under "/*/ProductInfo" that holds each.
const BXChar* NameElement(int32_t form)
{
    switch (form) {
    case 0:
        return u"/*/ProductInfo/Names/Short";
    case 1:
        return u"/*/ProductInfo/Names/Display";
    case 2:
        return u"/*/ProductInfo/Names/Plain";
    case 3:
        return u"/*/ProductInfo/Names/WithVersion";
    case 5:
        return u"/*/ProductInfo/Names/DefaultPrograms";
    default:
        return nullptr;
    }
}

const BXChar* ItemElement(int32_t item)
{
    static constexpr const BXChar* kItems[] = {
        u"/*/ProductInfo/Version",          u"/*/ProductInfo/VersionLabel",    u"/*/ProductInfo/ProgramFile",
        u"/*/ProductInfo/Launcher",         u"/*/ProductInfo/StartMenuFolder", u"/*/ProductInfo/WebAddress",
        u"/*/ProductInfo/MimeTypes",        u"/*/ProductInfo/Protocols",       u"/*/ProductInfo/DownloadLocation",
        u"/*/ProductInfo/HandOffExtension",
    };
    return item >= 0 && item < int32_t(sizeof(kItems) / sizeof(kItems[0])) ? kItems[item] : nullptr;
}

void Set(BXDllString* out, const BXString& text)
{
    if (out != nullptr)
        out->SetString(text.GetString(), text.GetLength());
}

class BXToolsRegistryKey final : public IBXRegistryKey {
public:
    explicit BXToolsRegistryKey(BXRegKey&& key) : m_key(std::move(key)) {}
    void Release() override { delete this; }
    bool ReadString(const BXChar* name, BXDllString* value) override
    {
        BXString text;
        if (!m_key.ReadString(name, text))
            return false;
        Set(value, text);
        return true;
    }
    bool ReadInt(const BXChar* name, int32_t* value) override
    {
        DWORD number = 0;
        if (!m_key.ReadDword(name, number))
            return false;
        if (value != nullptr)
            *value = int32_t(number);
        return true;
    }
    bool WriteString(const BXChar* name, const BXChar* value) override
    {
        return m_key.WriteString(name, BXString(value != nullptr ? value : u""));
    }
    bool WriteInt(const BXChar* name, int32_t value) override { return m_key.WriteDword(name, DWORD(value)); }
    bool DeleteValue(const BXChar* name) override { return m_key.DeleteValue(name); }
    bool EnumValue(int32_t index, BXDllString* name) override
    {
        BXString text;
        if (index < 0 || !m_key.EnumValue(DWORD(index), text))
            return false;
        Set(name, text);
        return true;
    }
    bool EnumSubKey(int32_t index, BXDllString* name) override
    {
        BXString text;
        if (index < 0 || !m_key.EnumSubKey(DWORD(index), text))
            return false;
        Set(name, text);
        return true;
    }
    bool DeleteSubKey(const BXChar* name) override
    {
        return name != nullptr && name[0] != 0 && ::RegDeleteTreeW(m_key.Get(), BXWide(name)) == ERROR_SUCCESS;
    }

private:
    ~BXToolsRegistryKey() = default;
    BXRegKey m_key;
};

IBXRegistryKey* OpenRegistryKey(HKEY root, const BXString& path, bool create)
{
    BXRegKey key;
    const bool ok =
        create ? key.Create(root, path.GetString(), KEY_READ | KEY_WRITE)
               : key.Open(root, path.GetString(), KEY_READ | KEY_WRITE) || key.Open(root, path.GetString(), KEY_READ);
    return ok ? new BXToolsRegistryKey(std::move(key)) : nullptr;
}

} // namespace

BXString BXToolsSettings::FindInstallXml(const BXString& programFolder)
{
    BXString beside = programFolder;
    beside.AppendPath(u"Install.xml");
    if (::GetFileAttributesW(beside.W()) != INVALID_FILE_ATTRIBUTES)
        return beside;
    BXString parent = programFolder;
    parent.AppendPath(u"..\\Install.xml");
    return parent;
}

bool BXToolsSettings::Load(const BXString& installXmlPath)
{
    m_loaded = m_document.LoadFile(installXmlPath) && m_document.GetRootNode() != 0 &&
               m_document.GetNodeName(m_document.GetRootNode()).CompareNoCase(u"BXIC") == 0;
    if (m_log != nullptr) {
        const BXString line =
            BXString::Formatted(m_loaded ? u"Product description: %s" : u"Product description not usable: %s (%s)",
                                installXmlPath, m_document.GetErrorText());
        m_log->Write(m_loaded ? IBXLog::kInfo : IBXLog::kWarning, u"Settings", line.GetString());
    }
    return m_loaded;
}

BXString BXToolsSettings::KeyText(const BXChar* key, const BXChar* defaultValue)
{
    BXString value;
    if (m_loaded && key != nullptr)
        value = m_document.GetTextAt(BXString(key));
    if (value.IsEmpty())
        value = BXString(defaultValue != nullptr ? defaultValue : u"");
    return value;
}

BXString BXToolsSettings::ProductName(int32_t form)
{
    const BXChar* element = NameElement(form);
    return element != nullptr ? KeyText(element, u"") : BXString();
}

void BXToolsSettings::GetKeyText(const BXChar* key, const BXChar* defaultValue, BXDllString* value)
{
    Set(value, KeyText(key, defaultValue));
}

int32_t BXToolsSettings::GetKeyInt(const BXChar* key, int32_t defaultValue)
{
    const BXString text = KeyText(key, u"");
    return text.IsEmpty() ? defaultValue : text.ToInt();
}

void BXToolsSettings::GetProductName(int32_t form, BXDllString* name)
{
    Set(name, ProductName(form));
}

void BXToolsSettings::GetProductItem(int32_t item, BXDllString* value)
{
    const BXChar* element = ItemElement(item);
    Set(value, element != nullptr ? KeyText(element, u"") : BXString());
}

bool BXToolsSettings::IsFeatureOn(int32_t feature)
{
    // "/*/ProductInfo/Features": the numbers of the features that are on, separated by ";".
    const BXString list = BXString(u";") + KeyText(u"/*/ProductInfo/Features", u"") + u";";
    BXString needle = BXString(u";") + BXString::FromInt(feature) + u";";
    BXString compact = list;
    compact.Remove(u' ');
    return compact.Find(needle.GetString()) >= 0;
}

void BXToolsSettings::GetApplicationDataFolder(BXDllString* folder)
{
    BXString path = GetProcessPaths().GetApplicationDataPath();
    if (path.IsEmpty())
        return Set(folder, path);
    path.AppendPath(u"Brenix");
    path.AppendPath(ProductName(3).GetString());
    path.Append(u'\\');
    Set(folder, path);
}

void* BXToolsSettings::GetProductWindow()
{
    return ::FindWindowW(BXWide(kProductWindowClass), nullptr);
}

bool BXToolsSettings::IsProductRunning()
{
    return GetProductWindow() != nullptr;
}

bool BXToolsSettings::RequestProductClose()
{
    HWND window = static_cast<HWND>(GetProductWindow());
    return window != nullptr && ::PostMessageW(window, WM_CLOSE, 0, 0) != FALSE;
}

IBXRegistryKey* BXToolsSettings::OpenProductKey(const BXChar* subKey, bool create)
{
    BXString path(u"Software\\Brenix");
    path.AppendPath(ProductName(3).GetString());
    if (subKey != nullptr && subKey[0] != 0)
        path.AppendPath(subKey);
    path.TrimTrailingBackslashes();
    return OpenRegistryKey(HKEY_CURRENT_USER, path, create);
}

IBXRegistryKey* BXToolsSettings::OpenKey(int32_t root, const BXChar* path, bool create)
{
    HKEY handle = root == kClassesRoot    ? HKEY_CLASSES_ROOT
                  : root == kLocalMachine ? HKEY_LOCAL_MACHINE
                                          : HKEY_CURRENT_USER;
    return OpenRegistryKey(handle, BXString(path != nullptr ? path : u""), create);
}
