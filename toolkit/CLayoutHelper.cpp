#include "CLayoutHelper.h"

#include "BXSkinAccess.h"

#include <algorithm>

int32_t CLayoutHelper::Gap(int32_t gap)
{
    return gap == kDefaultGap ? BXScale(kStandardGap) : gap;
}

int32_t CLayoutHelper::Height(BXWnd* control, int32_t width) const
{
    if (m_owner != nullptr)
        return m_owner->GetPreferredHeightWithLabels(control, width);
    auto* layout = dynamic_cast<BXLayoutWnd*>(control);
    return layout != nullptr ? layout->GetPreferredSize(width).cy : 0;
}

void CLayoutHelper::Place(BXWnd* control, const RECT& rect) const
{
    if (m_owner != nullptr)
        m_owner->PlaceWithLabels(control, rect, 0);
    else
        control->SetWindowPos(rect, 0);
}

void CLayoutHelper::DockTop(BXWnd* control, int32_t gap, int32_t widthMode)
{
    if (control == nullptr)
        return;
    const int32_t width = m_remaining.right - m_remaining.left;
    const int32_t height = Height(control, width);
    if (height <= 0) {
        Place(control, RECT{m_remaining.left, m_remaining.top, m_remaining.left, m_remaining.top});
        return;
    }
    RECT band{m_remaining.left, m_remaining.top, m_remaining.right, m_remaining.top + height};
    if (widthMode != kFullWidth) {
        int32_t preferred = m_owner != nullptr ? m_owner->GetPreferredWidthWithLabels(control, width) : -1;
        if (preferred >= 0 && preferred < width) {
            if (widthMode == kPreferredCentred)
                band.left += (width - preferred) / 2;
            band.right = band.left + preferred;
        }
    }
    Place(control, band);
    m_remaining.top = std::min<LONG>(m_remaining.bottom, m_remaining.top + height + Gap(gap));
}

void CLayoutHelper::DockBottom(BXWnd* control, int32_t gap)
{
    if (control == nullptr)
        return;
    const int32_t width = m_remaining.right - m_remaining.left;
    const int32_t height = Height(control, width);
    if (height <= 0) {
        Place(control, RECT{m_remaining.left, m_remaining.bottom, m_remaining.left, m_remaining.bottom});
        return;
    }
    Place(control, RECT{m_remaining.left, m_remaining.bottom - height, m_remaining.right, m_remaining.bottom});
    m_remaining.bottom = std::max<LONG>(m_remaining.top, m_remaining.bottom - height - Gap(gap));
}

void CLayoutHelper::Fill(BXWnd* control)
{
    if (control != nullptr)
        Place(control, m_remaining);
}
