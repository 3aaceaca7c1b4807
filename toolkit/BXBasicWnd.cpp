#include "BXBasicWnd.h"

namespace {
constexpr const wchar_t* kObjectProperty = L"Brenix Window Object";
}

RECT BXBasicWnd::GetRect() const
{
    RECT rect{};
    if (m_hwnd != nullptr)
        ::GetClientRect(m_hwnd, &rect);
    return rect;
}

void BXBasicWnd::SetWindowPos(const RECT& rect, uint32_t flags)
{
    if (m_hwnd == nullptr)
        return;
    ::SetWindowPos(m_hwnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   (flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW | SWP_NOACTIVATE)) | SWP_NOZORDER);
}

bool BXBasicWnd::IsVisible() const
{
    return m_hwnd != nullptr && (::GetWindowLongW(m_hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void BXBasicWnd::Show(bool show)
{
    if (m_hwnd != nullptr)
        ::ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE);
}

bool BXBasicWnd::IsEnabled() const
{
    return m_hwnd != nullptr && ::IsWindowEnabled(m_hwnd);
}

void BXBasicWnd::Enable(bool enable)
{
    if (m_hwnd != nullptr)
        ::EnableWindow(m_hwnd, enable);
}

BXString BXBasicWnd::GetText() const
{
    BXString text;
    if (m_hwnd == nullptr)
        return text;
    const int length = ::GetWindowTextLengthW(m_hwnd);
    if (length <= 0)
        return text;
    BXChar* buffer = text.GetBuffer(length + 1);
    const int copied = ::GetWindowTextW(m_hwnd, BXWide(buffer), length + 1);
    text.ReleaseBuffer(copied);
    return text;
}

void BXBasicWnd::SetText(const BXString& text)
{
    m_text = text;
    if (m_hwnd != nullptr)
        ::SetWindowTextW(m_hwnd, text.W());
}

uint32_t BXBasicWnd::GetStyle() const
{
    return m_hwnd != nullptr ? uint32_t(::GetWindowLongW(m_hwnd, GWL_STYLE)) : m_style;
}

void BXBasicWnd::SetStyle(uint32_t style)
{
    m_style = style;
    if (m_hwnd != nullptr)
        ::SetWindowLongW(m_hwnd, GWL_STYLE, LONG(style));
}

bool BXBasicWnd::SetTimer(uint32_t timerId, uint32_t periodMs)
{
    return m_hwnd != nullptr && ::SetTimer(m_hwnd, timerId, periodMs, nullptr) != 0;
}

bool BXBasicWnd::KillTimer(uint32_t timerId)
{
    return m_hwnd != nullptr && ::KillTimer(m_hwnd, timerId);
}

void BXBasicWnd::Invalidate(const RECT* rect)
{
    if (m_hwnd != nullptr)
        ::InvalidateRect(m_hwnd, rect, FALSE);
}

bool BXBasicWnd::SetForeground()
{
    return m_hwnd != nullptr && ::SetForegroundWindow(m_hwnd);
}

void BXBasicWnd::SetKeyboardFocus()
{
    if (m_hwnd != nullptr)
        ::SetFocus(m_hwnd);
}

void BXBasicWnd::CaptureMouse()
{
    if (m_hwnd != nullptr && ::GetCapture() != m_hwnd)
        ::SetCapture(m_hwnd);
}

void BXBasicWnd::ReleaseMouse()
{
    if (m_hwnd != nullptr && ::GetCapture() == m_hwnd)
        ::ReleaseCapture();
}

BXBasicWnd* BXBasicWnd::FromHandle(HWND window)
{
    return window != nullptr ? static_cast<BXBasicWnd*>(::GetPropW(window, kObjectProperty)) : nullptr;
}

void BXBasicWnd::AttachHandle(HWND window, bool mark)
{
    m_hwnd = window;
    if (mark && window != nullptr)
        ::SetPropW(window, kObjectProperty, this);
}

void BXBasicWnd::DetachHandle()
{
    if (m_hwnd != nullptr && FromHandle(m_hwnd) == this)
        ::RemovePropW(m_hwnd, kObjectProperty);
    m_hwnd = nullptr;
}
