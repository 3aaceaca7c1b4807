// Byte counts as short texts for the user: "1023 bytes", "1.5 KB", "100 KB", "-2.0 KB".
#pragma once

#include "BXString.h"

BXString FormatSize(int64_t bytes);
