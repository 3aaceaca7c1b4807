// The installer's message helpers. Every user-visible text passes through
// Translate; boxes go through the tools component's dialog service, or a
// plain system message box when it is missing.
#pragma once

#include "BXString.h"

// Windows message-box answer codes.
constexpr int32_t kAnswerOK = 1;
constexpr int32_t kAnswerYes = 6;
constexpr int32_t kAnswerNo = 7;

BXString Translate(const BXChar* literal);
// OK box; returns the button pressed. owner is an HWND or null.
int32_t ShowMessage(void* owner, const BXString& text, const BXString& title);
// Yes/No box; returns 6 (Yes) or 7 (No).
int32_t ShowQuestion(void* owner, const BXString& text, const BXString& title);
void ShowCriticalError();
// One line in the tools component's log (nothing without it).
void InstallerLog(int32_t level, const BXString& text);
