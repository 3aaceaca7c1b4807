#include "BXNullTools.h"
#include "BXThread.h"
#include "BXToolsServices.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A tools root that offers only the real window service.
class WindowOnlyTools final : public BXNullTools {
public:
    WindowOnlyTools() { BXSetTools(this); }
    ~WindowOnlyTools() { BXSetTools(nullptr); }
    IBXWindowTools* GetWindow() override { return &m_window; }

    BXToolsWindow m_window;
};

// Posts first..last to the main thread and ends.
class ReportingThread final : public BXThread {
public:
    ReportingThread(int first, int last) : m_first(first), m_last(last) { SetUseMainThreadMessages(true); }
    ~ReportingThread() override { Stop(-1); }
    std::vector<std::pair<intptr_t, DWORD>> m_received;
    bool m_allPosted = true;

protected:
    bool ThreadMain() override
    {
        for (int i = m_first; i <= m_last; ++i)
            m_allPosted = PostMainThreadMessage(i, 0) && m_allPosted;
        return true;
    }
    bool MainThreadMessage(intptr_t first, intptr_t) override
    {
        m_received.push_back({first, ::GetCurrentThreadId()});
        return true;
    }

private:
    int m_first;
    int m_last;
};

void PumpFor(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < milliseconds) {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
        ::Sleep(5);
    }
}

} // namespace

TEST(BXToolsMainThreadMessages, WorkerMessagesReachTheMainThreadInOrder)
{
    WindowOnlyTools tools;
    ReportingThread thread(1, 50);
    ASSERT_TRUE(thread.Start());
    PumpFor(200);
    EXPECT_TRUE(thread.m_allPosted);
    ASSERT_EQ(thread.m_received.size(), 50u);
    for (size_t i = 0; i < 50; ++i) {
        EXPECT_EQ(thread.m_received[i].first, intptr_t(i + 1));
        EXPECT_EQ(thread.m_received[i].second, ::GetCurrentThreadId());
    }
    EXPECT_TRUE(thread.Stop(-1));
}

TEST(BXToolsMainThreadMessages, StopFlushesPendingMessagesUnlessTold)
{
    WindowOnlyTools tools;
    for (const bool flush : {true, false}) {
        SCOPED_TRACE(flush);
        ReportingThread thread(6, 7);
        thread.SetFlushOnStop(flush);
        ASSERT_TRUE(thread.Start());
        while (thread.IsRunning())
            ::Sleep(5); // no pumping: the messages stay queued
        thread.Stop(-1);
        EXPECT_EQ(thread.m_received.size(), flush ? 2u : 0u);
        PumpFor(50); // dropped messages never arrive later
        EXPECT_EQ(thread.m_received.size(), flush ? 2u : 0u);
    }
}
