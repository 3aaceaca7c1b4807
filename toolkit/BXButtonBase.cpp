#include "BXButtonBase.h"

int32_t BXButtonBase::GetState() const
{
    if (!IsEnabled())
        return kDisabled;
    if (m_pressed && m_hover)
        return kPressed;
    return m_hover ? kOver : kNormal;
}

bool BXButtonBase::Click()
{
    if (!IsEnabled())
        return false;
    return Fire(kClickEvent);
}

void BXButtonBase::SetHover(bool hover)
{
    if (m_hover == hover)
        return;
    m_hover = hover;
    Invalidate();
}

void BXButtonBase::OnMouseEnter()
{
    SetHover(true);
}

void BXButtonBase::OnMouseLeave()
{
    SetHover(false);
}

void BXButtonBase::OnMouseMove(POINT point)
{
    SetHover(::PtInRect(&m_rect, point) != FALSE);
}

void BXButtonBase::OnMouseDown(POINT point)
{
    (void)point;
    m_pressed = true;
    m_hover = true;
    HostSetCapture(this);
    Invalidate();
}

void BXButtonBase::OnMouseUp(POINT point)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    HostReleaseCapture(this);
    m_hover = ::PtInRect(&m_rect, point) != FALSE;
    Invalidate();
    if (wasPressed && m_hover)
        Click();
}

bool BXButtonBase::OnKeyDown(UINT virtualKey)
{
    if (virtualKey != VK_SPACE && virtualKey != VK_RETURN)
        return false;
    Click();
    return true;
}
