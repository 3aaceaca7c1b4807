#include "BXProgressCtrl.h"

#include "BXControlsTestSupport.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kBack = RGB(200, 0, 0);
constexpr uint32_t kFront = RGB(0, 180, 0);

// Pixels of one row of the bar that show the front and the back colours.
void CountRow(const BXControlHostFixture& fixture, int32_t y, int32_t left, int32_t right, int* front, int* back)
{
    int32_t width = 0;
    const std::vector<uint32_t> pixels = fixture.Render(&width);
    *front = 0;
    *back = 0;
    for (int32_t x = left; x < right; ++x) {
        const uint32_t pixel = pixels[size_t(y * width + x)];
        *front += pixel == kFront ? 1 : 0;
        *back += pixel == kBack ? 1 : 0;
    }
}

TEST(BXProgressCtrl, PaintsTheFilledFractionOfItsWidth)
{
    BXControlHostFixture fixture;
    ASSERT_TRUE(fixture.m_created);
    fixture.m_tools.m_skin.AddImage(u"ProgressBar", u"Back", kBack);
    fixture.m_tools.m_skin.AddImage(u"ProgressBar", u"Front", kFront);
    BXTypedWndPtr<BXProgressCtrl> bar = fixture.m_host->CreateChild<BXProgressCtrl>();
    bar->SetWindowPos(RECT{10, 10, 210, 30}, SWP_SHOWWINDOW);

    const struct {
        int32_t minimum;
        int32_t maximum;
        int32_t position;
        int front;
    } cases[] = {
        {0, 100, 50, 100},                                     // exactly half
        {0, 100, 0, 0},     {0, 100, 100, 200}, {0, 3, 1, 67}, // 66.67
        {40, 40, 40, 0},                                       // minimum == maximum: only the back
        {0, 100, 130, 200},                                    // beyond the end stays inside
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.minimum << ".." << c.maximum << " at " << c.position);
        bar->SetRange(c.minimum, c.maximum);
        bar->SetPos(c.position);
        int front = 0;
        int back = 0;
        CountRow(fixture, 20, 0, 300, &front, &back);
        EXPECT_EQ(front, c.front);
        EXPECT_EQ(back, 200 - c.front);
        // Nothing is painted outside the bar.
        CountRow(fixture, 35, 0, 300, &front, &back);
        EXPECT_EQ(front + back, 0);
    }
}

TEST(BXProgressCtrl, AsksForTheStandardControlHeight)
{
    BXControlHostFixture fixture;
    fixture.m_tools.m_skin.AddImage(u"Frame", u"Button", RGB(1, 2, 3), 70, 27);
    BXProgressCtrl bar;
    EXPECT_EQ(bar.GetPreferredSize(300).cy, 27);
    EXPECT_EQ(bar.GetPreferredSize(300).cx, -1);
    bar.SetPos(80);
    bar.SetMax(50);
    EXPECT_EQ(bar.GetPos(), 50);
}

} // namespace
