#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <new>
#include <string>

#include "generation/generate.h"
#include "generation_fixtures.h"
#include "model/text.h"
#include "support/run_model.h"
#include "support/test_names.h"

namespace zentrix::generation {
namespace {

using ::testing::HasSubstr;
using testing::planeModule;
using testing::setCoordinates;
using testing::setTopology;
using testing::squareTruss;

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// ---- The module length warning ----------------------------------------------

TEST(ModuleLength, MeasuresTheLargestDistanceAlongTheDirection) {
  zentrix::testing::RunModel m = planeModule();
  setCoordinates(m, {{0, 0}, {0, 1}, {-2.5f, 0}, {2, 1}});
  measureBaseModule(m);
  EXPECT_EQ(m.expansion.directionIndex(), 1);
  EXPECT_EQ(m.measured.baseModuleLength, 2.5f);
  EXPECT_FALSE(moduleLengthMatches(m));
  m.expansion.moduleLength = 2.5f;
  EXPECT_TRUE(moduleLengthMatches(m));
}

TEST(ModuleLength, BaseModuleMeasuredAlongTheWrongAxisIsZero) {
  zentrix::testing::RunModel m = planeModule();
  m.expansion.expansionDirection = 'y';
  setCoordinates(m, {{0, 0}, {1, 0}, {0, 0}, {1, 0}});
  measureBaseModule(m);
  EXPECT_EQ(m.expansion.directionIndex(), 2);
  EXPECT_EQ(m.measured.baseModuleLength, 0.0f);
  EXPECT_FALSE(moduleLengthMatches(m));
}

TEST(ModuleLength, ThirdAxisOfAPlaneModuleIsNeverRead) {
  zentrix::testing::RunModel m = planeModule();
  m.expansion.expansionDirection = 'Z';
  m.base.baseCoords.rebuild(4, 3);
  m.base.baseCoords(3, 3) = 9.0f;  // left over from a spatial module
  measureBaseModule(m);
  EXPECT_EQ(m.measured.baseModuleLength, 0.0f);
}

struct WarningCase {
  bool romanian;
  float baseLength;
  float moduleLength;
  const char* expected;
};

class ModuleLengthWarningTest : public ::testing::TestWithParam<WarningCase> {};

TEST_P(ModuleLengthWarningTest, NamesBothLengthsInTheLanguage) {
  zentrix::testing::RunModel m;
  m.romanian = GetParam().romanian;
  m.measured.baseModuleLength = GetParam().baseLength;
  m.expansion.moduleLength = GetParam().moduleLength;
  EXPECT_EQ(moduleLengthWarning(m), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ModuleLengthWarningTest,
    ::testing::Values(
        WarningCase{false, 2.0f, 2.5f,
                    "WARNING: Base Module length =2. - diferent from the current module length "
                    "=2.5 !\nThe structure that will be generated will not be modular.\nWould "
                    "You like to continue?"},
        WarningCase{true, 0.0f, 1.23456f,
                    "ATENTIE: Lungimea modulului de baza =0. - diferita de lungimea modulului "
                    "curent =1.2346 !\nStructura care va fi generata nu va fi modulara.\nVreti "
                    "sa continuati?"},
        WarningCase{false, -12345.5f, 100.0f,
                    "WARNING: Base Module length =-12345.5 - diferent from the current module "
                    "length =100. !\nThe structure that will be generated will not be "
                    "modular.\nWould You like to continue?"}),
    [](const ::testing::TestParamInfo<WarningCase>& warning) {
      return std::string(model::say({"en", "ro"}, warning.param.romanian)) + "_base_" +
             ::zentrix::testing::numberName(warning.param.baseLength) + "_module_" +
             ::zentrix::testing::numberName(warning.param.moduleLength);
    });

// ---- Refusals ---------------------------------------------------------------

// Everything a generation produces, to show that a failed one changed nothing.
struct Generated {
  std::int64_t baseNodeCount;
  std::int32_t totalNodes, base0ElementCount, moduleElementCount, totalElements;
  model::CoordinateTable nodeCoords;
  model::OneBasedArray<std::int32_t> elemStart, elemEnd, elemKind;
  std::array<std::int32_t, 5> kindCount, kindEnd;
  float moduleDepth;
  bool operator==(const Generated&) const = default;
};

Generated generatedPart(const zentrix::testing::RunModel& m) {
  return {
      m.base.baseNodeCount(),         m.structure.totalNodes(),    m.structure.base0ElementCount,
      m.structure.moduleElementCount, m.structure.totalElements(), m.structure.nodeCoords,
      m.structure.elemStart,          m.structure.elemEnd,         m.structure.elemKind,
      m.structure.kindCount,          m.structure.kindEnd,         m.measured.moduleDepth};
}

// The plane module generated once with 3 modules, then changed by `change`.
zentrix::testing::RunModel previouslyGenerated(
    const std::function<void(zentrix::testing::RunModel&)>& change) {
  zentrix::testing::RunModel m = planeModule(3);
  m.base.lastNodesInBase0 = true;
  EXPECT_TRUE(generateStructure(m).ok);
  change(m);
  return m;
}

struct RefusalCase {
  const char* name;
  std::function<void(zentrix::testing::RunModel&)> change;
  const char* english;
  const char* romanian;
};

class RefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(RefusalTest, SaysWhyAndKeepsThePreviousStructure) {
  const RefusalCase& c = GetParam();
  for (const bool romanian : {false, true}) {
    zentrix::testing::RunModel m = previouslyGenerated(c.change);
    m.romanian = romanian;
    const Generated before = generatedPart(m);
    const std::string expected = model::say({c.english, c.romanian}, romanian);

    const auto refusal = refusalOf(m, 1ull << 32);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_THAT(*refusal, HasSubstr(expected));

    const model::Outcome outcome = generateStructure(m, nullptr, 1ull << 32);
    EXPECT_FALSE(outcome.ok);
    EXPECT_THAT(outcome.message, HasSubstr(expected));
    EXPECT_TRUE(generatedPart(m) == before) << "the previous structure changed";
  }
}

void direction(zentrix::testing::RunModel& m, char letter) {
  m.expansion.expansionDirection = letter;
}

void shrink(zentrix::testing::RunModel& m, int index) {
  m.expansion.expansionType = model::kOneDirectionShrink;
  m.expansion.shrinkDirection = model::axisLetter(index);
  m.expansion.shrinkRatio = 0.5f;
}

void arch(zentrix::testing::RunModel& m, float halfSpan, float height) {
  m.expansion.expansionType = model::kArch;
  m.expansion.archKind = model::kParabolicArch;
  m.expansion.halfSpan = halfSpan;
  m.expansion.archHeight = height;
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusalTest,
                         ::testing::
                             Values(RefusalCase{"NoModules",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.expansion.moduleCount = 0;
                                                },
                                                "\"Number of Modules\" must be at least 1 (it "
                                                "is 0).",
                                                "Numarul de module trebuie sa fie cel putin 1 "
                                                "(este 0)."},
                                    RefusalCase{"NegativeModules",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.expansion.moduleCount = -4;
                                                },
                                                "at least 1 (it is -4).", "cel putin 1 (este -4)."},
                                    RefusalCase{"FourDegreesOfFreedom",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.dofPerNode = 4;
                                                },
                                                "must be 2 or 3 (they are 4).",
                                                "trebuie sa fie 2 sau 3 (este 4)."},
                                    RefusalCase{"NegativeBase1",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.nodesInBase1 = -1;
                                                },
                                                "\"No. of Nodes in Base 1\" must not be "
                                                "negative (it is -1).",
                                                "Baza 1 nu poate fi negativ (este -1)."},
                                    RefusalCase{
                                        "NoDirection",
                                        [](zentrix::testing::RunModel& m) { direction(m, ' '); },
                                        "Choose the expansion direction (X, Y or Z).",
                                        "Alegeti directia de expandare (X, Y sau Z)."},
                                    RefusalCase{
                                        "ZInAPlaneModule",
                                        [](zentrix::testing::RunModel& m) { direction(m, 'Z'); },
                                        "cannot be expanded along Z: choose X or Y.",
                                        "nu poate fi expandata dupa Z: alegeti X sau Y."},
                                    RefusalCase{"ShrinkDirectionUnset",
                                                [](zentrix::testing::RunModel& m) { shrink(m, 0); },
                                                "needs a shrink direction other than the expansion "
                                                "direction: choose Y.",
                                                "diferita de directia de expandare: alegeti Y."},
                                    RefusalCase{"ShrinkAlongTheExpansion",
                                                [](zentrix::testing::RunModel& m) { shrink(m, 1); },
                                                "choose Y.", "alegeti Y."},
                                    RefusalCase{"ShrinkAlongZInAPlaneModule",
                                                [](zentrix::testing::RunModel& m) { shrink(m, 3); },
                                                "choose Y.", "alegeti Y."},
                                    RefusalCase{"EndNodeBeyondTheBaseModule",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.baseElemEnd(2) = 9;
                                                },
                                                "Element 2 has the end node 9, outside the "
                                                "Base module's nodes 1 to 4.",
                                                "Elementul 2 are nodul de capat 9, in afara "
                                                "nodurilor modulului de baza 1 - 4."},
                                    RefusalCase{"EndNodeZero",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.baseElemStart(5) = 0;
                                                },
                                                "Element 5 has the end node 0",
                                                "Elementul 5 are nodul de capat 0"},
                                    RefusalCase{
                                        "ArchWithoutHeight",
                                        [](zentrix::testing::RunModel& m) { arch(m, 4, 0); },
                                        "other than 0.", "diferite de 0."},
                                    RefusalCase{
                                        "ArchWithoutSpan",
                                        [](zentrix::testing::RunModel& m) { arch(m, 0, 2); },
                                        "other than 0.", "diferite de 0."},
                                    RefusalCase{"CoordinatesOfTooFewNodes",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.baseCoords.resize(3, 2);
                                                },
                                                "coordinates for 3 nodes, but Base 0 and Base "
                                                "1 hold 4 nodes",
                                                "coordonate pentru 3 noduri, dar Baza 0 si "
                                                "Baza 1 au 4 noduri"},
                                    RefusalCase{
                                        "CoordinatesOfAPlaneModuleForASpatialOne",
                                        [](zentrix::testing::RunModel& m) {
                                          m.base.dofPerNode = 3;
                                        },
                                        "have 2 values per node, but the structure needs 3",
                                        "au 2 valori pe nod, dar structura are nevoie de 3"},
                                    RefusalCase{"TopologyNeverEntered",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.baseElemStart.clear();
                                                  m.base.baseElemEnd.clear();
                                                },
                                                "The end nodes of the 5 elements have not been "
                                                "entered",
                                                "Nodurile de capat ale celor 5 elemente nu au "
                                                "fost introduse"},
                                    RefusalCase{"TopologyShort",
                                                [](zentrix::testing::RunModel&
                                                       m) { m.base.baseElemEnd.resize(3); },
                                                "end nodes for 3 elements, but \"No. of "
                                                "Elements\" is 5",
                                                "noduri de capat pentru 3 elemente, dar "
                                                "numarul de elemente este 5"},
                                    RefusalCase{"InfiniteModuleLength",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.expansion.moduleLength = kInfinity;
                                                },
                                                "\"Module Length\" is not a finite number.",
                                                "\"Lungimea modulului\" nu este un numar finit."},
                                    RefusalCase{"PyramidRatioNaN",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.expansion.expansionType = model::kPyramidal;
                                                  m.expansion.pyramidShrinkRatio = std::nanf("");
                                                },
                                                "\"Shrink Ratio\" is not a finite number.",
                                                "\"Raportul de micsorare\" nu este un numar "
                                                "finit."},
                                    RefusalCase{"VertexFootInfinite",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.expansion.expansionType = model::kPyramidal;
                                                  m.expansion.pyramidShrinkRatio = 0.5f;
                                                  m.expansion.vertexFoot[1] = -kInfinity;
                                                },
                                                "\"Vertex Foot Coordinates\" (Y) is not a "
                                                "finite number.",
                                                "\"Coordonatele piciorului varfului\" (Y) nu "
                                                "este un numar finit."},
                                    RefusalCase{"ShrinkRatioNaN",
                                                [](zentrix::testing::RunModel& m) {
                                                  shrink(m, 2);
                                                  m.expansion.shrinkRatio = std::nanf("");
                                                },
                                                "\"Shrink Ratio\" is not a finite number.",
                                                "\"Raportul de micsorare\" nu este un numar "
                                                "finit."},
                                    RefusalCase{"HalfSpanInfinite",
                                                [](zentrix::testing::RunModel& m) {
                                                  arch(m, kInfinity, 2);
                                                },
                                                "\"Half Span (l)\" is not a finite number.",
                                                "\"Semideschiderea (l)\" nu este un numar finit."},
                                    RefusalCase{"HeightNaN",
                                                [](zentrix::testing::RunModel&
                                                       m) { arch(m, 4, std::nanf("")); },
                                                "\"Height (h)\" is not a finite number.",
                                                "\"Inaltimea (h)\" nu este un numar finit."},
                                    RefusalCase{"BaseCoordinateNaN",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.baseCoords(3, 2) = std::nanf("");
                                                },
                                                "The coordinate Y of Base module node 3 is not "
                                                "a finite number.",
                                                "Coordonata Y a nodului 3 al modulului de baza "
                                                "nu este un numar finit."},
                                    RefusalCase{
                                        "NodesBeyond32Bits",
                                        [](zentrix::testing::RunModel&
                                               m) { m.expansion.moduleCount = 2'000'000'000; },
                                        "would have 4000000002 nodes, more than 2147483647: "
                                        "use fewer modules.",
                                        "ar avea 4000000002 noduri, mai mult de 2147483647"},
                                    RefusalCase{"ElementsBeyond32Bits",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.nodesInBase0 = 1;
                                                  m.base.nodesInBase1 = 1;
                                                  setCoordinates(m, {{0, 0}, {1, 0}});
                                                  setTopology(m, {{1, 2}, {1, 2}, {1, 2}});
                                                  m.expansion.moduleCount = 1'000'000'000;
                                                },
                                                "would have 3000000000 elements",
                                                "ar avea 3000000000 elemente"},
                                    // Three Base 0 nodes face one Base 1 node: the refusal names
                                    // the two counts, not a bar that would reach node 7 of 6.
                                    RefusalCase{"Base0LargerThanBase1",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.base.nodesInBase0 = 3;
                                                  m.base.nodesInBase1 = 1;
                                                  setCoordinates(m,
                                                                 {{0, 0}, {0, 1}, {0, 2}, {2, 0}});
                                                  setTopology(m, {{3, 4}});
                                                },
                                                "Base 0 has more nodes than Base 1 (3 against 1)",
                                                "Baza 0 are mai multe noduri decat Baza 1 (3 fata "
                                                "de 1)"},
                                    RefusalCase{"MoreThanTheMemory",
                                                [](zentrix::testing::RunModel& m) {
                                                  m.expansion.moduleCount = 200'000'000;
                                                },
                                                "needs 12208 MB of memory, more than this "
                                                "computer can give (4096 MB)",
                                                "necesita 12208 MB de memorie"}),
                         testing::ByName());

