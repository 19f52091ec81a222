// What every zentrix-cli command shares: the exit codes, the one option set
// (INPUT, --language, --base0-last), the start of a run (the language, the
// start values, the numbering, the input loaded as "Old File" loads it) and
// the command line's side of the core's run (generation/run.h): the
// progress line on the terminal, the lines for a person on `err`.
//
// A command is described on its own CLI11 subcommand and run once it was
// parsed; the dispatcher (zentrix_cli.h) knows them only through `Command`.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "cli/terminal_progress.h"
#include "generation/run.h"
#include "model/model.h"
#include "model/outcome.h"

namespace CLI {
class App;
}

namespace zentrix::app {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;   // bad input file, refused data, a file not written
inline constexpr int kExitUsage = 2;     // the command line itself is wrong
inline constexpr int kExitDeclined = 3;  // module length differs and --force was not given
inline constexpr int kExitFindings = 4;  // the model check found something

// Where a command prints and how it shows progress.
struct CommandStreams {
  std::ostream& out;
  std::ostream& err;
  const ProgressDisplay& display;
};

// The options every command that reads a model has.
struct CommonOptions {
  std::string input;
  std::string language;  // "en", "ro" or empty: from the settings files
  std::string base0Last = "on";
};

// The common options with the command's own help texts: INPUT, then
// (where the command lists them) --language and --base0-last.
void describeInput(CLI::App& command, CommonOptions& options, const std::string& help);
void describeLanguageAndNumbering(CLI::App& command, CommonOptions& options,
                                  const std::string& languageHelp,
                                  const std::string& numberingHelp);

// One subcommand: its name and summary, how it adds its options, and how it
// runs once parsed (given its parsed subcommand); the exit code.
struct Command {
  const char* name;
  const char* summary;
  std::function<void(CLI::App&)> describe;
  std::function<int(const CLI::App&, const CommandStreams&)> run;
};

// A command whose options are parsed into a `Request` of its own.
template <class Request>
Command commandOf(const char* name, const char* summary, void (*describe)(CLI::App&, Request&),
                  int (*run)(Request&, const CLI::App&, const CommandStreams&)) {
  auto request = std::make_shared<Request>();
  return {name, summary, [request, describe](CLI::App& command) { describe(command, *request); },
          [request, run](const CLI::App& command, const CommandStreams& streams) {
            return run(*request, command, streams);
          }};
}

// The language of messages and written files: `choice` ("en", "ro"), or
// when empty the settings files of the current folder, as the desktop
// program reads them; a warning on `err` when the folder cannot be found.
// True for Romanian.
bool languageIsRomanian(const std::string& choice, std::ostream& err);

// The model as a command starts it: the start values in the language of
// `options`, the numbering --base0-last asks for. True for Romanian.
bool startModel(model::Model& model, const CommonOptions& options, std::ostream& err);

// Loads the Zentrix Input File `input` into `model` as "Old File" does.
// When it cannot, says why on `err` and returns false; `model` is then as
// it was.
bool loadCommandInput(model::Model& model, const std::string& input, bool romanian,
                      std::ostream& err);

// The command line's side of the core's run: a question is never asked
// (the policy answers it), notes go to `err`, and each task is shown as a
// progress line on `err` ("GENERATE", "Writing PATH").
class CliCaller final : public generation::GenerateCaller {
 public:
  CliCaller(const CommandStreams& streams, bool romanian)
      : streams_(streams), romanian_(romanian) {}
  bool goOnDespite(const std::string&) override { return false; }
  void note(std::string_view line) override;
  model::Outcome withProgress(std::string_view task,
                              const std::function<model::Outcome(model::Progress&)>& work) override;

 private:
  const CommandStreams& streams_;
  bool romanian_;
};

// Whether `outcome` is a success; a failure is named on `err`.
bool reported(const model::Outcome& outcome, std::ostream& err);

}  // namespace zentrix::app
