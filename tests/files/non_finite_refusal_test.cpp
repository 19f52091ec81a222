// A NaN or an infinity held by the model never reaches a written file: each
// writer refuses the model before creating anything, naming the value as
// the user knows it, and an older file of that name stays as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "files/every_writer.h"
#include "files/sample_models.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

enum WriterIndex { kInputFile, kGeometryFile, kBaseModuleGeometryFile };

struct PlantedValue {
  const char* name;
  WriterIndex writer;
  std::function<zentrix::testing::RunModel()> model;
  std::function<void(zentrix::testing::RunModel&)> plant;
  const char* message;
};

class NonFiniteValueTest : public ::testing::TestWithParam<PlantedValue> {};

TEST_P(NonFiniteValueTest, IsRefusedByNameAndTheOlderFileStays) {
  const PlantedValue& c = GetParam();
  const zentrix::testing::Writer& writer = kEveryWriter[c.writer];
  ScratchFolder folder;
  const std::string stem = folder.file("model");
  writeBytes(writer.target(stem), "older\r\n");
  zentrix::testing::RunModel m = c.model();
  c.plant(m);
  const model::Outcome outcome = writer.write(m, stem);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message, c.message);
  EXPECT_EQ(readBytes(writer.target(stem)), "older\r\n");
}

zentrix::testing::RunModel sample(int expansionType, bool romanian = false) {
  return sampleModel({3, expansionType, romanian, true});
}

INSTANTIATE_TEST_SUITE_P(
    EveryReal, NonFiniteValueTest,
    ::testing::Values(
        PlantedValue{"BaseCoordinate", kInputFile, [] { return sample(model::kPrismatic); },
                     [](zentrix::testing::RunModel& m) { m.base.baseCoords(5, 2) = kNaN; },
                     "The Y coordinate of Base module node 5 is not a number (NaN): the file was "
                     "not written."},
        PlantedValue{"BaseCoordinateRomanian", kInputFile,
                     [] { return sample(model::kPrismatic, true); },
                     [](zentrix::testing::RunModel& m) { m.base.baseCoords(1, 3) = -kInfinity; },
                     "Coordonata Z a nodului 1 al modulului de baza este infinita: fisierul nu a "
                     "fost scris."},
        PlantedValue{"GeneratedCoordinate", kInputFile, [] { return sample(model::kPrismatic); },
                     [](zentrix::testing::RunModel& m) {
                       m.structure.nodeCoords(m.structure.totalNodes(), 1) = kInfinity;
                     },
                     "The X coordinate of node 25 is infinite: the file was not written."},
        PlantedValue{"ModuleLength", kInputFile, [] { return sample(model::kArch); },
                     [](zentrix::testing::RunModel& m) { m.expansion.moduleLength = kNaN; },
                     "\"Module Length\" is not a finite number (NaN): the file was not written."},
        PlantedValue{
            "PyramidRatio", kInputFile, [] { return sample(model::kPyramidal); },
            [](zentrix::testing::RunModel& m) { m.expansion.pyramidShrinkRatio = kInfinity; },
            "\"Shrink Ratio\" is not a finite number (Infinity): the file was not "
            "written."},
        PlantedValue{"VertexFoot", kInputFile, [] { return sample(model::kPyramidal, true); },
                     [](zentrix::testing::RunModel& m) { m.expansion.vertexFoot[2] = kNaN; },
                     "\"Coordonatele piciorului varfului\" (Z) nu este un numar finit (NaN): "
                     "fisierul nu a fost scris."},
        PlantedValue{"ShrinkRatio", kInputFile, [] { return sample(model::kOneDirectionShrink); },
                     [](zentrix::testing::RunModel& m) { m.expansion.shrinkRatio = -kInfinity; },
                     "\"Shrink Ratio\" is not a finite number (-Infinity): the file was not "
                     "written."},
        PlantedValue{"HalfSpan", kInputFile, [] { return sample(model::kArch); },
                     [](zentrix::testing::RunModel& m) { m.expansion.halfSpan = kNaN; },
                     "\"Half Span (l)\" is not a finite number (NaN): the file was not written."},
        PlantedValue{"ArchHeight", kInputFile, [] { return sample(model::kArch); },
                     [](zentrix::testing::RunModel& m) { m.expansion.archHeight = kInfinity; },
                     "\"Height (h)\" is not a finite number (Infinity): the file was not "
                     "written."},
        PlantedValue{"TypeArea", kInputFile, [] { return sample(model::kPrismatic); },
                     [](zentrix::testing::RunModel& m) { m.types.typeArea(4) = kNaN; },
                     "The area of element type 4 (Transversal Diagonal) is not a finite number: "
                     "the file was not written."},
        PlantedValue{
            "GeometryCoordinate", kGeometryFile, [] { return generatedTruss(); },
            [](zentrix::testing::RunModel& m) { m.structure.nodeCoords(17, 2) = -kInfinity; },
            "The Y coordinate of node 17 is infinite: the file was not written."},
        PlantedValue{"GeometryArea", kGeometryFile, [] { return generatedTruss(); },
                     [](zentrix::testing::RunModel& m) { m.types.typeArea(2) = kInfinity; },
                     "The area of element type 2 (Transversal) is not a finite number: the file "
                     "was not written."},
        PlantedValue{"BaseModuleGeometryCoordinate", kBaseModuleGeometryFile,
                     [] { return generatedTruss(); },
                     [](zentrix::testing::RunModel& m) { m.base.baseCoords(3, 1) = kNaN; },
                     "The X coordinate of node 3 is not a number (NaN): the file was not "
                     "written."}),
    [](const auto& planted) { return std::string(planted.param.name); });

// Parameters of another expansion type are not saved, so they cannot stop
// the save; nor can a vertex foot Z of a plane pyramid.
TEST(NonFiniteValue, ValuesTheFileDoesNotHoldDoNotStopTheSave) {
  ScratchFolder folder;
  zentrix::testing::RunModel m = sampleModel({2, model::kPrismatic, false, true});
  m.expansion.pyramidShrinkRatio = kNaN;
  m.expansion.halfSpan = kInfinity;
  m.expansion.vertexFoot[2] = kNaN;
  m.inputFilePath = folder.file("saved.dat");
  EXPECT_TRUE(writeInputFile(m));
  m.expansion.expansionType = model::kPyramidal;
  m.expansion.pyramidShrinkRatio = 0.5f;
  EXPECT_TRUE(writeInputFile(m));
}

}  // namespace
}  // namespace zentrix::files
