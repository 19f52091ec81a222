// The model check: each finding against a model that has exactly that fault,
// the clean models that must have none, and the caps on long lists.
#include "generation/model_check.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "files/input_file.h"
#include "generation/generate.h"
#include "generation/generation_fixtures.h"
#include "support/run_model.h"

namespace zentrix::generation {

// Failure reports name the kind.
void PrintTo(FindingKind kind, std::ostream* out) {
  constexpr const char* kNames[] = {"BaseNodeCounts",     "Base0NodeOffPlane", "Base1NodeMismatch",
                                    "ElementKindOrder",   "EndNodeOutOfRange", "ZeroLengthElement",
                                    "DuplicateElements",  "CoincidentNodes",   "UnusedNode",
                                    "StaticallyUnstable", "NonPositiveArea"};
  *out << kNames[static_cast<int>(kind)];
}

namespace {

using testing::Bar;
using testing::ByName;
using ::testing::ElementsAreArray;
using testing::setCoordinates;
using testing::setTopology;

// The plane module with both diagonals of the panel: nodes 1 (0,0), 2 (0,1)
// in Base 0, 3 (2,0), 4 (2,1) in Base 1. Along X, 3 modules of 2: elements
// 1-6 longitudinal, 7-9 transversal, 10-15 diagonal, 16 the Base 0 bar 1-2;
// nodes 1 ... 8. Bars and restraints exceed twice the nodes by 4.
zentrix::testing::RunModel bracedPlane() {
  zentrix::testing::RunModel m = testing::planeModule(3);
  setTopology(m, {{1, 3}, {2, 4}, {3, 4}, {1, 4}, {2, 3}, {1, 2}});
  return m;
}

// The braced module narrowed along Y by 0.9 per module.
zentrix::testing::RunModel shrunkPlane() {
  zentrix::testing::RunModel m = bracedPlane();
  m.expansion.expansionType = model::kOneDirectionShrink;
  m.expansion.shrinkDirection = 'Y';
  m.expansion.shrinkRatio = 0.9f;
  return m;
}

// The braced module in 3-D, in the plane Y = 0, on a circular arch.
zentrix::testing::RunModel spatialArch() {
  zentrix::testing::RunModel m = bracedPlane();
  m.base.dofPerNode = 3;
  setCoordinates(m, {{0, 0, 0}, {0, 0, 1}, {2, 0, 0}, {2, 0, 1}});
  m.expansion.expansionType = model::kArch;
  m.expansion.archKind = model::kCircularArch;
  m.expansion.halfSpan = 4;
  m.expansion.archHeight = 2;
  return m;
}

void generate(zentrix::testing::RunModel& m) {
  measureBaseModule(m);
  const model::Outcome outcome = generateStructure(m);
  ASSERT_TRUE(outcome.ok) << outcome.message;
}

void setNode(zentrix::testing::RunModel& m, std::int64_t node, float x, float y) {
  m.structure.nodeCoords(node, 1) = x;
  m.structure.nodeCoords(node, 2) = y;
}

void addNode(zentrix::testing::RunModel& m, float x, float y) {
  m.structure.nodeCoords.resize(m.structure.totalNodes() + 1, m.base.dofPerNode);
  setNode(m, m.structure.totalNodes(), x, y);
}

std::vector<FindingKind> kindsOf(const std::vector<Finding>& findings) {
  std::vector<FindingKind> kinds;
  for (const Finding& finding : findings) kinds.push_back(finding.kind);
  return kinds;
}

std::string allTexts(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& finding : findings) text += finding.english + "\n";
  return text;
}

struct FaultCase {
  std::string name;
  std::function<zentrix::testing::RunModel()> base;
  std::function<void(zentrix::testing::RunModel&)> afterGenerate = {};
  std::vector<FindingKind> kinds = {};
  // The first finding's numbers.
  std::vector<std::int64_t> nodes = {};
  std::vector<std::int64_t> elements = {};
};

void PrintTo(const FaultCase& fault, std::ostream* out) {
  *out << fault.name;
}

using K = FindingKind;

const std::vector<FaultCase>& faultCases() {
  static const std::vector<FaultCase> cases = {
      {.name = "CoincidentNodes",
       .base = bracedPlane,
       .afterGenerate = [](zentrix::testing::RunModel& m) { setNode(m, 6, 0, 0); },
       .kinds = {K::kCoincidentNodes},
       .nodes = {1, 6}},
      {.name = "CoincidentWithinTolerance",
       .base = bracedPlane,
       .afterGenerate = [](zentrix::testing::RunModel& m) { setNode(m, 6, 3e-7f, 0); },
       .kinds = {K::kCoincidentNodes},
       .nodes = {1, 6}},
      {.name = "NodesApartBeyondTolerance",
       .base = bracedPlane,
       .afterGenerate = [](zentrix::testing::RunModel& m) { setNode(m, 6, 3e-6f, 0); },
       .kinds = {}},
      {.name = "ElementFromANodeToItself",
       .base = bracedPlane,
       .afterGenerate = [](zentrix::testing::RunModel& m) { m.structure.elemEnd(16) = 1; },
       .kinds = {K::kZeroLengthElement},
       .nodes = {1, 1},
       .elements = {16}},
      {.name = "ElementBetweenCoincidentNodes",
       .base = bracedPlane,
       .afterGenerate = [](zentrix::testing::RunModel& m) { setNode(m, 8, 6, 0); },
       .kinds = {K::kZeroLengthElement, K::kCoincidentNodes},
       .nodes = {7, 8},
       .elements = {9}},
      {.name = "DuplicateElementSameOrder",
       .base = bracedPlane,
       .afterGenerate =
           [](zentrix::testing::RunModel& m) {
             m.structure.elemStart(16) = 2;
             m.structure.elemEnd(16) = 4;
           },
       .kinds = {K::kDuplicateElements},
       .nodes = {2, 4},
       .elements = {2, 16}},
      {.name = "DuplicateElementReversedInEveryModule",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             setTopology(m, {{1, 3}, {2, 4}, {4, 2}, {3, 4}, {1, 4}, {2, 3}, {1, 2}});
             return m;
           },
       .kinds = {K::kDuplicateElements, K::kDuplicateElements, K::kDuplicateElements},
       .nodes = {2, 4},
       .elements = {2, 3}},
      {.name = "UnusedNode",
       .base = bracedPlane,
       .afterGenerate = [](zentrix::testing::RunModel& m) { addNode(m, 10, 10); },
       .kinds = {K::kUnusedNode},
       .nodes = {9}},
      {.name = "EndNodeBeyondTheNodes",
       .base = bracedPlane,
       .afterGenerate = [](zentrix::testing::RunModel& m) { m.structure.elemEnd(16) = 9; },
       .kinds = {K::kEndNodeOutOfRange},
       .elements = {16}},
      {.name = "EndNodeZero",
       .base = bracedPlane,
       .afterGenerate = [](zentrix::testing::RunModel& m) { m.structure.elemStart(16) = 0; },
       .kinds = {K::kEndNodeOutOfRange},
       .elements = {16}},
      {.name = "TrussWithoutDiagonalsIsUnstable",
       .base =
           [] {
             zentrix::testing::RunModel m = testing::planeModule(3);
             setTopology(m, {{1, 3}, {2, 4}, {3, 4}, {1, 2}});
             return m;
           },
       .kinds = {K::kStaticallyUnstable}},
      {.name = "ArchWithoutDiagonalsIsHeldAtBothEnds",
       .base =
           [] {
             zentrix::testing::RunModel m = testing::planeModule(3);
             setTopology(m, {{1, 3}, {2, 4}, {3, 4}, {1, 2}});
             m.expansion.expansionType = model::kArch;
             m.expansion.archKind = model::kCircularArch;
             m.expansion.halfSpan = 4;
             m.expansion.archHeight = 2;
             return m;
           },
       .kinds = {}},
      {.name = "Base0AndBase1NodeCountsDiffer",
       .base =
           [] {
             zentrix::testing::RunModel m = testing::planeModule(3);
             m.base.nodesInBase1 = 3;
             setCoordinates(m, {{0, 0}, {0, 1}, {2, 0}, {2, 1}, {2, 2}});
             setTopology(m, {{1, 3}, {2, 4}, {3, 4}, {4, 5}, {1, 4}, {2, 3}, {2, 5}, {1, 2}});
             return m;
           },
       .kinds = {K::kBaseNodeCounts}},
      {.name = "ModuleLongerThanTheBaseModule",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             m.expansion.moduleLength = 3;
             return m;
           },
       .kinds = {K::kBase1NodeMismatch, K::kBase1NodeMismatch},
       .nodes = {3, 1}},
      {.name = "PyramidalBase1TypedNarrowed",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             m.expansion.expansionType = model::kPyramidal;
             m.expansion.pyramidShrinkRatio = 0.8f;
             m.expansion.vertexFoot = {0, 0.5f, 0};
             setCoordinates(m, {{0, 0}, {0, 1}, {2, 0.25f}, {2, 0.75f}});
             return m;
           },
       .kinds = {K::kBase1NodeMismatch, K::kBase1NodeMismatch, K::kElementKindOrder,
                 K::kElementKindOrder},
       .nodes = {3, 1}},
      {.name = "ShrinkBase1TypedNarrowed",
       .base =
           [] {
             zentrix::testing::RunModel m = shrunkPlane();
             setCoordinates(m, {{0, 0}, {0, 1}, {2, 0}, {2, 0.9f}});
             return m;
           },
       // The bar 2-4 is no longer parallel to the axis.
       .kinds = {K::kBase1NodeMismatch, K::kElementKindOrder, K::kElementKindOrder},
       .nodes = {4, 2}},
      {.name = "SpatialArchBase1NodeAtAnotherY",
       .base =
           [] {
             zentrix::testing::RunModel m = spatialArch();
             setCoordinates(m, {{0, 0, 0}, {0, 0, 1}, {2, 0, 0}, {2, 0.5f, 1}});
             return m;
           },
       .kinds = {K::kBase1NodeMismatch, K::kElementKindOrder, K::kElementKindOrder},
       .nodes = {4, 2}},
      {.name = "Base0NodeOffItsPlane",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             m.expansion.moduleLength = 2.5f;
             setCoordinates(m, {{0, 0}, {0.5f, 1}, {2.5f, 0}, {2.5f, 1}});
             return m;
           },
       .kinds = {K::kBase0NodeOffPlane, K::kBase1NodeMismatch},
       .nodes = {2}},
      {.name = "ArchBase1NodeOnTheOtherChord",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             m.expansion.expansionType = model::kArch;
             m.expansion.archKind = model::kCircularArch;
             m.expansion.halfSpan = 4;
             m.expansion.archHeight = 2;
             setCoordinates(m, {{0, 0}, {0, 1}, {2, 1}, {2, 0}});
             setTopology(m, {{1, 4}, {2, 3}, {3, 4}, {1, 3}, {2, 4}, {1, 2}});
             return m;
           },
       .kinds = {K::kBase1NodeMismatch, K::kBase1NodeMismatch},
       .nodes = {3, 1}},
      {.name = "ElementsStoredOutOfKindOrder",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             setTopology(m, {{1, 3}, {3, 4}, {2, 4}, {1, 4}, {2, 3}, {1, 2}});
             return m;
           },
       .kinds = {K::kElementKindOrder, K::kElementKindOrder},
       .elements = {2}},
      {.name = "Base0ElementStoredFirst",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             setTopology(m, {{1, 2}, {1, 3}, {2, 4}, {3, 4}, {1, 4}, {2, 3}});
             return m;
           },
       // Its copies in modules 2 and 3 repeat the transversal bars there.
       .kinds = {K::kElementKindOrder, K::kElementKindOrder, K::kElementKindOrder,
                 K::kElementKindOrder, K::kElementKindOrder, K::kDuplicateElements,
                 K::kDuplicateElements},
       .elements = {1}},
      // A zero area went into the Geometry File without a word.
      {.name = "ZeroArea",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             m.types.typeArea(2) = 0.0f;
             return m;
           },
       .kinds = {K::kNonPositiveArea}},
      {.name = "NegativeAreas",
       .base =
           [] {
             zentrix::testing::RunModel m = bracedPlane();
             m.types.typeArea(1) = -1.5f;
             m.types.typeArea(4) = -0.0f;
             return m;
           },
       .kinds = {K::kNonPositiveArea, K::kNonPositiveArea}},
  };
  return cases;
}

class ModelCheckFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(ModelCheckFault, FindsExactlyTheFault) {
  const FaultCase& fault = GetParam();
  zentrix::testing::RunModel m = fault.base();
  generate(m);
  if (fault.afterGenerate) fault.afterGenerate(m);
  const std::vector<Finding> findings = checkModel(m);
  ASSERT_THAT(kindsOf(findings), ElementsAreArray(fault.kinds)) << allTexts(findings);
  if (findings.empty()) return;
  EXPECT_THAT(findings[0].nodes, ElementsAreArray(fault.nodes)) << allTexts(findings);
  EXPECT_THAT(findings[0].elements, ElementsAreArray(fault.elements)) << allTexts(findings);
  for (const Finding& finding : findings) {
    EXPECT_FALSE(finding.english.empty());
    EXPECT_FALSE(finding.romanian.empty());
    EXPECT_NE(finding.english, finding.romanian);
    EXPECT_EQ(finding.english.find('{'), std::string::npos) << finding.english;
    EXPECT_EQ(finding.romanian.find('{'), std::string::npos) << finding.romanian;
  }
}

INSTANTIATE_TEST_SUITE_P(Faults, ModelCheckFault, ::testing::ValuesIn(faultCases()), ByName{});

TEST(ModelCheck, CleanModulesHaveNoFindings) {
  for (zentrix::testing::RunModel m :
       {bracedPlane(), testing::squareTruss(4), shrunkPlane(), spatialArch()}) {
    m.types.typeAreas = {1, 2, 3, 4};
    generate(m);
    EXPECT_THAT(checkModel(m), ::testing::IsEmpty()) << allTexts(checkModel(m));
  }
}

