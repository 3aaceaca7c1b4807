#include "BXControlWnd.h"
#include "BXControlsTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the points at which its host offered it a context menu.
class ContextMenuProbeControl : public BXControlWnd {
public:
    std::vector<POINT> offers;
    bool OnContextMenu(POINT point) override
    {
        offers.push_back(point);
        return true;
    }
};

TEST(BXDrawWnd, RightButtonReleaseOffersTheContextMenuToTheControlUnderThePointer)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXTypedWndPtr<ContextMenuProbeControl> control = fixture.m_host->CreateChild<ContextMenuProbeControl>();
    control->SetWindowPos(RECT{10, 10, 110, 60}, SWP_SHOWWINDOW);

    fixture.Send(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40));
    fixture.Send(WM_RBUTTONUP, 0, MAKELPARAM(30, 40));
    ASSERT_EQ(control->offers.size(), 1u);
    EXPECT_EQ(control->offers[0].x, 30);
    EXPECT_EQ(control->offers[0].y, 40);

    // Outside the control, and while it is disabled, nothing is offered.
    fixture.Send(WM_RBUTTONUP, 0, MAKELPARAM(200, 200));
    control->Enable(false);
    fixture.Send(WM_RBUTTONUP, 0, MAKELPARAM(30, 40));
    EXPECT_EQ(control->offers.size(), 1u);
}

} // namespace
