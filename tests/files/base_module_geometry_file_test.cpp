#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "files/geometry_file.h"
#include "support/cube_topology.h"
#include "support/golden_file.h"
#include "support/run_model.h"
#include "support/test_names.h"

namespace zentrix::files {
namespace {

using testing::linesOf;
using testing::matchesGolden;
using testing::readBytes;

void setBaseModule(zentrix::testing::RunModel& m, int dofPerNode, int nodesInBase0,
                   const std::vector<std::vector<float>>& coords,
                   const std::vector<std::pair<int, int>>& bars) {
  m.base.dofPerNode = dofPerNode;
  m.base.nodesInBase0 = nodesInBase0;
  m.base.nodesInBase1 = static_cast<std::int32_t>(coords.size()) - nodesInBase0;
  m.base.baseCoords.rebuild(m.base.baseNodeCount(), dofPerNode);
  for (int i = 1; i <= m.base.baseNodeCount(); ++i)
    for (int c = 1; c <= dofPerNode; ++c) m.base.baseCoords(i, c) = coords[i - 1][c - 1];
  m.base.baseElementCount = static_cast<std::int32_t>(bars.size());
  m.base.baseElemStart.rebuild(m.base.baseElementCount);
  m.base.baseElemEnd.rebuild(m.base.baseElementCount);
  for (int j = 1; j <= m.base.baseElementCount; ++j) {
    m.base.baseElemStart(j) = bars[j - 1].first;
    m.base.baseElemEnd(j) = bars[j - 1].second;
  }
}

// One module of a spatial box truss: 8 nodes, 13 elements (chords, the
// Base 1 frame, four diagonals, one frame diagonal), no Base 0 element.
zentrix::testing::RunModel boxModule() {
  zentrix::testing::RunModel m;
  m.base.problemTitle = "Box truss module";
  setBaseModule(m, 3, 4,
                {{0, -1.25f, 0},
                 {0, 1.25f, 0},
                 {0, 1.25f, 2.5f},
                 {0, -1.25f, 2.5f},
                 {2.5f, -1.25f, 0},
                 {2.5f, 1.25f, 0},
                 {2.5f, 1.25f, 2.5f},
                 {2.5f, -1.25f, 2.5f}},
                zentrix::testing::cubeBars());
  m.expansion.expansionType = model::kPrismatic;
  m.base.lastNodesInBase0 = false;
  m.oldFilePath = "box-module.dat";
  return m;
}

// A plane panel in Romanian, set up for an arch with renumbered nodes: the
// preview still supports nodes 1 to 2.
zentrix::testing::RunModel planePanel() {
  zentrix::testing::RunModel m;
  m.romanian = true;
  m.base.problemTitle = "Grinda plana";
  setBaseModule(m, 2, 2, {{0, 0}, {0, 1}, {2, 0}, {2, 1}},
                {{1, 3}, {2, 4}, {3, 4}, {1, 4}, {1, 2}});
  m.expansion.expansionType = model::kArch;
  m.base.lastNodesInBase0 = true;
  m.oldFilePath = "plane.truss.dat";
  return m;
}

using BaseModuleFileTest = testing::ScratchFolderTest;

struct PathCase {
  const char* oldFile;
  const char* expected;
};

class BaseModulePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(BaseModulePathTest, ReplacesEverythingFromTheLastPoint) {
  EXPECT_EQ(baseModuleGeometryPath(GetParam().oldFile), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    OldFiles, BaseModulePathTest,
    ::testing::Values(PathCase{"C:\\data\\bridge.dat", "C:\\data\\bridge-BaseModule.dat"},
                      // The last point may lie in a folder name.
                      PathCase{"C:\\rev.2\\frame", "C:\\rev-BaseModule.dat"},
                      PathCase{"", "-BaseModule.dat"}, PathCase{"frame", "-BaseModule.dat"},
                      PathCase{".dat", "-BaseModule.dat"},
                      PathCase{"models/arch.v2.dat", "models/arch.v2-BaseModule.dat"},
                      PathCase{"/tmp/tower.", "/tmp/tower-BaseModule.dat"}),
    ::zentrix::testing::nameFrom(&PathCase::oldFile));

TEST(BaseModulePath, LongPathIsKeptWhole) {
  const std::string folder = "/" + std::string(270, 'f') + "/";
  EXPECT_EQ(baseModuleGeometryPath(folder + "bridge.dat"), folder + "bridge-BaseModule.dat");
}

struct BaseGoldenCase {
  const char* golden;
  zentrix::testing::RunModel (*build)();
  const char* path;
};

class BaseModuleGoldenTest : public testing::ScratchFolderTest,
                             public ::testing::WithParamInterface<BaseGoldenCase> {};

TEST_P(BaseModuleGoldenTest, WritesTheLayoutByteForByte) {
  zentrix::testing::RunModel m = GetParam().build();
  const auto outcome = writeBaseModuleGeometryFile(m);
  ASSERT_TRUE(outcome) << outcome.message;
  EXPECT_EQ(m.baseGeometryPath, GetParam().path);
  const std::string bytes = readBytes(GetParam().path);
  EXPECT_TRUE(matchesGolden(bytes, std::string("geometry/") + GetParam().golden));
  const auto title = linesOf(bytes).at(3);
  EXPECT_EQ(title.size(), 96u);
  EXPECT_EQ(title.substr(80), "-Modulul de Baza");
  EXPECT_EQ(folderListing(), std::string(GetParam().path) + " ");
}

INSTANTIATE_TEST_SUITE_P(Modules, BaseModuleGoldenTest,
                         ::testing::Values(BaseGoldenCase{"box-module-base.geo", boxModule,
                                                          "box-module-BaseModule.dat"},
                                           BaseGoldenCase{"plane-panel-base-ro.geo", planePanel,
                                                          "plane.truss-BaseModule.dat"}),
                         [](const auto& test) { return testing::identifierOf(test.param.golden); });

struct SupportCase {
  bool renumbered;
  std::int32_t expansionType;
};

class BaseModuleSupportTest : public testing::ScratchFolderTest,
                              public ::testing::WithParamInterface<SupportCase> {};

// Twelve nodes in each base: K takes its own two digits, with no leading
// blank, whatever the structure's numbering and expansion.
TEST_P(BaseModuleSupportTest, BlockedNodesAreAlwaysOneToK) {
  zentrix::testing::RunModel m = boxModule();
  std::vector<std::vector<float>> nodes(24, std::vector<float>{1, 2, 3});
  setBaseModule(m, 3, 12, nodes, {{1, 13}});
  m.base.lastNodesInBase0 = GetParam().renumbered;
  m.expansion.expansionType = GetParam().expansionType;
  ASSERT_TRUE(writeBaseModuleGeometryFile(m));
  const auto lines = linesOf(readBytes(m.baseGeometryPath));
  EXPECT_EQ(lines[4], "24   1   3   1   0");
  EXPECT_EQ(lines[5], "1   12   1   1   1");
  EXPECT_EQ(lines[12], " 1    1.              2.              3.");
  // The end node does not fit the one column of the element count.
  EXPECT_EQ(lines[37], "1   1  13");
  EXPECT_EQ(lines[39], "1  1   1.   0.");
}

INSTANTIATE_TEST_SUITE_P(
    AnyExpansion, BaseModuleSupportTest,
    ::testing::Values(SupportCase{false, model::kPrismatic}, SupportCase{true, model::kPrismatic},
                      SupportCase{false, model::kArch}, SupportCase{true, model::kArch}),
    [](const ::testing::TestParamInfo<SupportCase>& support) {
      return std::string(support.param.renumbered ? "base0_last" : "base0_first") + "_type" +
             std::to_string(support.param.expansionType);
    });

TEST_F(BaseModuleFileTest, TopologyNotEnteredYetIsWrittenAsZeros) {
  zentrix::testing::RunModel m = planePanel();
  m.romanian = false;
  m.base.baseElemStart.clear();
  m.base.baseElemEnd.clear();
  ASSERT_TRUE(writeBaseModuleGeometryFile(m));
  const auto lines = linesOf(readBytes(m.baseGeometryPath));
  const auto topology = std::find(lines.begin(), lines.end(), "Node&Topology:");
  ASSERT_NE(topology, lines.end());
  EXPECT_EQ(std::vector<std::string>(topology + 1, topology + 7),
            (std::vector<std::string>{"1   0  0", "2   0  0", "3   0  0", "4   0  0", "5   0  0",
                                      "Element_Data:"}));
}

// The preview reads the Base module alone: the same bytes from the part and
// a path as from the whole model.
TEST_F(BaseModuleFileTest, TheBaseModuleAloneWritesThePreview) {
  zentrix::testing::RunModel m = boxModule();
  ASSERT_TRUE(writeBaseModuleGeometryFile(m));
  const std::string fromModel = readBytes(m.baseGeometryPath);
  std::filesystem::remove(m.baseGeometryPath);
  ASSERT_TRUE(writeBaseModuleGeometryFile(m.base, m.baseGeometryPath, m.romanian));
  EXPECT_EQ(readBytes(m.baseGeometryPath), fromModel);
}

}  // namespace
}  // namespace zentrix::files
