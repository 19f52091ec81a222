// The main dialog's enabling: every situation of its button table, and the
// edges of the rule that decides it.
#include <gtest/gtest.h>

#include "main_dialog_fixture.h"

namespace zentrix::ui::testing {
namespace {

struct StateRow {
  const char* situation;
  std::function<void(MainDialogTest&, MemoryDialog&)> act;
  Enabled expected;
};

void generateSquare(MainDialogTest& t, MemoryDialog& d) {
  t.enterSquareModule();
  MainDialogTest::describeSquareCounts(d);
  MainDialogTest::chooseExpansion(d);
  d.userClick(kGenerate);
}

void createGeometry(MainDialogTest& t, MemoryDialog& d) {
  t.host.queueFileChoice(t.folder.file("square-geometry.dat"));
  d.userClick(kCreate);
}

void loadSquare(MainDialogTest& t, MemoryDialog& d) {
  t.host.queueFileChoice(t.savedSquareFile("square.dat"));
  d.userClick(kOldFile);
}

const StateRow kStateRows[] = {
    {"dialog opened on a new model", [](auto&, auto&) {}, {}},
    {"Base module counts typed",
     [](auto&, auto& d) { MainDialogTest::describeSquareCounts(d); },
     {true, false, false, false, false, false}},
    {"expansion chosen as well",
     [](auto&, auto& d) {
       MainDialogTest::describeSquareCounts(d);
       MainDialogTest::chooseExpansion(d);
     },
     {true, true, false, false, false, false}},
    {"after GENERATE", generateSquare, {true, true, true, false, true, false}},
    {"after Save Data with a chosen file",
     [](auto& t, auto& d) {
       generateSquare(t, d);
       t.host.queueFileChoice(t.folder.file("saved.dat"));
       d.userClick(kSaveData);
     },
     {true, true, true, true, true, false}},
    {"Save Data cancelled",
     [](auto& t, auto& d) {
       generateSquare(t, d);
       t.host.queueFileChoice(std::nullopt);
       d.userClick(kSaveData);
     },
     {true, true, true, false, true, false}},
    {"after CREATE with a chosen file",
     [](auto& t, auto& d) {
       generateSquare(t, d);
       createGeometry(t, d);
     },
     {true, true, true, false, true, true}},
    {"CREATE cancelled",
     [](auto& t, auto& d) {
       generateSquare(t, d);
       t.host.queueFileChoice(std::nullopt);
       d.userClick(kCreate);
     },
     {true, true, true, false, true, false}},
    {"after a click on Last Node Indices in Base 0",
     [](auto& t, auto& d) {
       generateSquare(t, d);
       createGeometry(t, d);
       d.userToggle(kLastNodesInBase0);
     },
     {true, true, true, false, false, true}},
    {"GENERATE again after CREATE turns View and Preview off",
     [](auto& t, auto& d) {
       generateSquare(t, d);
       createGeometry(t, d);
       d.userClick(kGenerate);
     },
     {true, true, true, false, true, false}},
    // The inputs can still be saved, without the structure.
    {"a count changed after GENERATE and CREATE",
     [](auto& t, auto& d) {
       generateSquare(t, d);
       createGeometry(t, d);
       d.userType(kModules, "4");
     },
     {true, true, true, false, false, false}},
    {"after a successful Old File load", loadSquare, {true, true, true, true, false, false}},
    // The structure in memory belongs to the inputs before the load: CREATE
    // waits for GENERATE; the written file can still be viewed.
    {"Old File load after CREATE switches CREATE off, leaves View and Preview",
     [](auto& t, auto& d) {
       generateSquare(t, d);
       createGeometry(t, d);
       loadSquare(t, d);
     },
     {true, true, true, true, false, true}},
};

class MainDialogStateTable : public MainDialogTest,
                             public ::testing::WithParamInterface<StateRow> {};

TEST_P(MainDialogStateTable, ButtonsFollowTheTable) {
  Enabled seen;
  run([&](MemoryDialog& dialog) {
    GetParam().act(*this, dialog);
    seen = enabledIn(dialog);
    dialog.userClick(kDone);
  });
  EXPECT_EQ(seen, GetParam().expected) << GetParam().situation;
}

INSTANTIATE_TEST_SUITE_P(Situations, MainDialogStateTable, ::testing::ValuesIn(kStateRows),
                         [](const auto& row) { return "row" + std::to_string(row.index); });

TEST_F(MainDialogTest, NewModelStartsWithDefaultTitleTypesAndTickedCheckBox) {
  std::string shownTitle;
  bool ticked = false;
  run([&](MemoryDialog& d) {
    shownTitle = d.text(kProblemTitle);
    ticked = d.isChecked(kLastNodesInBase0);
    EXPECT_EQ(d.selection(kDegreesOfFreedom), 0);
    EXPECT_EQ(d.selection(kDirection), 0);
    EXPECT_EQ(d.selection(kExpansionType), 0);
    EXPECT_EQ(d.entryText(kExpansionType, 3), "1-direction Shrink");
    EXPECT_EQ(d.entryText(kExpansionType, 4), "ARCH (Symmetric)");
    EXPECT_EQ(d.image(kOldFile), ImageId::LoadBitmap);
    EXPECT_EQ(d.image(kView), ImageId::Notepad);
    EXPECT_EQ(d.image(kMainDialogTemplate), ImageId::WindowIcon);
    closeWithoutAsking(d);
  });
  EXPECT_EQ(shownTitle, "My Problem");
  EXPECT_EQ(model.base.problemTitle, "My Problem");
  EXPECT_TRUE(ticked);
  EXPECT_EQ(model.types.typeName(1), "Longitudinal");
  EXPECT_EQ(model.types.typeName(4), "Transversal Diagonal");
  EXPECT_EQ(model.types.typeArea(3), 3.0f);
}

TEST_F(MainDialogTest, DeletingACountDisablesTheBaseModuleButtonsAgain) {
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    EXPECT_TRUE(d.isEnabled(kCoordinates));
    d.userType(kNodesInBase1, "");
    EXPECT_FALSE(d.isEnabled(kCoordinates));
    EXPECT_FALSE(d.isEnabled(kTopology));
    EXPECT_FALSE(d.isEnabled(kPreviewBase));
    EXPECT_EQ(model.base.nodesInBase1, 0);
    closeWithoutAsking(d);
  });
}

