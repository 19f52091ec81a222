#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "files/geometry_file.h"
#include "support/golden_file.h"
#include "support/run_model.h"
#include "support/test_names.h"

namespace zentrix::files {
namespace {

using testing::linesOf;
using testing::matchesGolden;
using testing::readBytes;

struct Bar {
  std::int32_t start;
  std::int32_t end;
};

void setNodes(zentrix::testing::RunModel& m, const std::vector<std::vector<float>>& coords) {
  m.structure.nodeCoords.rebuild(static_cast<std::int64_t>(coords.size()), m.base.dofPerNode);
  for (std::size_t i = 0; i < coords.size(); ++i)
    for (int c = 0; c < m.base.dofPerNode; ++c)
      m.structure.nodeCoords(static_cast<int>(i) + 1, c + 1) = coords[i][c];
}

void setElements(zentrix::testing::RunModel& m, const std::vector<Bar>& bars) {
  m.structure.elemStart.rebuild(static_cast<std::int64_t>(bars.size()));
  m.structure.elemEnd.rebuild(static_cast<std::int64_t>(bars.size()));
  for (std::size_t j = 0; j < bars.size(); ++j) {
    m.structure.elemStart(static_cast<int>(j) + 1) = bars[j].start;
    m.structure.elemEnd(static_cast<int>(j) + 1) = bars[j].end;
  }
}

// Kinds of the Base module's elements; the other entries stay 0.
void setKinds(zentrix::testing::RunModel& m, const std::vector<int>& baseKinds,
              std::array<std::int32_t, 5> kindCount, std::array<std::int32_t, 5> kindEnd) {
  m.base.baseElementCount = static_cast<std::int32_t>(baseKinds.size());
  m.structure.elemKind.rebuild(m.structure.totalElements());
  for (std::size_t s = 0; s < baseKinds.size(); ++s)
    m.structure.elemKind(static_cast<int>(s) + 1) = baseKinds[s];
  m.structure.kindCount = kindCount;
  m.structure.kindEnd = kindEnd;
}

void setTypes(zentrix::testing::RunModel& m, std::array<const char*, 4> names,
              std::array<float, 4> areas) {
  m.types.elementKindCount = 4;
  for (int t = 1; t <= 4; ++t) {
    m.types.typeName(t) = names[t - 1];
    m.types.typeArea(t) = areas[t - 1];
  }
}

// A plane truss of three panels along X (nodes 0/1 high, 2 long), elements
// in kind blocks: chords, posts, braces, no transversal diagonal, and the
// Base 0 post 1-2 last. Base module order: 1-3, 2-4, 3-4, 1-4, 1-2.
zentrix::testing::RunModel planeTruss() {
  zentrix::testing::RunModel m;
  m.base.problemTitle = "Plane truss, three panels";
  m.base.dofPerNode = 2;
  m.base.nodesInBase0 = 2;
  m.base.nodesInBase1 = 2;
  m.expansion.expansionType = model::kPrismatic;
  m.expansion.moduleCount = 3;
  m.base.lastNodesInBase0 = false;
  setNodes(m, {{0, 0}, {0, 1}, {2, 0}, {2, 1}, {4, 0}, {4, 1}, {6, 0}, {6, 1}});
  setElements(m, {{1, 3},
                  {2, 4},
                  {3, 5},
                  {4, 6},
                  {5, 7},
                  {6, 8},  // chords
                  {3, 4},
                  {5, 6},
                  {7, 8},  // posts
                  {1, 4},
                  {3, 6},
                  {5, 8},    // braces
                  {1, 2}});  // Base 0 post
  m.structure.base0ElementCount = 1;
  setKinds(m, {1, 1, 2, 3, 2}, {0, 2, 3, 4, 4}, {0, 6, 9, 12, 12});
  setTypes(m, {"Chord", "Post", "Brace", ""}, {12.5f, 0.05f, 1.0f, 2.0f});
  m.geometryFilePath = "plane-truss.geo";
  return m;
}

// A circular arch of two modules (radii 5 and 6, sections at -45, 0 and 45
// degrees), its Base 0 nodes renumbered to the end, written in Romanian.
zentrix::testing::RunModel renumberedArch() {
  zentrix::testing::RunModel m;
  m.romanian = true;
  m.base.problemTitle = "Arc circular, doua module";
  m.base.dofPerNode = 2;
  m.base.nodesInBase0 = 2;
  m.base.nodesInBase1 = 2;
  m.expansion.expansionType = model::kArch;
  m.expansion.moduleCount = 2;
  m.base.lastNodesInBase0 = true;
  setNodes(m, {{0, 5},
               {0, 6},
               {3.535534f, 3.535534f},
               {4.242641f, 4.242641f},
               {-3.535534f, 3.535534f},
               {-4.242641f, 4.242641f}});
  setElements(m, {{5, 1}, {6, 2}, {1, 3}, {2, 4}, {1, 2}, {3, 4}, {5, 2}, {1, 4}, {5, 6}});
  m.structure.base0ElementCount = 1;
  setKinds(m, {1, 1, 2, 3, 2}, {0, 2, 3, 4, 4}, {0, 4, 6, 8, 8});
  setTypes(m, {" Talpa", "Montant", "Diagonala", "Diagonala transversala"},
           {25.0f, 8.5f, 4.25f, 1.0e-4f});
  m.geometryFilePath = "arc-circular.geo";
  return m;
}

// A spatial box truss of two modules along X, with transversal diagonals
// and five Base 0 elements (four sides and one diagonal of the first frame).
zentrix::testing::RunModel boxTruss() {
  zentrix::testing::RunModel m;
  m.base.problemTitle =
      "Box truss 2 x 2.5 m - spatial check of the node, topology and element data lines";
  m.base.dofPerNode = 3;
  m.base.nodesInBase0 = 4;
  m.base.nodesInBase1 = 4;
  m.expansion.expansionType = model::kPrismatic;
  m.expansion.moduleCount = 2;
  m.base.lastNodesInBase0 = false;
  std::vector<std::vector<float>> nodes;
  for (float x : {0.0f, 2.5f, 5.0f})
    for (auto yz : {std::pair{-1.25f, 0.0f}, {1.25f, 0.0f}, {1.25f, 2.5f}, {-1.25f, 2.5f}})
      nodes.push_back({x, yz.first, yz.second});
  setNodes(m, nodes);
  setElements(m, {{1, 5}, {2, 6},  {3, 7}, {4, 8}, {5, 9},  {6, 10},  {7, 11},  {8, 12},
                  {5, 6}, {6, 7},  {7, 8}, {8, 5}, {9, 10}, {10, 11}, {11, 12}, {12, 9},
                  {1, 6}, {2, 7},  {3, 8}, {4, 5}, {5, 10}, {6, 11},  {7, 12},  {8, 9},
                  {5, 7}, {9, 11}, {1, 2}, {2, 3}, {3, 4},  {4, 1},   {1, 3}});
  m.structure.base0ElementCount = 5;
  setKinds(m, {1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 2, 2, 2, 2, 4}, {0, 4, 8, 12, 13},
           {0, 8, 16, 24, 26});
  setTypes(m, {"Longitudinal", "Transversal", "Diagonal", "Transversal Diagonal"},
           {10.0f, 5.0f, 2.5f, 2.5f});
  m.geometryFilePath = "box-truss.geo";
  return m;
}

// The lines between `heading` and the next line that starts with a letter.
std::vector<std::string> section(const std::vector<std::string>& lines,
                                 const std::string& heading) {
  std::vector<std::string> found;
  auto at = std::find(lines.begin(), lines.end(), heading);
  if (at == lines.end()) return found;
  for (++at; at != lines.end() && !std::isalpha(static_cast<unsigned char>((*at)[0])); ++at)
    found.push_back(*at);
  return found;
}

class GeometryFileTest : public testing::ScratchFolderTest {
 protected:
  std::vector<std::string> written(const zentrix::testing::RunModel& m) {
    const auto outcome = writeGeometryFile(m);
    EXPECT_TRUE(outcome) << outcome.message;
    return linesOf(readBytes(m.geometryFilePath));
  }
};

// ---------------------------------------------------------------- golden files

struct GoldenCase {
  const char* name;
  zentrix::testing::RunModel (*build)();
};

class GeometryFileGoldenTest : public testing::ScratchFolderTest,
                               public ::testing::WithParamInterface<GoldenCase> {};

TEST_P(GeometryFileGoldenTest, WritesTheLayoutByteForByte) {
  const zentrix::testing::RunModel m = GetParam().build();
  const auto outcome = writeGeometryFile(m);
  ASSERT_TRUE(outcome) << outcome.message;
  EXPECT_TRUE(
      matchesGolden(readBytes(m.geometryFilePath), std::string("geometry/") + GetParam().name));
  EXPECT_EQ(folderListing(), m.geometryFilePath + " ") << "no temporary file stays behind";
}

INSTANTIATE_TEST_SUITE_P(Structures, GeometryFileGoldenTest,
                         ::testing::Values(GoldenCase{"plane-truss.geo", planeTruss},
                                           GoldenCase{"arc-circular-ro.geo", renumberedArch},
                                           GoldenCase{"box-truss-3d.geo", boxTruss}),
                         [](const auto& test) { return testing::identifierOf(test.param.name); });

// ------------------------------------------------------------ line by line rules

struct BlockedCase {
  bool renumbered;
  std::int32_t expansionType;
  std::vector<std::string> lines;
};

class BlockedNodesTest : public GeometryFileTest,
                         public ::testing::WithParamInterface<BlockedCase> {};

// N = 10, K = 2: the supports follow the Base 0 nodes to the end when they
// were renumbered; an arch is supported at both ends.
TEST_P(BlockedNodesTest, RangesFollowNumberingAndExpansion) {
  zentrix::testing::RunModel m = planeTruss();
  std::vector<std::vector<float>> nodes(10, std::vector<float>{1.0f, 2.0f});
  setNodes(m, nodes);
  m.base.lastNodesInBase0 = GetParam().renumbered;
  m.expansion.expansionType = GetParam().expansionType;
  const auto lines = written(m);
  const std::vector<std::string> blocked(lines.begin() + 11,
                                         lines.begin() + 11 + GetParam().lines.size());
  EXPECT_EQ(blocked, GetParam().lines);
  EXPECT_EQ(lines[11 + GetParam().lines.size()], "Elastic_Supports:None");
}

INSTANTIATE_TEST_SUITE_P(
    TenNodes, BlockedNodesTest,
    ::testing::Values(BlockedCase{false, model::kPrismatic, {" 1    2   1   1"}},
                      BlockedCase{true, model::kPrismatic, {" 9   10   1   1"}},
                      BlockedCase{false, model::kPyramidal, {" 1    2   1   1"}},
                      BlockedCase{true, model::kOneDirectionShrink, {" 9   10   1   1"}},
                      BlockedCase{false, model::kArch, {" 1    2   1   1", " 9   10   1   1"}},
                      BlockedCase{true, model::kArch, {" 9   10   1   1", " 7    8   1   1"}}),
    [](const ::testing::TestParamInfo<BlockedCase>& blocked) {
      return std::string(blocked.param.renumbered ? "base0_last" : "base0_first") + "_type" +
             std::to_string(blocked.param.expansionType);
    });

// The parts alone say what the file holds: inputs changed after GENERATE
// (here the numbering and the Base 0 count) never reach it.
TEST_F(GeometryFileTest, PartsWithTheirGeneratedInputsWriteTheModelsFile) {
  const zentrix::testing::RunModel m = boxTruss();
  ASSERT_TRUE(writeGeometryFile(m));
  const std::string fromModel = readBytes(m.geometryFilePath);
  model::BaseModule changed = m.base;
  changed.lastNodesInBase0 = !changed.lastNodesInBase0;
  changed.nodesInBase0 = 1;
  const GeometryParts parts{.base = changed,
                            .types = m.types,
                            .structure = m.structure,
                            .with = model::structureInputs(m),
                            .romanian = false};
  std::filesystem::remove(m.geometryFilePath);
  ASSERT_TRUE(writeGeometryFile(parts, m.geometryFilePath));
  EXPECT_EQ(readBytes(m.geometryFilePath), fromModel);
}

TEST_F(GeometryFileTest, SpatialNodesCarryThreeCoordinatesAndThreeFlags) {
  zentrix::testing::RunModel m = boxTruss();
  m.structure.nodeCoords(3, 2) = 0.05f;
  m.structure.nodeCoords(3, 3) = -12345678.0f;
  const auto lines = written(m);
  EXPECT_EQ(lines[11], " 1    4   1   1   1");
  const auto nodes = section(lines, "Node&Coordinates:");
  ASSERT_EQ(nodes.size(), 12u);
  // Texts at absolute columns ND + 5, ND + 21 and ND + 37 (ND = 2), even the
  // 14-character ones.
  EXPECT_EQ(nodes[2], " 3    0.              0.5E-01         -0.1234568E+08");
  EXPECT_EQ(nodes[11], "12    5.              -1.25           2.5");
}

TEST_F(GeometryFileTest, WidthsComeFromTheDigitsOfTheNodeAndElementCounts) {
  // 12 nodes and 130 elements: ND = 2, ED = 3 (end nodes too take 3 columns).
  zentrix::testing::RunModel m = boxTruss();
  std::vector<Bar> bars;
  for (int j = 1; j <= 130; ++j) bars.push_back({(j - 1) % 12 + 1, j % 12 + 1});
  setElements(m, bars);
  std::vector<int> baseKinds(14, 0);
  baseKinds[13] = 4;
  setKinds(m, baseKinds, {0, 4, 8, 12, 13}, {0, 40, 80, 120, 125});
  const auto lines = written(m);
  EXPECT_EQ(lines[10], "12   130   3   1   0");
  EXPECT_EQ(lines[11], " 1    4   1   1   1");
  const auto topology = section(lines, "Node&Topology:");
  ASSERT_EQ(topology.size(), 130u);
  EXPECT_EQ(topology[0], "  1     1    2");
  EXPECT_EQ(topology[129], "130    10   11");
  const auto data = section(lines, "Element_Data:");
  ASSERT_EQ(data.size(), 5u);
  EXPECT_EQ(data[0], "  1   40     10.00       0.  Longitudinal");
  EXPECT_EQ(data[3], "121  125     2.500       0.  Transversal Diagonal");
  EXPECT_EQ(data[4], "126  126     2.500       0.  Transversal Diagonal");
  EXPECT_EQ(section(lines, "Materials:")[0], "1   130   0   2.1E4   21.   21.   0.   0.");
}

TEST_F(GeometryFileTest, ValuesTooWideForTheirFieldAreWrittenWhole) {
  // Nine elements over twelve nodes: ED = 1 but end nodes reach 12; the empty
  // last kind starts at element 10.
  zentrix::testing::RunModel m = boxTruss();
  setElements(m, {{1, 5}, {2, 6}, {3, 7}, {4, 8}, {5, 9}, {6, 10}, {7, 11}, {8, 12}, {9, 12}});
  setKinds(m, {1, 1, 1, 1, 2}, {0, 4, 5, 5, 5}, {0, 8, 9, 9, 9});
  const auto lines = written(m);
  const auto topology = section(lines, "Node&Topology:");
  EXPECT_EQ(topology[5], "6   6  10");
  EXPECT_EQ(topology[8], "9   9  12");
  const auto data = section(lines, "Element_Data:");
  ASSERT_EQ(data.size(), 4u);
  EXPECT_EQ(data[2], "10  9     2.500       0.  Diagonal");
  EXPECT_EQ(data[3], "10  9     2.500       0.  Transversal Diagonal");
}

TEST_F(GeometryFileTest, NoBase0ElementsMeansMaterialsFollowTheKindLines) {
  zentrix::testing::RunModel m = planeTruss();
  setElements(m, {{1, 3},
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
                  {5, 8}});
  m.structure.base0ElementCount = 0;
  setKinds(m, {1, 1, 2, 3}, {0, 2, 3, 4, 4}, {0, 6, 9, 12, 12});
  const auto lines = written(m);
  const auto data = section(lines, "Element_Data:");
  ASSERT_EQ(data.size(), 4u);
  EXPECT_EQ(data[3], "13  12     2.000       0.");
  EXPECT_EQ(*(std::find(lines.begin(), lines.end(), "Element_Data:") + 5), "Materials:");
}

TEST_F(GeometryFileTest, OnlyBase0ElementsGiveOneLinePerElementAfterEmptyKinds) {
  zentrix::testing::RunModel m = planeTruss();
  setElements(m, {{1, 2}, {1, 2}});
  m.structure.base0ElementCount = 2;
  setKinds(m, {2, 4}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0});
  const auto data = section(written(m), "Element_Data:");
  EXPECT_EQ(data, (std::vector<std::string>{
                      "1  0     12.50       0.  Chord", "1  0    0.5000E-01   0.  Post",
                      "1  0     1.000       0.  Brace", "1  0     2.000       0.",
                      "1  1    0.5000E-01   0.  Post", "2  2     2.000       0."}));
}

TEST_F(GeometryFileTest, TitleLineIsAlwaysEightyCharacters) {
  for (const std::string& title : {std::string(), std::string("Short"), std::string(80, 'T'),
                                   std::string(79, 'a') + "bcdef"}) {
    zentrix::testing::RunModel m = planeTruss();
    m.base.problemTitle = title;
    const auto lines = written(m);
    ASSERT_EQ(lines[9].size(), 80u) << title;
    EXPECT_EQ(lines[9].substr(0, std::min<std::size_t>(80, title.size())),
              title.substr(0, std::min<std::size_t>(80, title.size())));
    EXPECT_EQ(lines[10], "8   13   2   1   0") << "the size line ends in the single 0";
  }
}

TEST_F(GeometryFileTest, NoLineButTheTitleHasTrailingBlanks) {
  for (auto build : {planeTruss, renumberedArch, boxTruss}) {
    const auto lines = written(build());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (i == 9) continue;  // the title keeps its 80 columns
      EXPECT_TRUE(lines[i].empty() || lines[i].back() != ' ') << "line " << i + 1;
    }
  }
}

