// zentrix-cli against the paths, streams and signals a careless caller or a
// script hands it: outputs naming one file or the input, empty paths, the
// standard output as a file, pipes without a peer, a deleted current folder,
// an unprintable standard output, signals in the middle of a write. Every
// case leaves the files it must not touch byte for byte.
#include <gtest/gtest.h>

#if defined(_WIN32)

TEST(CliFileSafety, PosixMechanismsAreTestedWhereTheyExist) {
  GTEST_SKIP() << "these runs use fork, signals, FIFOs and /dev: POSIX mechanisms";
}

#else

#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "support/cli_runner.h"
#include "support/golden_file.h"

namespace zentrix {
namespace {

using testing::CliRun;
using testing::example;
using testing::readBytes;
using testing::runCli;
using testing::writeBytes;

// A hang must fail the test, not stop the suite: the program gets SIGALRM.
void hangsAreFailures() {
  ::alarm(20);
}

class CliFileSafetyTest : public testing::ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    std::filesystem::copy_file(example("arch-circular-2d"), "arch.dat");
  }
};

// ----------------------------------------------------- outputs that collide

struct CollisionCase {
  const char* name;
  std::vector<std::string> options;
  const char* message;
};

class OutputCollisionTest : public CliFileSafetyTest,
                            public ::testing::WithParamInterface<CollisionCase> {};

TEST_P(OutputCollisionTest, IsAUsageErrorBeforeAnythingIsWritten) {
  std::vector<std::string> arguments = {"generate", "arch.dat", "--language", "en"};
  arguments.insert(arguments.end(), GetParam().options.begin(), GetParam().options.end());
  const CliRun run = runCli(arguments);
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_EQ(run.err, std::string(GetParam().message) + "\n");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(folderListing(), "arch.dat ");
  EXPECT_EQ(readBytes("arch.dat"), readBytes(example("arch-circular-2d")));
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, OutputCollisionTest,
    ::testing::Values(
        CollisionCase{"GeometryAndSaveNameOneFile",
                      {"--geometry", "out.dat", "--save", "./out.dat"},
                      "--geometry and --save name the same file \"./out.dat\"; nothing was "
                      "written."},
        CollisionCase{"GeometryNamesTheInput",
                      {"--geometry", "./arch.dat"},
                      "--geometry names the input file \"./arch.dat\"; nothing was written."},
        CollisionCase{"GeometryNamesTheBaseModuleFile",
                      {"--geometry", "arch-BaseModule.dat", "--base-module"},
                      "--geometry and --base-module name the same file \"arch-BaseModule.dat\"; "
                      "nothing was written."},
        CollisionCase{"SaveNamesTheBaseModuleFile",
                      {"--save", "arch-BaseModule.dat", "--base-module"},
                      "--save and --base-module name the same file \"arch-BaseModule.dat\"; "
                      "nothing was written."},
        CollisionCase{"EmptyGeometryPath", {"--geometry", ""}, "--geometry: the path is empty"},
        CollisionCase{"EmptySavePath", {"--save", ""}, "--save: the path is empty"}),
    [](const auto& test) { return std::string(test.param.name); });

// A link to a file not there yet and that file's own path used to count
// as two files: one output was silently lost.
TEST_F(CliFileSafetyTest, OutputsNamingOneFileThroughADanglingLinkCollide) {
  std::filesystem::create_directory("results");
  std::filesystem::create_symlink("results/arch.geo", "arch.geo");
  const CliRun run = runCli({"generate", "arch.dat", "--geometry", "arch.geo", "--save",
                             "results/arch.geo", "--language", "en"});
  EXPECT_EQ(run.exitCode, 2) << run.err;
  EXPECT_EQ(run.err,
            "--geometry and --save name the same file \"results/arch.geo\"; nothing was "
            "written.\n");
  EXPECT_TRUE(std::filesystem::is_empty("results"));
}

