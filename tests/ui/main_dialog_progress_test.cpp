// Long work started from the main dialog reports progress, and a cancel
// leaves the previous structure, the files and the buttons as they were.
#include <gmock/gmock.h>

#include "main_dialog_fixture.h"

namespace zentrix::ui::testing {
namespace {

using zentrix::testing::readBytes;

TEST_F(MainDialogTest, EachLongActionShowsProgressInTheModelsLanguage) {
  enterSquareModule();
  host.queueFileChoice(folder.file("square.geo"));
  host.queueFileChoice(folder.file("square.dat"));
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.userClick(kCreate);
    d.userClick(kSaveData);
    closeWithoutAsking(d);
  });
  EXPECT_THAT(host.progressLabels(),
              ::testing::ElementsAre("Generating the structure...", "Writing the Geometry File...",
                                     "Saving the Zentrix File..."));
}

TEST_F(MainDialogTest, CancelledGenerateKeepsThePreviousStructureAndButtons) {
  enterSquareModule();
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    ASSERT_EQ(model.structure.totalNodes(), 8);
    d.userType(kModules, "5");  // disables CREATE; the inputs can still be saved
    host.cancelProgressAt(0.0);
    d.userClick(kGenerate);
    EXPECT_FALSE(d.isEnabled(kCreate));
    EXPECT_TRUE(d.isEnabled(kSaveData));
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(host.messages().empty()) << "a cancel is the user's own act: nothing to report";
  EXPECT_EQ(model.structure.totalNodes(), 8);
  EXPECT_EQ(model.structure.totalElements(), 1 + 3 * 4);
}

TEST_F(MainDialogTest, CancelledCreateLeavesTheOlderFileIntact) {
  enterSquareModule();
  const std::string path = folder.file("square.geo");
  { std::ofstream(path, std::ios::binary) << "an older Geometry File\r\n"; }
  host.queueFileChoice(path);
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    host.cancelProgressAt(0.0);
    d.userClick(kCreate);
    EXPECT_FALSE(d.isEnabled(kView));
    EXPECT_FALSE(d.isEnabled(kPreviewStructure));
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(host.messages().empty());
  EXPECT_EQ(readBytes(path), "an older Geometry File\r\n");
  EXPECT_EQ(session.geometryFilePath, "");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                          std::filesystem::directory_iterator()),
            1)
      << "no temporary file is left behind";
}

}  // namespace
}  // namespace zentrix::ui::testing
