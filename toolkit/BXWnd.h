// Root interface of the window objects: windows with a system handle and
// windowless controls alike. Windowless controls keep rectangles in the client
// coordinates of their host (the nearest ancestor with a handle) and reach it
// through the host services below, which walk up the parent chain. UI thread only.
#pragma once

#include "BXString.h"
#include "BXWindows.h"
#include "BXWndEvents.h"

#include <cstdint>
#include <cstring>
#include <vector>

// Declares the run-time class name of a window class and chains the test to its base.
#define BX_RUNTIME_CLASS(ClassName, BaseName)                                                                          \
    const char* GetRuntimeClassName() const override                                                                   \
    {                                                                                                                  \
        return #ClassName;                                                                                             \
    }                                                                                                                  \
    bool IsKindOf(const char* className) const override                                                                \
    {                                                                                                                  \
        return std::strcmp(className, #ClassName) == 0 || BaseName::IsKindOf(className);                               \
    }

class BXWnd;

// Told when a window object is destroyed; weak pointers null themselves.
class IBXWndDeleteProbe {
public:
    virtual void OnWindowDeleted(BXWnd* window) = 0;

protected:
    ~IBXWndDeleteProbe() = default;
};

class BXWnd : public BXWndEvents {
public:
    BXWnd() = default;
    ~BXWnd() override = default;

    // Hooks pages and controls override, in this order.
    virtual void OnTimer(uint32_t timerId) { (void)timerId; }
    virtual void Layout(const RECT& rect) { (void)rect; }
    virtual void OnCreate() {}

    // Run-time class: the most derived name, and whether a class of that name
    // is in the object's chain.
    virtual const char* GetRuntimeClassName() const { return "BXWnd"; }
    virtual bool IsKindOf(const char* className) const { return std::strcmp(className, "BXWnd") == 0; }

    virtual void AddDeleteProbe(IBXWndDeleteProbe* probe) = 0;
    virtual void RemoveDeleteProbe(IBXWndDeleteProbe* probe) = 0;
    // True for an object that only wraps a system window the toolkit did not create.
    virtual bool IsForeignWrapper() const { return false; }

    // Windowless: the rectangle in host client coordinates. With a handle:
    // the client area (origin 0, 0).
    virtual RECT GetRect() const = 0;
    // Takes the rectangle; SWP_SHOWWINDOW shows and SWP_HIDEWINDOW hides.
    virtual void SetWindowPos(const RECT& rect, uint32_t flags) = 0;
    virtual bool IsVisible() const = 0;
    virtual void Show(bool show) = 0;
    virtual bool IsEnabled() const = 0;
    virtual void Enable(bool enable) = 0;
    virtual BXString GetText() const = 0;
    virtual void SetText(const BXString& text) = 0;
    virtual uint32_t GetStyle() const = 0;
    virtual void SetStyle(uint32_t style) = 0;
    virtual BXWnd* GetParent() const = 0;
    virtual BXWnd* GetOwner() const = 0;
    virtual HWND GetSafeHwnd() const { return nullptr; }
    // The handle of the host window (own handle for a window that has one).
    virtual HWND GetHostHwnd() const = 0;
    // Child bookkeeping: a child tells its parent when it is destroyed or shown
    // or hidden; a destroyed parent detaches the children it does not own.
    virtual void OnChildDestroyed(BXWnd* child) { (void)child; }
    virtual void OnChildVisibilityChanged(BXWnd* child) { (void)child; }
    virtual void DetachFromParent() {}

    // Painting: OnPaint draws the object itself; PaintTree draws it and its
    // visible children, each clipped to its rectangle.
    virtual void OnPaint(HDC dc) { (void)dc; }
    virtual void PaintTree(HDC dc) { OnPaint(dc); }
    // The deepest visible object at the point (host client coordinates), or null.
    virtual BXWnd* HitTest(POINT point);

    // Input, routed by the host. Key hooks return true when they used the key.
    virtual void OnMouseEnter() {}
    virtual void OnMouseLeave() {}
    virtual void OnMouseMove(POINT point) { (void)point; }
    virtual void OnMouseDown(POINT point) { (void)point; }
    virtual void OnMouseUp(POINT point) { (void)point; }
    virtual void OnDoubleClick(POINT point) { OnMouseDown(point); }
    // Right button released over the object (host client coordinates); true when it showed a menu.
    virtual bool OnContextMenu(POINT point)
    {
        (void)point;
        return false;
    }
    virtual bool OnMouseWheel(int32_t delta)
    {
        (void)delta;
        return false;
    }
    virtual bool OnKeyDown(UINT virtualKey)
    {
        (void)virtualKey;
        return false;
    }
    virtual bool OnChar(UINT character)
    {
        (void)character;
        return false;
    }
    virtual void OnSetFocus() {}
    virtual void OnKillFocus() {}
    // Whether Tab stops here and a click gives the focus.
    virtual bool IsTabStop() const { return false; }
    // Whether the object takes Enter or Escape itself (the popup's dialog keys then wait).
    virtual bool WantsDialogKey(UINT virtualKey) const
    {
        (void)virtualKey;
        return false;
    }
    // Cursor over the object; null: the arrow.
    virtual HCURSOR GetCursor(POINT point) const
    {
        (void)point;
        return nullptr;
    }
    // Tab stops of the object and its descendants in tab order.
    virtual void CollectTabStops(std::vector<BXWnd*>& stops);

    // Timers of the object; windowless objects have them run by their host.
    virtual bool SetTimer(uint32_t timerId, uint32_t periodMs) = 0;
    virtual bool KillTimer(uint32_t timerId) = 0;

    // Host services: a windowless object asks its parent chain; the window
    // with the handle answers.
    virtual void Invalidate(const RECT* rect = nullptr) = 0;
    virtual bool HostSetControlTimer(BXWnd* control, uint32_t timerId, uint32_t periodMs) = 0;
    virtual bool HostKillControlTimer(BXWnd* control, uint32_t timerId) = 0;
    virtual void HostSetFocus(BXWnd* control) = 0;
    virtual BXWnd* HostGetFocus() const = 0;
    virtual void HostSetCapture(BXWnd* control) = 0;
    virtual void HostReleaseCapture(BXWnd* control) = 0;
    virtual BXWnd* HostGetCapture() const = 0;

    // Keyboard focus: asks the host to focus this object.
    void SetFocus() { HostSetFocus(this); }
    bool HasFocus() const { return HostGetFocus() == this; }
};
