// A top-level window that hosts windowless controls.
#pragma once

#include "BXDrawWnd.h"

class BXControlsWnd : public BXDrawWnd {
public:
    BX_RUNTIME_CLASS(BXControlsWnd, BXDrawWnd)
};
