// Test double of the tools component for the file-system tests: file and folder
// tests answered from the file system (with a switch to refuse folder creation),
// log lines recorded, the "Properties" settings and the product's
// application-data folder held in memory. Installed process-wide while alive.
#pragma once

#include "BXWindows.h"
#include "IBXTools.h"

#include <map>
#include <string>
#include <vector>

class BXFileTestTools final : public IBXToolsDLL,
                              public IBXFileSystemTools,
                              public IBXLog,
                              public IBXSettings,
                              public IBXRegistryKey {
public:
    struct LogLine {
        std::u16string m_source;
        std::u16string m_text;
    };

    BXFileTestTools() { BXSetTools(this); }
    ~BXFileTestTools() { BXSetTools(nullptr); }
    BXFileTestTools(const BXFileTestTools&) = delete;
    BXFileTestTools& operator=(const BXFileTestTools&) = delete;

    bool m_refuseCreation = false;
    bool m_withSettings = true;
    std::vector<LogLine> m_log;
    std::map<std::u16string, std::u16string> m_properties;
    std::u16string m_applicationDataFolder;

    // IBXToolsDLL
    int32_t GetInterfaceVersion() override { return kBXToolsInterfaceVersion; }
    bool Initialize(void*, BXDllString*) override { return true; }
    void PreUnload() override {}
    void Uninitialize() override {}
    IBXSettings* GetSettings() override { return m_withSettings ? this : nullptr; }
    IBXLanguage* GetLanguage() override { return nullptr; }
    IBXDialogs* GetDialogs() override { return nullptr; }
    IBXTextTools* GetText() override { return nullptr; }
    IBXFileSystemTools* GetFileSystem() override { return this; }
    IBXLog* GetLog() override { return this; }
    IBXWindowTools* GetWindow() override { return nullptr; }
    IBXMiscTools* GetMisc() override { return nullptr; }
    IBXSkin* GetSkin() override { return nullptr; }
    IBXArchives* GetArchives() override { return nullptr; }

    // IBXFileSystemTools
    bool FolderExists(const BXChar* path) override
    {
        const DWORD attributes = ::GetFileAttributesW(BXWide(path));
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }
    bool FileExists(const BXChar* path) override
    {
        const DWORD attributes = ::GetFileAttributesW(BXWide(path));
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    bool CanCreateFolder(const BXChar*) override { return !m_refuseCreation; }

    // IBXLog
    void Write(int32_t, const BXChar* source, const BXChar* text) override { m_log.push_back({source, text}); }
    void GetLogPath(BXDllString* path) override { path->Empty(); }

    // IBXSettings
    void GetKeyText(const BXChar*, const BXChar* defaultValue, BXDllString* value) override
    {
        value->SetString(defaultValue, -1);
    }
    int32_t GetKeyInt(const BXChar*, int32_t defaultValue) override { return defaultValue; }
    void GetProductName(int32_t, BXDllString* name) override { name->Empty(); }
    void GetProductItem(int32_t, BXDllString* value) override { value->Empty(); }
    bool IsFeatureOn(int32_t) override { return false; }
    void GetApplicationDataFolder(BXDllString* folder) override
    {
        folder->SetString(m_applicationDataFolder.c_str(), -1);
    }
    bool IsProductRunning() override { return false; }
    void* GetProductWindow() override { return nullptr; }
    bool RequestProductClose() override { return false; }
    IBXRegistryKey* OpenProductKey(const BXChar* subKey, bool) override
    {
        return std::u16string(subKey) == u"Properties" ? this : nullptr;
    }
    IBXRegistryKey* OpenKey(int32_t, const BXChar*, bool) override { return nullptr; }

    // IBXRegistryKey: the "Properties" key; the double owns it, so Release does nothing.
    void Release() override {}
    bool ReadString(const BXChar* name, BXDllString* value) override
    {
        auto found = m_properties.find(name);
        if (found == m_properties.end()) {
            return false;
        }
        value->SetString(found->second.c_str(), -1);
        return true;
    }
    bool ReadInt(const BXChar*, int32_t*) override { return false; }
    bool WriteString(const BXChar* name, const BXChar* value) override
    {
        m_properties[name] = value;
        return true;
    }
    bool WriteInt(const BXChar*, int32_t) override { return false; }
    bool DeleteValue(const BXChar* name) override { return m_properties.erase(name) > 0; }
    bool EnumValue(int32_t, BXDllString*) override { return false; }
    bool EnumSubKey(int32_t, BXDllString*) override { return false; }
    bool DeleteSubKey(const BXChar*) override { return false; }
};
