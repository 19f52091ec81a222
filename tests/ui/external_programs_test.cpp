#include "ui/external_programs.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "fake_platform.h"
#include "files/native_path.h"
#include "support/memory_dialog_backend.h"
#include "support/scratch_folder.h"

namespace zentrix::ui {
namespace {

using ::testing::ElementsAre;
using testing::FakePlatform;

// The program's own parts are joined with the platform's separator.
const std::string kBin = std::string("C:\\KARVEL\\bin") + files::kFolderSeparator;

class ExternalProgramsTest : public ::testing::Test {
 protected:
  ExternalProgramsTest() { session.currentDir = platform.current; }

  FakePlatform platform;
  MemoryDialogHost host;
  ExternalPrograms programs{platform, host};
  model::Model model;
  Session session;
};

struct FolderCase {
  const char* current;
  std::set<std::string> existing;
  const char* expected;
};

TEST_F(ExternalProgramsTest, DataFolderIsTheSiblingDatFolderWhenItExists) {
  const FolderCase cases[] = {
      {"C:\\KARVEL\\bin", {"C:\\KARVEL\\dat"}, "C:\\KARVEL\\dat"},
      {"C:\\KARVEL\\bin", {}, "C:\\KARVEL\\bin"},
      {"/opt/karvel/bin", {"/opt/karvel/dat"}, "/opt/karvel/dat"},
      // Shorter than three characters: only "dat" itself is looked for.
      {"ab", {"dat"}, "dat"},
      {"ab", {}, "ab"},
  };
  for (const auto& c : cases) {
    platform.current = c.current;
    platform.existing = c.existing;
    EXPECT_EQ(programs.dataFolder(), c.expected) << c.current;
  }
}

TEST_F(ExternalProgramsTest, ReadmeIsInThePackageDocFolderWithTheSeparatorTwice) {
  struct Case {
    bool romanian;
    std::set<std::string> existing;
    std::string expected;
  };
  const std::string doc = std::string("C:\\KARVEL\\") + files::kFolderSeparator + "Doc";
  const Case cases[] = {
      {false, {doc}, doc + files::kFolderSeparator + "Zentrix-ReadMe-en.txt"},
      {true, {doc}, doc + files::kFolderSeparator + "Zentrix-ReadMe-ro.txt"},
      {false, {}, kBin + "Zentrix-ReadMe-en.txt"},
  };
  for (const auto& c : cases) {
    platform.existing = c.existing;
    session.romanian = c.romanian;
    EXPECT_EQ(programs.readmePath(session), c.expected);
  }
}

// An installed program run from a folder of the user's: the current folder
// and the package's Doc folder come first, as before; the readme installed
// with the program only when neither has one.
TEST_F(ExternalProgramsTest, ReadmeFallsBackToTheInstalledOneWhenTheCurrentFolderHasNone) {
  const char sep = files::kFolderSeparator;
  const std::string home = "/home/ana/models";
  const std::string here = home + sep + "Zentrix-ReadMe-en.txt";
  const std::string installed = "/usr/share/zentrix";
  const std::string there = installed + sep + "Doc" + sep + "Zentrix-ReadMe-en.txt";
  const std::string doc = "/home/ana/mod" + std::string(1, sep) + "Doc";
  const std::string inDoc = doc + sep + "Zentrix-ReadMe-en.txt";
  const FolderCase cases[] = {
      {"installed only", {there}, there.c_str()},
      {"current folder first", {here, there}, here.c_str()},
      {"package Doc first", {doc, there}, inDoc.c_str()},
      {"none anywhere", {}, here.c_str()},
  };
  platform.current = home;
  platform.installed = installed;
  for (const auto& c : cases) {
    platform.existing = c.existing;
    EXPECT_EQ(programs.readmePath(session), c.expected) << c.current;
  }
  platform.installed.clear();  // a program that cannot tell where it is
  platform.existing = {there};
  EXPECT_EQ(programs.readmePath(session), here);
}

TEST_F(ExternalProgramsTest, PreviewProgramPrefersVistrel20) {
  struct Case {
    const char* suffix;
    std::set<std::string> existing;
    std::string expected;
  };
  const Case cases[] = {
      {".exe", {kBin + "Vistrel 20.exe", kBin + "Vistrel.exe"}, kBin + "Vistrel 20.exe"},
      {".exe", {kBin + "Vistrel.exe"}, kBin + "Vistrel.exe"},
      // The plain name is not looked for: a missing one fails at launch.
      {".exe", {}, kBin + "Vistrel.exe"},
      {"", {kBin + "Vistrel 20"}, kBin + "Vistrel 20"},
  };
  for (const auto& c : cases) {
    platform.suffix = c.suffix;
    platform.existing = c.existing;
    EXPECT_EQ(programs.previewProgram(session), c.expected);
  }
}

TEST_F(ExternalProgramsTest, FileChoiceProposesThePathChosenLastByAnyUse) {
  platform.existing = {"C:\\KARVEL\\dat"};
  std::string oldFile = "unchanged";
  std::string geometry;
  host.queueFileChoice("C:\\KARVEL\\dat\\bridge.dat");
  host.queueFileChoice(std::nullopt);
  host.queueFileChoice("C:\\out\\bridge-geometry.dat");

  EXPECT_TRUE(programs.selectFile("Select Old ZentrixInputFile", oldFile));
  EXPECT_FALSE(programs.selectFile("Select Zentrix File", oldFile));
  EXPECT_TRUE(programs.selectFile("Select/Create KARVEL Geometry File", geometry));

  EXPECT_EQ(oldFile, "C:\\KARVEL\\dat\\bridge.dat");  // a cancel leaves it
  EXPECT_EQ(geometry, "C:\\out\\bridge-geometry.dat");
  const auto& requests = host.fileRequests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[0].title, "Select Old ZentrixInputFile");
  EXPECT_EQ(requests[0].initialFolder, "C:\\KARVEL\\dat");
  EXPECT_EQ(requests[0].proposedName, "");
  EXPECT_EQ(requests[1].proposedName, "C:\\KARVEL\\dat\\bridge.dat");
  EXPECT_EQ(requests[2].proposedName, "C:\\KARVEL\\dat\\bridge.dat");
}

TEST_F(ExternalProgramsTest, ThreeViewsUseRecordsOneTwoThree) {
  for (int press = 0; press < 3; ++press)
    programs.showInTextViewer(session, "C:\\out\\my geometry.dat");

  ASSERT_EQ(session.processCount, 3);
  for (int slot = 1; slot <= 3; ++slot) {
    const LaunchRecord& record = session.launch(slot);
    EXPECT_EQ(record.programPath, "C:\\WINDOWS\\Notepad.exe");
    EXPECT_EQ(record.programArgs, "C:\\out\\my geometry.dat");  // not quoted for the viewer
    EXPECT_EQ(record.launchState, 1);
    EXPECT_EQ(record.processHandle, 1000 + slot);
    EXPECT_EQ(record.processId, 6000 + slot);
  }
  // Blanks inside the path never split it.
  EXPECT_EQ(platform.starts[0].argument, "C:\\out\\my geometry.dat");
}

TEST_F(ExternalProgramsTest, PreviewGetsThePathQuotedInTheRecordAndWholeAsItsArgument) {
  platform.existing = {kBin + "Vistrel 20.exe"};
  programs.preview(session, "C:\\my models\\bridge.dat   ");

  EXPECT_EQ(session.launch(1).programPath, kBin + "Vistrel 20.exe");
  EXPECT_EQ(session.launch(1).programArgs, "\"C:\\my models\\bridge.dat\"");
  ASSERT_EQ(platform.starts.size(), 1u);
  EXPECT_EQ(platform.starts[0].program, kBin + "Vistrel 20.exe");
  EXPECT_EQ(platform.starts[0].argument, "C:\\my models\\bridge.dat");
}

TEST_F(ExternalProgramsTest, FailedLaunchIsReportedAndKeepsNoHandle) {
  platform.unstartable = {kBin + "Vistrel.exe"};
  programs.preview(session, "C:\\out\\a.dat");

  const LaunchRecord& record = session.launch(1);
  EXPECT_EQ(session.processCount, 1);  // a failed launch uses its record too
  EXPECT_EQ(record.processHandle, 0);
  EXPECT_EQ(record.launchState, -1);
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text, kBin + "Vistrel.exe: Failed run!");
  EXPECT_EQ(host.messages()[0].title, "KARVEL: Process Message");
  EXPECT_EQ(host.messages()[0].buttons, MessageButtons::Ok);
}

