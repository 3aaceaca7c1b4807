// A window object with a system window handle: the operations act on the
// handle (show, enable, text, placement, focus, capture, foreground, timers).
// The handle carries a property that leads back to the object.
#pragma once

#include "BXCallbackWnd.h"
#include "BXCmdTarget.h"

class BXBasicWnd : public BXCallbackWnd, public IBXCmdTargetEvents {
public:
    BX_RUNTIME_CLASS(BXBasicWnd, BXCallbackWnd)

    HWND GetSafeHwnd() const override { return m_hwnd; }
    HWND GetHostHwnd() const override { return m_hwnd; }
    RECT GetRect() const override;
    // rect in the parent's client coordinates (screen coordinates for a top-level window).
    void SetWindowPos(const RECT& rect, uint32_t flags) override;
    bool IsVisible() const override;
    void Show(bool show) override;
    bool IsEnabled() const override;
    void Enable(bool enable) override;
    BXString GetText() const override;
    void SetText(const BXString& text) override;
    uint32_t GetStyle() const override;
    void SetStyle(uint32_t style) override;
    bool SetTimer(uint32_t timerId, uint32_t periodMs) override;
    bool KillTimer(uint32_t timerId) override;
    void Invalidate(const RECT* rect = nullptr) override;

    bool SetForeground();
    void SetKeyboardFocus();
    void CaptureMouse();
    void ReleaseMouse();
    void OnEvent(uint32_t code) override { (void)code; }

    // The toolkit object of a handle the toolkit created, or null.
    static BXBasicWnd* FromHandle(HWND window);

protected:
    void AttachHandle(HWND window, bool mark);
    void DetachHandle();

    HWND m_hwnd = nullptr;
};
