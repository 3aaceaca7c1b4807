#include "BXThread.h"

#include "BXTraceScope.h"

#include <objbase.h>
#include <process.h>

#include <cerrno>

namespace {

using CancelSynchronousIoFunction = BOOL(WINAPI*)(HANDLE);

// Not offered before Windows Vista, so looked up by name.
CancelSynchronousIoFunction GetCancelSynchronousIo()
{
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr)
        return nullptr;
    return reinterpret_cast<CancelSynchronousIoFunction>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "CancelSynchronousIo")));
}

} // namespace

BXThread::~BXThread()
{
    // A body still running would outlive its object.
    Stop(-1);
}

IBXWindowTools* BXThread::WindowTools()
{
    IBXToolsDLL* tools = BXGetTools();
    return tools != nullptr ? tools->GetWindow() : nullptr;
}

bool BXThread::OnMainThreadMessage(intptr_t first, intptr_t second)
{
    return MainThreadMessage(first, second);
}

bool BXThread::MainThreadMessage(intptr_t, intptr_t)
{
    return false;
}

bool BXThread::PostMainThreadMessage(intptr_t first, intptr_t second)
{
    IBXWindowTools* window = WindowTools();
    return m_registered && window != nullptr && window->PostMainThreadMessage(this, first, second);
}

bool BXThread::Start(int priority, bool restart)
{
    if (IsRunning() && !restart)
        return true;
    Stop(-1);
    RequestStop(false);
    if (!OnBeforeStart())
        return false;
    if (m_useMainThreadMessages) {
        IBXWindowTools* window = WindowTools();
        m_registered = window != nullptr && window->RegisterMainThreadCallback(this);
    }
    m_stopEvent = std::make_shared<BXHandle>(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const bool started = StartThread(priority);
    if (started)
        ++m_startCount;
    return started;
}

bool BXThread::StartThread(int priority)
{
    unsigned id = 0;
    HANDLE thread =
        reinterpret_cast<HANDLE>(::_beginthreadex(nullptr, 0, &BXThread::ThreadProc, this, CREATE_SUSPENDED, &id));
    if (thread == nullptr) {
        BXTraceScope trace(u"BXThread::StartThread");
        trace.Trace(u"Error starting thread, errno=%d", int32_t(errno));
        return false;
    }
    m_threadId = id;
    m_thread = thread;
    if (priority != 0)
        ::SetThreadPriority(thread, priority);
    ::ResumeThread(thread);
    return m_thread.load() != nullptr;
}

unsigned __stdcall BXThread::ThreadProc(void* parameter)
{
    auto* self = static_cast<BXThread*>(parameter);
    const bool com = self->m_initialiseCom && SUCCEEDED(::CoInitialize(nullptr));
    self->m_result = self->ThreadMain();
    if (com)
        ::CoUninitialize();
    self->m_threadId = 0;
    // Once the handle is gone Stop may return and the owner free the object:
    // nothing here touches it afterwards, so the thread ends by returning.
    self->CloseThreadHandle();
    return 0;
}

void BXThread::CloseThreadHandle()
{
    if (HANDLE thread = m_thread.exchange(nullptr))
        ::CloseHandle(thread);
}

void BXThread::EndThread()
{
    ::_endthreadex(0);
}

bool BXThread::ThreadMain()
{
    while (!m_stopRequested.load())
        ::Sleep(100);
    return true;
}

void BXThread::RequestStop(bool stop)
{
    m_stopRequested = stop;
    if (m_stopEvent && m_stopEvent->IsValid()) {
        if (stop)
            ::SetEvent(m_stopEvent->Get());
        else
            ::ResetEvent(m_stopEvent->Get());
    }
}

bool BXThread::Stop(int32_t timeLimitMs)
{
    if (m_startCount == 0)
        return true;
    if (!m_stopRequested.load() || !m_stopEvent)
        RequestStop(true);
    const int32_t limit = timeLimitMs == -1 ? m_stopTimeLimit : timeLimitMs;
    const DWORD start = ::GetTickCount();
    bool cancelTried = false;
    while (HANDLE thread = m_thread.load()) {
        const DWORD elapsed = ::GetTickCount() - start;
        if (limit >= 0 && elapsed > DWORD(limit) && MayBeKilled()) {
            BXTraceScope trace(u"BXThread::Stop");
            trace.Trace(u"Hard killing thread (handle=%x, threadId=%d), it exceeded timeout=%d MS",
                        uint32_t(reinterpret_cast<uintptr_t>(thread)), m_threadId.load(), limit);
            if (!cancelTried) {
                cancelTried = true;
                CancelSynchronousIoFunction cancel = GetCancelSynchronousIo();
                if (cancel != nullptr && cancel(thread)) {
                    ::Sleep(100);
                    continue;
                }
            }
            // The worker may have ended meanwhile; whoever takes the handle closes it.
            if (HANDLE owned = m_thread.exchange(nullptr)) {
                ::TerminateThread(owned, 1);
                ::CloseHandle(owned);
            }
            m_threadId = 0;
        } else if (elapsed > 1000 && ::GetThreadPriority(thread) == THREAD_PRIORITY_ERROR_RETURN) {
            BXTraceScope trace(u"BXThread::Stop");
            trace.Trace(u"GetThreadPriority returned error, errno=%d", int32_t(::GetLastError()));
            m_thread = nullptr;
            m_threadId = 0;
        } else {
            if (m_pumpWhileStopping) {
                MSG message;
                while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    ::TranslateMessage(&message);
                    ::DispatchMessageW(&message);
                }
            }
            ::Sleep(DWORD(m_pollInterval));
        }
    }
    if (m_registered) {
        if (IBXWindowTools* window = WindowTools())
            window->UnregisterMainThreadCallback(this, m_flushOnStop);
        m_registered = false;
    }
    m_stopEvent.reset();
    m_thread = nullptr;
    m_threadId = 0;
    return m_result.exchange(false);
}

void BXThread::DrainMainThreadMessages()
{
    IBXWindowTools* window = WindowTools();
    if (!m_registered || window == nullptr)
        return;
    // The service delivers an object's queue when it unregisters with flush.
    window->UnregisterMainThreadCallback(this, true);
    m_registered = window->RegisterMainThreadCallback(this);
}

bool BXThread::SetPriority(int priority)
{
    HANDLE thread = m_thread.load();
    return thread != nullptr && ::SetThreadPriority(thread, priority) != FALSE;
}

bool BXThread::IsRunning() const
{
    return m_thread.load() != nullptr;
}

void BXThread::WaitForExit()
{
    if (HANDLE thread = m_thread.load())
        ::WaitForSingleObject(thread, INFINITE);
}

uint32_t BXThread::Wait(uint32_t milliseconds, HANDLE extra)
{
    HANDLE handles[3];
    DWORD count = 0;
    if (HANDLE stop = GetStopEvent())
        handles[count++] = stop;
    if (HANDLE thread = m_thread.load())
        handles[count++] = thread;
    if (extra != nullptr)
        handles[count++] = extra;
    if (count == 0)
        return WAIT_FAILED;
    return ::WaitForMultipleObjects(count, handles, FALSE, milliseconds);
}

uint32_t BXThread::Wait(uint32_t milliseconds, const HANDLE* extra)
{
    return Wait(milliseconds, extra != nullptr ? *extra : nullptr);
}
