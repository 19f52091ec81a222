// What the main dialog's buttons do: Old File with its Retry/Cancel loop,
// GENERATE with its refusal and its warning, Save Data and CREATE with
// their failures, and the launches.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "files/native_path.h"
#include "main_dialog_fixture.h"

namespace zentrix::ui::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::string unwritablePath(const zentrix::testing::ScratchFolder& folder) {
  return folder.file("no-such-folder/out.dat");
}

TEST_F(MainDialogTest, OldFileRefillsTheDialogFromTheLoadedModel) {
  const std::string path = savedSquareFile("square.dat", 3);
  host.queueFileChoice(path);
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    EXPECT_EQ(d.text(kOldFilePath), path);
    EXPECT_EQ(d.selection(kDegreesOfFreedom), 2);
    EXPECT_EQ(d.text(kNodesInBase0), "2");
    EXPECT_EQ(d.text(kNodesInBase1), "2");
    EXPECT_EQ(d.text(kElements), "5");
    EXPECT_EQ(d.text(kProblemTitle), "Square truss");
    EXPECT_EQ(d.entryCount(kDirection), 3);
    EXPECT_EQ(d.selection(kDirection), 1);
    EXPECT_EQ(d.text(kModules), "3");
    EXPECT_EQ(d.text(kModuleLength), "2.5");
    EXPECT_EQ(d.selection(kExpansionType), 1);
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(session.oldFileLoaded);
  EXPECT_EQ(session.oldFilePath, path);
  EXPECT_EQ(session.inputFilePath, path);
  EXPECT_EQ(model.base.nodesInBase0, 2);
  EXPECT_EQ(host.fileRequests().at(0).title, "Select Old ZentrixInputFile");
  EXPECT_TRUE(host.messages().empty());
}

TEST_F(MainDialogTest, OldFileOfAPlaneModelLeavesXAndY) {
  host.queueFileChoice(savedSquareFile("plane.dat", 2));
  run([&](MemoryDialog& d) {
    d.userChoose(kDegreesOfFreedom, 2);
    d.userClick(kOldFile);
    EXPECT_EQ(d.entryCount(kDirection), 2);
    EXPECT_EQ(d.selection(kDegreesOfFreedom), 1);
    closeWithoutAsking(d);
  });
}

TEST_F(MainDialogTest, OldFileChoiceCancelledOnlyClearsTheLoadedFlag) {
  session.oldFileLoaded = true;
  session.oldFilePath = "C:\\dat\\old.dat";
  host.queueFileChoice(std::nullopt);
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    closeWithoutAsking(d);
  });
  EXPECT_FALSE(session.oldFileLoaded);
  EXPECT_EQ(session.oldFilePath, "C:\\dat\\old.dat");
}

TEST_F(MainDialogTest, OldFileOverALoadedOneDeletesTheBaseModuleFilesFirst) {
  session.oldFileLoaded = true;
  session.baseGeometryPath = "C:\\dat\\old-BaseModule.dat";
  host.queueFileChoice(std::nullopt);
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    closeWithoutAsking(d);
  });
  EXPECT_EQ(platform.deletedPatterns, std::vector<std::string>{"C:\\dat\\old-BaseModule.dat"});
}

TEST_F(MainDialogTest, WrongOldFileRetryThenAGoodOneLoads) {
  const std::string bad = folder.file("bad.dat");
  std::ofstream(bad) << "this is not a Zentrix Input File\n";
  const std::string good = savedSquareFile("good.dat");
  host.queueFileChoice(bad);
  host.queueAnswer(MessageAnswer::Retry);
  host.queueFileChoice(good);
  const MainDialogEnd end = run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    EXPECT_TRUE(d.isEnabled(kGenerate));
    closeWithoutAsking(d);
  });
  EXPECT_EQ(end, MainDialogEnd::Closed);
  ASSERT_EQ(host.messages().size(), 1u);
  const ShownMessage& message = host.messages()[0];
  EXPECT_THAT(message.text, StartsWith("Wrong Data in Old File."));
  EXPECT_EQ(message.title, "ZENTRIX Message");
  EXPECT_EQ(message.buttons, MessageButtons::RetryCancel);
  EXPECT_EQ(message.icon, MessageIcon::Error);
  EXPECT_EQ(host.fileRequests().size(), 2u);
  EXPECT_EQ(session.oldFilePath, good);
  EXPECT_EQ(model.base.problemTitle, "Square truss");
}

