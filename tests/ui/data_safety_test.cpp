// Traps that lost or corrupted the user's data: a Geometry File written
// over the model file, supports paired with another numbering, files
// written from a structure the inputs no longer generate, work dropped on
// close, names and coordinates replaced behind the user's back, progress
// windows left over a message.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "files/geometry_file.h"
#include "main_dialog_fixture.h"
#include "support/portable.h"
#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/element_types_dialog.h"
#include "ui/dialogs/topology_dialog.h"

namespace zentrix::ui::testing {
namespace {

using ::testing::HasSubstr;

std::string contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The blocked-nodes lines of a Geometry File: the lines after the size line.
std::string supportsOf(const std::string& geometry) {
  std::istringstream in(geometry);
  std::string line;
  std::string supports;
  int after = -1;
  while (std::getline(in, line)) {
    if (line.rfind("//", 0) == 0) continue;
    if (++after >= 2 && after <= 3) supports += line + "\n";
  }
  return supports;
}

bool askedToSave(const MemoryDialogHost& host) {
  for (const ShownMessage& message : host.messages())
    if (message.buttons == MessageButtons::SaveDiscardCancel) return true;
  return false;
}

class DataSafetyTest : public MainDialogTest {
 protected:
  DataSafetyTest() { zentrix::testing::setEnvironment("SOURCE_DATE_EPOCH", "1700000000"); }
  ~DataSafetyTest() override { zentrix::testing::unsetEnvironment("SOURCE_DATE_EPOCH"); }
};

TEST_F(DataSafetyTest, CreateAsksForANewNameAndNeverProposesTheModelFile) {
  const std::string square = savedSquareFile("square.dat");
  host.queueFileChoice(square);
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    d.userClick(kGenerate);
    d.userClick(kCreate);  // cancelled
    d.userClick(kSaveData);
    d.userClick(kDone);
  });
  const auto& requests = host.fileRequests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].choice, FileChoice::Open);
  EXPECT_EQ(requests[1].choice, FileChoice::Save);
  EXPECT_EQ(requests[1].proposedName, folder.file("square-geometry.dat"));
  EXPECT_EQ(requests[2].choice, FileChoice::Save);
  EXPECT_EQ(requests[2].proposedName, square);
}

TEST(GeometryNameFor, PutsGeometryBeforeTheExtension) {
  struct Case {
    const char* model;
    const char* geometry;
  };
  const Case cases[] = {
      {"C:\\dat\\bridge.dat", "C:\\dat\\bridge-geometry.dat"},
      {"/home/a b/bridge.v2.dat", "/home/a b/bridge.v2-geometry.dat"},
      {"/home/x.y/bridge", "/home/x.y/bridge-geometry"},
      {"C:\\dat\\.dat", "C:\\dat\\.dat-geometry"},
  };
  for (const auto& c : cases) EXPECT_EQ(geometryNameFor(c.model), c.geometry) << c.model;
}

// The supports followed the check box as it was at CREATE, while the nodes
// were numbered as it was at the last completed GENERATE.
TEST_F(DataSafetyTest, SupportsFollowTheNumberingTheStructureWasGeneratedWith) {
  host.queueFileChoice(savedSquareFile("square.dat"));
  host.queueAnswer(MessageAnswer::Yes);  // the module length warnings
  host.queueAnswer(MessageAnswer::No);
  bool createAfterDeclined = true;
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    d.userClick(kGenerate);
    d.userToggle(kLastNodesInBase0);
    d.userType(kModuleLength, "7");
    d.userClick(kGenerate);
    createAfterDeclined = d.isEnabled(kCreate);
    d.userClick(kDone);
  });
  EXPECT_FALSE(createAfterDeclined);

  // The writer itself takes the numbering from the structure.
  session.geometryFilePath = folder.file("geometry.dat");
  ASSERT_TRUE(
      files::writeGeometryFile(files::geometryParts(model, false), session.geometryFilePath));
  const std::string withChangedBox = supportsOf(contentOf(session.geometryFilePath));
  model.base.lastNodesInBase0 = true;
  ASSERT_TRUE(
      files::writeGeometryFile(files::geometryParts(model, false), session.geometryFilePath));
  EXPECT_EQ(withChangedBox, supportsOf(contentOf(session.geometryFilePath)));
  EXPECT_THAT(withChangedBox, HasSubstr("7   8"));  // the last two of 8 nodes are Base 0
}

