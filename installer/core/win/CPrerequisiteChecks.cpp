#include "CPrerequisiteChecks.h"

#include "BXCpuFeatures.h"
#include "BXProcessPaths.h"
#include "BXRegKey.h"
#include "BXRunProgram.h"
#include "BXSystemFacts.h"
#include "BXVersion64.h"
#include "CInstallOptions.h"
#include "CMessages.h"
#include "CNeedInternetExplorerDlg.h"
#include "CProductKeys.h"
#include "IBXTools.h"
#include "OsInfo.h"

namespace {

constexpr const BXChar* kBrenixKey = u"Software\\Brenix";
constexpr const BXChar* kRightsCheckKey = u"Rights Check";
constexpr const BXChar* kRightsCheckData = u"Rights OK";
// A product asked to close shuts down in its own time; it gets this long.
constexpr double kCloseWaitSeconds = 5.0;

IBXSettings* Settings()
{
    IBXToolsDLL* tools = BXGetTools();
    return tools != nullptr ? tools->GetSettings() : nullptr;
}

// A translated piece with its %s filled.
BXString Piece(const BXChar* literal, const BXString& name)
{
    return BXString::Formatted(Translate(literal).GetString(), name);
}

bool CheckRights()
{
    if (CheckAdminRights()) {
        InstallerLog(IBXLog::kInfo, u"Rights check: the machine registry is writable");
        return true;
    }
    InstallerLog(IBXLog::kWarning, u"Rights check failed: the machine registry is not writable");
    ShowMessage(nullptr,
                Translate(u"Sorry, but you do not have sufficient rights to install the program.\r\n") +
                    Translate(u"Please make sure you have administrative rights before you begin the installation."),
                Translate(u"Information"));
    return false;
}

void WaitForProductToClose(IBXSettings& settings)
{
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&start);
    for (;;) {
        if (!settings.IsProductRunning())
            return;
        LARGE_INTEGER now{};
        ::QueryPerformanceCounter(&now);
        const double elapsedMs = double(now.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
        if (elapsedMs / 1000.0 >= kCloseWaitSeconds)
            return;
        // Polling without a pause would take the processor from the product that is shutting down.
        ::Sleep(10);
    }
}

void CloseProduct(IBXSettings& settings, const BXString& shortName)
{
    // Lower-cased here: the text service that would fold case may be missing.
    BXString folded(shortName);
    folded.MakeLower();
    if (folded.Find(u"rendix") >= 0) {
        HWND window = static_cast<HWND>(settings.GetProductWindow());
        const bool posted = window != nullptr && ::PostMessageW(window, WM_CLOSE, 1, 0) != FALSE;
        InstallerLog(IBXLog::kInfo, BXString::Formatted(u"Running copy: WM_CLOSE %s, waiting up to 5 s",
                                                        posted ? u"posted" : u"not posted"));
        WaitForProductToClose(settings);
        return;
    }
    const bool asked = settings.RequestProductClose();
    InstallerLog(IBXLog::kInfo,
                 BXString::Formatted(u"Running copy: close request %s", asked ? u"delivered" : u"not delivered"));
    // The request is only delivered: without a wait the product would be
    // reported as not closing while it is still shutting down.
    if (asked)
        WaitForProductToClose(settings);
}

bool CheckRunningCopy()
{
    IBXSettings* settings = Settings();
    if (settings == nullptr || !settings->IsProductRunning())
        return true;
    const BXString displayName = GetProductName(1);
    const BXString shortName = GetProductName(0);
    InstallerLog(IBXLog::kInfo, BXString(u"Running copy of ") + displayName + u" found");

    if (!GetInstallOptions().Silent) {
        const BXString question = Piece(u"Install Wizard has detected a running copy of %s.\r\n\r\n", displayName) +
                                  Piece(u"Do you want Install Wizard to close %s and continue setup?", displayName);
        if (ShowQuestion(nullptr, question, displayName + Translate(u" Open")) != kAnswerYes) {
            InstallerLog(IBXLog::kInfo, u"Running copy: the user chose not to close it");
            return false;
        }
    }

    CloseProduct(*settings, shortName);
    if (!settings->IsProductRunning())
        return true;

    ShowMessage(nullptr,
                Piece(u"Install Wizard could not close the running copy of %s.\r\n", shortName) +
                    Piece(u"Please manually close %s and then press 'OK'.\r\n\r\n", shortName) +
                    Piece(u"If you can not close %s restart your computer and run Install Wizard again.", shortName),
                Translate(u"Please Close ") + shortName);
    if (!settings->IsProductRunning())
        return true;

    InstallerLog(IBXLog::kWarning, u"Running copy: still running, setup cannot continue");
    ShowMessage(nullptr,
                Piece(u"%s is still running.  Install Wizard can not continue.\r\n\r\n", shortName) +
                    Translate(u"Please restart your computer and run Install Wizard again."),
                Translate(u"Install Wizard Error"));
    return false;
}

void StopService()
{
    const BXString folder = GetProcessPaths().GetProgramPath();
    if (folder.IsEmpty()) {
        InstallerLog(IBXLog::kInfo, u"Service: no installed copy, nothing to stop");
        return;
    }
    const BXString service = folder + u"BXService.exe";
    // Whatever the service reports, setup goes on.
    const bool ran = RunAndWait(service, false, u"/Stop");
    InstallerLog(IBXLog::kInfo, BXString::Formatted(u"Service: %s /Stop %s", service, ran ? u"ran" : u"did not run"));
}

bool CheckBrowser()
{
    const bool created = CanCreateBrowserControl();
    const BXString installed = GetInstalledBrowserVersionText();
    const bool recentEnough = ParseVersion64(installed) >= GetMinimumBrowserVersion();
    InstallerLog(IBXLog::kInfo, BXString::Formatted(u"Browser component: control %s, version %s, %s",
                                                    created ? u"created" : u"missing", installed,
                                                    recentEnough ? u"recent enough" : u"too old"));
    if (created && recentEnough)
        return true;
    ShowNeedInternetExplorer();
    return false;
}

bool CheckProcessor()
{
    const uint32_t features = GetCpuFeatures();
    InstallerLog(IBXLog::kInfo, BXString::Formatted(u"Processor features: 0x%x", features));
    if ((features & kCpuMmx) != 0 && (features & kCpuSse2) != 0)
        return true;
    const BXString name = GetProductName(1);
    ShowMessage(nullptr,
                Piece(u"The %s Install Wizard failed to detect an SSE2-capable CPU.\r\n\r\n", name) +
                    Piece(u"%s requires SSE2 capabilities to run.  Setup will now abort.", name),
                Translate(u"SSE2 Not Available"));
    return false;
}

bool CheckOperatingSystem()
{
    const int32_t code = GetOsVersionCode();
    InstallerLog(IBXLog::kInfo, BXString::Formatted(u"Operating system: %s (%d)", OsInfo::Get().GetName(), code));
    if (code >= kOsWindows2000 && code < 2000)
        return true;
    const BXString name = GetProductName(1);
    ShowMessage(nullptr,
                Piece(u"The %s Install Wizard can not run on this version of Microsoft Windows.\r\n\r\n", name) +
                    Piece(u"%s requires Windows 2000 or later.  Setup will now abort.", name),
                Translate(u"Operating System Not Supported"));
    return false;
}

} // namespace

