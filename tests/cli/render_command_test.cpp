// zentrix-cli render: the picture by extension, its options, and the
// refusals of a wrong command line or a file that cannot be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/cli_render.h"
#include "support/cli_runner.h"
#include "support/golden_file.h"

namespace zentrix {
namespace {

using testing::CliRun;
using testing::readBytes;
using testing::runCli;

std::string example(const std::string& name) {
  return std::string(ZENTRIX_EXAMPLES_DIR) + "/" + name + ".dat";
}

std::size_t occurrences(const std::string& text, const std::string& what) {
  std::size_t count = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++count;
  return count;
}

using RenderTest = testing::ScratchFolderTest;

struct PictureCase {
  std::string name;
  std::vector<std::string> options;
  // Element lines (SVG) expected; -1 for a PNG.
  int lines;
  bool numbers;
};

class RenderPicture : public RenderTest, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(RenderPicture, WritesThePictureItsExtensionNames) {
  std::vector<std::string> arguments = {"render", example("arch-circular-2d"), "-o"};
  const PictureCase& c = GetParam();
  if (c.lines < 0 && !app::pngPicturesSupported()) GTEST_SKIP() << "this build writes no PNG";
  const std::string picture = c.lines < 0 ? "arch.PNG" : "arch.svg";
  arguments.push_back(picture);
  arguments.insert(arguments.end(), c.options.begin(), c.options.end());
  const CliRun run = runCli(arguments);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "Picture written: \"" + picture + "\".\n");
  const std::string bytes = readBytes(picture);
  if (c.lines < 0) {
    EXPECT_EQ(bytes.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    return;
  }
  EXPECT_EQ(occurrences(bytes, "<line class=\"element"), static_cast<std::size_t>(c.lines));
  EXPECT_EQ(bytes.find(">1</text>") != std::string::npos, c.numbers);
}

// The circular arch example: 49 elements, 5 in its Base module.
INSTANTIATE_TEST_SUITE_P(
    Cli, RenderPicture,
    ::testing::Values(PictureCase{"svg_of_the_structure", {}, 49, false},
                      PictureCase{"svg_with_numbers", {"--numbers"}, 49, true},
                      PictureCase{"svg_of_the_base_module", {"--base-module"}, 5, false},
                      PictureCase{
                          "svg_seen_along_y", {"--view", "xz", "--size", "640x480"}, 49, false},
                      PictureCase{"png_in_capitals", {"--size", "320x200"}, -1, false}),
    [](const auto& test) { return test.param.name; });

TEST_F(RenderTest, SizeSetsThePictureSize) {
  const CliRun run =
      runCli({"render", example("truss-bridge-3d"), "-o", "b.svg", "--size", "640x480"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(readBytes("b.svg").find("width=\"640\" height=\"480\""), std::string::npos);
}

struct RefusalCase {
  std::string name;
  std::vector<std::string> arguments;
  int exitCode;
  std::string message;
};

class RenderRefusal : public RenderTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RenderRefusal, SaysWhyAndWritesNothing) {
  const CliRun run = runCli(GetParam().arguments);
  EXPECT_EQ(run.exitCode, GetParam().exitCode);
  EXPECT_NE(run.err.find(GetParam().message), std::string::npos) << run.err;
  EXPECT_EQ(folderListing(), "");
}

TEST_F(RenderTest, BuildWithoutQtRefusesPngAndStillWritesSvg) {
  if (app::pngPicturesSupported()) GTEST_SKIP() << "this build writes PNG";
  const CliRun png = runCli({"render", example("arch-circular-2d"), "-o", "a.png"});
  EXPECT_EQ(png.exitCode, 2);
  EXPECT_NE(png.err.find("writes no PNG"), std::string::npos) << png.err;
  EXPECT_EQ(runCli({"render", example("arch-circular-2d"), "-o", "a.svg"}).exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RenderRefusal,
    ::testing::Values(
        RefusalCase{"unknown_extension",
                    {"render", example("arch-circular-2d"), "-o", "a.jpg"},
                    2,
                    "\"a.jpg\": the picture must end in .svg or .png"},
        RefusalCase{"size_without_height",
                    {"render", example("arch-circular-2d"), "-o", "a.svg", "--size", "640"},
                    2,
                    "--size 640: expected WIDTHxHEIGHT"},
        RefusalCase{"size_too_small",
                    {"render", example("arch-circular-2d"), "-o", "a.svg", "--size", "15x15"},
                    2,
                    "--size 15x15"},
        RefusalCase{"unknown_view",
                    {"render", example("arch-circular-2d"), "-o", "a.svg", "--view", "top"},
                    2,
                    "--view"},
        RefusalCase{"missing_input", {"render", "none.dat", "-o", "a.svg"}, 1, "Wrong Data"},
        RefusalCase{"romanian_message",
                    {"render", example("arch-circular-2d"), "-o", "a.gif", "--language", "ro"},
                    2,
                    "imaginea trebuie sa se termine in .svg sau .png"}),
    [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace zentrix
