// Which scroll bars a scrolled control shows. Each bar has a show mode; a bar that may show needs
// the control to be at least kBXScrollbarMinimumSpan pixels in the other dimension, and the corner
// stump shows when both bars do. Pure.
#pragma once

#include <cstdint>

enum BXScrollbarShowMode : int32_t {
    kBXScrollbarAsNeeded = 1,
    kBXScrollbarAlways = 2,
    kBXScrollbarNever = 3,
};

constexpr int32_t kBXScrollbarMinimumSpan = 40;

struct BXScrollbarVisibility {
    bool horizontal = false;
    bool vertical = false;
    bool stump = false;
    bool operator==(const BXScrollbarVisibility&) const = default;
};

// width, height: the control; contentWidth, contentHeight: what it scrolls over; barSize: the
// thickness of a bar, which a shown bar takes from the other dimension's view.
BXScrollbarVisibility BXComputeScrollbarVisibility(int32_t horizontalMode, int32_t verticalMode, int32_t width,
                                                   int32_t height, int32_t contentWidth, int32_t contentHeight,
                                                   int32_t barSize);

// The edit control's modes: horizontal never; vertical never in one line, in several lines always
// until the control first updates its scroll range and as needed from then on.
class BXEditScrollbarModes {
public:
    void Reset(bool multiLine)
    {
        m_horizontal = kBXScrollbarNever;
        m_vertical = multiLine ? kBXScrollbarAlways : kBXScrollbarNever;
    }
    void OnScrollRangeUpdated()
    {
        if (m_vertical != kBXScrollbarNever) {
            m_vertical = kBXScrollbarAsNeeded;
        }
    }
    int32_t Horizontal() const { return m_horizontal; }
    int32_t Vertical() const { return m_vertical; }

private:
    int32_t m_horizontal = kBXScrollbarNever;
    int32_t m_vertical = kBXScrollbarNever;
};
