// The memory manager's own view for tests and tools: how many blocks are alive. The three
// allocation entry points themselves are declared in gameplugin.h for any host to use.
#pragma once

#include <cstddef>

extern "C" {
// Blocks handed out by HostMemAlloc/HostMemRealloc and not yet freed.
__attribute__((visibility("default"))) std::size_t HostMemBlocksInUse();
}
