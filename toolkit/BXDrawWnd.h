// The host of windowless controls: paints them into its window (double
// buffered, children over the background, each clipped to its rectangle),
// hit-tests the pointer, routes mouse and keys to them, keeps the keyboard
// focus, the capture and the hover among them, moves the focus with Tab in tab
// order, and runs their timers. Input to a disabled control is dropped.
#pragma once

#include "BXSystemWnd.h"

class BXDrawWnd : public BXSystemWnd {
public:
    BX_RUNTIME_CLASS(BXDrawWnd, BXSystemWnd)

    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    bool HostSetControlTimer(BXWnd* control, uint32_t timerId, uint32_t periodMs) override;
    bool HostKillControlTimer(BXWnd* control, uint32_t timerId) override;
    void HostSetFocus(BXWnd* control) override;
    BXWnd* HostGetFocus() const override { return m_focus.Get(); }
    void HostSetCapture(BXWnd* control) override;
    void HostReleaseCapture(BXWnd* control) override;
    BXWnd* HostGetCapture() const override { return m_capture.Get(); }
    BXWnd* GetHoverControl() const { return m_hover.Get(); }

    // Moves the focus to the next (or previous) tab stop, wrapping around.
    void MoveFocus(bool forward);
    // Paints the background and every visible control into dc (client coordinates).
    void PaintAll(HDC dc);
    // Runs the control timer with the given system timer number, as WM_TIMER does.
    bool RunControlTimer(UINT_PTR systemId);

protected:
    // Fills the client area under the controls.
    virtual void PaintBackground(HDC dc, const RECT& client);
    // Dialog keys: offered keys the focused control does not want first.
    virtual bool PreTranslateKey(UINT virtualKey)
    {
        (void)virtualKey;
        return false;
    }

private:
    bool IsEnabledChain(BXWnd* control) const;
    void RouteMouse(UINT message, POINT point);
    void UpdateHover(BXWnd* target);
    void OnPaintMessage();

    BXWndPtr m_focus;
    BXWndPtr m_capture;
    BXWndPtr m_hover;
    bool m_trackingLeave = false;
    // Control timers use system numbers from here up; the window's own stay below.
    static constexpr UINT_PTR kFirstControlTimer = 0x7F000000;
    UINT_PTR m_nextSystemTimer = kFirstControlTimer;
};
