// The log service: appends plain-text lines (time, thread, level, source,
// text) to "%TEMP%\Install Wizard.log", opened per line so a crash loses
// nothing and other processes may read it at any time. Thread-safe.
#pragma once

#include "IBXTools.h"

#include <mutex>

class BXToolsLog final : public IBXLog {
public:
    static constexpr const BXChar* kLogFileName = u"Install Wizard.log";

    // An empty path means the default file in the temporary folder.
    explicit BXToolsLog(const BXString& path = BXString());

    void Write(int32_t level, const BXChar* source, const BXChar* text) override;
    void GetLogPath(BXDllString* path) override;

    const BXString& Path() const { return m_path; }
    static BXString DefaultPath();

private:
    std::mutex m_lock;
    BXString m_path;
};
