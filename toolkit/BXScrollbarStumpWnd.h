// The square in the corner between a vertical and a horizontal scroll bar: the skin's "Scrollbar"
// "Stump" image, or the plain face colour without a skin.
#pragma once

#include "BXControlWnd.h"

class BXScrollbarStumpWnd : public BXControlWnd {
public:
    BX_RUNTIME_CLASS(BXScrollbarStumpWnd, BXControlWnd)
    void OnPaint(HDC dc) override;
};
