#include "BXFileHandle.h"

#include "BXFileChecks.h"

bool BXFileHandle::Open(const BXString& path, uint32_t access, uint32_t sharing, uint32_t creationDisposition,
                        uint32_t flags)
{
    m_handle.Reset(::CreateFileW(ToApiPath(path).W(), access, sharing, nullptr, creationDisposition, flags, nullptr));
    return m_handle.IsValid();
}

int64_t BXFileHandle::Read(void* buffer, uint32_t count)
{
    DWORD done = 0;
    if (!m_handle.IsValid() || !::ReadFile(m_handle.Get(), buffer, count, &done, nullptr)) {
        return -1;
    }
    return int64_t(done);
}

bool BXFileHandle::Write(const void* buffer, uint32_t count)
{
    DWORD done = 0;
    return m_handle.IsValid() && ::WriteFile(m_handle.Get(), buffer, count, &done, nullptr) && done == count;
}
