// zentrix-cli new: writes a complete model made from a template as a
// Zentrix Input File, ready for "Old File", generate or check.
//
//   zentrix-cli new TEMPLATE [--PARAM VALUE ...] -o MODEL.dat [--language en|ro]
//   zentrix-cli new --list [TEMPLATE]
//
// The parameters are the template's own (templates/templates.h); a value
// out of its range is refused, naming the parameter and the range, and
// nothing is written. The file holds the inputs alone: GENERATE has not run.
#pragma once

#include <iosfwd>
#include <string>

#include "cli/cli_command.h"

namespace CLI {
class App;
}

namespace zentrix::app {

struct NewRequest {
  std::string templateName;
  std::string output;
  bool list = false;
  std::string language;  // "en", "ro" or empty: from the settings files
};

// Adds TEMPLATE and the options of `new` to its subcommand; the template's
// parameters are taken from what the subcommand leaves unparsed.
void describeNew(CLI::App& command, NewRequest& request);

// 0 when written (or listed), 1 when the file cannot be written, 2 for a
// usage error: no or an unknown template, a bad parameter, a bad path.
int runNew(const NewRequest& request, const CLI::App& command, std::ostream& out,
           std::ostream& err);

// The command `new` for the dispatcher.
Command newCommand();

}  // namespace zentrix::app
