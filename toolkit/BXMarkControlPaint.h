// Painting and sizing shared by the check box and the radio button: a mark image at the left,
// vertically centred, and the text after it.
#pragma once

#include "BXString.h"
#include "BXWindows.h"

#include <cstdint>

struct BXMarkControlLook {
    const BXChar* imageKey;    // in the section "Frame"
    const BXChar* textSection; // colours of the text
    UINT fallbackState;        // DrawFrameControl state without a skin (DFCS_BUTTONCHECK, DFCS_BUTTONRADIO)
};

void BXPaintMarkControl(HDC dc, const RECT& rect, const BXMarkControlLook& look, const BXString& text, bool checked,
                        int32_t buttonState, bool focused);
SIZE BXMeasureMarkControl(const BXMarkControlLook& look, const BXString& text, int32_t width);
