#include "BXSkinAccess.h"

namespace {

constexpr int32_t kDefaultControlHeight = 23;

HFONT DefaultFont(int32_t style)
{
    static HFONT bold = nullptr;
    HFONT normal = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    if (style != IBXSkin::kFontBold)
        return normal;
    if (bold == nullptr) {
        LOGFONTW font{};
        ::GetObjectW(normal, sizeof(font), &font);
        font.lfWeight = FW_BOLD;
        // Lives as long as the process, like the stock font it derives from.
        bold = ::CreateFontIndirectW(&font);
    }
    return bold != nullptr ? bold : normal;
}

int32_t ScreenDpi()
{
    HDC screen = ::GetDC(nullptr);
    const int32_t dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr)
        ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

} // namespace

IBXSkin* BXGetSkin()
{
    IBXToolsDLL* tools = BXGetTools();
    return tools != nullptr ? tools->GetSkin() : nullptr;
}

int32_t BXScale(int32_t length)
{
    if (IBXSkin* skin = BXGetSkin())
        return skin->Scale(length);
    static const int32_t dpi = ScreenDpi();
    const int64_t scaled = int64_t(length) * dpi;
    return int32_t(scaled >= 0 ? (scaled + 48) / 96 : -((-scaled + 48) / 96));
}

int32_t BXGetStandardControlHeight()
{
    if (IBXImage* image = BXGetSkinImage(u"Frame", u"Button")) {
        if (image->GetHeight() > 0)
            return image->GetHeight();
    }
    return BXScale(kDefaultControlHeight);
}

uint32_t BXGetSkinColor(const BXChar* section, const BXChar* key, uint32_t defaultColor)
{
    IBXSkin* skin = BXGetSkin();
    return skin != nullptr ? skin->GetColor(section, key, defaultColor) : defaultColor;
}

IBXImage* BXGetSkinImage(const BXChar* section, const BXChar* key)
{
    IBXSkin* skin = BXGetSkin();
    return skin != nullptr ? skin->GetImage(section, key) : nullptr;
}

bool BXDrawSkinImage(HDC dc, const BXChar* section, const BXChar* key, const RECT& rect, int32_t state)
{
    IBXImage* image = BXGetSkinImage(section, key);
    if (image == nullptr)
        return false;
    const BXRect target = BXToRect(rect);
    image->Draw(dc, &target, state);
    return true;
}

void BXDrawSkinText(HDC dc, const BXString& text, const RECT& rect, uint32_t format, uint32_t color, int32_t style)
{
    if (IBXSkin* skin = BXGetSkin()) {
        const BXRect target = BXToRect(rect);
        skin->DrawText(dc, text.GetString(), text.GetLength(), &target, format, color, style);
        return;
    }
    RECT target = rect;
    HGDIOBJ oldFont = ::SelectObject(dc, DefaultFont(style));
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(dc, color);
    ::DrawTextW(dc, text.W(), text.GetLength(), &target, format);
    ::SetTextColor(dc, oldColor);
    ::SetBkMode(dc, oldMode);
    ::SelectObject(dc, oldFont);
}

SIZE BXMeasureSkinText(const BXString& text, int32_t width, uint32_t format, int32_t style)
{
    if (IBXSkin* skin = BXGetSkin()) {
        int32_t cx = 0;
        int32_t cy = 0;
        skin->MeasureText(text.GetString(), text.GetLength(), width, format, style, &cx, &cy);
        return SIZE{cx, cy};
    }
    HDC dc = ::CreateCompatibleDC(nullptr);
    if (dc == nullptr)
        return SIZE{0, 0};
    HGDIOBJ oldFont = ::SelectObject(dc, DefaultFont(style));
    RECT rect{0, 0, width >= 0 ? width : 0x7FFF, 0};
    ::DrawTextW(dc, text.W(), text.GetLength(), &rect, format | DT_CALCRECT);
    ::SelectObject(dc, oldFont);
    ::DeleteDC(dc);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

int32_t BXGetLineHeight(int32_t style)
{
    if (IBXSkin* skin = BXGetSkin())
        return skin->GetLineHeight(style);
    return BXMeasureSkinText(BXString(u"Ag"), -1, DT_SINGLELINE, style).cy;
}

void BXFillSkinRect(HDC dc, const RECT& rect, uint32_t color)
{
    if (IBXSkin* skin = BXGetSkin()) {
        const BXRect target = BXToRect(rect);
        skin->FillRect(dc, &target, color);
        return;
    }
    HBRUSH brush = ::CreateSolidBrush(color);
    ::FillRect(dc, &rect, brush);
    ::DeleteObject(brush);
}
