#include "ui/dialogs/coordinates_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/dialog_script.h"
#include "support/memory_dialog_backend.h"
#include "support/test_names.h"
#include "ui/dialogs/dialog_session.h"

namespace zentrix::ui {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using Ids = CoordinatesControls;
using ui::MemoryDialog;

zentrix::testing::RunModel newModel(int dofPerNode, int nodesInBase0, int nodesInBase1) {
  zentrix::testing::RunModel m;
  m.base.dofPerNode = dofPerNode;
  m.base.nodesInBase0 = nodesInBase0;
  m.base.nodesInBase1 = nodesInBase1;
  return m;
}

std::vector<float> row(const zentrix::testing::RunModel& m, int node) {
  std::vector<float> values;
  for (int axis = 1; axis <= m.base.baseCoords.columns(); ++axis)
    values.push_back(m.base.baseCoords(node, axis));
  return values;
}

void setRow(zentrix::testing::RunModel& m, int node, std::vector<float> values) {
  for (int axis = 1; axis <= static_cast<int>(values.size()); ++axis)
    m.base.baseCoords(node, axis) = values[static_cast<std::size_t>(axis - 1)];
}

void runWith(zentrix::testing::RunModel& m, ui::MemoryDialogHost& host,
             std::function<void(MemoryDialog&)> script) {
  testing_support::playNextOpening(host, Ids::kTemplate, std::move(script));
  runCoordinatesDialog(m, testing::sessionOf(m), host);
}

std::string shownFor(zentrix::testing::RunModel& m, int node) {
  ui::MemoryDialogHost host;
  std::string shown;
  runWith(m, host, [&](MemoryDialog& d) {
    d.userChoose(Ids::kNodeList, node);
    shown = d.text(Ids::kCoordinatesEdit);
  });
  return shown;
}

TEST(CoordinatesDialogOpening, BuildsTheArrayAndListsForTheCurrentCounts) {
  auto m = newModel(3, 2, 3);
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kNodeList),
                ElementsAre("1   0.  0.  0.", "2   0.  0.  0.", "3   0.  0.  0.", "4   0.  0.  0.",
                            "5   0.  0.  0."));
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList),
                ElementsAre("1", "2", "3", "4", "5"));
    EXPECT_EQ(d.text(Ids::kPrompt), "Input Coordinates X, Y, Z:\nSeparators: Space(s); Comma");
  });
  EXPECT_EQ(m.base.baseCoords.rows(), 5);
  EXPECT_EQ(m.base.baseCoords.columns(), 3);
}

TEST(CoordinatesDialogOpening, PromptNamesTwoCoordinatesIn2D) {
  auto m = newModel(2, 1, 1);
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    EXPECT_EQ(d.text(Ids::kPrompt), "Input Coordinates X, Y:\nSeparators: Space(s); Comma");
  });
}

// The node count is the one the files use, N0 + N1, also after a load: a
// count raised since in the main dialog brings its new node into the lists.
TEST(CoordinatesDialogOpening, AfterALoadFollowsTheChangedCountAndNumbersTheProcessedList) {
  auto m = newModel(2, 2, 2);
  m.oldFileLoaded = true;
  m.base.baseCoords.rebuild(4, 2);
  setRow(m, 3, {1.5f, 2.0f});
  m.base.nodesInBase1 = 3;  // changed in the main dialog after the load
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList),
                ElementsAre("1", "2", "3", "4", "5"));
  });
  EXPECT_EQ(m.base.baseCoords.rows(), 5);
  EXPECT_THAT(row(m, 3), ElementsAre(1.5f, 2.0f));
}

