// The settings service: product keys and product information answered from
// the package's Install.xml (schema in docs/install-xml.md), the product's
// registry keys under HKCU\Software\Brenix\<name with version>, and the
// running product (its main window has the class "VTFrame").
#pragma once

#include "BXXmlDocument.h"
#include "IBXTools.h"

class BXToolsSettings final : public IBXSettings {
public:
    static constexpr const BXChar* kProductWindowClass = u"VTFrame";

    explicit BXToolsSettings(IBXLog* log) : m_log(log) {}

    // Reads the package description; false (every answer then a default)
    // when the file cannot be read or its root is not "BXIC".
    bool Load(const BXString& installXmlPath);
    // Install.xml beside the running program, else one folder up.
    static BXString FindInstallXml(const BXString& programFolder);

    void GetKeyText(const BXChar* key, const BXChar* defaultValue, BXDllString* value) override;
    int32_t GetKeyInt(const BXChar* key, int32_t defaultValue) override;
    void GetProductName(int32_t form, BXDllString* name) override;
    void GetProductItem(int32_t item, BXDllString* value) override;
    bool IsFeatureOn(int32_t feature) override;
    void GetApplicationDataFolder(BXDllString* folder) override;
    bool IsProductRunning() override;
    void* GetProductWindow() override;
    bool RequestProductClose() override;
    IBXRegistryKey* OpenProductKey(const BXChar* subKey, bool create) override;
    IBXRegistryKey* OpenKey(int32_t root, const BXChar* path, bool create) override;

    BXString KeyText(const BXChar* key, const BXChar* defaultValue);
    BXString ProductName(int32_t form);

private:
    IBXLog* m_log;
    BXXmlDocument m_document;
    bool m_loaded = false;
};
