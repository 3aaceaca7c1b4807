// Intermediate layer between windows with a handle and the ones that create
// it; it has no instances of its own.
#pragma once

#include "BXBasicWnd.h"

class BXMessageWnd : public BXBasicWnd {
public:
    BX_RUNTIME_CLASS(BXMessageWnd, BXBasicWnd)

protected:
    BXMessageWnd() = default;
};
