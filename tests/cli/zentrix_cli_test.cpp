// Runs the built zentrix-cli (no shell) in a scratch folder and checks its
// files byte for byte, its messages and its exit codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "model/number_text.h"
#include "support/cli_runner.h"
#include "support/golden_file.h"
#include "support/portable.h"

namespace zentrix {
namespace {

using testing::CliRun;
using testing::example;
using testing::linesOf;
using testing::matchesGolden;
using testing::readBytes;
using testing::runCli;

// The example's text with `from` replaced by `to` (once, and it must be there).
std::string editedExample(const std::string& name, const std::string& from, const std::string& to) {
  std::string text = readBytes(example(name));
  const auto at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string createdMessage(const std::string& path) {
  return "Created File: \"" + path +
         "\".\n\nThis File must be editied to add/modify Blocked Nodes, Elastic Supports, \nUnits, "
         "and Element and Material Properties.\nYou may edit it directly or use Geosmith "
         "program.\n";
}

using CliTest = testing::ScratchFolderTest;

// ------------------------------------------------------------------ examples

class CliExampleTest : public testing::ScratchFolderTest,
                       public ::testing::WithParamInterface<const char*> {};

// Every output of every example is a golden file; the saved file loads back
// and generates the very same Geometry File.
TEST_P(CliExampleTest, WritesGoldenFilesAndReloadsTheSavedFile) {
  const std::string name = GetParam();
  std::filesystem::copy_file(example(name), name + ".dat");
  const CliRun run = runCli({"generate", name + ".dat", "--geometry", name + ".geo", "--save",
                             name + "-saved.dat", "--base-module", "--language", "en"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, createdMessage(name + ".geo") + "Created Base-module Geometry File: \"" +
                         name + "-BaseModule.dat\".\n")
      << "says where every file went";
  const std::string geometry = readBytes(name + ".geo");
  EXPECT_TRUE(matchesGolden(geometry, "examples/" + name + ".geo"));
  EXPECT_TRUE(matchesGolden(readBytes(name + "-saved.dat"), "examples/" + name + "-saved.dat"));
  EXPECT_TRUE(
      matchesGolden(readBytes(name + "-BaseModule.dat"), "examples/" + name + "-BaseModule.dat"));
  EXPECT_EQ(readBytes(name + ".dat"), readBytes(example(name))) << "the input is never changed";

  std::filesystem::rename(name + ".geo", "first.geo");
  const CliRun again =
      runCli({"generate", name + "-saved.dat", "--geometry", name + ".geo", "--language", "en"});
  ASSERT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(readBytes(name + ".geo"), geometry) << "reloading and generating again changes nothing";
}

INSTANTIATE_TEST_SUITE_P(Examples, CliExampleTest,
                         ::testing::Values("truss-bridge-3d", "tower-pyramidal-3d",
                                           "arch-parabolic-2d", "arch-circular-2d"),
                         [](const auto& test) { return testing::identifierOf(test.param); });

// ---------------------------------------------------- the same on every platform

// A path the shell of any platform would pass on: it starts with "/" (which
// Windows-style option parsing would take for an option) and holds a
// Romanian letter (which the ANSI code page would lose).
// The folder is made in the current one, not in the temporary folder: a path
// from the root of the current drive reaches it on Windows too (and under
// Wine, where such a path is taken as a Unix path, the build folder is
// reached that way as well).
TEST(CliPaths, PathStartingWithSlashAndRomanianLettersReachTheFiles) {
  const auto folder = testing::makeScratchFolder("zentrix-paths", std::filesystem::current_path());
  std::string folderText = testing::utf8Text(folder.relative_path());
  std::replace(folderText.begin(), folderText.end(), '\\', '/');
  const std::string input = "/" + folderText + "/pod-\u0219.dat";
  const std::string geometry = "/" + folderText + "/pod-\u0219.geo";
  std::filesystem::copy_file(example("truss-bridge-3d"), testing::utf8Path(input));
  const CliRun run = runCli({"generate", input, "--geometry", geometry, "--language", "en"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, createdMessage(geometry));
  const std::string written = readBytes(testing::utf8Path(geometry));
  const std::string golden = readBytes(testing::goldenPath("examples/truss-bridge-3d.geo"));
  const auto beforeEndLine = [](const std::string& text) {
    return text.substr(0, text.rfind("End of File"));
  };
  EXPECT_EQ(beforeEndLine(written), beforeEndLine(golden));
  EXPECT_NE(written.find("End of File: " + geometry + "\r\n"), std::string::npos);
  std::filesystem::remove_all(folder);
}

// The bytes of a long arch, where every angle of the trigonometry is met,
// are pinned by their size and an FNV-1a digest: the same on every platform.
std::string fingerprintOf(const std::string& bytes) {
  std::uint64_t digest = 14695981039346656037u;
  for (const char c : bytes) {
    digest ^= static_cast<unsigned char>(c);
    digest *= 1099511628211u;
  }
  std::ostringstream text;
  text << "bytes " << bytes.size() << ", lines " << std::count(bytes.begin(), bytes.end(), '\n')
       << ", FNV-1a " << std::hex << digest << "\n";
  return text.str();
}

class LongArchTest : public testing::ScratchFolderTest,
                     public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(LongArchTest, TenThousandModulesGiveTheSameFilesEverywhere) {
  const auto& [name, modulesLine] = GetParam();
  std::string longLine = modulesLine;
  longLine.replace(0, 12, "       10000");
  testing::writeBytes("arch.dat", editedExample(name, modulesLine, longLine));
  const CliRun run = runCli({"generate", "arch.dat", "--geometry", "arch.geo", "--save",
                             "arch-saved.dat", "--language", "en"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const auto& [file, golden] :
       {std::pair{"arch.geo", ".geo"}, std::pair{"arch-saved.dat", "-saved.dat"}})
    EXPECT_TRUE(
        matchesGolden(fingerprintOf(readBytes(file)),
                      std::string("examples/") + name + "-10000-modules" + golden + ".digest"))
        << file;
}

INSTANTIATE_TEST_SUITE_P(
    Arches, LongArchTest,
    ::testing::Values(std::pair{"arch-circular-2d", "          12   2.000000               4"},
                      std::pair{"arch-parabolic-2d", "          16   3.000000               4"}),
    [](const auto& test) { return testing::identifierOf(test.param.first); });

// --------------------------------------------------------------- the options

TEST_F(CliTest, Base0LastOffKeepsTheSupportsOnNodesOneToK) {
  std::filesystem::copy_file(example("truss-bridge-3d"), "bridge.dat");
  for (const auto& [choice, blocked] :
       {std::pair{"on", "33   36   1   1   1"}, std::pair{"off", " 1    4   1   1   1"}}) {
    const CliRun run = runCli({"generate", "bridge.dat", "--geometry", "bridge.geo", "--language",
                               "en", "--base0-last", choice});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(linesOf(readBytes("bridge.geo")).at(11), blocked) << choice;
  }
}

TEST_F(CliTest, LanguageComesFromTheSettingsFileWhenNotGiven) {
  std::filesystem::copy_file(example("arch-circular-2d"), "arch.dat");
  testing::writeBytes("language.dat", "ro\r\n");
  const CliRun run = runCli({"generate", "arch.dat", "--geometry", "arch.geo"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(run.out.find("Fisier creat: \"arch.geo\".") != std::string::npos) << run.out;
  EXPECT_EQ(linesOf(readBytes("arch.geo")).at(0),
            "// Acest fisier a fost generat de KARVEL: programul ZENTRIX.");
  const CliRun english =
      runCli({"generate", "arch.dat", "--geometry", "arch.geo", "--language", "en"});
  EXPECT_TRUE(english.out.find("Created File: \"arch.geo\".") != std::string::npos);
}

// Every command reads and generates a model as `generate` does: the
// language from language.dat, the numbering of --base0-last, the arch
// solver's precision lines on the standard error. `render` used to read
// neither language.dat nor the solver's lines.
struct ReadAlikeCase {
  std::string name;
  std::vector<std::string> arguments;
  std::string romanianOut;
};

class CliReadsAlike : public testing::ScratchFolderTest,
                      public ::testing::WithParamInterface<ReadAlikeCase> {};

TEST_P(CliReadsAlike, AsGenerateDoes) {
  testing::writeBytes("arch.dat", editedExample("arch-parabolic-2d", "   24.00000       8.000000",
                                                "   3000.000       700.0000"));
  testing::writeBytes("language.dat", "ro\r\n");
  const CliRun generate = runCli({"generate", "arch.dat", "--base0-last", "off"});
  ASSERT_EQ(generate.exitCode, 0) << generate.err;
  ASSERT_NE(generate.err.find("MaxEps = "), std::string::npos) << generate.err;
  std::vector<std::string> arguments = GetParam().arguments;
  arguments.insert(arguments.end(), {"--base0-last", "off"});
  const CliRun run = runCli(arguments);
  EXPECT_EQ(run.err, generate.err);
  EXPECT_EQ(run.out.rfind(GetParam().romanianOut, 0), 0u) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliReadsAlike,
    ::testing::Values(ReadAlikeCase{"check", {"check", "arch.dat"}, "Verificarea modelului: "},
                      ReadAlikeCase{"render",
                                    {"render", "arch.dat", "-o", "a.svg"},
                                    "Imagine scrisa: \"a.svg\"."}),
    [](const auto& test) { return test.param.name; });

TEST_F(CliTest, NoOutputOptionGeneratesAndWritesNothing) {
  std::filesystem::copy_file(example("tower-pyramidal-3d"), "tower.dat");
  const CliRun run = runCli({"generate", "tower.dat", "--language", "en"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(folderListing(), "tower.dat ");
}

TEST_F(CliTest, HelpDocumentsEveryOptionAndTheExitCodes) {
  for (const auto& arguments :
       {std::vector<std::string>{"--help"}, std::vector<std::string>{"generate", "--help"}}) {
    const CliRun run = runCli(arguments);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Exit codes:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  3  the module length differs"), std::string::npos);
  }
  const CliRun run = runCli({"generate", "--help"});
  for (const char* option :
       {"INPUT", "--geometry", "--save", "--base-module", "--language", "--base0-last", "--force"})
    EXPECT_NE(run.out.find(option), std::string::npos) << option;
  // It used to say "beside INPUT", which is not where a "." in a folder name
  // puts the file, and the path written was never shown.
  EXPECT_NE(run.out.find("the path written is printed"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("beside INPUT"), std::string::npos);
}

// ----------------------------------------------------------------- failures

struct UsageCase {
  const char* what;
  std::vector<std::string> arguments;
};

class CliUsageTest : public testing::ScratchFolderTest,
                     public ::testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsageTest, ExitsWithTwoAndWritesNothing) {
  std::filesystem::copy_file(example("arch-circular-2d"), "arch.dat");
  const CliRun run = runCli(GetParam().arguments);
  EXPECT_EQ(run.exitCode, 2) << run.out << run.err;
  EXPECT_NE(run.err, "");
  EXPECT_EQ(folderListing(), "arch.dat ");
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, CliUsageTest,
    ::testing::Values(UsageCase{"no command", {}},
                      UsageCase{"unknown command", {"create", "arch.dat"}},
                      UsageCase{"no input", {"generate"}},
                      UsageCase{"two inputs", {"generate", "arch.dat", "arch.dat"}},
                      UsageCase{"unknown option", {"generate", "arch.dat", "--geo", "x.geo"}},
                      UsageCase{"language", {"generate", "arch.dat", "--language", "fr"}},
                      UsageCase{"base0 last", {"generate", "arch.dat", "--base0-last", "yes"}},
                      UsageCase{"missing file name", {"generate", "arch.dat", "--geometry"}}),
    [](const auto& test) { return testing::identifierOf(test.param.what); });

TEST_F(CliTest, UnreadableInputExitsWithOneInTheChosenLanguage) {
  testing::writeBytes("broken.dat", "// a model cut short\r\nTitle\r\n3 4\r\n");
  for (const auto& [language, first] :
       {std::pair{"en", "Wrong Data in Old File.\n"},
        std::pair{"ro", "Date eronate in fisierul existent (Old File).\n"}}) {
    for (const char* input : {"broken.dat", "missing.dat"}) {
      const CliRun run = runCli({"generate", input, "--geometry", "out.geo", "--save", "saved.dat",
                                 "--language", language});
      EXPECT_EQ(run.exitCode, 1) << input;
      EXPECT_EQ(run.err.substr(0, std::string(first).size()), first) << run.err;
      EXPECT_GT(run.err.size(), std::string(first).size() + 1) << "a reason follows";
    }
  }
  EXPECT_EQ(folderListing(), "broken.dat ");
}

TEST_F(CliTest, DifferentModuleLengthIsDeclinedUnlessForced) {
  testing::writeBytes("bridge.dat", editedExample("truss-bridge-3d", "   5.000000               1",
                                                  "   4.500000               1"));
  const CliRun declined = runCli({"generate", "bridge.dat", "--geometry", "bridge.geo", "--save",
                                  "saved.dat", "--base-module", "--language", "en"});
  EXPECT_EQ(declined.exitCode, 3);
  EXPECT_EQ(declined.err.substr(0, 29), "WARNING: Base Module length =") << declined.err;
  EXPECT_NE(declined.err.find(" - diferent from the current module length =4.5 !\n"),
            std::string::npos)
      << declined.err;
  EXPECT_EQ(declined.out, "");
  EXPECT_EQ(folderListing(), "bridge.dat ");

  const CliRun forced =
      runCli({"generate", "bridge.dat", "--geometry", "bridge.geo", "--language", "en", "--force"});
  EXPECT_EQ(forced.exitCode, 0) << forced.err;
  const auto nodes = linesOf(readBytes("bridge.geo"));
  // Node 5 (renumbered) is the far end of the second module: 5 + 4.5.
  EXPECT_EQ(nodes.at(22), " 5    9.5             -3.             0.");
}

TEST_F(CliTest, RefusedDataExitsWithOneAndWritesNothing) {
  testing::writeBytes("bridge.dat", editedExample("truss-bridge-3d", "           8   5.000000",
                                                  "           0   5.000000"));
  const CliRun run =
      runCli({"generate", "bridge.dat", "--geometry", "bridge.geo", "--language", "en"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err, "");
  EXPECT_EQ(folderListing(), "bridge.dat ");
}

TEST_F(CliTest, UnwritableGeometryPathExitsWithOneAndNamesIt) {
  std::filesystem::copy_file(example("arch-parabolic-2d"), "arch.dat");
  const CliRun run =
      runCli({"generate", "arch.dat", "--geometry", "no-such-folder/arch.geo", "--language", "en"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("\"no-such-folder/arch.geo\""), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("Created File"), std::string::npos);
}

}  // namespace
}  // namespace zentrix
