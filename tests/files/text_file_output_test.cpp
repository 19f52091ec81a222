#include "files/text_file_output.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/resource.h>
#endif

#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>

#include "support/portable.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

std::size_t entriesIn(const std::filesystem::path& folder) {
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator{}));
}

// More than one block of the output's buffer, so that it is written in parts.
std::string largeText() {
  std::string text;
  for (int i = 0; text.size() < (std::size_t{9} << 20); ++i)
    text += "line " + std::to_string(i) + "\r\n";
  return text;
}

model::Outcome writeThrough(const std::string& path, const std::string& text,
                            bool romanian = false) {
  TextFileOutput out(path, romanian);
  if (out.open()) {
    // Half through `write`, half formatted in place through `reserve`.
    const std::size_t half = text.size() / 2;
    out.write(std::string_view(text).substr(0, half));
    for (std::size_t at = half; at < text.size(); at += 1000) {
      const std::size_t count = std::min<std::size_t>(1000, text.size() - at);
      char* to = out.reserve(count);
      text.copy(to, count, at);
      out.advanceTo(to + count);
    }
  }
  return out.finish();
}

TEST(TextFileOutput, ReplacesTheFileWholeAndLeavesNothingBeside) {
  ScratchFolder folder;
  const std::string path = folder.file("out.dat");
  writeBytes(path, "old content that is longer than the new one\r\n");
  ASSERT_TRUE(writeThrough(path, "new\r\n"));
  EXPECT_EQ(readBytes(path), "new\r\n");
  const std::string large = largeText();
  ASSERT_TRUE(writeThrough(path, large));
  EXPECT_EQ(readBytes(path), large);
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

TEST(TextFileOutput, KeepsThePermissionsOfTheReplacedFile) {
  ZENTRIX_SKIP_ON_WINDOWS("a file has no group permission bits");
  ScratchFolder folder;
  const std::string path = folder.file("out.dat");
  writeBytes(path, "old");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                         std::filesystem::perms::owner_write |
                                         std::filesystem::perms::group_read);
  ASSERT_TRUE(writeThrough(path, "new"));
  EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms::owner_read |
                                                             std::filesystem::perms::owner_write |
                                                             std::filesystem::perms::group_read);
}

TEST(TextFileOutput, FollowsASymbolicLinkAndReplacesItsFile) {
  ZENTRIX_SKIP_ON_WINDOWS("symbolic links need a privilege");
  ScratchFolder folder;
  writeBytes(folder.file("real.dat"), "old");
  std::filesystem::create_symlink(folder.file("real.dat"), folder.file("link.dat"));
  ASSERT_TRUE(writeThrough(folder.file("link.dat"), "new"));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.file("link.dat")));
  EXPECT_EQ(readBytes(folder.file("real.dat")), "new");
}

// Creation that fails: a folder path through a regular file, a missing
// folder, a folder in place of the file. Tests run as root, where permission
// bits would not stop the write.
TEST(TextFileOutput, ReportsAFileItCannotCreateByName) {
  ScratchFolder folder;
  writeBytes(folder.file("plain"), "x");
  std::filesystem::create_directory(folder.path() / "folder.dat");
  struct Case {
    std::string path;
    bool romanian;
    std::string message;
  };
  const Case cases[] = {
      {folder.file("plain") + "/out.dat", false,
       "Cannot create the file \"" + folder.file("plain") + "/out.dat\": \"" +
           folder.file("plain") + "\" is not a folder"},
      {folder.file("none") + "/out.dat", true,
       "Nu se poate crea fisierul \"" + folder.file("none") +
           "/out.dat\": Fisierul sau dosarul nu exista"},
      {folder.file("folder.dat"), false,
       "Cannot create the file \"" + folder.file("folder.dat") + "\": Is a folder"},
  };
  for (const auto& c : cases) {
    const model::Outcome outcome = writeThrough(c.path, "text", c.romanian);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message, c.message);
  }
  EXPECT_EQ(readBytes(folder.file("plain")), "x");
  EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "folder.dat"));
  EXPECT_EQ(entriesIn(folder.path()), 2u);
}

