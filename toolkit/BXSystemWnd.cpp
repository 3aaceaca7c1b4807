#include "BXSystemWnd.h"

#include "BXWndDeleteProbe.h"

#include <mutex>
#include <vector>

namespace {

struct ClassRegistry {
    std::mutex m_lock;
    std::vector<BXString> m_names;
    ~ClassRegistry()
    {
        for (const BXString& name : m_names)
            ::UnregisterClassW(name.W(), ::GetModuleHandleW(nullptr));
    }
};

ClassRegistry& Registry()
{
    // Destroyed at exit, which unregisters the classes.
    static ClassRegistry registry;
    return registry;
}

} // namespace

bool BXSystemWnd::RegisterWindowClass(const BXChar* className)
{
    ClassRegistry& registry = Registry();
    const std::lock_guard<std::mutex> guard(registry.m_lock);
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW info{};
    if (::GetClassInfoW(instance, BXWide(className), &info))
        return true;
    info.style = CS_DBLCLKS;
    info.lpfnWndProc = &BXSystemWnd::WindowProc;
    info.hInstance = instance;
    info.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    info.lpszClassName = BXWide(className);
    if (::RegisterClassW(&info) == 0)
        return false;
    registry.m_names.push_back(BXString(className));
    return true;
}

BXSystemWnd::~BXSystemWnd()
{
    DestroySystemWindow();
}

bool BXSystemWnd::CreateSystemWindow(DWORD exStyle, DWORD style, const RECT& rect, HWND parent, const BXString& text)
{
    if (m_hwnd != nullptr)
        return true;
    const BXChar* className = GetWindowClassName();
    if (className == nullptr || !RegisterWindowClass(className))
        return false;
    m_text = text;
    HWND window =
        ::CreateWindowExW(exStyle, BXWide(className), text.W(), style, rect.left, rect.top, rect.right - rect.left,
                          rect.bottom - rect.top, parent, nullptr, ::GetModuleHandleW(nullptr), this);
    if (window == nullptr)
        return false;
    OnCreate();
    return true;
}

void BXSystemWnd::DestroySystemWindow()
{
    HWND window = m_hwnd;
    if (window == nullptr)
        return;
    // Later messages of this window go to the default procedure.
    DetachHandle();
    ::DestroyWindow(window);
}

bool BXSystemWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    (void)message;
    (void)wParam;
    (void)lParam;
    (void)result;
    return false;
}

LRESULT CALLBACK BXSystemWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (auto* object = static_cast<BXSystemWnd*>(create->lpCreateParams))
            object->AttachHandle(window, true);
    }
    auto* object = dynamic_cast<BXSystemWnd*>(FromHandle(window));
    if (object == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);

    BXWndDeleteProbe probe(*object);
    LRESULT result = 0;
    const bool handled = object->OnMessage(message, wParam, lParam, result);
    if (!handled)
        result = ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY && !probe.IsDeleted() && object->m_hwnd == window) {
        object->DetachHandle();
        object->OnSystemWindowDestroyed();
    }
    return result;
}
