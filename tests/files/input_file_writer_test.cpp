#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "files/every_writer.h"
#include "files/input_file.h"
#include "files/sample_models.h"
#include "files/saved_inputs.h"
#include "model/number_text.h"
#include "model/text.h"
#include "support/golden_file.h"
#include "support/portable.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"
#include "support/test_names.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

// Runs in a scratch folder with a fixed moment and time zone, so that the
// "End of File" line (a relative path) and the date line are reproducible.
class InputFileWriterTest : public zentrix::testing::ScratchFolderTest {
 protected:
  void TearDown() override {
    ScratchFolderTest::TearDown();
    unsetEnvironment("SOURCE_DATE_EPOCH");
  }

  // Writes the model at `name` in the scratch folder; the file's text.
  std::string written(zentrix::testing::RunModel m, const std::string& name = "saved.dat") {
    m.inputFilePath = name;
    const model::Outcome outcome = writeInputFile(m);
    EXPECT_TRUE(outcome) << outcome.message;
    return readBytes(file(name));
  }
};

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(text.substr(at) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

struct GoldenCase {
  const char* file;
  SampleShape shape;
};

class InputFileGoldenTest : public InputFileWriterTest,
                            public ::testing::WithParamInterface<GoldenCase> {};

// These golden files also seed the fuzzing of the reader, hence their folder.
TEST_P(InputFileGoldenTest, MatchesTheGoldenFileByteForByte) {
  const auto& c = GetParam();
  const auto golden =
      std::filesystem::path(ZENTRIX_TEST_DATA_DIR) / "input_files" / "golden" / c.file;
  EXPECT_TRUE(zentrix::testing::matchesGoldenFile(written(sampleModel(c.shape), c.file), golden));
}

INSTANTIATE_TEST_SUITE_P(
    Files, InputFileGoldenTest,
    ::testing::Values(GoldenCase{"prismatic_2d_en.dat", {2, model::kPrismatic, false, true}},
                      GoldenCase{"pyramid_3d_ro.dat", {3, model::kPyramidal, true, true}},
                      GoldenCase{"shrink_2d_en_before_generate.dat",
                                 {2, model::kOneDirectionShrink, false, false}},
                      GoldenCase{"arch_3d_ro.dat", {3, model::kArch, true, true}}),
    ::zentrix::testing::nameFrom(&GoldenCase::file));

// The node number takes D columns (D from the count); coordinates start at
// columns D+5, D+21 and D+37.
TEST_F(InputFileWriterTest, NodeRecordColumnsFollowTheDigitsOfTheCount) {
  const std::tuple<int, int, const char*> cases[] = {
      {9, 2, "1    1.5             -2.25"},
      {10, 2, " 1    1.5             -2.25"},
      {9, 3, "1    1.5             -2.25           0.5E-01"},
      {10, 3, " 1    1.5             -2.25           0.5E-01"},
      {1, 2, "1    1.5             -2.25"},
  };
  for (const auto& [count, dof, firstRecord] : cases) {
    zentrix::testing::RunModel m = sampleModel({dof, model::kPrismatic, false, false});
    m.base.nodesInBase0 = count;
    m.base.nodesInBase1 = 0;
    m.base.baseCoords.rebuild(count, dof);
    for (int node = 1; node <= count; ++node) {
      m.base.baseCoords(node, 1) = 1.5f;
      m.base.baseCoords(node, 2) = -2.25f;
      if (dof == 3) m.base.baseCoords(node, 3) = 0.05f;
    }
    const auto lines = linesOf(written(m));
    const auto heading = std::find(lines.begin(), lines.end(), "Coordinates:");
    ASSERT_NE(heading, lines.end());
    EXPECT_EQ(*(heading + 1), firstRecord) << count << " nodes, " << dof << "-D";
    const std::string lastRecord =
        std::string(firstRecord)
            .replace(0, static_cast<std::size_t>(model::digitCount(count)), std::to_string(count));
    EXPECT_EQ(*(heading + count), lastRecord) << "count " << count;
  }
}

// The lines between two headings as "r" (a record) and "-" (an empty line).
std::string layoutBetween(const std::vector<std::string>& lines, const std::string& from,
                          const std::string& toStart) {
  std::string layout;
  auto at = std::find(lines.begin(), lines.end(), from);
  for (++at; at != lines.end() && !at->starts_with(toStart); ++at)
    layout += at->empty() ? '-' : 'r';
  return layout;
}

TEST_F(InputFileWriterTest, GeneratedRecordsAreGroupedByTheBaseModuleCounts) {
  struct Case {
    int baseNodeCount, totalNodes, baseElementCount, totalElements;
    const char* nodeLayout;  // the last "-" closes the list
    const char* elementLayout;
  };
  const Case cases[] = {
      {4, 12, 5, 11, "rrrr-rrrr-rrrr--", "rrrrr-rrrrr-r"},
      {4, 13, 3, 3, "rrrr-rrrr-rrrr-r-", "rrr-"},
      {0, 3, 0, 2, "rrr-", "rr"},  // a count of 0 never divides
      {5, 3, 7, 2, "rrr-", "rr"},
      {1, 2, 1, 1, "r-r--", "r-"},
      {4, 0, 5, 0, "-", ""},  // saved before GENERATE
  };
  for (const auto& c : cases) {
    zentrix::testing::RunModel m = sampleModel({2, model::kPrismatic, false, false});
    m.structure.generatedWith =
        model::GeneratedWith{.dofPerNode = 2, .nodesInBase0 = c.baseNodeCount, .nodesInBase1 = 0};
    m.base.baseElementCount = c.baseElementCount;
    m.base.baseElemStart.rebuild(c.baseElementCount, 1);
    m.base.baseElemEnd.rebuild(c.baseElementCount, 2);
    m.structure.nodeCoords.rebuild(c.totalNodes, 2);
    m.structure.elemStart.rebuild(c.totalElements, 1);
    m.structure.elemEnd.rebuild(c.totalElements, 2);
    const auto lines = linesOf(written(m));
    EXPECT_EQ(layoutBetween(lines, " Coordinates:", " Initial Node"), c.nodeLayout)
        << c.baseNodeCount << " / " << c.totalNodes;
    EXPECT_EQ(layoutBetween(lines, " Initial Node - Final Node:", "End of File: "), c.elementLayout)
        << c.baseElementCount << " / " << c.totalElements;
  }
}

TEST_F(InputFileWriterTest, PrismaticWritesNoLineBetweenExpansionAndTopology) {
  const auto lines = linesOf(written(sampleModel({3, model::kPrismatic, false, false})));
  const auto at = std::find(lines.begin(), lines.end(), "Expansion:");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at + 1), "Y");
  EXPECT_EQ(*(at + 2), "           4   2.500000               1");
  EXPECT_EQ(*(at + 3), "Topology:");
}

