#include "BXScrollbarVisibility.h"

#include <gtest/gtest.h>

namespace {

struct VisibilityCase {
    const char* name;
    int32_t horizontalMode;
    int32_t verticalMode;
    int32_t width;
    int32_t height;
    int32_t contentWidth;
    int32_t contentHeight;
    BXScrollbarVisibility expected;
};

TEST(BXScrollbarVisibility, ShowsBarsByModeSizeAndContent)
{
    constexpr int32_t N = kBXScrollbarNever;
    constexpr int32_t A = kBXScrollbarAlways;
    constexpr int32_t S = kBXScrollbarAsNeeded;
    const VisibilityCase cases[] = {
        {"never", N, N, 200, 200, 900, 900, {false, false, false}},
        {"always, content fits", A, A, 200, 200, 10, 10, {true, true, true}},
        {"as needed, content fits", S, S, 200, 200, 200, 200, {false, false, false}},
        {"as needed, taller", N, S, 200, 200, 100, 201, {false, true, false}},
        {"as needed, wider", S, N, 200, 200, 201, 100, {true, false, false}},
        {"a vertical bar makes the horizontal one needed", S, S, 200, 200, 190, 300, {true, true, true}},
        {"a horizontal bar makes the vertical one needed", S, S, 200, 200, 300, 190, {true, true, true}},
        {"vertical needs a width of 40", N, A, 39, 200, 0, 900, {false, false, false}},
        {"vertical at exactly 40", N, A, 40, 200, 0, 900, {false, true, false}},
        {"horizontal needs a height of 40", A, N, 200, 39, 900, 0, {false, false, false}},
        {"as needed but too narrow", N, S, 30, 200, 0, 900, {false, false, false}},
    };
    for (const VisibilityCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BXScrollbarVisibility v = BXComputeScrollbarVisibility(c.horizontalMode, c.verticalMode, c.width,
                                                                     c.height, c.contentWidth, c.contentHeight, 16);
        EXPECT_EQ(v.horizontal, c.expected.horizontal);
        EXPECT_EQ(v.vertical, c.expected.vertical);
        EXPECT_EQ(v.stump, c.expected.stump);
    }
}

TEST(BXScrollbarVisibility, EditModesStartAlwaysThenAsNeededInSeveralLines)
{
    BXEditScrollbarModes modes;
    modes.Reset(true);
    EXPECT_EQ(modes.Horizontal(), kBXScrollbarNever);
    EXPECT_EQ(modes.Vertical(), kBXScrollbarAlways);
    modes.OnScrollRangeUpdated();
    EXPECT_EQ(modes.Vertical(), kBXScrollbarAsNeeded);
    EXPECT_EQ(modes.Horizontal(), kBXScrollbarNever);

    modes.Reset(false);
    modes.OnScrollRangeUpdated();
    EXPECT_EQ(modes.Vertical(), kBXScrollbarNever);
    EXPECT_EQ(modes.Horizontal(), kBXScrollbarNever);
}

} // namespace
