// Saves what a window object paints into its client area as a PNG file, with WIC.
#pragma once

#include "BXDrawWnd.h"

// False when the window has no size or the file cannot be written.
bool BXSaveWindowPng(BXDrawWnd& window, const BXString& path);
