#include "BXApp.h"

#include "BXStringGlobals.h"
#include "CComponentLoader.h"
#include "CommandLine.h"
#include "IBXTools.h"

#include <ole2.h>

#include <atomic>
#include <cstdlib>

namespace {
BXApp* g_app = nullptr;
}

BXApp* GetApp()
{
    return g_app;
}

BXApp::BXApp()
{
    g_app = this;
    // Missing media and unopenable files never raise system dialogs.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

BXApp::~BXApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL BXApp::ProcessAttach(HINSTANCE instance, DWORD reason)
{
    if (reason == DLL_PROCESS_ATTACH) {
        if (m_attachCount++ == 0) {
            m_instance = instance;
            m_arguments = SplitCommandLine(BXString(BXFromWide(::GetCommandLineW())));
            if (!InitInstance()) {
                ExitInstance();
                return FALSE;
            }
        }
    } else if (reason == DLL_PROCESS_DETACH && m_attachCount > 0 && --m_attachCount == 0) {
        ExitInstance();
    }
    return TRUE;
}

int BXApp::Run(HINSTANCE instance, HINSTANCE, int showCommand)
{
    m_instance = instance;
    m_showCommand = showCommand;
    if (InitInstance())
        MessageLoop();
    ExitInstance();
    return m_exitCode;
}

int BXApp::RunFromModule()
{
    return Run(::GetModuleHandleW(nullptr), nullptr, SW_SHOWNORMAL);
}

bool BXApp::InitInstance()
{
    return true;
}

bool BXApp::ExitInstance()
{
    for (const auto& node : m_windowClasses)
        ::UnregisterClassW(node.m_key.W(), m_instance);
    m_windowClasses.RemoveAll();
    return true;
}

void BXApp::MessageLoop() {}

BXExecutableApp::~BXExecutableApp()
{
    UninitOle();
}

bool BXExecutableApp::InitInstance()
{
    static std::atomic<unsigned> seedCounter{0};
    BXStringGlobals::Get().RebuildTables(true);
    std::srand(unsigned(::GetTickCount()) + seedCounter++);
    InstallCrashHandler();
    InitOle();
    return LoadComponents();
}

bool BXExecutableApp::ExitInstance()
{
    CComponentLoader::UnloadComponents();
    UninitOle();
    return BXApp::ExitInstance();
}

bool BXExecutableApp::LoadComponents()
{
    BXString error;
    if (CComponentLoader::LoadComponents(m_instance, error))
        return true;
    wchar_t module[MAX_PATH + 1] = {};
    ::GetModuleFileNameW(nullptr, module, MAX_PATH);
    const BXString text = BXString::Formatted(
        u"The following module has failed to load:\r\n%s\r\n\r\nIt has reported the following error:\r\n\r\n%s"
        u"\r\n\r\nPlease reinstall the latest version of the program.",
        BXFromWide(module), error);
    // The tools component is what shows skinned boxes, so this one is plain.
    ::MessageBoxW(nullptr, text.W(), L"Critical Error", MB_OK);
    return false;
}

bool BXExecutableApp::InitOle()
{
    if (m_comMode == kOleInitialised)
        return true;
    if (m_comMode == kComInitialised) {
        ::CoUninitialize();
        m_comMode = kComNone;
    }
    if (SUCCEEDED(::OleInitialize(nullptr)))
        m_comMode = kOleInitialised;
    return true;
}

void BXExecutableApp::UninitOle()
{
    if (m_comMode == kComInitialised)
        ::CoUninitialize();
    else if (m_comMode == kOleInitialised)
        ::OleUninitialize();
    m_comMode = kComNone;
}

void BXGraphicalApp::MessageLoop()
{
    IBXToolsDLL* tools = BXGetTools();
    if (IBXWindowTools* window = tools != nullptr ? tools->GetWindow() : nullptr) {
        window->RunMessageLoop();
        return;
    }
    while (::GetMessageW(&m_message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&m_message);
        ::DispatchMessageW(&m_message);
    }
}

void BXGraphicalApp::InstallCrashHandler()
{
    // The crash handler of graphical applications arrives with the crash
    // reporting work; the installer never installs it.
}