TEST_F(MainDialogTest, NumberEditsReadOnlyTheirFirstCharacters) {
  struct Case {
    ControlId edit;
    const char* typed;
    std::function<double(const model::Model&)> stored;
    double expected;
  };
  const Case cases[] = {
      {kNodesInBase0, "123456", [](auto& m) { return m.base.nodesInBase0; }, 0},
      {kNodesInBase1, "  42x", [](auto& m) { return m.base.nodesInBase1; }, 42},
      {kElements, "1234567", [](auto& m) { return m.base.baseElementCount; }, 0},
      {kModules, "abc", [](auto& m) { return m.expansion.moduleCount; }, 0},
      {kModuleLength, "1.50000000009", [](auto& m) { return m.expansion.moduleLength; }, 1.5},
      {kModuleLength, "-2.5", [](auto& m) { return m.expansion.moduleLength; }, -2.5},
      {kModuleLength, "2.5E1m", [](auto& m) { return m.expansion.moduleLength; }, 25},
  };
  run([&](MemoryDialog& d) {
    for (const auto& c : cases) {
      d.userType(c.edit, c.typed);
      EXPECT_DOUBLE_EQ(c.stored(model), c.expected) << c.typed;
    }
    closeWithoutAsking(d);
  });
}

// Typing 12345678 modules showed 12345678 but built 12345: the edit was read
// from its first five characters.
TEST_F(MainDialogTest, NumberOfModulesIsTheWholeTypedValue) {
  run([&](MemoryDialog& d) {
    for (const int modules : {12345678, 1000000000}) {
      d.userType(kModules, std::to_string(modules));
      EXPECT_EQ(model.expansion.moduleCount, modules);
    }
    closeWithoutAsking(d);
  });
}

