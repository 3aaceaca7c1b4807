// A probe on the stack around calls into hooks or callbacks that may destroy
// the window: afterwards IsDeleted() tells whether it is gone. Registers on
// construction; unregisters only while the window still exists.
#pragma once

#include "BXCoreWnd.h"

class BXWndDeleteProbe : public BXDeleteProbe {
public:
    explicit BXWndDeleteProbe(BXCoreWnd& window) : BXDeleteProbe(window), m_window(&window) {}
    BXCoreWnd* GetWindow() const { return IsDeleted() ? nullptr : m_window; }

private:
    BXCoreWnd* m_window;
};
