// Runs the main dialog on the in-memory backend with a fake platform, and
// prepares a small plane Base module that GENERATE accepts: a square of
// side 1 along X (nodes 1, 2 in Base 0, nodes 3, 4 in Base 1).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <ostream>
#include <string>

#include "fake_platform.h"
#include "files/input_file.h"
#include "generation/generate.h"
#include "model/model.h"
#include "support/memory_dialog_backend.h"
#include "support/portable.h"
#include "support/scratch_folder.h"
#include "ui/main_dialog.h"

namespace zentrix::ui::testing {

using namespace main_controls;

// Which of the main dialog's stepwise buttons are enabled.
struct Enabled {
  bool baseModule = false;  // COORDINATES, TOPOLOGY, Base-module preview
  bool generate = false;
  bool saveData = false;
  bool viewSavedFile = false;
  bool create = false;
  bool viewAndPreview = false;  // View, Preview Structure
  friend bool operator==(const Enabled&, const Enabled&) = default;
  friend std::ostream& operator<<(std::ostream& out, const Enabled& e) {
    return out << "{base " << e.baseModule << ", generate " << e.generate << ", save " << e.saveData
               << ", viewSaved " << e.viewSavedFile << ", create " << e.create << ", view/preview "
               << e.viewAndPreview << "}";
  }
};

inline Enabled enabledIn(const MemoryDialog& dialog) {
  EXPECT_EQ(dialog.isEnabled(kCoordinates), dialog.isEnabled(kTopology));
  EXPECT_EQ(dialog.isEnabled(kCoordinates), dialog.isEnabled(kPreviewBase));
  EXPECT_EQ(dialog.isEnabled(kView), dialog.isEnabled(kPreviewStructure));
  return Enabled{dialog.isEnabled(kCoordinates), dialog.isEnabled(kGenerate),
                 dialog.isEnabled(kSaveData),    dialog.isEnabled(kViewSavedFile),
                 dialog.isEnabled(kCreate),      dialog.isEnabled(kView)};
}

class MainDialogTest : public ::testing::Test {
 public:
  MainDialogTest() {
    session.currentDir = platform.current;
    model::setStartValues(model, session.romanian);
  }

  // Runs the dialog; `script` plays the user and should close it.
  MainDialogEnd run(const std::function<void(MemoryDialog&)>& script) {
    host.scriptNextOpening(kMainDialogTemplate, script);
    return runMainDialog(model, session, host, programs);
  }

  // The square's coordinates and elements, as the sub-dialogs would leave them.
  void enterSquareModule() {
    model.base.baseCoords.rebuild(4, 2);
    const float coords[4][2] = {{0, 0}, {0, 1}, {1, 0}, {1, 1}};
    for (int node = 1; node <= 4; ++node)
      for (int axis = 1; axis <= 2; ++axis)
        model.base.baseCoords(node, axis) = coords[node - 1][axis - 1];
    const int ends[5][2] = {{1, 3}, {2, 4}, {3, 4}, {1, 4}, {1, 2}};
    model.base.baseElemStart.rebuild(5);
    model.base.baseElemEnd.rebuild(5);
    for (int element = 1; element <= 5; ++element) {
      model.base.baseElemStart(element) = ends[element - 1][0];
      model.base.baseElemEnd(element) = ends[element - 1][1];
    }
  }

  // A Zentrix Input File of the square, three modules along X, written by
  // the program's own writer.
  std::string savedSquareFile(const std::string& name, int dofPerNode = 2) {
    model::Model saved;
    model::setStartValues(saved, false);
    std::swap(saved, model);
    enterSquareModule();
    std::swap(saved, model);
    if (dofPerNode == 3) {
      saved.base.baseCoords.resize(4, 3);
    }
    saved.base.problemTitle = "Square truss";
    saved.base.dofPerNode = dofPerNode;
    saved.base.nodesInBase0 = 2;
    saved.base.nodesInBase1 = 2;
    saved.base.baseElementCount = 5;
    saved.expansion.expansionDirection = 'X';
    saved.expansion.moduleCount = 3;
    saved.expansion.moduleLength = 2.5f;
    saved.expansion.expansionType = model::kPrismatic;
    model::startNewElementTypes(saved, false);
    const std::string path = folder.file(name);
    const model::Outcome written =
        files::writeInputFile(files::inputFileParts(saved, true, false), path);
    EXPECT_TRUE(written) << written.message;
    return path;
  }

  // Ends the run as the program's own close does: the unsaved-work question
  // has tests of its own, and would only add a message to count here.
  static void closeWithoutAsking(MemoryDialog& dialog) { dialog.close(kDone); }

  static void describeSquareCounts(MemoryDialog& dialog) {
    dialog.userChoose(kDegreesOfFreedom, 1);  // "2"
    dialog.userType(kNodesInBase0, "2");
    dialog.userType(kNodesInBase1, "2");
    dialog.userType(kElements, "5");
  }

  static void chooseExpansion(MemoryDialog& dialog, const char* moduleLength = "1") {
    dialog.userChoose(kDirection, 1);  // X
    dialog.userType(kModules, "3");
    dialog.userType(kModuleLength, moduleLength);
    dialog.userChoose(kExpansionType, 1);  // Prismatic
  }

  FakePlatform platform;
  MemoryDialogHost host;
  ExternalPrograms programs{platform, host};
  model::Model model;
  Session session;
  zentrix::testing::ScratchFolder folder{"zentrix-ui"};
};

}  // namespace zentrix::ui::testing