// GENERATE greyed out without a word: the status line names the first field
// it still needs.
TEST_F(MainDialogTest, GenerateOffSaysWhichFieldIsMissing) {
  struct Row {
    std::function<void(MemoryDialog&)> act;
    const char* status;
  };
  const Row rows[] = {
      {[](MemoryDialog&) {}, "GENERATE needs \"Degrees of Freedom/Node\"."},
      {[](MemoryDialog& d) { d.userChoose(kDegreesOfFreedom, 1); },
       "GENERATE needs \"No. of Nodes in Base 0\"."},
      {describeSquareCounts, "GENERATE needs \"Expansion Direction\"."},
      {[](MemoryDialog& d) { d.userChoose(kDirection, 1); },
       "GENERATE needs \"Number of Modules\"."},
      {[](MemoryDialog& d) { d.userType(kModules, "3"); }, "GENERATE needs \"Module Length\"."},
      {[](MemoryDialog& d) { d.userType(kModuleLength, "1"); },
       "GENERATE needs \"Expansion Type\"."},
      {[](MemoryDialog& d) { d.userChoose(kExpansionType, 1); }, ""},
      {[](MemoryDialog& d) { d.userType(kModules, "0"); }, "GENERATE needs \"Number of Modules\"."},
  };
  run([&](MemoryDialog& d) {
    for (const Row& row : rows) {
      row.act(d);
      EXPECT_EQ(d.text(kGenerationStatus), row.status);
      EXPECT_EQ(d.isEnabled(kGenerate), *row.status == '\0');
    }
    closeWithoutAsking(d);
  });
}

TEST_F(MainDialogTest, ModuleLengthOfZeroOrBelowKeepsGenerateDisabled) {
  for (const char* length : {"0", "-1", "", "x"}) {
    model = model::Model{};
    run([&](MemoryDialog& d) {
      describeSquareCounts(d);
      chooseExpansion(d, length);
      EXPECT_FALSE(d.isEnabled(kGenerate)) << '"' << length << '"';
      d.userType(kModuleLength, "1");
      EXPECT_TRUE(d.isEnabled(kGenerate));
      closeWithoutAsking(d);
    });
  }
}

TEST_F(MainDialogTest, TwoDegreesOfFreedomLeaveOnlyXAndY) {
  run([&](MemoryDialog& d) {
    d.userChoose(kDegreesOfFreedom, 1);
    EXPECT_EQ(model.base.dofPerNode, 2);
    EXPECT_EQ(d.entryCount(kDirection), 2);
    EXPECT_EQ(d.entryText(kDirection, 2), "Y");
    d.userChoose(kDegreesOfFreedom, 2);
    EXPECT_EQ(model.base.dofPerNode, 3);
    ASSERT_EQ(d.entryCount(kDirection), 3);
    EXPECT_EQ(d.entryText(kDirection, 3), "Z");
    closeWithoutAsking(d);
  });
}

TEST_F(MainDialogTest, RegressionPlaneModelKeepsNoThirdAxisDirection) {
  run([&](MemoryDialog& d) {
    d.userChoose(kDegreesOfFreedom, 2);
    d.userType(kNodesInBase0, "2");
    d.userType(kNodesInBase1, "2");
    d.userType(kElements, "5");
    d.userChoose(kDirection, 3);  // Z
    d.userType(kModules, "3");
    d.userType(kModuleLength, "1");
    d.userChoose(kExpansionType, 1);
    ASSERT_TRUE(d.isEnabled(kGenerate));

    d.userChoose(kDegreesOfFreedom, 1);  // 2-D

    EXPECT_EQ(model.expansion.directionIndex(), 0);
    EXPECT_EQ(d.selection(kDirection), 0);
    EXPECT_FALSE(d.isEnabled(kGenerate));
    d.userChoose(kDirection, 2);  // Y
    EXPECT_TRUE(d.isEnabled(kGenerate));
    EXPECT_EQ(model.expansion.expansionDirection, 'Y');
    closeWithoutAsking(d);
  });
}

