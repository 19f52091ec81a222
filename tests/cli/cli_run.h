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
#include "support/scratch_folder.h"

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
  const ScratchFolder outputs("zentrix-cli-run");
  CliRun run;
  run.exitCode = detail::runCaptured(program, arguments, outputs.path() / "out",
                                     outputs.path() / "err", before, waitFor);
  run.out = readBytes(outputs.path() / "out");
  run.err = readBytes(outputs.path() / "err");
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
