#include "generation/polynomial_root_solver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

#include "generation_fixtures.h"
#include "support/test_names.h"

namespace zentrix::generation {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct FloorCase {
  float x;
  float expected;
};

class PrecisionFloorTest : public ::testing::TestWithParam<FloorCase> {};

TEST_P(PrecisionFloorTest, IsTheSpacingOfSingleRealsNearX) {
  EXPECT_EQ(precisionFloor(GetParam().x), GetParam().expected) << "x = " << GetParam().x;
}

INSTANTIATE_TEST_SUITE_P(
    Exponents, PrecisionFloorTest,
    ::testing::Values(FloorCase{1.0f, std::ldexp(1.0f, -23)},   // 1 = 0.5 * 2^1
                      FloorCase{0.75f, std::ldexp(1.0f, -24)},  // e = 0
                      FloorCase{-0.75f, std::ldexp(1.0f, -24)},
                      FloorCase{0.0f, std::ldexp(1.0f, -24)},  // frexp(0) gives e = 0
                      FloorCase{8388608.0f, 1.0f},             // 2^23: 24 - e = 0
                      FloorCase{16777216.0f, kInfinity},       // 2^24: 24 - e = -1
                      FloorCase{std::ldexp(1.0f, -8), std::ldexp(1.0f, -31)},
                      FloorCase{std::ldexp(1.0f, -9), kInfinity},  // 24 - e = 32
                      FloorCase{kInfinity, kInfinity}, FloorCase{std::nanf(""), kInfinity}),
    [](const ::testing::TestParamInfo<FloorCase>& floor) {
      return "x_" + ::zentrix::testing::numberName(floor.param.x);
    });

struct SolverCase {
  const char* name;
  std::vector<float> coefficients;
  float start;
  float tolerance;
  int limit;
  int status;
  float root;
  int iterations;
};

class RootSolverTest : public ::testing::TestWithParam<SolverCase> {};

TEST_P(RootSolverTest, StopsWithItsStatus) {
  const SolverCase& c = GetParam();
  std::ostringstream console;
  const RootSearch r = solvePolynomialRoot(c.coefficients, c.start, c.tolerance, c.limit, false,
                                           nullptr, model::linesTo(console));
  EXPECT_EQ(r.status, c.status);
  EXPECT_NEAR(r.root, c.root, 1e-5f);
  EXPECT_EQ(r.iterations, c.iterations);
  EXPECT_EQ(console.str().empty(), c.status != kRootPrecisionFloor) << console.str();
}

INSTANTIATE_TEST_SUITE_P(
    SmallPolynomials, RootSolverTest,
    ::testing::Values(
        SolverCase{"SquareRootOf2", {-2, 0, 1}, 1.0f, 1e-6f, 10, kRootConverged, 1.4142135f, 5},
        SolverCase{"LinearInOneStep", {-3, 2}, 0.0f, 1e-6f, 10, kRootConverged, 1.5f, 2},
        // The iteration count is left as given when the slope vanishes.
        SolverCase{"FlatAtStart", {-1, 0, 1}, 0.0f, 1e-6f, 10, kRootZeroDerivative, 0.0f, 10},
        SolverCase{"Constant", {5}, 3.0f, 1e-6f, 7, kRootZeroDerivative, 3.0f, 7},
        SolverCase{"NoRealRoot", {1, 0, 1}, 0.5f, 1e-6f, 3, kRootIterationLimit, -1.5684526f, 3},
        SolverCase{
            "LimitBelowOneEndsAfterOne", {1, 0, 1}, 0.5f, 1e-6f, 0, kRootIterationLimit, -0.75f, 1},
        // Near 2^30, 24 - e is negative: the floor is infinite, every correction below it.
        SolverCase{"BeyondSinglePrecision",
                   {-1e20f, 0, 1},
                   1073741824.0f,
                   1e-6f,
                   10,
                   kRootPrecisionFloor,
                   1073741824.0f - (1073741824.0f * 1073741824.0f - 1e20f) / (2 * 1073741824.0f),
                   1},
        // Tolerance 0 can only end at the precision floor once the corrections
        // fall below the spacing of reals near the root.
        SolverCase{
            "ToleranceZero", {-2, 0, 1}, 1.0f, 0.0f, 50, kRootPrecisionFloor, 1.4142135f, 5}),
    testing::ByName());

TEST(RootSolverOutput, PrecisionLinesGoToTheConsoleAndWithABlankToTheTrace) {
  std::ostringstream console;
  std::ostringstream trace;
  const std::vector<float> c = {-1e20f, 0, 1};
  const RootSearch r =
      solvePolynomialRoot(c, 1073741824.0f, 1e-6f, 10, false, &trace, model::linesTo(console));
  ASSERT_EQ(r.status, kRootPrecisionFloor);
  EXPECT_EQ(r.lastPoint, 1073741824.0f);
  const std::string line = "x0= 0.1073742E+10:   MaxEps = Infinity  Corectia = -0.4602926E+11\n";
  EXPECT_EQ(console.str(), line);
  EXPECT_EQ(trace.str(), " " + line);
}

TEST(RootSolverOutput, TracingWritesAHeaderAndOneLinePerIteration) {
  std::ostringstream console;
  std::ostringstream trace;
  const std::vector<float> c = {-3, 2};
  solvePolynomialRoot(c, 0.0f, 1e-6f, 10, true, &trace, model::linesTo(console));
  EXPECT_EQ(trace.str(),
            "Iteratia\t\tx\t\t\tCorectia curenta\n1\t\t1.5\t\t\t-1.5\n2\t\t1.5\t\t\t0.\n");
  EXPECT_EQ(console.str(), "");
}

TEST(RootSolverOutput, LastValueIsThePolynomialAtTheLastPoint) {
  const std::vector<float> c = {1, 0, 1};
  const RootSearch r = solvePolynomialRoot(c, 0.5f, 1e-6f, 1);
  EXPECT_EQ(r.lastPoint, 0.5f);
  EXPECT_EQ(r.lastValue, 1.25f);
}

}  // namespace
}  // namespace zentrix::generation