TEST(ModelCheck, CleanWithBase0NodesNumberedLast) {
  zentrix::testing::RunModel m = bracedPlane();
  m.base.lastNodesInBase0 = true;
  generate(m);
  EXPECT_THAT(checkModel(m), ::testing::IsEmpty()) << allTexts(checkModel(m));
}

TEST(ModelCheck, BaseModuleNumbersAreMarkedAsSuch) {
  zentrix::testing::RunModel m = bracedPlane();
  setTopology(m, {{1, 3}, {3, 4}, {2, 4}, {1, 4}, {2, 3}, {1, 2}});
  m.types.typeName(1) = "Chord";
  generate(m);
  const std::vector<Finding> findings = checkModel(m);
  ASSERT_FALSE(findings.empty());
  EXPECT_EQ(findings[0].numbering, Numbering::kBaseModule);
  EXPECT_EQ(findings[0].english,
            "Base module element 2 is a \"Transversal\" element but is stored among the "
            "\"Longitudinal\" elements: elements are replicated by their position, so in every "
            "module it gets the type \"Chord\" and its area.");
}

TEST(ModelCheck, TextsNameTheFaultInEachLanguage) {
  zentrix::testing::RunModel m = bracedPlane();
  generate(m);
  setNode(m, 6, 0, 0);
  const std::vector<Finding> findings = checkModel(m);
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].text(false),
            "Nodes 1 and 6 lie at the same place (0., 0.): bars meant to meet there are not "
            "joined, so the analysis sees a mechanism.");
  EXPECT_EQ(findings[0].text(true),
            "Nodurile 1 si 6 se afla in acelasi loc (0., 0.): barele care trebuiau sa se "
            "intalneasca acolo nu sunt legate, deci analiza vede un mecanism.");
  EXPECT_THAT(findingLines(findings, false), ElementsAreArray(std::vector<std::string>{
                                                 "Model check: 1 finding.", findings[0].english}));
  EXPECT_THAT(
      findingLines({}, true),
      ElementsAreArray(std::vector<std::string>{"Verificarea modelului: nicio problema gasita."}));
}

