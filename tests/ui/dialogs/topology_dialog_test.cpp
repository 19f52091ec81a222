#include "ui/dialogs/topology_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/text.h"
#include "support/dialog_script.h"
#include "support/memory_dialog_backend.h"
#include "support/test_names.h"
#include "ui/dialogs/dialog_session.h"

namespace zentrix::ui {
namespace {

using ::testing::ElementsAre;
using Ids = TopologyControls;
using ui::MemoryDialog;

// A Base module of 4 + 4 nodes and `count` elements.
zentrix::testing::RunModel modelWithElements(int count) {
  zentrix::testing::RunModel m;
  m.base.nodesInBase0 = 4;
  m.base.nodesInBase1 = 4;
  m.base.baseElementCount = count;
  return m;
}

void setElement(zentrix::testing::RunModel& m, int element, int start, int end) {
  m.base.baseElemStart(element) = start;
  m.base.baseElemEnd(element) = end;
}

void runWith(zentrix::testing::RunModel& m, ui::MemoryDialogHost& host,
             std::function<void(MemoryDialog&)> script) {
  testing_support::playNextOpening(host, Ids::kTemplate, std::move(script));
  runTopologyDialog(m, testing::sessionOf(m), host);
}

TEST(TopologyDialogOpening, ListsFollowTheCountAndLoadedElementsShowTheirNumbers) {
  auto m = modelWithElements(3);
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kElementList),
                ElementsAre("1   0    0", "2   0    0", "3   0    0"));
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList), ElementsAre("1", "2", "3"));
  });
  EXPECT_EQ(m.base.baseElemStart.storage(), (std::vector<std::int32_t>{0, 0, 0}));
  EXPECT_EQ(m.base.baseElemEnd.storage(), (std::vector<std::int32_t>{0, 0, 0}));

  m.oldFileLoaded = true;
  runWith(m, host, [](MemoryDialog& d) {
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList), ElementsAre("1", "2", "3"));
  });
}

TEST(TopologyDialogOpening, GrowsToAChangedCountAndKeepsElementsBeyondALoweredOne) {
  auto m = modelWithElements(3);
  m.base.baseElemStart.rebuild(3);
  m.base.baseElemEnd.rebuild(3);
  for (int element = 1; element <= 3; ++element) setElement(m, element, element, element + 1);

  m.base.baseElementCount = 5;
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    EXPECT_EQ(d.entryCount(Ids::kElementList), 5);
    d.userChoose(Ids::kElementList, 5);
    d.userType(Ids::kEndNodesEdit, "4 5");
    d.userClick(Ids::kApplyButton);
  });
  EXPECT_EQ(m.base.baseElemStart.storage(), (std::vector<std::int32_t>{1, 2, 3, 0, 4}));
  EXPECT_EQ(m.base.baseElemEnd.storage(), (std::vector<std::int32_t>{2, 3, 4, 0, 5}));

  m.base.baseElementCount = 2;
  runWith(m, host, [](MemoryDialog& d) { EXPECT_EQ(d.entryCount(Ids::kElementList), 2); });
  EXPECT_EQ(m.base.baseElemStart.storage(), (std::vector<std::int32_t>{1, 2, 3, 0, 4}));
  EXPECT_EQ(m.base.baseElemEnd.storage(), (std::vector<std::int32_t>{2, 3, 4, 0, 5}));
}

struct ShownCase {
  int start;
  int end;
  const char* shown;
};

class TopologyShown : public ::testing::TestWithParam<ShownCase> {};

TEST_P(TopologyShown, ShowsTheEndNodesInThreeColumnsLeftAdjusted) {
  const auto& c = GetParam();
  auto m = modelWithElements(2);
  m.base.baseElemStart.rebuild(2);
  m.base.baseElemEnd.rebuild(2);
  setElement(m, 2, c.start, c.end);
  ui::MemoryDialogHost host;
  runWith(m, host, [&](MemoryDialog& d) {
    d.userChoose(Ids::kElementList, 2);
    EXPECT_EQ(d.text(Ids::kEndNodesEdit), c.shown);
  });
}