TEST(GenerationFailure, NonFiniteCoordinateNamesTheNodeAsTheFilesNumberIt) {
  for (const bool renumber : {false, true}) {
    zentrix::testing::RunModel m = planeModule(3);
    m.expansion.moduleLength = 3e38f;  // module 3 lies at 2 + 2 * 3e38
    m.base.lastNodesInBase0 = renumber;
    const Generated before = generatedPart(m);
    const model::Outcome outcome = generateStructure(m);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "Node " + std::string(renumber ? "5" : "7") +
                                   " would get a coordinate X that is not a finite number: "
                                   "check the expansion parameters.");
    EXPECT_TRUE(generatedPart(m) == before);
  }
}

TEST(GenerationFailure, CircularArchWithInfiniteRadiusIsRefusedBeforeAnyWork) {
  zentrix::testing::RunModel m = planeModule(2);
  arch(m, 4, 0);
  m.expansion.archKind = model::kCircularArch;
  EXPECT_FALSE(generateStructure(m).ok);
  EXPECT_EQ(m.structure.totalNodes(), 0);
}

// ---- Cancel and lack of memory ----------------------------------------------

// Answers the n-th call as `answer` says; counts the calls.
class ScriptedProgress final : public model::Progress {
 public:
  explicit ScriptedProgress(std::function<bool(int)> answer) : answer_(std::move(answer)) {}
  bool advance(double fraction) override {
    EXPECT_GE(fraction, last_);
    EXPECT_LE(fraction, 1.0);
    last_ = fraction;
    return answer_(++calls_);
  }
  int calls() const { return calls_; }
  double last() const { return last_; }

