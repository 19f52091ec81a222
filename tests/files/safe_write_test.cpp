// The one way files are written, against what can go wrong around it: who
// may see the temporary file, whose file is replaced, which names fit, what
// is not a regular file, several files that must change together, and a
// kill -9 at any moment.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <fcntl.h>
#include <pwd.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "files/text_file_output.h"
#include "support/scratch_folder.h"

namespace zentrix::files {
namespace {

using namespace zentrix::testing;  // the shared test support

namespace fs = std::filesystem;

std::vector<fs::path> entriesIn(const fs::path& folder) {
  std::vector<fs::path> entries;
  for (const auto& entry : fs::directory_iterator(folder)) entries.push_back(entry.path());
  return entries;
}

model::Outcome writeText(const std::string& path, const std::string& text,
                         StagedFiles* staged = nullptr, bool romanian = false) {
  TextFileOutput out(path, romanian, staged);
  if (out.open()) out.write(text);
  return out.finish();
}

[[maybe_unused]] std::string largeText(std::size_t bytes) {
  std::string text;
  text.reserve(bytes + 32);
  for (int i = 0; text.size() < bytes; ++i) text += "node " + std::to_string(i) + "\r\n";
  return text;
}

TEST(SafeWrite, EmptyPathIsRefused) {
  EXPECT_EQ(writeText("", "x").message, "Cannot create the file \"\": the file name is empty");
}

TEST(SafeWrite, StagedFilesChangeTogetherOrNotAtAll) {
  ScratchFolder folder;
  const std::string first = folder.file("first.dat");
  const std::string second = folder.file("second.dat");
  writeBytes(first, "old 1");
  writeBytes(second, "old 2");
  {
    StagedFiles staged;
    ASSERT_TRUE(writeText(first, "new 1", &staged));
    ASSERT_TRUE(writeText(second, "new 2", &staged));
    EXPECT_EQ(readBytes(first), "old 1") << "nothing changes before the commit";
  }
  EXPECT_EQ(readBytes(first), "old 1") << "dropped without commit";
  EXPECT_EQ(readBytes(second), "old 2");
  EXPECT_EQ(entriesIn(folder.path()).size(), 2u);
  StagedFiles staged;
  ASSERT_TRUE(writeText(first, "new 1", &staged));
  ASSERT_TRUE(writeText(second, "new 2", &staged));
  ASSERT_TRUE(staged.commit());
  EXPECT_EQ(readBytes(first), "new 1");
  EXPECT_EQ(readBytes(second), "new 2");
  EXPECT_EQ(entriesIn(folder.path()).size(), 2u);
}

#if defined(_WIN32)

TEST(SafeWrite, PosixMechanismsAreTestedWhereTheyExist) {
  GTEST_SKIP() << "modes, owners, other users, FIFOs, O_TMPFILE and kill -9 are POSIX mechanisms";
}

#else

mode_t modeOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::lstat(path.c_str(), &status), 0) << path;
  return status.st_mode & 07777;
}

// Another user's view: run `work` in a child process as nobody; its exit
// code comes back. Needs root.
int asNobody(const std::function<int()>& work) {
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0) ::_exit(120);
    ::_exit(work());
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The temporary file used to be created 0644 and filled before its mode was
// set: another user could read a private model's output while it was written.
TEST(SafeWrite, TemporaryFileIsPrivateFromItsFirstByte) {
  ScratchFolder folder;
  const mode_t previous = ::umask(0);
  {
    TextFileOutput out(folder.file("out.dat"), false);
    ASSERT_TRUE(out.open());
    out.writeBlock("secret", 6);
    for (const fs::path& entry : entriesIn(folder.path())) {
      EXPECT_EQ(modeOf(entry) & 077, 0u) << entry << " is readable by others while written";
      EXPECT_EQ(entry.filename().string().rfind(".zentrix-", 0), 0u) << entry;
    }
    ASSERT_TRUE(out.finish());
  }
  ::umask(previous);
  EXPECT_EQ(modeOf(folder.file("out.dat")), 0666u) << "a new file gets the user's usual mode";
}

TEST(SafeWrite, ReadOnlyFileIsRefusedAndKept) {
  ScratchFolder folder;
  const std::string path = folder.file("kept.dat");
  writeBytes(path, "old");
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  for (const auto& [romanian, message] :
       {std::pair{false, "Cannot write the file \"" + path + "\": the file is read-only"},
        std::pair{true, "Nu se poate scrie fisierul \"" + path +
                            "\": fisierul este doar pentru citire"}}) {
    const model::Outcome outcome = writeText(path, "new", nullptr, romanian);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message, message);
  }
  EXPECT_EQ(readBytes(path), "old");
  EXPECT_EQ(entriesIn(folder.path()).size(), 1u);
}

// A user who may write into the folder but not the file used to replace it.
TEST(SafeWrite, FileAnotherUserMayNotWriteIsKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to run a part as the user nobody";
  ScratchFolder folder;
  fs::permissions(folder.path(), fs::perms::all);
  const std::string path = folder.file("roots.dat");
  writeBytes(path, "root's file");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                            fs::perms::others_read);
  const int code = asNobody([&] {
    const model::Outcome outcome = writeText(path, "replaced");
    return outcome ? 1 : outcome.message.ends_with("the file is read-only") ? 0 : 2;
  });
  if (code == -1) GTEST_SKIP() << "there is no user nobody";
  EXPECT_EQ(code, 0);
  EXPECT_EQ(readBytes(path), "root's file");
}

