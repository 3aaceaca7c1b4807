// Push-button behaviour without looks: pointer-over, pressed and disabled
// states, capture while pressed, a click when the press ends over the button
// (or on Space or Enter while focused), which fires kClickEvent. A button may
// carry a command number for its button row.
#pragma once

#include "BXControlWnd.h"

class BXButtonBase : public BXControlWnd {
public:
    enum State : int32_t { kNormal = 0, kOver = 1, kPressed = 2, kDisabled = 3 };

    BX_RUNTIME_CLASS(BXButtonBase, BXControlWnd)

    int32_t GetState() const;
    void SetCommand(uint32_t command) { m_command = command; }
    uint32_t GetCommand() const { return m_command; }
    // Fires kClickEvent when the button is enabled; false when a handler
    // destroyed the button or it is disabled.
    bool Click();

    bool IsTabStop() const override { return true; }
    bool WantsDialogKey(UINT virtualKey) const override { return virtualKey == VK_RETURN; }
    void OnMouseEnter() override;
    void OnMouseLeave() override;
    void OnMouseMove(POINT point) override;
    void OnMouseDown(POINT point) override;
    void OnMouseUp(POINT point) override;
    bool OnKeyDown(UINT virtualKey) override;

private:
    void SetHover(bool hover);

    bool m_hover = false;
    bool m_pressed = false;
    uint32_t m_command = 0;
};
