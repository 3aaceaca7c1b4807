// Delivers a command line to the running product: through its post-string
// channel when it runs, else by starting it (with the command line as its
// arguments when that is possible). Serialised across processes by the named
// lock "Brenix File Command Lock". Blocks for up to about 20 seconds.
#pragma once

#include "BXString.h"

class CCACommandLine {
public:
    static constexpr const BXChar* kCommandLock = u"Brenix File Command Lock";
    static constexpr uint32_t kLockTimeoutMs = 10000;
    static constexpr uint32_t kStartWaitMs = 5000;
    static constexpr uint32_t kPostTimeoutMs = 10000;
    static constexpr int32_t kLongCommandLine = 1024;

    // False when the product-information service is missing or the lock
    // cannot be taken; true otherwise (even when posting timed out).
    static bool Execute(const BXString& commandLine);
};
