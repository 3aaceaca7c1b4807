#include "BXTestSkin.h"
#include "BXOkCancelPopupWnd.h"
#include "BXWizardPopupWnd.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

uint64_t g_now = 100000;
uint64_t TestClock()
{
    return g_now;
}

std::string Utf8(const BXString& text)
{
    return std::string(text.ToUtf8().Get());
}

class TestPage : public BXWizardPageWnd {
public:
    TestPage(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}

    bool show = true;
    bool allowNext = true;
    bool allowBack = true;
    bool removeAfterLeaving = false;
    bool nextEnabled = true;
    BXWizardPopupWnd* deleteOnNext = nullptr;

    void OnCreate() override { Log("OnCreate"); }
    bool ShouldShowPage() override
    {
        Log("ShouldShowPage");
        return show;
    }
    bool OnPageLeft() override
    {
        Log("OnPageLeft");
        return true;
    }
    bool OnBack() override
    {
        Log("OnBack");
        return allowBack;
    }
    bool OnNext() override
    {
        Log("OnNext");
        if (deleteOnNext != nullptr) {
            BXWizardPopupWnd* wizard = deleteOnNext;
            deleteOnNext = nullptr;
            delete wizard;
        }
        return allowNext;
    }
    void OnWizardCancel() override { Log("OnWizardCancel"); }
    BXString GetCaption() override { return BXString::FromUtf8(("Caption " + m_name).c_str()); }
    BXString GetHeading() override { return BXString::FromUtf8(("Heading " + m_name).c_str()); }
    BXString GetDescription() override { return BXString::FromUtf8(description.c_str()); }
    bool IsNextEnabled() override { return nextEnabled; }
    bool RemoveAfterLeaving() override { return removeAfterLeaving; }

    std::string description;

private:
    void Log(const char* what) { m_log.push_back(m_name + "." + what); }

    std::string m_name;
    std::vector<std::string>& m_log;
};

class FinishCounter : public BXWizardPopupWnd {
public:
    int finishes = 0;
    bool endOnFinish = true;
    void OnFinish() override
    {
        ++finishes;
        if (endOnFinish)
            BXWizardPopupWnd::OnFinish();
    }
};

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_now = 100000;
        BXTimer::SetClock(&TestClock);
        skin.images[u"Frame|Button"] = &buttonImage;
    }
    void TearDown() override
    {
        wizard.reset();
        pages.clear();
        BXTimer::SetClock(nullptr);
    }
    TestPage& AddPage(const char* name)
    {
        pages.push_back(std::make_unique<TestPage>(name, log));
        wizard->AddPage(pages.back().get());
        return *pages.back();
    }
    void Create() { ASSERT_TRUE(wizard->CreatePopup(nullptr)); }
    // Clicks through the wizard window's mouse messages, at the control's centre.
    void ClickAt(BXWnd* control)
    {
        const RECT r = control->GetRect();
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        HWND window = control->GetHostHwnd();
        ::SendMessageW(window, WM_MOUSEMOVE, 0, at);
        ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageW(window, WM_LBUTTONUP, 0, at);
    }

    BXTestSkin skin;
    BXTestImage buttonImage{80, 25, 4};
    std::vector<std::string> log;
    std::unique_ptr<FinishCounter> wizard = std::make_unique<FinishCounter>();
    std::vector<std::unique_ptr<TestPage>> pages;
};

TEST_F(WizardTest, OnePageShowsNoBackButtonAndFinishOnNext)
{
    AddPage("a");
    Create();
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
    EXPECT_FALSE(wizard->GetButtonRow()->IsButtonVisible(wizard->GetBackButton()));
    EXPECT_FALSE(wizard->GetBackButton()->IsVisible());
    EXPECT_EQ(Utf8(wizard->GetNextButton()->GetText()), "Finish");
    EXPECT_EQ(Utf8(wizard->GetCancelButton()->GetText()), "Cancel");
}

