// The arch's sine, cosine and arc tangent against values computed to 300
// bits and rounded once: near pi/2 (where the x87 instructions some C
// runtimes use are wrong in the last digits), near 0, and elsewhere. Any
// other result would make the Geometry File differ between platforms.
#include "generation/trigonometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace zentrix::generation {
namespace {

template <typename Real>
struct SineCosineCase {
  std::string name;
  Real x, sine, cosine;
};

template <typename Real>
struct ArcTangentCase {
  std::string name;
  Real x, arcTangent;
};

const auto byName = [](const auto& info) { return info.param.name; };

class DoubleSineCosine : public ::testing::TestWithParam<SineCosineCase<double>> {};

TEST_P(DoubleSineCosine, IsTheCorrectlyRoundedValue) {
  const auto& c = GetParam();
  EXPECT_EQ(sine(c.x), c.sine) << std::hexfloat << sine(c.x);
  EXPECT_EQ(cosine(c.x), c.cosine) << std::hexfloat << cosine(c.x);
  const auto both = sineAndCosine(c.x);
  EXPECT_EQ(both.sine, c.sine);
  EXPECT_EQ(both.cosine, c.cosine);
}

INSTANTIATE_TEST_SUITE_P(
    Angles, DoubleSineCosine,
    ::testing::ValuesIn(std::vector<SineCosineCase<double>>{
        {"HalfPi", 0x1.921fb54442d18p+0, 0x1p+0, 0x1.1a62633145c07p-54},
        {"BelowHalfPi", 0x1.921fb54442d17p+0, 0x1p+0, 0x1.469898cc51702p-52},
        {"AboveHalfPi", 0x1.921fb54442d19p+0, 0x1p+0, -0x1.72cece675d1fdp-53},
        {"HalfPiLessOneMillionth", 0x1.921fa47d4b30dp+0, 0x1.fffffffffee68p-1,
         0x1.0c6f7a0b46676p-20},
        {"HalfPiPlusTwoUlpsTimes1000", 0x1.921fb544434e8p+0, 0x1p+0, -0x1.f3ee59d9ccebap-42},
        {"Pi", 0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53, -0x1p+0},
        {"ThreeHalvesPi", 0x1.2d97c7f3321d2p+2, -0x1p+0, -0x1.a79394c9e8a0ap-53},
        {"TwoPi", 0x1.921fb54442d18p+2, -0x1.1a62633145c07p-52, 0x1p+0},
        {"Tiny", 0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997, 0x1p+0},
        {"SmallestNormal", 0x1p-1022, 0x1p-1022, 0x1p+0},
        {"OneHundredMillionth", 0x1.5798ee2308c3ap-27, 0x1.5798ee2308c3ap-27, 0x1p+0},
        {"OneThousandth", 0x1.0624dd2f1a9fcp-10, 0x1.0624da5218a62p-10, 0x1.ffffef390876cp-1},
        {"MinusPoint3", -0x1.3333333333333p-2, -0x1.2e9cd95baba33p-2, 0x1.e921dd42f09bap-1},
        {"QuarterPi", 0x1.921fb54442d18p-1, 0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1},
        {"One", 0x1p+0, 0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},
        {"Two", 0x1p+1, 0x1.d18f6ead1b446p-1, -0x1.aa22657537205p-2},
        {"Hundred", 0x1.9p+6, -0x1.03425b78c4db8p-1, 0x1.b981dbf665fdfp-1},
        {"MinusTenThousandAndOne", -0x1.3888p+13, 0x1.eec37f4165d6ap-1, -0x1.077601e8bdb04p-2},
    }),
    byName);

class DoubleArcTangent : public ::testing::TestWithParam<ArcTangentCase<double>> {};

TEST_P(DoubleArcTangent, IsTheCorrectlyRoundedValue) {
  const auto& c = GetParam();
  EXPECT_EQ(arcTangent(c.x), c.arcTangent) << std::hexfloat << arcTangent(c.x);
}

INSTANTIATE_TEST_SUITE_P(Slopes, DoubleArcTangent,
                         ::testing::ValuesIn(std::vector<ArcTangentCase<double>>{
                             {"Tiny", 0x1.56e1fc2f8f359p-997, 0x1.56e1fc2f8f359p-997},
                             {"Small", 0x1.5798ee2308c3ap-27, 0x1.5798ee2308c3ap-27},
                             {"Sixteenth", 0x1p-4, 0x1.ff55bb72cfdeap-5},
                             {"ThreeEighthsPlus", 0x1.801a36e2eb1c4p-2, 0x1.6f788f711891p-2},
                             {"Half", 0x1p-1, 0x1.dac670561bb4fp-2},
                             {"One", 0x1p+0, 0x1.921fb54442d18p-1},
                             {"MinusTwo", -0x1p+1, -0x1.1b6e192ebbe44p+0},
                             {"Thousand", 0x1.f4p+9, 0x1.91de2c0e658bdp+0},
                             {"Huge", 0x1.7e43c8800759cp+996, 0x1.921fb54442d18p+0},
                             {"OneThird", 0x1.5555555555555p-2, 0x1.4978fa3269ee1p-2},
                             {"MinusSevenEighths", -0x1.bd70a3d70a3d7p-1, -0x1.6e9663294a097p-1},
                         }),
                         byName);

class FloatSineCosine : public ::testing::TestWithParam<SineCosineCase<float>> {};

TEST_P(FloatSineCosine, IsTheCorrectlyRoundedValue) {
  const auto& c = GetParam();
  EXPECT_EQ(sine(c.x), c.sine) << std::hexfloat << sine(c.x);
  EXPECT_EQ(cosine(c.x), c.cosine) << std::hexfloat << cosine(c.x);
  const auto both = sineAndCosine(c.x);
  EXPECT_EQ(both.sine, c.sine);
  EXPECT_EQ(both.cosine, c.cosine);
}

INSTANTIATE_TEST_SUITE_P(Angles, FloatSineCosine,
                         ::testing::ValuesIn(std::vector<SineCosineCase<float>>{
                             {"HalfPi", 0x1.921fb6p+0f, 0x1p+0f, -0x1.777a5cp-25f},
                             {"BelowHalfPi", 0x1.921fb4p+0f, 0x1p+0f, 0x1.4442d2p-24f},
                             {"AboveHalfPi", 0x1.921fb8p+0f, 0x1p+0f, -0x1.5dde98p-23f},
                             {"MinusHalfPi", -0x1.921fb6p+0f, -0x1p+0f, -0x1.777a5cp-25f},
                             {"Tiny", 0x1.4484cp-100f, 0x1.4484cp-100f, 0x1p+0f},
                             {"Small", 0x1.a36e2ep-14f, 0x1.a36e2ep-14f, 0x1p+0f},
                             {"MinusPoint7", -0x1.666666p-1f, -0x1.49d6e6p-1f, 0x1.879966p-1f},
                             {"One", 0x1p+0f, 0x1.aed548p-1f, 0x1.14a28p-1f},
                             {"MinusOnePoint2", -0x1.333334p+0f, -0x1.dd343ap-1f, 0x1.730de6p-2f},
                         }),
                         byName);

class FloatArcTangent : public ::testing::TestWithParam<ArcTangentCase<float>> {};

TEST_P(FloatArcTangent, IsTheCorrectlyRoundedValue) {
  const auto& c = GetParam();
  EXPECT_EQ(arcTangent(c.x), c.arcTangent) << std::hexfloat << arcTangent(c.x);
}

INSTANTIATE_TEST_SUITE_P(Slopes, FloatArcTangent,
                         ::testing::ValuesIn(std::vector<ArcTangentCase<float>>{
                             {"Tiny", 0x1.4484cp-100f, 0x1.4484cp-100f},
                             {"Small", 0x1.a36e2ep-14f, 0x1.a36e2ep-14f},
                             {"Point3", 0x1.333334p-2f, 0x1.2a73a8p-2f},
                             {"One", 0x1p+0f, 0x1.921fb6p-1f},
                             {"MinusTwoPoint5", -0x1.4p+1f, -0x1.30b6d8p+0f},
                             {"Thousand", 0x1.f4p+9f, 0x1.91de2cp+0f},
                             {"Huge", 0x1.93e594p+99f, 0x1.921fb6p+0f},
                             {"MinusEighty", -0x1.4p+6f, -0x1.8eec8cp+0f},
                         }),
                         byName);

TEST(Trigonometry, EdgesOfTheDomain) {
  const double infinity = HUGE_VAL;
  EXPECT_EQ(arcTangent(infinity), 0x1.921fb54442d18p+0);
  EXPECT_EQ(arcTangent(-infinity), -0x1.921fb54442d18p+0);
  EXPECT_TRUE(std::signbit(arcTangent(-0.0)));
  EXPECT_TRUE(std::signbit(sine(-0.0)));
  EXPECT_TRUE(std::isnan(arcTangent(std::nan(""))));
  for (const double outside : {infinity, -infinity, std::nan(""), 2e6}) {
    EXPECT_TRUE(std::isnan(sine(outside))) << outside;
    EXPECT_TRUE(std::isnan(cosine(outside))) << outside;
  }
}

}  // namespace
}  // namespace zentrix::generation