// Cancel used to end the program at once, losing the model being built.
TEST_F(MainDialogTest, WrongOldFileCancelReturnsToTheModelAsItWas) {
  const std::string bad = folder.file("bad.dat");
  std::ofstream(bad) << "nonsense\n";
  session.romanian = true;
  session.oldFilePath = "C:\\dat\\earlier.dat";
  session.inputFilePath = "C:\\dat\\earlier.dat";
  host.queueFileChoice(bad);
  host.queueAnswer(MessageAnswer::Discard);  // the typed count
  host.queueAnswer(MessageAnswer::Cancel);
  bool stillOpen = false;
  const MainDialogEnd end = run([&](MemoryDialog& d) {
    d.userType(kNodesInBase0, "7");
    d.userClick(kOldFile);
    stillOpen = d.running() && d.text(kNodesInBase0) == "7";
    closeWithoutAsking(d);
  });
  EXPECT_EQ(end, MainDialogEnd::Closed);
  EXPECT_TRUE(stillOpen);
  ASSERT_EQ(host.messages().size(), 2u);
  EXPECT_EQ(host.messages()[0].buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_THAT(host.messages()[1].text, StartsWith("Date eronate in fisierul existent (Old File)."));
  EXPECT_EQ(session.oldFilePath, "C:\\dat\\earlier.dat");
  EXPECT_EQ(session.inputFilePath, "C:\\dat\\earlier.dat");
  EXPECT_FALSE(session.oldFileLoaded);
  EXPECT_EQ(model.base.nodesInBase0, 7);
}

TEST_F(MainDialogTest, GenerateRefusalIsShownAndLeavesTheButtons) {
  // Counts and expansion typed, but no coordinates or elements entered.
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    EXPECT_FALSE(d.isEnabled(kCreate));
    EXPECT_FALSE(d.isEnabled(kSaveData));
    closeWithoutAsking(d);
  });
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].title, "ZENTRIX Message");
  EXPECT_EQ(host.messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(host.messages()[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(model.structure.totalNodes(), 0);
}

TEST_F(MainDialogTest, GenerateWarnsOfAnotherModuleLengthAndYesGoesOn) {
  struct Case {
    MessageAnswer answer;
    int totalNodes;
  };
  for (const Case c : {Case{MessageAnswer::Yes, 2 + 3 * 2}, Case{MessageAnswer::No, 0}}) {
    model = model::Model{};
    model::setStartValues(model, session.romanian);
    enterSquareModule();
    host.clearMessages();
    host.queueAnswer(c.answer);
    run([&](MemoryDialog& d) {
      describeSquareCounts(d);
      chooseExpansion(d, "2");  // the square is 1 long
      d.userClick(kGenerate);
      // Also after a declined warning the user may save; a Geometry File
      // needs a structure these inputs generated.
      EXPECT_EQ(d.isEnabled(kCreate), c.answer == MessageAnswer::Yes);
      EXPECT_TRUE(d.isEnabled(kSaveData));
      EXPECT_FALSE(d.isEnabled(kView));
      closeWithoutAsking(d);
    });
    ASSERT_EQ(host.messages().size(), 1u);
    EXPECT_EQ(host.messages()[0].title, "Zentrix Message");
    EXPECT_EQ(host.messages()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(host.messages()[0].icon, MessageIcon::Information);
    EXPECT_EQ(model.structure.totalNodes(), c.totalNodes);
    EXPECT_FLOAT_EQ(model.measured.baseModuleLength, 1.0f);
  }
}

TEST_F(MainDialogTest, GenerateTakesTheCheckBoxState) {
  enterSquareModule();
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.setChecked(kLastNodesInBase0, false);
    d.userClick(kGenerate);
    closeWithoutAsking(d);
  });
  EXPECT_FALSE(model.base.lastNodesInBase0);
  EXPECT_TRUE(host.messages().empty());
  EXPECT_EQ(model.structure.totalNodes(), 8);
}

TEST_F(MainDialogTest, SaveDataThatCannotBeWrittenIsReportedNotEnabled) {
  enterSquareModule();
  session.inputFilePath = "C:\\dat\\before.dat";
  host.queueFileChoice(unwritablePath(folder));
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.userClick(kSaveData);
    EXPECT_FALSE(d.isEnabled(kViewSavedFile));
    closeWithoutAsking(d);
  });
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].icon, MessageIcon::Error);
  EXPECT_THAT(host.messages()[0].text, HasSubstr("out.dat"));
  EXPECT_EQ(session.inputFilePath, "C:\\dat\\before.dat");
  EXPECT_EQ(host.fileRequests().at(0).title, "Select Zentrix File");
}

TEST_F(MainDialogTest, CreateWritesTheFileShowsThePathAndReportsIt) {
  enterSquareModule();
  const std::string path = folder.file("square geometry.dat");
  host.queueFileChoice(path);
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.userClick(kCreate);
    EXPECT_EQ(d.text(kGeometryFilePath), path);
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(std::filesystem::exists(path));
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].title, "Create Message");
  EXPECT_EQ(host.messages()[0].icon, MessageIcon::Information);
  EXPECT_THAT(host.messages()[0].text, HasSubstr("\"" + path + "\""));
  EXPECT_EQ(host.fileRequests().at(0).title, "Select/Create KARVEL Geometry File");
}

