#include "OsInfo.h"

#include "BXSystemFacts.h"

OsInfo& OsInfo::Get()
{
    static OsInfo info;
    return info;
}

BXOsVersionName OsInfo::Current()
{
    const std::lock_guard<std::mutex> guard(m_lock);
    const uint32_t generation = BXSystemFactsGeneration();
    if (!m_read || generation != m_generation) {
        OSVERSIONINFOEXW version{};
        if (BXSystemFacts().GetVersion(&version)) {
            m_version = DescribeOsVersion(version.dwPlatformId, version.dwMajorVersion, version.dwMinorVersion,
                                          BXFromWide(version.szCSDVersion));
        } else {
            m_version = UnknownOsVersion();
        }
        m_read = true;
        m_generation = generation;
    }
    return m_version;
}

int32_t OsInfo::GetCode()
{
    return Current().code;
}

BXString OsInfo::GetName()
{
    return Current().name;
}

int32_t GetOsVersionCode()
{
    return OsInfo::Get().GetCode();
}
