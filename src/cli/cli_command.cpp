#include "cli/cli_command.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/cli_texts.h"
#include "files/file_texts.h"
#include "files/language_settings.h"
#include "files/native_path.h"
#include "files/platform_files.h"
#include "files/system_error_text.h"
#include "model/printable_text.h"

namespace zentrix::app {

void describeInput(CLI::App& command, CommonOptions& options, const std::string& help) {
  command.add_option("INPUT", options.input, help)->required();
}

void describeLanguageAndNumbering(CLI::App& command, CommonOptions& options,
                                  const std::string& languageHelp,
                                  const std::string& numberingHelp) {
  command.add_option("--language", options.language, languageHelp)
      ->check(CLI::IsMember({"en", "ro"}));
  command.add_option("--base0-last", options.base0Last, numberingHelp)
      ->check(CLI::IsMember({"on", "off"}))
      ->capture_default_str();
}

// The current folder is looked up only to find the settings files; when it
// is gone (deleted under the running program) the settings are not read.
bool languageIsRomanian(const std::string& choice, std::ostream& err) {
  std::string languageCode = choice;
  if (choice.empty()) {
    int error = 0;
    if (const auto current = files::platform::currentFolder(error)) {
      languageCode = files::lookUpLanguageCode(files::modelPathText(*current));
    } else {
      err << "Warning: the current folder cannot be found (" << files::systemErrorText(error, false)
          << "); the messages are in English.\n";
      languageCode = "English";
    }
  }
  return files::isRomanianCode(languageCode);
}

bool startModel(model::Model& model, const CommonOptions& options, std::ostream& err) {
  const bool romanian = languageIsRomanian(options.language, err);
  model::setStartValues(model, romanian);
  model.base.lastNodesInBase0 = options.base0Last == "on";
  return romanian;
}

bool loadCommandInput(model::Model& model, const std::string& input, bool romanian,
                      std::ostream& err) {
  const auto loaded = generation::loadModel(model, input, romanian);
  if (!loaded)
    err << model::say(files::texts::kWrongDataInOldFile, romanian) << '\n'
        << loaded.message << '\n';
  return static_cast<bool>(loaded);
}

void CliCaller::note(std::string_view line) {
  streams_.err << line << '\n';
}

// The line is gone again before anything else is printed.
model::Outcome CliCaller::withProgress(
    std::string_view task, const std::function<model::Outcome(model::Progress&)>& work) {
  const std::string shown =
      task == generation::kGenerateTask
          ? std::string(task)
          : model::say(texts::kWriting, romanian_, {model::escapedControls(task)});
  TerminalProgress progress(streams_.err, shown, streams_.display);
  return work(progress);
}

bool reported(const model::Outcome& outcome, std::ostream& err) {
  if (!outcome) err << outcome.message << '\n';
  return static_cast<bool>(outcome);
}

}  // namespace zentrix::app
