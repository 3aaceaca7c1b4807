#include "BXTextService.h"

#include "BXFoldingTextService.h"
#include "BXStringGlobals.h"

#include <atomic>
#include <string>

namespace {

std::atomic<IBXTextService*> gTextService{nullptr};

} // namespace

IBXTextService* BXGetTextService()
{
    return gTextService.load(std::memory_order_acquire);
}

void BXSetTextService(IBXTextService* service)
{
    gTextService.store(service, std::memory_order_release);
}

BXFoldingTextService& BXFoldingTextService::Get()
{
    static BXFoldingTextService service;
    return service;
}

int32_t BXFoldingTextService::FindText(const BXChar* haystack, const BXChar* needle, int32_t mode)
{
    if (haystack == nullptr || needle == nullptr || needle[0] == 0) {
        return -1;
    }
    const BXStringGlobals& globals = BXStringGlobals::Get();
    const size_t needleLength = std::char_traits<BXChar>::length(needle);
    const BXChar firstLower = globals.ToLower(needle[0]);
    for (const BXChar* at = haystack; *at != 0; ++at) {
        if (mode == kCaseSensitive) {
            // Unit by unit: a mismatch at the haystack's terminator ends the comparison.
            size_t i = 0;
            while (i < needleLength && at[i] == needle[i]) {
                ++i;
            }
            if (i == needleLength) {
                return int32_t(at - haystack);
            }
            continue;
        }
        // CompareNoCaseN stops at the haystack's terminator, so it never reads past it.
        if (globals.ToLower(*at) == firstLower && globals.CompareNoCaseN(at, needle, int32_t(needleLength)) == 0) {
            return int32_t(at - haystack);
        }
    }
    return -1;
}
