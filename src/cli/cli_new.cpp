#include "cli/cli_new.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_texts.h"
#include "cli/command_paths.h"
#include "cli/new_texts.h"
#include "files/input_file.h"
#include "files/time_stamp.h"
#include "model/model.h"
#include "model/printable_text.h"
#include "templates/template_texts.h"
#include "templates/templates.h"

namespace zentrix::app {

namespace {

constexpr const char* kNewExitCodesText =
    "Exit codes:\n"
    "  0  the model was written (or the templates listed)\n"
    "  1  the file could not be written (the message names it)\n"
    "  2  usage error: no or an unknown template, a parameter unknown or out of\n"
    "     its range, an empty path\n";

void listTemplate(const templates::Template& made, bool romanian, std::ostream& out) {
  out << "  " << templates::templateName(made) << "  " << templates::templateSummary(made, romanian)
      << '\n';
  for (const templates::Parameter& parameter : templates::defaultParameters(made, romanian))
    out << "    --" << parameter.name << "  "
        << model::say(texts::kParameterLine, romanian,
                      {templates::rangeText(parameter), templates::valueText(parameter),
                       parameter.meaning})
        << '\n';
}

std::string templateList(const templates::Template* only, bool romanian) {
  std::ostringstream out;
  out << model::say(texts::kTemplatesHeading, romanian) << '\n';
  for (const templates::Template& made : templates::catalogue())
    if (only == nullptr || only == &made) listTemplate(made, romanian, out);
  return out.str();
}

// The unparsed words as --NAME VALUE (or --NAME=VALUE) pairs, set in turn.
model::Outcome setParameters(const templates::Template& made, const std::vector<std::string>& words,
                             bool romanian, templates::Parameters& parameters) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    if (word.size() < 3 || word.compare(0, 2, "--") != 0)
      return model::Outcome::failure(
          model::say(texts::kParameterWithoutName, romanian, {model::escapedControls(word)}));
    std::string name = word.substr(2);
    std::string value;
    if (const auto equals = name.find('='); equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    } else if (i + 1 < words.size()) {
      value = words[++i];
    } else {
      return model::Outcome::failure(model::say(texts::kParameterWithoutValue, romanian, {name}));
    }
    if (auto set = templates::setParameter(made, parameters, name, value, romanian); !set)
      return set;
  }
  return model::Outcome::success();
}

std::string templateNames() {
  std::string names;
  for (const templates::Template& made : templates::catalogue())
    names += (names.empty() ? "" : ", ") + templates::templateName(made);
  return names;
}

std::optional<std::string> outputProblem(const std::string& output, bool romanian) {
  if (output.empty()) return model::say(texts::kPathEmpty, romanian, {"-o"});
  if (model::holdsControlCharacter(output))
    return model::say(texts::kPathHoldsControl, romanian, {"-o", shownPath(output)});
  return std::nullopt;
}

}  // namespace

void describeNew(CLI::App& command, NewRequest& request) {
  command.add_option("TEMPLATE", request.templateName, "the template: " + templateNames());
  command.add_option("-o,--output", request.output, "the Zentrix Input File to write")
      ->type_name("MODEL.dat");
  command.add_flag("--list", request.list,
                   "list the templates (or TEMPLATE alone) with their parameters");
  command
      .add_option("--language", request.language,
                  "language of the messages, the default names and the file; default:\n"
                  "from language.dat in the current directory (as the desktop program)")
      ->check(CLI::IsMember({"en", "ro"}));
  command.allow_extras();
  command.footer(templateList(nullptr, false) + kNewExitCodesText);
}

int runNew(const NewRequest& request, const CLI::App& command, std::ostream& out,
           std::ostream& err) {
  const bool romanian = languageIsRomanian(request.language, err);
  const templates::Template* made = templates::findTemplate(request.templateName);
  if (made == nullptr && (!request.list || !request.templateName.empty())) {
    err << (request.templateName.empty()
                ? model::say(texts::kTemplateMissing, romanian)
                : model::say(templates::texts::kNoSuchTemplate, romanian,
                             {model::escapedControls(request.templateName), templateNames()}))
        << '\n';
    return kExitUsage;
  }
  if (request.list) {
    out << templateList(made, romanian);
    return printedAll(out, err, model::say(texts::kStandardOutputUnwritable, romanian))
               ? kExitSuccess
               : kExitFailure;
  }
  templates::Parameters parameters = templates::defaultParameters(*made, romanian);
  model::Model model;
  model::Outcome outcome = setParameters(*made, command.remaining(), romanian, parameters);
  if (outcome) outcome = templates::buildModel(*made, parameters, romanian, model);
  if (!outcome) {
    err << outcome.message << '\n';
    return kExitUsage;
  }
  if (const auto problem = outputProblem(request.output, romanian)) {
    err << *problem << '\n';
    return kExitUsage;
  }
  if (const auto warning = files::sourceDateEpochWarning(romanian)) err << *warning << '\n';
  if (outcome =
          files::writeInputFile(files::inputFileParts(model, false, romanian), request.output);
      !outcome) {
    err << outcome.message << '\n';
    return kExitFailure;
  }
  out << model::say(texts::kModelWritten, romanian,
                    {shownPath(request.output), templates::templateSummary(*made, romanian)})
      << '\n';
  return printedAll(out, err, model::say(texts::kStandardOutputLost, romanian)) ? kExitSuccess
                                                                                : kExitFailure;
}

namespace {

int runNewCommand(NewRequest& request, const CLI::App& command, const CommandStreams& streams) {
  return runNew(request, command, streams.out, streams.err);
}

}  // namespace

Command newCommand() {
  return commandOf<NewRequest>("new", "write a complete model made from a template", describeNew,
                               runNewCommand);
}

}  // namespace zentrix::app
