#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/test_names.h"

namespace zentrix::model {
namespace {

struct GeneralCase {
  float value;
  int width;
  int digits;
  const char* expected;
};

class GeneralFormTest : public ::testing::TestWithParam<GeneralCase> {};

TEST_P(GeneralFormTest, WritesTheFortranGeneralEdit) {
  const auto& c = GetParam();
  EXPECT_EQ(generalForm(c.value, c.width, c.digits), c.expected) << "value " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, GeneralFormTest,
    ::testing::Values(
        // The free-form real field: 1.5 is three blanks, 1.500000 and four blanks.
        GeneralCase{1.5f, 15, 7, "   1.500000    "}, GeneralCase{0.0f, 14, 7, "  0.000000    "},
        GeneralCase{-3.0f, 14, 7, " -3.000000    "}, GeneralCase{0.05f, 14, 7, " 0.5000000E-01"},
        GeneralCase{12345678.0f, 14, 7, " 0.1234568E+08"},
        GeneralCase{1234567.0f, 14, 7, "  1234567.    "},
        GeneralCase{-1234567.0f, 14, 7, " -1234567.    "},
        // Area texts: G12.4.
        GeneralCase{1.0f, 12, 4, "   1.000    "}, GeneralCase{12.5f, 12, 4, "   12.50    "},
        GeneralCase{0.05f, 12, 4, "  0.5000E-01"},
        // Boundaries of the fixed range: 0.1 and 10^d.
        GeneralCase{0.1f, 14, 7, " 0.1000000    "}, GeneralCase{0.099999f, 14, 7, " 0.9999900E-01"},
        GeneralCase{9999999.0f, 14, 7, "  9999999.    "},
        GeneralCase{10000000.0f, 14, 7, " 0.1000000E+08"},
        GeneralCase{-0.1f, 14, 7, "-0.1000000    "},
        // Rounding that carries into a new digit changes the notation or k.
        GeneralCase{9.9999999f, 14, 7, "  10.00000    "},
        // 0.099999997 is the float 0.0999999940...: seven digits keep it below 0.1,
        // six digits carry it into the fixed range.
        GeneralCase{0.099999997f, 14, 7, " 0.9999999E-01"},
        GeneralCase{0.099999997f, 14, 6, "  0.100000    "},
        GeneralCase{9.999999f, 14, 6, "   10.0000    "},
        GeneralCase{0.0999999f, 12, 4, "  0.1000    "},
        GeneralCase{99999.99f, 12, 4, "  0.1000E+06"},
        // Tiny and huge values, three-digit exponents never occur for floats.
        GeneralCase{1e-30f, 14, 7, " 0.1000000E-29"},
        GeneralCase{-3.4028235e38f, 14, 7, "-0.3402823E+39"},
        GeneralCase{1.4e-45f, 14, 7, " 0.1401298E-44"},
        // Exactly the binary value: 0.1f is 0.100000001490116...
        GeneralCase{0.1f, 20, 6, "        0.100000    "},
        GeneralCase{1234567.0f, 20, 6, "        0.123457E+07"},
        // A value too wide for its field is written whole.
        GeneralCase{-0.05f, 12, 7, "-0.5000000E-01"}),
    [](const ::testing::TestParamInfo<GeneralCase>& edit) {
      return "G" + std::to_string(edit.param.width) + "_" + std::to_string(edit.param.digits) +
             "_of_" + ::zentrix::testing::numberName(edit.param.value);
    });

TEST(GeneralForm, NonFiniteValuesAreNamed) {
  EXPECT_EQ(generalForm(std::numeric_limits<float>::quiet_NaN(), 14, 7), "           NaN");
  EXPECT_EQ(generalForm(std::numeric_limits<float>::infinity(), 14, 7), "      Infinity");
  EXPECT_EQ(generalForm(-std::numeric_limits<float>::infinity(), 14, 7), "     -Infinity");
}

TEST(FixedForm, WritesDecimalsRightAligned) {
  EXPECT_EQ(fixedForm(2.5f, 12, 4), "      2.5000");
  EXPECT_EQ(fixedForm(0.5f, 12, 4), "      0.5000");
  EXPECT_EQ(fixedForm(-0.5f, 12, 4), "     -0.5000");
  EXPECT_EQ(fixedForm(6.0f, 14, 7), "     6.0000000");
  EXPECT_EQ(fixedForm(123456789.0f, 12, 4), "123456792.0000");  // widened, never asterisks
}

TEST(IntegerField, RightAlignsAndWidensWhenTooNarrow) {
  EXPECT_EQ(integerField(7, 3), "  7");
  EXPECT_EQ(integerField(-10, 3), "-10");
  EXPECT_EQ(integerField(1234, 3), "1234");
  EXPECT_EQ(integerField(0, 1), "0");
}

struct CompactCase {
  const char* field;
  const char* expected;
};

class CompactNumberTextTest : public ::testing::TestWithParam<CompactCase> {};

TEST_P(CompactNumberTextTest, ShortensTheField) {
  EXPECT_EQ(compactNumberText(GetParam().field), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CompactNumberTextTest,
    ::testing::Values(CompactCase{"     2.5000000", "2.5"}, CompactCase{"  6.0000000", "6."},
                      CompactCase{" 0.1250000E+02", "0.125E+02"},
                      CompactCase{" 0.1000000E-03", "0.1E-03"}, CompactCase{"   12   ", "12"},
                      CompactCase{" -0.5000000", "-0.5"}, CompactCase{"100.0000000", "100."},
                      CompactCase{"0.2500000e+02", "0.25e+02"},
                      CompactCase{"1.500D+0012", "1.5D+001"},  // exponent cut to 5
                      CompactCase{"  0.000000    ", "0."}, CompactCase{"", ""}),
    ::zentrix::testing::nameFrom(&CompactCase::field));

TEST(CompactReal, MatchesTheGeometryFileExamples) {
  EXPECT_EQ(compactReal(2.5f), "2.5");
  EXPECT_EQ(compactReal(0.0f), "0.");
  EXPECT_EQ(compactReal(-3.0f), "-3.");
  EXPECT_EQ(compactReal(0.05f), "0.5E-01");
  EXPECT_EQ(compactReal(12345678.0f), "0.1234568E+08");
  EXPECT_EQ(compactReal(1234567.0f), "1234567.");
  EXPECT_EQ(compactReal(1234.5f), "1234.5");
  EXPECT_EQ(compactReal(-2.25f), "-2.25");
  EXPECT_EQ(compactReal(0.1f), "0.1");
  EXPECT_EQ(compactReal(-0.1234567e-20f), "-0.1234567E-20");
  EXPECT_LE(compactReal(-0.1234567e-20f).size(), 14u);
}

TEST(DigitCount, IsExactAtPowersOfTen) {
  EXPECT_EQ(digitCount(0), 1);
  EXPECT_EQ(digitCount(9), 1);
  EXPECT_EQ(digitCount(10), 2);
  EXPECT_EQ(digitCount(-1), 2);
  EXPECT_EQ(digitCount(-10), 3);
  std::int64_t power = 1;
  for (int digits = 1; digits <= 18; ++digits, power *= 10) {
    EXPECT_EQ(digitCount(power), digits) << power;
    EXPECT_EQ(digitCount(power - 1), digits == 1 ? 1 : digits - 1) << power - 1;
  }
  EXPECT_EQ(digitCount(std::numeric_limits<std::int32_t>::min()), 11);
  EXPECT_EQ(digitCount(std::numeric_limits<std::int64_t>::min()), 20);
}

TEST(Axis, LettersAndNumbersConvertBothWays) {
  EXPECT_EQ(axisNumber('x'), 1);
  EXPECT_EQ(axisNumber('Y'), 2);
  EXPECT_EQ(axisNumber('z'), 3);
  EXPECT_EQ(axisNumber(' '), 0);
  EXPECT_EQ(axisNumber('0'), 0);
  EXPECT_EQ(axisLetter(1), 'X');
  EXPECT_EQ(axisLetter(3), 'Z');
  EXPECT_EQ(axisLetter(0), '0');
  EXPECT_EQ(axisLetter(4), '0');
}

TEST(TextToNumber, ReadsTheLeadingNumberOnly) {
  EXPECT_EQ(textToInteger("  42abc"), 42);
  EXPECT_EQ(textToInteger("-7"), -7);
  EXPECT_EQ(textToInteger("+7"), 7);
  EXPECT_EQ(textToInteger("abc"), 0);
  EXPECT_EQ(textToInteger(""), 0);
  EXPECT_EQ(textToInteger("-"), 0);
  EXPECT_EQ(textToInteger("1.9"), 1);
  EXPECT_EQ(textToInteger("99999999999999"), std::numeric_limits<std::int32_t>::max());

  EXPECT_FLOAT_EQ(textToReal(" 2.5"), 2.5f);
  EXPECT_FLOAT_EQ(textToReal("1.5e2m"), 150.0f);
  EXPECT_FLOAT_EQ(textToReal("1.5D2"), 150.0f);
  EXPECT_FLOAT_EQ(textToReal("1.5e"), 1.5f);
  EXPECT_FLOAT_EQ(textToReal(".5"), 0.5f);
  EXPECT_FLOAT_EQ(textToReal("-3."), -3.0f);
  EXPECT_EQ(textToReal("."), 0.0f);
  EXPECT_EQ(textToReal("x1"), 0.0f);
  EXPECT_TRUE(std::isinf(textToReal("1e39")));
  EXPECT_TRUE(std::isinf(textToReal("1e999")));
  EXPECT_EQ(textToReal("1e-999"), 0.0f);
}

}  // namespace
}  // namespace zentrix::model
