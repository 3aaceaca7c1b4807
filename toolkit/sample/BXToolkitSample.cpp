// Entry of the toolkit's sample wizard.
// Options: --skin <folder>         skin folder for the tools component
//          --image <file>          picture of the welcome page
//          --screenshots <folder>  save page-1.png ... of every page, then exit
// BXTools.dll is loaded from the program's folder when it is there; without
// it the toolkit draws with plain system defaults.
#include "BXPngWriter.h"
#include "BXSampleWizard.h"
#include "BXSkinAccess.h"

#include <objbase.h>
#include <shellapi.h>

namespace {

struct LoadedTools {
    HMODULE m_module = nullptr;
    IBXToolsDLL* m_tools = nullptr;

    bool Load(const BXString& folder)
    {
        BXString path = folder + u"BXTools.dll";
        // Full path only, as the installer loads it.
        m_module = ::LoadLibraryExW(path.W(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (m_module == nullptr)
            return false;
        auto entry = reinterpret_cast<BXGetToolsFunction>(
            reinterpret_cast<void*>(::GetProcAddress(m_module, kBXToolsEntryName)));
        IBXToolsDLL* tools = entry != nullptr ? entry(kBXToolsInterfaceVersion) : nullptr;
        BXString error;
        BXDllStringRef errorOut(error);
        if (tools == nullptr || !tools->Initialize(::GetModuleHandleW(nullptr), &errorOut)) {
            ::FreeLibrary(m_module);
            m_module = nullptr;
            return false;
        }
        m_tools = tools;
        BXSetTools(tools);
        return true;
    }
    ~LoadedTools()
    {
        if (m_tools == nullptr)
            return;
        m_tools->PreUnload();
        BXSetTools(nullptr);
        m_tools->Uninitialize();
        ::FreeLibrary(m_module);
    }
};

BXString ProgramFolder()
{
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    BXString folder(BXFromWide(path));
    return folder.Left(folder.ReverseFind(u'\\') + 1);
}

void Pump()
{
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

int SaveScreenshots(CSampleWizard& wizard, BXString folder)
{
    if (!folder.IsEmpty() && folder[folder.GetLength() - 1] != u'\\')
        folder += u"\\";
    ::CreateDirectoryW(folder.W(), nullptr);
    if (!wizard.CreatePopup(nullptr))
        return 1;
    ::ShowWindow(wizard.GetSafeHwnd(), SW_SHOW);
    int failures = 0;
    for (int32_t page = 0; page < wizard.GetPageCount(); ++page) {
        wizard.GoToPage(page, true);
        Pump();
        const BXString path = folder + BXString::Formatted(u"page-%d.png", page + 1);
        if (!BXSaveWindowPng(wizard, path))
            ++failures;
    }
    wizard.EndModal(BXPopupWnd::kResultCancel);
    return failures == 0 ? 0 : 2;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    BXString skinFolder;
    BXString screenshots;
    for (int i = 1; argv != nullptr && i + 1 < argc; ++i) {
        const BXString option(BXFromWide(argv[i]));
        if (option == u"--skin")
            skinFolder = BXString(BXFromWide(argv[++i]));
        else if (option == u"--image")
            SetSampleImage(BXString(BXFromWide(argv[++i])));
        else if (option == u"--screenshots")
            screenshots = BXString(BXFromWide(argv[++i]));
    }
    if (argv != nullptr)
        ::LocalFree(argv);

    int result = 0;
    {
        LoadedTools tools;
        if (tools.Load(ProgramFolder()) && !skinFolder.IsEmpty()) {
            if (IBXSkin* skin = BXGetSkin())
                skin->SetSkinFolder(skinFolder.GetString());
        }
        CSampleWizard wizard;
        if (!screenshots.IsEmpty())
            result = SaveScreenshots(wizard, screenshots);
        else
            result = wizard.DoModal(nullptr) == BXPopupWnd::kResultFinish ? 0 : 1;
    }
    ::CoUninitialize();
    return result;
}