// The counts may change in the main dialog after the array was built: the
// array follows them and keeps what remains of the earlier entries.
TEST(CoordinatesDialogOpening, GrowsToChangedCountsAndKeepsRowsBeyondALoweredOne) {
  auto m = newModel(2, 2, 2);
  m.base.baseCoords.rebuild(4, 2);
  for (int node = 1; node <= 4; ++node) setRow(m, node, {float(node), float(10 * node)});

  m.base.dofPerNode = 3;
  m.base.nodesInBase1 = 3;
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) { EXPECT_EQ(d.entryCount(Ids::kNodeList), 5); });
  ASSERT_EQ(m.base.baseCoords.rows(), 5);
  ASSERT_EQ(m.base.baseCoords.columns(), 3);
  EXPECT_THAT(row(m, 2), ElementsAre(2.0f, 20.0f, 0.0f));
  EXPECT_THAT(row(m, 4), ElementsAre(4.0f, 40.0f, 0.0f));
  EXPECT_THAT(row(m, 5), ElementsAre(0.0f, 0.0f, 0.0f));

  m.base.dofPerNode = 2;
  m.base.nodesInBase0 = 1;
  m.base.nodesInBase1 = 1;
  runWith(m, host, [](MemoryDialog& d) {
    EXPECT_EQ(d.entryCount(Ids::kNodeList), 2);
    // The last node of the smaller array reads and applies without touching
    // anything beyond it.
    d.userChoose(Ids::kNodeList, 2);
    d.userType(Ids::kCoordinatesEdit, "7 8");
    d.userClick(Ids::kApplyButton);
  });
  // Rows and the third column beyond the lowered counts stay, hidden.
  EXPECT_EQ(m.base.baseCoords.storage(),
            (std::vector<float>{1, 10, 0, 7, 8, 0, 3, 30, 0, 4, 40, 0, 0, 0, 0}));
  EXPECT_TRUE(host.messages().empty());
}

struct ShownCase {
  int dofPerNode;
  std::vector<float> node1;
  std::vector<float> node5;
  int chosen;
  std::vector<float> chosenValues;
  const char* shown;
};

class CoordinatesShown : public ::testing::TestWithParam<ShownCase> {};

TEST_P(CoordinatesShown, ShowsCompactTextsJoinedByTwoBlanks) {
  const auto& c = GetParam();
  auto m = newModel(c.dofPerNode, 4, 4);
  m.base.baseCoords.rebuild(8, c.dofPerNode);
  setRow(m, 1, c.node1);
  setRow(m, 5, c.node5);
  setRow(m, c.chosen, c.chosenValues);
  EXPECT_EQ(shownFor(m, c.chosen), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoordinatesShown,
    ::testing::Values(
        ShownCase{2, {0, 0}, {0, 0}, 1, {0, 0}, "0.  0."},
        ShownCase{
            3, {0, 0, 0}, {0, 0, 0}, 2, {1.5f, -2.25f, 1234567.0f}, "1.5  -2.25  0.123457E+07"},
        ShownCase{2, {0, 0}, {0, 0}, 3, {0.05f, 100}, "0.5E-01  100."},
        // A node not yet entered starts its last coordinate at its base's
        // level: node 5 for Base 1 nodes, node 1 for Base 0 nodes.
        ShownCase{2, {0, 1}, {0, 3.5f}, 6, {0, 0}, "0.  3.5"},
        ShownCase{2, {0, 1}, {0, 3.5f}, 3, {0, 0}, "0.  1."},
        ShownCase{3, {0, 0, 2}, {4, 5, 6}, 7, {0, 0, 0}, "0.  0.  6."},
        // An entered node shows its own values even when its last one is 0.
        ShownCase{2, {0, 1}, {0, 3.5f}, 6, {2, 0}, "2.  0."}),
    [](const ::testing::TestParamInfo<ShownCase>& shown) {
      return std::to_string(shown.param.dofPerNode) + "d_" +
             ::zentrix::testing::spelledName(shown.param.shown);
    });

TEST(CoordinatesApply, ApplyingTheShownReferenceLevelStoresIt) {
  auto m = newModel(2, 4, 4);
  m.base.baseCoords.rebuild(8, 2);
  setRow(m, 5, {0, 3.5f});
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    d.userChoose(Ids::kNodeList, 6);
    d.userClick(Ids::kApplyButton);
    EXPECT_EQ(d.entryText(Ids::kProcessedList, 6), "6+");
  });
  EXPECT_THAT(row(m, 6), ElementsAre(0.0f, 3.5f));
}

