// The button row at the bottom of a popup. Visible buttons sit at the right
// end in the order they were added (the last at the right edge), each at its
// preferred width, 8 (scaled) apart; hidden buttons take no room. A click on a
// button that carries a command number reaches the owner window as WM_COMMAND.
#pragma once

#include "BXButton.h"

#include <map>

class BXPopupBottomButtonsWnd : public BXControlWnd {
public:
    static constexpr int32_t kGap = 8;

    BX_RUNTIME_CLASS(BXPopupBottomButtonsWnd, BXControlWnd)

    // command 0: the click only fires the button's own click event.
    BXButton* AddButton(const BXString& text, uint32_t command = 0);
    void SetButtonVisible(BXButton* button, bool visible);
    bool IsButtonVisible(BXButton* button) const;
    // Sends WM_COMMAND with the number in the low word of wParam to the owner
    // window (the owner object's window, else the host window).
    void SendCommand(uint32_t command);
    const std::vector<BXTypedWndPtr<BXButton>>& GetButtons() const { return m_buttons; }

    void Layout(const RECT& rect) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    void OnButtonClicked(const BXWndEvent& event);

    std::vector<BXTypedWndPtr<BXButton>> m_buttons;
    std::map<const BXWnd*, bool> m_visible;
};