TEST(SafeWrite, ModeAndOwnerOfTheReplacedFileAreKept) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root, to give a file to another user";
  const passwd* nobody = ::getpwnam("nobody");
  if (nobody == nullptr) GTEST_SKIP() << "there is no user nobody";
  ScratchFolder folder;
  const std::string path = folder.file("theirs.dat");
  writeBytes(path, "old");
  ASSERT_EQ(::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
  ASSERT_TRUE(writeText(path, "new"));
  struct stat status {};
  ASSERT_EQ(::stat(path.c_str(), &status), 0);
  EXPECT_EQ(status.st_uid, nobody->pw_uid);
  EXPECT_EQ(status.st_gid, nobody->pw_gid);
  EXPECT_EQ(status.st_mode & 07777, 0640u);
  EXPECT_EQ(readBytes(path), "new");
}

// Valid names of 240 to 255 bytes used to fail: the temporary name was the
// target's with 16 characters added.
TEST(SafeWrite, NamesUpToTheLongestTheSystemAllowsAreWritten) {
  ScratchFolder folder;
  for (const std::size_t length : {240u, 250u, 255u}) {
    const std::string path = folder.file(std::string(length - 4, 'n') + ".dat");
    ASSERT_TRUE(writeText(path, "x")) << length;
    EXPECT_EQ(readBytes(path), "x");
  }
  const std::string tooLong = folder.file(std::string(256, 'n'));
  EXPECT_EQ(writeText(tooLong, "x").message,
            "Cannot create the file \"" + tooLong + "\": File name too long");
}

TEST(SafeWrite, PipeIsWrittenWhenReadAndRefusedAtOnceWhenNot) {
  ScratchFolder folder;
  const std::string pipe = folder.file("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(writeText(pipe, "x").message,
            "Cannot create the file \"" + pipe + "\": No program reads from this pipe");
  std::string received;
  std::thread reader([&] { received = readBytes(pipe); });
  // The reader must have opened its end before the write may start.
  model::Outcome outcome;
  for (int attempt = 0; attempt < 2000; ++attempt) {
    outcome = writeText(pipe, "through the pipe");
    if (outcome) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  reader.join();
  EXPECT_TRUE(outcome) << outcome.message;
  EXPECT_EQ(received, "through the pipe");
  EXPECT_TRUE(fs::is_fifo(pipe));
}

// kill -9 at 20 moments spread over large writes: the old file is there
// whole, or the new one whole; nothing else is left that others could read.
TEST(SafeWrite, KillNineAtAnyMomentLeavesAWholeFile) {
  ScratchFolder folder;
  const std::string path = folder.file("model.geo");
  const std::string old = "the old file\r\n";
  const std::string text = largeText(std::size_t{24} << 20);
  // How long one write takes here, to spread the kills over it.
  const auto started = std::chrono::steady_clock::now();
  ASSERT_TRUE(writeText(folder.file("timing.geo"), text));
  const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - started);
  fs::remove(folder.file("timing.geo"));
  std::mt19937 moments(20261208);  // fixed: the same moments every run
  int oldKept = 0;
  for (int run = 0; run < 20; ++run) {
    writeBytes(path, old);
    const auto delay = std::chrono::microseconds(
        std::uniform_int_distribution<long long>(0, duration.count() * 5 / 4)(moments));
    const pid_t child = ::fork();
    if (child == 0) {
      ::_exit(writeText(path, text) ? 0 : 1);
    }
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string now = readBytes(path);
    EXPECT_TRUE(now == old || now == text) << "run " << run << ": " << now.size() << " bytes";
    oldKept += now == old ? 1 : 0;
    for (const fs::path& entry : entriesIn(folder.path())) {
      if (entry == path) continue;
      EXPECT_EQ(modeOf(entry) & 077, 0u) << "a leftover others can read: " << entry;
      EXPECT_EQ(entry.filename().string().rfind(".zentrix-", 0), 0u) << entry;
      fs::remove(entry);
    }
  }
  EXPECT_GT(oldKept, 0) << "some kills came in the middle of a write";
}

