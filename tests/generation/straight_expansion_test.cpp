#include "generation/straight_expansion.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "generation/generate.h"
#include "generation_fixtures.h"
#include "support/run_model.h"

namespace zentrix::generation {
namespace {

using testing::node;
using testing::planeModule;
using testing::setCoordinates;

using Nodes = std::vector<std::vector<float>>;

struct StraightCase {
  const char* name;
  int modules;
  std::function<void(zentrix::testing::RunModel&)> setUp;
  Nodes expected;  // every node of the structure, in order
};

class StraightExpansionTest : public ::testing::TestWithParam<StraightCase> {};

TEST_P(StraightExpansionTest, PlacesEveryNode) {
  const StraightCase& c = GetParam();
  zentrix::testing::RunModel m = planeModule(c.modules);
  c.setUp(m);
  const model::Outcome outcome = generateStructure(m);
  ASSERT_TRUE(outcome.ok) << outcome.message;
  ASSERT_EQ(m.structure.totalNodes(), static_cast<std::int32_t>(c.expected.size()));
  for (std::size_t n = 0; n < c.expected.size(); ++n)
    EXPECT_EQ(node(m, static_cast<std::int64_t>(n + 1)), c.expected[n]) << "node " << n + 1;
}

void pyramid(zentrix::testing::RunModel& m, float ratio) {
  m.expansion.expansionType = model::kPyramidal;
  m.expansion.pyramidShrinkRatio = ratio;
  m.expansion.vertexFoot = {7.0f, 0.5f, 0.0f};  // the foot's X plays no part along X
}

void shrinkAlongY(zentrix::testing::RunModel& m, float ratio) {
  m.expansion.expansionType = model::kOneDirectionShrink;
  m.expansion.shrinkDirection = 'Y';
  m.expansion.shrinkRatio = ratio;
}

INSTANTIATE_TEST_SUITE_P(PlaneModule, StraightExpansionTest,
                         ::testing::Values(
                             StraightCase{"Prismatic", 2, [](zentrix::testing::RunModel&) {},
                                          Nodes{{0, 0}, {0, 1}, {2, 0}, {2, 1}, {4, 0}, {4, 1}}},
                             StraightCase{"UnknownTypeIsPrismatic", 2,
                                          [](zentrix::testing::RunModel& m) {
                                            m.expansion.expansionType = 9;
                                          },
                                          Nodes{{0, 0}, {0, 1}, {2, 0}, {2, 1}, {4, 0}, {4, 1}}},
                             // Module 1's far end halfway to the foot's Y, module 2's at the apex.
                             StraightCase{
                                 "Pyramidal", 2,
                                 [](zentrix::testing::RunModel& m) { pyramid(m, 0.5f); },
                                 Nodes{
                                     {0, 0}, {0, 1}, {2, 0.25f}, {2, 0.75f}, {4, 0.5f}, {4, 0.5f}}},
                             StraightCase{"PyramidalOneModuleMovesItsFarEnd", 1,
                                          [](zentrix::testing::RunModel& m) { pyramid(m, 0.5f); },
                                          Nodes{{0, 0}, {0, 1}, {2, 0.25f}, {2, 0.75f}}},
                             StraightCase{"PyramidalRatio1IsPrismatic", 2,
                                          [](zentrix::testing::RunModel& m) { pyramid(m, 1.0f); },
                                          Nodes{{0, 0}, {0, 1}, {2, 0}, {2, 1}, {4, 0}, {4, 1}}},
                             // A coordinate 0 along the shrink axis stays 0 whatever the ratio.
                             StraightCase{
                                 "ShrinkAlongY", 2,
                                 [](zentrix::testing::RunModel& m) { shrinkAlongY(m, 0.5f); },
                                 Nodes{{0, 0}, {0, 1}, {2, 0}, {2, 0.5f}, {4, 0}, {4, 0}}},
                             StraightCase{
                                 "ShrinkRatio1IsPrismatic", 2,
                                 [](zentrix::testing::RunModel& m) { shrinkAlongY(m, 1.0f); },
                                 Nodes{{0, 0}, {0, 1}, {2, 0}, {2, 1}, {4, 0}, {4, 1}}},
                             // Node 4 lies at X = 0: the far-end list holds only node 3, and the
                             // second slot of every later module stays at the origin.
                             StraightCase{"MissingFarEndNode", 3,
                                          [](zentrix::testing::RunModel& m) {
                                            setCoordinates(m, {{0, 0}, {0, 1}, {2, 0}, {0, 2}});
                                          },
                                          Nodes{{0, 0},
                                                {0, 1},
                                                {2, 0},
                                                {0, 2},
                                                {4, 0},
                                                {0, 0},
                                                {6, 0},
                                                {0, 0}}},
                             // Three nodes off Base 0 for two slots: the third (node 4) is left
                             // out.
                             StraightCase{"ExtraFarEndNodeIsIgnored", 2,
                                          [](zentrix::testing::RunModel& m) {
                                            setCoordinates(m, {{1, 0}, {0, 1}, {2, 0}, {2, 1}});
                                          },
                                          Nodes{{1, 0}, {0, 1}, {2, 0}, {2, 1}, {3, 0}, {4, 0}}}),
                         testing::ByName());

TEST(StraightExpansion, ModuleShiftIsTheModuleNumberTimesTheLengthInSinglePrecision) {
  zentrix::testing::RunModel m = planeModule(4);
  m.expansion.moduleLength = 0.1f;
  setCoordinates(m, {{0, 0}, {0, 1}, {0.1f, 0}, {0.1f, 1}});
  ASSERT_TRUE(generateStructure(m).ok);
  // Node 9 is module 4's far end: 0.1f + (3.0f * 0.1f), not 4 * 0.1 in decimal.
  EXPECT_EQ(m.structure.nodeCoords(9, 1), 0.1f + 3.0f * 0.1f);
}

}  // namespace
}  // namespace zentrix::generation
