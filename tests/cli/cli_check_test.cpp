// zentrix-cli check: the findings it prints, in both languages, and its
// exit codes (0 clean, 4 findings, 1 unreadable or refused, 2 usage).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cli_runner.h"
#include "support/golden_file.h"

namespace zentrix {
namespace {

using testing::CliRun;
using testing::example;
using testing::readBytes;
using testing::runCli;

using CliCheckTest = testing::ScratchFolderTest;

// The example's text with `from` replaced by `to`, written to `path`.
void writeEdited(const std::string& path, const std::string& name, const std::string& from,
                 const std::string& to) {
  std::string text = readBytes(example(name));
  const auto at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  text.replace(at, from.size(), to);
  testing::writeBytes(path, text);
}

std::vector<std::string> outputLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end = text.find('\n'); end != std::string::npos; end = text.find('\n', from)) {
    lines.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return lines;
}

class CliCheckExampleTest : public testing::ScratchFolderTest,
                            public ::testing::WithParamInterface<const char*> {};

TEST_P(CliCheckExampleTest, ExampleIsCleanAndNothingIsWritten) {
  const std::string name = GetParam();
  std::filesystem::copy_file(example(name), name + ".dat");
  for (const auto& [language, clean] :
       {std::pair{"en", "Model check: no findings.\n"},
        std::pair{"ro", "Verificarea modelului: nicio problema gasita.\n"}}) {
    const CliRun run = runCli({"check", name + ".dat", "--language", language});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    EXPECT_EQ(run.out, clean);
    EXPECT_EQ(run.err, "");
  }
  EXPECT_EQ(folderListing(), name + ".dat ");
}

INSTANTIATE_TEST_SUITE_P(Examples, CliCheckExampleTest,
                         ::testing::Values("truss-bridge-3d", "tower-pyramidal-3d",
                                           "arch-parabolic-2d", "arch-circular-2d"),
                         [](const auto& test) { return testing::identifierOf(test.param); });

// A module length the Base module does not have: no question is asked, the
// structure is generated and every Base 1 node is named.
TEST_F(CliCheckTest, DifferentModuleLengthIsListedNodeByNode) {
  writeEdited("bridge.dat", "truss-bridge-3d", "   5.000000               1",
              "   6.000000               1");
  const CliRun run = runCli({"check", "bridge.dat", "--language", "en"});
  EXPECT_EQ(run.exitCode, 4) << run.err;
  EXPECT_EQ(run.err, "");
  const std::vector<std::string> lines = outputLines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;
  EXPECT_EQ(lines[0], "Model check: 4 findings.");
  EXPECT_EQ(lines[1],
            "  Base 1 node 5 is not Base 0 node 1 moved by the module length 6. along X: it is at "
            "(5., -3., 0.) instead of (6., -3., 0.). Every module repeats the mismatch, so the "
            "modules do not fit together.");
}

TEST_F(CliCheckTest, FindingsComeInTheChosenLanguage) {
  // The arch's diagonal stored before its post.
  writeEdited("arch.dat", "arch-circular-2d",
              "           3           3           4\r\n           4           2           3",
              "           3           2           3\r\n           4           3           4");
  const CliRun english = runCli({"check", "arch.dat", "--language", "en"});
  const CliRun romanian = runCli({"check", "arch.dat", "--language", "ro"});
  EXPECT_EQ(english.exitCode, 4);
  EXPECT_EQ(romanian.exitCode, 4);
  EXPECT_EQ(english.out,
            "Model check: 2 findings.\n"
            "  Base module element 3 is a \"Diagonal\" element but is stored among the "
            "\"Transversal\" elements: elements are replicated by their position, so in every "
            "module it gets the type \"Post\" and its area.\n"
            "  Base module element 4 is a \"Transversal\" element but is stored among the "
            "\"Diagonal\" elements: elements are replicated by their position, so in every module "
            "it gets the type \"Diagonal\" and its area.\n");
  EXPECT_EQ(outputLines(romanian.out).at(0), "Verificarea modelului: 2 probleme gasite.");
}

// The numbers of structure findings are those of the Geometry File that
// generate writes with the same --base0-last.
TEST_F(CliCheckTest, StructureNumbersFollowBase0Last) {
  // A reversed copy of the chord 2-4 stored after it.
  writeEdited("arch.dat", "arch-circular-2d",
              "           5\r\n"
              "           1           1           3\r\n"
              "           2           2           4\r\n"
              "           3           3           4\r\n"
              "           4           2           3\r\n"
              "           5           1           2\r\n",
              "           6\r\n"
              "           1           1           3\r\n"
              "           2           2           4\r\n"
              "           3           4           2\r\n"
              "           4           3           4\r\n"
              "           5           2           3\r\n"
              "           6           1           2\r\n");
  struct Case {
    const char* base0Last;
    const char* firstDuplicate;
  };
  for (const Case c : {Case{"on",
                            "  Elements 2 and 3 both join nodes 26 and 2: the bar is counted "
                            "twice, so the structure is stiffer than it is."},
                       Case{"off",
                            "  Elements 2 and 3 both join nodes 2 and 4: the bar is counted "
                            "twice, so the structure is stiffer than it is."}}) {
    const CliRun run =
        runCli({"check", "arch.dat", "--language", "en", "--base0-last", c.base0Last});
    EXPECT_EQ(run.exitCode, 4) << run.err;
    const std::vector<std::string> lines = outputLines(run.out);
    ASSERT_EQ(lines.size(), 13u) << run.out;
    EXPECT_EQ(lines[0], "Model check: 12 findings.");
    EXPECT_EQ(lines[1], c.firstDuplicate);
  }
}

TEST_F(CliCheckTest, UnreadableOrRefusedInputExitsWithOne) {
  testing::writeBytes("broken.dat", "// a model cut short\r\nTitle\r\n3 4\r\n");
  writeEdited("refused.dat", "truss-bridge-3d", "           8   5.000000",
              "           0   5.000000");
  for (const char* input : {"broken.dat", "missing.dat", "refused.dat"}) {
    const CliRun run = runCli({"check", input, "--language", "en"});
    EXPECT_EQ(run.exitCode, 1) << input;
    EXPECT_NE(run.err, "") << input;
    EXPECT_EQ(run.out, "") << input;
  }
}

TEST_F(CliCheckTest, UsageErrorsExitWithTwo) {
  std::filesystem::copy_file(example("arch-circular-2d"), "arch.dat");
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{"check"},
                                                    {"check", "arch.dat", "--language", "fr"},
                                                    {"check", "arch.dat", "--geometry", "x.geo"},
                                                    {"check", "arch.dat", "--base0-last", "1"}}) {
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 2) << arguments.back();
    EXPECT_NE(run.err, "");
  }
  const CliRun help = runCli({"check", "--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.out.find("  4  the model check found something"), std::string::npos) << help.out;
}

}  // namespace
}  // namespace zentrix
