// Sorting of 64-bit keys in linear time, for the checks that look at every
// node or element of a structure of millions: a least-significant-digit radix
// sort over 16-bit digits that skips the digits all keys share.
#pragma once

#include <cstdint>
#include <vector>

namespace zentrix::generation {

// Sorts `keys` ascending (as std::sort would); takes as much memory again.
void radixSort(std::vector<std::uint64_t>& keys);

// A float as an unsigned key of the same order (-0 just below +0; NaN above
// +infinity or below -infinity by its sign).
std::uint32_t orderedBits(float value);

}  // namespace zentrix::generation
