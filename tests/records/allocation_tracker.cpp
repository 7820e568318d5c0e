// Counts the largest single allocation, so tests can check that a hostile
// count never makes a reader allocate the size it announces.
#include <atomic>
#include <cstdlib>
#include <new>

#include "archive_test_util.h"

namespace {
std::atomic<std::size_t> largest{0};
}  // namespace

std::size_t LargestAllocationSinceReset() { return largest.load(); }
void ResetLargestAllocation() { largest.store(0); }

void* operator new(std::size_t size) {
  std::size_t seen = largest.load();
  while (size > seen && !largest.compare_exchange_weak(seen, size)) {
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
