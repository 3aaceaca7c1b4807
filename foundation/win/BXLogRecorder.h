// Test double of the tools component that offers only the log service and
// records every line; installed process-wide while alive.
#pragma once

#include "BXNullTools.h"

#include <mutex>
#include <string>
#include <vector>

class BXLogRecorder final : public BXNullTools, public IBXLog {
public:
    struct Line {
        int32_t level;
        std::u16string source;
        std::u16string text;
    };

    BXLogRecorder() { BXSetTools(this); }
    ~BXLogRecorder() { BXSetTools(nullptr); }

    std::vector<Line> Lines()
    {
        std::lock_guard<std::mutex> guard(m_lock);
        return m_lines;
    }
    // Texts written under source, in order.
    std::vector<std::u16string> TextsOf(const std::u16string& source)
    {
        std::vector<std::u16string> texts;
        for (const Line& line : Lines())
            if (line.source == source)
                texts.push_back(line.text);
        return texts;
    }

    IBXLog* GetLog() override { return this; }

    void Write(int32_t level, const BXChar* source, const BXChar* text) override
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_lines.push_back({level, source, text});
    }
    void GetLogPath(BXDllString*) override {}

private:
    std::mutex m_lock;
    std::vector<Line> m_lines;
};
