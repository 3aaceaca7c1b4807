// Size negotiation: what an object would like to measure for a given width,
// and the least and most it accepts. Layout places the children.
#pragma once

#include "BXCoreWnd.h"

class BXLayoutWnd : public BXCoreWnd {
public:
    BX_RUNTIME_CLASS(BXLayoutWnd, BXCoreWnd)

    // Preferred size when given width (-1: unconstrained). A cx of -1 means
    // any width suits; a cy of 0 or less asks for no room.
    virtual SIZE GetPreferredSize(int32_t width)
    {
        (void)width;
        return SIZE{-1, 0};
    }
    virtual SIZE GetMinSize() { return SIZE{0, 0}; }
    // -1 in a dimension: no limit.
    virtual SIZE GetMaxSize() { return SIZE{-1, -1}; }
};
