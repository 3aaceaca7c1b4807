#include "IBXTools.h"

#include <atomic>

namespace {
std::atomic<IBXToolsDLL*> g_tools{nullptr};
}

IBXToolsDLL* BXGetTools()
{
    return g_tools.load(std::memory_order_acquire);
}

void BXSetTools(IBXToolsDLL* tools)
{
    g_tools.store(tools, std::memory_order_release);
}
