#include "BXCheckbox.h"

#include "BXControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Records the check box's state as each click handler saw it.
struct CheckboxClickLog : BXWndEvents {
    std::vector<bool> seen;
    void OnClick(const BXWndEvent& event) { seen.push_back(static_cast<BXCheckbox*>(event.m_source)->IsChecked()); }
};

TEST(BXCheckbox, MouseClickTogglesAndFiresTheClickEvent)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXTypedWndPtr<BXCheckbox> box = fixture.m_host->CreateChild<BXCheckbox>(BXString(u"Auto install"), false);
    box->SetWindowPos(RECT{10, 10, 210, 30}, SWP_SHOWWINDOW);
    CheckboxClickLog log;
    box->OnEvent<&CheckboxClickLog::OnClick>(BXCallbackWnd::kClickEvent, &log);

    fixture.Click(20, 20);
    EXPECT_TRUE(box->IsChecked());
    EXPECT_EQ(log.seen, std::vector<bool>{true}); // the handler already sees the new state

    fixture.Click(20, 20);
    EXPECT_FALSE(box->IsChecked());
    EXPECT_EQ(log.seen, (std::vector<bool>{true, false}));

    // A press that ends outside the box is no click.
    fixture.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    fixture.Send(WM_LBUTTONUP, 0, MAKELPARAM(300, 200));
    EXPECT_FALSE(box->IsChecked());
    EXPECT_EQ(log.seen.size(), 2u);

    // Space on the focused box clicks it; Enter is left to the popup.
    ASSERT_TRUE(box->HasFocus());
    fixture.Key(VK_SPACE);
    EXPECT_TRUE(box->IsChecked());
    EXPECT_EQ(log.seen.size(), 3u);
    EXPECT_FALSE(box->WantsDialogKey(VK_RETURN));

    // Setting the state directly fires nothing.
    box->SetChecked(false);
    EXPECT_EQ(log.seen.size(), 3u);

    box->Enable(false);
    fixture.Click(20, 20);
    EXPECT_FALSE(box->IsChecked());
    EXPECT_EQ(log.seen.size(), 3u);
}

TEST(BXCheckbox, DrawsTheCheckedStateOfItsImage)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    fixture.m_tools.m_skin.AddImage(u"Frame", u"CheckBox", RGB(255, 0, 0), 13, 13);
    BXTypedWndPtr<BXCheckbox> box = fixture.m_host->CreateChild<BXCheckbox>(BXString(u"x"), true);
    box->SetWindowPos(RECT{10, 10, 210, 30}, SWP_SHOWWINDOW);
    int32_t width = 0;
    const std::vector<uint32_t> pixels = fixture.Render(&width);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(pixels[size_t(15 * width + 15)], RGB(255, 0, 0));
    EXPECT_GE(box->GetPreferredSize(200).cy, 13);
}

} // namespace
