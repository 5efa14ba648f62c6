#include "platform/MemoryArenas.h"

#include <malloc.h>

namespace MemoryArenas {

namespace {

// An arena's heap is at most 64 MB: each new heap is made whole at once.
constexpr int GrowthStepBytes = 64 << 20;

}  // namespace

bool growInLargeSteps()
{
    return mallopt(M_TOP_PAD, GrowthStepBytes) == 1;
}

}  // namespace MemoryArenas