// A Base module element repeated in every module of a long structure: the
// list stops at the cap and says how many more there are.
TEST(ModelCheck, LongListsAreCappedAndCounted) {
  zentrix::testing::RunModel m = bracedPlane();
  setTopology(m, {{1, 3}, {2, 4}, {4, 2}, {3, 4}, {1, 4}, {2, 3}, {1, 2}});
  m.expansion.moduleCount = 250;
  generate(m);
  const std::vector<Finding> findings = checkModel(m);
  ASSERT_EQ(findings.size(), kListedPerKind + 1);
  EXPECT_EQ(findings.back().kind, FindingKind::kDuplicateElements);
  EXPECT_EQ(findings.back().notListed, 150);
  EXPECT_TRUE(findings.back().elements.empty());
  EXPECT_EQ(findings.back().english, "... and 150 more of this kind, not listed.");
  EXPECT_EQ(findingCount(findings), 250);
}

// The sorted sweep against every pair of nodes and elements, on a
// structure with many faults of both kinds.
TEST(ModelCheck, SweepsAgreeWithComparingEveryPair) {
  zentrix::testing::RunModel m = testing::squareTruss(30);
  generate(m);
  std::int64_t shared = 0;
  for (std::int64_t node = 7; node <= m.structure.totalNodes(); node += 7) {
    for (int c = 1; c <= 3; ++c)
      m.structure.nodeCoords(node, c) = m.structure.nodeCoords(node - 5, c);
    ++shared;
  }
  std::int64_t copies = 0;
  for (std::int64_t p = 11; p <= m.structure.totalElements(); p += 11) {
    m.structure.elemStart(p) = m.structure.elemEnd(p - 3);
    m.structure.elemEnd(p) = m.structure.elemStart(p - 3);
    ++copies;
  }
  std::int64_t coincidentPairs = 0;
  for (std::int64_t b = 2; b <= m.structure.totalNodes(); ++b) {
    bool seen = false;
    for (std::int64_t a = 1; a < b && !seen; ++a) {
      bool same = true;
      for (int c = 1; c <= 3; ++c)
        same = same && m.structure.nodeCoords(a, c) == m.structure.nodeCoords(b, c);
      seen = same;
    }
    coincidentPairs += seen ? 1 : 0;
  }
  std::int64_t repeatedElements = 0;
  for (std::int64_t q = 2; q <= m.structure.totalElements(); ++q) {
    bool seen = false;
    for (std::int64_t p = 1; p < q && !seen; ++p)
      seen = std::minmax(m.structure.elemStart(p), m.structure.elemEnd(p)) ==
             std::minmax(m.structure.elemStart(q), m.structure.elemEnd(q));
    repeatedElements += seen ? 1 : 0;
  }
  ASSERT_GT(shared, 0);
  ASSERT_GT(copies, 0);
  const std::vector<Finding> findings = checkModel(m);
  std::int64_t coincident = 0;
  std::int64_t duplicates = 0;
  for (const Finding& finding : findings) {
    const std::int64_t count = finding.notListed > 0 ? finding.notListed : 1;
    if (finding.kind == FindingKind::kCoincidentNodes) coincident += count;
    if (finding.kind == FindingKind::kDuplicateElements) duplicates += count;
  }
  EXPECT_EQ(coincident, coincidentPairs);
  EXPECT_EQ(duplicates, repeatedElements);
}

