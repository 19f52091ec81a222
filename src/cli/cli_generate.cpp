#include "cli/cli_generate.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_check.h"
#include "cli/cli_exports.h"
#include "cli/cli_new.h"
#include "cli/cli_render.h"
#include "cli/cli_texts.h"
#include "cli/command_paths.h"
#include "files/file_texts.h"
#include "files/geometry_file.h"
#include "files/input_file.h"
#include "files/language_settings.h"
#include "files/native_path.h"
#include "files/output_plan.h"
#include "files/platform_files.h"
#include "files/structure_exports.h"
#include "files/system_error_text.h"
#include "files/text_file_output.h"
#include "files/time_stamp.h"
#include "generation/generate_sequence.h"
#include "model/line_sink.h"
#include "model/model.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::app {

namespace {

struct GenerateRequest {
  std::string input;
  std::string geometry;
  std::string save;
  bool geometryGiven = false;  // an empty path given is a usage error
  bool saveGiven = false;
  bool baseModule = false;
  std::string language;  // "en", "ro" or empty: from the settings files
  std::string base0Last = "on";
  bool force = false;
  ExportPaths exports;
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
                    "write the Base-module Geometry File at INPUT up to its last \".\"\n"
                    "followed by \"-BaseModule.dat\" (models/a.dat: models/a-BaseModule.dat;\n"
                    "a \".\" in a folder name counts too); the path written is printed");
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
  describeExportOptions(generate, request.exports);
  generate.add_flag("--force", request.force,
                    "generate even when the module length differs from the Base\n"
                    "module's length (the \"Yes\" answer to that warning)");
  generate.footer(kExitCodesText);
}

}  // namespace

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

bool loadCommandInput(model::Model& model, const std::string& input, bool romanian,
                      std::ostream& err) {
  const auto loaded = files::loadInputFile(model, input, romanian);
  if (!loaded)
    err << model::say(files::texts::kWrongDataInOldFile, romanian) << '\n'
        << loaded.message << '\n';
  return static_cast<bool>(loaded);
}

namespace {

// Whether `outcome` is a success; a failure is named on `err`.
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

// The command line's side of GENERATE: --force is the "Yes" answer; without
// it the warning is printed and nothing is generated.
class CliGenerateCaller final : public generation::GenerateCaller {
 public:
  CliGenerateCaller(bool force, const ProgressDisplay& display, std::ostream& err)
      : force_(force), display_(display), err_(err) {}

  bool goOnDespite(const std::string& warning) override {
    if (!force_) err_ << warning << '\n';
    return force_;
  }

  model::Outcome withProgress(
      const std::function<model::Outcome(model::Progress&)>& work) override {
    return app::withProgress("GENERATE", display_, err_, work);
  }