// Each change of an input after GENERATE, wherever it is made.
struct ChangeCase {
  std::string name;
  std::function<void(MemoryDialogHost&, MemoryDialog&)> change;
};

class ChangeAfterGenerate : public DataSafetyTest,
                            public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangeAfterGenerate, SwitchesCreateOffAndSavesNoStaleStructure) {
  const std::string square = savedSquareFile("square.dat");
  host.queueFileChoice(square);
  const std::string saved = folder.file("saved.dat");
  bool createAfterChange = true;
  bool saveAfterChange = false;
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    d.userClick(kGenerate);
    ASSERT_TRUE(d.isEnabled(kCreate));
    GetParam().change(host, d);
    createAfterChange = d.isEnabled(kCreate);
    saveAfterChange = d.isEnabled(kSaveData);
    host.queueFileChoice(saved);
    d.userClick(kSaveData);
    host.queueAnswer(MessageAnswer::Discard);
    d.userClick(kDone);
  });
  EXPECT_FALSE(createAfterChange);
  EXPECT_TRUE(session.inputsChangedSinceGenerate);
  if (!saveAfterChange) return;
  // The saved file holds the inputs and an empty generated section, as for
  // a model never generated.
  const std::string written = contentOf(saved);
  model::Model never = model;
  never.structure = model::Structure{};
  ASSERT_TRUE(files::writeInputFile(files::inputFileParts(never, true, false), saved));
  EXPECT_EQ(written, contentOf(saved));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangeAfterGenerate,
    ::testing::Values(
        ChangeCase{"CoordinatesApplied",
                   [](MemoryDialogHost& host, MemoryDialog& d) {
                     host.scriptNextOpening(103, [](MemoryDialog& c) {
                       c.userChoose(1029, 2);
                       c.userType(1030, "0 2");
                       c.userClick(1031);
                       c.userClick(kOkButton);
                     });
                     d.userClick(kCoordinates);
                   }},
        ChangeCase{"TopologyApplied",
                   [](MemoryDialogHost& host, MemoryDialog& d) {
                     host.scriptNextOpening(104, [](MemoryDialog& topology) {
                       topology.userChoose(1033, 1);
                       topology.userType(1035, "1 4");
                       topology.userClick(1036);
                       topology.userClick(kCancelButton);
                     });
                     d.userClick(kTopology);
                   }},
        ChangeCase{"ElementTypeAreaTyped",
                   [](MemoryDialogHost& host, MemoryDialog& d) {
                     host.scriptNextOpening(108, [](MemoryDialog& e) {
                       e.userType(1066, "12.5");
                       e.userClick(kOkButton);
                     });
                     d.userClick(kElementTypes);
                   }},
        ChangeCase{"CheckBoxClicked",
                   [](MemoryDialogHost&, MemoryDialog& d) { d.userToggle(kLastNodesInBase0); }},
        ChangeCase{"CoordinatesThenGenerateCancelled",
                   [](MemoryDialogHost& host, MemoryDialog& d) {
                     host.scriptNextOpening(103, [](MemoryDialog& c) {
                       c.userChoose(1029, 4);
                       c.userType(1030, "1 1.5");
                       c.userClick(1031);
                       c.userClick(kOkButton);
                     });
                     d.userClick(kCoordinates);
                     host.cancelProgressAt(0.0);
                     d.userClick(kGenerate);
                     host.cancelProgressAt(2.0);
                   }},
        ChangeCase{"TopologyThenGenerateRefused",
                   [](MemoryDialogHost& host, MemoryDialog& d) {
                     host.scriptNextOpening(104, [](MemoryDialog& topology) {
                       topology.userChoose(1033, 1);
                       topology.userType(1035, "1 99");
                       topology.userClick(1036);
                       topology.userClick(kOkButton);
                     });
                     d.userClick(kTopology);
                     d.userClick(kGenerate);
                   }},
        ChangeCase{"NodeCountRaisedWithoutCoordinates",
                   [](MemoryDialogHost&, MemoryDialog& d) { d.userType(kNodesInBase1, "3"); }},
        ChangeCase{"AnotherOldFile",
                   [](MemoryDialogHost& host, MemoryDialog& d) {
                     host.queueFileChoice(d.text(kOldFilePath));
                     d.userClick(kOldFile);
                   }}),
    [](const auto& change) { return change.param.name; });

