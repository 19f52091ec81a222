// zentrix-cli: loads a Zentrix Input File, runs GENERATE and writes the
// chosen files, as the desktop program's Old File, GENERATE, Save Data,
// CREATE and Base-module preview do, without a window.
//
//   zentrix-cli generate INPUT [--geometry FILE] [--save FILE] [--base-module]
//                              [--vtu FILE] [--msh FILE] [--dxf FILE]
//                              [--language en|ro] [--base0-last on|off] [--force]
//
// Messages go to `err`, the closing message of a written Geometry File to
// `out`, in the chosen language. Exit codes are the kExit* values below.
// While GENERATE and the writers work on a large structure a progress line
// is drawn on `err` when `display` says it is a terminal (terminal_progress.h).
#pragma once

#include <iosfwd>
#include <string>

#include "cli/terminal_progress.h"
#include "model/model.h"

namespace zentrix::app {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;   // bad input file, refused data, a file not written
inline constexpr int kExitUsage = 2;     // the command line itself is wrong
inline constexpr int kExitDeclined = 3;  // module length differs and --force was not given

// The language of messages and written files: `choice` ("en", "ro"), or
// when empty the settings files of the current folder, as the desktop
// program reads them; a warning on `err` when the folder cannot be found.
// True for Romanian.
bool languageIsRomanian(const std::string& choice, std::ostream& err);

// Loads the Zentrix Input File `input` into `model` as "Old File" does.
// When it cannot, says why on `err` and returns false; `model` is then as
// it was.
bool loadCommandInput(model::Model& model, const std::string& input, bool romanian,
                      std::ostream& err);

int runZentrixCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                  const ProgressDisplay& display = {});

}  // namespace zentrix::app
