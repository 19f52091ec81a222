// zentrix-cli: the dispatcher of its commands (generate, check, render),
// each described and run through `Command` (cli_command.h). Messages go to
// `err`, results to `out`; the exit code is one of cli_command.h's.
#pragma once

#include <iosfwd>

#include "cli/cli_command.h"
#include "cli/terminal_progress.h"

namespace zentrix::app {

int runZentrixCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                  const ProgressDisplay& display = {});

}  // namespace zentrix::app