TEST_F(GeometryFileTest, RomanianChangesOnlyHeaderAndHeadings) {
  zentrix::testing::RunModel m = planeTruss();
  const auto english = written(m);
  m.romanian = true;
  const auto romanian = written(m);
  ASSERT_EQ(english.size(), romanian.size());
  const std::vector<std::pair<std::string, std::string>> headings = {
      {"Elastic_Supports:None", "Reazeme_Elastice:Nici_unul"},
      {"Basic_Units:", "Unitati_de_baza:"},
      {"Node&Coordinates:", "Nod&Coordonate:"},
      {"Node&Topology:", "Nod&Topologie:"},
      {"Element_Data:", "Date_Elemente:"},
      {"Materials:", "Materiale:"},
      {"End of File: plane-truss.geo", "Sfarsit de fisier: plane-truss.geo"}};
  for (std::size_t i = 0; i < english.size(); ++i) {
    if (i < 8) {
      EXPECT_NE(english[i], romanian[i]);
      continue;
    }
    const auto heading = std::find_if(headings.begin(), headings.end(),
                                      [&](const auto& h) { return h.first == english[i]; });
    EXPECT_EQ(romanian[i], heading == headings.end() ? english[i] : heading->second) << i + 1;
  }
}

TEST_F(GeometryFileTest, EndLineNamesThePathUpToANulOrItsLastNonBlank) {
  zentrix::testing::RunModel m = planeTruss();
  for (const auto& [path, file] : {std::pair{std::string("first.geo\0second.geo", 20), "first.geo"},
                                   std::pair{std::string("padded.geo   "), "padded.geo"}}) {
    m.geometryFilePath = path;
    const auto outcome = writeGeometryFile(m);
    ASSERT_TRUE(outcome) << outcome.message;
    const auto lines = linesOf(readBytes(file));
    EXPECT_EQ(lines.rbegin()[1], std::string("End of File: ") + file);
    EXPECT_EQ(lines.back(), testing::kFixedDateLine);
  }
  EXPECT_EQ(folderListing(), "first.geo padded.geo ");
}