TEST_F(CliFileSafetyTest, SaveOverTheInputStaysAllowed) {
  const CliRun run = runCli({"generate", "arch.dat", "--save", "arch.dat", "--language", "en"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(folderListing(), "arch.dat ");
}

// A failed --save after a good --geometry used to leave the Geometry File
// replaced while the exit code said failure.
TEST_F(CliFileSafetyTest, SaveFailureLeavesTheGeometryFileAsItWas) {
  writeBytes("arch.geo", "older\r\n");
  const CliRun run = runCli({"generate", "arch.dat", "--geometry", "arch.geo", "--save",
                             "missing/saved.dat", "--language", "en"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "Cannot create the file \"missing/saved.dat\": No such file or directory\n");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(readBytes("arch.geo"), "older\r\n");
  EXPECT_EQ(folderListing(), "arch.dat arch.geo ");
}

// ------------------------------------------------- streams, pipes, folders

// `--geometry /dev/stdout >> build.log` used to rename a temporary file over
// build.log: the log was lost.
TEST_F(CliFileSafetyTest, StandardOutputAsGeometryFileAppendsToTheRedirectedFile) {
  writeBytes("build.log", "earlier log line\n");
  const auto before = std::filesystem::status("build.log");
  struct stat old {};
  ASSERT_EQ(::stat("build.log", &old), 0);
  const CliRun run =
      runCli({"generate", "arch.dat", "--geometry", "/dev/stdout", "--language", "en"}, [] {
        const int log = ::open("build.log", O_WRONLY | O_APPEND);
        ::dup2(log, 1);
      });
  EXPECT_EQ(run.exitCode, 0) << run.err;
  const std::string log = readBytes("build.log");
  EXPECT_EQ(log.substr(0, 17), "earlier log line\n");
  EXPECT_NE(log.find("// This file was generated by KARVEL: ZENTRIX program."), std::string::npos);
  EXPECT_NE(log.find("Created File: \"/dev/stdout\"."), std::string::npos);
  struct stat now {};
  ASSERT_EQ(::stat("build.log", &now), 0);
  EXPECT_EQ(now.st_ino, old.st_ino) << "the log is the same file, not a replacement";
  EXPECT_EQ(folderListing(), "arch.dat build.log ");
}

TEST_F(CliFileSafetyTest, PipesWithoutAPeerAreRefusedAtOnce) {
  ASSERT_EQ(::mkfifo("out.geo", 0600), 0);
  ASSERT_EQ(::mkfifo("in.dat", 0600), 0);
  const CliRun output = runCli(
      {"generate", "arch.dat", "--geometry", "out.geo", "--language", "en"}, hangsAreFailures);
  EXPECT_EQ(output.exitCode, 1);
  EXPECT_EQ(output.err, "Cannot create the file \"out.geo\": No program reads from this pipe\n");
  const CliRun input = runCli({"generate", "in.dat", "--language", "ro"}, hangsAreFailures);
  EXPECT_EQ(input.exitCode, 1);
  EXPECT_EQ(input.err,
            "Date eronate in fisierul existent (Old File).\nNu se poate deschide fisierul "
            "\"in.dat\": Este o conducta sau un terminal, care ar putea face programul sa astepte "
            "la nesfarsit\n");
}

TEST_F(CliFileSafetyTest, LanguageFileThatIsAPipeOrADeviceIsNotWaitedFor) {
  ASSERT_EQ(::mkfifo("language.dat", 0600), 0);
  EXPECT_EQ(runCli({"generate", "arch.dat"}, hangsAreFailures).exitCode, 0);
  std::filesystem::remove("language.dat");
  std::filesystem::create_symlink("/dev/zero", "language.dat");
  EXPECT_EQ(runCli({"generate", "arch.dat"}, hangsAreFailures).exitCode, 0);
}

TEST_F(CliFileSafetyTest, DeletedCurrentFolderIsNoCrash) {
  const std::string input = (folder() / "arch.dat").string();
  const std::string geometry = (folder() / "arch.geo").string();
  std::filesystem::create_directory("gone");
  const auto intoDeletedFolder = [] {
    if (::chdir("gone") != 0 || ::rmdir("../gone") != 0) ::_exit(125);
  };
  const CliRun given =
      runCli({"generate", input, "--geometry", geometry, "--language", "en"}, intoDeletedFolder);
  EXPECT_EQ(given.exitCode, 0) << given.err;
  EXPECT_EQ(given.err, "");
  std::filesystem::create_directory("gone");
  const CliRun looked = runCli({"generate", input, "--geometry", geometry}, intoDeletedFolder);
  EXPECT_EQ(looked.exitCode, 0) << looked.err;
  EXPECT_EQ(looked.err,
            "Warning: the current folder cannot be found (No such file or directory); the "
            "messages are in English.\n");
  EXPECT_NE(readBytes(geometry).find("This file was generated"), std::string::npos);
}

// "Created File" that cannot be printed used to give exit 0.
TEST_F(CliFileSafetyTest, UnprintableStandardOutputExitsWithOne) {
  const std::vector<std::pair<const char*, std::function<void()> > > outputs = {
      {"full device", [] { ::dup2(::open("/dev/full", O_WRONLY), 1); }},
      {"closed", [] { ::close(1); }},
  };
  for (const auto& [what, redirect] : outputs) {
    std::filesystem::remove("arch.geo");
    const CliRun run =
        runCli({"generate", "arch.dat", "--geometry", "arch.geo", "--language", "en"}, redirect);
    EXPECT_EQ(run.exitCode, 1) << what;
    EXPECT_EQ(run.err, "Cannot write to the standard output; the files were written.\n") << what;
    EXPECT_NE(readBytes("arch.geo").find("This file was generated"), std::string::npos) << what;
  }
  EXPECT_EQ(folderListing(), "arch.dat arch.geo ") << "nothing written in place of stdout";
}

// No sync used to be made: a power cut could leave an empty or partial file
// on file systems without ext4's rename heuristics. The system calls show
// the file synced before it replaces the old one and the folder after.
TEST_F(CliFileSafetyTest, FileAndFolderAreSyncedAroundTheReplacement) {
  const std::string strace = "/usr/bin/strace";
  if (::access(strace.c_str(), X_OK) != 0) GTEST_SKIP() << "strace is not installed";
  writeBytes("arch.geo", "older\r\n");
  const CliRun run = testing::runProgram(
      strace, {"-f", "-o", "calls.txt", "-e", "trace=fsync,fdatasync,rename,renameat,renameat2",
               testing::cliProgram(), "generate", "arch.dat", "--geometry", "arch.geo",
               "--language", "en"});
  const std::string calls = readBytes("calls.txt");
  if (run.exitCode != 0 || calls.empty()) GTEST_SKIP() << "strace cannot trace here: " << run.err;
  const auto renamed = calls.find("arch.geo\"");
  ASSERT_NE(renamed, std::string::npos) << calls;
  const auto syncBefore = calls.rfind("fsync(", renamed);
  const auto syncAfter = calls.find("fsync(", renamed);
  EXPECT_NE(syncBefore, std::string::npos) << "the new file is synced first\n" << calls;
  EXPECT_NE(syncAfter, std::string::npos) << "the folder is synced after\n" << calls;
}

// ------------------------------------------------------------- messages

TEST_F(CliFileSafetyTest, ControlCharactersFromTheFileAreShownEscaped) {
  std::string text = readBytes("arch.dat");
  const std::string record = "\n1 ";
  text.insert(text.find(record) + 1, "\x1b]0;owned\x07 ");
  writeBytes("arch.dat", text);
  const CliRun run = runCli({"generate", "arch.dat", "--language", "en"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err.find('\x1b'), std::string::npos) << "no escape sequence reaches the terminal";
  EXPECT_NE(run.err.find("\\x1b]0;owned\\x07"), std::string::npos) << run.err;
}

struct ShownTextCase {
  const char* name;
  const char* inserted;  // before the first node record
  const char* shown;     // in the message
};

class ShownTextTest : public CliFileSafetyTest,
                      public ::testing::WithParamInterface<ShownTextCase> {};

// U+009B (CSI) in a UTF-8 file used to reach the terminal raw; a legacy
// code page's letters in the same range stay letters.
TEST_P(ShownTextTest, C1ControlCharactersReachTheTerminal) {
  std::string text = readBytes("arch.dat");
  text.insert(text.find("\n1 ") + 1, std::string(GetParam().inserted) + " ");
  writeBytes("arch.dat", text);
  const CliRun run = runCli({"generate", "arch.dat", "--language", "en"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find(GetParam().shown), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Texts, ShownTextTest,
                         ::testing::Values(ShownTextCase{"CsiInUtf8", "\xc2\x9bm", "\\u009bm"},
                                           ShownTextCase{"NextLineInUtf8", "a\xc2\x85z",
                                                         "a\\u0085z"},
                                           ShownTextCase{"Cp1250Letter", "\x9ak", "\x9ak"}),
                         [](const auto& test) { return std::string(test.param.name); });

struct EpochCase {
  const char* name;
  const char* value;
  const char* warning;
};

// generate --geometry arch.geo with SOURCE_DATE_EPOCH set to `value`, in UTC.
CliRun generateAtEpoch(const std::string& value) {
  return runCli({"generate", "arch.dat", "--geometry", "arch.geo", "--language", "en"}, [value] {
    ::setenv("SOURCE_DATE_EPOCH", value.c_str(), 1);
    ::setenv("TZ", "UTC0", 1);
  });
}

class SourceDateEpochTest : public CliFileSafetyTest,
                            public ::testing::WithParamInterface<EpochCase> {};

TEST_P(SourceDateEpochTest, UnusableValueIsAWarningAndTheClockIsUsed) {
  const CliRun run = generateAtEpoch(GetParam().value);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, std::string(GetParam().warning) + "\n");
  const auto lines = testing::linesOf(readBytes("arch.geo"));
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(std::regex_match(lines.back(), std::regex(R"(\d\d/\d\d/2\d\d\d   \d\d:\d\d:\d\d)")))
      << lines.back();
}

constexpr const char* kOutOfRange =
    "Warning: SOURCE_DATE_EPOCH is outside the years 1000 to 9999; the current time is used.";
constexpr const char* kMalformed =
    "Warning: SOURCE_DATE_EPOCH is not a number of seconds; the current time is used.";

INSTANTIATE_TEST_SUITE_P(Values, SourceDateEpochTest,
                         ::testing::Values(EpochCase{"FiveDigitYear", "253402300800", kOutOfRange},
                                           EpochCase{"BeforeYear1000", "-99999999999", kOutOfRange},
                                           EpochCase{"BeyondSixtyFourBits", "99999999999999999999",
                                                     kOutOfRange},
                                           EpochCase{"Exponent", "1e9", kMalformed},
                                           EpochCase{"Words", "yesterday", kMalformed}),
                         [](const auto& test) { return std::string(test.param.name); });

struct DatedCase {
  const char* name;
  const char* value;
  const char* dateLine;
};

class EpochAtTheEndsTest : public CliFileSafetyTest,
                           public ::testing::WithParamInterface<DatedCase> {};

// The last second of 9999 used to be called outside the years 1000 to 9999.
TEST_P(EpochAtTheEndsTest, LastSecondOfYear9999CalledOutOfRange) {
  const CliRun run = generateAtEpoch(GetParam().value);
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.err, "");
  const auto lines = testing::linesOf(readBytes("arch.geo"));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), GetParam().dateLine);
}

INSTANTIATE_TEST_SUITE_P(
    Values, EpochAtTheEndsTest,
    ::testing::Values(DatedCase{"LastSecondOf9999", "253402300799", "31/12/9999   23:59:59"},
                      DatedCase{"FirstSecondOf1000", "-30610224000", "01/01/1000   00:00:00"}),
    [](const auto& test) { return std::string(test.param.name); });

// --------------------------------------------------------------- signals

// True once the program holds a file open in `folder` other than `input`:
// the write has begun.
bool writing(pid_t child, const std::filesystem::path& folder, const std::string& input) {
  std::error_code error;
  for (const auto& entry :
       std::filesystem::directory_iterator("/proc/" + std::to_string(child) + "/fd", error)) {
    const std::string target = std::filesystem::read_symlink(entry.path(), error).string();
    if (target.rfind(folder.string(), 0) == 0 && target.find(input) == std::string::npos)
      return true;
  }
  return false;
}

struct SignalCase {
  const char* name;
  int signal;
  bool ignoredByTheCaller;
};

class SignalDuringWriteTest : public CliFileSafetyTest,
                              public ::testing::WithParamInterface<SignalCase> {};

// A structure large enough that its files take a while to write.
TEST_P(SignalDuringWriteTest, StopsAndLeavesTheOlderFileAndNothingElse) {
  std::string text = readBytes(example("truss-bridge-3d"));
  text.replace(text.find("           8   5.000000"), 23, "       60000   5.000000");
  writeBytes("bridge.dat", text);
  writeBytes("bridge.geo", "older\r\n");
  std::filesystem::remove("arch.dat");
  const SignalCase c = GetParam();
  const auto start = [c] {
    if (c.ignoredByTheCaller) std::signal(c.signal, SIG_IGN);
    hangsAreFailures();
  };
  bool sent = false;
  const auto signalWhileWriting = [&](pid_t child) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (std::chrono::steady_clock::now() < deadline) {
      if (writing(child, folder(), "bridge.dat")) {
        sent = ::kill(child, c.signal) == 0;
        return;
      }
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  };
  const CliRun run = runCli({"generate", "bridge.dat", "--geometry", "bridge.geo", "--save",
                             "saved.dat", "--language", "en"},
                            start, signalWhileWriting);
  ASSERT_TRUE(sent) << "the write was never seen";
  if (c.ignoredByTheCaller) {
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(folderListing(), "bridge.dat bridge.geo saved.dat ");
    EXPECT_NE(readBytes("bridge.geo"), "older\r\n");
    return;
  }
  EXPECT_EQ(run.exitCode, 128 + c.signal) << "ends as the signal would, after cleaning up";
  EXPECT_NE(run.err.find("was cancelled; an existing file of that name is unchanged."),
            std::string::npos)
      << run.err;
  EXPECT_EQ(readBytes("bridge.geo"), "older\r\n");
  EXPECT_EQ(folderListing(), "bridge.dat bridge.geo ") << "no temporary file is left";
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalDuringWriteTest,
                         ::testing::Values(SignalCase{"Interrupt", SIGINT, false},
                                           SignalCase{"Terminate", SIGTERM, false},
                                           SignalCase{"HangUp", SIGHUP, false},
                                           SignalCase{"IgnoredInterrupt", SIGINT, true}),
                         [](const auto& test) { return std::string(test.param.name); });

// ------------------------------------------------ putting files in place

// In a shared sticky folder the geometry file used to be replaced before
// the other user's --save target refused its rename.
TEST_F(CliFileSafetyTest, OtherUsersFileInAStickyFolderLeavesEveryFileAsItWas) {
  const passwd* nobody = ::getpwnam("nobody");
  if (::geteuid() != 0 || nobody == nullptr)
    GTEST_SKIP() << "needs root and the user nobody, to act as a second user";
  std::filesystem::create_directory("w");
  ASSERT_EQ(::chmod("w", 01777), 0);
  writeBytes("w/mine.dat", "mine\r\n");
  writeBytes("w/theirs.dat", "theirs\r\n");
  ASSERT_EQ(::chown("w/mine.dat", nobody->pw_uid, nobody->pw_gid), 0);
  ASSERT_EQ(::chmod("w/theirs.dat", 0666), 0) << "writable: only the folder's rule refuses";
  const uid_t user = nobody->pw_uid;
  const gid_t group = nobody->pw_gid;
  const CliRun run = runCli({"generate", "arch.dat", "--geometry", "w/mine.dat", "--save",
                             "w/theirs.dat", "--language", "en"},
                            [user, group] {
                              if (::setgid(group) != 0 || ::setuid(user) != 0) ::_exit(125);
                            });
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err, "Cannot write the file \"w/theirs.dat\": Permission denied\n");
  EXPECT_EQ(readBytes("w/mine.dat"), "mine\r\n");
  EXPECT_EQ(readBytes("w/theirs.dat"), "theirs\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator("w"), {}), 2) << "nothing left";
}

// A signal after the last cancel check used to let the files be replaced
// and then end the program by the signal, without a word: the caller was
// told the work was stopped while the files had changed.
struct MoveSignalCase {
  const char* name;
  int signal;
  int rename;  // at which rename the signal comes
};

class SignalDuringTheMovesTest : public CliFileSafetyTest,
                                 public ::testing::WithParamInterface<MoveSignalCase> {};

TEST_P(SignalDuringTheMovesTest, WaitsUntilEveryFileIsInPlaceAndExitsZero) {
  const std::string strace = "/usr/bin/strace";
  if (::access(strace.c_str(), X_OK) != 0) GTEST_SKIP() << "strace is not installed";
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "LeakSanitizer does not run under strace";
#endif
  writeBytes("arch.geo", "older\r\n");
  writeBytes("saved.dat", "older\r\n");
  const MoveSignalCase c = GetParam();
  const std::string inject = "inject=rename,renameat,renameat2:signal=" + std::to_string(c.signal) +
                             ":when=" + std::to_string(c.rename);
  const CliRun run = testing::runProgram(
      strace, {"-f", "-o", "/dev/null", "-e", "trace=rename,renameat,renameat2", "-e", inject,
               testing::cliProgram(), "generate", "arch.dat", "--geometry", "arch.geo", "--save",
               "saved.dat", "--language", "en"});
  if (run.err.find("strace:") != std::string::npos)
    GTEST_SKIP() << "strace cannot inject here: " << run.err;
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_NE(run.out.find("Created File: \"arch.geo\"."), std::string::npos) << run.out;
  EXPECT_NE(readBytes("arch.geo"), "older\r\n");
  EXPECT_NE(readBytes("saved.dat"), "older\r\n");
  EXPECT_EQ(folderListing(), "arch.dat arch.geo saved.dat ");
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalDuringTheMovesTest,
                         ::testing::Values(MoveSignalCase{"InterruptAtTheFirstRename", SIGINT, 1},
                                           MoveSignalCase{"TerminateBetweenTheRenames", SIGTERM, 2},
                                           MoveSignalCase{"HangUpBetweenTheRenames", SIGHUP, 2}),
                         [](const auto& test) { return std::string(test.param.name); });

// `ulimit -f` used to end the program by SIGXFSZ (exit 153) without a word.
TEST_F(CliFileSafetyTest, FileSizeLimitIsAMessageAndKeepsTheOldFile) {
  writeBytes("arch.geo", "older\r\n");
  const CliRun run =
      runCli({"generate", "arch.dat", "--geometry", "arch.geo", "--language", "en"}, [] {
        const rlimit limit{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      });
  EXPECT_EQ(run.exitCode, 1) << run.err;
  EXPECT_EQ(run.err, "Cannot write the file \"arch.geo\": File too large\n");
  EXPECT_EQ(readBytes("arch.geo"), "older\r\n");
  EXPECT_EQ(folderListing(), "arch.dat arch.geo ");
}

// A relative output in a deleted current folder used to say "Permission
// denied".
TEST_F(CliFileSafetyTest, RelativeOutputInADeletedCurrentFolderSaysSo) {
  const std::string input = (folder() / "arch.dat").string();
  for (const auto& [language, message] :
       {std::pair{"en", "Cannot create the file \"arch.geo\": the current folder was deleted\n"},
        std::pair{"ro", "Nu se poate crea fisierul \"arch.geo\": dosarul curent a fost sters\n"}}) {
    std::filesystem::create_directory("gone");
    const CliRun run =
        runCli({"generate", input, "--geometry", "arch.geo", "--language", language}, [] {
          if (::chdir("gone") != 0 || ::rmdir("../gone") != 0) ::_exit(125);
        });
    EXPECT_EQ(run.exitCode, 1) << language;
    EXPECT_EQ(run.err, message);
  }
}

// A link to a file not yet there used to be replaced by a regular file,
// and the file it names was never created.
TEST_F(CliFileSafetyTest, DanglingLinkGetsTheFileItNamesCreated) {
  std::filesystem::create_directory("results");
  std::filesystem::create_symlink("results/arch.geo", "arch.geo");
  std::filesystem::create_symlink("missing/arch.geo", "lost.geo");
  const CliRun run = runCli({"generate", "arch.dat", "--geometry", "arch.geo", "--language", "en"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_TRUE(std::filesystem::is_symlink("arch.geo"));
  EXPECT_NE(readBytes("results/arch.geo").find("This file was generated"), std::string::npos);
  const CliRun lost =
      runCli({"generate", "arch.dat", "--geometry", "lost.geo", "--language", "en"});
  EXPECT_EQ(lost.exitCode, 1);
  EXPECT_EQ(lost.err, "Cannot create the file \"lost.geo\": No such file or directory\n");
  EXPECT_TRUE(std::filesystem::is_symlink("lost.geo"));
  EXPECT_EQ(folderListing(), "arch.dat arch.geo lost.geo results ");
}

}  // namespace
}  // namespace zentrix

#endif  // _WIN32
