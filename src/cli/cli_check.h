// zentrix-cli check: loads a Zentrix Input File, runs GENERATE in memory and
// lists what the model check finds, in the chosen language.
//
//   zentrix-cli check INPUT [--language en|ro] [--base0-last on|off]
//
// The findings go to `out` (a heading line, then one line per finding); a
// file that cannot be loaded, or data GENERATE refuses, is named on `err`.
// A module length that differs from the Base module's is no reason to stop:
// the check generates all the same and lists the nodes that do not fit.
// Writes no file. 0 for a clean model, kExitFindings when there are
// findings, 1 when the file cannot be loaded, GENERATE refuses its data or
// is interrupted, or `out` cannot take the findings; 2 for an empty INPUT.
#pragma once

#include "cli/cli_command.h"

namespace zentrix::app {

Command checkCommand();

}  // namespace zentrix::app