// ------------------------------------------------------------------ refusals

struct RefusalCase {
  const char* what;
  void (*spoil)(zentrix::testing::RunModel&);
  const char* message;
};

class GeometryFileRefusalTest : public testing::ScratchFolderTest,
                                public ::testing::WithParamInterface<RefusalCase> {};

// A refused or failed write leaves an existing file exactly as it was.
TEST_P(GeometryFileRefusalTest, KeepsTheOldFileAndSaysWhy) {
  zentrix::testing::RunModel m = boxTruss();
  testing::writeBytes(m.geometryFilePath, "old contents\r\n");
  GetParam().spoil(m);
  const auto outcome = writeGeometryFile(m);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message, GetParam().message);
  EXPECT_EQ(readBytes("box-truss.geo"), "old contents\r\n");
  EXPECT_EQ(folderListing(), "box-truss.geo ");
}

INSTANTIATE_TEST_SUITE_P(
    Faults, GeometryFileRefusalTest,
    ::testing::Values(
        RefusalCase{
            "NaN",
            [](zentrix::testing::RunModel& m) { m.structure.nodeCoords(7, 2) = std::nanf(""); },
            "The Y coordinate of node 7 is not a number (NaN): the file was not written."},
        RefusalCase{"infinite",
                    [](zentrix::testing::RunModel& m) {
                      m.romanian = true;
                      m.structure.nodeCoords(12, 3) = -std::numeric_limits<float>::infinity();
                    },
                    "Coordonata Z a nodului 12 este infinita: fisierul nu a fost scris."},
        RefusalCase{"area",
                    [](zentrix::testing::RunModel& m) {
                      m.types.typeArea(3) = std::numeric_limits<float>::infinity();
                    },
                    "The area of element type 3 (Diagonal) is not a finite number: the file was "
                    "not written."},
        RefusalCase{"not generated",
                    [](zentrix::testing::RunModel& m) { m.structure = model::Structure{}; },
                    "The structure is not completely generated: press GENERATE."},
        RefusalCase{"end nodes missing",
                    [](zentrix::testing::RunModel& m) { m.structure.elemEnd.clear(); },
                    "The structure is not completely generated: press GENERATE."},
        RefusalCase{"kind out of range",
                    [](zentrix::testing::RunModel& m) { m.structure.elemKind(16) = 0; },
                    "The structure is not completely generated: press GENERATE."}),
    [](const auto& test) { return testing::identifierOf(test.param.what); });