TEST_F(ExternalProgramsTest, LaunchBeyondTheTableIsRefusedWithoutWritingPastIt) {
  for (int launch = 1; launch <= kMaxLaunches; ++launch) programs.showReadme(session);
  ASSERT_EQ(session.processCount, kMaxLaunches);
  ASSERT_TRUE(host.messages().empty());

  programs.showInTextViewer(session, "C:\\out\\a.dat");

  EXPECT_EQ(session.processCount, kMaxLaunches);
  EXPECT_EQ(platform.starts.size(), static_cast<std::size_t>(kMaxLaunches));
  EXPECT_EQ(session.launch(kMaxLaunches).programArgs, programs.readmePath(session));
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].title, "KARVEL: Process Message");
}

TEST_F(ExternalProgramsTest, ShutdownEndsOnlyTheProgramsThatHaveAHandle) {
  platform.unstartable = {kBin + "Vistrel.exe"};
  programs.showInTextViewer(session, "a.dat");
  programs.preview(session, "b.dat");  // fails
  programs.showInTextViewer(session, "c.dat");

  programs.endLaunchedPrograms(session);

  EXPECT_THAT(platform.terminated,
              ElementsAre(session.launch(1).processHandle, session.launch(3).processHandle));
}

TEST_F(ExternalProgramsTest, BaseGeometryFilesAreDeletedOnlyForAPath) {
  programs.deleteBaseGeometryFiles(session);
  session.baseGeometryPath = "   ";
  programs.deleteBaseGeometryFiles(session);
  session.baseGeometryPath = "C:\\dat\\bridge-BaseModule.dat   ";
  programs.deleteBaseGeometryFiles(session);
  EXPECT_THAT(platform.deletedPatterns, ElementsAre("C:\\dat\\bridge-BaseModule.dat"));
}

