#include "BXProgressCtrl.h"

#include "BXSkinAccess.h"

void BXProgressCtrl::SetRange(int32_t minimum, int32_t maximum)
{
    m_range.SetRange(minimum, maximum);
    Invalidate();
}

void BXProgressCtrl::SetMax(int32_t maximum)
{
    m_range.SetMax(maximum);
    Invalidate();
}

void BXProgressCtrl::SetPos(int32_t position)
{
    if (position == m_range.GetPos())
        return;
    m_range.SetPos(position);
    Invalidate();
}

void BXProgressCtrl::OnPaint(HDC dc)
{
    RECT filled = m_rect;
    filled.right = m_rect.left + m_range.GetFilledWidth(m_rect.right - m_rect.left);
    if (BXGetSkin() != nullptr) {
        BXDrawSkinImage(dc, kSection, u"Back", m_rect, 0);
        if (filled.right > filled.left)
            BXDrawSkinImage(dc, kSection, u"Front", filled, 0);
        return;
    }
    RECT back = m_rect;
    ::DrawEdge(dc, &back, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE);
    filled.top = back.top;
    filled.bottom = back.bottom;
    filled.left = back.left;
    filled.right = back.left + m_range.GetFilledWidth(back.right - back.left);
    if (filled.right > filled.left)
        ::FillRect(dc, &filled, ::GetSysColorBrush(COLOR_HIGHLIGHT));
}

SIZE BXProgressCtrl::GetPreferredSize(int32_t width)
{
    (void)width;
    return SIZE{-1, BXGetStandardControlHeight()};
}
