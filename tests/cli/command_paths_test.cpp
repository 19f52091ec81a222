// zentrix-cli takes its paths exactly as given (blanks, backslashes and
// all), refuses an output that is the input file however it is named, and
// an output path holding a control character; check and render, like
// generate, fail when their standard output cannot take what they print.
#include <gtest/gtest.h>

#if defined(_WIN32)

TEST(CliCommandPaths, PosixNamesAndStreamsAreTestedWhereTheyExist) {
  GTEST_SKIP() << "backslashes in names, links and /dev/full are POSIX matters";
}

#else

#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "cli/cli_render.h"
#include "support/cli_runner.h"
#include "support/golden_file.h"

namespace zentrix {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::example;
using testing::readBytes;
using testing::runCli;
using testing::writeBytes;

// A command line and what the program says of it on standard error.
struct CommandCase {
  const char* name;
  std::vector<std::string> arguments;
  const char* message;
};

class CliPathsTest : public testing::ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    model_ = readBytes(example("arch-circular-2d"));
    writeBytes("in.dat", model_);
  }
  std::string model_;
};

// ------------------------------------------- an output that is the input

struct InputAsOutputCase {
  const char* name;
  std::function<void()> prepare;
  std::vector<std::string> arguments;
  const char* message;
};

class InputAsOutputTest : public CliPathsTest,
                          public ::testing::WithParamInterface<InputAsOutputCase> {};

// The model is refused as an output by what it is, not by how it is spelt.
TEST_P(InputAsOutputTest, RenderOverwritesItsOwnInput) {
  GetParam().prepare();
  const std::string listing = folderListing();
  const CliRun run = runCli(GetParam().arguments);
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_EQ(run.err, std::string(GetParam().message) + "\n");
  EXPECT_EQ(readBytes("in.dat"), model_);
  EXPECT_EQ(folderListing(), listing);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, InputAsOutputTest,
    ::testing::Values(
        InputAsOutputCase{"SvgNamedModel",
                          [] { fs::copy("in.dat", "model.svg"); },
                          {"render", "model.svg", "-o", "model.svg"},
                          "-o names the input file \"model.svg\"; nothing was written."},
        InputAsOutputCase{"SymbolicLink",
                          [] { fs::create_symlink("in.dat", "link.svg"); },
                          {"render", "in.dat", "-o", "link.svg"},
                          "-o names the input file \"link.svg\"; nothing was written."},
        InputAsOutputCase{"HardLink",
                          [] { fs::create_hard_link("in.dat", "hard.svg"); },
                          {"render", "in.dat", "-o", "hard.svg"},
                          "-o names the input file \"hard.svg\"; nothing was written."},
        InputAsOutputCase{"GeometryThroughAHardLink",
                          [] { fs::create_hard_link("in.dat", "other.dat"); },
                          {"generate", "other.dat", "--geometry", "in.dat", "--language", "en"},
                          "--geometry names the input file \"in.dat\"; nothing was written."}),
    [](const auto& test) { return std::string(test.param.name); });

// ------------------------------------------------ paths exactly as given

// `generate "in.dat " --geometry in.dat` used to load in.dat (the trailing
// blank dropped) while the guard compared "in.dat " with "in.dat", and the
// model was replaced by its own Geometry File.
TEST_F(CliPathsTest, InputDestroyedThroughATrailingBlank) {
  const CliRun run = runCli({"generate", "in.dat ", "--geometry", "in.dat", "--language", "en"});
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err,
            "Wrong Data in Old File.\nCannot open the file \"in.dat \": No such file or "
            "directory\n");
  EXPECT_EQ(readBytes("in.dat"), model_);
  EXPECT_EQ(folderListing(), "in.dat ");

  // And the file with the blank is the one loaded, not its namesake.
  writeBytes("twin.dat", "not a model\n");
  writeBytes("twin.dat ", model_);
  const CliRun twin = runCli({"generate", "twin.dat ", "--geometry", "g.dat", "--language", "en"});
  EXPECT_EQ(twin.exitCode, 0) << twin.err;
  EXPECT_NE(readBytes("g.dat").find("End of File: g.dat\r\n"), std::string::npos);
}

