#include "templates/templates.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <string>

#include "model/model.h"
#include "model/printable_text.h"
#include "templates/module_drawing.h"
#include "templates/template_catalogue.h"
#include "templates/template_texts.h"

namespace zentrix::templates {

namespace {

constexpr double kSmallestArea = 0.001;
constexpr double kLargestArea = 1.0e6;

// The shortest text of `value`, whole numbers without an exponent.
std::string numberText(double value) {
  char digits[32];
  const auto format = value == std::floor(value) && std::fabs(value) < 1e15
                          ? std::chars_format::fixed
                          : std::chars_format::general;
  const auto written = std::to_chars(digits, digits + sizeof digits, value, format);
  return std::string(digits, written.ptr);
}

std::string joined(const std::vector<std::string>& words, const char* between) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : between) + word;
  return text;
}

Parameter fromRule(const ParameterRule& rule, bool romanian) {
  Parameter parameter{.name = rule.name,
                      .kind = rule.kind,
                      .meaning = model::say(rule.meaning, romanian),
                      .value = rule.value,
                      .low = rule.low,
                      .high = rule.high};
  for (const char* word : rule.choices) parameter.choices.emplace_back(word);
  return parameter;
}

Parameter nameParameter(std::string name, std::string meaning, std::string text) {
  return {.name = std::move(name),
          .kind = ParameterKind::kName,
          .meaning = std::move(meaning),
          .text = std::move(text)};
}

// The name and the area parameters of a used member group.
void addGroup(const MemberGroup& group, bool romanian, Parameters& parameters) {
  const std::string name = model::say(group.name, romanian);
  const std::string key = group.key;
  parameters.push_back(
      nameParameter(key + "-name", model::say(texts::kGroupName, romanian, {name}), name));
  parameters.push_back({.name = key + "-area",
                        .kind = ParameterKind::kArea,
                        .meaning = model::say(texts::kGroupArea, romanian, {name}),
                        .value = group.area,
                        .low = kSmallestArea,
                        .high = kLargestArea});
}

model::Outcome refused(const model::Text& text, bool romanian,
                       std::initializer_list<std::string_view> values) {
  return model::Outcome::failure(model::say(text, romanian, values));
}

model::Outcome setNumber(Parameter& parameter, std::string_view value, bool romanian) {
  double number = 0.0;
  const auto read = std::from_chars(value.data(), value.data() + value.size(), number);
  if (read.ec != std::errc() || read.ptr != value.data() + value.size() || !std::isfinite(number))
    return refused(texts::kNotANumber, romanian, {parameter.name, value});
  if (parameter.kind == ParameterKind::kCount && number != std::floor(number))
    return refused(texts::kNotACount, romanian, {parameter.name, value});
  if (number < parameter.low || number > parameter.high)
    return refused(texts::kOutOfRange, romanian,
                   {parameter.name, value, numberText(parameter.low), numberText(parameter.high)});
  parameter.value = number;
  return model::Outcome::success();
}

model::Outcome setChoice(Parameter& parameter, std::string_view value, bool romanian) {
  for (std::size_t i = 0; i < parameter.choices.size(); ++i)
    if (parameter.choices[i] == value) {
      parameter.value = static_cast<double>(i + 1);
      return model::Outcome::success();
    }
  return refused(texts::kNotAChoice, romanian, {parameter.name, value, rangeText(parameter)});
}

model::Outcome setName(Parameter& parameter, std::string_view value, bool romanian) {
  const std::size_t widest = parameter.name == "title" ? model::kTitleWidth : model::kTypeNameWidth;
  if (model::holdsControlCharacter(value))
    return refused(texts::kNameHoldsControl, romanian, {parameter.name});
  if (value.size() > widest)
    return refused(texts::kNameTooLong, romanian, {parameter.name, value, std::to_string(widest)});
  parameter.text = std::string(value);
  return model::Outcome::success();
}

void fillElementTypes(const Template& made, const Values& values, bool romanian,
                      model::Model& model) {
  model.types.elementKindCount = model::kKindCount;
  for (int type = 1; type <= model::kKindCount; ++type) {
    const MemberGroup& group = made.groups[static_cast<std::size_t>(type - 1)];
    if (group.key == nullptr) {
      model.types.typeName(type) = model::defaultTypeName(model, type, romanian);
      model.types.typeArea(type) = static_cast<float>(type);
      continue;
    }
    const std::string key = group.key;
    model.types.typeName(type) = values.find(key + "-name").text;
    model.types.typeArea(type) = fileReal(values.find(key + "-area").value);
  }
}

}  // namespace