// Without a text editor that starts, Help, View and View Saved File show
// the file in the program's own read-only window, titled in the session's
// language, instead of an English "Failed run!" and nothing to read.
TEST_F(ExternalProgramsTest, WithoutATextEditorTheFileIsShownInTheProgramsOwnViewer) {
  const zentrix::testing::ScratchFolder folder;
  std::filesystem::create_directories(folder.path() / "Doc");
  const std::pair<const char*, const char*> files[] = {
      {"Doc/Zentrix-ReadMe-en.txt", "Read me first.\n"},
      {"Doc/Zentrix-ReadMe-ro.txt", "Cititi mai intai.\n"},
      {"bridge.dat", "My Bridge\n"}};
  for (const auto& [name, text] : files)
    std::ofstream(folder.path() / name, std::ios::binary) << text;
  platform.current = folder.path().string() + "/bin";
  session.currentDir = platform.current;
  platform.existing = {folder.path().string() + "/" + files::kFolderSeparator + "Doc"};
  platform.unstartable = {platform.viewer};
  struct Case {
    bool romanian;
    bool readme;
    const char* title;
    const char* text;
  };
  const Case cases[] = {
      {false, true, "ZENTRIX - Zentrix-ReadMe-en.txt (read only)", "Read me first.\n"},
      {true, true, "ZENTRIX - Zentrix-ReadMe-ro.txt (doar citire)", "Cititi mai intai.\n"},
      {true, false, "ZENTRIX - bridge.dat (doar citire)", "My Bridge\n"},
  };
  for (const Case& c : cases) {
    session.romanian = c.romanian;
    if (c.readme)
      programs.showReadme(session);
    else
      programs.showInTextViewer(session, folder.file("bridge.dat") + "   ");
    ASSERT_FALSE(host.shownTexts().empty());
    EXPECT_EQ(host.shownTexts().back().title, c.title);
    EXPECT_EQ(host.shownTexts().back().text, c.text);
  }
  EXPECT_EQ(host.shownTexts().size(), 3u);
  EXPECT_TRUE(host.messages().empty());
  for (int slot = 1; slot <= session.processCount; ++slot)
    EXPECT_EQ(session.launch(slot).launchState, -1);
}

