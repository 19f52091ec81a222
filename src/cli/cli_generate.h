// zentrix-cli generate: loads a Zentrix Input File, runs GENERATE and writes
// the chosen files, as the desktop program's Old File, GENERATE, Save Data,
// CREATE and Base-module preview do, without a window.
//
//   zentrix-cli generate INPUT [--geometry FILE] [--save FILE] [--base-module]
//                              [--vtu FILE] [--msh FILE] [--dxf FILE]
//                              [--language en|ro] [--base0-last on|off] [--force]
//                              [--vtu FILE] [--msh FILE] [--dxf FILE]
//
// Messages go to `err`, the closing message of a written Geometry File to
// `out`, in the chosen language. Exit codes are those of cli_command.h.
// While GENERATE and the writers work on a large structure a progress line
// is drawn on `err` when `display` says it is a terminal (terminal_progress.h).
#pragma once

#include "cli/cli_command.h"

namespace zentrix::app {

// The exit codes as the help texts list them.
extern const char* const kExitCodesText;

Command generateCommand();

}  // namespace zentrix::app
