// Measures the time since it was last restarted, in milliseconds. The clock is
// the tick count unless a test puts its own in place.
#pragma once

#include <cstdint>

class BXTimer {
public:
    using Clock = uint64_t (*)();

    BXTimer() { Restart(); }
    void Restart() { m_start = Now(); }
    uint64_t GetElapsedMs() const { return Now() - m_start; }

    // Null restores the system clock.
    static void SetClock(Clock clock);
    static uint64_t Now();

private:
    uint64_t m_start = 0;
};
