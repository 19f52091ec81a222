#include "cli/cli_check.h"

#include <CLI/CLI.hpp>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_generate.h"
#include "cli/cli_texts.h"
#include "cli/command_paths.h"
#include "files/file_texts.h"
#include "files/input_file.h"
#include "generation/generate_sequence.h"
#include "generation/model_check.h"
#include "model/line_sink.h"
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

// GENERATE for the check: a different module length is one of the things
// the check reports, so the run always goes on.
class CheckGenerateCaller final : public generation::GenerateCaller {
 public:
  CheckGenerateCaller(const ProgressDisplay& display, std::ostream& err)
      : display_(display), err_(err) {}

  bool goOnDespite(const std::string&) override { return true; }

  model::Outcome withProgress(
      const std::function<model::Outcome(model::Progress&)>& work) override {
    TerminalProgress progress(err_, "GENERATE", display_);
    return work(progress);
  }

 private:
  const ProgressDisplay& display_;
  std::ostream& err_;
};

}  // namespace

void describeCheck(CLI::App& check, CheckRequest& request) {
  check.add_option("INPUT", request.input, "Zentrix Input File to load (as \"Old File\" does)")
      ->required();
  check
      .add_option("--language", request.language,
                  "language of the findings; default: from language.dat in the\n"
                  "current directory (as the desktop program)")
      ->check(CLI::IsMember({"en", "ro"}));
  check
      .add_option("--base0-last", request.base0Last,
                  "the numbering the findings use, as for generate: on gives the first\n"
                  "module's Base 0 nodes the last numbers, off keeps them 1 to K")
      ->check(CLI::IsMember({"on", "off"}))
      ->capture_default_str();
  check.footer(kCheckExitCodesText);
}

int runCheck(const CheckRequest& request, const ProgressDisplay& display, std::ostream& out,
             std::ostream& err) {
  model::Model model;
  const bool romanian = languageIsRomanian(request.language, err);
  model::setStartValues(model, romanian);
  model.base.lastNodesInBase0 = request.base0Last == "on";
  if (const auto problem = pathsProblem(request.input, {}, romanian)) {
    err << *problem << '\n';
    return kExitUsage;
  }
  if (!loadCommandInput(model, request.input, romanian, err)) return kExitFailure;
  CheckGenerateCaller caller(display, err);
  const generation::GenerateResult generated =
      generation::runGenerate(model, romanian, caller, model::linesTo(err));
  if (generated.end != generation::GenerateEnd::Done) {
    err << generated.message << '\n';
    return kExitFailure;
  }

  const std::vector<generation::Finding> findings = generation::checkModel(model);
  const std::vector<std::string> lines = generation::findingLines(findings, romanian);
  for (std::size_t i = 0; i < lines.size(); ++i) out << (i == 0 ? "" : "  ") << lines[i] << '\n';
  if (!printedAll(out, err, model::say(texts::kStandardOutputUnwritable, romanian)))
    return kExitFailure;
  return findings.empty() ? kExitSuccess : kExitFindings;
}

}  // namespace zentrix::app
