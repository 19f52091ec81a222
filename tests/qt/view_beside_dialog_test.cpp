// The structure view on the Qt backend under real input: it opens beside
// the main dialog, which stays usable and whose changes it follows; its
// exports ask through the program's own file dialog, which adds the
// format's extension to a bare name and asks before replacing in the
// user's language.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "files/input_file.h"
#include "modal_driver.h"
#include "ui/external_programs.h"
#include "ui/main_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/structure_view.h"

namespace zentrix::ui::testing {
namespace {

using namespace main_controls;

struct BareNameCase {
  std::string name;
  FileType type;
  std::string typed;
  std::string chosen;
};

class SaveChoice : public ::testing::TestWithParam<BareNameCase> {};

// "pratt" with "*.svg" wrote a file called "pratt"; so did CREATE with
// "pratt geo" and "*.dat".
TEST_P(SaveChoice, BareNameGetsTheFiltersExtension) {
  QtDialogHost host;
  host.setNativeFileDialogs(false);
  QTemporaryDir folder;
  ModalDriver driver;
  driver.chooseFile(folder.filePath(QString::fromStdString(GetParam().typed)));
  driver.start();
  const auto chosen =
      host.chooseFile("Export", folder.path().toStdString(), "", FileChoice::Save, GetParam().type);
  ASSERT_TRUE(driver.done()) << driver.failure();
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen,
            QDir::toNativeSeparators(folder.filePath(QString::fromStdString(GetParam().chosen)))
                .toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    QtFileChoice, SaveChoice,
    ::testing::Values(BareNameCase{"Png", {"PNG", "png"}, "pratt", "pratt.png"},
                      BareNameCase{"GeometryFile", kDataFiles, "pratt geo", "pratt geo.dat"},
                      BareNameCase{"OwnExtensionKept", {"SVG", "svg"}, "pratt.v2", "pratt.v2"}),
    [](const auto& test) { return test.param.name; });

model::Model loadedExample(const char* name) {
  model::Model m;
  model::setStartValues(m, false);
  EXPECT_TRUE(
      files::loadInputFile(m, std::string(ZENTRIX_EXAMPLES_DIR) + "/" + name + ".dat", false));
  return m;
}

// Export SVG from the view: the dialog proposes "pratt.svg" in the model's
// folder, a bare "pratt" is written as "pratt.svg", and exporting there
// again asks the program's own question, in Romanian.
TEST(StructureViewExport, ProposesTheModelsNameAndAsksBeforeReplacingInRomanian) {
  QTemporaryDir folder;
  const model::Model m = loadedExample("truss-bridge-3d");
  QtDialogHost host;
  host.setNativeFileDialogs(false);
  host.setRomanian(true);
  StructureViewWindow window(
      m, {ViewSubject::BaseModule, false, {folder.path().toStdString(), "pratt"}, nullptr}, true,
      host);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QString proposedFolder;
  QString proposedName;
  ModalDriver driver;
  driver
      .onFileDialog([&](QWidget& w) {
        auto& dialog = static_cast<QFileDialog&>(w);
        proposedFolder = dialog.directory().absolutePath();
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        proposedName = name->text();
        name->setText(QStringLiteral("pratt"));
        QTest::keyClick(name, Qt::Key_Return);
      })
      .chooseFile(folder.filePath(QStringLiteral("pratt")))
      .answerMessage(QMessageBox::No)
      .cancelFileDialog();
  driver.start();
  auto* exportSvg = window.findChild<QPushButton*>(QStringLiteral("exportSVG"));
  ASSERT_NE(exportSvg, nullptr);
  QTest::mouseClick(exportSvg, Qt::LeftButton);
  const QString written = folder.filePath(QStringLiteral("pratt.svg"));
  EXPECT_TRUE(QFile::exists(written));
  EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("pratt"))));
  EXPECT_TRUE(window.statusText().startsWith(QStringLiteral("Scris: ")))
      << window.statusText().toStdString();
  QTest::mouseClick(exportSvg, Qt::LeftButton);
  EXPECT_TRUE(driver.done()) << driver.failure();
  EXPECT_EQ(proposedFolder, QDir(folder.path()).absolutePath());
  EXPECT_EQ(proposedName, QStringLiteral("pratt.svg"));
  ASSERT_EQ(driver.messages().size(), 1u);
  EXPECT_TRUE(driver.messages()[0].text.contains(QStringLiteral("exista deja")))
      << driver.messages()[0].text.toStdString();
}

// The view was modal: nothing could be changed while it was open.
TEST(StructureViewBesideTheDialog, MainDialogStaysUsableAndTheViewFollowsIt) {
  QTemporaryDir folder;
  QtPlatform platform;
  QtDialogHost host;
  ExternalPrograms programs{platform, host};
  model::Model m = loadedExample("truss-bridge-3d");
  Session session;
  session.oldFileLoaded = true;
  session.inputFilePath = folder.filePath(QStringLiteral("pratt.dat")).toStdString();
  StructureViewWindow* view = nullptr;
  bool dialogStayedActive = false;
  bool markedAfterChange = false;
  bool regenerated = false;
  std::int64_t elementsBefore = 0;
  ModalDriver driver;
  driver
      .onDialog(kMainDialogTemplate,
                [&](QWidget& w) {
                  clickControl(w, kGenerate);
                  clickControl(w, kStructureView);
                  view = host.structureView();
                  ASSERT_NE(view, nullptr);
                  dialogStayedActive = QApplication::activeModalWidget() == &w &&
                                       view->isVisible() && !view->isModal() &&
                                       view->parentWidget() == &w;
                  elementsBefore = view->view().source().elementCount();
                  typeInto(w, kModules, QString::number(m.expansion.moduleCount + 2));
                  markedAfterChange = view->marksOutOfDate();
                  clickControl(w, kGenerate);
                  regenerated = !view->marksOutOfDate() &&
                                view->view().source().elementCount() > elementsBefore;
                  clickControl(w, kDone);
                })
      .answerMessage(QMessageBox::Discard);
  driver.start();
  runMainDialog(m, session, host, programs);
  EXPECT_TRUE(driver.done()) << driver.failure();
  EXPECT_TRUE(dialogStayedActive);
  EXPECT_TRUE(markedAfterChange);
  EXPECT_TRUE(regenerated);
}

}  // namespace
}  // namespace zentrix::ui::testing
