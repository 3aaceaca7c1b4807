#include "BXProgressRange.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    int32_t minimum;
    int32_t maximum;
    int32_t position;
    int32_t width;
    int32_t filled;
};

TEST(BXProgressRange, FilledWidthRoundsHalfAwayFromZero)
{
    const FillCase cases[] = {
        {0, 100, 50, 200, 100}, // exactly half
        {0, 100, 0, 200, 0},     {0, 100, 100, 200, 200},
        {0, 3, 1, 100, 33},      {0, 3, 2, 100, 67},
        {0, 4, 1, 2, 1},         // 0.5 rounds up
        {0, 8, 1, 4, 1},         // 0.5 again
        {0, 8, 1, 3, 0},         // 0.375
        {10, 20, 15, 11, 6},     // 5.5 with a minimum above 0
        {-100, 100, 0, 101, 51}, // 50.5 across zero
        {5, 5, 5, 100, 0},       // minimum == maximum
        {7, 3, 5, 100, 0},       // minimum above maximum
        {0, 100, 150, 200, 200}, // beyond the end stays inside the bar
        {0, 100, -20, 200, 0},   {0, 2147483647, 2147483646, 1000, 1000},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.minimum << ".." << c.maximum << " at " << c.position << " width " << c.width);
        BXProgressRange range;
        range.SetMin(c.minimum);
        range.SetMax(c.maximum);
        range.SetPos(c.position);
        EXPECT_EQ(range.GetFilledWidth(c.width), c.filled);
    }
}

TEST(BXProgressRange, FractionIsZeroForAnEmptyRange)
{
    BXProgressRange range;
    range.SetPos(25);
    EXPECT_DOUBLE_EQ(range.GetFraction(), 0.25);
    range.SetRange(40, 40);
    EXPECT_DOUBLE_EQ(range.GetFraction(), 0.0);
}

TEST(BXProgressRange, SettingTheMaximumClampsThePosition)
{
    const struct {
        int32_t position;
        int32_t maximum;
        int32_t clamped;
    } cases[] = {{80, 50, 50}, {30, 50, 30}, {-5, 50, 0}, {30, -10, 0}};
    for (const auto& c : cases) {
        BXProgressRange range;
        range.SetPos(c.position);
        range.SetMax(c.maximum);
        EXPECT_EQ(range.GetPos(), c.clamped) << c.position << " to max " << c.maximum;
        EXPECT_EQ(range.GetMax(), c.maximum);
    }
}

} // namespace