bool RunPrerequisiteChecks()
{
    if (!CheckRights() || !CheckRunningCopy())
        return false;
    StopService();
    return CheckBrowser() && CheckProcessor() && CheckOperatingSystem();
}

bool CheckAdminRights()
{
    const REGSAM access = KEY_READ | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
    IBXSystemFacts& facts = BXSystemFacts();
    BXRegKey brenix;
    if (!facts.CreateRegistryKey(HKEY_LOCAL_MACHINE, kBrenixKey, access, brenix))
        return false;

    bool result = false;
    {
        BXRegKey probe;
        if (facts.CreateRegistryKey(brenix.Get(), kRightsCheckKey, access, probe)) {
            const BXString name = BXString::Formatted(u"Rights Check (%u)", uint32_t(::GetTickCount()));
            const DWORD dataBytes = DWORD((BXString(kRightsCheckData).GetLength() + 1) * sizeof(wchar_t));
            const bool written =
                ::RegSetValueExW(probe.Get(), name.W(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(BXWide(kRightsCheckData)), dataBytes) == ERROR_SUCCESS;
            if (written) {
                wchar_t buffer[129] = {};
                DWORD type = 0;
                DWORD size = 256;
                const bool read = ::RegQueryValueExW(probe.Get(), name.W(), nullptr, &type,
                                                     reinterpret_cast<BYTE*>(buffer), &size) == ERROR_SUCCESS;
                const bool same = read && type == REG_SZ && BXString(BXFromWide(buffer)) == kRightsCheckData;
                result = same && probe.DeleteValue(name.GetString());
            }
        }
    }
    if (::RegDeleteKeyW(brenix.Get(), BXWide(kRightsCheckKey)) != ERROR_SUCCESS)
        result = false;
    return result;
}
