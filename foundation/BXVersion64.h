// 64-bit file versions: four 16-bit parts, the first in the highest bits; 0 means unknown.
#pragma once

#include "BXString.h"

// "23.0.55.1" or "1,2,3,4"; missing parts are 0, each part is cut to 16 bits.
uint64_t ParseVersion64(const BXString& text);
uint64_t MakeVersion64(uint16_t major, uint16_t minor, uint16_t build, uint16_t revision);
