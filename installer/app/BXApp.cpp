#include "BXApp.h"

#include "BXProcessPaths.h"
#include "BXSharedMemory.h"
#include "BXStringGlobals.h"
#include "CComponentLoader.h"
#include "CommandLine.h"
#include "IBXTools.h"

#include <ole2.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>

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

namespace {

BXGraphicalApp* g_crashApp = nullptr;
std::unique_ptr<BXSharedMemory> g_crashInfo;
// Checked and set at entry: a second crash, on any thread, returns at once.
std::atomic<bool> g_crashRoutineRan{false};

constexpr const BXChar* kCrashCategory = u"TopLevelExceptionFilter";

LONG WINAPI CrashFilter(EXCEPTION_POINTERS* pointers)
{
    BXGraphicalApp::CrashRoutine(pointers);
    return EXCEPTION_CONTINUE_SEARCH;
}

void PureCallHandler()
{
    BXGraphicalApp::CrashRoutine(nullptr);
}

} // namespace

void BXGraphicalApp::InstallCrashHandler()
{
    g_crashApp = this;
    g_crashInfo =
        std::make_unique<BXSharedMemory>(BXString::Formatted(u"BXCrashInfo%d", int32_t(::GetCurrentProcessId())), 12);
    ::SetUnhandledExceptionFilter(&CrashFilter);
    ::_set_purecall_handler(&PureCallHandler);
}

void BXGraphicalApp::CrashRoutine(EXCEPTION_POINTERS* pointers)
{
    EXCEPTION_RECORD ownRecord{};
    alignas(16) CONTEXT ownContext{};
    EXCEPTION_POINTERS ownPointers{&ownRecord, &ownContext};
    if (pointers == nullptr) {
        ownContext.ContextFlags = CONTEXT_FULL;
        ::RtlCaptureContext(&ownContext);
        pointers = &ownPointers;
    }
    ::LockSetForegroundWindow(LSFW_UNLOCK);
    IBXToolsDLL* tools = BXGetTools();
    IBXLog* log = tools != nullptr ? tools->GetLog() : nullptr;
    if (g_crashRoutineRan.exchange(true) || log == nullptr)
        return;
    log->Write(IBXLog::kInfo, kCrashCategory, u"Unhandled exception -- program crashing");
    if (g_crashApp != nullptr) {
        const MSG& message = g_crashApp->m_message;
        log->Write(IBXLog::kInfo, kCrashCategory,
                   BXString::Formatted(u"Message: %d, wParam: %d, lParam: %d", int32_t(message.message),
                                       int32_t(message.wParam), int32_t(message.lParam))
                       .GetString());
        if (message.message == kProductCommandMessage && message.wParam != 0) {
            const auto* command = reinterpret_cast<const int32_t*>(message.wParam);
            log->Write(IBXLog::kInfo, kCrashCategory,
                       BXString::Formatted(u"CAC: %d, Param: %d", command[0], command[1]).GetString());
        }
    }
    if (!g_crashInfo || !g_crashInfo->IsValid()) {
        log->Write(IBXLog::kInfo, kCrashCategory, u"Unable to call crash handler, crash info struct not available");
        return;
    }
    const uint32_t fields[3] = {uint32_t(::GetCurrentProcessId()), uint32_t(::GetCurrentThreadId()),
                                uint32_t(reinterpret_cast<uintptr_t>(pointers))};
    std::memcpy(g_crashInfo->Data(), fields, sizeof(fields));
    BXString program = GetProcessPaths().GetProgramPath();
    program.AppendPath(u"BXCrashHandler.exe");
    BXString commandLine = BXString(u"\"") + program + u"\" " + g_crashInfo->GetName();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(program.W(), const_cast<wchar_t*>(commandLine.W()), nullptr, nullptr, FALSE, 0, nullptr,
                         nullptr, &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, INFINITE);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
}
