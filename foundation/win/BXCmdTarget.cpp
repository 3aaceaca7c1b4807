#include "BXCmdTarget.h"

#include "BXProcessPaths.h"

namespace {

class CPumpFilter final : public IBXCmdFilter {
public:
    bool Select(const BXCmd& command) override
    {
        return command.m_internal == 1 &&
               (command.m_values[0] == BXCmdTarget::kSetTimer || command.m_values[0] == BXCmdTarget::kKillTimer);
    }
};

class BXLockGuard {
public:
    explicit BXLockGuard(CRITICAL_SECTION& lock) : m_lock(lock) { ::EnterCriticalSection(&m_lock); }
    ~BXLockGuard() { ::LeaveCriticalSection(&m_lock); }
    BXLockGuard(const BXLockGuard&) = delete;
    BXLockGuard& operator=(const BXLockGuard&) = delete;

private:
    CRITICAL_SECTION& m_lock;
};

} // namespace

BXCmdTarget::BXCmdTarget() : m_ownerThreadId(::GetCurrentThreadId())
{
    ::InitializeCriticalSection(&m_lock);
    HINSTANCE module = ::GetModuleHandleW(nullptr);
    // 32-bit arithmetic on purpose: the value only has to make the class name unique.
    const uint32_t value = uint32_t(reinterpret_cast<uintptr_t>(this)) + ::GetTickCount() * 33u +
                           uint32_t(reinterpret_cast<uintptr_t>(module)) * 1089u;
    m_className = BXString::Formatted(u"%s0x%X", kClassPrefix, value);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &BXCmdTarget::WindowProc;
    windowClass.hInstance = module;
    windowClass.lpszClassName = m_className.W();
    ::RegisterClassW(&windowClass);
    m_window = ::CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_NOPARENTNOTIFY, m_className.W(), L"", 0, 0, 0, 0, 0,
                                 ::GetDesktopWindow(), nullptr, module, nullptr);
    if (m_window != nullptr)
        ::SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

BXCmdTarget::~BXCmdTarget()
{
    {
        BXLockGuard guard(m_lock);
        m_queue.clear();
    }
    if (m_window != nullptr) {
        ::SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&::DefWindowProcW));
        ::DestroyWindow(m_window);
        m_window = nullptr;
    }
    ::UnregisterClassW(m_className.W(), ::GetModuleHandleW(nullptr));
    ::DeleteCriticalSection(&m_lock);
}

LRESULT CALLBACK BXCmdTarget::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER || message == kCommandMessage) {
        auto* target = reinterpret_cast<BXCmdTarget*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        wchar_t name[256] = {};
        const int length = ::GetClassNameW(window, name, 256);
        // Accepted only when the window is one of ours and carries this object's own class.
        const BXString className(BXFromWide(name), length);
        if (target != nullptr && className.Find(kClassPrefix) == 0 && className == target->m_className) {
            if (message == WM_TIMER)
                target->OnTimer(uint32_t(wParam));
            else
                target->ProcessPending(nullptr);
        }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool BXCmdTarget::IsValid() const
{
    return m_window != nullptr && ::IsWindow(m_window);
}

bool BXCmdTarget::PostCommand(int32_t a, int32_t b, int32_t c, int32_t d)
{
    return Post(BXCmd{{a, b, c, d}, 0});
}

bool BXCmdTarget::Post(const BXCmd& command)
{
    if (!IsValid())
        return false;
    {
        BXLockGuard guard(m_lock);
        m_queue.push_back(command);
    }
    return ::PostMessageW(m_window, kCommandMessage, WPARAM(reinterpret_cast<uintptr_t>(this)), 0) != FALSE;
}

bool BXCmdTarget::SendCommand(int32_t a, int32_t b, int32_t c, int32_t d)
{
    return Send(BXCmd{{a, b, c, d}, 0});
}

bool BXCmdTarget::Send(const BXCmd& command)
{
    if (!IsValid())
        return false;
    OnCommand(command);
    return true;
}

void BXCmdTarget::ProcessPending(IBXCmdFilter* filter)
{
    if (::GetCurrentThreadId() != m_ownerThreadId)
        return;
    ::EnterCriticalSection(&m_lock);
    for (;;) {
        // Commands run may post or process others: search afresh each time.
        auto next = m_queue.begin();
        while (next != m_queue.end() && filter != nullptr && !filter->Select(*next))
            ++next;
        if (next == m_queue.end())
            break;
        const BXCmd command = *next;
        m_queue.erase(next);
        if (command.m_internal == 1) {
            RunTimerRequest(command);
            continue;
        }
        ::LeaveCriticalSection(&m_lock);
        BXDeleteProbe probe(*this);
        OnCommand(command);
        if (probe.IsDeleted())
            return;
        ::EnterCriticalSection(&m_lock);
    }
    ::LeaveCriticalSection(&m_lock);
}

bool BXCmdTarget::RunTimerRequest(const BXCmd& command)
{
    if (command.m_values[0] == kSetTimer)
        return ::SetTimer(m_window, UINT_PTR(uint32_t(command.m_values[1])), UINT(command.m_values[2]), nullptr) != 0;
    if (command.m_values[0] == kKillTimer)
        return ::KillTimer(m_window, UINT_PTR(uint32_t(command.m_values[1]))) != FALSE;
    return false;
}

void BXCmdTarget::PumpPendingTimers()
{
    CPumpFilter filter;
    ProcessPending(&filter);
}

bool BXCmdTarget::MayCallTimersHere() const
{
    // The owning thread counts too: a target made on another thread would
    // otherwise re-queue its own requests for ever.
    return ::GetCurrentThreadId() == m_ownerThreadId || GetProcessPaths().IsMainThread();
}

bool BXCmdTarget::SetTimer(uint32_t id, int32_t intervalMs)
{
    const int32_t interval = intervalMs < 1 ? 1 : intervalMs;
    if (!MayCallTimersHere())
        return Post(BXCmd{{kSetTimer, int32_t(id), interval, 0}, 1});
    PumpPendingTimers();
    return RunTimerRequest(BXCmd{{kSetTimer, int32_t(id), interval, 0}, 1});
}

bool BXCmdTarget::KillTimer(uint32_t id)
{
    if (!MayCallTimersHere())
        return Post(BXCmd{{kKillTimer, int32_t(id), 0, 0}, 1});
    PumpPendingTimers();
    return RunTimerRequest(BXCmd{{kKillTimer, int32_t(id), 0, 0}, 1});
}

void BXCmdTarget::OnEvent(uint32_t code)
{
    if (code == kProcessPendingCode)
        ProcessPending(nullptr);
    else
        OnTimer(code);
}