TEST_F(MainDialogTest, ChangingFromThreeToTwoKeepsAnXOrYDirection) {
  run([&](MemoryDialog& d) {
    d.userChoose(kDegreesOfFreedom, 2);
    d.userChoose(kDirection, 2);
    d.userChoose(kDegreesOfFreedom, 1);
    EXPECT_EQ(model.expansion.directionIndex(), 2);
    EXPECT_EQ(d.selection(kDirection), 2);
    closeWithoutAsking(d);
  });
}

TEST_F(MainDialogTest, BlankTitleIsStoredAsMyProblemWhileTheEditStaysBlank) {
  struct Case {
    const char* typed;
    std::string stored;
  };
  const Case cases[] = {
      {"", "My Problem"},
      {"    ", "My Problem"},
      {"  Bridge  ", "  Bridge"},
      {"Pod peste Olt", "Pod peste Olt"},
  };
  run([&](MemoryDialog& d) {
    for (const auto& c : cases) {
      d.userType(kProblemTitle, c.typed);
      EXPECT_EQ(model.base.problemTitle, c.stored) << '"' << c.typed << '"';
      EXPECT_EQ(d.text(kProblemTitle), c.typed);
    }
    d.userType(kProblemTitle, std::string(79, 'a') + "\xC4\x83" + "bc");  // "ă" across column 80
    EXPECT_EQ(model.base.problemTitle, std::string(79, 'a'));
    d.userType(kProblemTitle, std::string(85, 't'));
    EXPECT_EQ(model.base.problemTitle, std::string(80, 't'));
    closeWithoutAsking(d);
  });
}

TEST_F(MainDialogTest, ExpansionTypeOpensItsParameterDialogEveryTime) {
  struct Case {
    int entry;
    std::vector<int> opened;
  };
  const Case cases[] = {
      {1, {}},
      {2, {105}},
      {3, {106}},
      {4, {107}},
  };
  for (const auto& c : cases) {
    MemoryDialogHost fresh;
    ExternalPrograms freshPrograms(platform, fresh);
    fresh.scriptNextOpening(kMainDialogTemplate, [&](MemoryDialog& d) {
      d.userChoose(kExpansionType, c.entry);
      closeWithoutAsking(d);
    });
    runMainDialog(model, session, fresh, freshPrograms);
    std::vector<int> expected = {kMainDialogTemplate};
    expected.insert(expected.end(), c.opened.begin(), c.opened.end());
    EXPECT_EQ(fresh.openedTemplates(), expected) << "entry " << c.entry;
    EXPECT_EQ(model.expansion.expansionType, c.entry);
  }
  host.scriptNextOpening(kMainDialogTemplate, [&](MemoryDialog& d) {
    d.userChoose(kExpansionType, 2);
    d.userChoose(kExpansionType, 2);
    closeWithoutAsking(d);
  });
  runMainDialog(model, session, host, programs);
  EXPECT_EQ(host.openedTemplates(), (std::vector<int>{kMainDialogTemplate, 105, 105}));
}

TEST_F(MainDialogTest, BaseModuleButtonsOpenTheirDialogs) {
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    d.userClick(kCoordinates);
    d.userClick(kTopology);
    d.userClick(kElementTypes);
    closeWithoutAsking(d);
  });
  EXPECT_EQ(host.openedTemplates(), (std::vector<int>{kMainDialogTemplate, 103, 104, 108}));
}

TEST_F(MainDialogTest, DoneEscapeAndCloseBoxAllCloseNormally) {
  EXPECT_EQ(run([](MemoryDialog& d) { d.userClick(kDone); }), MainDialogEnd::Closed);
  EXPECT_EQ(run([](MemoryDialog& d) { d.userCancel(); }), MainDialogEnd::Closed);
  EXPECT_EQ(run([](MemoryDialog&) {}), MainDialogEnd::Closed);
}

}  // namespace
}  // namespace zentrix::ui::testing