// Save Data switched off after any change until GENERATE ran again: the
// inputs could not be saved.
TEST_P(ChangeAfterGenerate, SaveDataStaysPossibleAndWritesTheInputs) {
  host.queueFileChoice(savedSquareFile("square.dat"));
  const std::string saved = folder.file("inputs.dat");
  bool saveAfterChange = false;
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    d.userClick(kGenerate);
    GetParam().change(host, d);
    saveAfterChange = d.isEnabled(kSaveData);
    host.queueFileChoice(saved);
    d.userClick(kSaveData);
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(saveAfterChange);
  model::Model loaded;
  EXPECT_TRUE(files::loadInputFile(loaded, saved, false));
  EXPECT_EQ(loaded.base.nodesInBase1, model.base.nodesInBase1);
}

// After CREATE "pratt geo" Save Data offered "pratt geo": one Enter and a
// Yes wrote the model over the Geometry File. The offer is the model file
// saved or loaded last, for the save from DONE too.
TEST_F(DataSafetyTest, SaveDataProposesTheModelFileNeverTheGeometryFile) {
  const std::string square = savedSquareFile("square.dat");
  const std::string saved = folder.file("saved.dat");
  host.queueFileChoice(square);
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    d.userClick(kGenerate);
    host.queueFileChoice(folder.file("pratt geo"));
    d.userClick(kCreate);
    host.queueFileChoice(saved);
    d.userClick(kSaveData);
    host.queueFileChoice(folder.file("pratt geo 2"));
    d.userClick(kCreate);
    d.userType(kModules, "5");
    host.queueAnswer(MessageAnswer::Save);
    host.queueFileChoice(saved);
    d.userClick(kDone);
  });
  std::vector<std::string> saveOffers;
  for (const auto& request : host.fileRequests())
    if (request.title == "Select Zentrix File") saveOffers.push_back(request.proposedName);
  EXPECT_EQ(saveOffers, (std::vector<std::string>{square, saved}));
}

// After Save Data the Old File field still named the file loaded before,
// and nothing confirmed the save.
TEST_F(DataSafetyTest, SaveDataShowsTheSavedFileAndSaysSo) {
  host.queueFileChoice(savedSquareFile("square.dat"));
  const std::string saved = folder.file("saved.dat");
  std::string field, status;
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    d.userClick(kGenerate);
    host.queueFileChoice(saved);
    d.userClick(kSaveData);
    field = d.text(kOldFilePath);
    status = d.text(kGenerationStatus);
    closeWithoutAsking(d);
  });
  EXPECT_EQ(field, saved);
  EXPECT_EQ(status, "Saved: " + saved);
}

// Old File threw unsaved changes away without asking, as DONE asks.
struct LoadOverWork {
  std::string name;
  MessageAnswer answer;
  bool loads;
  bool saves;
};

class OldFileOverUnsavedWork : public DataSafetyTest,
                               public ::testing::WithParamInterface<LoadOverWork> {};

TEST_P(OldFileOverUnsavedWork, AsksSaveDiscardOrCancelFirst) {
  const LoadOverWork& c = GetParam();
  const std::string square = savedSquareFile("square.dat");
  const std::string kept = folder.file("kept.dat");
  host.queueAnswer(c.answer);
  if (c.answer == MessageAnswer::Save) host.queueFileChoice(kept);
  host.queueFileChoice(square);
  std::string title;
  run([&](MemoryDialog& d) {
    d.userType(kProblemTitle, "Bridge");
    d.userClick(kOldFile);
    title = model.base.problemTitle;
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(askedToSave(host));
  EXPECT_EQ(title, c.loads ? "Square truss" : "Bridge");
  EXPECT_EQ(std::ifstream(kept).good(), c.saves);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, OldFileOverUnsavedWork,
    ::testing::Values(LoadOverWork{"Save", MessageAnswer::Save, true, true},
                      LoadOverWork{"Discard", MessageAnswer::Discard, true, false},
                      LoadOverWork{"Cancel", MessageAnswer::Cancel, false, false}),
    [](const auto& load) { return load.param.name; });

TEST_F(DataSafetyTest, OpeningASubDialogWithoutChangingAnythingKeepsCreate) {
  host.queueFileChoice(savedSquareFile("square.dat"));
  bool createAfter = false;
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    d.userClick(kGenerate);
    d.userClick(kCoordinates);
    d.userClick(kTopology);
    createAfter = d.isEnabled(kCreate);
    d.userClick(kDone);
  });
  EXPECT_TRUE(createAfter);
  EXPECT_FALSE(askedToSave(host)) << "nothing was unsaved";
}