struct TextCase {
  int dofPerNode;
  const char* text;
  std::vector<float> expected;  // the node's values after APPLY
  bool accepted;
};

class CoordinatesTextForms : public ::testing::TestWithParam<TextCase> {};

TEST_P(CoordinatesTextForms, StoresReadableTextsAndRefusesTheRest) {
  const auto& c = GetParam();
  auto m = newModel(c.dofPerNode, 2, 2);
  m.base.baseCoords.rebuild(4, c.dofPerNode);
  setRow(m, 3, c.dofPerNode == 2 ? std::vector<float>{7, 8} : std::vector<float>{7, 8, 9});
  ui::MemoryDialogHost host;
  std::string mark;
  std::string textAfter;
  runWith(m, host, [&](MemoryDialog& d) {
    d.userChoose(Ids::kNodeList, 3);
    d.userType(Ids::kCoordinatesEdit, c.text);
    d.userClick(Ids::kApplyButton);
    mark = d.entryText(Ids::kProcessedList, 3);
    textAfter = d.text(Ids::kCoordinatesEdit);
  });
  EXPECT_THAT(row(m, 3), ElementsAreArray(c.expected)) << "text \"" << c.text << "\"";
  // Accepted, the next node is chosen and shown; refused, the text stays.
  if (!c.accepted) {
    EXPECT_EQ(textAfter, c.text);
  }
  if (c.accepted) {
    EXPECT_EQ(mark, "3+");
    EXPECT_TRUE(host.messages().empty());
  } else {
    EXPECT_EQ(mark, "3");  // its number, unmarked
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, "Wrong Coordinates String.");
    EXPECT_EQ(host.messages()[0].title, "Dialog2 Message");
    EXPECT_EQ(host.messages()[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(host.messages()[0].buttons, ui::MessageButtons::Ok);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CoordinatesTextForms,
    ::testing::Values(TextCase{2, "1.5,2", {1.5f, 2}, true}, TextCase{2, "1.5 2", {1.5f, 2}, true},
                      TextCase{2, "  1.5   ,   2  ", {1.5f, 2}, true},
                      TextCase{
                          2, "1.5 2 3", {1.5f, 2}, true},  // values beyond the node's are ignored
                      TextCase{2, "-1.25E+02 3D-1", {-125, 0.3f}, true},
                      TextCase{3, "1.5,,2", {1.5f, 8, 2}, true},
                      TextCase{3, "1.5 2 /", {1.5f, 2, 9}, true}, TextCase{3, "/", {7, 8, 9}, true},
                      TextCase{3, "4*0", {0, 0, 0}, true},
                      TextCase{3, "2*1.5 6", {1.5f, 1.5f, 6}, true},
                      TextCase{2, "1.5", {7, 8}, false}, TextCase{2, "1.5;2", {7, 8}, false},
                      TextCase{2, "abc def", {7, 8}, false}, TextCase{2, "1.5 x", {7, 8}, false},
                      TextCase{2, "", {7, 8}, false}, TextCase{3, "1 2", {7, 8, 9}, false}),
    [](const ::testing::TestParamInfo<TextCase>& typed) {
      return std::to_string(typed.param.dofPerNode) + "d_" +
             ::zentrix::testing::spelledName(typed.param.text);
    });

// Enter in the text box closed the dialog and lost the typed value. It
// applies, and each APPLY moves on, so a module is typed node after node.
TEST(CoordinatesApply, EnterAppliesAndMovesToTheNextNode) {
  auto m = newModel(2, 2, 2);
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    d.userChoose(Ids::kNodeList, 2);
    for (const char* typed : {"0 3", "2 0", "2 3", "9 9"}) {
      d.userType(Ids::kCoordinatesEdit, typed);
      EXPECT_TRUE(d.userPressEnter(Ids::kCoordinatesEdit));
      ASSERT_TRUE(d.running());
    }
    EXPECT_EQ(d.selection(Ids::kNodeList), 4);  // the last node stays chosen
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kNodeList),
                ElementsAre("1   0.  0.", "2   0.  3.", "3   2.  0.", "4   9.  9."));
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList),
                ElementsAre("1", "2+", "3+", "4+"));
    d.userClick(kOkButton);
  });
  EXPECT_THAT(row(m, 2), ElementsAre(0.0f, 3.0f));
  EXPECT_THAT(row(m, 4), ElementsAre(9.0f, 9.0f));
}

