#include "ui/dialogs/element_types_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "model/text.h"
#include "support/dialog_script.h"
#include "support/memory_dialog_backend.h"
#include "support/test_names.h"
#include "ui/dialogs/dialog_session.h"

namespace zentrix::ui {
namespace {

using ::testing::ElementsAre;
using Ids = ElementTypesControls;

zentrix::testing::RunModel newModel(bool romanian, int expansionType) {
  zentrix::testing::RunModel m;
  m.romanian = romanian;
  setStartValues(m);
  m.expansion.expansionType = expansionType;
  startNewElementTypes(m);
  return m;
}

std::array<std::string, 4> shownNames(const MemoryDialog& d) {
  return {d.text(1061), d.text(1062), d.text(1063), d.text(1067)};
}

std::array<std::string, 4> shownAreas(const MemoryDialog& d) {
  return {d.text(1064), d.text(1065), d.text(1066), d.text(1068)};
}

struct DefaultsCase {
  bool romanian;
  int expansionType;
  std::array<std::string, 4> names;
};

class ElementTypeDefaults : public ::testing::TestWithParam<DefaultsCase> {};

// What a new model's dialog shows is what it stores, even when the user
// closes it without typing: the writers then name the types as shown.
TEST_P(ElementTypeDefaults, AreShownAndStoredOnOpening) {
  const auto& c = GetParam();
  auto m = newModel(c.romanian, c.expansionType);
  // Blank names, or the defaults of the other expansion family, take the
  // defaults of the type chosen now.
  m.types.typeNames = {"",
                       c.expansionType == model::kArch
                           ? "Transversal"
                           : model::say({"Strut", "Montant"}, c.romanian),
                       "", ""};
  MemoryDialogHost host;
  testing_support::playNextOpening(
      host, Ids::kTemplate,
      [&](MemoryDialog& d) {
        EXPECT_EQ(shownNames(d), c.names);
        EXPECT_EQ(shownAreas(d), (std::array<std::string, 4>{"1.", "2.", "3.", "4."}));
      },
      kCancelButton);
  runElementTypesDialog(m, testing::sessionOf(m), host);
  EXPECT_EQ(m.types.typeNames, c.names);
  EXPECT_EQ(m.types.typeAreas, (std::array<float, 4>{1, 2, 3, 4}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ElementTypeDefaults,
    ::testing::Values(
        DefaultsCase{false,
                     model::kPrismatic,
                     {"Longitudinal", "Transversal", "Diagonal", "Transversal Diagonal"}},
        DefaultsCase{false,
                     model::kNoExpansion,
                     {"Longitudinal", "Transversal", "Diagonal", "Transversal Diagonal"}},
        DefaultsCase{false,
                     model::kOneDirectionShrink,
                     {"Longitudinal", "Transversal", "Diagonal", "Transversal Diagonal"}},
        DefaultsCase{
            false, model::kArch, {"Longitudinal", "Strut", "Diagonal", "Transversal Diagonal"}},
        DefaultsCase{true,
                     model::kPyramidal,
                     {"Longitudinal", "Transversal", "Diagonala", "Diagonala transversala"}},
        DefaultsCase{
            true, model::kArch, {"Talpa", "Montant", "Diagonala", "Diagonala transversala"}}),
    [](const ::testing::TestParamInfo<DefaultsCase>& defaults) {
      return std::string(model::say({"en", "ro"}, defaults.param.romanian)) + "_type" +
             std::to_string(defaults.param.expansionType);
    });

TEST(ElementTypesDialog, ChangingOneAreaStoresAllFieldsAsShown) {
  auto m = newModel(false, model::kArch);
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Ids::kTemplate,
                                   [](MemoryDialog& d) { d.userType(1066, "12.5"); });
  runElementTypesDialog(m, testing::sessionOf(m), host);
  EXPECT_EQ(m.types.typeAreas, (std::array<float, 4>{1, 2, 12.5f, 4}));
  EXPECT_THAT(m.types.typeNames,
              ElementsAre("Longitudinal", "Strut", "Diagonal", "Transversal Diagonal"));
}

TEST(ElementTypesDialog, AreaTextsReadTheirLeadingNumber) {
  struct Case {
    const char* typed;
    float area;
  };
  for (const Case c : {Case{"abc", 0}, Case{"", 0}, Case{" 2.5e-3 cm2", 0.0025f}, Case{"7,5", 7},
                       Case{"               9", 9}, Case{"                9", 0}}) {
    auto m = newModel(false, model::kPrismatic);
    MemoryDialogHost host;
    testing_support::playNextOpening(host, Ids::kTemplate,
                                     [&](MemoryDialog& d) { d.userType(1068, c.typed); });
    runElementTypesDialog(m, testing::sessionOf(m), host);
    EXPECT_FLOAT_EQ(m.types.typeArea(4), c.area) << "\"" << c.typed << "\"";
    EXPECT_FLOAT_EQ(m.types.typeArea(1), 1.0f);
  }
}

// "abc" as the Type 2 area became 0 at OK without a word, and the zero area
// went into the Geometry File. OK is refused, naming the box; a number,
// even 0 (the model check's matter), passes.
TEST(ElementTypesDialog, AreaThatIsNotANumberIsRefusedAtOk) {
  struct Row {
    const char* typed;
    bool refused;
  };
  for (const Row row :
       {Row{"abc", true}, Row{"", true}, Row{"  -", true}, Row{"x5", true}, Row{".", true},
        Row{"0", false}, Row{"-.5", false}, Row{"2.5 cm2", false}, Row{" +7", false}}) {
    auto m = newModel(false, model::kPrismatic);
    MemoryDialogHost host;
    bool openAfterOk = false;
    testing_support::playNextOpening(host, Ids::kTemplate, [&](MemoryDialog& d) {
      d.userType(1065, row.typed);
      d.userClick(kOkButton);
      openAfterOk = d.userClick(kCancelButton);  // only an open dialog takes it
    });
    runElementTypesDialog(m, testing::sessionOf(m), host);
    EXPECT_EQ(openAfterOk, row.refused) << '"' << row.typed << '"';
    ASSERT_EQ(host.messages().size(), row.refused ? 1u : 0u) << '"' << row.typed << '"';
    if (row.refused) {
      EXPECT_EQ(host.messages()[0].text,
                std::string("\"Area\" of type 2 is not a number: \"") + row.typed + "\".");
    }
  }
}

TEST(ElementTypesDialog, NamesAndAreasTypedAreKeptAfterCancel) {
  auto m = newModel(false, model::kPrismatic);
  MemoryDialogHost host;
  testing_support::playNextOpening(
      host, Ids::kTemplate,
      [](MemoryDialog& d) {
        d.userType(1061, "Chord  ");
        d.userType(1065, "0.5");
        d.userType(1067, "");
      },
      kCancelButton);
  runElementTypesDialog(m, testing::sessionOf(m), host);
  EXPECT_THAT(m.types.typeNames, ElementsAre("Chord", "Transversal", "Diagonal", ""));
  EXPECT_EQ(m.types.typeAreas, (std::array<float, 4>{1, 0.5f, 3, 4}));
}

TEST(ElementTypesDialog, AreasShowTheirCompactSevenDigitForm) {
  auto m = newModel(false, model::kPrismatic);
  m.types.typeAreas = {0.05f, 1234567.0f, 12345678.0f, -2.5f};
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Ids::kTemplate, [](MemoryDialog& d) {
    EXPECT_EQ(shownAreas(d),
              (std::array<std::string, 4>{"0.5E-01", "1234567.", "0.1234568E+08", "-2.5"}));
  });
  runElementTypesDialog(m, testing::sessionOf(m), host);
  // Nothing typed: the areas keep their exact values.
  EXPECT_EQ(m.types.typeAreas, (std::array<float, 4>{0.05f, 1234567.0f, 12345678.0f, -2.5f}));
}

TEST(ElementTypesDialog, AfterALoadShowsTheStoredNamesLeftAdjusted) {
  auto m = newModel(false, model::kArch);
  m.oldFileLoaded = true;
  m.types.typeNames = {" Talpa", " Montant", " Diag", " TD"};
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Ids::kTemplate, [](MemoryDialog& d) {
    EXPECT_EQ(shownNames(d), (std::array<std::string, 4>{"Talpa", "Montant", "Diag", "TD"}));
    EXPECT_TRUE(d.isEnabled(1067));
    EXPECT_TRUE(d.isEnabled(1068));
  });
  runElementTypesDialog(m, testing::sessionOf(m), host);
  // Untouched names stay as loaded.
  EXPECT_THAT(m.types.typeNames, ElementsAre(" Talpa", " Montant", " Diag", " TD"));
}

TEST(ElementTypesDialog, WithThreeLoadedTypesTheFourthIsDisabledAndUntouched) {
  auto m = newModel(false, model::kPrismatic);
  m.oldFileLoaded = true;
  m.types.elementKindCount = 3;
  m.types.typeNames = {"A", "B", "C", "kept"};
  m.types.typeAreas = {5, 6, 7, 8};
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Ids::kTemplate, [](MemoryDialog& d) {
    EXPECT_EQ(shownNames(d), (std::array<std::string, 4>{"A", "B", "C", ""}));
    EXPECT_EQ(shownAreas(d), (std::array<std::string, 4>{"5.", "6.", "7.", ""}));
    EXPECT_FALSE(d.isEnabled(1067));
    EXPECT_FALSE(d.isEnabled(1068));
    EXPECT_FALSE(d.userType(1068, "99"));
    d.userType(1062, "Post");
  });
  runElementTypesDialog(m, testing::sessionOf(m), host);
  EXPECT_THAT(m.types.typeNames, ElementsAre("A", "Post", "C", "kept"));
  EXPECT_EQ(m.types.typeAreas, (std::array<float, 4>{5, 6, 7, 8}));
}

TEST(ElementTypesDialog, WithTwoLoadedTypesTheThirdBoxesAreBlankAndItsAreaIsNotRead) {
  auto m = newModel(false, model::kPrismatic);
  m.oldFileLoaded = true;
  m.types.elementKindCount = 2;
  m.types.typeNames = {"A", "B", "C", "D"};
  m.types.typeAreas = {5, 6, 7, 8};
  MemoryDialogHost host;
  testing_support::playNextOpening(host, Ids::kTemplate, [](MemoryDialog& d) {
    EXPECT_EQ(shownNames(d), (std::array<std::string, 4>{"A", "B", "", ""}));
    d.userType(1066, "70");
  });
  runElementTypesDialog(m, testing::sessionOf(m), host);
  EXPECT_EQ(m.types.typeAreas, (std::array<float, 4>{5, 6, 7, 8}));
}

}  // namespace
}  // namespace zentrix::ui
