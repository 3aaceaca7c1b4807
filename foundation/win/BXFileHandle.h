// Owner of one Windows file handle: opened with CreateFileW (a path of 260
// characters or more in its full form behind the long-path prefix), closed on
// Close or destruction. Move-only; one thread at a time.
#pragma once

#include "BXHandle.h"
#include "BXString.h"

class BXFileHandle {
public:
    BXFileHandle() = default;

    bool Open(const BXString& path, uint32_t access, uint32_t sharing, uint32_t creationDisposition,
              uint32_t flags = FILE_ATTRIBUTE_NORMAL);
    // Bytes read, -1 on failure.
    int64_t Read(void* buffer, uint32_t count);
    // True when every byte was written.
    bool Write(const void* buffer, uint32_t count);
    void Close() { m_handle.Reset(); }
    bool IsOpen() const { return m_handle.IsValid(); }
    HANDLE Get() const { return m_handle.Get(); }

private:
    BXHandle m_handle;
};
