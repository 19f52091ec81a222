// Memory that cannot be had, on demand: while a `LargeAllocationsFail` lives,
// every allocation through operator new of more than its threshold throws
// std::bad_alloc, as it would on a computer without that much memory left.
// The test program replaces the global operator new to do it
// (failing_allocations.cpp).
#pragma once

#include <cstddef>

namespace zentrix::testing {

class LargeAllocationsFail {
 public:
  explicit LargeAllocationsFail(std::size_t largestGranted);
  ~LargeAllocationsFail();
  LargeAllocationsFail(const LargeAllocationsFail&) = delete;
  LargeAllocationsFail& operator=(const LargeAllocationsFail&) = delete;

  // Allocations refused so far.
  static int refusals();
};

}  // namespace zentrix::testing
