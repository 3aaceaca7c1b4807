// The process-wide text search hook for case-insensitive substring search.
// The product's tools component installs its own service; until one is
// installed (null), the case-insensitive searches of BXString fall back to a
// case-sensitive search. Install or clear it while no other thread searches.
#pragma once

#include "BXTypes.h"

class IBXTextService {
public:
    enum Mode : int32_t {
        kCaseSensitive = 0,
        kNoCase = 1,
    };

    // Offset of the first match of needle in haystack (both NUL-terminated), or -1.
    virtual int32_t FindText(const BXChar* haystack, const BXChar* needle, int32_t mode) = 0;

protected:
    ~IBXTextService() = default;
};

// The installed service, or null.
IBXTextService* BXGetTextService();
// Installs a service (the caller keeps it alive while installed); null uninstalls.
void BXSetTextService(IBXTextService* service);
