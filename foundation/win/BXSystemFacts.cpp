#include "BXSystemFacts.h"

#include "BXOptionalFunctions.h"

#include <atomic>
#include <cpuid.h>

namespace {

class BXDefaultSystemFacts final : public BXOsSystemFacts {};

BXDefaultSystemFacts g_defaultFacts;
std::atomic<IBXSystemFacts*> g_facts{&g_defaultFacts};
std::atomic<uint32_t> g_generation{0};

uint64_t ReadXcr0()
{
    uint32_t low = 0;
    uint32_t high = 0;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
    return (static_cast<uint64_t>(high) << 32) | low;
}

} // namespace

IBXSystemFacts& BXSystemFacts()
{
    return *g_facts.load(std::memory_order_acquire);
}

uint32_t BXSystemFactsGeneration()
{
    return g_generation.load(std::memory_order_acquire);
}

BXScopedSystemFacts::BXScopedSystemFacts(IBXSystemFacts& facts)
    : m_previous(g_facts.exchange(&facts, std::memory_order_acq_rel))
{
    g_generation.fetch_add(1, std::memory_order_acq_rel);
}

BXScopedSystemFacts::~BXScopedSystemFacts()
{
    g_facts.store(m_previous, std::memory_order_release);
    g_generation.fetch_add(1, std::memory_order_acq_rel);
}

bool BXOsSystemFacts::GetVersion(OSVERSIONINFOEXW* info)
{
    ZeroMemory(info, sizeof(*info));
    info->dwOSVersionInfoSize = sizeof(*info);
    return ::GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(info)) != FALSE;
}

uint32_t BXOsSystemFacts::GetCpuFeatureMask()
{
    uint32_t mask = 0x1;
    unsigned int eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (__get_cpuid(0, &eax, &ebx, &ecx, &edx) == 0)
        return mask;
    const unsigned int maxLeaf = eax;
    // "GenuineIntel" in EBX, EDX, ECX order.
    if (ebx == 0x756e6547 && edx == 0x49656e69 && ecx == 0x6c65746e)
        mask |= 0x10000;
    if (maxLeaf >= 1 && __get_cpuid(1, &eax, &ebx, &ecx, &edx) != 0) {
        if (edx & (1u << 23))
            mask |= 0x2;
        if (edx & (1u << 25))
            mask |= 0x4;
        if (edx & (1u << 26))
            mask |= 0x8;
        if (ecx & (1u << 0))
            mask |= 0x10;
        if (ecx & (1u << 9))
            mask |= 0x20;
        if (ecx & (1u << 19))
            mask |= 0x80;
        if (ecx & (1u << 20))
            mask |= 0x100;
        const bool avx = (ecx & (1u << 28)) != 0;
        const bool osSaves = (ecx & (1u << 27)) != 0;
        if (avx && osSaves && (ReadXcr0() & 0x6) == 0x6)
            mask |= 0x200;
    }
    if (__get_cpuid(0x80000000, &eax, &ebx, &ecx, &edx) != 0 && eax >= 0x80000001 &&
        __get_cpuid(0x80000001, &eax, &ebx, &ecx, &edx) != 0) {
        if (ecx & (1u << 6))
            mask |= 0x40;
        if (edx & (1u << 29))
            mask |= 0x400;
    }
    return mask;
}

bool BXOsSystemFacts::IsWow64()
{
    const auto isWow64Process = BXKernel32().IsWow64Process;
    BOOL wow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(::GetCurrentProcess(), &wow64) != FALSE && wow64 != FALSE;
}

bool BXOsSystemFacts::EnableFsRedirection(bool enable)
{
    const auto enableRedirection = BXKernel32().Wow64EnableWow64FsRedirection;
    return enableRedirection != nullptr && enableRedirection(enable ? TRUE : FALSE) != FALSE;
}

bool BXOsSystemFacts::CreateRegistryKey(HKEY parent, const BXChar* subKey, REGSAM access, BXRegKey& key)
{
    return key.Create(parent, subKey, access);
}