class RecordedProgress final : public model::Progress {
 public:
  bool advance(double fraction) override {
    fractions.push_back(fraction);
    return true;
  }
  std::vector<double> fractions;
};

TEST_F(GeometryFileTest, ProgressClimbsToOneOnALargeStructure) {
  zentrix::testing::RunModel m = planeTruss();
  std::vector<std::vector<float>> nodes(150000, std::vector<float>{1.5f, -2.0f});
  setNodes(m, nodes);
  RecordedProgress progress;
  ASSERT_TRUE(writeGeometryFile(m, &progress));
  ASSERT_GE(progress.fractions.size(), 3u);
  EXPECT_TRUE(std::is_sorted(progress.fractions.begin(), progress.fractions.end()));
  EXPECT_EQ(progress.fractions.back(), 1.0);
}

// ------------------------------------------------------------ closing message

TEST(GeometryCreatedMessage, QuotesTheWholePathInEitherLanguage) {
  zentrix::testing::RunModel m;
  m.geometryFilePath = "C:\\work\\bridge.geo   ";
  EXPECT_EQ(geometryCreatedMessage(m),
            "Created File: \"C:\\work\\bridge.geo\".\n\nThis File must be editied to add/modify "
            "Blocked Nodes, Elastic Supports, \nUnits, and Element and Material "
            "Properties.\nYou may edit it directly or use Geosmith program.");
  m.romanian = true;
  EXPECT_EQ(geometryCreatedMessage(m),
            "Fisier creat: \"C:\\work\\bridge.geo\".\n\nAcest fisier trebuie editat pentru a "
            "adauga/modifica Noduri blocate, Reazeme elastice, \nUnitati, si proprietatile "
            "Elementelor si Materialelor.\nPuteti edita fisierul direct sau utilizati programul "
            "Geosmith.");
}

TEST(GeometryCreatedMessage, LongPathIsNeverCut) {
  zentrix::testing::RunModel m;
  m.geometryFilePath = "/" + std::string(250, 'd') + "/" + std::string(150, 'f') + ".geo";
  for (bool romanian : {false, true}) {
    m.romanian = romanian;
    const std::string message = geometryCreatedMessage(m);
    EXPECT_NE(message.find("\"" + m.geometryFilePath + "\"."), std::string::npos);
    EXPECT_NE(message.find("Geosmith"), std::string::npos);
  }
}

}  // namespace
}  // namespace zentrix::files
