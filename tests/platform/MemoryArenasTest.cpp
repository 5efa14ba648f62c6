#include "platform/MemoryArenas.h"

#include <gtest/gtest.h>

TEST(MemoryArenasTest, TheAllocatorTakesTheLargerGrowthStep)
{
    EXPECT_TRUE(MemoryArenas::growInLargeSteps());
}
