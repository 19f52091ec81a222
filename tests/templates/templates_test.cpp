// Every template, over a sweep of its parameters (each one at its lowest,
// its default and its highest value, every choice, and rows of their own
// for the rules between parameters), makes a model that the model check
// finds clean, that GENERATE accepts without a module length question and
// with every element in a named member group, and that the Zentrix Input
// File keeps: written, read back equal, and written again byte for byte.
// Out-of-range values are refused with the parameter and its range.
#include "templates/templates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "files/input_file.h"
#include "files/saved_inputs.h"
#include "generation/model_check.h"
#include "generation/run.h"
#include "support/golden_file.h"

namespace zentrix {
namespace {

using templates::Parameter;
using templates::ParameterKind;

struct Row {
  std::string name;  // the test's name
  std::string templateName;
  std::vector<std::pair<std::string, std::string>> values;
  bool romanian = false;
};

std::string testName(std::string text) {
  std::replace_if(
      text.begin(), text.end(), [](char c) { return std::isalnum(c) == 0; }, '_');
  return text;
}

// The parameter's words, or its lowest and highest values.
std::vector<std::string> edgeValues(const Parameter& parameter) {
  if (parameter.kind == ParameterKind::kChoice) return parameter.choices;
  if (parameter.kind == ParameterKind::kName) return {};
  Parameter low = parameter, high = parameter;
  low.value = parameter.low;
  high.value = parameter.high;
  return {templates::valueText(low), templates::valueText(high)};
}

// Each parameter at its edges, the others at their defaults; values the
// rules between parameters refuse are left to the rows of their own.
void addSweep(const templates::Template& made, std::vector<Row>& rows) {
  const std::string name = templates::templateName(made);
  rows.push_back({testName(name) + "_defaults", name, {}});
  rows.push_back({testName(name) + "_defaults_ro", name, {}, true});
  for (const Parameter& parameter : templates::defaultParameters(made, false)) {
    for (const std::string& value : edgeValues(parameter)) {
      templates::Parameters one = templates::defaultParameters(made, false);
      if (!templates::setParameter(made, one, parameter.name, value, false) ||
          !templates::checkParameters(made, one, false))
        continue;
      rows.push_back(
          {testName(name + "_" + parameter.name + "_" + value), name, {{parameter.name, value}}});
    }
  }
}

std::vector<Row> allRows() {
  std::vector<Row> rows;
  for (const templates::Template& made : templates::catalogue()) addSweep(made, rows);
  rows.push_back({"arch_rib_half_circle", "arch-rib", {{"rise", "15"}, {"depth", "3.75"}}});
  rows.push_back({"arch_rib_smallest_parabolic",
                  "arch-rib",
                  {{"half-span", "1"}, {"rise", "1"}, {"depth", "0.25"}, {"arch", "parabolic"}}});
  rows.push_back({"arch_rib_flattest", "arch-rib", {{"half-span", "1000"}, {"rise", "0.1"}}});
  rows.push_back(
      {"tower_sharpest_in_one_panel", "tower", {{"top-ratio", "0.1"}, {"modules", "1"}}});
  rows.push_back({"box_bridge_deck_one_panel", "box-bridge", {{"deck", "deck"}, {"modules", "1"}}});
  return rows;
}

class NoQuestions final : public generation::GenerateCaller {
 public:
  bool goOnDespite(const std::string& warning) override {
    ADD_FAILURE() << warning;
    return false;
  }
  void note(std::string_view) override {}
  model::Outcome withProgress(
      std::string_view, const std::function<model::Outcome(model::Progress&)>& work) override {
    model::NoProgress progress;
    return work(progress);
  }
};

class TemplateSweepTest : public testing::ScratchFolderTest,
                          public ::testing::WithParamInterface<Row> {};

TEST_P(TemplateSweepTest, CleanGeneratedAndKeptByItsFile) {
  const Row& row = GetParam();
  const templates::Template* made = templates::findTemplate(row.templateName);
  ASSERT_NE(made, nullptr);
  templates::Parameters parameters = templates::defaultParameters(*made, row.romanian);
  for (const auto& [name, value] : row.values)
    ASSERT_TRUE(templates::setParameter(*made, parameters, name, value, false)) << name;
  model::Model model;
  const model::Outcome built = templates::buildModel(*made, parameters, row.romanian, model);
  ASSERT_TRUE(built) << built.message;

  ASSERT_TRUE(files::writeInputFile(files::inputFileParts(model, false, row.romanian), "m.dat"));
  const std::string written = testing::readBytes("m.dat");
  model::Model loaded;
  model::setStartValues(loaded, row.romanian);
  const model::Outcome read = files::loadInputFile(loaded, "m.dat", row.romanian);
  ASSERT_TRUE(read) << read.message;
  EXPECT_TRUE(testing::sameInputs(testing::afterSaveAndLoad(model, loaded), loaded));
  ASSERT_TRUE(files::writeInputFile(files::inputFileParts(loaded, false, row.romanian), "m.dat"));
  EXPECT_EQ(testing::readBytes("m.dat"), written);

  NoQuestions caller;
  ASSERT_EQ(generation::runGenerate(model, row.romanian, generation::kAskTheLength, caller).kind,
            model::Outcome::Kind::kOk);
  // A Vierendeel girder is a frame: as a truss of two or more panels it is
  // a mechanism, which the check says; nothing else may be found.
  const bool frame = row.templateName == "vierendeel" && model.expansion.moduleCount > 1;
  for (const generation::Finding& finding : generation::checkModel(model))
    EXPECT_TRUE(frame && finding.kind == generation::FindingKind::kStaticallyUnstable)
        << finding.english;
  for (int kind = 1; kind <= model::kKindCount; ++kind) {
    const auto k = static_cast<std::size_t>(kind);
    if (model.structure.kindEnd[k] == model.structure.kindEnd[k - 1]) continue;
    EXPECT_FALSE(model::isDefaultTypeName(kind, model.types.typeName(kind), row.romanian))
        << "kind " << kind << " has elements but no member group";
  }
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplateSweepTest, ::testing::ValuesIn(allRows()),
                         [](const auto& test) { return test.param.name; });

struct Refusal {
  const char* name;
  const char* templateName;
  std::vector<std::pair<std::string, std::string>> values;
  const char* message;
};

class TemplateRefusalTest : public ::testing::TestWithParam<Refusal> {};

TEST_P(TemplateRefusalTest, NamesTheParameterAndItsRange) {
  const Refusal& row = GetParam();
  const templates::Template* made = templates::findTemplate(row.templateName);
  templates::Parameters parameters = templates::defaultParameters(*made, false);
  model::Outcome outcome;
  for (const auto& [name, value] : row.values)
    if (outcome) outcome = templates::setParameter(*made, parameters, name, value, false);
  model::Model model;
  if (outcome) outcome = templates::buildModel(*made, parameters, false, model);
  EXPECT_EQ(outcome.message, row.message);
  EXPECT_EQ(model.base.baseNodeCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Templates, TemplateRefusalTest,
    ::testing::Values(
        Refusal{"ModulesBelowOne",
                "pratt",
                {{"modules", "0"}},
                "--modules 0 is outside its range 1 to 1000"},
        Refusal{"ModulesNotWhole",
                "tower",
                {{"modules", "2.5"}},
                "--modules 2.5 is not a whole number"},
        Refusal{"RatioAboveOne",
                "tower",
                {{"top-ratio", "1.5"}},
                "--top-ratio 1.5 is outside its range 0.1 to 1"},
        Refusal{"AreaZero",
                "howe",
                {{"chords-area", "0"}},
                "--chords-area 0 is outside its range 0.001 to 1000000"},
        Refusal{"LengthNotANumber", "warren", {{"height", "3m"}}, "--height 3m is not a number"},
        Refusal{"UnknownChoice",
                "box-bridge",
                {{"deck", "pony"}},
                "--deck pony is none of deck|through"},
        Refusal{
            "RiseAboveHalfSpan", "arch-rib", {{"rise", "16"}}, "--rise 16 is above 15 (half-span)"},
        Refusal{"UnusedGroup",
                "vierendeel",
                {{"diagonals-area", "3"}},
                "vierendeel has no parameter --diagonals-area; its parameters: --title "
                "--panel-length --height --modules --chords-name --chords-area "
                "--verticals-name --verticals-area"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace zentrix
