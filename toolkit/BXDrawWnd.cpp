#include "BXDrawWnd.h"

#include "BXWndDeleteProbe.h"

#include <algorithm>
#include <windowsx.h>

bool BXDrawWnd::HostSetControlTimer(BXWnd* control, uint32_t timerId, uint32_t periodMs)
{
    if (m_hwnd == nullptr || control == nullptr)
        return false;
    for (CControlTimer& record : m_controlTimers) {
        if (record.m_control.Get() == control && record.m_timerId == timerId) {
            record.m_period = periodMs;
            return ::SetTimer(m_hwnd, record.m_systemId, periodMs, nullptr) != 0;
        }
    }
    const UINT_PTR systemId = m_nextSystemTimer++;
    if (::SetTimer(m_hwnd, systemId, periodMs, nullptr) == 0)
        return false;
    m_controlTimers.push_back(CControlTimer{BXWndPtr(control), timerId, periodMs, systemId});
    return true;
}

bool BXDrawWnd::HostKillControlTimer(BXWnd* control, uint32_t timerId)
{
    for (auto it = m_controlTimers.begin(); it != m_controlTimers.end(); ++it) {
        if (it->m_control.Get() == control && it->m_timerId == timerId) {
            if (m_hwnd != nullptr)
                ::KillTimer(m_hwnd, it->m_systemId);
            m_controlTimers.erase(it);
            return true;
        }
    }
    return false;
}

bool BXDrawWnd::RunControlTimer(UINT_PTR systemId)
{
    for (auto it = m_controlTimers.begin(); it != m_controlTimers.end(); ++it) {
        if (it->m_systemId != systemId)
            continue;
        BXWnd* control = it->m_control.Get();
        if (control == nullptr) {
            // The control is gone: its timer goes too.
            if (m_hwnd != nullptr)
                ::KillTimer(m_hwnd, systemId);
            m_controlTimers.erase(it);
            return false;
        }
        control->OnTimer(it->m_timerId);
        return true;
    }
    return false;
}

void BXDrawWnd::HostSetFocus(BXWnd* control)
{
    BXWnd* old = m_focus.Get();
    if (old == control)
        return;
    BXWndDeleteProbe probe(*this);
    m_focus = control;
    if (old != nullptr) {
        old->OnKillFocus();
        old->Invalidate();
        if (probe.IsDeleted())
            return;
    }
    if (control != nullptr && m_focus.Get() == control) {
        if (m_hwnd != nullptr && ::IsWindowVisible(m_hwnd) && ::GetFocus() != m_hwnd &&
            ::GetActiveWindow() == ::GetAncestor(m_hwnd, GA_ROOT))
            ::SetFocus(m_hwnd);
        control->OnSetFocus();
        control->Invalidate();
    }
}

void BXDrawWnd::HostSetCapture(BXWnd* control)
{
    m_capture = control;
    CaptureMouse();
}

void BXDrawWnd::HostReleaseCapture(BXWnd* control)
{
    if (m_capture.Get() != control)
        return;
    m_capture.Clear();
    ReleaseMouse();
}

void BXDrawWnd::MoveFocus(bool forward)
{
    // The host's own show state does not matter (it may be hidden in tests
    // or while it is being built); its descendants' states do.
    std::vector<BXWnd*> stops;
    for (BXWnd* child : GetTabOrder())
        child->CollectTabStops(stops);
    if (stops.empty())
        return;
    auto current = std::find(stops.begin(), stops.end(), m_focus.Get());
    size_t index = 0;
    if (current == stops.end()) {
        index = forward ? 0 : stops.size() - 1;
    } else {
        const size_t at = size_t(current - stops.begin());
        index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    }
    HostSetFocus(stops[index]);
}

bool BXDrawWnd::IsEnabledChain(BXWnd* control) const
{
    for (BXWnd* w = control; w != nullptr && w != this; w = w->GetParent()) {
        if (!w->IsEnabled() || !w->IsVisible())
            return false;
    }
    return true;
}

void BXDrawWnd::PaintBackground(HDC dc, const RECT& client)
{
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
}

void BXDrawWnd::PaintAll(HDC dc)
{
    const RECT client = GetRect();
    PaintBackground(dc, client);
    PaintTree(dc);
}

void BXDrawWnd::OnPaintMessage()
{
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hwnd, &paint);
    if (dc == nullptr)
        return;
    const RECT client = GetRect();
    const int width = std::max<int>(client.right, 1);
    const int height = std::max<int>(client.bottom, 1);
    HDC memory = ::CreateCompatibleDC(dc);
    HBITMAP bitmap = memory != nullptr ? ::CreateCompatibleBitmap(dc, width, height) : nullptr;
    if (bitmap != nullptr) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        ::IntersectClipRect(memory, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right, paint.rcPaint.bottom);
        PaintAll(memory);
        ::BitBlt(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
                 paint.rcPaint.bottom - paint.rcPaint.top, memory, paint.rcPaint.left, paint.rcPaint.top, SRCCOPY);
        ::SelectObject(memory, old);
        ::DeleteObject(bitmap);
    } else {
        PaintAll(dc);
    }
    if (memory != nullptr)
        ::DeleteDC(memory);
    ::EndPaint(m_hwnd, &paint);
}