// How the user closes the dialog with unsaved work, and what they answer.
struct CloseCase {
  std::string name;
  ControlId closeWith;  // DONE or Cancel (Escape, the close box)
  MessageAnswer answer;
  bool closes;
  bool saves;
};

class CloseWithUnsavedWork : public DataSafetyTest,
                             public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseWithUnsavedWork, AsksSaveDiscardOrCancel) {
  const CloseCase& c = GetParam();
  session.romanian = true;
  const std::string saved = folder.file("kept.dat");
  host.queueAnswer(c.answer);
  if (c.answer == MessageAnswer::Save) host.queueFileChoice(saved);
  bool closedByFirstTry = false;
  run([&](MemoryDialog& d) {
    d.userType(kProblemTitle, "Bridge");
    d.userClick(c.closeWith);
    closedByFirstTry = !d.userType(kModules, "1");
    if (!closedByFirstTry) d.close(kCancelButton);
  });
  EXPECT_EQ(closedByFirstTry, c.closes);
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text, "Modelul are modificari nesalvate.\nLe salvati?");
  EXPECT_EQ(host.messages()[0].buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_EQ(std::ifstream(saved).good(), c.saves);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CloseWithUnsavedWork,
    ::testing::Values(CloseCase{"DoneDiscard", kDone, MessageAnswer::Discard, true, false},
                      CloseCase{"DoneCancel", kDone, MessageAnswer::Cancel, false, false},
                      CloseCase{"DoneSave", kDone, MessageAnswer::Save, true, true},
                      CloseCase{"EscapeCancel", kCancelButton, MessageAnswer::Cancel, false, false},
                      CloseCase{"EscapeDiscard", kCancelButton, MessageAnswer::Discard, true,
                                false}),
    [](const auto& close) { return close.param.name; });

TEST_F(DataSafetyTest, NothingIsAskedWhenNothingIsUnsaved) {
  host.queueFileChoice(savedSquareFile("square.dat"));
  const std::string saved = folder.file("saved.dat");
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    d.userType(kModules, "4");
    d.userClick(kGenerate);
    host.queueFileChoice(saved);
    d.userClick(kSaveData);
    d.userClick(kDone);
  });
  EXPECT_FALSE(askedToSave(host));
}

// The Old File was loaded, a second Old File cancelled (the model no longer
// counts as loaded): the dialog replaced the loaded names with defaults.
TEST_F(DataSafetyTest, ElementTypesKeepLoadedAndTypedNames) {
  model.types.elementKindCount = 4;
  model.types.typeNames = {"Chord", "", "Brace", "Transversal"};
  model.types.typeAreas = {1, 2, 3, 4};
  std::array<std::string, 4> shown;
  host.scriptNextOpening(108, [&](MemoryDialog& e) {
    shown = {e.text(1061), e.text(1062), e.text(1063), e.text(1067)};
    e.userType(1067, "Tie");
    e.userClick(kOkButton);
  });
  runElementTypesDialog(model, session, host);
  EXPECT_EQ(shown, (std::array<std::string, 4>{"Chord", "Transversal", "Brace", "Transversal"}));
  host.scriptNextOpening(108, [&](MemoryDialog& e) {
    shown = {e.text(1061), e.text(1062), e.text(1063), e.text(1067)};
    e.userClick(kCancelButton);
  });
  runElementTypesDialog(model, session, host);
  EXPECT_EQ(shown, (std::array<std::string, 4>{"Chord", "Transversal", "Brace", "Tie"}));
}

