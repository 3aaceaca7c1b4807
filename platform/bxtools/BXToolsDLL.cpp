#include "BXToolsDLL.h"

#include "BXProcessPaths.h"

BXToolsDLL::BXToolsDLL() : m_dialogs(&m_log), m_settings(&m_log), m_language(&m_log), m_misc(&m_log), m_skin(&m_log) {}

bool BXToolsDLL::Initialize(void*, BXDllString*)
{
    BXString programFolder = GetProcessPaths().GetExecutablePath();
    programFolder.StripFileName();
    m_log.Write(IBXLog::kInfo, u"Tools",
                (BXString(u"Initialised for ") + GetProcessPaths().GetExecutablePath()).GetString());
    m_settings.Load(BXToolsSettings::FindInstallXml(programFolder));
    // The strings of this module search without case through the same service.
    BXSetTextService(&m_text);
    return true;
}

void BXToolsDLL::PreUnload()
{
    m_log.Write(IBXLog::kTrace, u"Tools", u"Unloading");
}

void BXToolsDLL::Uninitialize()
{
    BXSetTextService(nullptr);
    m_log.Write(IBXLog::kInfo, u"Tools", u"Uninitialised");
}
