#include "BXScrollbar.h"

#include "BXControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(BXScrollbar, HandleSizeAndPositionFollowTheView)
{
    const struct {
        int32_t track;
        int32_t total;
        int32_t page;
        int32_t pos;
        int32_t start;
        int32_t length;
    } cases[] = {
        {100, 400, 100, 0, 0, 25},    {100, 400, 100, 300, 75, 25}, {100, 400, 100, 150, 38, 25},   // 37.5
        {100, 100, 100, 0, 0, 100},   {100, 50, 100, 0, 0, 100},    {100, 10000, 100, 9900, 92, 8}, // minimum
        {100, 400, 100, 900, 75, 25},                                                               // clamped
    };
    for (const auto& c : cases) {
        int32_t start = -1;
        int32_t length = -1;
        BXScrollbar::ComputeHandle(c.track, c.total, c.page, c.pos, 8, &start, &length);
        EXPECT_EQ(start, c.start) << c.total << "/" << c.page << " at " << c.pos;
        EXPECT_EQ(length, c.length) << c.total << "/" << c.page << " at " << c.pos;
        if (c.total > c.page && c.pos <= c.total - c.page) {
            EXPECT_NEAR(BXScrollbar::PosFromHandleOffset(c.track, length, start, c.total, c.page), c.pos,
                        (c.total - c.page) / (c.track - length) + 1);
        }
    }
    EXPECT_EQ(BXScrollbar::PosFromHandleOffset(100, 25, -30, 400, 100), 0);
    EXPECT_EQ(BXScrollbar::PosFromHandleOffset(100, 25, 500, 400, 100), 300);
}

struct ScrollbarPosLog : IBXScrollbarOwner {
    std::vector<int32_t> positions;
    void OnScrollbarPosChanged(BXScrollbar*, int32_t pos) override { positions.push_back(pos); }
};

TEST(BXScrollbar, ArrowsPagesAndDragMoveThePosition)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    BXTypedWndPtr<BXScrollbar> bar = fixture.m_host->CreateChild<BXScrollbar>(true);
    ScrollbarPosLog log;
    bar->SetOwnerCallback(&log);
    bar->SetWindowPos(RECT{100, 0, 116, 232}, SWP_SHOWWINDOW); // arrows 16 high, track 200
    bar->SetScrollInfo(800, 200, 0);
    bar->SetLineStep(10);

    fixture.Click(108, 224); // down arrow
    EXPECT_EQ(bar->GetPos(), 10);
    fixture.Click(108, 4); // up arrow
    EXPECT_EQ(bar->GetPos(), 0);
    fixture.Click(108, 200); // track below the handle: one page less a line
    EXPECT_EQ(bar->GetPos(), 190);
    fixture.Click(108, 4);
    fixture.Click(108, 4); // at the top already: no change, no report
    EXPECT_EQ(log.positions, (std::vector<int32_t>{10, 0, 190, 180, 170}));

    // Drag the handle (50 long at the top of the track) down by 75 pixels: half of 600.
    bar->SetScrollInfo(800, 200, 0);
    const BXScrollbar::Parts parts = bar->GetParts();
    EXPECT_EQ(parts.handle.top, 16);
    EXPECT_EQ(parts.handle.bottom, 66);
    fixture.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(108, 30));
    fixture.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(108, 105));
    fixture.Send(WM_LBUTTONUP, 0, MAKELPARAM(108, 105));
    EXPECT_EQ(bar->GetPos(), 300);
    EXPECT_EQ(log.positions.back(), 300);
}

} // namespace