void BXDrawWnd::UpdateHover(BXWnd* target)
{
    if (target == this)
        target = nullptr;
    BXWnd* old = m_hover.Get();
    if (old == target)
        return;
    BXWndDeleteProbe probe(*this);
    m_hover = target;
    if (old != nullptr) {
        old->OnMouseLeave();
        if (probe.IsDeleted())
            return;
    }
    if (target != nullptr && m_hover.Get() == target)
        target->OnMouseEnter();
    if (!probe.IsDeleted() && !m_trackingLeave && m_hwnd != nullptr) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, m_hwnd, 0};
        m_trackingLeave = ::TrackMouseEvent(&track) != FALSE;
    }
}

void BXDrawWnd::RouteMouse(UINT message, POINT point)
{
    BXWndDeleteProbe probe(*this);
    BXWnd* captured = m_capture.Get();
    BXWnd* hit = HitTest(point);
    if (hit == this)
        hit = nullptr;
    switch (message) {
    case WM_MOUSEMOVE: {
        UpdateHover(captured != nullptr ? (hit == captured ? captured : nullptr) : hit);
        if (probe.IsDeleted())
            return;
        BXWnd* target = captured != nullptr ? captured : m_hover.Get();
        if (target != nullptr && IsEnabledChain(target))
            target->OnMouseMove(point);
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (hit == nullptr || !IsEnabledChain(hit))
            break;
        if (hit->IsTabStop()) {
            BXWndPtr keep(hit);
            HostSetFocus(hit);
            if (probe.IsDeleted() || keep.Get() == nullptr)
                return;
        }
        if (message == WM_LBUTTONDOWN)
            hit->OnMouseDown(point);
        else
            hit->OnDoubleClick(point);
        break;
    case WM_LBUTTONUP: {
        BXWnd* target = captured != nullptr ? captured : hit;
        if (target != nullptr && IsEnabledChain(target))
            target->OnMouseUp(point);
        else if (target != nullptr)
            HostReleaseCapture(target);
        break;
    }
    case WM_RBUTTONUP:
        if (captured == nullptr && hit != nullptr && IsEnabledChain(hit)) {
            if (hit->IsTabStop()) {
                BXWndPtr keep(hit);
                HostSetFocus(hit);
                if (probe.IsDeleted() || keep.Get() == nullptr)
                    return;
            }
            hit->OnContextMenu(point);
        }
        break;
    default:
        break;
    }
}

bool BXDrawWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_PAINT:
        OnPaintMessage();
        return true;
    case WM_PRINTCLIENT:
        PaintAll(reinterpret_cast<HDC>(wParam));
        return true;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_SIZE:
        Layout(GetRect());
        Invalidate();
        return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        RouteMouse(message, POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
    case WM_MOUSELEAVE:
        m_trackingLeave = false;
        if (m_capture.Get() == nullptr)
            UpdateHover(nullptr);
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_hwnd && m_capture.Get() != nullptr) {
            // Someone else took the pointer: end the press without a click.
            BXWnd* lost = m_capture.Get();
            m_capture.Clear();
            lost->OnMouseUp(POINT{-32768, -32768});
        }
        return true;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT point{};
            ::GetCursorPos(&point);
            ::ScreenToClient(m_hwnd, &point);
            BXWnd* hit = HitTest(point);
            HCURSOR cursor = hit != nullptr ? hit->GetCursor(point) : nullptr;
            ::SetCursor(cursor != nullptr ? cursor : ::LoadCursorW(nullptr, IDC_ARROW));
            result = TRUE;
            return true;
        }
        return false;
    case WM_MOUSEWHEEL: {
        BXWnd* target = m_hover.Get() != nullptr ? m_hover.Get() : m_focus.Get();
        for (BXWnd* w = target; w != nullptr && w != this; w = w->GetParent()) {
            if (IsEnabledChain(w) && w->OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)))
                break;
        }
        return true;
    }
    case WM_GETDLGCODE:
        result = DLGC_WANTALLKEYS | DLGC_WANTCHARS;
        return true;
    case WM_KEYDOWN: {
        const UINT key = UINT(wParam);
        if (key == VK_TAB) {
            MoveFocus(::GetKeyState(VK_SHIFT) >= 0);
            return true;
        }
        BXWnd* focus = m_focus.Get();
        if (focus != nullptr && !IsEnabledChain(focus))
            focus = nullptr;
        if ((focus == nullptr || !focus->WantsDialogKey(key)) && PreTranslateKey(key))
            return true;
        if (focus != nullptr)
            focus->OnKeyDown(key);
        return true;
    }
    case WM_CHAR:
        if (wParam != '\t') {
            BXWnd* focus = m_focus.Get();
            if (focus != nullptr && IsEnabledChain(focus))
                focus->OnChar(UINT(wParam));
        }
        return true;
    case WM_SETFOCUS:
        if (BXWnd* focus = m_focus.Get()) {
            focus->OnSetFocus();
            focus->Invalidate();
        }
        return true;
    case WM_KILLFOCUS:
        if (BXWnd* focus = m_focus.Get()) {
            focus->OnKillFocus();
            focus->Invalidate();
        }
        return true;
    case WM_TIMER:
        if (wParam >= kFirstControlTimer)
            RunControlTimer(wParam);
        else
            OnTimer(uint32_t(wParam));
        return true;
    default:
        return BXSystemWnd::OnMessage(message, wParam, lParam, result);
    }
}
