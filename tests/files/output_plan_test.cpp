// What a run checks before writing several files: which paths name one file
// and whether the disks have room.
#include "files/output_plan.h"

#include <gtest/gtest.h>

#include <cstdint>
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

// A truss whose numbers take the most room: the smallest and largest
// magnitudes, a type name of full width.
zentrix::testing::RunModel widestNumbers() {
  zentrix::testing::RunModel m = zentrix::testing::generatedTruss(40);
  for (std::int64_t node = 1; node <= m.structure.totalNodes(); ++node) {
    m.structure.nodeCoords(node, 1) = -1.17549435e-38f * static_cast<float>(node);
    m.structure.nodeCoords(node, 2) = -3.4028235e38f / static_cast<float>(node);
  }
  m.types.typeName(1) = std::string(model::kTypeNameWidth, 'x');
  m.types.typeArea(1) = -1.23456789e-30f;
  return m;
}

// The bounds must hold every file a writer writes, whatever its numbers look
// like, or a full disk would be found only half-way; and, but for the
// exports, stay near it for plain numbers, or a disk with room would be
// refused.
TEST(OutputPlan, SizeBoundsHoldTheWrittenFilesClosely) {
  ScratchFolder folder;
  struct Sample {
    const char* name;
    zentrix::testing::RunModel model;
    bool close;
  };
  Sample samples[] = {{"1 module", zentrix::testing::generatedTruss(1), true},
                      {"30 modules", zentrix::testing::generatedTruss(30), true},
                      {"3000 modules", zentrix::testing::generatedTruss(3000), true},
                      {"the widest numbers", widestNumbers(), false}};
  for (Sample& sample : samples) {
    for (const auto& writer : zentrix::testing::kEveryWriter) {
      const std::string stem = folder.file("m");
      ASSERT_TRUE(writer.write(sample.model, stem)) << writer.name << " of " << sample.name;
      const auto size = std::filesystem::file_size(writer.target(stem));
      const std::uint64_t bound = writer.sizeBound(sample.model, writer.target(stem));
      EXPECT_GE(bound, size) << writer.name << " of " << sample.name;
      if (sample.close && writer.closeSizeBound) {
        EXPECT_LE(bound, 2 * size + 16384) << writer.name << " of " << sample.name;
      }
    }
  }
}

}  // namespace
}  // namespace zentrix::files