TEST_F(WizardTest, ButtonsCaptionAndHeaderFollowTheCurrentPage)
{
    AddPage("a").description = "first";
    AddPage("b");
    TestPage& c = AddPage("c");
    c.nextEnabled = false;
    Create();

    struct Expect {
        int index;
        const char* next;
        bool backEnabled;
        bool nextEnabled;
        const char* header;
    };
    const Expect expected[] = {
        {0, "Next >", false, true, "<b>Heading a</b>\r\n\tfirst"},
        {1, "Next >", true, true, "<b>Heading b</b>"},
        {2, "Finish", true, false, "<b>Heading c</b>"},
    };
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.index);
        if (e.index > 0) {
            ASSERT_TRUE(wizard->GoNext());
        }
        EXPECT_EQ(wizard->GetCurrentIndex(), e.index);
        EXPECT_TRUE(wizard->GetBackButton()->IsVisible());
        EXPECT_EQ(Utf8(wizard->GetBackButton()->GetText()), "< Back");
        EXPECT_EQ(wizard->GetBackButton()->IsEnabled(), e.backEnabled);
        EXPECT_EQ(Utf8(wizard->GetNextButton()->GetText()), e.next);
        EXPECT_EQ(wizard->GetNextButton()->IsEnabled(), e.nextEnabled);
        EXPECT_EQ(Utf8(wizard->GetHeader()->GetText()), e.header);
        EXPECT_EQ(Utf8(wizard->GetText()), "Caption " + std::string(1, char('a' + e.index)));
        // Only the current page is in view.
        for (size_t i = 0; i < pages.size(); ++i)
            EXPECT_EQ(pages[i]->IsVisible() && wizard->HasChild(pages[i].get()), int(i) == e.index) << i;
    }
    // Next is disabled on the last page: GoNext does nothing.
    EXPECT_FALSE(wizard->GoNext());
    EXPECT_EQ(wizard->GetCurrentIndex(), 2);
    EXPECT_EQ(wizard->GetEndResult(), -1);
}

TEST_F(WizardTest, HooksRunInNavigationOrderAndPagesAreCreatedOnce)
{
    AddPage("a");
    AddPage("b").show = false;
    AddPage("c");
    Create();
    ASSERT_TRUE(wizard->GoNext());
    ASSERT_TRUE(wizard->GoBack());
    const std::vector<std::string> expected = {
        "a.OnCreate", "a.ShouldShowPage", // start
        "a.OnNext",   "a.OnPageLeft",     "b.OnCreate",       "b.ShouldShowPage",
        "c.OnCreate", "c.ShouldShowPage",                                         // forward
        "c.OnBack",   "c.OnPageLeft",     "b.ShouldShowPage", "a.ShouldShowPage", // backward, b passed over again
    };
    EXPECT_EQ(log, expected);
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
}

TEST_F(WizardTest, SecondNextWithin300MsOfAPageChangeIsIgnored)
{
    AddPage("a");
    AddPage("b");
    AddPage("c");
    Create();
    g_now += 299;
    wizard->OnNextClicked();
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
    g_now += 1;
    wizard->OnNextClicked();
    EXPECT_EQ(wizard->GetCurrentIndex(), 1);
    g_now += 150; // a double click's second press
    wizard->OnNextClicked();
    EXPECT_EQ(wizard->GetCurrentIndex(), 1);
    wizard->OnBackClicked();
    EXPECT_EQ(wizard->GetCurrentIndex(), 1);
    g_now += 150;
    wizard->OnBackClicked();
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
}

TEST_F(WizardTest, NextFinishesWithResult1WhenNoLaterPageWantsToShow)
{
    AddPage("a");
    AddPage("b").show = false;
    AddPage("c").show = false;
    Create();
    EXPECT_TRUE(wizard->GoNext());
    EXPECT_EQ(wizard->finishes, 1);
    EXPECT_EQ(wizard->GetEndResult(), 1);
    EXPECT_EQ(wizard->GetSafeHwnd(), nullptr);
}

TEST_F(WizardTest, HiddenFirstPageIsPassedOverBothWaysAndBackFinishes)
{
    AddPage("a").show = false;
    AddPage("b");
    Create();
    EXPECT_EQ(wizard->GetCurrentIndex(), 1);
    EXPECT_TRUE(wizard->GetBackButton()->IsEnabled());
    EXPECT_TRUE(wizard->GoBack());
    EXPECT_EQ(wizard->finishes, 1);
    EXPECT_EQ(wizard->GetEndResult(), 1);
}

TEST_F(WizardTest, RefusedNextKeepsThePageAndNextStillWorks)
{
    TestPage& a = AddPage("a");
    AddPage("b");
    Create();
    a.allowNext = false;
    g_now += 1000;
    wizard->OnNextClicked();
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
    EXPECT_TRUE(a.IsVisible());
    EXPECT_TRUE(wizard->HasChild(&a));
    EXPECT_TRUE(wizard->GetNextButton()->IsEnabled());
    a.allowNext = true;
    g_now += 1000;
    wizard->OnNextClicked();
    EXPECT_EQ(wizard->GetCurrentIndex(), 1);
}

TEST_F(WizardTest, FinishThatDoesNotEndRestoresThePageInView)
{
    TestPage& a = AddPage("a");
    Create();
    wizard->endOnFinish = false;
    EXPECT_FALSE(wizard->GoNext());
    EXPECT_EQ(wizard->finishes, 1);
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
    EXPECT_EQ(wizard->GetEndResult(), -1);
    EXPECT_TRUE(a.IsVisible());
    EXPECT_TRUE(wizard->HasChild(&a));
    EXPECT_NE(wizard->GetSafeHwnd(), nullptr);
}

