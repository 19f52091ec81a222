// The MODEL CHECK dialog after GENERATE: shown with every finding in the
// chosen language when there are findings, never shown for a clean model,
// and read-only (closing it changes nothing in the main dialog's steps).
#include "ui/dialogs/model_check_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main_dialog_fixture.h"

namespace zentrix::ui::testing {
namespace {

using Ids = ModelCheckControls;

struct Shown {
  std::string title;
  std::string heading;
  std::vector<std::string> entries;
};

class ModelCheckDialogTest : public MainDialogTest {
 protected:
  // Records what the dialog showed, then closes it with `closing`.
  void recordCheckDialog(int closing = kOkButton) {
    host.scriptDialog(Ids::kTemplate, [this, closing](MemoryDialog& d) {
      Shown seen{d.text(Ids::kTemplate), d.text(Ids::kHeading), {}};
      for (int entry = 1; entry <= d.entryCount(Ids::kFindings); ++entry)
        seen.entries.push_back(d.entryText(Ids::kFindings, entry));
      shown.push_back(seen);
      if (closing == kOkButton)
        d.userClick(kOkButton);
      else
        d.userCancel();
    });
  }

  // GENERATE on the square module with `moduleLength` typed (it is 1 long).
  void generateSquare(const char* moduleLength, bool romanian = false) {
    session.romanian = romanian;
    enterSquareModule();
    host.queueAnswer(MessageAnswer::Yes);
    run([&](MemoryDialog& d) {
      describeSquareCounts(d);
      chooseExpansion(d, moduleLength);
      d.userClick(kGenerate);
      afterGenerate = enabledIn(d);
      closeWithoutAsking(d);
    });
  }

  std::vector<Shown> shown;
  Enabled afterGenerate;
};

TEST_F(ModelCheckDialogTest, CleanModelShowsNoDialogAndNoMessage) {
  recordCheckDialog();
  generateSquare("1");
  EXPECT_TRUE(shown.empty());
  EXPECT_TRUE(host.messages().empty());
  EXPECT_EQ(
      std::count(host.openedTemplates().begin(), host.openedTemplates().end(), Ids::kTemplate), 0);
  EXPECT_EQ(model.structure.totalNodes(), 8);
}

struct LanguageCase {
  std::string name;
  bool romanian;
  std::string title;
  std::string heading;
  std::string firstEntry;
};

class ModelCheckDialogLanguage : public ModelCheckDialogTest,
                                 public ::testing::WithParamInterface<LanguageCase> {};

// A module length the Base module does not have: the user said Yes to the
// warning, and the check then names both Base 1 nodes before CREATE.
TEST_P(ModelCheckDialogLanguage, ListsEveryFindingBeforeCreate) {
  const LanguageCase& c = GetParam();
  for (const int closing : {kOkButton, kCancelButton}) {
    shown.clear();
    model = model::Model{};
    session.currentDir = platform.current;
    model::setStartValues(model, session.romanian);
    recordCheckDialog(closing);
    generateSquare("2", c.romanian);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, c.title);
    EXPECT_EQ(shown[0].heading, c.heading);
    ASSERT_EQ(shown[0].entries.size(), 2u);
    EXPECT_EQ(shown[0].entries[0], c.firstEntry);
    // Reading the list changes nothing: CREATE is next, as without it.
    EXPECT_TRUE(afterGenerate.create);
    EXPECT_TRUE(afterGenerate.saveData);
    EXPECT_FALSE(afterGenerate.viewAndPreview);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ModelCheckDialogLanguage,
    ::testing::Values(
        LanguageCase{"English", false, "MODEL CHECK", "Model check: 2 findings.",
                     "Base 1 node 3 is not Base 0 node 1 moved by the module length 2. along X: "
                     "it is at (1., 0.) instead of (2., 0.). Every module repeats the mismatch, "
                     "so the modules do not fit together."},
        LanguageCase{"Romanian", true, "VERIFICAREA MODELULUI",
                     "Verificarea modelului: 2 probleme gasite.",
                     "Nodul 3 din Baza 1 nu este nodul 1 din Baza 0 deplasat cu lungimea "
                     "modulului 2. dupa X: se afla la (1., 0.) in loc de (2., 0.). Fiecare modul "
                     "repeta nepotrivirea, deci modulele nu se potrivesc intre ele."}),
    [](const auto& test) { return test.param.name; });

TEST(ModelCheckDialog, ShowsTheCapOfALongListAsItsLastEntry) {
  generation::Finding first{.kind = generation::FindingKind::kUnusedNode,
                            .nodes = {7},
                            .english = "Node 7 is no element's end node.",
                            .romanian = "Nodul 7."};
  generation::Finding more{.kind = generation::FindingKind::kUnusedNode,
                           .english = "... and 3 more of this kind, not listed.",
                           .romanian = "... si inca 3 de acest fel, nelistate.",
                           .notListed = 3};
  MemoryDialogHost host;
  std::vector<std::string> entries;
  std::string heading;
  host.scriptDialog(ModelCheckControls::kTemplate, [&](MemoryDialog& d) {
    heading = d.text(ModelCheckControls::kHeading);
    for (int entry = 1; entry <= d.entryCount(ModelCheckControls::kFindings); ++entry)
      entries.push_back(d.entryText(ModelCheckControls::kFindings, entry));
    d.userClick(kOkButton);
  });
  runModelCheckDialog({first, more}, false, host);
  EXPECT_EQ(heading, "Model check: 4 findings.");
  EXPECT_EQ(entries, (std::vector<std::string>{first.english, more.english}));
}

}  // namespace
}  // namespace zentrix::ui::testing
