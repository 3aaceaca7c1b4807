#include "BXTimer.h"

#include "BXWindows.h"

namespace {
BXTimer::Clock g_clock = nullptr;
}

void BXTimer::SetClock(Clock clock)
{
    g_clock = clock;
}

uint64_t BXTimer::Now()
{
    return g_clock != nullptr ? g_clock() : ::GetTickCount64();
}