float Values::length(std::string_view name) const {
  return fileReal(find(name).value);
}

const Parameter& Values::find(std::string_view name) const {
  for (const Parameter& parameter : parameters_)
    if (parameter.name == name) return parameter;
  assert(false && "a template reads a parameter it does not have");
  return parameters_.front();
}

const std::vector<Template>& catalogue() {
  static const std::vector<Template> all = [] {
    std::vector<Template> templates = planeTemplates();
    for (Template& made : spaceTemplates()) templates.push_back(std::move(made));
    return templates;
  }();
  return all;
}

const Template* findTemplate(std::string_view name) {
  for (const Template& made : catalogue())
    if (name == made.name) return &made;
  return nullptr;
}

std::string templateName(const Template& made) {
  return made.name;
}

std::string templateSummary(const Template& made, bool romanian) {
  return model::say(made.summary, romanian) + std::string(" (") + model::say(made.note, romanian) +
         ")";
}

Parameters defaultParameters(const Template& made, bool romanian) {
  Parameters parameters;
  parameters.push_back(nameParameter("title", model::say(texts::kTitle, romanian),
                                     model::say(made.summary, romanian)));
  for (const ParameterRule& rule : made.shape) parameters.push_back(fromRule(rule, romanian));
  for (const MemberGroup& group : made.groups)
    if (group.key != nullptr) addGroup(group, romanian, parameters);
  return parameters;
}

model::Outcome setParameter(const Template& made, Parameters& parameters, std::string_view name,
                            std::string_view value, bool romanian) {
  for (Parameter& parameter : parameters) {
    if (parameter.name != name) continue;
    if (parameter.kind == ParameterKind::kChoice) return setChoice(parameter, value, romanian);
    if (parameter.kind == ParameterKind::kName) return setName(parameter, value, romanian);
    return setNumber(parameter, value, romanian);
  }
  std::vector<std::string> names;
  for (const Parameter& parameter : parameters) names.push_back("--" + parameter.name);
  return refused(texts::kNoSuchParameter, romanian, {made.name, name, joined(names, " ")});
}

std::string valueText(const Parameter& parameter) {
  if (parameter.kind == ParameterKind::kName) return parameter.text;
  if (parameter.kind == ParameterKind::kChoice)
    return parameter.choices.at(static_cast<std::size_t>(parameter.value) - 1);
  return numberText(parameter.value);
}

std::string rangeText(const Parameter& parameter) {
  if (parameter.kind == ParameterKind::kName) return "text";
  if (parameter.kind == ParameterKind::kChoice) return joined(parameter.choices, "|");
  return numberText(parameter.low) + " .. " + numberText(parameter.high);
}

model::Outcome checkParameters(const Template& made, const Parameters& parameters, bool romanian) {
  if (made.rules == nullptr) return model::Outcome::success();
  return made.rules(Values(parameters), romanian);
}

model::Outcome buildModel(const Template& made, const Parameters& parameters, bool romanian,
                          model::Model& model) {
  if (auto outcome = checkParameters(made, parameters, romanian); !outcome) return outcome;
  const Values values(parameters);
  model::Model built;
  model::setStartValues(built, romanian);
  made.draw(values, built);
  built.base.problemTitle = values.find("title").text;
  fillElementTypes(made, values, romanian, built);
  model = std::move(built);
  return model::Outcome::success();
}

void setStraightExpansion(model::Expansion& expansion, char axis, std::int32_t modules,
                          float moduleLength, model::ExpansionType type) {
  expansion.expansionDirection = axis;
  expansion.moduleCount = modules;
  expansion.moduleLength = moduleLength;
  expansion.expansionType = type;
}

model::Outcome notAbove(const Values& values, const char* name, double bound, const char* boundName,
                        bool romanian) {
  const Parameter& parameter = values.find(name);
  if (parameter.value <= bound) return model::Outcome::success();
  return refused(texts::kAboveOther, romanian,
                 {name, valueText(parameter), boundName, numberText(bound)});
}

}  // namespace zentrix::templates
