// A tools-component root that offers no service: test doubles derive from it
// and override only the services they stand in for.
#pragma once

#include "IBXTools.h"

class BXNullTools : public IBXToolsDLL {
public:
    int32_t GetInterfaceVersion() override { return kBXToolsInterfaceVersion; }
    bool Initialize(void*, BXDllString*) override { return true; }
    void PreUnload() override {}
    void Uninitialize() override {}
    IBXSettings* GetSettings() override { return nullptr; }
    IBXLanguage* GetLanguage() override { return nullptr; }
    IBXDialogs* GetDialogs() override { return nullptr; }
    IBXTextTools* GetText() override { return nullptr; }
    IBXFileSystemTools* GetFileSystem() override { return nullptr; }
    IBXLog* GetLog() override { return nullptr; }
    IBXWindowTools* GetWindow() override { return nullptr; }
    IBXMiscTools* GetMisc() override { return nullptr; }
    IBXSkin* GetSkin() override { return nullptr; }
    IBXArchives* GetArchives() override { return nullptr; }

protected:
    ~BXNullTools() = default;
};
