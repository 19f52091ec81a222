// The one way tests run the built zentrix-cli: in a child process (no
// shell), its standard streams in files, as `runProgram` runs a program.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "support/golden_file.h"
#include "support/portable.h"
#include "support/scratch_folder.h"

namespace zentrix::testing {

using CliRun = ProgramRun;

inline std::string cliProgram() {
  return ZENTRIX_CLI;
}

// zentrix-cli with `arguments` (and, where fork exists, `runProgram`'s
// `before` and `waitFor`).
template <class... Hooks>
CliRun runCli(const std::vector<std::string>& arguments, const Hooks&... hooks) {
  return runProgram(cliProgram(), arguments, hooks...);
}

inline std::filesystem::path example(const std::string& name) {
  return std::filesystem::path(ZENTRIX_EXAMPLES_DIR) / (name + ".dat");
}

}  // namespace zentrix::testing
