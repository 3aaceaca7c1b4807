#include "BXPopupBottomButtonsWnd.h"

#include "BXSkinAccess.h"

BXButton* BXPopupBottomButtonsWnd::AddButton(const BXString& text, uint32_t command)
{
    BXTypedWndPtr<BXButton> button = CreateButton(text);
    button->SetCommand(command);
    button->OnEvent<&BXPopupBottomButtonsWnd::OnButtonClicked>(kClickEvent, this);
    m_buttons.push_back(button);
    m_visible[button.Get()] = true;
    Layout(m_rect);
    return button.Get();
}

void BXPopupBottomButtonsWnd::SetButtonVisible(BXButton* button, bool visible)
{
    auto found = m_visible.find(button);
    if (found == m_visible.end() || found->second == visible)
        return;
    found->second = visible;
    button->Show(visible);
    Layout(m_rect);
}

bool BXPopupBottomButtonsWnd::IsButtonVisible(BXButton* button) const
{
    auto found = m_visible.find(button);
    return found != m_visible.end() && found->second;
}

void BXPopupBottomButtonsWnd::SendCommand(uint32_t command)
{
    HWND target = m_owner != nullptr ? m_owner->GetHostHwnd() : GetHostHwnd();
    if (target != nullptr)
        ::SendMessageW(target, WM_COMMAND, MAKEWPARAM(command & 0xFFFF, 0), 0);
}

void BXPopupBottomButtonsWnd::OnButtonClicked(const BXWndEvent& event)
{
    auto* button = dynamic_cast<BXButton*>(event.m_source);
    if (button != nullptr && button->GetCommand() != 0)
        SendCommand(button->GetCommand());
}

void BXPopupBottomButtonsWnd::Layout(const RECT& rect)
{
    LONG right = rect.right;
    const int32_t gap = BXScale(kGap);
    for (auto it = m_buttons.rbegin(); it != m_buttons.rend(); ++it) {
        BXButton* button = it->Get();
        if (button == nullptr || !IsButtonVisible(button))
            continue;
        const int32_t width = button->GetPreferredSize(-1).cx;
        button->SetWindowPos(RECT{right - width, rect.top, right, rect.bottom}, 0);
        right -= width + gap;
    }
}

SIZE BXPopupBottomButtonsWnd::GetPreferredSize(int32_t width)
{
    (void)width;
    return SIZE{-1, BXGetStandardControlHeight()};
}
