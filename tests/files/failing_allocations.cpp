#include "files/failing_allocations.h"

#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>

namespace zentrix::testing {

namespace {

std::atomic<std::size_t> largestGranted{std::numeric_limits<std::size_t>::max()};
std::atomic<int> refusalCount{0};

}  // namespace

LargeAllocationsFail::LargeAllocationsFail(std::size_t largest) {
  refusalCount = 0;
  largestGranted = largest;
}

LargeAllocationsFail::~LargeAllocationsFail() {
  largestGranted = std::numeric_limits<std::size_t>::max();
}

int LargeAllocationsFail::refusals() {
  return refusalCount;
}

}  // namespace zentrix::testing

namespace {

void* grantedOrThrown(std::size_t size) {
  if (size > zentrix::testing::largestGranted) {
    ++zentrix::testing::refusalCount;
    throw std::bad_alloc();
  }
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}

}  // namespace

// The replaced allocation functions, plain and array forms (a sanitizer's
// runtime brings its own of each, so both are replaced here); the aligned
// and nothrow forms are not used by the code under test.
void* operator new(std::size_t size) {
  return grantedOrThrown(size);
}
void* operator new[](std::size_t size) {
  return grantedOrThrown(size);
}
void operator delete(void* memory) noexcept {
  std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
  std::free(memory);
}
void operator delete[](void* memory) noexcept {
  std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
  std::free(memory);
}
