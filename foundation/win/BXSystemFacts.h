// Facts about the machine that the test machines cannot vary (the Windows
// version, the processor, a 32-bit process on 64-bit Windows, the user's
// rights). Product code asks BXSystemFacts(); tests replace the answers for a
// scope with BXScopedSystemFacts. Answers of the default come from the OS.
#pragma once

#include "BXRegKey.h"
#include "BXWindows.h"

#include <cstdint>

class IBXSystemFacts {
public:
    // GetVersionExW's answer; false when the call fails.
    virtual bool GetVersion(OSVERSIONINFOEXW* info) = 0;
    // The processor feature mask as CPUID reports it (0x1 always, 0x2 MMX,
    // 0x4 SSE, 0x8 SSE2 ... 0x10000 the Intel vendor text).
    virtual uint32_t GetCpuFeatureMask() = 0;
    // Whether this process is a 32-bit process on 64-bit Windows.
    virtual bool IsWow64() = 0;
    // Switches the calling thread's file-system redirection off or back on;
    // false when the system cannot.
    virtual bool EnableFsRedirection(bool enable) = 0;
    // Creates or opens parent\subKey with the access into key (closed on
    // failure). The rights probe creates its keys here, so a test can make
    // the machine registry refuse a user.
    virtual bool CreateRegistryKey(HKEY parent, const BXChar* subKey, REGSAM access, BXRegKey& key) = 0;

protected:
    ~IBXSystemFacts() = default;
};

// The facts in force for the process.
IBXSystemFacts& BXSystemFacts();
// Changes whenever a scoped override begins or ends: answers derived from the
// facts may be cached while it stays the same.
uint32_t BXSystemFactsGeneration();

// Puts facts in force until the scope ends (tests; main thread, not nested
// across threads).
class BXScopedSystemFacts {
public:
    explicit BXScopedSystemFacts(IBXSystemFacts& facts);
    ~BXScopedSystemFacts();
    BXScopedSystemFacts(const BXScopedSystemFacts&) = delete;
    BXScopedSystemFacts& operator=(const BXScopedSystemFacts&) = delete;

private:
    IBXSystemFacts* m_previous;
};

// The answers of the operating system; tests derive from it to change one fact.
class BXOsSystemFacts : public IBXSystemFacts {
public:
    bool GetVersion(OSVERSIONINFOEXW* info) override;
    uint32_t GetCpuFeatureMask() override;
    bool IsWow64() override;
    bool EnableFsRedirection(bool enable) override;
    bool CreateRegistryKey(HKEY parent, const BXChar* subKey, REGSAM access, BXRegKey& key) override;

protected:
    ~BXOsSystemFacts() = default;
};
