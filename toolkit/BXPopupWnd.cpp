#include "BXPopupWnd.h"

#include "BXSkinAccess.h"
#include "BXWndDeleteProbe.h"

#include <algorithm>

BXPopupWnd::~BXPopupWnd() = default;

SIZE BXPopupWnd::GetInitialClientSize() const
{
    return SIZE{BXScale(400), BXScale(300)};
}

bool BXPopupWnd::CreatePopup(HWND owner, const SIZE* clientSize, bool child)
{
    if (m_hwnd != nullptr)
        return true;
    const DWORD style = child ? (WS_CHILD | WS_CLIPCHILDREN) : GetPopupStyle();
    const DWORD exStyle = child ? WS_EX_CONTROLPARENT : WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    const SIZE size = clientSize != nullptr ? *clientSize : GetInitialClientSize();
    RECT rect{0, 0, size.cx, size.cy};
    if (!child) {
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
        RECT area{};
        if (owner != nullptr && ::IsWindowVisible(owner))
            ::GetWindowRect(owner, &area);
        else
            ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        const LONG width = rect.right - rect.left;
        const LONG height = rect.bottom - rect.top;
        rect.left = area.left + std::max<LONG>(0, (area.right - area.left - width) / 2);
        rect.top = area.top + std::max<LONG>(0, (area.bottom - area.top - height) / 2);
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
    }
    m_endResult = -1;
    m_ending = false;
    return CreateSystemWindow(exStyle, style, rect, owner, m_text);
}

int32_t BXPopupWnd::DoModal(HWND owner)
{
    if (m_hwnd == nullptr && !CreatePopup(owner))
        return -1;
    ::ShowWindow(m_hwnd, SW_SHOW);
    ::UpdateWindow(m_hwnd);
    return RunModalLoop(0);
}

int32_t BXPopupWnd::RunModalLoop(uint32_t timeoutMs)
{
    if (m_hwnd == nullptr)
        return -1;
    BXWndDeleteProbe probe(*this);
    const bool wasModal = m_modal;
    m_modal = true;
    m_endResult = -1;
    m_ending = false;
    HWND owner = ::GetWindow(m_hwnd, GW_OWNER);
    const bool disabledOwner = owner != nullptr && owner != m_hwnd && ::IsWindowEnabled(owner);
    if (disabledOwner)
        ::EnableWindow(owner, FALSE);

    const ULONGLONG start = ::GetTickCount64();
    bool quit = false;
    while (!probe.IsDeleted() && !m_ending && m_hwnd != nullptr && ::IsWindow(m_hwnd)) {
        IBXToolsDLL* tools = BXGetTools();
        IBXWindowTools* pump = tools != nullptr ? tools->GetWindow() : nullptr;
        if (pump != nullptr) {
            quit = !pump->PumpMessages();
        } else {
            MSG message{};
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    quit = true;
                    break;
                }
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
                if (probe.IsDeleted() || m_ending)
                    break;
            }
        }
        if (quit || probe.IsDeleted() || m_ending)
            break;
        DWORD wait = INFINITE;
        if (timeoutMs != 0) {
            const ULONGLONG elapsed = ::GetTickCount64() - start;
            if (elapsed >= timeoutMs)
                break;
            wait = DWORD(timeoutMs - elapsed);
        }
        ::MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    // The outer loop must see the quit request too.
    if (quit)
        ::PostQuitMessage(0);
    if (disabledOwner)
        ::EnableWindow(owner, TRUE);
    if (probe.IsDeleted())
        return -1;
    m_modal = wasModal;
    if (m_ending)
        DestroySystemWindow();
    return m_endResult;
}

void BXPopupWnd::EndModal(int32_t result)
{
    m_endResult = result;
    m_ending = true;
    if (m_modal) {
        // Wakes the loop, which enables the owner before the window goes.
        if (m_hwnd != nullptr)
            ::PostMessageW(m_hwnd, WM_NULL, 0, 0);
        return;
    }
    DestroySystemWindow();
}

bool BXPopupWnd::PreTranslateKey(UINT virtualKey)
{
    if (virtualKey != VK_ESCAPE)
        return false;
    if (::FindWindowW(BXWide(kMenuClassName), nullptr) != nullptr)
        return false;
    OnCancel();
    return true;
}

void BXPopupWnd::PaintBackground(HDC dc, const RECT& client)
{
    if (!BXDrawSkinImage(dc, u"Frame", u"DialogBack", client, 0))
        BXControlsWnd::PaintBackground(dc, client);
}

bool BXPopupWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case BXWM_ENDMODAL:
        EndModal(int32_t(wParam));
        return true;
    case WM_CLOSE:
        OnCancel();
        return true;
    case WM_COMMAND:
        if (OnCommand(LOWORD(wParam)))
            return true;
        break;
    case WM_GETMINMAXINFO:
        if (m_minTrackSize.cx > 0 || m_minTrackSize.cy > 0) {
            RECT rect{0, 0, m_minTrackSize.cx, m_minTrackSize.cy};
            ::AdjustWindowRectEx(&rect, DWORD(::GetWindowLongW(m_hwnd, GWL_STYLE)), FALSE,
                                 DWORD(::GetWindowLongW(m_hwnd, GWL_EXSTYLE)));
            auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
            info->ptMinTrackSize.x = rect.right - rect.left;
            info->ptMinTrackSize.y = rect.bottom - rect.top;
            return true;
        }
        break;
    default:
        break;
    }
    return BXControlsWnd::OnMessage(message, wParam, lParam, result);
}
