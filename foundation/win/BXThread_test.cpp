#include "BXThread.h"

#include "BXLogRecorder.h"
#include "BXTraceScope.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

class StubbornThread final : public BXThread {
public:
    ~StubbornThread() override { Stop(0); }
    std::atomic<bool> m_entered{false};

protected:
    bool ThreadMain() override
    {
        m_entered = true;
        for (;;)
            ::Sleep(5);
    }
};

class WaitingThread final : public BXThread {
public:
    ~WaitingThread() override { Stop(-1); }
    std::atomic<uint32_t> m_waitAnswer{0xFFFF};

protected:
    bool ThreadMain() override
    {
        m_waitAnswer = Wait(INFINITE, HANDLE(nullptr));
        return GetStopRequested();
    }
};

class RefusingThread final : public BXThread {
protected:
    bool OnBeforeStart() override { return false; }
};

bool Contains(const std::vector<std::u16string>& texts, const std::u16string& prefix)
{
    for (const auto& text : texts)
        if (text.rfind(prefix, 0) == 0)
            return true;
    return false;
}

} // namespace

TEST(BXThread, StopOfANeverStartedThreadReturnsAtOnce)
{
    BXThread thread;
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(thread.Stop(5000));
    EXPECT_LT(::GetTickCount() - start, 100u);
    EXPECT_EQ(thread.GetStartCount(), 0);
    EXPECT_FALSE(thread.IsRunning());
}

TEST(BXThread, PoliteStopEndsTheDefaultBodyAndHandsBackItsResult)
{
    BXThread thread;
    ASSERT_TRUE(thread.Start());
    EXPECT_TRUE(thread.IsRunning());
    EXPECT_NE(thread.GetThreadId(), 0u);
    // A second Start without restart leaves the running thread alone.
    EXPECT_TRUE(thread.Start());
    EXPECT_EQ(thread.GetStartCount(), 1);
    EXPECT_TRUE(thread.Stop(-1));
    EXPECT_FALSE(thread.IsRunning());
    EXPECT_EQ(thread.GetThreadId(), 0u);
    EXPECT_EQ(thread.GetStopEvent(), nullptr);
    // The result is handed out once.
    EXPECT_FALSE(thread.GetResult());

    ASSERT_TRUE(thread.Start(THREAD_PRIORITY_BELOW_NORMAL, true));
    EXPECT_FALSE(thread.GetStopRequested());
    EXPECT_EQ(thread.GetStartCount(), 2);
    EXPECT_TRUE(thread.Stop(-1));
}

TEST(BXThread, TheStopEventWakesABodyWaitingOnIt)
{
    WaitingThread thread;
    ASSERT_TRUE(thread.Start());
    ::Sleep(50);
    EXPECT_EQ(thread.m_waitAnswer.load(), 0xFFFFu);
    const DWORD start = ::GetTickCount();
    EXPECT_TRUE(thread.Stop(-1));
    EXPECT_LT(::GetTickCount() - start, 500u);
    EXPECT_EQ(thread.m_waitAnswer.load(), WAIT_OBJECT_0);
}

TEST(BXThread, AThreadThatIgnoresTheStopIsKilledJustAfterTheLimit)
{
    BXLogRecorder log;
    StubbornThread thread;
    ASSERT_TRUE(thread.Start());
    while (!thread.m_entered)
        ::Sleep(1);
    const DWORD start = ::GetTickCount();
    thread.Stop(500);
    const DWORD elapsed = ::GetTickCount() - start;
    EXPECT_GE(elapsed, 500u);
    EXPECT_LT(elapsed, 1200u);
    EXPECT_FALSE(thread.IsRunning());
    const auto texts = log.TextsOf(u"BXThread::Stop");
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), u"Start");
    EXPECT_TRUE(Contains(texts, u"Hard killing thread (handle="));
    bool limitNamed = false;
    for (const auto& text : texts)
        limitNamed = limitNamed || text.find(u"it exceeded timeout=500 MS") != std::u16string::npos;
    EXPECT_TRUE(limitNamed);
    EXPECT_TRUE(Contains(texts, u"Finish ("));
}

TEST(BXThread, ARefusedStartStartsNothing)
{
    RefusingThread thread;
    EXPECT_FALSE(thread.Start());
    EXPECT_EQ(thread.GetStartCount(), 0);
    EXPECT_FALSE(thread.IsRunning());
}

TEST(BXTraceScope, WritesStartAndFinishWithAndWithoutResult)
{
    BXLogRecorder log;
    {
        BXTraceScope trace(u"Scope A");
        trace.Trace(u"value %d of %s", 3, u"x");
        trace.SetResult(7);
    }
    {
        BXTraceScope trace(u"Scope B");
    }
    {
        BXTraceScope trace(u"Scope C", false);
        trace.Trace(u"never");
    }
    const auto a = log.TextsOf(u"Scope A");
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0], u"Start");
    EXPECT_EQ(a[1], u"value 3 of x");
    EXPECT_EQ(a[2].rfind(u"Finish (result: 7) (", 0), 0u);
    EXPECT_EQ(a[2].substr(a[2].size() - 4), u" ms)");
    const auto b = log.TextsOf(u"Scope B");
    ASSERT_EQ(b.size(), 2u);
    EXPECT_EQ(b[1].rfind(u"Finish (", 0), 0u);
    EXPECT_EQ(b[1].find(u"result"), std::u16string::npos);
    EXPECT_TRUE(log.TextsOf(u"Scope C").empty());
    for (const auto& line : log.Lines())
        EXPECT_EQ(line.level, 1);
}
