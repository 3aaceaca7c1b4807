// The one include of <windows.h> for foundation code, with the settings every
// Windows source of the project shares.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// The skin service's DrawText must keep its name whatever the include order.
#undef DrawText
