// Preferred height of an image control for a width: the image's proportions kept, rounded half away
// from zero, plus the border's two pixels when it has one. 0 without an image or a positive width.
#pragma once

#include "BXRounding.h"

#include <cstdint>

constexpr int32_t kBXImageBorderPixels = 2; // one pixel above and one below

inline int32_t BXImagePreferredHeight(int32_t imageWidth, int32_t imageHeight, int32_t width, bool border)
{
    if (imageWidth <= 0 || imageHeight <= 0 || width <= 0) {
        return 0;
    }
    return BXMulDivRounded(width, imageHeight, imageWidth) + (border ? kBXImageBorderPixels : 0);
}