TEST_F(ExternalProgramsTest, FileTheOwnViewerCannotReadIsNamedInTheSessionsLanguage) {
  platform.unstartable = {platform.viewer};
  session.romanian = true;
  programs.showInTextViewer(session, "/no/such/folder/a.dat");
  EXPECT_TRUE(host.shownTexts().empty());
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].title, "KARVEL: Mesaj de proces");
  EXPECT_NE(host.messages()[0].text.find("Fisierul nu poate fi citit: "), std::string::npos);
  EXPECT_NE(host.messages()[0].text.find("a.dat"), std::string::npos);
}

TEST(TextViewerLookup, FollowsTheSettingThenTheEditorListThenXdgOpen) {
  struct Case {
    const char* name;
    std::optional<std::string_view> configured;
    const char* searchPath;
    std::set<std::string> executables;
    const char* expected;
  };
  const Case cases[] = {
      {"configured path taken as is",
       "/opt/edit/bin/my editor",
       "/usr/bin",
       {},
       "/opt/edit/bin/my editor"},
      {"configured name found on PATH",
       "code",
       "/usr/bin:/snap/bin",
       {"/snap/bin/code"},
       "/snap/bin/code"},
      {"configured name not found stays a name", "code", "/usr/bin", {}, "code"},
      {"empty setting is no setting", "", "/usr/bin", {"/usr/bin/kate"}, "/usr/bin/kate"},
      {"list order wins over PATH order",
       std::nullopt,
       "/a:/b",
       {"/a/kate", "/b/gedit"},
       "/b/gedit"},
      {"gnome-text-editor first",
       std::nullopt,
       "/usr/bin",
       {"/usr/bin/gedit", "/usr/bin/gnome-text-editor"},
       "/usr/bin/gnome-text-editor"},
      {"last of the list", std::nullopt, "/usr/bin", {"/usr/bin/leafpad"}, "/usr/bin/leafpad"},
      {"xdg-open when no editor",
       std::nullopt,
       "/usr/local/bin:/usr/bin",
       {"/usr/bin/xdg-open"},
       "/usr/bin/xdg-open"},
      {"empty PATH entry is the current folder",
       std::nullopt,
       "/usr/bin::/bin",
       {"./mousepad"},
       "./mousepad"},
      {"nothing at all", std::nullopt, "/usr/bin", {}, "xdg-open"},
  };
  for (const auto& c : cases) {
    const auto isExecutable = [&](const std::string& path) {
      return c.executables.count(path) != 0;
    };
    EXPECT_EQ(findTextViewer(c.configured, c.searchPath, isExecutable), c.expected) << c.name;
  }
}

TEST(FilePattern, MatchesStarsAndQuestionMarks) {
  struct Case {
    const char* name;
    const char* pattern;
    bool matches;
  };
  const Case cases[] = {
      {"bridge-BaseModule.dat", "bridge-BaseModule.dat", true},
      {"bridge-BaseModule.dat", "bridge-basemodule.dat", false},
      {"bridge-BaseModule.dat.bak", "bridge-BaseModule.dat", false},
      {"bridge-BaseModule.dat", "*.dat", true},
      {"bridge.dat", "b?idge.*", true},
      {"bridge.dat", "*e*e*", false},
      {"bridge.dae", "*e*e*", true},
      {"", "*", true},
      {"", "?", false},
      {"abc", "a**c", true},
      {"abc", "abc*", true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(matchesFilePattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

TEST(QuotedArgument, OnlyOneSurroundingPairIsRemoved) {
  EXPECT_EQ(withoutSurroundingQuotes("\"C:\\a b\\c.dat\""), "C:\\a b\\c.dat");
  EXPECT_EQ(withoutSurroundingQuotes("C:\\a b\\c.dat"), "C:\\a b\\c.dat");
  EXPECT_EQ(withoutSurroundingQuotes("\""), "\"");
  EXPECT_EQ(withoutSurroundingQuotes("\"\""), "");
  EXPECT_EQ(withoutSurroundingQuotes("\"a\" b"), "\"a\" b");
}

}  // namespace
}  // namespace zentrix::ui