TEST_F(InputFileWriterTest, PyramidIn2DWritesTwoVertexFootValues) {
  const auto lines = linesOf(written(sampleModel({2, model::kPyramidal, false, false})));
  const auto at = std::find(lines.begin(), lines.end(), "Topology:");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(*(at - 2), "  0.8000000    ");
  EXPECT_EQ(*(at - 1), "   10.00000     -0.7500000    ");
}

TEST_F(InputFileWriterTest, PathLineTakesThePathUpToANul) {
  zentrix::testing::RunModel m = sampleModel({2, model::kPrismatic, false, false});
  const auto text = written(m, std::string("saved.dat\0junk", 14));
  EXPECT_NE(text.find("\r\nEnd of File: saved.dat\r\n14/11/2023   22:13:20\r\n"),
            std::string::npos);
  EXPECT_TRUE(text.ends_with("22:13:20\r\n"));
}

TEST_F(InputFileWriterTest, EveryLineEndsWithCrLf) {
  const std::string text = written(sampleModel({3, model::kArch, true, true}));
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    ASSERT_EQ(text[at - 1], '\r') << "at byte " << at;
  EXPECT_TRUE(text.ends_with("\r\n"));
}

// The parts write what the model writes; a structure that no longer
// belongs to the inputs leaves the generated section as a model never
// generated has it.
TEST_F(InputFileWriterTest, PartsWriteTheModelsFileAndAStaleStructureIsLeftOut) {
  const zentrix::testing::RunModel m = sampleModel({3, model::kPyramidal, false, true});
  zentrix::testing::RunModel never = m;
  never.structure = model::Structure{};
  const std::string generated = written(m);
  const std::string empty = written(never);
  ASSERT_NE(generated, empty);
  for (const bool belongs : {true, false}) {
    const InputFileParts parts{.base = m.base,
                               .expansion = m.expansion,
                               .types = m.types,
                               .structure = m.structure,
                               .structureBelongsToInputs = belongs,
                               .romanian = false};
    ASSERT_TRUE(writeInputFile(parts, "saved.dat"));
    EXPECT_EQ(readBytes(file("saved.dat")), belongs ? generated : empty);
  }
}

