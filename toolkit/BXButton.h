// A push button drawn from the skin: the "Frame" "Button" face image by
// state, and its text colour from the button's section ("Frame::Button" unless
// another is named). The text shows ampersands literally (no mnemonics).
#pragma once

#include "BXButtonBase.h"

class BXButton : public BXButtonBase {
public:
    static constexpr const BXChar* kDefaultSection = u"Frame::Button";

    explicit BXButton(const BXString& text = BXString());
    BX_RUNTIME_CLASS(BXButton, BXButtonBase)

    void SetSection(const BXString& section) { m_section = section; }
    const BXString& GetSection() const { return m_section; }

    // Text colour of a state: "TextColor" for state 0, the state's own key
    // otherwise, falling back to the "TextColor" value.
    static uint32_t GetTextColorForState(const BXChar* section, int32_t state);
    // The text as drawn: every "&" doubled.
    static BXString GetDrawnText(const BXString& text);

    void OnPaint(HDC dc) override;
    SIZE GetPreferredSize(int32_t width) override;

private:
    BXString m_section;
};
