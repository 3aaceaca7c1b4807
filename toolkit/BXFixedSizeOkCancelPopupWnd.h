// An OK/Cancel popup the user cannot resize: it keeps the client size it was
// created with.
#pragma once

#include "BXOkCancelPopupWnd.h"

class BXFixedSizeOkCancelPopupWnd : public BXOkCancelPopupWnd {
public:
    explicit BXFixedSizeOkCancelPopupWnd(SIZE clientSize) : m_clientSize(clientSize) {}
    BX_RUNTIME_CLASS(BXFixedSizeOkCancelPopupWnd, BXOkCancelPopupWnd)

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    DWORD GetPopupStyle() const override { return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN; }
    SIZE GetInitialClientSize() const override { return m_clientSize; }

private:
    SIZE m_clientSize;
};