// On Linux `back\slash.dat` could not be loaded (read as back/slash.dat),
// and --geometry 'sub\g.dat' wrote sub/g.dat.
TEST_F(CliPathsTest, BackslashBecomesASlash) {
  fs::rename("in.dat", "back\\slash.dat");
  fs::create_directory("sub");
  const CliRun run = runCli({"generate", "back\\slash.dat", "--geometry", "sub\\g.dat",
                             "--base-module", "--language", "en"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(folderListing(), "back\\slash-BaseModule.dat back\\slash.dat sub sub\\g.dat ");
  EXPECT_NE(readBytes("sub\\g.dat").find("End of File: sub\\g.dat\r\n"), std::string::npos);
}

class ControlPathTest : public CliPathsTest, public ::testing::WithParamInterface<CommandCase> {};

// A newline in --geometry used to split the Geometry File's end line.
TEST_P(ControlPathTest, NewlineInAnOutputPathSplitsTheEndLine) {
  writeBytes("in\n.dat", model_);
  const CliRun run = runCli(GetParam().arguments);
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_EQ(run.err, std::string(GetParam().message) + "\n");
  EXPECT_EQ(folderListing(), "in\n.dat in.dat ");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, ControlPathTest,
    ::testing::Values(
        CommandCase{"NewlineInGeometry",
                    {"generate", "in.dat", "--geometry", "a\nb.dat", "--language", "en"},
                    "--geometry: the path \"a\\nb.dat\" holds a control character"},
        CommandCase{"CarriageReturnInSave",
                    {"generate", "in.dat", "--save", "a\r.dat", "--language", "ro"},
                    "--save: calea \"a\\r.dat\" contine un caracter de control"},
        CommandCase{"C1ControlInExport",
                    {"generate", "in.dat", "--vtu", "a\xc2\x9b.vtu", "--language", "en"},
                    "--vtu: the path \"a\\u009b.vtu\" holds a control character"},
        CommandCase{"NewlineInTheBaseModuleFile",
                    {"generate", "in\n.dat", "--base-module", "--language", "en"},
                    "--base-module: the path \"in\\n-BaseModule.dat\" holds a control "
                    "character"},
        CommandCase{"TabInThePicture",
                    {"render", "in.dat", "-o", "a\t.svg"},
                    "-o: the path \"a\\t.svg\" holds a control character"}),
    [](const auto& test) { return std::string(test.param.name); });

// --------------------------------------------------- the standard output

class LostOutputTest : public CliPathsTest, public ::testing::WithParamInterface<CommandCase> {};

// check and render used to exit 0 with their report lost.
TEST_P(LostOutputTest, CheckAndRenderExitZeroWithoutAStandardOutput) {
  const std::vector<std::pair<const char*, std::function<void()> > > outputs = {
      {"full device", [] { ::dup2(::open("/dev/full", O_WRONLY), 1); }},
      {"closed", [] { ::close(1); }},
  };
  for (const auto& [what, redirect] : outputs) {
    const CliRun run = runCli(GetParam().arguments, redirect);
    EXPECT_EQ(run.exitCode, 1) << what;
    EXPECT_EQ(run.err, std::string(GetParam().message) + "\n") << what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, LostOutputTest,
    ::testing::Values(CommandCase{"Check",
                                  {"check", "in.dat", "--language", "en"},
                                  "Cannot write to the standard output."},
                      CommandCase{"Render",
                                  {"render", "in.dat", "-o", "a.svg"},
                                  "Cannot write to the standard output; the picture was "
                                  "written."}),
    [](const auto& test) { return std::string(test.param.name); });

// ------------------------------------------------------------ the picture

// With too little memory for its pixels the PNG used to be reported written
// and left empty in place of the old picture.
TEST_F(CliPathsTest, PngReportedWrittenAndLeftEmpty) {
  if (!app::pngPicturesSupported()) GTEST_SKIP() << "this build writes no PNG";
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's shadow memory does not fit under an address-space limit";
#endif
  writeBytes("p.png", "older picture");
  const CliRun run = runCli({"render", "in.dat", "-o", "p.png", "--size", "16384x16384"}, [] {
    const rlimit limit{900000ul * 1024, 900000ul * 1024};
    ::setrlimit(RLIMIT_AS, &limit);
  });
  EXPECT_EQ(run.exitCode, 1) << run.out;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Cannot write the file \"p.png\": not enough memory\n");
  EXPECT_EQ(readBytes("p.png"), "older picture");
  EXPECT_EQ(folderListing(), "in.dat p.png ");
}

}  // namespace
}  // namespace zentrix

#endif  // _WIN32
