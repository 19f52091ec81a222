// zentrix-cli's progress line: drawn in place on a terminal once the work
// has run a while, never on a file or a pipe, gone before the next message;
// and Ctrl-C, which stops the work and leaves the old files as they were.
#include "cli/terminal_progress.h"

#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/zentrix_cli.h"
#include "support/golden_file.h"
#include "support/portable.h"

namespace zentrix::app {
namespace {

using zentrix::testing::readBytes;

// A clock the test moves by hand.
struct HandClock {
  double now = 100.0;
  TerminalProgress::Clock clock() {
    return [this] { return now; };
  }
};

TEST(TerminalProgress, DrawsOnATerminalOnceTheWorkHasRunAWhile) {
  std::ostringstream err;
  HandClock time;
  {
    TerminalProgress progress(err, "GENERATE", {true, 0.5}, time.clock());
    EXPECT_TRUE(progress.advance(0.10));
    EXPECT_EQ(err.str(), "") << "nothing for work that may end at once";
    time.now += 0.5;
    EXPECT_TRUE(progress.advance(0.42));
    EXPECT_EQ(err.str(), "\rGENERATE: 42%");
    EXPECT_TRUE(progress.advance(0.425));
    EXPECT_EQ(err.str(), "\rGENERATE: 42%") << "redrawn only when the number changes";
    EXPECT_TRUE(progress.advance(1.0));
    EXPECT_EQ(err.str(), "\rGENERATE: 42%\rGENERATE: 100%");
  }
  EXPECT_EQ(err.str(), "\rGENERATE: 42%\rGENERATE: 100%\r              \r")
      << "the line is blanked out when the work is done";
}

TEST(TerminalProgress, NeverDrawsOnAFileOrAPipeNorForShortWork) {
  std::ostringstream err;
  HandClock time;
  {
    TerminalProgress notTerminal(err, "GENERATE", {false, 0.0}, time.clock());
    TerminalProgress shortWork(err, "Writing a.geo", {true, 0.5}, time.clock());
    for (const double fraction : {0.0, 0.5, 1.0}) {
      time.now += 0.2;
      EXPECT_TRUE(notTerminal.advance(fraction));
      if (fraction < 1.0) {
        EXPECT_TRUE(shortWork.advance(fraction));
      }
    }
  }
  EXPECT_EQ(err.str(), "");
}

// The program itself with its error stream taken for a terminal: the lines
// of GENERATE and of both writers are drawn and blanked out, and the files
// are the files of a run without a terminal.
TEST(TerminalProgress, CommandLineDrawsForGenerateAndEachWriter) {
  const auto folder = testing::makeScratchFolder("zentrix-progress");
  const auto input = (folder / "bridge.dat").string();
  std::filesystem::copy_file(std::filesystem::path(ZENTRIX_EXAMPLES_DIR) / "truss-bridge-3d.dat",
                             input);
  const auto run = [&](bool terminal, const std::string& suffix) {
    const std::string geometry = (folder / ("bridge" + suffix + ".geo")).string();
    const std::string saved = (folder / ("saved" + suffix + ".dat")).string();
    const char* argv[] = {"zentrix-cli", "generate",       input.c_str(),
                          "--geometry",  geometry.c_str(), "--save",
                          saved.c_str(), "--language",     "en"};
    std::ostringstream out, err;
    EXPECT_EQ(runZentrixCli(9, argv, out, err, {terminal, 0.0}), kExitSuccess) << err.str();
    return err.str();
  };
  const std::string shown = run(true, "-terminal");
  const std::string hidden = run(false, "");
  EXPECT_EQ(hidden, "");
  const std::vector<std::string> lines = {
      "GENERATE: ", "Writing " + (folder / "bridge-terminal.geo").string() + ": ",
      "Writing " + (folder / "saved-terminal.dat").string() + ": "};
  for (const std::string& line : lines)
    EXPECT_NE(shown.find("\r" + line), std::string::npos) << line << " in " << shown;
  EXPECT_EQ(shown.back(), '\r') << "blanked out at the end";
  // The files differ only in their end line, which names them, and the date.
  const auto beforeEndLine = [](const std::string& text) {
    return text.substr(0, text.rfind("End of File"));
  };
  EXPECT_EQ(beforeEndLine(readBytes(folder / "bridge-terminal.geo")),
            beforeEndLine(readBytes(folder / "bridge.geo")));
  std::filesystem::remove_all(folder);
}

// Ctrl-C before the work: GENERATE stops, nothing is written, an older file
// stays byte for byte and no temporary file is left. Run in a child process,
// since the interrupt is the process's own.
TEST(TerminalProgress, InterruptStopsTheWorkAndKeepsTheOldFile) {
#if defined(_WIN32)
  ZENTRIX_SKIP_ON_WINDOWS("the interrupt is raised in a child made by fork()");
#else
  const auto folder = testing::makeScratchFolder("zentrix-interrupt");
  const auto input = (folder / "bridge.dat").string();
  const auto geometry = (folder / "bridge.geo").string();
  std::filesystem::copy_file(std::filesystem::path(ZENTRIX_EXAMPLES_DIR) / "truss-bridge-3d.dat",
                             input);
  testing::writeBytes(geometry, "older\r\n");
  const pid_t child = fork();
  if (child == 0) {
    cancelOnInterrupt();
    std::raise(SIGINT);
    const char* argv[] = {"zentrix-cli",    "generate",   input.c_str(), "--geometry",
                          geometry.c_str(), "--language", "en"};
    std::ostringstream out, err;
    const int code = runZentrixCli(7, argv, out, err);
    const bool said = err.str() == "GENERATE was cancelled: the previous structure is kept.\n";
    _exit(interrupted() && said ? code : 100);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), kExitFailure);
  EXPECT_EQ(readBytes(geometry), "older\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 2);
  std::filesystem::remove_all(folder);
#endif
}

// How each stop signal is set up, seen in a child process, since the
// dispositions are the process's own. The first Ctrl-C used to be swallowed
// by a restarted system call, and an inherited "ignore" was overridden.
TEST(TerminalProgress, StopSignalsInterruptWaitsAndKeepAnInheritedIgnore) {
#if defined(_WIN32)
  GTEST_SKIP() << "POSIX signal dispositions, seen through fork: Windows has neither";
#else
  struct Case {
    int signal;
    bool ignoredBefore;
  };
  for (const Case c : {Case{SIGINT, false}, Case{SIGTERM, false}, Case{SIGHUP, false},
                       Case{SIGINT, true}, Case{SIGHUP, true}}) {
    const pid_t child = fork();
    if (child == 0) {
      if (c.ignoredBefore) std::signal(c.signal, SIG_IGN);
      cancelOnInterrupt();
      struct sigaction now {};
      sigaction(c.signal, nullptr, &now);
      if (c.ignoredBefore) _exit(now.sa_handler == SIG_IGN ? 0 : 10);
      if ((now.sa_flags & SA_RESTART) != 0) _exit(11);
      std::raise(c.signal);
      _exit(interrupted() && stopSignal() == c.signal ? 0 : 12);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << c.signal;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "signal " << c.signal << ", ignored " << c.ignoredBefore;
  }
#endif
}

}  // namespace
}  // namespace zentrix::app
