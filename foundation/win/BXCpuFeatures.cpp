#include "BXCpuFeatures.h"

#include "BXSystemFacts.h"

#include <mutex>

uint32_t GetCpuFeatures()
{
    static std::mutex lock;
    static bool read = false;
    static uint32_t generation = 0;
    static uint32_t mask = 0;
    const std::lock_guard<std::mutex> guard(lock);
    const uint32_t current = BXSystemFactsGeneration();
    if (!read || current != generation) {
        mask = BXSystemFacts().GetCpuFeatureMask() | kCpuBase;
        read = true;
        generation = current;
    }
    return mask;
}
