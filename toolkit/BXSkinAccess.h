// The toolkit's way to the skin and drawing service of the tools component.
// Without the service (or the tools component) it draws with plain defaults:
// system colours, GDI text in the default GUI font, no images.
#pragma once

#include "BXString.h"
#include "BXWindows.h"
#include "IBXTools.h"

IBXSkin* BXGetSkin();

// Device-independent pixels to device pixels, rounded half away from zero.
int32_t BXScale(int32_t length);
// Height of the skin's "Frame" "Button" image; a scaled 23 without one.
int32_t BXGetStandardControlHeight();
uint32_t BXGetSkinColor(const BXChar* section, const BXChar* key, uint32_t defaultColor);
// Null when there is no skin or no such image.
IBXImage* BXGetSkinImage(const BXChar* section, const BXChar* key);
// Draws the image state stretched into rect; false (nothing drawn) without an image.
bool BXDrawSkinImage(HDC dc, const BXChar* section, const BXChar* key, const RECT& rect, int32_t state);

// Text in the interface font (IBXSkin::kFontNormal or kFontBold), transparent.
void BXDrawSkinText(HDC dc, const BXString& text, const RECT& rect, uint32_t format, uint32_t color, int32_t style);
// Size of the text laid out with format within width (-1: no limit).
SIZE BXMeasureSkinText(const BXString& text, int32_t width, uint32_t format, int32_t style);
int32_t BXGetLineHeight(int32_t style);
void BXFillSkinRect(HDC dc, const RECT& rect, uint32_t color);

inline BXRect BXToRect(const RECT& rect)
{
    return BXRect{rect.left, rect.top, rect.right, rect.bottom};
}
