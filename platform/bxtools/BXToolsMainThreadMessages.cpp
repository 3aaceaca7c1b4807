#include "BXToolsMainThreadMessages.h"

#include "BXWindows.h"

#include <algorithm>

namespace {

constexpr UINT kDeliverMessage = WM_APP + 2001;
constexpr const wchar_t* kWindowClass = L"Brenix Main Thread Messages";

LRESULT CALLBACK MessageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kDeliverMessage) {
        auto* manager = reinterpret_cast<BXToolsMainThreadMessages*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (manager != nullptr)
            manager->Deliver(nullptr);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

BXToolsMainThreadMessages::~BXToolsMainThreadMessages()
{
    if (m_window != nullptr && ::IsWindow(static_cast<HWND>(m_window))) {
        ::SetWindowLongPtrW(static_cast<HWND>(m_window), GWLP_USERDATA, 0);
        ::DestroyWindow(static_cast<HWND>(m_window));
    }
}

bool BXToolsMainThreadMessages::IsRegistered(IMainThreadMessageManagerCallback* callback) const
{
    return std::find(m_callbacks.begin(), m_callbacks.end(), callback) != m_callbacks.end();
}

bool BXToolsMainThreadMessages::Register(IMainThreadMessageManagerCallback* callback)
{
    if (callback == nullptr)
        return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_window == nullptr) {
        HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = MessageWindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kWindowClass;
        ::RegisterClassW(&windowClass);
        HWND window = ::CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
        if (window == nullptr)
            return false;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_window = window;
        m_threadId = ::GetCurrentThreadId();
    }
    if (!IsRegistered(callback))
        m_callbacks.push_back(callback);
    return true;
}

bool BXToolsMainThreadMessages::Post(IMainThreadMessageManagerCallback* callback, intptr_t first, intptr_t second)
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_window == nullptr || !IsRegistered(callback))
        return false;
    m_queue.push_back({callback, first, second});
    return ::PostMessageW(static_cast<HWND>(m_window), kDeliverMessage, 0, 0) != FALSE;
}

void BXToolsMainThreadMessages::Unregister(IMainThreadMessageManagerCallback* callback, bool flush)
{
    if (flush && ::GetCurrentThreadId() == m_threadId)
        Deliver(callback);
    std::lock_guard<std::mutex> guard(m_lock);
    m_callbacks.erase(std::remove(m_callbacks.begin(), m_callbacks.end(), callback), m_callbacks.end());
    m_queue.erase(std::remove_if(m_queue.begin(), m_queue.end(),
                                 [callback](const Message& message) { return message.m_callback == callback; }),
                  m_queue.end());
}

void BXToolsMainThreadMessages::Deliver(IMainThreadMessageManagerCallback* only)
{
    for (;;) {
        Message next{};
        {
            std::lock_guard<std::mutex> guard(m_lock);
            auto found = std::find_if(m_queue.begin(), m_queue.end(), [only](const Message& message) {
                return only == nullptr || message.m_callback == only;
            });
            if (found == m_queue.end())
                return;
            next = *found;
            m_queue.erase(found);
        }
        // Called without the lock: the callback may post or unregister.
        next.m_callback->OnMainThreadMessage(next.m_first, next.m_second);
    }
}
