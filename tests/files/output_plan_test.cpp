// What a run checks before writing several files: which paths name one file
// and whether the disks have room.
#include "files/output_plan.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/every_writer.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using zentrix::testing::ScratchFolder;
using zentrix::testing::writeBytes;

TEST(OutputPlan, PathsNamingOneFile) {
  ScratchFolder folder;
  const auto at = [&](const std::string& name) { return folder.file(name); };
  writeBytes(at("a.dat"), "a");
  writeBytes(at("b.dat"), "b");
  std::filesystem::create_hard_link(at("a.dat"), at("hard.dat"));
  std::filesystem::create_directory(at("sub"));
  struct Case {
    std::string first;
    std::string second;
    bool same;
  };
  const Case cases[] = {
    {at("a.dat"), at("a.dat"), true},
    {at("a.dat"), at("sub/../a.dat"), true},
    {at("a.dat"), at("hard.dat"), true},
    {at("new.dat"), at("sub/../new.dat"), true},
    {at("a.dat"), at("b.dat"), false},
    {at("new.dat"), at("sub/new.dat"), false},
#if defined(_WIN32)
    {"NUL", "nul.txt", false},
#else
    {"/dev/null", "/dev/null", false},
    {"/dev/stdout", "/dev/stdout", false},
#endif
  };
  for (const Case& c : cases)
    EXPECT_EQ(namesSameFile(c.first, c.second), c.same) << c.first << " and " << c.second;
#if !defined(_WIN32)
  std::filesystem::create_symlink(at("a.dat"), at("soft.dat"));
  EXPECT_TRUE(namesSameFile(at("a.dat"), at("soft.dat"))) << "through a symbolic link";
#endif
}

TEST(OutputPlan, SpaceShortageGivesTheFigures) {
  ScratchFolder folder;
  const std::string path = folder.file("huge.geo");
  EXPECT_EQ(spaceShortage({{path, 1000}}, false), std::nullopt);
#if defined(_WIN32)
  const std::string device = "NUL";
#else
  const std::string device = "/dev/null";
#endif
  const auto message = spaceShortage({{path, std::uint64_t{1} << 62}, {device, 1}}, false);
  ASSERT_TRUE(message.has_value());
  EXPECT_EQ(message->substr(0, 28 + path.size()), "Not enough free space for \"" + path + "\"");
  EXPECT_NE(message->find(": up to 4611686018428 MB are needed, "), std::string::npos) << *message;
  EXPECT_TRUE(message->ends_with(" MB are free; no file was written.")) << *message;
  EXPECT_EQ(spaceShortage({{device, std::uint64_t{1} << 62}}, false), std::nullopt)
      << "a device takes what it is given";
}

// The bounds must hold every file a writer writes, or a full disk would be
// found only half-way; and stay near it, or a disk with room would be refused.
TEST(OutputPlan, SizeBoundsHoldTheWrittenFilesClosely) {
  ScratchFolder folder;
  for (const int modules : {1, 30, 3000}) {
    zentrix::testing::RunModel m = zentrix::testing::generatedTruss(modules);
    for (const auto& writer : zentrix::testing::kEveryWriter) {
      const std::string stem = folder.file("m");
      ASSERT_TRUE(writer.write(m, stem));
      const auto size = std::filesystem::file_size(writer.target(stem));
      const std::string_view name = writer.name;
      const std::size_t pathLength = writer.target(stem).size();
      const std::uint64_t bound = name == "InputFile"      ? inputFileSizeBound(m, pathLength)
                                  : name == "GeometryFile" ? geometryFileSizeBound(m, pathLength)
                                                           : baseModuleFileSizeBound(m, pathLength);
      EXPECT_GE(bound, size) << name << " of " << modules << " modules";
      EXPECT_LE(bound, 2 * size + 16384) << name << " of " << modules << " modules";
    }
  }
}

}  // namespace
}  // namespace zentrix::files
