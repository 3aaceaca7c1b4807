#include "BXFixedSizeOkCancelPopupWnd.h"

bool BXFixedSizeOkCancelPopupWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_GETMINMAXINFO && m_hwnd != nullptr) {
        RECT rect{0, 0, m_clientSize.cx, m_clientSize.cy};
        ::AdjustWindowRectEx(&rect, DWORD(::GetWindowLongW(m_hwnd, GWL_STYLE)), FALSE,
                             DWORD(::GetWindowLongW(m_hwnd, GWL_EXSTYLE)));
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMinTrackSize.x = info->ptMaxTrackSize.x = rect.right - rect.left;
        info->ptMinTrackSize.y = info->ptMaxTrackSize.y = rect.bottom - rect.top;
        return true;
    }
    return BXOkCancelPopupWnd::OnMessage(message, wParam, lParam, result);
}
