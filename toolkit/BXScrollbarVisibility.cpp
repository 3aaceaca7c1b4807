#include "BXScrollbarVisibility.h"

BXScrollbarVisibility BXComputeScrollbarVisibility(int32_t horizontalMode, int32_t verticalMode, int32_t width,
                                                   int32_t height, int32_t contentWidth, int32_t contentHeight,
                                                   int32_t barSize)
{
    const bool horizontalAllowed = horizontalMode != kBXScrollbarNever && height >= kBXScrollbarMinimumSpan;
    const bool verticalAllowed = verticalMode != kBXScrollbarNever && width >= kBXScrollbarMinimumSpan;
    BXScrollbarVisibility result;
    result.horizontal = horizontalAllowed && horizontalMode == kBXScrollbarAlways;
    result.vertical = verticalAllowed && verticalMode == kBXScrollbarAlways;
    // A bar that shows narrows the other view, which may make the other bar needed: settle in two passes.
    for (int pass = 0; pass < 2; ++pass) {
        const int32_t viewWidth = width - (result.vertical ? barSize : 0);
        const int32_t viewHeight = height - (result.horizontal ? barSize : 0);
        if (horizontalAllowed && horizontalMode == kBXScrollbarAsNeeded && contentWidth > viewWidth) {
            result.horizontal = true;
        }
        if (verticalAllowed && verticalMode == kBXScrollbarAsNeeded && contentHeight > viewHeight) {
            result.vertical = true;
        }
    }
    result.stump = result.horizontal && result.vertical;
    return result;
}
