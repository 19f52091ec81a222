// The preview buttons without the package's preview program open the
// program's own structure view; with it they start it as before, and the
// view stays reachable from its own button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/scene.h"
#include "files/native_path.h"
#include "main_dialog_fixture.h"
#include "ui/finding_marks.h"

namespace zentrix::ui::testing {
namespace {

struct FallbackCase {
  std::string name;
  bool previewInstalled;
  bool viewOffered;  // a backend with the view (the desktop program's)
  ControlId button;
  std::vector<ViewSubject> views;
  int launches;
};

class PreviewFallback : public MainDialogTest,
                        public ::testing::WithParamInterface<FallbackCase> {};

TEST_P(PreviewFallback, OpensTheViewOnlyWhenThePreviewProgramIsMissing) {
  const FallbackCase& c = GetParam();
  if (c.previewInstalled)
    platform.existing.insert(platform.current + files::kFolderSeparator + "Vistrel" +
                             platform.suffix);
  host.offerStructureView(c.viewOffered);
  enterSquareModule();
  session.oldFilePath = folder.file("square.dat");
  host.queueFileChoice(folder.file("square-geometry.dat"));
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.userClick(kCreate);
    host.clearMessages();
    EXPECT_TRUE(d.userClick(c.button));
    closeWithoutAsking(d);
  });
  EXPECT_EQ(host.structureViews(), c.views);
  EXPECT_EQ(session.processCount, c.launches);
}

INSTANTIATE_TEST_SUITE_P(
    MainDialog, PreviewFallback,
    ::testing::Values(
        FallbackCase{"structure_without_preview_program",
                     false,
                     true,
                     kPreviewStructure,
                     {ViewSubject::Structure},
                     0},
        FallbackCase{"base_module_without_preview_program",
                     false,
                     true,
                     kPreviewBase,
                     {ViewSubject::BaseModule},
                     0},
        FallbackCase{"structure_with_preview_program", true, true, kPreviewStructure, {}, 1},
        FallbackCase{"base_module_with_preview_program", true, true, kPreviewBase, {}, 1},
        FallbackCase{
            "backend_without_view_still_says_failed_run", false, false, kPreviewStructure, {}, 1},
        FallbackCase{"view_button_with_preview_program",
                     true,
                     true,
                     kStructureView,
                     {ViewSubject::Structure},
                     0}),
    [](const auto& test) { return test.param.name; });

// After a change the structure stays in the view, marked as out of date
// (view_exports_test.cpp follows the marks).
TEST_F(MainDialogTest, ViewButtonShowsTheBaseModuleUntilGenerateThenTheStructure) {
  host.offerStructureView(true);
  enterSquareModule();
  run([&](MemoryDialog& d) {
    EXPECT_FALSE(d.isEnabled(kStructureView));
    describeSquareCounts(d);
    EXPECT_TRUE(d.isEnabled(kStructureView));
    d.userClick(kStructureView);
    chooseExpansion(d);
    d.userClick(kGenerate);
    d.userClick(kStructureView);
    d.userType(kModules, "4");
    d.userClick(kStructureView);
    closeWithoutAsking(d);
  });
  EXPECT_EQ(host.structureViews(),
            (std::vector<ViewSubject>{ViewSubject::BaseModule, ViewSubject::Structure,
                                      ViewSubject::Structure}));
  EXPECT_TRUE(host.viewContents().back().outOfDate);
}

// The view of a structure of 10^7 elements opened in seconds: it ran the
// model check again. It is given what the check after GENERATE found.
TEST_F(MainDialogTest, ViewAfterGenerateMarksWhatTheCheckFoundWithoutCheckingAgain) {
  host.offerStructureView(true);
  enterSquareModule();
  model.base.baseElemEnd(4) = 3;  // element 4 joins nodes 1 and 3, as element 1 does
  run([&](MemoryDialog& d) {
    describeSquareCounts(d);
    d.userClick(kStructureView);
    chooseExpansion(d);
    d.userClick(kGenerate);
    closeWithoutAsking(d);
  });
  const StructureViewContent& shown = host.viewContents().back();
  ASSERT_EQ(shown.subject, ViewSubject::Structure);
  ASSERT_NE(shown.marks, nullptr);
  const drawing::Marks found = findingMarks(model, ViewSubject::Structure);
  EXPECT_FALSE(found.elements.empty());
  EXPECT_EQ(shown.marks->elements, found.elements);
  EXPECT_EQ(shown.marks->nodes, found.nodes);
  EXPECT_EQ(host.viewContents().front().marks, nullptr);  // the Base module's are its own
}

}  // namespace
}  // namespace zentrix::ui::testing
