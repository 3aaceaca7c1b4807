#include "BXRadio.h"

#include "BXMarkControlPaint.h"
#include "BXRadioArray.h"
#include "BXWndDeleteProbe.h"

namespace {
const BXMarkControlLook kLook{u"RadioButton", BXRadio::kTextSection, DFCS_BUTTONRADIO};
}

BXRadio::BXRadio(const BXString& text)
{
    m_text = text;
}

BXRadio::~BXRadio()
{
    if (m_group != nullptr)
        m_group->OnRadioDestroyed(this);
}

bool BXRadio::SetChecked(bool checked)
{
    if (m_group != nullptr)
        return m_group->Check(this, checked);
    if (m_checked == checked)
        return true;
    m_checked = checked;
    Invalidate();
    return !checked || Fire(kClickEvent);
}

int32_t BXRadio::GetState() const
{
    if (!IsEnabled())
        return 3;
    if (m_pressed && m_hover)
        return 2;
    return m_hover ? 1 : 0;
}

bool BXRadio::IsTabStop() const
{
    // One stop per group: the checked radio, or the first when none is checked.
    if (m_group == nullptr || m_checked)
        return true;
    return m_group->GetSelectedIndex() < 0 && m_group->GetRadio(0) == this;
}

bool BXRadio::OnKeyDown(UINT virtualKey)
{
    if (m_group == nullptr) {
        if (virtualKey != VK_SPACE && virtualKey != VK_RETURN)
            return false;
        SetChecked(true);
        return true;
    }
    const int32_t target = m_group->m_state.TargetForKey(virtualKey, m_group->PositionOf(this));
    if (target < 0)
        return false;
    BXTypedWndPtr<BXRadio> radio(m_group->GetRadio(target));
    if (radio.Get() == nullptr)
        return true;
    if (radio->SetChecked(true) && radio.Get() != nullptr)
        radio->SetFocus();
    return true;
}

void BXRadio::OnMouseEnter()
{
    m_hover = true;
    Invalidate();
}

void BXRadio::OnMouseLeave()
{
    m_hover = false;
    Invalidate();
}

void BXRadio::OnMouseDown(POINT point)
{
    (void)point;
    m_pressed = true;
    m_hover = true;
    HostSetCapture(this);
    Invalidate();
}

void BXRadio::OnMouseUp(POINT point)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    HostReleaseCapture(this);
    m_hover = ::PtInRect(&m_rect, point) != FALSE;
    Invalidate();
    if (wasPressed && m_hover)
        SetChecked(true);
}

void BXRadio::OnPaint(HDC dc)
{
    BXPaintMarkControl(dc, m_rect, kLook, m_text, m_checked, GetState(), HasFocus());
}

SIZE BXRadio::GetPreferredSize(int32_t width)
{
    return BXMeasureMarkControl(kLook, m_text, width);
}
