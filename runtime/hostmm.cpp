#include "hostmm.h"

#include <gameplugin.h>

#include <cstdlib>

// One process-wide count of live blocks. All calls come on the host's one thread, but an
// atomic costs nothing here and keeps a stray second thread from corrupting the figure.
#include <atomic>

namespace {
std::atomic<std::size_t> liveBlocks{0};
}

extern "C" {

__attribute__((visibility("default"))) void* HostMemAlloc(std::size_t size) {
  void* block = std::malloc(size == 0 ? 1 : size);
  if (block) ++liveBlocks;
  return block;
}

__attribute__((visibility("default"))) void* HostMemRealloc(void* block, std::size_t size) {
  if (!block) return HostMemAlloc(size);
  // Realloc keeps the block alive on failure, so the count only moves with success.
  return std::realloc(block, size == 0 ? 1 : size);
}

__attribute__((visibility("default"))) void HostMemFree(void* block) {
  if (!block) return;
  --liveBlocks;
  std::free(block);
}

__attribute__((visibility("default"))) std::size_t HostMemBlocksInUse() {
  return liveBlocks.load();
}
}
