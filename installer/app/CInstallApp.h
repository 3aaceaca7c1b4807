// The installer's application object: the start-up sequence before the
// wizard opens. Every path ends with exit code 0.
#pragma once

#include "BXApp.h"
#include "BXHandle.h"
#include "BXRegKey.h"

class CInstallApp final : public BXGraphicalApp {
public:
    static constexpr const BXChar* kMutexName = u"Global\\Brenix Installer";

    ~CInstallApp() override = default;
    bool InitInstance() override;
    bool ExitInstance() override;

    DWORD GetMutexError() const { return m_mutexError; }

private:
    void CleanVirtualStore(BXRegKey& machineSoftware, BXRegKey& wow64Node);
    void SetUpSkin();
    void SelectLanguage();
    bool RefuseSecondInstance();
    bool RunPrerequisiteChecks();
    void RenameLauncher();
    void RunWizard();

    BXHandle m_mutex;
    DWORD m_mutexError = 0;
};
