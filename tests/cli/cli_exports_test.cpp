// `zentrix-cli generate --vtu FILE --msh FILE --dxf FILE`: the exports of
// every example are golden files, and they are outputs like the others:
// planned first, refused together, put in place together.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/golden_file.h"

namespace zentrix {
namespace {

using testing::CliRun;
using testing::example;
using testing::matchesGolden;
using testing::readBytes;
using testing::runCli;
using testing::writeBytes;

class CliExportExampleTest : public testing::ScratchFolderTest,
                             public ::testing::WithParamInterface<const char*> {};

TEST_P(CliExportExampleTest, WritesGoldenExportsAndSaysWhereTheyWent) {
  const std::string name = GetParam();
  std::filesystem::copy_file(example(name), name + ".dat");
  const CliRun run = runCli({"generate", name + ".dat", "--vtu", name + ".vtu", "--msh",
                             name + ".msh", "--dxf", name + ".dxf", "--language", "en"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, "Exported the structure to \"" + name +
                         ".vtu\".\nExported the structure to \"" + name +
                         ".msh\".\nExported the structure to \"" + name + ".dxf\".\n");
  for (const char* extension : {".vtu", ".msh", ".dxf"})
    EXPECT_TRUE(matchesGolden(readBytes(name + extension), "exports/" + name + extension));
}

INSTANTIATE_TEST_SUITE_P(Examples, CliExportExampleTest,
                         ::testing::Values("truss-bridge-3d", "tower-pyramidal-3d",
                                           "arch-parabolic-2d", "arch-circular-2d"),
                         [](const auto& test) { return testing::identifierOf(test.param); });

struct PlanCase {
  const char* name;
  std::vector<std::string> options;
  int exitCode;
  const char* said;  // a part of what the program says on its error stream
};

class CliExportPlanTest : public testing::ScratchFolderTest,
                          public ::testing::WithParamInterface<PlanCase> {};

// A refused plan writes nothing at all, the older files stay as they were.
TEST_P(CliExportPlanTest, RefusesBeforeWritingAnything) {
  std::filesystem::copy_file(example("truss-bridge-3d"), "bridge.dat");
  writeBytes("old.vtu", "older\n");
  std::vector<std::string> arguments = {"generate", "bridge.dat", "--language", "en"};
  arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
  const CliRun run = runCli(arguments);
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  EXPECT_NE(run.err.find(GetParam().said), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(folderListing(), "bridge.dat old.vtu ");
  EXPECT_EQ(readBytes("old.vtu"), "older\n");
  EXPECT_EQ(readBytes("bridge.dat"), readBytes(example("truss-bridge-3d")));
}

INSTANTIATE_TEST_SUITE_P(
    Plans, CliExportPlanTest,
    ::testing::Values(
        PlanCase{"EmptyPath", {"--msh", "", "--vtu", "old.vtu"}, 2, "--msh: the path is empty\n"},
        PlanCase{"ExportNamesTheGeometryFile",
                 {"--geometry", "old.vtu", "--vtu", "old.vtu"},
                 2,
                 "--geometry and --vtu name the same file \"old.vtu\"; nothing was written.\n"},
        PlanCase{"TwoExportsNameOneFile",
                 {"--vtu", "old.vtu", "--dxf", "./old.vtu"},
                 2,
                 "--vtu and --dxf name the same file \"./old.vtu\"; nothing was written.\n"},
        PlanCase{"ExportNamesTheInput",
                 {"--dxf", "bridge.dat"},
                 2,
                 "--dxf names the input file \"bridge.dat\"; nothing was written.\n"},
        // The exports are staged with the others: one that cannot be written
        // leaves every target as it was.
        PlanCase{"OneExportCannotBeWritten",
                 {"--vtu", "old.vtu", "--msh", "no-such-folder/s.msh"},
                 1,
                 "\"no-such-folder/s.msh\""}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace zentrix
