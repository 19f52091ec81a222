// Launches and shutdown on the real platform, with a stand-in program of
// ours for the text viewer and the preview program.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <filesystem>
#include <fstream>

#include "support/memory_dialog_backend.h"
#include "ui/qt/qt_platform.h"
#include "ui/startup.h"

namespace zentrix::ui::testing {
namespace {

namespace fs = std::filesystem;

// The arguments the stand-in recorded, once it has written them.
std::vector<std::string> recordedArguments(const fs::path& record) {
  for (int attempt = 0; attempt < 500 && !fs::exists(record); ++attempt) QThread::msleep(10);
  std::ifstream in(record);
  std::size_t count = 0;
  in >> count;
  in.ignore();
  std::vector<std::string> arguments(count);
  for (auto& argument : arguments) std::getline(in, argument);
  return arguments;
}

class LaunchTest : public ::testing::Test {
 protected:
  LaunchTest() {
    folder_ = fs::path(temporary_.path().toStdString());
    record_ = folder_ / "record.txt";
    qputenv("FAKE_VIEWER_RECORD", QByteArray::fromStdString(record_.string()));
    qputenv("ZENTRIX_TEXT_VIEWER", ZENTRIX_FAKE_VIEWER);
    session.currentDir = folder_.string();
  }
  ~LaunchTest() override {
    programs.endLaunchedPrograms(session);
    for (int slot = 1; slot <= session.processCount; ++slot)
      platform.waitForEnd(session.launch(slot).processHandle, 5000);
    qunsetenv("FAKE_VIEWER_RECORD");
    qunsetenv("ZENTRIX_TEXT_VIEWER");
  }

  QTemporaryDir temporary_;
  fs::path folder_;
  fs::path record_;
  QtPlatform platform;
  MemoryDialogHost host;
  ExternalPrograms programs{platform, host};
  model::Model model;
  Session session;
};

TEST_F(LaunchTest, TextViewerGetsAPathWithBlanksAsOneArgument) {
  const std::string path = (folder_ / "my geometry file.dat").string();
  programs.showInTextViewer(session, path);

  ASSERT_EQ(session.launch(1).launchState, 1);
  EXPECT_EQ(session.launch(1).programPath, ZENTRIX_FAKE_VIEWER);
  EXPECT_EQ(recordedArguments(record_), std::vector<std::string>{path});
}

TEST_F(LaunchTest, PreviewProgramGetsTheQuotedPathWithoutItsQuotes) {
  // "Vistrel 20" beside the program: a name with a blank, taken first.
  const fs::path preview = folder_ / "Vistrel 20";
  fs::copy_file(ZENTRIX_FAKE_VIEWER, preview);
  const std::string path = (folder_ / "a b" / "bridge geometry.dat").string();
  programs.preview(session, path);

  ASSERT_EQ(session.launch(1).launchState, 1);
  EXPECT_EQ(session.launch(1).programPath, (folder_ / "Vistrel 20").string());
  EXPECT_EQ(session.launch(1).programArgs, "\"" + path + "\"");
  EXPECT_EQ(recordedArguments(record_), std::vector<std::string>{path});
}

TEST_F(LaunchTest, AProgramThatCannotStartIsReportedAndKeepsNoHandle) {
  programs.preview(session, (folder_ / "x.dat").string());  // no Vistrel here
  EXPECT_EQ(session.launch(1).launchState, -1);
  EXPECT_EQ(session.launch(1).processHandle, 0);
  ASSERT_EQ(host.messages().size(), 1u);
  // The folder and the program's name with one kind of separator.
  EXPECT_EQ(host.messages()[0].text, (folder_ / "Vistrel").string() + ": Failed run!");
}

TEST_F(LaunchTest, ShutdownEndsTheLaunchedProgramsAndDeletesThePreviewFile) {
  session.baseGeometryPath = (folder_ / "bridge-BaseModule.dat").string();
  std::ofstream(session.baseGeometryPath) << "preview\n";
  programs.showInTextViewer(session, "first.dat");
  programs.preview(session, "x.dat");  // fails: no handle to end
  programs.showInTextViewer(session, "third.dat");
  ASSERT_NE(session.launch(1).processHandle, 0);
  ASSERT_NE(session.launch(3).processHandle, 0);
  EXPECT_FALSE(platform.waitForEnd(session.launch(1).processHandle, 100));

  shutDown(session, programs);

  EXPECT_TRUE(platform.waitForEnd(session.launch(1).processHandle, 5000));
  EXPECT_TRUE(platform.waitForEnd(session.launch(3).processHandle, 5000));
  EXPECT_FALSE(fs::exists(session.baseGeometryPath));
}

TEST_F(LaunchTest, DeletingByPatternSparesFoldersHiddenAndReadOnlyFiles) {
  struct Entry {
    const char* name;
    bool folder;
    bool readOnly;
    bool deleted;
  };
  const Entry entries[] = {
      {"a-BaseModule.dat", false, false, true},      {"b-BaseModule.dat", false, true, false},
      {".c-BaseModule.dat", false, false, false},    {"d-BaseModule.dat", true, false, false},
      {"a-BaseModule.dat.bak", false, false, false}, {"other.dat", false, false, false},
  };
  for (const auto& e : entries) {
    const fs::path path = folder_ / e.name;
    if (e.folder) {
      fs::create_directory(path);
    } else {
      std::ofstream(path) << "x\n";
    }
    if (e.readOnly) fs::permissions(path, fs::perms::owner_write, fs::perm_options::remove);
  }

  platform.deleteMatching((folder_ / "*-BaseModule.dat").string());

  for (const auto& e : entries) EXPECT_EQ(!fs::exists(folder_ / e.name), e.deleted) << e.name;
  fs::permissions(folder_ / "b-BaseModule.dat", fs::perms::owner_write, fs::perm_options::add);
}

TEST(QtPlatformLookups, CurrentFolderSuffixAndViewerSetting) {
  QtPlatform platform;
  EXPECT_EQ(platform.currentDirectory(), fs::current_path().string());
  EXPECT_EQ(platform.executableSuffix(), "");
  EXPECT_TRUE(platform.exists(fs::current_path().string()));
  qputenv("ZENTRIX_TEXT_VIEWER", "/opt/my editor/bin/edit");
  EXPECT_EQ(platform.textViewer(), "/opt/my editor/bin/edit");
  qunsetenv("ZENTRIX_TEXT_VIEWER");
}

}  // namespace
}  // namespace zentrix::ui::testing
