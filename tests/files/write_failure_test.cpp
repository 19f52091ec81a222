// Every writer against places it cannot write: a full device, a disk that
// fills up half-way, a folder it may not write, a folder that is missing or
// is a file; and against a cancel. The failure comes back with the file's
// name and the reason, and an older file of that name is left byte for
// byte, with nothing beside it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "files/every_writer.h"
#include "files/unwritable_places.h"
#include "model/text.h"
#include "support/portable.h"
#include "support/run_model.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

class WriteFailureTest : public ::testing::TestWithParam<Writer> {
 protected:
  // Writes an older file at the writer's target for `stem`; its content.
  std::string olderFileAt(const std::string& stem) {
    const std::string old = "an older file\r\nthat must survive\r\n";
    writeBytes(GetParam().target(stem), old);
    return old;
  }

  model::Outcome writeAt(const std::string& stem) { return GetParam().write(model_, stem); }

  std::size_t entriesIn(const std::filesystem::path& folder) const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator{}));
  }

  ScratchFolder folder_;
  zentrix::testing::RunModel model_ = generatedTruss();
};

TEST_P(WriteFailureTest, FullDeviceIsReported) {
  ZENTRIX_SKIP_ON_WINDOWS("there is no full device like /dev/full");
  const std::string stem = folder_.file("on-full-device");
  const std::string target = GetParam().target(stem);
  std::filesystem::create_symlink("/dev/full", target);
  const model::Outcome outcome = writeAt(stem);
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message, "Cannot write the file \"" + target + "\": No space left on device");
  EXPECT_TRUE(std::filesystem::is_symlink(target));
  EXPECT_EQ(entriesIn(folder_.path()), 1u);
}

TEST_P(WriteFailureTest, DiskFillingUpHalfWayLeavesTheOlderFile) {
  ZENTRIX_SKIP_ON_WINDOWS("a process has no file size limit");
  const std::string stem = folder_.file("model");
  const std::string old = olderFileAt(stem);
  model::Outcome outcome;
  {
    const FileSizeLimit limit(256);
    outcome = writeAt(stem);
  }
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message,
            "Cannot write the file \"" + GetParam().target(stem) + "\": File too large");
  EXPECT_EQ(readBytes(GetParam().target(stem)), old);
  EXPECT_EQ(entriesIn(folder_.path()), 1u) << "no temporary file is left behind";
}

TEST_P(WriteFailureTest, FolderItMayNotWriteLeavesTheOlderFile) {
  ZENTRIX_SKIP_ON_WINDOWS("permission bits do not lock a folder");
  const std::filesystem::path locked = folder_.path() / "locked";
  std::filesystem::create_directory(locked);
  const std::string stem = (locked / "model").string();
  const std::string old = olderFileAt(stem);
  std::filesystem::permissions(
      locked, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                  std::filesystem::perms::group_read | std::filesystem::perms::group_exec);
  model::Outcome outcome;
  std::error_code probe;
  {
    const PermissionChecksOn checks;
    std::filesystem::create_directory(locked / "probe", probe);
    outcome = writeAt(stem);
  }
  std::filesystem::permissions(locked, std::filesystem::perms::owner_all);
  if (!probe) GTEST_SKIP() << "this process may write into a read-only folder";
  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message,
            "Cannot create the file \"" + GetParam().target(stem) + "\": Permission denied");
  EXPECT_EQ(readBytes(GetParam().target(stem)), old);
  EXPECT_EQ(entriesIn(locked), 1u);
}

TEST_P(WriteFailureTest, MissingFolderOrAFileAsFolderIsReported) {
  writeBytes(folder_.file("plain"), "x");
  const struct {
    std::string stem;
    std::string reason;
  } cases[] = {
      {folder_.file("missing") + "/model", "No such file or directory"},
      {folder_.file("plain") + "/model", "\"" + folder_.file("plain") + "\" is not a folder"},
  };
  for (const auto& c : cases) {
    const model::Outcome outcome = writeAt(c.stem);
    EXPECT_FALSE(outcome) << c.stem;
    EXPECT_EQ(outcome.message,
              "Cannot create the file \"" + GetParam().target(c.stem) + "\": " + c.reason);
  }
  EXPECT_EQ(readBytes(folder_.file("plain")), "x");
  EXPECT_EQ(entriesIn(folder_.path()), 1u);
}

// A cancel at the first report or in the middle of the file ends every
// writer with the one cancel message, in the model's language; the writer
// asks no more, and the older file stays with nothing beside it.
TEST_P(WriteFailureTest, CancelLeavesTheOlderFile) {
  if (!GetParam().reportsProgress) GTEST_SKIP() << "this writer reports no progress";
  zentrix::testing::RunModel large = generatedTruss(40000);
  const std::string stem = folder_.file("model");
  const std::string old = olderFileAt(stem);
  for (const int answers : {0, 2}) {
    for (const bool romanian : {false, true}) {
      large.romanian = romanian;
      CancellingProgress progress(answers);
      const model::Outcome outcome = GetParam().writeShowing(large, stem, &progress);
      EXPECT_FALSE(outcome);
      EXPECT_EQ(outcome.message,
                model::say({"Writing the file \"{1}\" was cancelled; an existing file of that "
                            "name is unchanged.",
                            "Scrierea fisierului \"{1}\" a fost anulata; fisierul existent a "
                            "ramas neschimbat."},
                           romanian, {GetParam().target(stem)}));
      EXPECT_EQ(progress.fractions.size(), static_cast<std::size_t>(answers) + 1)
          << "stops at the first refusal";
    }
  }
  EXPECT_EQ(readBytes(GetParam().target(stem)), old);
  EXPECT_EQ(entriesIn(folder_.path()), 1u) << "no temporary file is left behind";
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, WriteFailureTest, ::testing::ValuesIn(kEveryWriter),
                         [](const auto& writer) { return std::string(writer.param.name); });

}  // namespace
}  // namespace zentrix::files
