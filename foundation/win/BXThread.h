// A worker thread with a polite stop: Stop asks the body to end (flag and
// event), polls until it has, and kills it after the time limit. Start, Stop
// and the setters belong to the owning thread; the body runs ThreadMain and
// may send results back through the main-thread messages of the tools
// component. Derived classes stop the thread in their own destructor.
#pragma once

#include "BXHandle.h"
#include "IBXTools.h"

#include <atomic>
#include <memory>

class BXThread : public IMainThreadMessageManagerCallback {
public:
    BXThread() = default;
    BXThread(const BXThread&) = delete;
    BXThread& operator=(const BXThread&) = delete;

    bool OnMainThreadMessage(intptr_t first, intptr_t second) override;
    virtual ~BXThread();
    // True when the thread runs; with restart a running thread is stopped and started anew.
    virtual bool Start(int priority = 0, bool restart = false);
    // The result of the last ThreadMain; -1 means the stop time limit.
    virtual bool Stop(int32_t timeLimitMs = -1);
    virtual void RequestStop(bool stop);
    virtual void DrainMainThreadMessages();
    virtual bool SetPriority(int priority);
    virtual bool IsRunning() const;
    virtual void WaitForExit();
    // Wait on the stop event, the thread and the extra handle, when given; the WaitForMultipleObjects answer.
    virtual uint32_t Wait(uint32_t milliseconds, HANDLE extra);
    virtual uint32_t Wait(uint32_t milliseconds, const HANDLE* extra);
    virtual bool GetResult() const { return m_result.load(); }
    virtual uint32_t GetThreadId() const { return m_threadId.load(); }
    virtual bool GetStopRequested() const { return m_stopRequested.load(); }
    virtual HANDLE GetStopEvent() const { return m_stopEvent ? m_stopEvent->Get() : nullptr; }
    virtual bool MayBeKilled() const { return true; }
    virtual int32_t GetStartCount() const { return m_startCount; }
    virtual void SetStopTimeLimit(int32_t milliseconds) { m_stopTimeLimit = milliseconds; }
    virtual void SetPumpWhileStopping(bool pump) { m_pumpWhileStopping = pump; }
    virtual void SetPollInterval(int32_t milliseconds) { m_pollInterval = milliseconds; }
    virtual void SetFlushOnStop(bool flush) { m_flushOnStop = flush; }
    virtual void SetInitialiseCom(bool initialise) { m_initialiseCom = initialise; }

    void SetUseMainThreadMessages(bool use) { m_useMainThreadMessages = use; }
    // From the worker: queues a message for MainThreadMessage on the owning thread.
    bool PostMainThreadMessage(intptr_t first, intptr_t second);

protected:
    virtual bool ThreadMain();
    virtual bool MainThreadMessage(intptr_t first, intptr_t second);
    virtual bool OnBeforeStart() { return true; }
    virtual bool StartThread(int priority);
    virtual void CloseThreadHandle();
    virtual void EndThread();

private:
    static unsigned __stdcall ThreadProc(void* parameter);
    static IBXWindowTools* WindowTools();

    std::atomic<HANDLE> m_thread{nullptr};
    std::atomic<uint32_t> m_threadId{0};
    std::atomic<bool> m_stopRequested{false};
    std::shared_ptr<BXHandle> m_stopEvent;
    int32_t m_stopTimeLimit = -1;
    int32_t m_pollInterval = 20;
    int32_t m_startCount = 0;
    std::atomic<bool> m_result{false};
    bool m_registered = false;
    bool m_useMainThreadMessages = false;
    bool m_pumpWhileStopping = false;
    bool m_flushOnStop = true;
    bool m_initialiseCom = false;
};
