// A check box: the "Frame" "CheckBox" image and a text in the section "Frame::Checkbox". A click (mouse,
// Space, or Click()) toggles the checked state, repaints and fires kClickEvent, whose handlers already
// see the new state. Image states: the button state (0 normal, 1 over, 2 pressed, 3 disabled), plus 4
// when checked.
#pragma once

#include "BXButtonBase.h"

class BXCheckbox : public BXButtonBase {
public:
    static constexpr const BXChar* kTextSection = u"Frame::Checkbox";

    explicit BXCheckbox(const BXString& text = BXString(), bool checked = false);
    BX_RUNTIME_CLASS(BXCheckbox, BXButtonBase)

    bool IsChecked() const { return m_checked; }
    // Sets the state without an event.
    void SetChecked(bool checked);

    // Enter belongs to the popup (its default button); Space toggles.
    bool WantsDialogKey(UINT virtualKey) const override
    {
        (void)virtualKey;
        return false;
    }
    bool OnKeyDown(UINT virtualKey) override;
    void OnPaint(HDC dc) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    void OnOwnClick();

    bool m_checked;
};
