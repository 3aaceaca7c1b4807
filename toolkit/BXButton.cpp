#include "BXButton.h"

#include "BXSkinAccess.h"

#include <algorithm>

namespace {
constexpr int32_t kMinimumWidth = 75;
constexpr int32_t kTextPadding = 12;
} // namespace

BXButton::BXButton(const BXString& text) : m_section(kDefaultSection)
{
    m_text = text;
}

uint32_t BXButton::GetTextColorForState(const BXChar* section, int32_t state)
{
    static constexpr const BXChar* kStateKeys[] = {u"TextColor", u"OverTextColor", u"PressedTextColor",
                                                   u"DisabledTextColor"};
    const uint32_t normal = BXGetSkinColor(section, kStateKeys[0], ::GetSysColor(COLOR_BTNTEXT));
    if (state <= kNormal || state > kDisabled)
        return normal;
    if (BXGetSkin() == nullptr)
        return state == kDisabled ? ::GetSysColor(COLOR_GRAYTEXT) : normal;
    return BXGetSkinColor(section, kStateKeys[state], normal);
}

BXString BXButton::GetDrawnText(const BXString& text)
{
    BXString drawn(text);
    drawn.Replace(u"&", u"&&");
    return drawn;
}

void BXButton::OnPaint(HDC dc)
{
    const int32_t state = GetState();
    if (!BXDrawSkinImage(dc, u"Frame", u"Button", m_rect, state)) {
        RECT face = m_rect;
        UINT flags = DFCS_BUTTONPUSH;
        if (state == kPressed)
            flags |= DFCS_PUSHED;
        if (state == kDisabled)
            flags |= DFCS_INACTIVE;
        ::DrawFrameControl(dc, &face, DFC_BUTTON, flags);
    }
    RECT text = m_rect;
    if (state == kPressed)
        ::OffsetRect(&text, 1, 1);
    BXDrawSkinText(dc, GetDrawnText(m_text), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                   GetTextColorForState(m_section.GetString(), state), IBXSkin::kFontNormal);
    if (HasFocus()) {
        RECT focus = m_rect;
        const int32_t inset = BXScale(3);
        ::InflateRect(&focus, -inset, -inset);
        ::DrawFocusRect(dc, &focus);
    }
}

SIZE BXButton::GetPreferredSize(int32_t width)
{
    (void)width;
    const SIZE text = BXMeasureSkinText(GetDrawnText(m_text), -1, DT_SINGLELINE, IBXSkin::kFontNormal);
    const int32_t cx = std::max(BXScale(kMinimumWidth), int32_t(text.cx) + 2 * BXScale(kTextPadding));
    return SIZE{cx, BXGetStandardControlHeight()};
}
