// Wraps a system window the toolkit did not create; never destroys it.
#pragma once

#include "BXMessageWnd.h"

class BXForeignWnd : public BXMessageWnd {
public:
    explicit BXForeignWnd(HWND window) { AttachHandle(window, false); }
    ~BXForeignWnd() override { m_hwnd = nullptr; }
    BX_RUNTIME_CLASS(BXForeignWnd, BXMessageWnd)
    bool IsForeignWrapper() const override { return true; }
};