// A lowered count truncated the arrays: raising it again gave zeros.
TEST_F(DataSafetyTest, LoweredCountsHideRowsAndRaisingThemBringsThemBack) {
  model.base.dofPerNode = 3;
  model.base.nodesInBase0 = 2;
  model.base.nodesInBase1 = 2;
  model.base.baseElementCount = 3;
  host.scriptNextOpening(103, [](MemoryDialog& c) {
    for (int node = 1; node <= 4; ++node) {
      c.userChoose(1029, node);
      c.userType(1030, std::to_string(node) + " 2 3");
      c.userClick(1031);
    }
    c.userClick(kOkButton);
  });
  ui::runCoordinatesDialog(model, session, host);
  host.scriptNextOpening(104, [](MemoryDialog& topology) {
    for (int element = 1; element <= 3; ++element) {
      topology.userChoose(1033, element);
      topology.userType(1035, "1 " + std::to_string(element + 1));
      topology.userClick(1036);
    }
    topology.userClick(kOkButton);
  });
  ui::runTopologyDialog(model, session, host);

  model.base.dofPerNode = 2;
  model.base.nodesInBase1 = 1;
  model.base.baseElementCount = 1;
  int nodesShown = 0;
  int elementsShown = 0;
  std::string node3;
  host.scriptNextOpening(103, [&](MemoryDialog& c) {
    nodesShown = c.entryCount(1029);
    c.userChoose(1029, 3);
    node3 = c.text(1030);
    c.userClick(kOkButton);
  });
  ui::runCoordinatesDialog(model, session, host);
  host.scriptNextOpening(104, [&](MemoryDialog& topology) {
    elementsShown = topology.entryCount(1033);
    topology.userClick(kOkButton);
  });
  ui::runTopologyDialog(model, session, host);
  EXPECT_EQ(nodesShown, 3);
  EXPECT_EQ(elementsShown, 1);
  EXPECT_EQ(node3, "3.  2.");

  model.base.dofPerNode = 3;
  model.base.nodesInBase1 = 2;
  model.base.baseElementCount = 3;
  std::string node4;
  std::string element3;
  host.scriptNextOpening(103, [&](MemoryDialog& c) {
    c.userChoose(1029, 4);
    node4 = c.text(1030);
    c.userClick(kOkButton);
  });
  ui::runCoordinatesDialog(model, session, host);
  host.scriptNextOpening(104, [&](MemoryDialog& topology) {
    topology.userChoose(1033, 3);
    element3 = topology.text(1035);
    topology.userClick(kOkButton);
  });
  ui::runTopologyDialog(model, session, host);
  EXPECT_EQ(node4, "4.  2.  3.");
  EXPECT_EQ(element3, "1    4");
}

// Every message after long work comes once its progress window is gone.
struct ProgressCase {
  std::string name;
  std::function<void(DataSafetyTest&, MemoryDialog&)> act;
};

class MessageAfterProgress : public DataSafetyTest,
                             public ::testing::WithParamInterface<ProgressCase> {};

TEST_P(MessageAfterProgress, ComesWhenTheProgressWindowIsClosed) {
  host.queueFileChoice(savedSquareFile("square.dat"));
  run([&](MemoryDialog& d) {
    d.userClick(kOldFile);
    GetParam().act(*this, d);
    host.queueAnswer(MessageAnswer::Discard);
    d.userClick(kDone);
  });
  ASSERT_FALSE(host.messages().empty());
  ASSERT_FALSE(host.progressLabels().empty());
  for (const ShownMessage& message : host.messages())
    EXPECT_EQ(message.openProgressWindows, 0) << message.text;
}

INSTANTIATE_TEST_SUITE_P(
    Messages, MessageAfterProgress,
    ::testing::Values(ProgressCase{"CreatedFile",
                                   [](DataSafetyTest& test, MemoryDialog& d) {
                                     d.userClick(kGenerate);
                                     test.host.queueFileChoice(test.folder.file("geometry.dat"));
                                     d.userClick(kCreate);
                                   }},
                      ProgressCase{"CreateFailed",
                                   [](DataSafetyTest& test, MemoryDialog& d) {
                                     d.userClick(kGenerate);
                                     test.host.queueFileChoice(
                                         test.folder.file("missing/geometry.dat"));
                                     d.userClick(kCreate);
                                   }},
                      ProgressCase{"SaveFailed",
                                   [](DataSafetyTest& test, MemoryDialog& d) {
                                     d.userClick(kGenerate);
                                     test.host.queueFileChoice(
                                         test.folder.file("missing/saved.dat"));
                                     d.userClick(kSaveData);
                                   }}),
    [](const auto& message) { return message.param.name; });

}  // namespace
}  // namespace zentrix::ui::testing
