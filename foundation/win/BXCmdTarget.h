// An object with a hidden window that runs queued commands and timers on the
// thread that created it. Any thread may post; commands run only on the owning
// thread, in order, never under the queue lock; posts to a target whose
// window is gone are dropped.
#pragma once

#include "BXDeleteProbe.h"
#include "BXString.h"
#include "BXWindows.h"

#include <cstdint>
#include <vector>

struct BXCmd {
    int32_t m_values[4];
    int32_t m_internal; // 1 = timer request (kind, id, interval), 0 = a command for OnCommand
};
static_assert(sizeof(BXCmd) == 20, "BXCmd is a 20-byte record");

// Selects the queued commands a ProcessPending call runs.
class IBXCmdFilter {
public:
    virtual bool Select(const BXCmd& command) = 0;

protected:
    ~IBXCmdFilter() = default;
};

class IBXCmdTarget {
public:
    virtual bool IsValid() const = 0;
    virtual bool PostCommand(int32_t a, int32_t b, int32_t c, int32_t d) = 0;
    virtual bool Post(const BXCmd& command) = 0;
    virtual bool SendCommand(int32_t a, int32_t b, int32_t c, int32_t d) = 0;
    virtual bool Send(const BXCmd& command) = 0;
    virtual void ProcessPending(IBXCmdFilter* filter) = 0;
    virtual bool SetTimer(uint32_t id, int32_t intervalMs) = 0;
    virtual bool KillTimer(uint32_t id) = 0;
    virtual ~IBXCmdTarget() = default;
    virtual void OnCommand(const BXCmd&) {}
    virtual void OnTimer(uint32_t) {}
};

class IBXCmdTargetEvents {
public:
    static constexpr uint32_t kProcessPendingCode = 23000;
    virtual void OnEvent(uint32_t code) = 0;

protected:
    ~IBXCmdTargetEvents() = default;
};

class BXCmdTarget : public IBXCmdTarget, public IBXCmdTargetEvents, public BXDeleteProbeHost {
public:
    static constexpr UINT kCommandMessage = WM_APP + 2000;
    static constexpr const BXChar* kClassPrefix = u"Brenix Command Target Window Class - ";
    enum TimerKind : int32_t { kSetTimer = 1, kKillTimer = 2 };

    BXCmdTarget();
    ~BXCmdTarget() override;

    bool IsValid() const override;
    bool PostCommand(int32_t a, int32_t b, int32_t c, int32_t d) override;
    bool Post(const BXCmd& command) override;
    bool SendCommand(int32_t a, int32_t b, int32_t c, int32_t d) override;
    bool Send(const BXCmd& command) override;
    void ProcessPending(IBXCmdFilter* filter) override;
    bool SetTimer(uint32_t id, int32_t intervalMs) override;
    bool KillTimer(uint32_t id) override;
    void OnEvent(uint32_t code) override;

    HWND GetWindow() const { return m_window; }
    const BXString& GetClassName() const { return m_className; }
    // Runs the queued timer requests, in order, before a direct timer call.
    void PumpPendingTimers();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool MayCallTimersHere() const;
    bool RunTimerRequest(const BXCmd& command);

    CRITICAL_SECTION m_lock;
    DWORD m_ownerThreadId;
    std::vector<BXCmd> m_queue;
    BXString m_className;
    HWND m_window = nullptr;
};
