// The root of the tools component: owns every service for the life of the
// loaded DLL. Initialize reads the package description found from the
// per-process path record; it fails only when the log cannot be set up.
#pragma once

#include "BXToolsDialogs.h"
#include "BXToolsLog.h"
#include "BXToolsServices.h"
#include "BXToolsSettings.h"
#include "BXToolsSkin.h"
#include "IBXTools.h"

class BXToolsDLL final : public IBXToolsDLL {
public:
    BXToolsDLL();

    int32_t GetInterfaceVersion() override { return kBXToolsInterfaceVersion; }
    bool Initialize(void* instance, BXDllString* error) override;
    void PreUnload() override;
    void Uninitialize() override;

    IBXSettings* GetSettings() override { return &m_settings; }
    IBXLanguage* GetLanguage() override { return &m_language; }
    IBXDialogs* GetDialogs() override { return &m_dialogs; }
    IBXTextTools* GetText() override { return &m_text; }
    IBXFileSystemTools* GetFileSystem() override { return &m_fileSystem; }
    IBXLog* GetLog() override { return &m_log; }
    IBXWindowTools* GetWindow() override { return &m_window; }
    IBXMiscTools* GetMisc() override { return &m_misc; }
    IBXSkin* GetSkin() override { return &m_skin; }
    IBXArchives* GetArchives() override { return nullptr; }

private:
    BXToolsLog m_log;
    BXToolsDialogs m_dialogs;
    BXToolsSettings m_settings;
    BXToolsLanguage m_language;
    BXToolsText m_text;
    BXToolsFileSystem m_fileSystem;
    BXToolsWindow m_window;
    BXToolsMisc m_misc;
    BXToolsSkin m_skin;
};
