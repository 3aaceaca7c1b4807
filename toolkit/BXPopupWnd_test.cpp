#include "BXButton.h"
#include "BXOkCancelPopupWnd.h"
#include "BXPopupWnd.h"

#include <gtest/gtest.h>

namespace {

HWND g_popup = nullptr;
HWND g_owner = nullptr;
bool g_ownerEnabledInLoop = true;

void CALLBACK EndFromTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    g_ownerEnabledInLoop = ::IsWindowEnabled(g_owner) != FALSE;
    ::PostMessageW(g_popup, BXWM_ENDMODAL, 42, 0);
}

HWND MakeOwner()
{
    return ::CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

TEST(BXPopupWnd, ModalLoopDisablesTheOwnerAndEndsWithTheMessageResult)
{
    g_owner = MakeOwner();
    ASSERT_NE(g_owner, nullptr);
    BXPopupWnd popup;
    ASSERT_TRUE(popup.CreatePopup(g_owner));
    g_popup = popup.GetSafeHwnd();
    EXPECT_EQ(::GetWindow(g_popup, GW_OWNER), g_owner);
    wchar_t className[64] = {};
    ::GetClassNameW(g_popup, className, 64);
    EXPECT_STREQ(className, L"Brenix Popup Class");

    ::SetTimer(nullptr, 0, 20, &EndFromTimer);
    EXPECT_EQ(popup.DoModal(g_owner), 42);
    EXPECT_FALSE(g_ownerEnabledInLoop);
    EXPECT_TRUE(::IsWindowEnabled(g_owner));
    EXPECT_FALSE(::IsWindow(g_popup));
    EXPECT_EQ(popup.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(popup.IsModal());
    ::DestroyWindow(g_owner);
}

TEST(BXPopupWnd, ModalLoopWithoutAWindowOrPastItsTimeLimit)
{
    BXPopupWnd popup;
    EXPECT_EQ(popup.RunModalLoop(), -1);
    ASSERT_TRUE(popup.CreatePopup(nullptr));
    const ULONGLONG start = ::GetTickCount64();
    EXPECT_EQ(popup.RunModalLoop(50), -1);
    EXPECT_GE(::GetTickCount64() - start, 40u);
    EXPECT_NE(popup.GetSafeHwnd(), nullptr); // a time-out does not close the popup
}

TEST(BXPopupWnd, CloseRequestCancels)
{
    BXPopupWnd popup;
    ASSERT_TRUE(popup.CreatePopup(nullptr));
    ::SendMessageW(popup.GetSafeHwnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(popup.GetEndResult(), BXPopupWnd::kResultCancel);
    EXPECT_EQ(popup.GetSafeHwnd(), nullptr);
}

TEST(BXOkCancelPopupWnd, ButtonRowDeliversOkAndCancelAsCommands)
{
    struct Case {
        bool ok;
        int32_t result;
    };
    for (const Case c : {Case{true, 1}, Case{false, 2}}) {
        BXOkCancelPopupWnd popup;
        ASSERT_TRUE(popup.CreatePopup(nullptr));
        BXButton* button = c.ok ? popup.GetOkButton() : popup.GetCancelButton();
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->GetCommand(), c.ok ? uint32_t(IDOK) : uint32_t(IDCANCEL));
        const RECT r = button->GetRect();
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ::SendMessageW(popup.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(popup.GetSafeHwnd(), WM_LBUTTONUP, 0, at);
        EXPECT_EQ(popup.GetEndResult(), c.result);
    }
}

class TickingControl : public BXControlWnd {
public:
    std::vector<uint32_t> ticks;
    void OnTimer(uint32_t timerId) override
    {
        ticks.push_back(timerId);
        KillTimer(timerId);
    }
};

void PumpFor(DWORD ms)
{
    const ULONGLONG end = ::GetTickCount64() + ms;
    MSG message{};
    while (::GetTickCount64() < end) {
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&message);
        ::Sleep(5);
    }
}

TEST(BXControlWnd, TimersRunThroughTheHostWithTheControlsOwnNumber)
{
    BXPopupWnd host;
    ASSERT_TRUE(host.CreatePopup(nullptr));
    auto page = host.CreateChild<BXControlWnd>();
    auto control = page->CreateChild<TickingControl>();
    auto doomed = page->CreateChild<TickingControl>();
    EXPECT_TRUE(control->SetTimer(7, 10));
    EXPECT_TRUE(doomed->SetTimer(7, 10));
    delete doomed.Get();
    PumpFor(150);
    EXPECT_EQ(control->ticks, std::vector<uint32_t>{7}); // killed inside its first run
    // A control without a host has no timers.
    TickingControl orphan;
    EXPECT_FALSE(orphan.SetTimer(1, 10));
}

} // namespace