// A killed run leaves no temporary file on Linux (docs/file-safety.md); without
// /proc (a container, a chroot) it leaves a named one, private to the user.
TEST(SafeWrite, WithoutProcAKilledRunLeavesOnlyAPrivateNamedFile) {
  ScratchFolder folder;
  const std::string path = folder.file("model.geo");
  writeBytes(path, "old");
  const pid_t child = ::fork();
  if (child == 0) {
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::umount2("/proc", MNT_DETACH) != 0)
      ::_exit(77);
    TextFileOutput out(path, false);
    if (out.open()) out.writeBlock("secret", 6);
    ::raise(SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
    GTEST_SKIP() << "/proc cannot be taken away here (needs root and mount namespaces)";
  EXPECT_EQ(readBytes(path), "old");
  int leftovers = 0;
  for (const fs::path& entry : entriesIn(folder.path())) {
    if (entry == path) continue;
    ++leftovers;
    EXPECT_EQ(modeOf(entry), 0600u) << entry;
    EXPECT_TRUE(entry.filename().string().starts_with(".zentrix-")) << entry;
    EXPECT_TRUE(entry.filename().string().ends_with(".tmp")) << entry;
  }
  EXPECT_EQ(leftovers, 1);
}

// Several files used to be put in place one after another: a failure at
// the second left the first replaced. Each row makes one step of a
// two-file replacement fail (the `occurrence`-th time the step comes;
// checks come once at open and once before the renames).
struct StepFailure {
  const char* name;
  platform::Step step;
  int occurrence;
  const char* failing;  // the file the message names
  const char* after;    // what the message says after its first line
};

class TwoFileReplacementTest : public ::testing::TestWithParam<StepFailure> {
 protected:
  void TearDown() override { platform::setStepHookForTests({}); }
};

TEST_P(TwoFileReplacementTest, FailureAtAnyStepLeavesBothOldFiles) {
  const StepFailure row = GetParam();
  ScratchFolder folder;
  const std::string first = folder.file("first.dat");
  const std::string second = folder.file("second.dat");
  writeBytes(first, "old 1");
  writeBytes(second, "old 2");
  std::map<platform::Step, int> seen;
  const bool putBackFails = std::string_view(row.name) == "PutBackOfTheFirst";
  platform::setStepHookForTests([&](platform::Step step, const fs::path&) {
    const int count = ++seen[step];
    if (putBackFails && step == platform::Step::kPutBack) return EIO;
    return step == row.step && count == row.occurrence ? EIO : 0;
  });
  model::Outcome outcome;
  {
    StagedFiles staged;
    outcome = writeText(first, "new 1", &staged);
    if (outcome) outcome = writeText(second, "new 2", &staged);
    if (outcome) outcome = staged.commit();
  }
  platform::setStepHookForTests({});
  if (seen[row.step] < row.occurrence) GTEST_SKIP() << "this system has no such step";
  EXPECT_FALSE(outcome);
  const std::string failing = folder.file(row.failing);
  std::string after = row.after;
  for (const auto& [mark, path] : {std::pair{"{1}", first}, std::pair{"{2}", second}})
    if (const auto at = after.find(mark); at != std::string::npos)
      after.replace(at, 3, "\"" + path + "\"");
  EXPECT_EQ(outcome.message.substr(0, outcome.message.find(putBackFails ? '(' : '\0')),
            "Cannot write the file \"" + failing + "\": Input/output error" + after);
  EXPECT_EQ(readBytes(second), "old 2");
  if (!putBackFails) {
    EXPECT_EQ(readBytes(first), "old 1");
    EXPECT_EQ(entriesIn(folder.path()).size(), 2u) << "nothing else is left";
    return;
  }
  // The old first file is kept where the message says.
  const auto kept = outcome.message.find("kept in \"");
  ASSERT_NE(kept, std::string::npos) << outcome.message;
  const auto start = kept + 9;
  const std::string keptPath =
      outcome.message.substr(start, outcome.message.find('"', start) - start);
  EXPECT_EQ(readBytes(keptPath), "old 1");
  EXPECT_EQ(readBytes(first), "new 1");
}

constexpr const char* kNoFileChanged = "\nNo file was changed.";
constexpr const char* kFirstPutBack = "\n{1} was put back as it was.\nNo file was changed.";

INSTANTIATE_TEST_SUITE_P(
    Steps, TwoFileReplacementTest,
    ::testing::Values(
        StepFailure{"WriteOfTheSecond", platform::Step::kWrite, 2, "second.dat", ""},
        StepFailure{"SyncOfTheSecond", platform::Step::kSync, 2, "second.dat", kNoFileChanged},
        StepFailure{"ModeOfTheSecond", platform::Step::kMode, 2, "second.dat", kNoFileChanged},
        StepFailure{"NameOfTheSecond", platform::Step::kName, 2, "second.dat", kNoFileChanged},
        StepFailure{"CheckOfTheSecond", platform::Step::kCheck, 4, "second.dat", kNoFileChanged},
        StepFailure{"KeepOfTheSecond", platform::Step::kKeep, 2, "second.dat", kNoFileChanged},
        StepFailure{"RenameOfTheFirst", platform::Step::kRename, 1, "first.dat", kNoFileChanged},
        StepFailure{"RenameOfTheSecond", platform::Step::kRename, 2, "second.dat", kFirstPutBack},
        StepFailure{"FolderSyncAfterTheRenames", platform::Step::kSync, 3, "first.dat",
                    "\n{1} was put back as it was.\n{2} was put back as it was.\nNo file was "
                    "changed."},
        StepFailure{"PutBackOfTheFirst", platform::Step::kRename, 2, "second.dat",
                    "\n{1} could not be put back "}),
    [](const auto& test) { return std::string(test.param.name); });

#endif  // _WIN32

}  // namespace
}  // namespace zentrix::files
