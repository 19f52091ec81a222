// Runs the built zentrix-cli in a child process (no shell), with its
// standard streams in files, and returns its exit code and what it said.
// Where fork exists, `before` runs in the child just before the program
// starts (to change the folder, the signals or a standard stream the way a
// caller would) and `waitFor` while it works; elsewhere the run goes through
// the portable runner.
#pragma once

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/golden_file.h"
#include "support/portable.h"

namespace zentrix::testing {

struct CliRun {
  int exitCode = -1;  // 128 + the signal that ended it
  std::string out;
  std::string err;
};

inline std::string cliProgram() {
  return ZENTRIX_CLI;
}

#if defined(_WIN32)

inline CliRun runCli(const std::vector<std::string>& arguments) {
  const ProgramRun run = runProgram(cliProgram(), arguments);
  return {run.exitCode, run.out, run.err};
}

#else

// Starts `program` with `arguments` in the current folder; `waitFor`
// (given the child's id) runs while it works, then the run is waited for.
inline CliRun runChild(const std::string& program, const std::vector<std::string>& arguments,
                       const std::function<void()>& before = {},
                       const std::function<void(pid_t)>& waitFor = {}) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const auto outPath =
      std::filesystem::temp_directory_path() / ("zentrix-cli-out-" + std::to_string(::getpid()));
  const auto errPath =
      std::filesystem::temp_directory_path() / ("zentrix-cli-err-" + std::to_string(::getpid()));
  const pid_t child = ::fork();
  if (child == 0) {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int in = ::open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0) ::_exit(126);
    ::dup2(in, 0);
    ::dup2(out, 1);
    ::dup2(err, 2);
    if (before) before();
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  if (waitFor && child > 0) waitFor(child);
  CliRun run;
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  run.out = readBytes(outPath);
  run.err = readBytes(errPath);
  std::filesystem::remove(outPath);
  std::filesystem::remove(errPath);
  return run;
}

// zentrix-cli with `arguments`, as `runProgram` runs it.
inline CliRun runCli(const std::vector<std::string>& arguments,
                     const std::function<void()>& before = {},
                     const std::function<void(pid_t)>& waitFor = {}) {
  return runChild(cliProgram(), arguments, before, waitFor);
}

#endif

inline std::filesystem::path example(const std::string& name) {
  return std::filesystem::path(ZENTRIX_EXAMPLES_DIR) / (name + ".dat");
}

}  // namespace zentrix::testing
