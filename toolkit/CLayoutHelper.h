// Docking layout over a remaining rectangle: controls are docked at its top or
// bottom at their preferred height (labels attached to them included), or
// fill what is left. A gap of -1 means the standard 8 (scaled).
#pragma once

#include "BXCompositeWnd.h"

class CLayoutHelper {
public:
    enum WidthMode : int32_t { kFullWidth = 0, kPreferredLeft = 1, kPreferredCentred = 2 };
    static constexpr int32_t kDefaultGap = -1;
    static constexpr int32_t kStandardGap = 8;

    // owner holds the controls' labels; rect is the room to share out.
    CLayoutHelper(BXCompositeWnd* owner, const RECT& rect) : m_owner(owner), m_remaining(rect) {}

    void DockTop(BXWnd* control, int32_t gap = kDefaultGap, int32_t widthMode = kFullWidth);
    void DockBottom(BXWnd* control, int32_t gap = kDefaultGap);
    void Fill(BXWnd* control);
    const RECT& GetRemaining() const { return m_remaining; }

private:
    int32_t Height(BXWnd* control, int32_t width) const;
    void Place(BXWnd* control, const RECT& rect) const;
    static int32_t Gap(int32_t gap);

    BXCompositeWnd* m_owner;
    RECT m_remaining;
};
