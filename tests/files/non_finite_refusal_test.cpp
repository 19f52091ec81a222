// A NaN or an infinity held by the model never reaches a written file: each
// writer refuses the model before creating anything, naming the value as
// the user knows it, and an older file of that name stays as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "files/input_file.h"
#include "files/sample_models.h"
#include "files/scratch_folder.h"

namespace zentrix::files {
namespace {

using zentrix::testing::readWholeFile;
using zentrix::testing::sampleModel;
using zentrix::testing::ScratchFolder;
using zentrix::testing::writeWholeFile;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

struct PlantedValue {
  const char* name;
  int expansionType;
  bool romanian;
  std::function<void(model::Model&)> plant;
  const char* what;  // the value as the message names it
};

class InputFileNonFiniteTest : public ::testing::TestWithParam<PlantedValue> {};

TEST_P(InputFileNonFiniteTest, IsRefusedByNameAndTheOlderFileStays) {
  const PlantedValue& c = GetParam();
  ScratchFolder folder;
  model::Model m = sampleModel({3, c.expansionType, c.romanian, true});
  c.plant(m);
  m.inputFilePath = folder.file("saved.dat");
  writeWholeFile(m.inputFilePath, "older\r\n");
  const model::Outcome outcome = writeInputFile(m);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message,
            std::string(c.romanian ? "Nu se poate scrie fisierul \"" : "Cannot write the file \"") +
                m.inputFilePath + "\": " + c.what);
  EXPECT_EQ(readWholeFile(m.inputFilePath), "older\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    EveryReal, InputFileNonFiniteTest,
    ::testing::Values(
        PlantedValue{"BaseCoordinate", model::kPrismatic, false,
                     [](model::Model& m) { m.baseCoords(5, 2) = kNaN; },
                     "Base module node 5 coordinate 2 = NaN (not a finite number)"},
        PlantedValue{"BaseCoordinateRomanian", model::kPrismatic, true,
                     [](model::Model& m) { m.baseCoords(1, 3) = -kInfinity; },
                     "nodul 1 al modulului de baza, coordonata 3 = -Infinity (nu este un numar "
                     "finit)"},
        PlantedValue{"GeneratedCoordinate", model::kPrismatic, false,
                     [](model::Model& m) { m.nodeCoords(m.totalNodes, 1) = kInfinity; },
                     "node 25 coordinate 1 = Infinity (not a finite number)"},
        PlantedValue{"ModuleLength", model::kArch, false,
                     [](model::Model& m) { m.moduleLength = kNaN; },
                     "\"Module Length\" = NaN (not a finite number)"},
        PlantedValue{"PyramidRatio", model::kPyramidal, false,
                     [](model::Model& m) { m.pyramidShrinkRatio = kInfinity; },
                     "\"Shrink Ratio\" = Infinity (not a finite number)"},
        PlantedValue{"VertexFoot", model::kPyramidal, true,
                     [](model::Model& m) { m.vertexFoot[2] = kNaN; },
                     "\"Coordonatele piciorului varfului\" (Z) = NaN (nu este un numar finit)"},
        PlantedValue{"ShrinkRatio", model::kOneDirectionShrink, false,
                     [](model::Model& m) { m.shrinkRatio = -kInfinity; },
                     "\"Shrink Ratio\" = -Infinity (not a finite number)"},
        PlantedValue{"HalfSpan", model::kArch, false, [](model::Model& m) { m.halfSpan = kNaN; },
                     "\"Half Span (l)\" = NaN (not a finite number)"},
        PlantedValue{"ArchHeight", model::kArch, false,
                     [](model::Model& m) { m.archHeight = kInfinity; },
                     "\"Height (h)\" = Infinity (not a finite number)"},
        PlantedValue{"TypeArea", model::kPrismatic, false,
                     [](model::Model& m) { m.typeArea(4) = kNaN; },
                     "the area of element type 4 = NaN (not a finite number)"}),
    [](const auto& planted) { return std::string(planted.param.name); });

// Parameters of another expansion type are not saved, so they cannot stop
// the save.
TEST(InputFileNonFinite, ValuesTheFileDoesNotHoldDoNotStopTheSave) {
  ScratchFolder folder;
  model::Model m = sampleModel({2, model::kPrismatic, false, true});
  m.pyramidShrinkRatio = kNaN;
  m.halfSpan = kInfinity;
  m.vertexFoot[2] = kNaN;  // a plane pyramid saves two vertex foot values
  m.inputFilePath = folder.file("saved.dat");
  EXPECT_TRUE(writeInputFile(m));
  m.expansionType = model::kPyramidal;
  m.pyramidShrinkRatio = 0.5f;
  EXPECT_TRUE(writeInputFile(m));
}

}  // namespace
}  // namespace zentrix::files
