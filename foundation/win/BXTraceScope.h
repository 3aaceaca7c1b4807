// A timing trace: writes "Start" under its name when created and a finish
// line with the elapsed milliseconds (and the result, when one was set) when
// it ends. Without the tools component's log service nothing is written.
#pragma once

#include "BXString.h"

#include <cstdint>

class BXTraceScope {
public:
    static constexpr int32_t kNoResult = int32_t(0x8A33F231);

    explicit BXTraceScope(const BXChar* name, bool enabled = true);
    ~BXTraceScope();
    BXTraceScope(const BXTraceScope&) = delete;
    BXTraceScope& operator=(const BXTraceScope&) = delete;

    template <typename... Args> void Trace(const BXChar* format, const Args&... args)
    {
        if (m_enabled)
            Write(BXString::Formatted(format, args...));
    }
    void SetResult(int32_t result) { m_result = result; }

private:
    void Write(const BXString& text) const;

    int32_t m_level = 1;
    BXString m_name;
    bool m_enabled;
    uint32_t m_startTick;
    int32_t m_result = kNoResult;
};
