#include "BXButton.h"
#include "BXForeignWnd.h"
#include "BXStatic.h"
#include "BXWndDeleteProbe.h"
#include "BXWndPtr.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(BXWndPtr, ReadsNullForEveryCopyOnceTheControlIsDeleted)
{
    auto* control = new BXStatic(BXString(u"label"));
    BXTypedWndPtr<BXStatic> first(control);
    BXTypedWndPtr<BXStatic> second(first);
    BXWndPtr third;
    third = second;
    EXPECT_EQ(first.Get(), control);
    EXPECT_EQ(second.Get(), control);
    EXPECT_EQ(third.GetMode(), BXWndPtr::kWatching);

    delete control;

    EXPECT_EQ(first.Get(), nullptr);
    EXPECT_EQ(second.Get(), nullptr);
    EXPECT_EQ(third.Get(), nullptr);
    EXPECT_EQ(first.GetMode(), BXWndPtr::kEmpty);
}

TEST(BXWndPtr, PointerGoneBeforeTheControlLeavesNoProbeBehind)
{
    auto control = std::make_unique<BXStatic>();
    BXWndPtr survivor(control.get());
    {
        BXWndPtr shortLived(control.get());
        shortLived = control.get(); // same object again: no second registration
    }
    // Deleting notifies only live probes; the survivor is cleared.
    control.reset();
    EXPECT_EQ(survivor.Get(), nullptr);
}

TEST(BXWndPtr, MovingToAnotherControlStopsWatchingTheFirst)
{
    auto first = std::make_unique<BXStatic>();
    auto second = std::make_unique<BXStatic>();
    BXWndPtr pointer(first.get());
    pointer = second.get();
    first.reset();
    EXPECT_EQ(pointer.Get(), second.get());
    second.reset();
    EXPECT_EQ(pointer.Get(), nullptr);
}

TEST(BXWndPtr, ForeignWindowIsHeldThroughAnOwnedWrapper)
{
    HWND window = ::CreateWindowExW(0, L"STATIC", L"foreign", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        auto wrapper = std::make_unique<BXForeignWnd>(window);
        BXWndPtr pointer(wrapper.get());
        EXPECT_EQ(pointer.GetMode(), BXWndPtr::kOwning);
        ASSERT_NE(pointer.Get(), nullptr);
        EXPECT_NE(pointer.Get(), wrapper.get());
        EXPECT_EQ(pointer.Get()->GetSafeHwnd(), window);

        BXWndPtr copy(pointer);
        EXPECT_EQ(copy.GetMode(), BXWndPtr::kOwning);
        EXPECT_NE(copy.Get(), pointer.Get());
        EXPECT_EQ(copy.Get()->GetSafeHwnd(), window);

        // The caller's wrapper may go; the pointer keeps its own.
        wrapper.reset();
        EXPECT_EQ(pointer.Get()->GetSafeHwnd(), window);
        pointer.Clear();
        EXPECT_EQ(pointer.Get(), nullptr);
    }
    // Wrappers never destroy the window they wrap.
    EXPECT_TRUE(::IsWindow(window));
    ::DestroyWindow(window);
}

struct Deleter : BXWndEvents {
    BXWnd* victim = nullptr;
    int calls = 0;
    static void Delete(BXWndEvents* target)
    {
        auto* self = static_cast<Deleter*>(target);
        ++self->calls;
        delete self->victim;
    }
    static void Count(BXWndEvents* target) { ++static_cast<Deleter*>(target)->calls; }
};

TEST(BXWndDeleteProbe, TellsWhetherTheWindowWasDeletedMeanwhile)
{
    auto* button = new BXButton(BXString(u"OK"));
    BXWndDeleteProbe kept(*button);
    {
        BXWndDeleteProbe probe(*button);
        EXPECT_FALSE(probe.IsDeleted());
        EXPECT_EQ(probe.GetWindow(), button);
    }
    delete button;
    EXPECT_TRUE(kept.IsDeleted());
    EXPECT_EQ(kept.GetWindow(), nullptr);
}

TEST(BXCallbackWnd, HandlerThatDeletesTheSourceStopsTheFiring)
{
    auto* button = new BXButton(BXString(u"OK"));
    Deleter deleter;
    deleter.victim = button;
    Deleter counter;
    BXWndPtr watch(button);
    button->RegisterCallback(nullptr, &deleter, BXCallbackWnd::kClickEvent, &Deleter::Delete);
    button->RegisterCallback(nullptr, &counter, BXCallbackWnd::kClickEvent, &Deleter::Count);

    EXPECT_FALSE(button->Click());
    EXPECT_EQ(deleter.calls, 1);
    EXPECT_EQ(counter.calls, 0);
    EXPECT_EQ(watch.Get(), nullptr);
}

struct Answers : BXWndEvents {
    int simple = 0;
    BXWndEvent last{};
    void OnSimple() { ++simple; }
    void OnEvent(const BXWndEvent& event) { last = event; }
    intptr_t OnQuery(intptr_t a, intptr_t b) { return a * 10 + b; }
};

TEST(BXCallbackWnd, FiresByEventNumberAndAnswersQueries)
{
    BXButton button(BXString(u"OK"));
    Answers answers;
    button.OnEvent<&Answers::OnSimple>(BXCallbackWnd::kClickEvent, &answers);
    button.OnEvent<&Answers::OnEvent>(-1, &answers); // every event of the button
    button.OnEvent<&Answers::OnQuery>(71, &answers);

    EXPECT_TRUE(button.Fire(BXCallbackWnd::kClickEvent, 4, 5));
    EXPECT_EQ(answers.simple, 1);
    EXPECT_EQ(answers.last.m_event, BXCallbackWnd::kClickEvent);
    EXPECT_EQ(answers.last.m_arg1, 4);
    EXPECT_EQ(answers.last.m_source, &button);

    EXPECT_TRUE(button.Fire(12));
    EXPECT_EQ(answers.simple, 1);
    EXPECT_EQ(answers.last.m_event, 12);

    intptr_t result = 0;
    EXPECT_TRUE(button.Query(71, 3, 4, &result));
    EXPECT_EQ(result, 34);
    EXPECT_FALSE(button.Query(72, 3, 4, &result));

    button.Enable(false);
    EXPECT_FALSE(button.Click());
    EXPECT_EQ(answers.simple, 1);
}

} // namespace
