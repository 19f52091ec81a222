// The structure view's exports go the way CREATE goes, through the dialog
// layer: the file dialog proposes the model's name in the model's folder
// and a bare name gets the format's extension; the free space is checked
// first; the file is written under a progress window; a failure is said in
// the session's language once that window has closed. The view beside the
// main dialog follows the inputs.
#include "ui/view_exports.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "main_dialog_fixture.h"

namespace zentrix::ui::testing {
namespace {

class ViewExportTest : public MainDialogTest {
 protected:
  // The square generated from "pratt.dat", with the view opened on it.
  ExportPlace generateWithTheViewOpen(bool romanian) {
    session.romanian = romanian;
    host.setRomanian(romanian);
    host.offerStructureView(true);
    enterSquareModule();
    session.inputFilePath = folder.file("pratt.dat");
    run([&](MemoryDialog& d) {
      describeSquareCounts(d);
      chooseExpansion(d);
      d.userClick(kGenerate);
      d.userClick(kStructureView);
      closeWithoutAsking(d);
    });
    host.clearMessages();
    return host.viewContents().back().place;
  }
};

struct ExportCase {
  std::string name;
  bool romanian;
  std::size_t format;  // of VTU, MSH, DXF
  std::string typed;
  std::string written;
  std::string progressLabel;
};

class ViewExportWrites : public ViewExportTest, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(ViewExportWrites, ExportWithoutExtensionGetsTheFormatsOneInTheModelsFolder) {
  const ExportCase& c = GetParam();
  const ExportPlace place = generateWithTheViewOpen(c.romanian);
  const ViewOutput output = exchangeOutputs(model, c.romanian)[c.format];
  host.queueFileChoice(folder.file(c.typed));
  const auto written = exportViewOutput(host, output, place, c.romanian);
  ASSERT_EQ(written, folder.file(c.written));
  EXPECT_GT(std::filesystem::file_size(*written), 100u);
  const auto& asked = host.fileRequests().back();
  EXPECT_EQ(asked.initialFolder, folder.path().string());
  EXPECT_EQ(asked.proposedName, "pratt." + output.extension);
  EXPECT_EQ(asked.choice, FileChoice::Save);
  EXPECT_EQ(asked.extension, output.extension);
  EXPECT_EQ(host.progressLabels().back(), c.progressLabel);
  EXPECT_TRUE(host.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(StructureView, ViewExportWrites,
                         ::testing::Values(ExportCase{"vtu_bare_name", false, 0, "pratt",
                                                      "pratt.vtu", "Writing the VTU file..."},
                                           ExportCase{"dxf_bare_name_romanian", true, 2, "pratt",
                                                      "pratt.dxf", "Se scrie fisierul DXF..."},
                                           ExportCase{"msh_name_with_its_own_extension", false, 1,
                                                      "bridge.txt", "bridge.txt",
                                                      "Writing the MSH file..."}),
                         [](const auto& test) { return test.param.name; });

struct RefusalCase {
  std::string name;
  bool romanian;
  bool roomless;  // else the folder does not exist
  std::string messageStart;
};

class ViewExportRefuses : public ViewExportTest,
                          public ::testing::WithParamInterface<RefusalCase> {};

// Nothing is written: with too little room not even a temporary file; a
// folder that does not exist is named once the progress window is closed.
TEST_P(ViewExportRefuses, ExportWithoutRoomOrFolderSaysSoAndWritesNothing) {
  const RefusalCase& c = GetParam();
  const ExportPlace place = generateWithTheViewOpen(c.romanian);
  ViewOutput output = exchangeOutputs(model, c.romanian)[0];
  if (c.roomless) output.sizeBound = [] { return std::uint64_t{1} << 62; };
  const std::string typed = c.roomless ? folder.file("pratt") : folder.file("none/pratt");
  host.queueFileChoice(typed);
  const std::size_t progressBefore = host.progressLabels().size();
  EXPECT_FALSE(exportViewOutput(host, output, place, c.romanian).has_value());
  EXPECT_FALSE(std::filesystem::exists(typed + ".vtu"));
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text.rfind(c.messageStart, 0), 0u) << host.messages()[0].text;
  EXPECT_EQ(host.messages()[0].openProgressWindows, 0);
  EXPECT_EQ(host.progressLabels().size(), progressBefore + (c.roomless ? 0 : 1));
}

INSTANTIATE_TEST_SUITE_P(
    StructureView, ViewExportRefuses,
    ::testing::Values(RefusalCase{"no_room", false, true, "Not enough free space for"},
                      RefusalCase{"no_room_romanian", true, true, "Nu este destul spatiu"},
                      RefusalCase{"no_folder", false, false, "Cannot"},
                      RefusalCase{"no_folder_romanian", true, false, "Nu"}),
    [](const auto& test) { return test.param.name; });

// The view stays open beside the dialog and is given every change: the
// Base module while it is entered, the structure after GENERATE, that
// structure out of date once an input changes, the Base module while
// GENERATE rebuilds the arrays.
TEST_F(MainDialogTest, ViewBesideTheDialogFollowsTheInputs) {
  host.offerStructureView(true);
  enterSquareModule();
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    d.userClick(kStructureView);
    d.userType(kNodesInBase1, "3");
    d.userType(kNodesInBase1, "2");
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.userType(kModules, "4");
    d.userClick(kGenerate);
    closeWithoutAsking(d);
  });
  std::vector<std::pair<ViewSubject, bool>> shown;
  for (const StructureViewContent& content : host.viewContents())
    shown.emplace_back(content.subject, content.outOfDate);
  using enum ViewSubject;
  EXPECT_EQ(shown, (std::vector<std::pair<ViewSubject, bool>>{{BaseModule, false},
                                                              {Structure, false},
                                                              {Structure, true},
                                                              {BaseModule, false},
                                                              {Structure, false}}));
  EXPECT_EQ(host.structureViews().size(), 1u) << "opened once, then updated";
}

}  // namespace
}  // namespace zentrix::ui::testing