class ExampleCheck : public ::testing::TestWithParam<std::string> {};

// The bundled examples are meant to be clean.
TEST_P(ExampleCheck, HasNoFindings) {
  zentrix::testing::RunModel m;
  setStartValues(m);
  m.oldFilePath = std::string(ZENTRIX_EXAMPLES_DIR) + "/" + GetParam() + ".dat";
  const model::Outcome loaded = loadInputFile(m);
  ASSERT_TRUE(loaded.ok) << loaded.message;
  generate(m);
  EXPECT_THAT(checkModel(m), ::testing::IsEmpty()) << allTexts(checkModel(m));
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleCheck,
                         ::testing::Values("truss-bridge-3d", "tower-pyramidal-3d",
                                           "arch-parabolic-2d", "arch-circular-2d"),
                         [](const auto& example) {
                           std::string name = example.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// Counts that disagree with the arrays, end nodes anywhere, coordinates
// that are not finite: a model built by other means than GENERATE is
// checked without reading beyond an array.
TEST(ModelCheck, ArraysThatDisagreeWithTheirCountsAreReadSafely) {
  std::mt19937 random(7);
  const auto any = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  const float odd[] = {0.0f, 1.0f, -2.5f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity()};
  for (int round = 0; round < 300; ++round) {
    zentrix::testing::RunModel m = bracedPlane();
    m.base.dofPerNode = any(0, 4);
    m.base.nodesInBase0 = any(-1, 4);
    m.base.nodesInBase1 = any(-1, 4);
    m.expansion.expansionType = any(0, 5);
    m.expansion.expansionDirection = " XYZW"[any(0, 4)];
    m.base.baseCoords.rebuild(any(0, 6), any(0, 3));
    for (float& value : m.base.baseCoords.storage()) value = odd[any(0, 4)];
    m.base.baseElementCount = any(-1, 8);
    m.base.baseElemStart.rebuild(any(0, 8));
    m.base.baseElemEnd.rebuild(any(0, 8));
    for (std::int32_t& node : m.base.baseElemStart.storage()) node = any(-1, 7);
    for (std::int32_t& node : m.base.baseElemEnd.storage()) node = any(-1, 7);
    m.structure.nodeCoords.rebuild(any(0, 12), any(0, 3));
    for (float& value : m.structure.nodeCoords.storage()) value = odd[any(0, 4)];
    m.structure.elemStart.rebuild(any(0, 20));
    m.structure.elemEnd.rebuild(any(0, 20));
    for (std::int32_t& node : m.structure.elemStart.storage()) node = any(-2, 14);
    for (std::int32_t& node : m.structure.elemEnd.storage()) node = any(-2, 14);
    const std::vector<Finding> findings = checkModel(m);
    for (const Finding& finding : findings) EXPECT_FALSE(finding.english.empty());
  }
}

// A Base module finding marked on the structure: the first module's copy of
// each Base module element joins the structure's numbers of its end nodes.
TEST(ModelCheck, BaseModuleNumbersLeadToTheFirstModule) {
  for (const bool last : {false, true}) {
    for (zentrix::testing::RunModel m : {bracedPlane(), testing::squareTruss(3), spatialArch()}) {
      m.base.lastNodesInBase0 = last;
      generate(m);
      for (std::int64_t element = 1; element <= m.base.baseElementCount; ++element) {
        const std::int64_t copy = structureElementOfBaseElement(m, element);
        ASSERT_GE(copy, 1) << element;
        EXPECT_EQ(m.structure.elemStart(copy),
                  structureNodeOfBaseNode(m, m.base.baseElemStart(element)))
            << "element " << element << (last ? ", Base 0 last" : "");
        EXPECT_EQ(m.structure.elemEnd(copy),
                  structureNodeOfBaseNode(m, m.base.baseElemEnd(element)))
            << "element " << element << (last ? ", Base 0 last" : "");
      }
      EXPECT_EQ(structureElementOfBaseElement(m, m.base.baseElementCount + 1), 0);
      EXPECT_EQ(structureNodeOfBaseNode(m, 0), 0);
      EXPECT_EQ(structureNodeOfBaseNode(m, m.base.nodesInBase0 + m.base.nodesInBase1 + 1), 0);
    }
  }
}

TEST(ModelCheck, NoStructureChecksTheBaseModuleOnly) {
  zentrix::testing::RunModel m = bracedPlane();
  m.expansion.moduleLength = 3;
  measureBaseModule(m);
  EXPECT_THAT(kindsOf(checkModel(m)),
              ElementsAreArray({K::kBase1NodeMismatch, K::kBase1NodeMismatch}));
}

}  // namespace
}  // namespace zentrix::generation