TEST_F(MainDialogTest, CreateThatCannotBeWrittenIsReportedAndChangesNothing) {
  enterSquareModule();
  host.queueFileChoice(unwritablePath(folder));
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.userClick(kCreate);
    EXPECT_EQ(d.text(kGeometryFilePath), "");
    EXPECT_FALSE(d.isEnabled(kView));
    EXPECT_FALSE(d.isEnabled(kPreviewStructure));
    closeWithoutAsking(d);
  });
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].icon, MessageIcon::Error);
  EXPECT_NE(host.messages()[0].title, "Create Message");
  EXPECT_EQ(session.geometryFilePath, "");
}

TEST_F(MainDialogTest, CreateReadsTheExpansionTypeFromItsList) {
  enterSquareModule();
  host.queueFileChoice(folder.file("g.dat"));
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.setSelection(kExpansionType, 3);  // shown, but its handler did not run
    d.userClick(kCreate);
    closeWithoutAsking(d);
  });
  EXPECT_EQ(model.expansion.expansionType, model::kOneDirectionShrink);
}

TEST_F(MainDialogTest, ViewingAndPreviewingLaunchTheRightProgramsInOrder) {
  enterSquareModule();
  platform.current = session.currentDir = folder.path().string();
  const std::string geometry = folder.file("my square.dat");
  const std::string saved = folder.file("saved.dat");
  host.queueFileChoice(saved);
  host.queueFileChoice(geometry);
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.userClick(kSaveData);
    d.userClick(kViewSavedFile);
    d.userClick(kCreate);
    d.userClick(kView);
    d.userClick(kPreviewStructure);
    d.userClick(kHelp);
    closeWithoutAsking(d);
  });
  ASSERT_EQ(session.processCount, 4);
  EXPECT_EQ(session.launch(1).programArgs, saved);
  EXPECT_EQ(session.launch(2).programArgs, geometry);
  EXPECT_EQ(session.launch(3).programArgs, "\"" + geometry + "\"");
  EXPECT_EQ(session.launch(3).programPath,
            session.currentDir + files::kFolderSeparator + "Vistrel.exe");
  EXPECT_THAT(session.launch(4).programArgs, HasSubstr("Zentrix-ReadMe-en.txt"));
  ASSERT_EQ(platform.starts.size(), 4u);
  EXPECT_EQ(platform.starts[2].argument, geometry);
}

TEST_F(MainDialogTest, BaseModulePreviewWritesItsFileThenLaunchesThePreview) {
  enterSquareModule();
  session.oldFilePath = folder.file("bridge.dat");
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    d.userClick(kPreviewBase);
    closeWithoutAsking(d);
  });
  EXPECT_EQ(session.baseGeometryPath, folder.file("bridge-BaseModule.dat"));
  EXPECT_TRUE(std::filesystem::exists(session.baseGeometryPath));
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(platform.starts[0].argument, session.baseGeometryPath);
  EXPECT_EQ(session.launch(1).programArgs, "\"" + session.baseGeometryPath + "\"");
}

TEST_F(MainDialogTest, BaseModulePreviewThatCannotBeWrittenLaunchesNothing) {
  enterSquareModule();
  session.oldFilePath = unwritablePath(folder);
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    d.userClick(kPreviewBase);
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(platform.starts.empty());
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].icon, MessageIcon::Error);
}

// GENERATE gave no sign that it ran.
TEST_F(MainDialogTest, GenerateShowsTheCountsInTheLanguageAndAChangeClearsThem) {
  struct Case {
    bool romanian;
    const char* counts;
  };
  for (const Case c : {Case{false, "generated: 8 nodes, 13 elements"},
                       Case{true, "generat: 8 noduri, 13 elemente"}}) {
    model = model::Model{};
    session.romanian = c.romanian;
    model::setStartValues(model, session.romanian);
    enterSquareModule();
    std::string status, title, afterChange;
    run([&](MemoryDialog& d) {
      describeSquareCounts(d);
      chooseExpansion(d);
      d.userClick(kGenerate);
      status = d.text(kGenerationStatus);
      title = d.text(kMainDialogTemplate);
      d.userType(kModules, "4");
      afterChange = d.text(kGenerationStatus);
      closeWithoutAsking(d);
    });
    EXPECT_EQ(status, c.counts);
    EXPECT_EQ(title, std::string("ZENTRIX - ") + c.counts);
    EXPECT_EQ(afterChange, "");
  }
}

}  // namespace
}  // namespace zentrix::ui::testing
