#include "cli/cli_generate.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli_exports.h"
#include "cli/cli_texts.h"
#include "cli/command_paths.h"
#include "files/geometry_file.h"
#include "files/time_stamp.h"
#include "generation/run.h"
#include "model/model.h"
#include "model/number_text.h"
#include "model/printable_text.h"

namespace zentrix::app {

const char* const kExitCodesText =
    "Exit codes:\n"
    "  0  success: every requested file was written\n"
    "  1  the input file could not be read or holds wrong data, GENERATE refused\n"
    "     the data, or a file could not be written (the message names it)\n"
    "  2  usage error on the command line\n"
    "  3  the module length differs from the Base module's length and --force\n"
    "     was not given (nothing is written)\n";

namespace {

struct GenerateRequest {
  CommonOptions common;
  std::string geometry;
  std::string save;
  bool geometryGiven = false;  // an empty path given is a usage error
  bool saveGiven = false;
  bool baseModule = false;
  bool force = false;
  ExportPaths exports;
};

void describeGenerate(CLI::App& generate, GenerateRequest& request) {
  describeInput(generate, request.common, "Zentrix Input File to load (as \"Old File\" does)");
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
  describeLanguageAndNumbering(generate, request.common,
                               "language of the messages and written files; default: from\n"
                               "language.dat in the current directory (as the desktop program)",
                               "on: the first module's Base 0 nodes get the last node numbers\n"
                               "(\"Last Node Indices in Base 0\"); off: they keep 1 to K");
  describeExportOptions(generate, request.exports);
  generate.add_flag("--force", request.force,
                    "generate even when the module length differs from the Base\n"
                    "module's length (the \"Yes\" answer to that warning)");
  generate.footer(kExitCodesText);
}

// The outputs asked for, in the order they are written.
std::vector<Output> requestedOutputs(const GenerateRequest& request) {
  std::vector<Output> outputs;
  if (request.geometryGiven) outputs.push_back({"--geometry", request.geometry});
  if (request.saveGiven) outputs.push_back({"--save", request.save});
  if (request.baseModule)
    outputs.push_back({"--base-module", files::baseModuleGeometryPath(request.common.input)});
  for (std::size_t i = 0; i < kExportOptions.size(); ++i)
    if (request.exports.given[i])
      outputs.push_back({kExportOptions[i].option, request.exports.paths[i]});
  return outputs;
}

// The structure was just generated from the inputs, so it belongs to them.
generation::PlannedWrite plannedWrite(const Output& output, const model::Model& model,
                                      bool romanian) {
  const std::string_view option = output.option;
  if (option == "--geometry") return generation::geometryFileWrite(model, output.path, romanian);
  if (option == "--save") return generation::inputFileWrite(model, output.path, true, romanian);
  if (const auto format = exportFormatOf(option))
    return generation::exportWrite(model, *format, output.path, romanian);
  return generation::baseModuleWrite(model, output.path, romanian);
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

int runGenerateCommand(GenerateRequest& request, const CLI::App& command,
                       const CommandStreams& streams) {
  request.geometryGiven = command.count("--geometry") > 0;
  request.saveGiven = command.count("--save") > 0;
  noteGivenExports(command, request.exports);
  std::ostream& err = streams.err;
  model::Model model;
  const bool romanian = startModel(model, request.common, err);
  if (const auto warning = files::sourceDateEpochWarning(romanian)) err << *warning << '\n';

  const std::vector<Output> outputs = requestedOutputs(request);
  if (const auto problem = pathsProblem(request.common.input, outputs, romanian)) {
    err << *problem << '\n';
    return kExitUsage;
  }
  if (!loadCommandInput(model, request.common.input, romanian, err)) return kExitFailure;

  CliCaller caller(streams, romanian);
  const auto policy = request.force ? generation::kYesQuietly : generation::kNoWithTheWarning;
  const model::Outcome generated = generation::runGenerate(model, romanian, policy, caller);
  if (generated.kind == model::Outcome::Kind::kDeclined) {
    err << model::say(texts::kNothingGenerated, romanian) << '\n';
    return kExitDeclined;
  }
  if (!reported(generated, err)) return kExitFailure;

  std::vector<generation::PlannedWrite> writes;
  for (const Output& output : outputs) writes.push_back(plannedWrite(output, model, romanian));
  if (!reported(generation::writeFiles(writes, romanian, caller), err)) return kExitFailure;
  return sayWritten(outputs, romanian, streams.out, err) ? kExitSuccess : kExitFailure;
}

}  // namespace

Command generateCommand() {
  return commandOf<GenerateRequest>("generate",
                                    "load INPUT, run GENERATE and write the requested files",
                                    describeGenerate, runGenerateCommand);
}

}  // namespace zentrix::app
