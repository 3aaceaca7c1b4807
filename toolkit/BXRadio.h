// A radio button: the "Frame" "RadioButton" image and a text in the section "Frame::RadioButton" (image
// states as the check box's: button state, plus 4 when checked). Checking it unchecks the other radios
// of its group and fires kClickEvent; checking a checked radio does nothing. Up and Down move to the
// previous or next radio of the group, wrapping, check it and focus it; Space and Enter check it.
#pragma once

#include "BXControlWnd.h"

class BXRadioArray;

class BXRadio : public BXControlWnd {
public:
    static constexpr const BXChar* kTextSection = u"Frame::RadioButton";

    explicit BXRadio(const BXString& text = BXString());
    ~BXRadio() override;
    BX_RUNTIME_CLASS(BXRadio, BXControlWnd)

    bool IsChecked() const { return m_checked; }
    // False when a click handler destroyed the radio.
    bool SetChecked(bool checked);
    BXRadioArray* GetGroup() const { return m_group; }
    // The choice this radio stands for in its group.
    int32_t GetIndex() const { return m_index; }

    // Button state: 0 normal, 1 over, 2 pressed, 3 disabled.
    int32_t GetState() const;

    bool IsTabStop() const override;
    bool WantsDialogKey(UINT virtualKey) const override { return virtualKey == VK_RETURN; }
    bool OnKeyDown(UINT virtualKey) override;
    void OnMouseEnter() override;
    void OnMouseLeave() override;
    void OnMouseDown(POINT point) override;
    void OnMouseUp(POINT point) override;
    void OnPaint(HDC dc) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    friend class BXRadioArray;

    BXRadioArray* m_group = nullptr;
    int32_t m_index = -1;
    bool m_checked = false;
    bool m_hover = false;
    bool m_pressed = false;
};