zentrix::testing::RunModel largeModel() {
  zentrix::testing::RunModel m = sampleModel({2, model::kPrismatic, false, false});
  m.structure.nodeCoords.rebuild(200000, 2);
  m.structure.elemStart.rebuild(150000, 1);
  m.structure.elemEnd.rebuild(150000, 2);
  return m;
}

TEST_F(InputFileWriterTest, ProgressRisesAndTheFileIsComplete) {
  zentrix::testing::RunModel m = largeModel();
  m.inputFilePath = "large.dat";
  zentrix::testing::CancellingProgress progress(1000000);
  ASSERT_TRUE(writeInputFile(m, &progress));
  ASSERT_GE(progress.fractions.size(), 5u);
  EXPECT_TRUE(std::is_sorted(progress.fractions.begin(), progress.fractions.end()));
  EXPECT_GT(progress.fractions.back(), 0.8);
  EXPECT_LE(progress.fractions.back(), 1.0);
  EXPECT_TRUE(readBytes(file("large.dat")).ends_with("22:13:20\r\n"));
}

TEST_F(InputFileWriterTest, TablesSmallerThanTheirCountsAreRefusedNotRead) {
  const std::vector<void (*)(zentrix::testing::RunModel&)> faults = {
      [](zentrix::testing::RunModel& m) {
        m.base.baseCoords.rebuild(m.base.nodesInBase0, m.base.dofPerNode);
      },
      [](zentrix::testing::RunModel& m) { m.base.baseCoords.rebuild(m.base.baseNodeCount(), 1); },
      [](zentrix::testing::RunModel& m) { m.base.baseElemEnd.rebuild(1); },
      [](zentrix::testing::RunModel& m) { m.structure.elemEnd.clear(); },
      [](zentrix::testing::RunModel& m) { m.types.elementKindCount = 5; },
      [](zentrix::testing::RunModel& m) { m.base.dofPerNode = 4; },
  };
  for (std::size_t i = 0; i < faults.size(); ++i) {
    zentrix::testing::RunModel m = sampleModel({2, model::kPyramidal, i % 2 == 1, true});
    faults[i](m);
    m.inputFilePath = "refused.dat";
    const model::Outcome outcome = writeInputFile(m);
    EXPECT_FALSE(outcome) << "fault " << i;
    EXPECT_EQ(outcome.message, i % 2 == 1 ? "Nu se poate scrie fisierul \"refused.dat\": tabelele "
                                            "modelului nu corespund numerelor lor"
                                          : "Cannot write the file \"refused.dat\": the model's "
                                            "tables do not match its counts");
    EXPECT_FALSE(std::filesystem::exists(folder() / "refused.dat"));
  }
}

// --- Write, then load: every field of the input part comes back. ---------

// Every input field comes back, the reals rounded to seven digits.
void expectInputPartLoaded(const zentrix::testing::RunModel& loaded,
                           const zentrix::testing::RunModel& saved) {
  zentrix::testing::RunModel into;
  into.romanian = saved.romanian;
  setStartValues(into);
  const model::Model expected = zentrix::testing::afterSaveAndLoad(saved, into);
  EXPECT_TRUE(loaded.base == expected.base) << "the Base module differs";
  EXPECT_TRUE(loaded.expansion == expected.expansion) << "the expansion differs";
  EXPECT_TRUE(loaded.types == expected.types) << "the element types differ";
}

zentrix::testing::RunModel loadedFrom(const std::string& path, bool romanian) {
  zentrix::testing::RunModel loaded;
  loaded.romanian = romanian;
  setStartValues(loaded);
  loaded.oldFilePath = path;
  const model::Outcome outcome = loadInputFile(loaded);
  EXPECT_TRUE(outcome) << outcome.message;
  return loaded;
}

class InputFileRoundTripTest : public InputFileWriterTest,
                               public ::testing::WithParamInterface<std::tuple<int, int, bool>> {};

