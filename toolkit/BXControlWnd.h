// A windowless control: its own rectangle inside its host's client area, a
// visible flag, a style word and a tooltip; painted and fed input by the
// host, with timers that the host runs. Create attaches it to a parent (a
// window with a handle, a page or another composite control) and runs
// OnCreate once.
#pragma once

#include "BXCallbackWnd.h"

class BXControlWnd : public BXCallbackWnd {
public:
    BX_RUNTIME_CLASS(BXControlWnd, BXCallbackWnd)

    virtual bool Create(BXWnd* parent);
    bool IsCreated() const { return m_created; }
    void DetachFromParent() override;

    void SetToolTip(const BXString& text) { m_toolTip = text; }
    const BXString& GetToolTip() const { return m_toolTip; }

private:
    bool m_created = false;
    BXString m_toolTip;
};
