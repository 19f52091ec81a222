// Faults a user met on a real display, replayed with real key and mouse
// events on the Qt backend: what a count field holds is what it shows,
// Enter in the Coordinates and Topology boxes applies, and ELEMENT TYPES
// refuses an area that is not a number.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>

#include "modal_driver.h"
#include "support/scratch_folder.h"
#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/element_types_dialog.h"
#include "ui/dialogs/recent_files.h"
#include "ui/dialogs/topology_dialog.h"
#include "ui/main_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"

namespace zentrix::ui::testing {
namespace {

using namespace main_controls;

QString textOf(QWidget& window, ControlId id) {
  if (auto* label = qobject_cast<QLabel*>(controlOf(window, id))) return label->text();
  return qobject_cast<QLineEdit*>(controlOf(window, id))->text();
}

class RealInput : public ::testing::Test {
 public:
  RealInput() { model::setStartValues(model, false); }

  ModalDriver driver;
  QtPlatform platform;
  QtDialogHost host;
  ExternalPrograms programs{platform, host};
  model::Model model;
  Session session;
};

// Typing 123456 nodes showed 123456 and used 12345: the fields were read
// from their first 5 (elements 6) characters. They are read whole; a count
// beyond the limit is refused with a word in the status line.
TEST_F(RealInput, CountTypedIsTheCountUsedUpToItsLimit) {
  struct Row {
    ControlId field;
    const char* typed;
    std::int32_t model::BaseModule::*count;
    std::int32_t used;
    const char* status;
  };
  // Until a refusal, the status line names what GENERATE still needs.
  const Row rows[] = {
      {kNodesInBase0, "100000", &model::BaseModule::nodesInBase0, 100000, "GENERATE needs"},
      {kNodesInBase1, "0000042", &model::BaseModule::nodesInBase1, 42, "GENERATE needs"},
      {kElements, "0000099", &model::BaseModule::baseElementCount, 99, "GENERATE needs"},
      {kNodesInBase0, "2000000000", &model::BaseModule::nodesInBase0, 0,
       "\"No. of Nodes in Base 0\" takes at most 100000"},
      {kElements, "100001", &model::BaseModule::baseElementCount, 0,
       "\"No. of Elements\" takes at most 100000"},
  };
  std::vector<std::string> failures;
  driver.onDialog(kMainDialogTemplate, [&](QWidget& w) {
    for (const Row& row : rows) {
      typeInto(w, row.field, QString::fromUtf8(row.typed));
      const QString status = textOf(w, kGenerationStatus);
      if (model.base.*row.count != row.used || !status.startsWith(QString::fromUtf8(row.status)))
        failures.push_back(std::string(row.typed) + " gave " +
                           std::to_string(model.base.*row.count) + ", \"" + status.toStdString() +
                           "\"");
    }
    clickControl(w, kDone);
  });
  driver.answerMessage(QMessageBox::Discard);
  driver.start();
  runMainDialog(model, session, host, programs);
  ASSERT_TRUE(driver.done()) << driver.failure();
  EXPECT_TRUE(failures.empty()) << failures.front();
}

struct EnterCase {
  std::string name;
  int templateId;
  ControlId list, edit;
  std::function<void(RealInput&)> run;
  std::function<bool(const model::Model&)> applied;
};

class EnterInTheTextBox : public RealInput, public ::testing::WithParamInterface<EnterCase> {};

// Select node 2, type "0 3", Enter: the dialog closed and node 2 kept its
// old coordinates. Enter applies (and so in Topology) and moves on.
TEST_P(EnterInTheTextBox, AppliesAndKeepsTheDialogOpen) {
  const EnterCase& c = GetParam();
  model.base.dofPerNode = 2;
  model.base.nodesInBase0 = 2;
  model.base.nodesInBase1 = 2;
  model.base.baseElementCount = 3;
  bool openAfterEnter = false;
  int chosenAfterEnter = 0;
  driver.onDialog(c.templateId, [&](QWidget& w) {
    chooseEntry(w, c.list, 2);
    typeInto(w, c.edit, QStringLiteral("1 3"));
    QTest::keyClick(controlOf(w, c.edit), Qt::Key_Return);
    openAfterEnter = w.isVisible();
    chosenAfterEnter = qobject_cast<QListWidget*>(controlOf(w, c.list))->currentRow() + 1;
    clickControl(w, kOkButton);
  });
  driver.start();
  c.run(*this);
  ASSERT_TRUE(driver.done()) << driver.failure();
  EXPECT_TRUE(openAfterEnter);
  EXPECT_TRUE(c.applied(model));
  EXPECT_EQ(chosenAfterEnter, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, EnterInTheTextBox,
    ::testing::Values(
        EnterCase{
            "Coordinates", CoordinatesControls::kTemplate, CoordinatesControls::kNodeList,
            CoordinatesControls::kCoordinatesEdit,
            [](RealInput& test) { runCoordinatesDialog(test.model, test.session, test.host); },
            [](const model::Model& m) {
              return m.base.baseCoords(2, 1) == 1.0f && m.base.baseCoords(2, 2) == 3.0f;
            }},
        EnterCase{"Topology", TopologyControls::kTemplate, TopologyControls::kElementList,
                  TopologyControls::kEndNodesEdit,
                  [](RealInput& test) { runTopologyDialog(test.model, test.session, test.host); },
                  [](const model::Model& m) {
                    return m.base.baseElemStart(2) == 1 && m.base.baseElemEnd(2) == 3;
                  }}),
    [](const auto& dialog) { return dialog.param.name; });

// "abc" as the Type 2 area and OK gave the area 0 without a word.
TEST_F(RealInput, AreaThatIsNotANumberIsRefusedAtOk) {
  model.types.elementKindCount = 4;
  bool openAfterOk = false;
  driver
      .onDialog(ElementTypesControls::kTemplate,
                [](QWidget& w) {
                  typeInto(w, ElementTypesControls::kAreaEdits[1], QStringLiteral("abc"));
                  clickControl(w, kOkButton);
                })
      .answerMessage(QMessageBox::Ok)
      .onDialog(ElementTypesControls::kTemplate, [&](QWidget& w) {
        openAfterOk = w.isVisible();
        typeInto(w, ElementTypesControls::kAreaEdits[1], QStringLiteral("2.5"));
        clickControl(w, kOkButton);
      });
  driver.start();
  runElementTypesDialog(model, session, host);
  ASSERT_TRUE(driver.done()) << driver.failure();
  EXPECT_TRUE(openAfterOk);
  ASSERT_EQ(driver.messages().size(), 1u);
  EXPECT_EQ(driver.messages()[0].text,
            QStringLiteral("\"Area\" of type 2 is not a number: \"abc\"."));
  EXPECT_EQ(model.types.typeArea(2), 2.5f);
}

// The Romanian status texts ran past the end of their line. Each shows
// whole, typed as a user would, at the font in use.
TEST_F(RealInput, RomanianStatusTextsShowWhole) {
  session.romanian = true;
  host.setRomanian(true);
  const std::pair<ControlId, const char*> typed[] = {
      {kNodesInBase0, "2000000000"},  // the longest refusal
      {kNodesInBase0, "2"},           // GENERATE still needs a field
      {kElements, "9999999"},
  };
  std::vector<std::string> cut;
  driver.onDialog(kMainDialogTemplate, [&](QWidget& w) {
    auto* status = qobject_cast<QLabel*>(controlOf(w, kGenerationStatus));
    for (const auto& [field, text] : typed) {
      typeInto(w, field, QString::fromUtf8(text));
      const int needed = status->wordWrap() ? status->heightForWidth(status->width())
                                            : status->sizeHint().height();
      if (status->sizeHint().width() > status->width() && !status->wordWrap())
        cut.push_back(status->text().toStdString());
      else if (needed > status->height())
        cut.push_back(status->text().toStdString());
    }
    clickControl(w, kDone);
  });
  driver.answerMessage(QMessageBox::Discard);
  driver.start();
  runMainDialog(model, session, host, programs);
  ASSERT_TRUE(driver.done()) << driver.failure();
  EXPECT_TRUE(cut.empty()) << cut.front();
}

// The recent files, chosen from their drop-down list with the keyboard: a
// file no longer there goes from the list with a word in the status line;
// an existing one loads as Old File does.
TEST_F(RealInput, RecentFileChosenFromItsListLoadsAsOldFile) {
  const zentrix::testing::ScratchFolder folder("zentrix-recent");
  const std::string bridge = (folder.path() / "bridge.dat").string();
  std::filesystem::copy_file(ZENTRIX_EXAMPLES_DIR "/truss-bridge-3d.dat", bridge);
  const std::string gone = (folder.path() / "gone.dat").string();
  session.settingsDir = folder.path().string();
  RecentFiles kept(session.settingsDir, false);
  kept.remember(bridge);
  kept.remember(gone);
  QString placeholder, statusAfterGone, titleAfterLoad;
  int entriesAfterGone = 0;
  driver.onDialog(kMainDialogTemplate, [&](QWidget& w) {
    auto* recent = qobject_cast<QComboBox*>(controlOf(w, kRecentFiles));
    placeholder = recent->currentText().isEmpty() ? recent->placeholderText() : QString();
    chooseEntry(w, kRecentFiles, 1);  // gone.dat
    statusAfterGone = textOf(w, kGenerationStatus);
    entriesAfterGone = recent->count();
    chooseEntry(w, kRecentFiles, 1);  // bridge.dat
    titleAfterLoad = textOf(w, kProblemTitle);
    clickControl(w, kDone);
  });
  driver.start();
  runMainDialog(model, session, host, programs);
  ASSERT_TRUE(driver.done()) << driver.failure();
  EXPECT_EQ(placeholder, QStringLiteral("Recent files"));
  EXPECT_TRUE(statusAfterGone.contains(QStringLiteral("is no longer there")))
      << statusAfterGone.toStdString();
  EXPECT_EQ(entriesAfterGone, 1);
  EXPECT_EQ(titleAfterLoad, QStringLiteral("Deck truss bridge 40 m - 8 panels"));
  EXPECT_EQ(session.oldFilePath, bridge);
  EXPECT_TRUE(driver.messages().empty());
}

}  // namespace
}  // namespace zentrix::ui::testing
