#include "ui/startup.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>

#include "fake_platform.h"
#include "files/native_path.h"
#include "main_dialog_fixture.h"
#include "support/memory_dialog_backend.h"

namespace zentrix::ui::testing {
namespace {

using ::testing::ElementsAre;

TEST(Startup, ImagesComeFromTheUirFolderInLoadingOrder) {
  model::Model model;
  Session session;
  session.uiDir = "C:\\KARVEL\\bin\\uir\\";
  const std::vector<ImageFile> files = imageFiles(session);
  ASSERT_EQ(files.size(), 11u);
  EXPECT_EQ(files[0].image, ImageId::Notepad);
  EXPECT_EQ(files[0].path, "C:\\KARVEL\\bin\\uir\\Notepad.ico");
  EXPECT_EQ(files[7].path, "C:\\KARVEL\\bin\\uir\\Zentrix-2.ico");
  EXPECT_EQ(files[8].image, ImageId::LoadBitmap);
  EXPECT_EQ(files[8].path, "C:\\KARVEL\\bin\\uir\\LoadM.bmp");
  EXPECT_EQ(files[10].path, "C:\\KARVEL\\bin\\uir\\IconPreviewBase.ico");
}

TEST_F(MainDialogTest, StartupSetsTheRunValuesFromTheCurrentFolder) {
  struct Case {
    const char* languageLine;  // nullptr: no language.dat
    bool romanian;
    const char* thirdKind;
  };
  const Case cases[] = {
      {"Romanian", true, "Diagonala"},  {"romana", true, "Diagonala"},
      {" Romanian", false, "Diagonal"}, {"English", false, "Diagonal"},
      {nullptr, false, "Diagonal"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(folder.file("language.dat"));
    if (c.languageLine != nullptr)
      std::ofstream(folder.file("language.dat")) << c.languageLine << "\n";
    platform.current = folder.path().string();
    model::Model fresh;
    Session freshSession;
    freshSession.processCount = 3;
    prepareRun(fresh, freshSession, platform);
    EXPECT_EQ(freshSession.currentDir, folder.path().string());
    EXPECT_EQ(freshSession.uiDir, (folder.path() / "uir" / "").string());
    EXPECT_EQ(freshSession.romanian, c.romanian) << (c.languageLine ? c.languageLine : "(none)");
    EXPECT_EQ(fresh.types.kindName(3), c.thirdKind);
    EXPECT_EQ(fresh.types.elementKindCount, 4);
    EXPECT_EQ(freshSession.processCount, 0);
    EXPECT_TRUE(fresh.base.lastNodesInBase0);
  }
}

TEST_F(MainDialogTest, ImagesComeFromTheCurrentFolderElseFromTheInstalledOne) {
  const char sep = files::kFolderSeparator;
  const std::string here = folder.path().string() + sep + "uir";
  const std::string installed = "/usr/share/zentrix";
  const std::string there = installed + sep + "uir";
  const struct {
    std::set<std::string> existing;
    std::string installed;
    std::string expected;
  } cases[] = {
      {{here, there}, installed, here},
      {{there}, installed, there},
      {{}, installed, here},
      {{there}, "", here},
  };
  platform.current = folder.path().string();
  for (const auto& c : cases) {
    platform.existing = c.existing;
    platform.installed = c.installed;
    Session fresh;
    prepareRun(model, fresh, platform);
    EXPECT_EQ(fresh.uiDir, c.expected + sep) << c.expected;
  }
}

TEST_F(MainDialogTest, ClosingTheDialogEndsLaunchedProgramsAndDeletesThePreviewFile) {
  platform.current = folder.path().string();
  enterSquareModule();
  model::Model prepared = model;
  std::vector<ImageFile> loaded;
  host.scriptDialog(kMainDialogTemplate, [&](MemoryDialog& d) {
    describeSquareCounts(d);
    d.userClick(kPreviewBase);
    d.userClick(kPreviewBase);
    d.userClick(kHelp);
    d.userClick(kDone);
  });
  platform.unstartable = {(folder.path() / "Vistrel.exe").string()};
  model = model::Model{};
  // The run prepares its own model; the Base module is given as the
  // sub-dialogs would have entered it.
  model.base.baseCoords = prepared.base.baseCoords;
  model.base.baseElemStart = prepared.base.baseElemStart;
  model.base.baseElemEnd = prepared.base.baseElemEnd;
  session.oldFilePath = folder.file("bridge.dat");

  runDesktopProgram(model, session, platform, host, [&](const auto& images) { loaded = images; });

  EXPECT_EQ(loaded.size(), 11u);
  ASSERT_EQ(session.processCount, 3);
  EXPECT_EQ(session.launch(1).processHandle, 0);  // the preview program is missing
  EXPECT_EQ(session.launch(2).processHandle, 0);
  EXPECT_THAT(platform.terminated, ElementsAre(session.launch(3).processHandle));
  EXPECT_THAT(platform.deletedPatterns, ElementsAre(session.baseGeometryPath));
}

TEST_F(MainDialogTest, CancelOnAWrongOldFileKeepsTheRunGoingAndShutdownTidiesUp) {
  platform.current = folder.path().string();
  const std::string bad = folder.file("bad.dat");
  std::ofstream(bad) << "nonsense\n";
  host.scriptDialog(kMainDialogTemplate, [&](MemoryDialog& d) {
    d.userClick(kHelp);
    d.userClick(kOldFile);
    d.userClick(kDone);
  });
  host.queueFileChoice(bad);
  host.queueAnswer(MessageAnswer::Cancel);
  session.baseGeometryPath = "kept-BaseModule.dat";

  runDesktopProgram(model, session, platform, host, {});

  EXPECT_EQ(session.processCount, 1);
  EXPECT_THAT(platform.terminated, ElementsAre(session.launch(1).processHandle));
  EXPECT_THAT(platform.deletedPatterns, ElementsAre(session.baseGeometryPath));
}

}  // namespace
}  // namespace zentrix::ui::testing