 private:
  bool force_;
  const ProgressDisplay& display_;
  std::ostream& err_;
};

// The outputs asked for, in the order they are written.
std::vector<Output> requestedOutputs(const GenerateRequest& request) {
  std::vector<Output> outputs;
  if (request.geometryGiven) outputs.push_back({"--geometry", request.geometry});
  if (request.saveGiven) outputs.push_back({"--save", request.save});
  if (request.baseModule)
    outputs.push_back({"--base-module", files::baseModuleGeometryPath(request.input)});
  for (std::size_t i = 0; i < kExportOptions.size(); ++i)
    if (request.exports.given[i])
      outputs.push_back({kExportOptions[i].option, request.exports.paths[i]});
  return outputs;
}

std::uint64_t sizeBound(const Output& output, const model::Model& model, bool romanian) {
  const std::string_view option = output.option;
  if (option == "--geometry") return files::geometryFileSizeBound(model, output.path.size());
  if (option == "--save") return files::inputFileSizeBound(model, output.path.size());
  if (const auto format = exportFormatOf(option))
    return files::exportFileSizeBound(files::exportParts(model, romanian), *format);
  return files::baseModuleFileSizeBound(model, output.path.size());
}

// Writes one output into `staged`.
// The structure was just generated from the inputs, so it belongs to them.
model::Outcome writeStaged(const Output& output, const model::Model& model, bool romanian,
                           files::StagedFiles& staged, const ProgressDisplay& display,
                           std::ostream& err) {
  const std::string_view option = output.option;
  const std::string task =
      model::say(texts::kWriting, romanian, {model::escapedControls(output.path)});
  if (option == "--geometry") {
    return withProgress(task, display, err, [&](model::Progress& progress) {
      return files::writeGeometryFile(files::geometryParts(model, romanian), output.path, &progress,
                                      &staged);
    });
  }
  if (option == "--save") {
    return withProgress(task, display, err, [&](model::Progress& progress) {
      return files::writeInputFile(files::inputFileParts(model, true, romanian), output.path,
                                   &progress, &staged);
    });
  }
  if (const auto format = exportFormatOf(option))
    return withProgress(task, display, err, [&](model::Progress& progress) {
      return files::writeExportFile(*format, files::exportParts(model, romanian), output.path,
                                    &progress, &staged);
    });
  return files::writeBaseModuleGeometryFile(model.base, output.path, romanian, &staged);
}

// Writes every output beside its target, then puts them all in place: a
// failure or a cancel on the way leaves every target as it was.
bool writeAll(const std::vector<Output>& outputs, const model::Model& model, bool romanian,
              const ProgressDisplay& display, std::ostream& err) {
  files::StagedFiles staged;
  for (const Output& output : outputs) {
    if (!reported(writeStaged(output, model, romanian, staged, display, err), err)) return false;
    if (interrupted()) {
      err << files::writeCancelled(output.path, romanian) << '\n';
      return false;
    }
  }
  return reported(staged.commit(), err);
}

// What the run wrote, on `out`; false (said on `err`) when `out` cannot take it.
bool sayWritten(const std::vector<Output>& outputs, bool romanian, std::ostream& out,
                std::ostream& err) {
  for (const Output& output : outputs) {
    const std::string_view option = output.option;
    if (option == "--geometry") out << files::geometryCreatedMessage(output.path, romanian) << '\n';
    if (option == "--base-module")
      out << model::say(texts::kBaseModuleCreated, romanian, {shownPath(output.path)}) << '\n';
    if (exportFormatOf(option)) out << files::exportCreatedMessage(output.path, romanian) << '\n';
  }
  return printedAll(out, err, model::say(texts::kStandardOutputLost, romanian));
}

int generate(const GenerateRequest& request, const ProgressDisplay& display, std::ostream& out,
             std::ostream& err) {
  model::Model model;
  const bool romanian = languageIsRomanian(request.language, err);
  model::setStartValues(model, romanian);
  model.base.lastNodesInBase0 = request.base0Last == "on";
  if (const auto warning = files::sourceDateEpochWarning(romanian)) err << *warning << '\n';

  const std::vector<Output> outputs = requestedOutputs(request);
  if (const auto problem = pathsProblem(request.input, outputs, romanian)) {
    err << *problem << '\n';
    return kExitUsage;
  }

  if (!loadCommandInput(model, request.input, romanian, err)) return kExitFailure;

  CliGenerateCaller caller(request.force, display, err);
  const generation::GenerateResult generated =
      generation::runGenerate(model, romanian, caller, model::linesTo(err));
  if (generated.end == generation::GenerateEnd::Declined) {
    err << model::say(texts::kNothingGenerated, romanian) << '\n';
    return kExitDeclined;
  }
  if (generated.end != generation::GenerateEnd::Done) {
    err << generated.message << '\n';
    return kExitFailure;
  }

  std::vector<files::PlannedOutput> planned;
  for (const Output& output : outputs)
    planned.push_back({output.path, sizeBound(output, model, romanian)});
  if (const auto shortage = files::spaceShortage(planned, romanian)) {
    err << *shortage << '\n';
    return kExitFailure;
  }
  if (!writeAll(outputs, model, romanian, display, err)) return kExitFailure;
  return sayWritten(outputs, romanian, out, err) ? kExitSuccess : kExitFailure;
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
  CheckRequest checkRequest;
  CLI::App* check = app.add_subcommand(
      "check", "load INPUT, run GENERATE in memory and list what the model check finds");
  describeCheck(*check, checkRequest);
  RenderRequest renderRequest;
  CLI::App* renderCommand = app.add_subcommand(
      "render", "draw INPUT's structure (or its Base module) as an SVG or PNG picture");
  describeRender(*renderCommand, renderRequest);
  NewRequest newRequest;
  CLI::App* newCommand = app.add_subcommand("new", "write a complete model made from a template");
  describeNew(*newCommand, newRequest);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, out, err);
    if (!printedAll(out, err, model::say(texts::kStandardOutputUnwritable, false)))
      return kExitFailure;
    return code == 0 ? kExitSuccess : kExitUsage;
  }
  if (check->parsed()) return runCheck(checkRequest, display, out, err);
  if (renderCommand->parsed()) return runRender(renderRequest, *renderCommand, out, err);
  if (newCommand->parsed()) return runNew(newRequest, *newCommand, out, err);
  request.geometryGiven = command->count("--geometry") > 0;
  request.saveGiven = command->count("--save") > 0;
  noteGivenExports(*command, request.exports);
  return generate(request, display, out, err);
}

}  // namespace zentrix::app
