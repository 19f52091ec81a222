#include "generation/element_kinds.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "generation/generate.h"
#include "generation_fixtures.h"
#include "support/run_model.h"

namespace zentrix::generation {
namespace {

using testing::bars;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::node;
using ::testing::Pair;
using testing::planeModule;
using testing::setCoordinates;
using testing::setTopology;
using testing::squareTruss;

using Bars = std::vector<std::pair<std::int32_t, std::int32_t>>;

zentrix::testing::RunModel generated(zentrix::testing::RunModel m) {
  const model::Outcome outcome = generateStructure(m);
  EXPECT_TRUE(outcome.ok) << outcome.message;
  return m;
}

TEST(ElementReplication, PlaneModuleOfThreeModulesInKindBlocks) {
  const zentrix::testing::RunModel m = generated(planeModule(3));
  EXPECT_EQ(m.structure.totalElements(), 13);
  EXPECT_EQ(m.structure.base0ElementCount, 1);
  EXPECT_EQ(m.structure.moduleElementCount, 4);
  EXPECT_THAT(bars(m), ElementsAreArray(Bars{{1, 3},
                                             {2, 4},
                                             {3, 5},
                                             {4, 6},
                                             {5, 7},
                                             {6, 8},
                                             {3, 4},
                                             {5, 6},
                                             {7, 8},
                                             {1, 4},
                                             {3, 6},
                                             {5, 8},
                                             {1, 2}}));
  EXPECT_THAT(m.structure.kindEnd, ElementsAre(0, 6, 9, 12, 12));
  EXPECT_THAT(m.structure.kindCount, ElementsAre(0, 2, 3, 4, 4));
  EXPECT_THAT(m.structure.elemKind.storage(), ElementsAre(1, 1, 2, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0));
}

TEST(ElementReplication, RenumberingPutsTheFirstBase0Last) {
  zentrix::testing::RunModel m = planeModule(3);
  m.base.lastNodesInBase0 = true;
  m = generated(m);
  EXPECT_EQ(m.structure.totalNodes(), 8);
  EXPECT_THAT(bars(m), ElementsAreArray(Bars{{7, 1},
                                             {8, 2},
                                             {1, 3},
                                             {2, 4},
                                             {3, 5},
                                             {4, 6},
                                             {1, 2},
                                             {3, 4},
                                             {5, 6},
                                             {7, 2},
                                             {1, 4},
                                             {3, 6},
                                             {7, 8}}));
  // Nodes 1 ... 6 are the old nodes 3 ... 8, then the old 1 and 2.
  const std::vector<std::vector<float>> expected = {{2, 0}, {2, 1}, {4, 0}, {4, 1},
                                                    {6, 0}, {6, 1}, {0, 0}, {0, 1}};
  for (int n = 1; n <= 8; ++n) EXPECT_EQ(node(m, n), expected[n - 1]) << "node " << n;
}

TEST(ElementReplication, OneModuleIsTheBaseModule) {
  const zentrix::testing::RunModel m = generated(planeModule(1));
  EXPECT_THAT(bars(m), ElementsAreArray(Bars{{1, 3}, {2, 4}, {3, 4}, {1, 4}, {1, 2}}));
  EXPECT_THAT(m.structure.kindEnd, ElementsAre(0, 2, 3, 4, 4));
  EXPECT_THAT(m.structure.kindCount, ElementsAre(0, 2, 3, 4, 4));
  EXPECT_EQ(m.structure.totalNodes(), 4);
}

TEST(ElementReplication, OnlyBase0ElementsAreWrittenOnceWhateverTheModules) {
  zentrix::testing::RunModel m = planeModule(5);
  setTopology(m, {{1, 2}});
  m = generated(m);
  EXPECT_EQ(m.structure.moduleElementCount, 0);
  EXPECT_EQ(m.structure.totalElements(), 1);
  EXPECT_THAT(bars(m), ElementsAre(Pair(1, 2)));
  EXPECT_THAT(m.structure.kindEnd, ElementsAre(0, 0, 0, 0, 0));
  EXPECT_THAT(m.structure.kindCount, ElementsAre(0, 0, 0, 0, 0));
}

TEST(ElementReplication, DiagonalStoredFromItsBase1EndShiftsItsEndAsBase0) {
  zentrix::testing::RunModel m = planeModule(3);
  setTopology(m, {{1, 3}, {2, 4}, {3, 4}, {4, 1}, {1, 2}});
  m = generated(m);
  const Bars all = bars(m);
  EXPECT_THAT(Bars(all.begin() + 9, all.begin() + 12),
              ElementsAre(Pair(4, 1), Pair(6, 3), Pair(8, 5)));
}

TEST(ElementReplication, TransverseBarOfBase0AmongModuleElementsIsKind4) {
  zentrix::testing::RunModel m = planeModule(3);
  setTopology(m, {{1, 3}, {2, 4}, {1, 2}, {3, 4}});
  m = generated(m);
  EXPECT_THAT(m.structure.elemKind.storage(), ElementsAre(1, 1, 4, 2, 0, 0, 0, 0, 0, 0));
  EXPECT_THAT(m.structure.kindCount, ElementsAre(0, 2, 2, 2, 3));
  EXPECT_THAT(m.structure.kindEnd, ElementsAre(0, 6, 6, 6, 9));
  EXPECT_THAT(bars(m),
              ElementsAreArray(Bars{
                  {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7}, {6, 8}, {1, 2}, {3, 4}, {5, 6}, {3, 4}}));
}

TEST(ElementReplication, SpatialTrussKindsAndRenumbering) {
  zentrix::testing::RunModel m = squareTruss(2);
  m.base.lastNodesInBase0 = true;
  m = generated(m);
  EXPECT_EQ(m.structure.totalNodes(), 12);
  EXPECT_EQ(m.structure.totalElements(), 26);
  EXPECT_THAT(m.structure.kindEnd, ElementsAre(0, 8, 16, 24, 26));
  const Bars all = bars(m);
  EXPECT_THAT(
      Bars(all.begin(), all.begin() + 8),
      ElementsAreArray(Bars{{9, 1}, {10, 2}, {11, 3}, {12, 4}, {1, 5}, {2, 6}, {3, 7}, {4, 8}}));
  EXPECT_THAT(Bars(all.begin() + 24, all.end()), ElementsAre(Pair(1, 3), Pair(5, 7)));
  EXPECT_EQ(node(m, 12), (std::vector<float>{0, 1, 0}));
  EXPECT_EQ(node(m, 8), (std::vector<float>{0, 1, 2}));
}

// One bar from node 1 of a spatial module to each target; kinds by direction.
struct KindCase {
  const char* name;
  char direction;
  std::vector<float> to;  // node 2
  int expectedKind;
};

class ElementKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(ElementKindTest, ClassifiesByDirectionToTheExpansionAxis) {
  const KindCase& c = GetParam();
  zentrix::testing::RunModel m;
  m.base.dofPerNode = 3;
  m.base.nodesInBase0 = 1;
  m.base.nodesInBase1 = 1;
  setCoordinates(m, {{0, 0, 0}, c.to});
  setTopology(m, {{1, 2}});
  const StructureCounts counts = countStructure(m, model::axisNumber(c.direction));
  ASSERT_EQ(counts.base0Elements, 0);
  EXPECT_THAT(classifyBaseElements(m, counts), ElementsAre(c.expectedKind));
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ElementKindTest,
    ::testing::Values(KindCase{"AlongX", 'X', {2, 0, 0}, 1}, KindCase{"AlongY", 'Y', {0, 2, 0}, 1},
                      KindCase{"AlongZ", 'Z', {0, 0, 2}, 1},
                      KindCase{"DiagonalXY", 'X', {2, 1, 0}, 3},
                      KindCase{"DiagonalZX", 'Z', {1, 0, 2}, 3},
                      // Node 2 is N0+1 ... 2 N0: a transversal bar of the far end.
                      KindCase{"TransverseOfFarEnd", 'X', {0, 0, 1}, 2},
                      KindCase{"ObliqueInCrossSection", 'Y', {1, 0, 1}, 4},
                      KindCase{"NotANumberIsNotZero", 'X', {2, std::nanf(""), 0}, 3}),
    testing::ByName());

}  // namespace
}  // namespace zentrix::generation
