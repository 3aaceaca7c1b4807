// First concrete layer: parent and owner links, the stored rectangle, text,
// style, enable and show state, and the delete probes. Destroying the object
// tells every probe first, so weak pointers read null before any member goes.
// Host services go up the parent chain until a window with a handle answers.
#pragma once

#include "BXDeleteProbe.h"
#include "BXWnd.h"

class BXCoreWnd : public BXWnd, public BXDeleteProbeHost {
public:
    BXCoreWnd() = default;
    ~BXCoreWnd() override;
    BX_RUNTIME_CLASS(BXCoreWnd, BXWnd)

    void AddDeleteProbe(IBXWndDeleteProbe* probe) override;
    void RemoveDeleteProbe(IBXWndDeleteProbe* probe) override;

    RECT GetRect() const override { return m_rect; }
    void SetWindowPos(const RECT& rect, uint32_t flags) override;
    bool IsVisible() const override { return m_visible; }
    void Show(bool show) override;
    bool IsEnabled() const override { return m_enabled; }
    void Enable(bool enable) override;
    BXString GetText() const override { return m_text; }
    void SetText(const BXString& text) override;
    uint32_t GetStyle() const override { return m_style; }
    void SetStyle(uint32_t style) override { m_style = style; }
    BXWnd* GetParent() const override { return m_parent; }
    BXWnd* GetOwner() const override { return m_owner; }
    void SetOwner(BXWnd* owner) { m_owner = owner; }
    HWND GetHostHwnd() const override { return m_parent != nullptr ? m_parent->GetHostHwnd() : nullptr; }
    void DetachFromParent() override { m_parent = nullptr; }

    bool SetTimer(uint32_t timerId, uint32_t periodMs) override;
    bool KillTimer(uint32_t timerId) override;

    void Invalidate(const RECT* rect = nullptr) override;
    bool HostSetControlTimer(BXWnd* control, uint32_t timerId, uint32_t periodMs) override;
    bool HostKillControlTimer(BXWnd* control, uint32_t timerId) override;
    void HostSetFocus(BXWnd* control) override;
    BXWnd* HostGetFocus() const override;
    void HostSetCapture(BXWnd* control) override;
    void HostReleaseCapture(BXWnd* control) override;
    BXWnd* HostGetCapture() const override;

    // Whether the object is an ancestor of (or is) window.
    bool IsAncestorOf(const BXWnd* window) const;

protected:
    BXWnd* m_parent = nullptr;
    BXWnd* m_owner = nullptr;
    RECT m_rect{};
    bool m_visible = true;
    bool m_enabled = true;
    uint32_t m_style = 0;
    BXString m_text;

private:
    std::vector<IBXWndDeleteProbe*> m_probes;
};