INSTANTIATE_TEST_SUITE_P(Cases, TopologyShown,
                         ::testing::Values(ShownCase{12, 7, "12    7"}, ShownCase{0, 0, "0    0"},
                                           ShownCase{1, 123, "1  123"},
                                           // Node numbers above 999 show whole.
                                           ShownCase{1234, 5, "1234    5"},
                                           ShownCase{5, 123456, "5  123456"},
                                           ShownCase{-4, 3, "-4    3"}),
                         ::zentrix::testing::nameFrom(&ShownCase::shown));

struct ApplyCase {
  const char* text;
  int startBefore;
  int endBefore;
  int startAfter;
  int endAfter;
  const char* message;  // nullptr: accepted and marked
};

class TopologyApply : public ::testing::TestWithParam<ApplyCase> {};

TEST_P(TopologyApply, StoresWhatReadsAndReportsTheRest) {
  const auto& c = GetParam();
  auto m = modelWithElements(3);
  m.base.baseElemStart.rebuild(3);
  m.base.baseElemEnd.rebuild(3);
  setElement(m, 2, c.startBefore, c.endBefore);
  ui::MemoryDialogHost host;
  std::string mark;
  std::string textAfter;
  runWith(m, host, [&](MemoryDialog& d) {
    d.userChoose(Ids::kElementList, 2);
    d.userType(Ids::kEndNodesEdit, c.text);
    d.userClick(Ids::kApplyButton);
    mark = d.entryText(Ids::kProcessedList, 2);
    textAfter = d.text(Ids::kEndNodesEdit);
  });
  EXPECT_EQ(m.base.baseElemStart(2), c.startAfter) << "text \"" << c.text << "\"";
  EXPECT_EQ(m.base.baseElemEnd(2), c.endAfter) << "text \"" << c.text << "\"";
  // Accepted, the next element is chosen and shown; refused, the text stays.
  if (c.message != nullptr) {
    EXPECT_EQ(textAfter, c.text);
  }
  if (c.message == nullptr) {
    EXPECT_EQ(mark, "2+");
    EXPECT_TRUE(host.messages().empty());
  } else {
    EXPECT_EQ(mark, "2");  // its number, unmarked
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text, c.message);
    EXPECT_EQ(host.messages()[0].title, "Dialog3 Message");
    EXPECT_EQ(host.messages()[0].icon, ui::MessageIcon::Error);
    EXPECT_EQ(host.messages()[0].buttons, ui::MessageButtons::Ok);
  }
  // Neighbours are never touched.
  EXPECT_EQ(m.base.baseElemStart(1), 0);
  EXPECT_EQ(m.base.baseElemEnd(3), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TopologyApply,
    ::testing::Values(ApplyCase{"3 7", 0, 0, 3, 7, nullptr}, ApplyCase{"3,7", 0, 0, 3, 7, nullptr},
                      ApplyCase{"  3  ,  7 ", 0, 0, 3, 7, nullptr},
                      ApplyCase{"3 7 9", 0, 0, 3, 7, nullptr},
                      ApplyCase{"3", 1, 2, 3, 2, "Wrong End Nodes String"},
                      ApplyCase{"", 1, 2, 1, 2, "Wrong End Nodes String"},
                      ApplyCase{"3 x", 1, 2, 3, 2, "Wrong End Nodes String"},
                      ApplyCase{"3.5 7", 1, 2, 1, 2, "Wrong End Nodes String"},
                      ApplyCase{"3;7", 1, 2, 1, 2, "Wrong End Nodes String"},
                      // The 7 is a third value: the empty second keeps the end node.
                      ApplyCase{"3,,7", 1, 2, 3, 2, nullptr},
                      ApplyCase{"3,,7", 1, 0, 3, 0, "Values 0 in End Nodes"},
                      ApplyCase{"3,/", 1, 5, 3, 5, nullptr},
                      ApplyCase{"3,/", 1, 0, 3, 0, "Values 0 in End Nodes"},
                      ApplyCase{"3 0", 1, 2, 3, 0, "Values 0 in End Nodes"},
                      ApplyCase{"0 4", 1, 2, 0, 4, "Values 0 in End Nodes"},
                      // Outside the nodes 1 to 8: said at once, stored, not marked.
                      ApplyCase{"-3 99999", 0, 0, -3, 99999,
                                "End node -3 is outside the Base module's nodes 1 to 8."},
                      ApplyCase{"2 9", 0, 0, 2, 9,
                                "End node 9 is outside the Base module's nodes 1 to 8."},
                      ApplyCase{"8 1", 0, 0, 8, 1, nullptr}, ApplyCase{"5 5", 0, 0, 5, 5, nullptr}),
    [](const ::testing::TestParamInfo<ApplyCase>& apply) {
      return ::zentrix::testing::spelledName(apply.param.text) + "_over_" +
             std::to_string(apply.param.startBefore) + "_" + std::to_string(apply.param.endBefore);
    });

