#pragma once

// How the C library's allocator grows its memory.
namespace MemoryArenas {

// Has each allocation arena (one per thread that allocates, up to a limit)
// grow in steps of many megabytes instead of a page at a time. Parsing the
// bill files on several threads allocates hundreds of megabytes in small
// pieces; page-sized steps make each thread change its mapping thousands of
// times, and every such change waits on the others' page faults. Called
// before any other thread starts. False when the allocator refused.
bool growInLargeSteps();

}  // namespace MemoryArenas
