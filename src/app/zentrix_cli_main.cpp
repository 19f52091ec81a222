// zentrix-cli: the core from the command line (see app/cli_generate.h).
#include <cstdio>
#include <iostream>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "app/cli_generate.h"
#include "app/terminal_progress.h"

namespace {

bool standardErrorIsATerminal() {
#if defined(_WIN32)
  return _isatty(_fileno(stderr)) != 0;
#else
  return isatty(STDERR_FILENO) != 0;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  zentrix::app::ProgressDisplay display;
  display.terminal = standardErrorIsATerminal();
  zentrix::app::cancelOnInterrupt();
  return zentrix::app::runZentrixCli(argc, argv, std::cout, std::cerr, display);
}
