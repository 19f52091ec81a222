// Widths and digit counts outside what the edits are made for are clamped,
// never written past the buffer: every request fits kMaxEditChars.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "model/number_text.h"

namespace zentrix::model {
namespace {

enum class Edit { General, Fixed, Integer };

struct BoundsCase {
  const char* name;
  Edit edit;
  int width;
  int digits;
  // The request within bounds that gives the same characters.
  int clampedWidth;
  int clampedDigits;
};

constexpr float kWidest = -3.4028235e38f;  // the most characters of a float
constexpr std::int64_t kWidestInteger = std::numeric_limits<std::int64_t>::min();
constexpr char kGuard = '#';

std::string edit(Edit which, int width, int digits) {
  switch (which) {
    case Edit::General:
      return generalForm(kWidest, width, digits);
    case Edit::Fixed:
      return fixedForm(kWidest, width, digits);
    case Edit::Integer:
      break;
  }
  return integerField(kWidestInteger, width);
}

char* writeEdit(Edit which, char* out, int width, int digits) {
  switch (which) {
    case Edit::General:
      return writeGeneralForm(out, kWidest, width, digits);
    case Edit::Fixed:
      return writeFixedForm(out, kWidest, width, digits);
    case Edit::Integer:
      break;
  }
  return writeIntegerField(out, kWidestInteger, width);
}

class NumberEditBoundsTest : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(NumberEditBoundsTest, StringFormIsTheClampedEdit) {
  const auto& c = GetParam();
  const std::string text = edit(c.edit, c.width, c.digits);
  EXPECT_EQ(text, edit(c.edit, c.clampedWidth, c.clampedDigits));
  EXPECT_LE(text.size(), static_cast<std::size_t>(kMaxEditWidth));
}

TEST_P(NumberEditBoundsTest, WriteFormStaysInsideItsRoom) {
  const auto& c = GetParam();
  std::array<char, kMaxEditChars + 16> buffer;
  buffer.fill(kGuard);
  char* const end = writeEdit(c.edit, buffer.data(), c.width, c.digits);
  ASSERT_LE(end - buffer.data(), kMaxEditChars);
  for (std::size_t i = kMaxEditChars; i < buffer.size(); ++i)
    EXPECT_EQ(buffer[i], kGuard) << "written past the room at " << i;
  EXPECT_EQ(std::string(buffer.data(), end), edit(c.edit, c.clampedWidth, c.clampedDigits));
}

constexpr int kHuge = std::numeric_limits<int>::max();
constexpr int kMost = std::numeric_limits<int>::min();

INSTANTIATE_TEST_SUITE_P(
    Limits, NumberEditBoundsTest,
    ::testing::Values(BoundsCase{"general_width_at_limit", Edit::General, 64, 7, 64, 7},
                      BoundsCase{"general_width_past_limit", Edit::General, 65, 7, 64, 7},
                      BoundsCase{"general_width_200", Edit::General, 200, 7, 64, 7},
                      BoundsCase{"general_width_int_max", Edit::General, kHuge, 7, 64, 7},
                      BoundsCase{"general_width_negative", Edit::General, -5, 7, 0, 7},
                      BoundsCase{"general_digits_at_limit", Edit::General, 14, 17, 14, 17},
                      BoundsCase{"general_digits_past_limit", Edit::General, 14, 18, 14, 17},
                      BoundsCase{"general_digits_40", Edit::General, 64, 40, 64, 17},
                      BoundsCase{"general_digits_zero", Edit::General, 14, 0, 14, 1},
                      BoundsCase{"general_digits_int_min", Edit::General, 14, kMost, 14, 1},
                      BoundsCase{"fixed_width_past_limit", Edit::Fixed, 65, 4, 64, 4},
                      BoundsCase{"fixed_width_negative", Edit::Fixed, -1, 4, 0, 4},
                      BoundsCase{"fixed_decimals_at_limit", Edit::Fixed, 64, 17, 64, 17},
                      BoundsCase{"fixed_decimals_past_limit", Edit::Fixed, 12, 18, 12, 17},
                      BoundsCase{"fixed_decimals_int_max", Edit::Fixed, kHuge, kHuge, 64, 17},
                      BoundsCase{"fixed_decimals_negative", Edit::Fixed, 12, -2, 12, 0},
                      BoundsCase{"integer_width_at_limit", Edit::Integer, 64, 0, 64, 0},
                      BoundsCase{"integer_width_past_limit", Edit::Integer, 65, 0, 64, 0},
                      BoundsCase{"integer_width_int_max", Edit::Integer, kHuge, 0, 64, 0},
                      BoundsCase{"integer_width_negative", Edit::Integer, -7, 0, 0, 0}),
    [](const auto& bound) { return std::string(bound.param.name); });

TEST(NumberEditBounds, ReportedOverflowGivesTheWidestField) {
  EXPECT_EQ(generalForm(1.5f, 200, 7), std::string(52, ' ') + "1.500000    ");
  EXPECT_EQ(generalForm(1.5f, 14, 40), "1.5000000000000000    ");
}

}  // namespace
}  // namespace zentrix::model
