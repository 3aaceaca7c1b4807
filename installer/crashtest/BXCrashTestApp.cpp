// The framework's crash-handler test program: a graphical application that
// installs the crash handler, loads BXTools.dll from its own folder and then
// crashes as its argument asks: "/Crash" (access violation while the product
// command message is dispatched) or "/CrashTwice" (a second thread crashes
// while the reporter runs).
#include "BXApp.h"
#include "BXProcessPaths.h"
#include "IBXTools.h"

#include <process.h>

namespace {

constexpr UINT kCrashMessage = BXGraphicalApp::kProductCommandMessage;
int32_t g_command[2] = {7, 42};

void Crash()
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

unsigned __stdcall SecondCrash(void*)
{
    ::Sleep(500);
    Crash();
    return 0;
}

LRESULT CALLBACK CrashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCrashMessage) {
        Crash();
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class CCrashTestApp final : public BXGraphicalApp {
public:
    bool InitInstance() override
    {
        InstallCrashHandler();
        BXString folder = GetProcessPaths().GetExecutablePath();
        folder.StripFileName();
        GetProcessPaths().SetProgramPath(folder, false, false);
        HMODULE module = ::LoadLibraryW((folder + u"BXTools.dll").W());
        auto entry = module != nullptr ? reinterpret_cast<BXGetToolsFunction>(
                                             reinterpret_cast<void*>(::GetProcAddress(module, kBXToolsEntryName)))
                                       : nullptr;
        IBXToolsDLL* tools = entry != nullptr ? entry(kBXToolsInterfaceVersion) : nullptr;
        BXString error;
        BXDllStringRef out(error);
        if (tools != nullptr && tools->Initialize(m_instance, &out))
            BXSetTools(tools);

        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = CrashWindowProc;
        windowClass.hInstance = m_instance;
        windowClass.lpszClassName = L"BXCrashTestWindow";
        ::RegisterClassW(&windowClass);
        HWND window =
            ::CreateWindowExW(0, L"BXCrashTestWindow", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, m_instance, nullptr);
        const BXString mode = m_arguments.GetCount() > 0 ? m_arguments[0] : BXString();
        if (mode == BXString(u"/CrashTwice"))
            ::CloseHandle(reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, &SecondCrash, nullptr, 0, nullptr)));
        ::PostMessageW(window, kCrashMessage, WPARAM(reinterpret_cast<uintptr_t>(g_command)), 0);
        return true;
    }
    // The framework's own loop, so the crash log can name the message being dispatched.
    void MessageLoop() override
    {
        while (::GetMessageW(&m_message, nullptr, 0, 0) > 0) {
            ::TranslateMessage(&m_message);
            ::DispatchMessageW(&m_message);
        }
    }
};

CCrashTestApp g_app;

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR, int showCommand)
{
    BXApp* app = GetApp();
    BXStringArray& arguments = app->GetArguments();
    for (int i = 1; i < __argc; ++i)
        arguments.Add(BXString(BXFromWide(__wargv[i])));
    return app->Run(instance, previous, showCommand);
}
