// The operating system's code and display name (codes in BXOsVersionTable.h),
// process-wide, read from the system facts on first use and kept. A scoped
// override of the facts is read afresh on the next call. Any thread.
#pragma once

#include "BXOsVersionTable.h"

#include <mutex>

class OsInfo {
public:
    static OsInfo& Get();

    int32_t GetCode();
    BXString GetName();

    OsInfo(const OsInfo&) = delete;
    OsInfo& operator=(const OsInfo&) = delete;

private:
    OsInfo() = default;
    BXOsVersionName Current();

    std::mutex m_lock;
    bool m_read = false;
    uint32_t m_generation = 0;
    BXOsVersionName m_version;
};

// OsInfo::Get().GetCode().
int32_t GetOsVersionCode();
