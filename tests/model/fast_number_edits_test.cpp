// The writers' fast number edits against the general road they shortcut:
// the compact coordinate text must be the compact text of G14.7 for every
// float, and the integer field the decimal text of the value right-aligned.
// Checked over a sweep of all bit patterns and over the places where the
// shortcut has its edges: the ends of the fixed range, carries into a new
// digit, and exact ties of the seventh digit (which go to even).
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "model/number_text.h"

namespace zentrix::model {
namespace {

std::string generalRoad(float value) {
  return compactNumberText(generalForm(value, 14, 7));
}

// Counts mismatches over the floats from `from` on, `count` of them, each
// `step` bit patterns apart (negative values too).
int mismatchesFrom(float from, int count, std::uint32_t step = 1) {
  int mismatches = 0;
  std::uint32_t bits = std::bit_cast<std::uint32_t>(from);
  for (int i = 0; i < count; ++i, bits += step) {
    for (const std::uint32_t sign : {0u, 0x80000000u}) {
      const float value = std::bit_cast<float>(bits | sign);
      if (compactReal(value) != generalRoad(value) && ++mismatches <= 5)
        ADD_FAILURE() << "value " << value << ": " << compactReal(value) << " vs "
                      << generalRoad(value);
    }
  }
  return mismatches;
}

TEST(FastCompactReal, EqualsTheGeneralRoadOverASweepOfAllFloats) {
  int mismatches = 0;
  for (std::uint64_t bits = 0; bits <= 0x7f800000u; bits += 2311)
    mismatches += mismatchesFrom(std::bit_cast<float>(static_cast<std::uint32_t>(bits)), 1);
  EXPECT_EQ(mismatches, 0);
}

TEST(FastCompactReal, EqualsTheGeneralRoadAtItsEdges) {
  const struct {
    float from;
    int count;
  } edges[] = {
      {0.0f, 3},           {0.09999990f, 200}, {0.99999980f, 100},
      {9.9999990f, 100},   {99999.980f, 100},  {999999.80f, 100},
      {9999998.0f, 40},    {16777200.0f, 40},  {1.0f, 100},
      {0.5f, 50},          {2.0f, 50},         {1234567.0f, 30},
      {3.4028200e38f, 30}, {1e-45f, 30},       {1.17549435e-38f, 30},
  };
  for (const auto& edge : edges) EXPECT_EQ(mismatchesFrom(edge.from, edge.count), 0) << edge.from;
}

// Floats whose exact value ends in a 5 right after the seventh digit: with
// k digits before the point, m/2 + 0.5 steps of 10^(k-7).
TEST(FastCompactReal, ExactTiesGoToEven) {
  EXPECT_EQ(compactReal(1234567.5f), "1234568.");
  EXPECT_EQ(compactReal(1234566.5f), "1234566.");
  EXPECT_EQ(compactReal(-2.0000005f), generalRoad(-2.0000005f));
  int mismatches = 0;
  for (float value = 1048576.5f; value < 1048700.0f; value += 1.0f)
    mismatches += mismatchesFrom(value, 1);
  for (float value = 131072.25f; value < 131100.0f; value += 0.5f)
    mismatches += mismatchesFrom(value, 1);
  EXPECT_EQ(mismatches, 0);
}

TEST(FastCompactReal, EqualsTheGeneralRoadForTypicalCoordinates) {
  std::mt19937 random(2024);
  std::uniform_real_distribution<float> metres(-5000.0f, 5000.0f);
  int mismatches = 0;
  for (int i = 0; i < 200000; ++i) mismatches += mismatchesFrom(metres(random), 1);
  for (int module = 0; module <= 2000000; module += 997)
    mismatches += mismatchesFrom(2.0f * static_cast<float>(module) + 1.2f, 1);
  EXPECT_EQ(mismatches, 0);
}

TEST(FastIntegerField, EqualsTheDecimalTextRightAligned) {
  std::mt19937_64 random(7);
  std::vector<std::int64_t> values = {0,
                                      1,
                                      -1,
                                      9,
                                      10,
                                      99,
                                      100,
                                      2147483647,
                                      -2147483648LL,
                                      999999999999999999LL,
                                      std::numeric_limits<std::int64_t>::max(),
                                      std::numeric_limits<std::int64_t>::min()};
  for (int i = 0; i < 100000; ++i)
    values.push_back(static_cast<std::int64_t>(random()) >> (random() % 64));
  for (const std::int64_t value : values) {
    char digits[24];
    const std::string decimal(digits, std::to_chars(digits, digits + 24, value).ptr);
    for (const int width : {1, 8, 12}) {
      const std::string expected =
          std::string(decimal.size() < static_cast<std::size_t>(width) ? width - decimal.size() : 0,
                      ' ') +
          decimal;
      ASSERT_EQ(integerField(value, width), expected) << value << " in " << width;
    }
  }
}

}  // namespace
}  // namespace zentrix::model
