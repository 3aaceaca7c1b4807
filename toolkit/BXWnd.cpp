#include "BXWnd.h"

BXWnd* BXWnd::HitTest(POINT point)
{
    const RECT rect = GetRect();
    return IsVisible() && ::PtInRect(&rect, point) ? this : nullptr;
}

void BXWnd::CollectTabStops(std::vector<BXWnd*>& stops)
{
    if (IsVisible() && IsEnabled() && IsTabStop())
        stops.push_back(this);
}
