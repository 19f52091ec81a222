// zentrix-cli: the core from the command line (see cli/zentrix_cli.h).
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

#include "cli/command_line.h"
#include "cli/terminal_progress.h"
#include "cli/zentrix_cli.h"
#include "files/platform_files.h"

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
  zentrix::app::keepStandardStreamsApart();
  zentrix::app::useUtf8Console();
  const std::vector<std::string> arguments = zentrix::app::commandLineArguments(argc, argv);
  std::vector<const char*> utf8Argv;
  for (const std::string& argument : arguments) utf8Argv.push_back(argument.c_str());
  zentrix::app::ProgressDisplay display;
  display.terminal = standardErrorIsATerminal();
  zentrix::app::cancelOnInterrupt();
  zentrix::files::platform::reportOversizedFilesAsErrors();
  const int code = zentrix::app::runZentrixCli(static_cast<int>(utf8Argv.size()), utf8Argv.data(),
                                               std::cout, std::cerr, display);
  // Stopped by a signal: the work was undone; now end as that signal would.
  // A signal that came while the files were put in place waited for them
  // (platform::HeldStopSignals): the work is done, and the exit code says so.
  if (const int signal = zentrix::app::stopSignal();
      signal != 0 && code != zentrix::app::kExitSuccess) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
  }
  return code;
}
