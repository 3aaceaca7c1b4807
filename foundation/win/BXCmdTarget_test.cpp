#include "BXCmdTarget.h"

#include "BXProcessPaths.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

namespace {

struct Event {
    char kind; // 'c' command, 't' timer
    int32_t value;
    DWORD threadId;
};

class RecordingTarget : public BXCmdTarget {
public:
    std::vector<Event> m_events;
    std::unique_ptr<RecordingTarget>* m_owner = nullptr; // deletes itself on command 99

    void OnCommand(const BXCmd& command) override
    {
        m_events.push_back({'c', command.m_values[0], ::GetCurrentThreadId()});
        if (command.m_values[0] == 99 && m_owner != nullptr)
            m_owner->reset();
    }
    void OnTimer(uint32_t id) override
    {
        m_events.push_back({'t', int32_t(id), ::GetCurrentThreadId()});
        BXCmdTarget::KillTimer(id);
    }
};

void Pump(DWORD milliseconds)
{
    const DWORD start = ::GetTickCount();
    do {
        MSG message;
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        ::Sleep(5);
    } while (::GetTickCount() - start < milliseconds);
}

} // namespace

TEST(BXCmdTarget, HiddenWindowCarriesAUniqueClassOfTheFixedPrefix)
{
    BXCmdTarget first;
    BXCmdTarget second;
    ASSERT_TRUE(first.IsValid());
    EXPECT_EQ(first.GetClassName().Find(BXCmdTarget::kClassPrefix), 0);
    EXPECT_EQ(first.GetClassName().Find(u"0x"), BXString(BXCmdTarget::kClassPrefix).GetLength());
    EXPECT_NE(first.GetClassName(), second.GetClassName());
    EXPECT_FALSE(::IsWindowVisible(first.GetWindow()));
}

TEST(BXCmdTarget, CommandsPostedFromAWorkerRunOnTheOwningThreadInOrder)
{
    RecordingTarget target;
    std::thread worker([&target] {
        for (int32_t i = 1; i <= 5; ++i)
            EXPECT_TRUE(target.PostCommand(i, 0, 0, 0));
        // Processing from a foreign thread runs nothing.
        target.ProcessPending(nullptr);
    });
    worker.join();
    EXPECT_TRUE(target.m_events.empty());
    Pump(50);
    ASSERT_EQ(target.m_events.size(), 5u);
    for (int32_t i = 0; i < 5; ++i) {
        EXPECT_EQ(target.m_events[size_t(i)].value, i + 1);
        EXPECT_EQ(target.m_events[size_t(i)].threadId, ::GetCurrentThreadId());
    }
}

TEST(BXCmdTarget, TimerRequestsFromAWorkerBecomeRealTimersInOrder)
{
    // The path record names the main thread on first use: make it this one.
    ASSERT_TRUE(GetProcessPaths().IsMainThread());
    RecordingTarget target;
    std::thread worker([&target] {
        EXPECT_TRUE(target.SetTimer(5, 10));
        EXPECT_TRUE(target.KillTimer(5)); // queued after the set: timer 5 must never fire
        EXPECT_TRUE(target.SetTimer(6, 0));
    });
    worker.join();
    // Still requests: nothing was set on the worker.
    EXPECT_FALSE(::KillTimer(target.GetWindow(), 6));
    Pump(300);
    ASSERT_EQ(target.m_events.size(), 1u);
    EXPECT_EQ(target.m_events[0].kind, 't');
    EXPECT_EQ(target.m_events[0].value, 6);
    EXPECT_EQ(target.m_events[0].threadId, ::GetCurrentThreadId());
}

TEST(BXCmdTarget, ADirectTimerCallRunsEarlierRequestsFirst)
{
    ASSERT_TRUE(GetProcessPaths().IsMainThread());
    RecordingTarget target;
    std::thread worker([&target] { target.SetTimer(8, 1); });
    worker.join();
    // On the owning thread the queued set runs before this kill.
    EXPECT_TRUE(target.KillTimer(8));
    Pump(100);
    EXPECT_TRUE(target.m_events.empty());
}

TEST(BXCmdTarget, FilterSelectsAndDeleteDuringACommandStopsTheWalk)
{
    class Even final : public IBXCmdFilter {
    public:
        bool Select(const BXCmd& command) override { return command.m_values[0] % 2 == 0; }
    } even;
    auto target = std::make_unique<RecordingTarget>();
    RecordingTarget* raw = target.get();
    for (int32_t value : {1, 2, 3, 4})
        raw->PostCommand(value, 0, 0, 0);
    raw->ProcessPending(&even);
    ASSERT_EQ(raw->m_events.size(), 2u);
    EXPECT_EQ(raw->m_events[0].value, 2);
    EXPECT_EQ(raw->m_events[1].value, 4);
    raw->ProcessPending(nullptr);
    ASSERT_EQ(raw->m_events.size(), 4u);
    EXPECT_EQ(raw->m_events[2].value, 1);

    raw->m_owner = &target;
    raw->PostCommand(99, 0, 0, 0);
    raw->PostCommand(100, 0, 0, 0);
    raw->ProcessPending(nullptr);
    EXPECT_EQ(target, nullptr);
    Pump(30); // the posted wake-ups reach a destroyed window: nothing runs
}

TEST(BXCmdTarget, SendRunsAtOnceAndEventCodesRoute)
{
    RecordingTarget target;
    EXPECT_TRUE(target.SendCommand(42, 0, 0, 0));
    ASSERT_EQ(target.m_events.size(), 1u);
    EXPECT_EQ(target.m_events[0].value, 42);
    target.PostCommand(43, 0, 0, 0);
    target.OnEvent(IBXCmdTargetEvents::kProcessPendingCode);
    ASSERT_EQ(target.m_events.size(), 2u);
    EXPECT_EQ(target.m_events[1].value, 43);
    target.OnEvent(17);
    ASSERT_EQ(target.m_events.size(), 3u);
    EXPECT_EQ(target.m_events[2].kind, 't');
    EXPECT_EQ(target.m_events[2].value, 17);
}
