#include "BXScrollbarStumpWnd.h"

#include "BXSkinAccess.h"

void BXScrollbarStumpWnd::OnPaint(HDC dc)
{
    if (BXGetSkin() != nullptr) {
        BXDrawSkinImage(dc, u"Scrollbar", u"Stump", m_rect, 0);
        return;
    }
    ::FillRect(dc, &m_rect, ::GetSysColorBrush(COLOR_BTNFACE));
}