 private:
  std::function<bool(int)> answer_;
  int calls_ = 0;
  double last_ = 0.0;
};

TEST(GenerationProgress, EndsAtTheWholeWithOrWithoutRenumbering) {
  for (const bool renumber : {false, true}) {
    for (const int modules : {1, 3}) {
      zentrix::testing::RunModel m = planeModule(modules);
      m.base.lastNodesInBase0 = renumber;
      ScriptedProgress progress([](int) { return true; });
      ASSERT_TRUE(generateStructure(m, &progress).ok);
      EXPECT_EQ(progress.last(), 1.0) << modules << " modules, renumbered " << renumber;
    }
  }
}

TEST(GenerationCancel, EveryCancelPointKeepsThePreviousStructure) {
  zentrix::testing::RunModel m = squareTruss(2);
  m.base.lastNodesInBase0 = true;
  ASSERT_TRUE(generateStructure(m).ok);
  m.expansion.moduleCount = 250'000;  // a million nodes, three million elements

  ScriptedProgress counting([](int) { return true; });
  zentrix::testing::RunModel full = m;
  ASSERT_TRUE(generateStructure(full, &counting).ok);
  ASSERT_GE(counting.calls(), 5);

  const Generated before = generatedPart(m);
  for (int cancelAt = 1; cancelAt <= counting.calls(); ++cancelAt) {
    ScriptedProgress cancelling([cancelAt](int call) { return call < cancelAt; });
    const model::Outcome outcome = generateStructure(m, &cancelling);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "GENERATE was cancelled: the previous structure is kept.");
    EXPECT_EQ(cancelling.calls(), cancelAt) << "asked again after a cancel";
    EXPECT_TRUE(generatedPart(m) == before) << "cancelled at call " << cancelAt;
  }
}

