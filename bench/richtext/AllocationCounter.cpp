#include "AllocationCounter.h"

#include <malloc.h>
#include <atomic>
#include <cerrno>
#include <cstring>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<bool> counting{false};
// Signed: blocks allocated before the measurement may be freed during it.
std::atomic<std::int64_t> current{0};
std::atomic<std::int64_t> peak{0};

void Added(void* pointer) {
  if (!pointer || !counting.load(std::memory_order_relaxed)) return;
  const std::int64_t now = current += static_cast<std::int64_t>(malloc_usable_size(pointer));
  std::int64_t high = peak.load(std::memory_order_relaxed);
  while (now > high && !peak.compare_exchange_weak(high, now, std::memory_order_relaxed)) {
  }
}

void Removed(void* pointer) {
  if (!pointer || !counting.load(std::memory_order_relaxed)) return;
  current -= static_cast<std::int64_t>(malloc_usable_size(pointer));
}

}  // namespace

namespace moxa::bench {

void StartCounting() {
  current = 0;
  peak = 0;
  counting = true;
}

std::int64_t StopCounting() {
  counting = false;
  return peak.load();
}

}  // namespace moxa::bench

extern "C" {

void* malloc(std::size_t size) {
  void* pointer = __libc_malloc(size);
  Added(pointer);
  return pointer;
}

void* calloc(std::size_t count, std::size_t size) {
  void* pointer = __libc_calloc(count, size);
  Added(pointer);
  return pointer;
}

void* realloc(void* pointer, std::size_t size) {
  Removed(pointer);
  void* moved = __libc_realloc(pointer, size);
  // A failed realloc keeps the old block.
  Added(moved ? moved : (size ? pointer : nullptr));
  return moved;
}

void free(void* pointer) {
  Removed(pointer);
  __libc_free(pointer);
}

void* memalign(std::size_t alignment, std::size_t size) {
  void* pointer = __libc_memalign(alignment, size);
  Added(pointer);
  return pointer;
}

void* aligned_alloc(std::size_t alignment, std::size_t size) { return memalign(alignment, size); }

int posix_memalign(void** out, std::size_t alignment, std::size_t size) {
  void* pointer = memalign(alignment, size);
  if (!pointer) return ENOMEM;
  *out = pointer;
  return 0;
}

}  // extern "C"
