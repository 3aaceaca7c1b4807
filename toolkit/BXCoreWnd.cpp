#include "BXCoreWnd.h"

#include <algorithm>

BXCoreWnd::~BXCoreWnd()
{
    // A probe may unregister another from inside its notice: work on a copy
    // and skip probes that left meanwhile.
    while (!m_probes.empty()) {
        IBXWndDeleteProbe* probe = m_probes.back();
        m_probes.pop_back();
        probe->OnWindowDeleted(this);
    }
    if (m_parent != nullptr)
        m_parent->OnChildDestroyed(this);
}

void BXCoreWnd::AddDeleteProbe(IBXWndDeleteProbe* probe)
{
    if (probe != nullptr && std::find(m_probes.begin(), m_probes.end(), probe) == m_probes.end())
        m_probes.push_back(probe);
}

void BXCoreWnd::RemoveDeleteProbe(IBXWndDeleteProbe* probe)
{
    m_probes.erase(std::remove(m_probes.begin(), m_probes.end(), probe), m_probes.end());
}

void BXCoreWnd::SetWindowPos(const RECT& rect, uint32_t flags)
{
    const bool changed = !::EqualRect(&rect, &m_rect);
    if (changed) {
        Invalidate();
        m_rect = rect;
        Layout(m_rect);
        Invalidate();
    }
    if ((flags & SWP_SHOWWINDOW) != 0)
        Show(true);
    else if ((flags & SWP_HIDEWINDOW) != 0)
        Show(false);
}

void BXCoreWnd::Show(bool show)
{
    if (m_visible == show)
        return;
    Invalidate();
    m_visible = show;
    Invalidate();
    if (m_parent != nullptr)
        m_parent->OnChildVisibilityChanged(this);
}

void BXCoreWnd::Enable(bool enable)
{
    if (m_enabled == enable)
        return;
    m_enabled = enable;
    Invalidate();
}

void BXCoreWnd::SetText(const BXString& text)
{
    if (m_text == text)
        return;
    m_text = text;
    Invalidate();
}

bool BXCoreWnd::SetTimer(uint32_t timerId, uint32_t periodMs)
{
    return HostSetControlTimer(this, timerId, periodMs);
}

bool BXCoreWnd::KillTimer(uint32_t timerId)
{
    return HostKillControlTimer(this, timerId);
}

void BXCoreWnd::Invalidate(const RECT* rect)
{
    if (m_parent != nullptr)
        m_parent->Invalidate(rect != nullptr ? rect : &m_rect);
}

bool BXCoreWnd::HostSetControlTimer(BXWnd* control, uint32_t timerId, uint32_t periodMs)
{
    return m_parent != nullptr && m_parent->HostSetControlTimer(control, timerId, periodMs);
}

bool BXCoreWnd::HostKillControlTimer(BXWnd* control, uint32_t timerId)
{
    return m_parent != nullptr && m_parent->HostKillControlTimer(control, timerId);
}

void BXCoreWnd::HostSetFocus(BXWnd* control)
{
    if (m_parent != nullptr)
        m_parent->HostSetFocus(control);
}

BXWnd* BXCoreWnd::HostGetFocus() const
{
    return m_parent != nullptr ? m_parent->HostGetFocus() : nullptr;
}

void BXCoreWnd::HostSetCapture(BXWnd* control)
{
    if (m_parent != nullptr)
        m_parent->HostSetCapture(control);
}

void BXCoreWnd::HostReleaseCapture(BXWnd* control)
{
    if (m_parent != nullptr)
        m_parent->HostReleaseCapture(control);
}

BXWnd* BXCoreWnd::HostGetCapture() const
{
    return m_parent != nullptr ? m_parent->HostGetCapture() : nullptr;
}

bool BXCoreWnd::IsAncestorOf(const BXWnd* window) const
{
    for (const BXWnd* w = window; w != nullptr; w = w->GetParent()) {
        if (w == this)
            return true;
    }
    return false;
}
