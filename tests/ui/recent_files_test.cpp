// The recent files beside the Old File field: the models loaded or saved
// last, kept between runs in the user's settings folder, each loaded as Old
// File loads (the unsaved-work question first); a file no longer there is
// taken off the list with a word in the status line, never a message box.
#include "ui/dialogs/recent_files.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "main_dialog_fixture.h"

namespace zentrix::ui::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class RecentFilesTest : public MainDialogTest {
 protected:
  RecentFilesTest() { session.settingsDir = settings.path().string(); }

  std::vector<std::string> shownEntries(const MemoryDialog& d) const {
    std::vector<std::string> entries;
    for (int entry = 1; entry <= d.entryCount(kRecentFiles); ++entry)
      entries.push_back(d.entryText(kRecentFiles, entry));
    return entries;
  }

  zentrix::testing::ScratchFolder settings{"zentrix-settings"};
};

// Loaded and saved files come first, each once; the next run offers them
// from the settings folder, and choosing one loads it.
TEST_F(RecentFilesTest, LoadedAndSavedFilesAreOfferedInTheNextRunAndLoadAsOldFile) {
  const std::string square = savedSquareFile("square.dat");
  const std::string saved = folder.file("saved.dat");
  host.queueFileChoice(square);
  host.queueFileChoice(saved);
  run([&](MemoryDialog& d) {
    EXPECT_FALSE(d.isEnabled(kRecentFiles));  // nothing recent yet
    d.userClick(kOldFile);
    d.userClick(kSaveData);
    d.userClick(kDone);
  });
  model::setStartValues(model, false);
  session.oldFileLoaded = false;
  std::vector<std::string> entries;
  run([&](MemoryDialog& d) {
    entries = shownEntries(d);
    EXPECT_EQ(d.selection(kRecentFiles), 0);
    d.userChoose(kRecentFiles, 2);
    EXPECT_EQ(d.text(kOldFilePath), square);
    EXPECT_EQ(d.text(kProblemTitle), "Square truss");
    EXPECT_TRUE(d.isEnabled(kGenerate));
    EXPECT_EQ(d.selection(kRecentFiles), 0);  // ready to choose again
    EXPECT_THAT(shownEntries(d), ElementsAre(StartsWith("square.dat"), StartsWith("saved.dat")));
    closeWithoutAsking(d);
  });
  EXPECT_THAT(entries, ElementsAre(StartsWith("saved.dat  ("), StartsWith("square.dat  (")));
  EXPECT_TRUE(host.messages().empty());
}

// Unsaved work is asked about first; Cancel keeps it and loads nothing.
TEST_F(RecentFilesTest, ChoosingOneOverUnsavedWorkAsksFirst) {
  RecentFiles(session.settingsDir, false).remember(savedSquareFile("square.dat"));
  host.queueAnswer(MessageAnswer::Cancel);
  run([&](MemoryDialog& d) {
    d.userType(kProblemTitle, "Work in progress");
    d.userChoose(kRecentFiles, 1);
    EXPECT_EQ(d.text(kProblemTitle), "Work in progress");
    closeWithoutAsking(d);
  });
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].buttons, MessageButtons::SaveDiscardCancel);
  EXPECT_FALSE(session.oldFileLoaded);
}

TEST_F(RecentFilesTest, AFileNoLongerThereIsTakenOffWithAWordInTheStatusLine) {
  const std::string gone = folder.file("gone.dat");
  const std::string kept = savedSquareFile("kept.dat");
  RecentFiles list(session.settingsDir, false);
  list.remember(kept);
  list.remember(gone);
  run([&](MemoryDialog& d) {
    d.userChoose(kRecentFiles, 1);
    EXPECT_THAT(d.text(kGenerationStatus), HasSubstr(gone + " is no longer there"));
    EXPECT_THAT(shownEntries(d), ElementsAre(StartsWith("kept.dat")));
    closeWithoutAsking(d);
  });
  EXPECT_TRUE(host.messages().empty());
  EXPECT_FALSE(session.oldFileLoaded);
  EXPECT_THAT(RecentFiles(session.settingsDir, false).paths(), ElementsAre(kept));
}

// The list keeps the newest 8; a file read back keeps its order, and blank
// or Windows-ended lines are no entries of their own.
TEST_F(RecentFilesTest, KeepsTheNewestEightInTheSettingsFile) {
  {
    std::ofstream file(settings.path() / kRecentFilesName, std::ios::binary);
    file << "a.dat\r\n\r\nb.dat\n";
  }
  RecentFiles list(session.settingsDir, false);
  EXPECT_THAT(list.paths(), ElementsAre("a.dat", "b.dat"));
  for (int i = 1; i <= 9; ++i) list.remember("m" + std::to_string(i) + ".dat");
  list.remember("m5.dat");
  EXPECT_THAT(
      RecentFiles(session.settingsDir, false).paths(),
      ElementsAre("m5.dat", "m9.dat", "m8.dat", "m7.dat", "m6.dat", "m4.dat", "m3.dat", "m2.dat"));
  // Without a settings folder the list lasts the run.
  RecentFiles none("", false);
  none.remember("x.dat");
  EXPECT_THAT(none.paths(), ElementsAre("x.dat"));
}

}  // namespace
}  // namespace zentrix::ui::testing
