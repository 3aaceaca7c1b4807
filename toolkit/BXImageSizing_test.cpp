#include "BXImageSizing.h"

#include <gtest/gtest.h>

namespace {

TEST(BXImageSizing, KeepsTheAspectRatioForTheWidth)
{
    const struct {
        int32_t imageWidth;
        int32_t imageHeight;
        int32_t width;
        bool border;
        int32_t height;
    } cases[] = {
        {400, 300, 200, false, 150}, {400, 300, 200, true, 152}, {3, 1, 100, false, 33}, // 33.33
        {3, 2, 100, false, 67},                                                          // 66.67
        {4, 1, 2, false, 1},                                                             // 0.5 rounds up
        {8, 3, 4, false, 2},                                                             // 1.5 rounds up
        {400, 300, 0, true, 0},      {400, 300, -5, false, 0},   {0, 0, 200, true, 0},   // no image
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BXImagePreferredHeight(c.imageWidth, c.imageHeight, c.width, c.border), c.height)
            << c.imageWidth << "x" << c.imageHeight << " for " << c.width << (c.border ? " with border" : "");
    }
}

} // namespace
