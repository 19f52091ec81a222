// zentrix-cli new: every template written by the real program is a model
// that zentrix-cli check finds clean; the list names every parameter; a bad
// parameter, an unknown template or a missing path exits with 2, says why
// and writes nothing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/golden_file.h"

namespace zentrix {
namespace {

using testing::CliRun;
using testing::runCli;

struct NewRow {
  const char* templateName;
  int checkExitCode = 0;  // a Vierendeel frame is a mechanism as a truss
};

class CliNewTemplateTest : public testing::ScratchFolderTest,
                           public ::testing::WithParamInterface<NewRow> {};

TEST_P(CliNewTemplateTest, WrittenModelChecksClean) {
  const NewRow& row = GetParam();
  const CliRun made = runCli({"new", row.templateName, "-o", "m.dat", "--language", "en"});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  EXPECT_EQ(made.err, "");
  EXPECT_EQ(made.out.rfind("Written Zentrix Input File: \"m.dat\" (", 0), 0u) << made.out;
  const CliRun checked = runCli({"check", "m.dat", "--language", "en"});
  EXPECT_EQ(checked.exitCode, row.checkExitCode) << checked.out << checked.err;
  EXPECT_EQ(folderListing(), "m.dat ");
}

INSTANTIATE_TEST_SUITE_P(
    Templates, CliNewTemplateTest,
    ::testing::Values(NewRow{"pratt"}, NewRow{"howe"}, NewRow{"warren"}, NewRow{"warren-verticals"},
                      NewRow{"k-truss"}, NewRow{"vierendeel", 4}, NewRow{"box-bridge"},
                      NewRow{"triangular"}, NewRow{"tower"}, NewRow{"arch-rib"}),
    [](const auto& test) { return testing::identifierOf(test.param.templateName); });

using CliNewTest = testing::ScratchFolderTest;

TEST_F(CliNewTest, ParametersAndTheirLanguageReachTheFile) {
  const CliRun made = runCli({"new", "arch-rib", "--arch", "parabolic", "--modules=16",
                              "--chords-name", "Talpa arcului", "-o", "a.dat", "--language", "ro"});
  ASSERT_EQ(made.exitCode, 0) << made.err;
  const std::string text = testing::readBytes("a.dat");
  EXPECT_NE(text.find("Arc cu zabrele\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(" Talpa arcului\r\n"), std::string::npos);
  EXPECT_NE(text.find("          16   1.875000               4\r\n"
                      "           2   15.00000       6.000000    \r\n"),
            std::string::npos);
  EXPECT_EQ(runCli({"check", "a.dat", "--language", "ro"}).exitCode, 0);
}

TEST_F(CliNewTest, ListNamesEveryTemplateAndParameter) {
  const CliRun all = runCli({"new", "--list", "--language", "en"});
  EXPECT_EQ(all.exitCode, 0) << all.err;
  for (const char* name : {"pratt", "howe", "warren-verticals", "k-truss", "vierendeel",
                           "box-bridge", "triangular", "tower", "arch-rib"})
    EXPECT_NE(all.out.find(std::string("\n  ") + name + "  "), std::string::npos) << name;
  const CliRun one = runCli({"new", "tower", "--list", "--language", "en"});
  EXPECT_NE(one.out.find("    --top-ratio  0.1 .. 1, default 0.5: width at the top / width at "
                         "the foot\n"),
            std::string::npos)
      << one.out;
  EXPECT_EQ(one.out.find("pratt"), std::string::npos);
  EXPECT_NE(runCli({"new", "--help"}).out.find("--plan-bracing-area"), std::string::npos);
}

struct RefusalRow {
  const char* name;
  std::vector<std::string> arguments;
  const char* message;
};

class CliNewRefusalTest : public testing::ScratchFolderTest,
                          public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(CliNewRefusalTest, ExitsWithTwoAndWritesNothing) {
  std::vector<std::string> arguments = {"new", "--language", "en"};
  arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
  const CliRun run = runCli(arguments);
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.err, std::string(GetParam().message) + "\n");
  EXPECT_EQ(folderListing(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, CliNewRefusalTest,
    ::testing::Values(
        RefusalRow{"OutOfRange",
                   {"box-bridge", "--width", "2000", "-o", "m.dat"},
                   "--width 2000 is outside its range 0.1 to 1000"},
        RefusalRow{
            "UnknownTemplate",
            {"fink", "-o", "m.dat"},
            "There is no template \"fink\"; the templates: pratt, howe, warren, "
            "warren-verticals, k-truss, vierendeel, box-bridge, triangular, tower, arch-rib"},
        RefusalRow{"ValueMissing", {"pratt", "-o", "m.dat", "--height"}, "--height has no value"},
        RefusalRow{"NoPath", {"pratt"}, "-o: the path is empty"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace zentrix