// A device is written directly; its failure must not pass for success.
TEST(TextFileOutput, ReportsAFullDevice) {
  ZENTRIX_SKIP_ON_WINDOWS("there is no full device like /dev/full");
  for (const std::string& text : {std::string("short\r\n"), largeText()}) {
    const model::Outcome outcome = writeThrough("/dev/full", text);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message, "Cannot write the file \"/dev/full\": No space left on device");
  }
}

TEST(TextFileOutput, WritesToADeviceThatTakesIt) {
  ZENTRIX_SKIP_ON_WINDOWS("/dev/null is a Linux name");
  EXPECT_TRUE(writeThrough("/dev/null", largeText()));
}

// A write that fails half-way (here: the file size limit, as a full disk
// would) leaves the old file byte for byte and no temporary file.
TEST(TextFileOutput, FailedWriteLeavesTheOldFileIntact) {
#if defined(_WIN32)
  ZENTRIX_SKIP_ON_WINDOWS("a process has no file size limit");
#else
  ScratchFolder folder;
  const std::string path = folder.file("out.dat");
  const std::string old = "the old file\r\nwith two lines\r\n";
  writeBytes(path, old);

  rlimit previous{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = previous;
  small.rlim_cur = 1 << 20;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const model::Outcome outcome = writeThrough(path, largeText());
  setrlimit(RLIMIT_FSIZE, &previous);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.message, "Cannot write the file \"" + path + "\": File too large");
  EXPECT_EQ(readBytes(path), old);
  EXPECT_EQ(entriesIn(folder.path()), 1u);
#endif
}

TEST(TextFileOutput, AbandonLeavesTheOldFileIntact) {
  ScratchFolder folder;
  const std::string path = folder.file("out.dat");
  writeBytes(path, "old");
  {
    TextFileOutput out(path, false);
    ASSERT_TRUE(out.open());
    out.write(largeText());
    out.abandon();
  }
  {
    TextFileOutput out(path, false);  // dropped without finish: the same
    ASSERT_TRUE(out.open());
    out.line("never");
  }
  EXPECT_EQ(readBytes(path), "old");
  EXPECT_EQ(entriesIn(folder.path()), 1u);
}

// The reserve seam: every reservation has the store slack after it, also
// the one that fills the buffer to its end or is larger than the buffer, so
// stores past the reserved count never leave the buffer (the address
// sanitizer build checks it), and only the reserved count is written.
struct ReserveCase {
  const char* name;
  std::size_t before;  // characters written before the reservation
  std::size_t count;
};

class ReserveSeam : public ::testing::TestWithParam<ReserveCase> {};

TEST_P(ReserveSeam, StoresIntoTheSlackStayInsideTheBuffer) {
  ScratchFolder folder;
  const std::string path = folder.file("slack.txt");
  const ReserveCase& c = GetParam();
  TextFileOutput out(path, false);
  ASSERT_TRUE(out.open());
  out.write(std::string(c.before, 'a'));
  char* at = out.reserve(c.count);
  std::memset(at, 'b', c.count + TextFileOutput::kStoreSlack);
  out.advanceTo(at + c.count);
  out.write("\r\n");
  ASSERT_TRUE(out.finish());
  EXPECT_EQ(readBytes(path), std::string(c.before, 'a') + std::string(c.count, 'b') + "\r\n");
}

constexpr std::size_t kBlock = std::size_t{4} << 20;

INSTANTIATE_TEST_SUITE_P(Reservations, ReserveSeam,
                         ::testing::Values(ReserveCase{"Empty", 0, 0},
                                           ReserveCase{"OneLine", 10, 80},
                                           ReserveCase{"UpToTheBlockEnd", kBlock - 80, 80},
                                           ReserveCase{"AcrossTheBlockEnd", kBlock - 40, 80},
                                           ReserveCase{"LargerThanTheBlock", 7, kBlock + 1}),
                         [](const auto& reservation) {
                           return std::string(reservation.param.name);
                         });

TEST(ReserveSeamDeathTest, AdvancingPastTheReservationIsCaught) {
#ifdef NDEBUG
  GTEST_SKIP() << "assertions are compiled out in this build";
#else
  ScratchFolder folder;
  EXPECT_DEATH(
      {
        TextFileOutput out(folder.file("over.txt"), false);
        out.open();
        char* at = out.reserve(10);
        out.advanceTo(at + 11);
      },
      "");
#endif
}

}  // namespace
}  // namespace zentrix::files
