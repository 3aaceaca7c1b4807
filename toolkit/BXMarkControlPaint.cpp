#include "BXMarkControlPaint.h"

#include "BXSkinAccess.h"

#include <algorithm>

namespace {
constexpr int32_t kMarkSize = 13; // device-independent pixels, without a skin image
constexpr int32_t kTextGap = 5;
constexpr int32_t kStateDisabled = 3;
constexpr int32_t kCheckedStates = 4;
constexpr uint32_t kTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;

SIZE MarkSize(const BXMarkControlLook& look)
{
    if (IBXImage* image = BXGetSkinImage(u"Frame", look.imageKey))
        return SIZE{image->GetWidth(), image->GetHeight()};
    return SIZE{BXScale(kMarkSize), BXScale(kMarkSize)};
}
} // namespace

void BXPaintMarkControl(HDC dc, const RECT& rect, const BXMarkControlLook& look, const BXString& text, bool checked,
                        int32_t buttonState, bool focused)
{
    const SIZE mark = MarkSize(look);
    const int32_t lineHeight = BXGetLineHeight(IBXSkin::kFontNormal);
    // The mark sits beside the first line of the text.
    const int32_t top = rect.top + std::max<int32_t>(0, (std::max<int32_t>(lineHeight, mark.cy) - mark.cy) / 2);
    RECT box{rect.left, top, rect.left + mark.cx, top + mark.cy};
    if (!BXDrawSkinImage(dc, u"Frame", look.imageKey, box, buttonState + (checked ? kCheckedStates : 0)) &&
        BXGetSkin() == nullptr) {
        UINT state = look.fallbackState | (checked ? DFCS_CHECKED : 0);
        if (buttonState == kStateDisabled)
            state |= DFCS_INACTIVE;
        if (buttonState == 2)
            state |= DFCS_PUSHED;
        ::DrawFrameControl(dc, &box, DFC_BUTTON, state);
    }
    const uint32_t normal = BXGetSkinColor(look.textSection, u"TextColor", ::GetSysColor(COLOR_BTNTEXT));
    const uint32_t color = buttonState == kStateDisabled
                               ? BXGetSkinColor(look.textSection, u"DisabledTextColor", ::GetSysColor(COLOR_GRAYTEXT))
                               : normal;
    RECT textRect{rect.left + mark.cx + BXScale(kTextGap), rect.top, rect.right, rect.bottom};
    const int32_t textTop = rect.top + std::max<int32_t>(0, (mark.cy - lineHeight) / 2);
    textRect.top = textTop;
    BXDrawSkinText(dc, text, textRect, kTextFormat, color, IBXSkin::kFontNormal);
    if (focused) {
        const SIZE size = BXMeasureSkinText(text, textRect.right - textRect.left, kTextFormat, IBXSkin::kFontNormal);
        RECT focus{textRect.left - 1, textRect.top, textRect.left + size.cx + 1, textRect.top + size.cy};
        ::DrawFocusRect(dc, &focus);
    }
}

SIZE BXMeasureMarkControl(const BXMarkControlLook& look, const BXString& text, int32_t width)
{
    const SIZE mark = MarkSize(look);
    const int32_t indent = mark.cx + BXScale(kTextGap);
    const SIZE size = BXMeasureSkinText(text, width >= 0 ? std::max<int32_t>(width - indent, 1) : -1, kTextFormat,
                                        IBXSkin::kFontNormal);
    return SIZE{indent + size.cx + 1, std::max<int32_t>(mark.cy, size.cy)};
}