TEST(TopologyApply, StoredZeroShowsAgainWhenTheElementIsChosen) {
  auto m = modelWithElements(1);
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    d.userChoose(Ids::kElementList, 1);
    d.userType(Ids::kEndNodesEdit, "3 0");
    d.userClick(Ids::kApplyButton);
    d.userClick(Ids::kEmptyButton);
    EXPECT_EQ(d.text(Ids::kEndNodesEdit), " ");
    d.userChoose(Ids::kElementList, 1);
    EXPECT_EQ(d.text(Ids::kEndNodesEdit), "3    0");
  });
}

TEST(TopologyApply, WithoutAChosenElementTellsTheUser) {
  for (const bool romanian : {false, true}) {
    auto m = modelWithElements(2);
    m.romanian = romanian;
    ui::MemoryDialogHost host;
    runWith(m, host, [](MemoryDialog& d) {
      d.userType(Ids::kEndNodesEdit, "1 2");
      d.userClick(Ids::kApplyButton);
    });
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].text,
              model::say({"No Element Selected", "Nu s-a selectat nci un element."}, romanian));
    EXPECT_EQ(m.base.baseElemStart.storage(), (std::vector<std::int32_t>{0, 0}));
  }
}

TEST(TopologyApply, RomanianTextsOfTheReadingMessages) {
  auto m = modelWithElements(1);
  m.romanian = true;
  ui::MemoryDialogHost host;
  runWith(m, host, [](MemoryDialog& d) {
    d.userChoose(Ids::kElementList, 1);
    d.userType(Ids::kEndNodesEdit, "x");
    d.userClick(Ids::kApplyButton);
    d.userType(Ids::kEndNodesEdit, "1 0");
    d.userClick(Ids::kApplyButton);
  });
  ASSERT_EQ(host.messages().size(), 2u);
  EXPECT_EQ(host.messages()[0].text, "Sir eronat de noduri de capat.");
  EXPECT_EQ(host.messages()[1].text, "Valori 0 in nodurile de capat.");
}

TEST(TopologyClosing, CancelKeepsEveryAppliedElement) {
  auto m = modelWithElements(3);
  ui::MemoryDialogHost host;
  host.scriptNextOpening(Ids::kTemplate, [](MemoryDialog& d) {
    const char* texts[] = {"1 2", "2,3", "3 , 1"};
    for (int element = 1; element <= 3; ++element) {
      d.userChoose(Ids::kElementList, element);
      d.userType(Ids::kEndNodesEdit, texts[element - 1]);
      d.userClick(Ids::kApplyButton);
    }
    EXPECT_THAT(testing_support::entryTexts(d, Ids::kProcessedList), ElementsAre("1+", "2+", "3+"));
    d.userCancel();
  });
  runTopologyDialog(m, testing::sessionOf(m), host);
  EXPECT_EQ(m.base.baseElemStart.storage(), (std::vector<std::int32_t>{1, 2, 3}));
  EXPECT_EQ(m.base.baseElemEnd.storage(), (std::vector<std::int32_t>{2, 3, 1}));
}

}  // namespace
}  // namespace zentrix::ui
