#include "generation/arch_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "generation/generate.h"
#include "generation_fixtures.h"
#include "support/run_model.h"

namespace zentrix::generation {
namespace {

using testing::node;
using testing::setCoordinates;

// Nodes 1 (0,0), 2 (0,1) at Base 0, 3 (1,0), 4 (1,1) at Base 1: node 2 and 4
// on the arch line, 1 and 3 on the inner chord one unit below.
zentrix::testing::RunModel archModule(int kind, float halfSpan, float height, int modules) {
  zentrix::testing::RunModel m = testing::planeModule(modules);
  setCoordinates(m, {{0, 0}, {0, 1}, {1, 0}, {1, 1}});
  m.expansion.moduleLength = 1.0f;
  m.expansion.expansionType = model::kArch;
  m.expansion.archKind = kind;
  m.expansion.halfSpan = halfSpan;
  m.expansion.archHeight = height;
  return m;
}

zentrix::testing::RunModel generated(zentrix::testing::RunModel m) {
  const model::Outcome outcome = generateStructure(m);
  EXPECT_TRUE(outcome.ok) << outcome.message;
  return m;
}

void expectNear(const zentrix::testing::RunModel& m, int n, float x, float y,
                float tolerance = 1e-5f) {
  EXPECT_NEAR(m.structure.nodeCoords(n, 1), x, tolerance) << "node " << n << " X";
  EXPECT_NEAR(m.structure.nodeCoords(n, m.base.dofPerNode), y, tolerance)
      << "node " << n << " last";
}

TEST(CircularArch, NodesOfTheHalfSpan4Height2Arch) {
  const zentrix::testing::RunModel m = generated(archModule(model::kCircularArch, 4, 2, 2));
  EXPECT_EQ(m.measured.moduleDepth, 1.0f);
  expectNear(m, 2, -4.0f, 0.0f);   // upper chord, left support
  expectNear(m, 1, -3.2f, -0.6f);  // inner chord, radius R - d = 4
  expectNear(m, 4, 0.0f, 2.0f);    // crown
  expectNear(m, 3, 0.0f, 1.0f);
  expectNear(m, 6, 4.0f, 0.0f);  // right support
  expectNear(m, 5, 3.2f, -0.6f);
}

TEST(CircularArch, ChordsAreDecidedByTheLastCoordinateBeingZero) {
  zentrix::testing::RunModel m = archModule(model::kCircularArch, 4, 2, 2);
  // Upper chord at 0, lower one at -1: the nodes at 0 go to the inner chord.
  setCoordinates(m, {{0, 0}, {0, -1}, {1, 0}, {1, -1}});
  m = generated(m);
  expectNear(m, 1, -3.2f, -0.6f);
  expectNear(m, 2, -4.0f, 0.0f);
}

TEST(CircularArch, SpatialModuleKeepsItsWidth) {
  zentrix::testing::RunModel m = archModule(model::kCircularArch, 4, 2, 2);
  m.base.dofPerNode = 3;
  setCoordinates(m, {{0, 0.5f, 0}, {0, -0.5f, 1}, {1, 0.5f, 0}, {1, -0.5f, 1}});
  m = generated(m);
  expectNear(m, 4, 0.0f, 2.0f);
  EXPECT_EQ(m.structure.nodeCoords(4, 2), -0.5f);
  EXPECT_EQ(m.structure.nodeCoords(5, 2), 0.5f);
}

TEST(ParabolicArch, ModulesShareTheArcLengthSymmetrically) {
  const zentrix::testing::RunModel m = generated(archModule(model::kParabolicArch, 4, 2, 2));
  expectNear(m, 2, -4.0f, 0.0f);
  expectNear(m, 4, 0.0f, 2.0f, 1e-4f);
  expectNear(m, 6, 4.0f, 0.0f, 1e-4f);
  // At the crown the normal points straight down.
  expectNear(m, 3, 0.0f, 1.0f, 1e-4f);
  // At the left support the slope is atan(2 e l) = atan(1).
  expectNear(m, 1, -4.0f + std::sin(std::atan(1.0f)), -std::cos(std::atan(1.0f)));
}

TEST(ParabolicArch, FlatParabolaHasNearlyEquallySpacedBoundaries) {
  const zentrix::testing::RunModel m = generated(archModule(model::kParabolicArch, 10, 0.01f, 4));
  for (int k = 0; k <= 4; ++k) {
    const int upper = 2 + 2 * k;
    const float x = -10.0f + 5.0f * static_cast<float>(k);
    expectNear(m, upper, x, 0.01f - 0.0001f * x * x, 1e-3f);
  }
}

TEST(ArchKind, NeitherCircularNorParabolicLeavesLaterNodesAtTheOrigin) {
  const zentrix::testing::RunModel m = generated(archModule(0, 4, 2, 2));
  EXPECT_EQ(node(m, 3), (std::vector<float>{1, 0}));
  EXPECT_EQ(node(m, 4), (std::vector<float>{1, 1}));
  EXPECT_EQ(node(m, 5), (std::vector<float>{0, 0}));
  EXPECT_EQ(node(m, 6), (std::vector<float>{0, 0}));
  EXPECT_EQ(m.measured.moduleDepth, 1.0f);
}

TEST(ArchKind, ArchParametersAreNotCheckedWhenNoArchIsDrawn) {
  zentrix::testing::RunModel m = archModule(5, 0, 0, 2);
  EXPECT_TRUE(generateStructure(m).ok);
}

// The core writes nothing to the console itself: the solver's precision
// lines of a wide parabola reach the sink GENERATE is given, and only it.
TEST(ParabolicArch, PrecisionLinesGoToTheGivenSinkOnly) {
  zentrix::testing::RunModel m = archModule(model::kParabolicArch, 3000, 700, 40);
  std::ostringstream console;
  ::testing::internal::CaptureStderr();
  ::testing::internal::CaptureStdout();
  const model::Outcome outcome = generateStructure(m, nullptr, model::linesTo(console));
  const std::string written =
      ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_EQ(written, "");
  ASSERT_NE(console.str(), "");
  std::istringstream lines(console.str());
  for (std::string line; std::getline(lines, line);) {
    EXPECT_EQ(line.rfind("x0= ", 0), 0u) << line;
    EXPECT_NE(line.find(":   MaxEps = "), std::string::npos) << line;
    EXPECT_NE(line.find("  Corectia = "), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace zentrix::generation
