#include "app/cli_generate.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "files/geometry_file.h"
#include "files/input_file.h"
#include "files/language_settings.h"
#include "files/native_path.h"
#include "generation/generate.h"
#include "model/model.h"

namespace zentrix::app {

namespace {

struct GenerateRequest {
  std::string input;
  std::string geometry;
  std::string save;
  bool baseModule = false;
  std::string language;  // "en", "ro" or empty: from the settings files
  std::string base0Last = "on";
  bool force = false;
};

constexpr const char* kExitCodesText =
    "Exit codes:\n"
    "  0  success: every requested file was written\n"
    "  1  the input file could not be read or holds wrong data, GENERATE refused\n"
    "     the data, or a file could not be written (the message names it)\n"
    "  2  usage error on the command line\n"
    "  3  the module length differs from the Base module's length and --force\n"
    "     was not given (nothing is written)\n";

void describeGenerate(CLI::App& generate, GenerateRequest& request) {
  generate.add_option("INPUT", request.input, "Zentrix Input File to load (as \"Old File\" does)")
      ->required();
  generate
      .add_option("--geometry", request.geometry,
                  "write the Geometry File of the generated structure to FILE; the path\n"
                  "appears in its end line as given")
      ->type_name("FILE");
  generate
      .add_option("--save", request.save,
                  "save the model and the generated structure as a Zentrix Input File\n"
                  "at FILE (as \"Save Data\" does)")
      ->type_name("FILE");
  generate.add_flag("--base-module", request.baseModule,
                    "write the Base-module Geometry File beside INPUT: INPUT up to its\n"
                    "last \".\" followed by \"-BaseModule.dat\"");
  generate
      .add_option("--language", request.language,
                  "language of the messages and written files; default: from\n"
                  "language.dat in the current directory (as the desktop program)")
      ->check(CLI::IsMember({"en", "ro"}));
  generate
      .add_option("--base0-last", request.base0Last,
                  "on: the first module's Base 0 nodes get the last node numbers\n"
                  "(\"Last Node Indices in Base 0\"); off: they keep 1 to K")
      ->check(CLI::IsMember({"on", "off"}))
      ->capture_default_str();
  generate.add_flag("--force", request.force,
                    "generate even when the module length differs from the Base\n"
                    "module's length (the \"Yes\" answer to that warning)");
  generate.footer(kExitCodesText);
}

void setLanguage(model::Model& model, const std::string& choice) {
  model.currentDir = files::modelPathText(std::filesystem::current_path());
  model.languageCode = choice.empty() ? files::lookUpLanguageCode(model.currentDir) : choice;
  model.romanian = files::isRomanianCode(model.languageCode);
}

// Writes one requested file; false after naming the failure on `err`.
bool reported(const model::Outcome& outcome, std::ostream& err) {
  if (!outcome) err << outcome.message << '\n';
  return static_cast<bool>(outcome);
}

// Runs `work` with a progress line named `task`; the line is gone again
// before anything else is printed.
model::Outcome withProgress(const std::string& task, const ProgressDisplay& display,
                            std::ostream& err,
                            const std::function<model::Outcome(model::Progress&)>& work) {
  TerminalProgress progress(err, task, display);
  return work(progress);
}

int generate(const GenerateRequest& request, const ProgressDisplay& display, std::ostream& out,
             std::ostream& err) {
  model::Model model;
  setLanguage(model, request.language);
  model::setStartValues(model);
  model.lastNodesInBase0 = request.base0Last == "on";

  model.oldFilePath = request.input;
  model.inputFilePath = request.input;
  model.oldFileLoaded = true;
  if (const auto loaded = files::loadInputFile(model); !loaded) {
    err << model::inLanguage(model, "Wrong Data in Old File.",
                             "Date eronate in fisierul existent (Old File).")
        << '\n'
        << loaded.message << '\n';
    return kExitFailure;
  }

  if (const auto refusal = generation::refusalOf(model)) {
    err << *refusal << '\n';
    return kExitFailure;
  }
  generation::measureBaseModule(model);
  if (!generation::moduleLengthMatches(model) && !request.force) {
    err << generation::moduleLengthWarning(model) << '\n'
        << model::inLanguage(model, "Nothing was generated; --force answers Yes.",
                             "Nu s-a generat nimic; --force raspunde Da.")
        << '\n';
    return kExitDeclined;
  }
  const auto generated = withProgress("GENERATE", display, err, [&](model::Progress& progress) {
    return generation::generateStructure(model, &progress);
  });
  if (!reported(generated, err)) return kExitFailure;

  const std::string writing = model::inLanguage(model, "Writing ", "Se scrie ");
  if (!request.geometry.empty()) {
    model.geometryFilePath = request.geometry;
    const auto written = withProgress(
        writing + request.geometry, display, err,
        [&](model::Progress& progress) { return files::writeGeometryFile(model, &progress); });
    if (!reported(written, err)) return kExitFailure;
    out << files::geometryCreatedMessage(model) << '\n';
  }
  if (!request.save.empty()) {
    model.inputFilePath = request.save;
    const auto saved = withProgress(
        writing + request.save, display, err,
        [&](model::Progress& progress) { return files::writeInputFile(model, &progress); });
    if (!reported(saved, err)) return kExitFailure;
  }
  if (request.baseModule && !reported(files::writeBaseModuleGeometryFile(model), err))
    return kExitFailure;
  return kExitSuccess;
}

}  // namespace

int runZentrixCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                  const ProgressDisplay& display) {
  CLI::App app{
      "zentrix-cli: generates a bar structure from a Zentrix Input File and writes\n"
      "its Geometry File, without the desktop program's window.",
      "zentrix-cli"};
  // A path such as /home/me/bridge.dat is an argument, never a Windows-style
  // option; subcommands take this over when they are added.
  app.allow_windows_style_options(false);
  app.require_subcommand(1);
  app.footer(kExitCodesText);
  GenerateRequest request;
  CLI::App* command =
      app.add_subcommand("generate", "load INPUT, run GENERATE and write the requested files");
  describeGenerate(*command, request);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, out, err);
    return code == 0 ? kExitSuccess : kExitUsage;
  }
  return generate(request, display, out, err);
}

}  // namespace zentrix::app
