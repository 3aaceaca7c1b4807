// Blink period of the edit control's caret, from the user's "CursorBlinkRate" setting: a positive
// number clamped to 100..1000 ms, anything else (missing, zero, negative, not a number) 530 ms.
#pragma once

#include "BXString.h"

#include <cstdint>

constexpr int32_t kBXDefaultCaretPeriod = 530;

// The period for the setting's text; null when the value is missing.
int32_t BXCaretPeriodFromSetting(const BXString* value);

#ifdef _WIN32
// Reads HKEY_CURRENT_USER "Control Panel\Desktop" "CursorBlinkRate".
int32_t BXReadCaretPeriod();
#endif