TEST_F(WizardTest, PageLeftForGoodIsTakenOutOfTheList)
{
    TestPage& a = AddPage("a");
    TestPage& b = AddPage("b");
    TestPage& c = AddPage("c");
    Create();
    a.removeAfterLeaving = true;
    ASSERT_TRUE(wizard->GoNext());
    EXPECT_EQ(wizard->GetPageCount(), 2);
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
    EXPECT_EQ(wizard->GetPage(-1), &b);
    EXPECT_FALSE(wizard->GetBackButton()->IsEnabled()); // b is now first
    b.removeAfterLeaving = true;
    ASSERT_TRUE(wizard->GoNext());
    EXPECT_EQ(wizard->GetPage(-1), &c);
    EXPECT_EQ(Utf8(wizard->GetNextButton()->GetText()), "Finish");
    EXPECT_FALSE(wizard->GetButtonRow()->IsButtonVisible(wizard->GetBackButton()));
}

TEST_F(WizardTest, WizardDeletedInsideAPageHookStopsNavigationQuietly)
{
    TestPage& a = AddPage("a");
    AddPage("b");
    Create();
    BXWndPtr watch(wizard.get());
    a.deleteOnNext = wizard.release();
    EXPECT_FALSE(watch.Get()->IsKindOf("BXNothing"));
    EXPECT_FALSE(static_cast<BXWizardPopupWnd*>(watch.Get())->GoNext());
    EXPECT_EQ(watch.Get(), nullptr);
    EXPECT_FALSE(a.IsCreated()); // detached from the gone wizard
}

TEST_F(WizardTest, WizardDeletedFromAClickedButtonSurvivesTheWindowProcedure)
{
    TestPage& a = AddPage("a");
    AddPage("b");
    Create();
    BXWndPtr watch(wizard.get());
    BXButton* next = wizard->GetNextButton();
    g_now += 1000;
    a.deleteOnNext = wizard.release();
    ClickAt(next);
    EXPECT_EQ(watch.Get(), nullptr);
    EXPECT_EQ(log.back(), "a.OnNext");
}

TEST_F(WizardTest, MouseClickOnNextGoesThroughTheClickEvent)
{
    AddPage("a");
    AddPage("b");
    Create();
    g_now += 1000;
    ClickAt(wizard->GetNextButton());
    EXPECT_EQ(wizard->GetCurrentIndex(), 1);
    // A press that ends outside the button is no click.
    g_now += 1000;
    const RECT back = wizard->GetBackButton()->GetRect();
    HWND window = wizard->GetSafeHwnd();
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(back.left + 2, back.top + 2));
    ::SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(back.left - 20, back.top - 20));
    EXPECT_EQ(wizard->GetCurrentIndex(), 1);
    ClickAt(wizard->GetCancelButton());
    EXPECT_EQ(wizard->GetEndResult(), 2);
}

TEST_F(WizardTest, CancelTellsTheCurrentPageThenEndsWithResult2)
{
    AddPage("a");
    AddPage("b");
    Create();
    log.clear();
    wizard->OnCancelClicked();
    EXPECT_EQ(log, (std::vector<std::string>{"a.OnWizardCancel", "a.OnPageLeft"}));
    EXPECT_EQ(wizard->GetEndResult(), 2);
    EXPECT_EQ(wizard->GetSafeHwnd(), nullptr);
}

TEST_F(WizardTest, PrivateMessagesMoveAndEndTheModalLoop)
{
    AddPage("a");
    AddPage("b");
    Create();
    HWND window = wizard->GetSafeHwnd();
    ::SendMessageW(window, BXWM_WIZARDNEXT, 0, 0);
    EXPECT_EQ(wizard->GetCurrentIndex(), 1);
    ::SendMessageW(window, BXWM_WIZARDBACK, 0, 0);
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
    ::PostMessageW(window, BXWM_ENDMODAL, 7, 0);
    EXPECT_EQ(wizard->DoModal(nullptr), 7);
    EXPECT_FALSE(::IsWindow(window));
}

