#include "generation/radix_sort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>

namespace zentrix::generation {

void radixSort(std::vector<std::uint64_t>& keys) {
  if (keys.size() < 2) return;
  std::uint64_t allOnes = ~std::uint64_t{0};
  std::uint64_t anyOnes = 0;
  for (const std::uint64_t key : keys) {
    allOnes &= key;
    anyOnes |= key;
  }
  const std::uint64_t differing = allOnes ^ anyOnes;
  std::vector<std::uint64_t> scratch(keys.size());
  constexpr int kDigitBits = 16;
  constexpr std::size_t kBuckets = std::size_t{1} << kDigitBits;
  std::vector<std::size_t> offsets(kBuckets);
  for (int shift = 0; shift < 64; shift += kDigitBits) {
    // A digit every key shares leaves the order as it is.
    if (((differing >> shift) & (kBuckets - 1)) == 0) continue;
    std::fill(offsets.begin(), offsets.end(), 0);
    for (const std::uint64_t key : keys) ++offsets[(key >> shift) & (kBuckets - 1)];
    std::size_t sum = 0;
    for (std::size_t& offset : offsets) {
      const std::size_t count = offset;
      offset = sum;
      sum += count;
    }
    for (const std::uint64_t key : keys) scratch[offsets[(key >> shift) & (kBuckets - 1)]++] = key;
    keys.swap(scratch);
  }
}

std::uint32_t orderedBits(float value) {
  const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
  // Negative values count down as their magnitude grows: flip them all.
  return (bits & 0x80000000u) != 0 ? ~bits : bits | 0x80000000u;
}

}  // namespace zentrix::generation