TEST(GenerationCancel, MemoryRunningOutHalfWayIsReportedAndChangesNothing) {
  zentrix::testing::RunModel m = planeModule(3);
  m.romanian = true;
  ASSERT_TRUE(generateStructure(m).ok);
  m.expansion.moduleCount = 5;
  const Generated before = generatedPart(m);
  ScriptedProgress failing([](int call) -> bool {
    if (call == 2) throw std::bad_alloc();
    return true;
  });
  const model::Outcome outcome = generateStructure(m, &failing);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(outcome.message,
            "Nu exista destula memorie pentru a genera 12 noduri si 21 elemente: folositi mai "
            "putine module. Structura anterioara se pastreaza.");
  EXPECT_TRUE(generatedPart(m) == before);
}

// ---- A complete run ---------------------------------------------------------

TEST(GenerationRun, ReplacesThePreviousStructureWhole) {
  zentrix::testing::RunModel m = planeModule(3);
  ASSERT_TRUE(generateStructure(m).ok);
  m.expansion.moduleCount = 1;
  ASSERT_TRUE(generateStructure(m).ok);
  EXPECT_EQ(m.structure.generatedWith->baseNodeCount(), 4);
  EXPECT_EQ(m.structure.totalNodes(), 4);
  EXPECT_EQ(m.structure.nodeCoords.rows(), 4);
  EXPECT_EQ(m.structure.totalElements(), 5);
  EXPECT_EQ(m.structure.elemStart.count(), 5);
  EXPECT_EQ(m.structure.elemKind.count(), 5);
  EXPECT_TRUE(m.structure.nodeCoords == m.base.baseCoords);
}