TEST_F(WizardTest, TabMovesTheFocusAlongTheButtonsInTheirOrder)
{
    AddPage("a");
    AddPage("b");
    Create();
    ASSERT_TRUE(wizard->GoNext()); // Back enabled
    EXPECT_EQ(wizard->HostGetFocus(), wizard->GetNextButton());
    HWND window = wizard->GetSafeHwnd();
    ::SendMessageW(window, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(wizard->HostGetFocus(), wizard->GetCancelButton());
    ::SendMessageW(window, WM_KEYDOWN, VK_TAB, 0);
    EXPECT_EQ(wizard->HostGetFocus(), wizard->GetBackButton());
    // Enter on the focused Back button clicks it.
    g_now += 1000;
    ::SendMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(wizard->GetCurrentIndex(), 0);
    // Escape cancels.
    ::SendMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(wizard->GetEndResult(), 2);
}

TEST_F(WizardTest, EmbeddedWizardEndsThroughItsOkCancelParent)
{
    struct Case {
        bool finish;
        int32_t result;
    };
    for (const Case c : {Case{true, 1}, Case{false, 2}}) {
        wizard = std::make_unique<FinishCounter>();
        pages.clear();
        AddPage("a");
        BXOkCancelPopupWnd parent;
        ASSERT_TRUE(parent.CreatePopup(nullptr));
        ASSERT_TRUE(wizard->CreatePopup(parent.GetSafeHwnd(), nullptr, true));
        parent.SetContent(wizard.get());
        parent.Layout(parent.GetRect());
        EXPECT_NE(wizard->GetStyle() & WS_CHILD, 0u);
        if (c.finish)
            EXPECT_TRUE(wizard->GoNext());
        else
            wizard->OnCancelClicked();
        EXPECT_EQ(parent.GetEndResult(), c.result) << c.finish;
        EXPECT_EQ(wizard->GetEndResult(), -1) << c.finish; // the parent ends, not the wizard
        wizard.reset();
    }
}

class WizardLayoutTest : public WizardTest, public ::testing::WithParamInterface<int> {};

TEST_P(WizardLayoutTest, HeaderPageSeparatorAndButtonRowTakeTheirBands)
{
    skin.scalePercent = GetParam();
    const int32_t s = GetParam();
    auto S = [s](int32_t v) { return int32_t((int64_t(v) * s + 50) / 100); };
    AddPage("a");
    AddPage("b");
    Create();
    const SIZE size = wizard->GetMinimumSize(500, 300);
    EXPECT_EQ(size.cx, S(500) + 2 * S(8));
    EXPECT_EQ(size.cy, S(300) + S(60) + 25 + S(2) + 3 * S(8));
    EXPECT_EQ(wizard->GetMinTrackSize().cx, size.cx);

    // The window was created at that client size.
    const RECT client = wizard->GetRect();
    ASSERT_EQ(client.right, size.cx);
    ASSERT_EQ(client.bottom, size.cy);
    const RECT header = wizard->GetHeader()->GetRect();
    EXPECT_EQ(header.left, S(8));
    EXPECT_EQ(header.top, S(8));
    EXPECT_EQ(header.right, client.right - S(8));
    EXPECT_EQ(header.bottom, S(8) + S(60));
    const RECT page = wizard->GetPage(-1)->GetRect();
    EXPECT_EQ(page.top, header.bottom);
    EXPECT_EQ(page.right - page.left, S(500));
    EXPECT_EQ(page.bottom - page.top, S(300));
    const RECT line = wizard->GetSeparator()->GetRect();
    EXPECT_EQ(line.top, page.bottom);
    EXPECT_EQ(line.bottom - line.top, S(2));
    const RECT row = wizard->GetButtonRow()->GetRect();
    EXPECT_EQ(row.top, line.bottom + S(8));
    EXPECT_EQ(row.bottom, client.bottom - S(8));
    EXPECT_EQ(row.bottom - row.top, 25);

    // Back, Next, Cancel from left to right at the right end, 8 apart.
    const RECT back = wizard->GetBackButton()->GetRect();
    const RECT next = wizard->GetNextButton()->GetRect();
    const RECT cancel = wizard->GetCancelButton()->GetRect();
    EXPECT_EQ(cancel.right, row.right);
    EXPECT_EQ(next.right, cancel.left - S(8));
    EXPECT_EQ(back.right, next.left - S(8));
    EXPECT_EQ(cancel.right - cancel.left, S(75));
    EXPECT_EQ(cancel.top, row.top);
    EXPECT_EQ(cancel.bottom, row.bottom);
}

INSTANTIATE_TEST_SUITE_P(Scales, WizardLayoutTest, ::testing::Values(100, 150));

TEST_F(WizardTest, ResizingLaysTheWizardOutAgain)
{
    AddPage("a");
    Create();
    HWND window = wizard->GetSafeHwnd();
    RECT frame{};
    ::GetWindowRect(window, &frame);
    ::SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 40,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT client = wizard->GetRect();
    EXPECT_EQ(wizard->GetCancelButton()->GetRect().right, client.right - 8);
    EXPECT_EQ(wizard->GetPage(-1)->GetRect().right, client.right - 8);
    EXPECT_EQ(wizard->GetButtonRow()->GetRect().bottom, client.bottom - 8);
}

} // namespace
