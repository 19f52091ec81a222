// The shortest text that reads back to the same float, as the exported
// files hold their reals; the round trip over every float pattern is in the
// exports' tests, where the remembered texts are checked against it.
#include <gtest/gtest.h>

#include <string>

#include "model/number_text.h"

namespace zentrix::model {
namespace {

struct TextCase {
  const char* name;
  float value;
  const char* text;
};

class ShortestRealTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ShortestRealTest, IsTheShortestThatReadsBack) {
  EXPECT_EQ(shortestReal(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ShortestRealTest,
    ::testing::Values(TextCase{"Zero", 0.0f, "0"}, TextCase{"NegativeZero", -0.0f, "-0"},
                      TextCase{"Half", 2.5f, "2.5"}, TextCase{"Tenth", 0.1f, "0.1"},
                      TextCase{"Small", 1e-5f, "1e-05"}, TextCase{"Whole", 12345678.0f, "12345678"},
                      TextCase{"NineDigits", 0.099999994f, "0.099999994"},
                      TextCase{"Largest", 3.4028235e38f, "3.4028235e+38"},
                      TextCase{"SmallestNormal", -1.17549435e-38f, "-1.1754944e-38"},
                      TextCase{"Subnormal", 1e-45f, "1e-45"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace zentrix::model
