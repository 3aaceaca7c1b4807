// Stand-in of the product's main program: records its start, shows the
// hidden "VTFrame" main window and receives command lines on its post-string
// channel, recording each in the journal as "Cantora.exe post". Ends on
// WM_CLOSE or after a minute, so a test never leaves it behind.
#include "BXWindows.h"
#include "CPostString.h"
#include "ProductJournal.h"

#include <memory>

namespace {

// The channel is named after the product's display name (name form 1).
constexpr const BXChar* kChannel = u"Cantora 23 Media Suite FC_IPC";
constexpr UINT_PTR kLifetimeTimer = 1;
std::unique_ptr<CPostString> g_channel;

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == CPostString::kMessage && g_channel) {
        BXString text;
        uint32_t tag = 0;
        uint32_t nonce = 0;
        while (g_channel->Receive(text, tag, nonce)) {
            if (!text.IsEmpty())
                AppendToProductJournal(u"Cantora.exe post", text);
        }
        return 0;
    }
    if (message == WM_TIMER && wParam == kLifetimeTimer) {
        ::DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    AppendToProductJournal(u"Cantora.exe", BXString(BXFromWide(commandLine)));
    g_channel = std::make_unique<CPostString>(BXString(kChannel), true);
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.lpszClassName = L"VTFrame";
    ::RegisterClassW(&frameClass);
    HWND frame = ::CreateWindowExW(0, L"VTFrame", L"Cantora", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                   instance, nullptr);
    if (frame == nullptr)
        return 1;
    ::SetTimer(frame, kLifetimeTimer, 60000, nullptr);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    g_channel.reset();
    return 0;
}