TEST(GenerationRun, ModuleWithoutElementsGeneratesItsNodes) {
  zentrix::testing::RunModel m = planeModule(2);
  m.base.baseElementCount = 0;
  m.base.baseElemStart.clear();
  m.base.baseElemEnd.clear();
  ASSERT_TRUE(generateStructure(m).ok);
  EXPECT_EQ(m.structure.totalNodes(), 6);
  EXPECT_EQ(m.structure.totalElements(), 0);
  EXPECT_TRUE(m.structure.elemStart.empty());
}

TEST(GenerationRun, StraightTypesLeaveTheArchDepthAlone) {
  zentrix::testing::RunModel m = planeModule(2);
  m.measured.moduleDepth = 7.0f;
  ASSERT_TRUE(generateStructure(m).ok);
  EXPECT_EQ(m.measured.moduleDepth, 7.0f);
}

}  // namespace
}  // namespace zentrix::generation

namespace zentrix::generation {
namespace {

// The structure comes back whole and carries the inputs it was built from;
// the model is not touched until it takes the structure.
TEST(GenerationRun, HandsBackACompleteStructureWithItsInputsAndLeavesTheModelAlone) {
  zentrix::testing::RunModel m = squareTruss(2);
  m.base.lastNodesInBase0 = false;
  const zentrix::testing::RunModel before = m;
  Generation generated = generate(m, m.romanian, nullptr, defaultMemoryLimit());
  ASSERT_TRUE(generated.outcome) << generated.outcome.message;
  EXPECT_EQ(m.structure.totalNodes(), before.structure.totalNodes());
  EXPECT_FALSE(m.structure.generatedWith.has_value());

  const model::Structure& s = generated.structure;
  EXPECT_EQ(s.totalNodes(), 12);
  EXPECT_EQ(s.elemEnd.count(), s.totalElements());
  EXPECT_EQ(s.elemKind.count(), s.totalElements());
  EXPECT_EQ(s.kindEnd[model::kKindCount], s.totalElements());
  ASSERT_TRUE(s.generatedWith.has_value());
  EXPECT_EQ(*s.generatedWith, (model::GeneratedWith{.dofPerNode = 3,
                                                    .nodesInBase0 = 4,
                                                    .nodesInBase1 = 4,
                                                    .expansionType = model::kPrismatic,
                                                    .lastNodesInBase0 = false}));
  EXPECT_EQ(s.generatedWith->baseNodeCount(), 8);

  takeGenerated(m, std::move(generated));
  EXPECT_EQ(m.structure.totalNodes(), 12);
}

TEST(GenerationRun, RefusedGenerationHandsBackNoStructure) {
  zentrix::testing::RunModel m = planeModule(0);
  const Generation generated = generate(m, m.romanian, nullptr, defaultMemoryLimit());
  EXPECT_FALSE(generated.outcome);
  EXPECT_EQ(generated.structure.totalNodes(), 0);
  EXPECT_EQ(generated.structure.totalElements(), 0);
  EXPECT_FALSE(generated.structure.generatedWith.has_value());
}

}  // namespace
}  // namespace zentrix::generation
