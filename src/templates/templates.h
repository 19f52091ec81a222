// Templates of complete models: a Pratt, Howe, Warren, K-truss or
// Vierendeel girder, a box-truss bridge, a triangular space truss, a square
// lattice tower or an arch rib, made from a few parameters instead of typed
// node by node. Each template builds the whole inputs of a model: the Base
// module (its nodes numbered 1 ... N0 in Base 0 and N0 + 1 ... N0 + N1 in
// Base 1, its elements stored in kind order with the Base 0 elements last,
// as GENERATE replicates them), the expansion and the four element types,
// named after the template's member groups. It never generates: the model
// holds no structure until GENERATE runs.
//
// Every parameter has a default and an allowed range; a value outside it is
// refused with a message naming the parameter and the range, in English or
// in Romanian. Values a template computes are kept as the Zentrix Input File
// writes them (7 significant digits), so a saved model loads back equal.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/model.h"
#include "model/outcome.h"
#include "model/text.h"

namespace zentrix::templates {

enum class ParameterKind { kLength, kCount, kArea, kChoice, kName };

struct Parameter {
  std::string name;  // as an option: --name
  ParameterKind kind = ParameterKind::kLength;
  std::string meaning;  // in the language the parameters were asked in
  double value = 0.0;   // a length, count or area; a choice's 1-based number
  double low = 0.0;     // the allowed range of a length, count or area
  double high = 0.0;
  std::vector<std::string> choices{};  // the words of a choice
  std::string text{};                  // the value of a name
};

using Parameters = std::vector<Parameter>;

// How a template is described: its parameters, its member groups (the four
// element types) and the function that draws its Base module and sets its
// expansion.
struct ParameterRule {
  const char* name;
  ParameterKind kind;
  model::Text meaning;
  double value;
  double low = 0.0;
  double high = 0.0;
  std::vector<const char*> choices = {};
};

// A member group: the element type of one kind. A group without a key is a
// kind the template never uses: its type keeps the name and area of a new
// model, and it has no parameters.
struct MemberGroup {
  const char* key = nullptr;  // the parameters --KEY-name and --KEY-area
  model::Text name{"", ""};
  double area = 0.0;
};

// The parameters as a template reads them.
class Values {
 public:
  explicit Values(const Parameters& parameters) : parameters_(parameters) {}
  // A length or ratio as the file keeps it.
  float length(std::string_view name) const;
  std::int32_t count(std::string_view name) const {
    return static_cast<std::int32_t>(find(name).value);
  }
  // The 1-based number of the chosen word.
  int choice(std::string_view name) const { return static_cast<int>(find(name).value); }
  const Parameter& find(std::string_view name) const;

 private:
  const Parameters& parameters_;
};

struct Template {
  const char* name;
  model::Text summary;
  model::Text note;
  std::vector<ParameterRule> shape;  // after the title, before the groups
  std::array<MemberGroup, model::kKindCount> groups;
  // Fills the Base module and the expansion.
  void (*draw)(const Values& values, model::Model& model);
  // The rules between parameters; none when the ranges say it all.
  model::Outcome (*rules)(const Values& values, bool romanian) = nullptr;
};

// The templates, in the order they are listed.
const std::vector<Template>& catalogue();

// The template called `name`, or none.
const Template* findTemplate(std::string_view name);

// The template's name (the word that picks it) and what it makes.
std::string templateName(const Template& made);
std::string templateSummary(const Template& made, bool romanian);

// The parameters of `made` with their defaults, their meanings and default
// names in the chosen language.
Parameters defaultParameters(const Template& made, bool romanian);

// Sets parameter `name` from the text `value`; a refusal says which and why.
model::Outcome setParameter(const Template& made, Parameters& parameters, std::string_view name,
                            std::string_view value, bool romanian);

// A parameter's value as text: what `setParameter` reads back the same.
std::string valueText(const Parameter& parameter);

// The allowed values as text: "1 to 500", "deck|through", "text".
std::string rangeText(const Parameter& parameter);

// The rules between parameters (an arch no higher than its half span).
model::Outcome checkParameters(const Template& made, const Parameters& parameters, bool romanian);

// The model the template makes from `parameters` (checked first): the start
// values of the language, the Base module, the expansion and the types.
model::Outcome buildModel(const Template& made, const Parameters& parameters, bool romanian,
                          model::Model& model);

}  // namespace zentrix::templates
