#include "CInstallApp.h"

#include "BXProcessPaths.h"
#include "BXRegKey.h"
#include "BXStringGlobals.h"
#include "CComponentLoader.h"
#include "CInstallOptions.h"
#include "CManifest.h"
#include "CMessages.h"
#include "CPrerequisiteChecks.h"
#include "CSkinSelection.h"
#include "CProductKeys.h"
#include "CommandLine.h"
#include "IBXTools.h"
#include "InstallerPaths.h"

bool CInstallApp::InitInstance()
{
    CComponentLoader::RestrictDllSearchPath();
    InitOle();
    BXStringGlobals::Get().RebuildTables(true);

    m_mutex.Reset(::CreateMutexW(nullptr, FALSE, BXWide(kMutexName)));
    m_mutexError = ::GetLastError();

    // Both keys stay open until the end of start-up.
    BXRegKey machineSoftware;
    BXRegKey wow64Node;
    CleanVirtualStore(machineSoftware, wow64Node);

    BXProcessPaths& paths = GetProcessPaths();
    paths.SetInstallerFlag();
    const BXString packageFiles = ProgramFolder() + u"Vantune\\";
    paths.SetLibraryPath(packageFiles);
    paths.SetDataPath(packageFiles);

    if (!LoadComponents())
        return false;
    InstallerLog(IBXLog::kInfo,
                 BXString(u"Install Wizard started: ") + ModulePath() + u" " + JoinCommandLine(m_arguments));

    paths.ResolveProgramPath(GetProductName(3), false, true);
    InstallerLog(IBXLog::kInfo, BXString(u"Installed copy: ") +
                                    (paths.GetProgramPath().IsEmpty() ? BXString(u"none") : paths.GetProgramPath()));

    LoadManifest();
    CInstallOptions& options = GetInstallOptions();
    options.Parse(JoinCommandLine(m_arguments));
    InstallerLog(IBXLog::kInfo,
                 BXString::Formatted(u"Options: Silent=%d Upgrade=%d AllowDowngrade=%d NoAssociations=%d "
                                     u"NoDependencies=%d NoUpgrade=%d NoRun=%d NoDriver=%d DistributorID=\"%s\"",
                                     options.Silent, options.Upgrade, options.AllowDowngrade, options.NoAssociations,
                                     options.NoDependencies, options.NoUpgrade, options.NoRun, options.NoDriver,
                                     options.DistributorID));

    SetUpSkin();
    SelectLanguage();
    if (RefuseSecondInstance())
        return false;

    const bool skipChecks = (::GetKeyState(VK_CONTROL) & 0x8000) != 0 && (::GetKeyState(VK_SHIFT) & 0x8000) != 0 &&
                            (::GetKeyState('F') & 0x8000) != 0;
    if (skipChecks)
        InstallerLog(IBXLog::kInfo, u"Prerequisite checks skipped (Ctrl+Shift+F)");
    else if (!RunPrerequisiteChecks())
        return false;

    RenameLauncher();
    RunWizard();
    return false;
}

bool CInstallApp::ExitInstance()
{
    InstallerLog(IBXLog::kInfo, u"Install Wizard ends");
    CComponentLoader::UnloadComponents();
    UninitOle();
    return BXApp::ExitInstance();
}

void CInstallApp::CleanVirtualStore(BXRegKey& machineSoftware, BXRegKey& wow64Node)
{
    // Leftovers of per-user registry virtualisation would shadow the machine's keys.
    const REGSAM access = KEY_READ | KEY_CREATE_SUB_KEY | KEY_SET_VALUE;
    if (machineSoftware.Open(HKEY_CURRENT_USER, u"Software\\Classes\\VirtualStore\\Machine\\Software", access))
        ::RegDeleteKeyW(machineSoftware.Get(), L"Brenix");
    if (wow64Node.Open(HKEY_CURRENT_USER, u"Software\\Classes\\VirtualStore\\Machine\\Software\\Wow6432Node", access))
        ::RegDeleteKeyW(wow64Node.Get(), L"Brenix");
}

void CInstallApp::SetUpSkin()
{
    IBXToolsDLL* tools = BXGetTools();
    if (tools == nullptr || tools->GetSkin() == nullptr) {
        InstallerLog(IBXLog::kInfo, u"No skin service: windows are drawn unskinned");
        return;
    }
    IBXSkin* skin = tools->GetSkin();
    skin->SetTitlebarIcon(u"Titlebar Icon");
    const BXString folder = ChooseSkinFolder();
    // What the skin service makes of the folder is its own affair; the outcome is logged only.
    const bool loaded = skin->SetSkinFolder(folder.GetString());
    InstallerLog(loaded ? IBXLog::kInfo : IBXLog::kWarning,
                 BXString(loaded ? u"Skin: " : u"Skin not usable, drawing unskinned: ") + folder);
}

void CInstallApp::SelectLanguage()
{
    IBXToolsDLL* tools = BXGetTools();
    IBXLanguage* language = tools != nullptr ? tools->GetLanguage() : nullptr;
    if (language != nullptr && GetProductKeyInt(u"/*/Installer/ShowLanguageSelection", 0) != 0)
        language->ShowLanguageSelection(nullptr);
}

bool CInstallApp::RefuseSecondInstance()
{
    if (m_mutexError != ERROR_ALREADY_EXISTS && m_mutexError != ERROR_ACCESS_DENIED)
        return false;
    InstallerLog(IBXLog::kWarning, u"Another installer holds the installer mutex: refusing to run");
    ShowMessage(nullptr,
                Translate(u"Another instance of the Brenix installer is already running on this system.\r\n\r\n") +
                    Translate(u"Please finish any other Brenix installations and try again."),
                Translate(u"Brenix Installer"));
    return true;
}

bool CInstallApp::RunPrerequisiteChecks()
{
    return ::RunPrerequisiteChecks();
}

void CInstallApp::RenameLauncher()
{
    const BXString launcher = GetProductItem(IBXSettings::kLauncherName);
    if (launcher.IsEmpty())
        return;
    const BXString folder = ProgramFolder() + u"System\\Always Overwrite\\";
    const BXString from = folder + u"Coravel Launcher.exe";
    const BXString to = folder + launcher;
    const bool moved = ::MoveFileW(from.W(), to.W()) != FALSE;
    InstallerLog(IBXLog::kInfo,
                 BXString::Formatted(u"Launcher %s -> %s: %s", from, to, moved ? u"renamed" : u"not renamed"));
}

void CInstallApp::RunWizard()
{
    // The wizard arrives with the wizard work; until then start-up ends here.
    InstallerLog(IBXLog::kInfo, u"The wizard is not built yet: start-up complete, nothing installed");
}
