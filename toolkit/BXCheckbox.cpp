#include "BXCheckbox.h"

#include "BXMarkControlPaint.h"

namespace {
const BXMarkControlLook kLook{u"CheckBox", BXCheckbox::kTextSection, DFCS_BUTTONCHECK};
}

BXCheckbox::BXCheckbox(const BXString& text, bool checked) : m_checked(checked)
{
    m_text = text;
    // Registered first, so the state has changed before any other handler runs.
    OnEvent<&BXCheckbox::OnOwnClick>(kClickEvent, this);
}

void BXCheckbox::SetChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    Invalidate();
}

void BXCheckbox::OnOwnClick()
{
    SetChecked(!m_checked);
}

bool BXCheckbox::OnKeyDown(UINT virtualKey)
{
    if (virtualKey != VK_SPACE)
        return false;
    Click();
    return true;
}

void BXCheckbox::OnPaint(HDC dc)
{
    BXPaintMarkControl(dc, m_rect, kLook, m_text, m_checked, GetState(), HasFocus());
}

SIZE BXCheckbox::GetPreferredSize(int32_t width)
{
    return BXMeasureMarkControl(kLook, m_text, width);
}