TEST_P(InputFileRoundTripTest, GivesBackEveryInputField) {
  const auto [dof, type, romanian] = GetParam();
  const zentrix::testing::RunModel saved = sampleModel({dof, type, romanian, true});
  written(saved);
  expectInputPartLoaded(loadedFrom("saved.dat", romanian), saved);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, InputFileRoundTripTest,
                         ::testing::Combine(::testing::Values(2, 3),
                                            ::testing::Values(model::kPrismatic, model::kPyramidal,
                                                              model::kOneDirectionShrink,
                                                              model::kArch),
                                            ::testing::Bool()),
                         [](const ::testing::TestParamInfo<std::tuple<int, int, bool>>& shape) {
                           return std::to_string(std::get<0>(shape.param)) + "d_type" +
                                  std::to_string(std::get<1>(shape.param)) +
                                  (std::get<2>(shape.param) ? "_ro" : "_en");
                         });

TEST_F(InputFileWriterTest, RandomRealsComeBackRoundedToSevenDigits) {
  std::mt19937 random(77);
  const auto anyReal = [&random] {
    for (;;) {
      const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
      if (std::isfinite(value)) return value;
    }
  };
  for (int round = 0; round < 40; ++round) {
    zentrix::testing::RunModel saved =
        sampleModel({2 + round % 2, 1 + round % 4, round % 3 == 0, false});
    for (float& value : saved.base.baseCoords.storage()) value = anyReal();
    saved.expansion.moduleLength = anyReal();
    saved.expansion.pyramidShrinkRatio = anyReal();
    saved.expansion.vertexFoot = {anyReal(), anyReal(), anyReal()};
    saved.expansion.shrinkRatio = anyReal();
    saved.expansion.halfSpan = anyReal();
    saved.expansion.archHeight = anyReal();
    for (float& area : saved.types.typeAreas) area = anyReal();
    written(saved);
    expectInputPartLoaded(loadedFrom("saved.dat", saved.romanian), saved);
    if (HasFailure()) break;
  }
}

TEST_F(InputFileWriterTest, BlankAndSeparatorLettersAreQuotedSoTheyReadBack) {
  for (const char letter : {' ', ',', '/', '\''}) {
    zentrix::testing::RunModel saved = sampleModel({2, model::kOneDirectionShrink, false, false});
    saved.expansion.expansionDirection = letter;
    saved.expansion.shrinkDirection = letter;
    written(saved);
    const zentrix::testing::RunModel loaded = loadedFrom("saved.dat", false);
    EXPECT_EQ(loaded.expansion.expansionDirection, letter);
    EXPECT_EQ(loaded.expansion.shrinkDirection, letter);
    EXPECT_EQ(loaded.expansion.moduleCount, saved.expansion.moduleCount);
  }
}

struct TypeNameCase {
  const char* name;
  std::string typed;     // the name in the model before the first save
  std::string reloaded;  // the name after every save and reload
};

class TypeNameCycleTest : public InputFileWriterTest,
                          public ::testing::WithParamInterface<TypeNameCase> {};

TEST_P(TypeNameCycleTest, RegressionTypeNamesDoNotGrowOnEverySaveAndReload) {
  const auto& c = GetParam();
  zentrix::testing::RunModel m = sampleModel({2, model::kArch, true, false});
  m.types.typeName(1) = c.typed;
  m.inputFilePath = "cycle.dat";
  m.oldFilePath = "cycle.dat";
  for (int cycle = 1; cycle <= 10; ++cycle) {
    ASSERT_TRUE(writeInputFile(m));
    ASSERT_TRUE(loadInputFile(m));
    ASSERT_EQ(m.types.typeName(1), c.reloaded) << "after save and reload " << cycle;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, TypeNameCycleTest,
    ::testing::Values(
        // A name typed in the dialog gets the blank that marks a text value once.
        TypeNameCase{"typed", "Talpa", " Talpa"},
        // A name loaded from a file in the field keeps its blank, no second one.
        TypeNameCase{"loaded", " Talpa", " Talpa"},
        TypeNameCase{"indented_by_hand", "   Talpa", "   Talpa"},
        // The blank pushes the last character of a full-width name out once.
        TypeNameCase{"typed_full_width", std::string(100, 'n'), " " + std::string(99, 'n')},
        TypeNameCase{"blank", "", ""}),
    [](const auto& cycle) { return std::string(cycle.param.name); });

}  // namespace
}  // namespace zentrix::files