TEST(CoordinatesApply, EmptyButtonLeavesOneBlankThatDoesNotRead) {
  auto m = newModel(2, 1, 1);
  ui::MemoryDialogHost host;
  host.queueAnswer(ui::MessageAnswer::Ok);
  runWith(m, host, [](MemoryDialog& d) {
    d.userChoose(Ids::kNodeList, 1);
    d.userClick(Ids::kEmptyButton);
    EXPECT_EQ(d.text(Ids::kCoordinatesEdit), " ");
    d.userClick(Ids::kApplyButton);
  });
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text, "Wrong Coordinates String.");
}

TEST(CoordinatesApply, MessagesInRomanian) {
  auto m = newModel(2, 1, 1);
  m.romanian = true;
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    d.userType(Ids::kCoordinatesEdit, "1 2");
    d.userClick(Ids::kApplyButton);  // no node chosen yet
    d.userChoose(Ids::kNodeList, 1);
    d.userType(Ids::kCoordinatesEdit, "1;2");
    d.userClick(Ids::kApplyButton);
  });
  ASSERT_EQ(host.messages().size(), 2u);
  EXPECT_EQ(host.messages()[0].text, "Nu s-a selectat nici un nod.");
  EXPECT_EQ(host.messages()[1].text, "Sir eronat de coordonate.");
  EXPECT_EQ(host.messages()[1].title, "Mesaj Dialog2");
}

TEST(CoordinatesApply, WithoutAChosenNodeTellsTheUserAndChangesNothing) {
  auto m = newModel(2, 1, 1);
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    d.userType(Ids::kCoordinatesEdit, "1 2");
    d.userClick(Ids::kApplyButton);
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList), ElementsAre("1", "2"));
  });
  EXPECT_EQ(m.base.baseCoords.storage(), (std::vector<float>{0, 0, 0, 0}));
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text, "No Node Selected");
  EXPECT_EQ(host.messages()[0].title, "Dialog2 Message");
  EXPECT_EQ(host.messages()[0].icon, ui::MessageIcon::Error);
}

TEST(CoordinatesClosing, CancelKeepsEveryAppliedNode) {
  auto m = newModel(2, 2, 2);
  ui::MemoryDialogHost host;
  host.scriptNextOpening(Ids::kTemplate, [](MemoryDialog& d) {
    const char* texts[] = {"0 0", "1 0", "0 1.5", "1 1.5"};
    for (int node = 1; node <= 4; ++node) {
      d.userChoose(Ids::kNodeList, node);
      d.userType(Ids::kCoordinatesEdit, texts[node - 1]);
      d.userClick(Ids::kApplyButton);
    }
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList),
                ElementsAre("1+", "2+", "3+", "4+"));
    d.userType(Ids::kCoordinatesEdit, "9 9");  // typed, never applied
    d.userCancel();
  });
  runCoordinatesDialog(m, testing::sessionOf(m), host);
  EXPECT_EQ(m.base.baseCoords.storage(), (std::vector<float>{0, 0, 1, 0, 0, 1.5f, 1, 1.5f}));

  // Reopened without a load, the marks start blank again.
  runWith(m, host, [](MemoryDialog& d) {
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList),
                ElementsAre("1", "2", "3", "4"));
  });
}

}  // namespace
}  // namespace zentrix::ui
