// The radix sort against std::sort, and the float key order against <.
#include "generation/radix_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "generation/generation_fixtures.h"

namespace zentrix::generation {
namespace {

struct SortCase {
  std::string name;
  std::vector<std::uint64_t> keys;
};

std::vector<std::uint64_t> randomKeys(std::size_t count, std::uint64_t mask, unsigned seed) {
  std::mt19937_64 random(seed);
  std::vector<std::uint64_t> keys(count);
  for (std::uint64_t& key : keys) key = random() & mask;
  return keys;
}

class RadixSortCase : public ::testing::TestWithParam<SortCase> {};

TEST_P(RadixSortCase, SortsAsStdSort) {
  std::vector<std::uint64_t> keys = GetParam().keys;
  std::vector<std::uint64_t> expected = keys;
  std::sort(expected.begin(), expected.end());
  radixSort(keys);
  EXPECT_EQ(keys, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RadixSortCase,
    ::testing::Values(SortCase{"Empty", {}}, SortCase{"One", {42}},
                      SortCase{"AllEqual", std::vector<std::uint64_t>(1000, 7)},
                      SortCase{"LowDigitsOnly", randomKeys(5000, 0xFFFF, 1)},
                      SortCase{"HighDigitsOnly", randomKeys(5000, 0xFFFF000000000000u, 2)},
                      SortCase{"FullWidth", randomKeys(20000, ~std::uint64_t{0}, 3)},
                      SortCase{"ManyRepeats", randomKeys(20000, 0x000F00000000000Fu, 4)}),
    testing::ByName{});

TEST(OrderedBits, KeepsTheOrderOfFloats) {
  const float values[] = {-std::numeric_limits<float>::infinity(),
                          -1e30f,
                          -2.5f,
                          -1e-30f,
                          -0.0f,
                          0.0f,
                          1e-38f,
                          1.0f,
                          1.0000001f,
                          3e38f,
                          std::numeric_limits<float>::infinity()};
  for (std::size_t i = 1; i < std::size(values); ++i)
    EXPECT_LT(orderedBits(values[i - 1]), orderedBits(values[i])) << values[i];
}

}  // namespace
}  // namespace zentrix::generation
