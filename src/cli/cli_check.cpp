#include "cli/cli_check.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/command_paths.h"
#include "generation/model_check.h"
#include "generation/run.h"
#include "model/model.h"

namespace zentrix::app {

namespace {

constexpr const char* kCheckExitCodesText =
    "Exit codes:\n"
    "  0  the model check found nothing\n"
    "  1  the input file could not be read or holds wrong data, GENERATE\n"
    "     refused the data, or the findings could not be printed\n"
    "  2  usage error on the command line\n"
    "  4  the model check found something (the findings are listed)\n";

void describeCheck(CLI::App& check, CommonOptions& options) {
  describeInput(check, options, "Zentrix Input File to load (as \"Old File\" does)");
  describeLanguageAndNumbering(
      check, options,
      "language of the findings; default: from language.dat in the\n"
      "current directory (as the desktop program)",
      "the numbering the findings use, as for generate: on gives the first\n"
      "module's Base 0 nodes the last numbers, off keeps them 1 to K");
  check.footer(kCheckExitCodesText);
}

// A different module length is one of the things the check reports, so
// the run always goes on.
int runCheck(CommonOptions& options, const CLI::App&, const CommandStreams& streams) {
  std::ostream& err = streams.err;
  model::Model model;
  const bool romanian = startModel(model, options, err);
  if (const auto problem = pathsProblem(options.input, {}, romanian)) {
    err << *problem << '\n';
    return kExitUsage;
  }
  if (!loadCommandInput(model, options.input, romanian, err)) return kExitFailure;
  CliCaller caller(streams, romanian);
  if (!reported(generation::runGenerate(model, romanian, generation::kYesQuietly, caller), err))
    return kExitFailure;

  const std::vector<generation::Finding> findings = generation::checkModel(model);
  const std::vector<std::string> lines = generation::findingLines(findings, romanian);
  for (std::size_t i = 0; i < lines.size(); ++i)
    streams.out << (i == 0 ? "" : "  ") << lines[i] << '\n';
  if (!printedAll(streams.out, err, model::say(texts::kStandardOutputUnwritable, romanian)))
    return kExitFailure;
  return findings.empty() ? kExitSuccess : kExitFindings;
}

}  // namespace

Command checkCommand() {
  return commandOf<CommonOptions>(
      "check", "load INPUT, run GENERATE in memory and list what the model check finds",
      describeCheck, runCheck);
}

}  // namespace zentrix::app
