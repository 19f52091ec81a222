// The Qt backend's wiring: which user acts run handlers, how dialogs close,
// message boxes, the file dialog and the button images.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>
#include <vector>

#include "modal_driver.h"
#include "ui/qt/qt_dialog_host.h"

namespace zentrix::ui::testing {
namespace {

struct Event {
  ControlId control;
  EventKind kind;
  friend bool operator==(const Event&, const Event&) = default;
};

class QtDialogTest : public ::testing::Test {
 protected:
  QtDialogTest() { host.setNativeFileDialogs(false); }

  // Runs `templateId` with every control of `ids` recording its events.
  int runRecording(int templateId, std::initializer_list<ControlId> ids, ModalDriver& driver,
                   const std::function<void(Dialog&)>& setUp = {}) {
    auto dialog = host.createDialog(templateId);
    for (ControlId id : ids)
      dialog->onEvent(id, [this](Dialog&, ControlId control, EventKind kind) {
        events.push_back({control, kind});
      });
    if (setUp) setUp(*dialog);
    driver.start();
    const int exitCode = dialog->runModal();
    EXPECT_TRUE(driver.done()) << driver.failure();
    return exitCode;
  }

  QtDialogHost host;
  std::vector<Event> events;
};

TEST_F(QtDialogTest, UserActsRunHandlersAndProgramChangesDoNot) {
  ModalDriver driver;
  driver.onDialog(102, [](QWidget& window) {
    typeInto(window, 1009, "12");
    chooseEntry(window, 1048, 2);
    clickControl(window, 1065);
    clickControl(window, 1014);
    clickControl(window, 1);
  });
  const int exitCode = runRecording(102, {1009, 1048, 1065, 1014}, driver, [](Dialog& dialog) {
    dialog.setEntryCount(1048, 2);
    dialog.setEntryText(1048, 1, "2");
    dialog.setEntryText(1048, 2, "3");
    dialog.setText(1009, "from the program");
    dialog.setSelection(1048, 1);
    dialog.setChecked(1065, true);
  });
  EXPECT_EQ(exitCode, kOkButton);
  const std::vector<Event> expected = {
      {1009, EventKind::TextChanged},  // "1" replaces the selected text
      {1009, EventKind::TextChanged},  // "12"
      {1048, EventKind::SelectionChanged}, {1065, EventKind::Clicked}, {1014, EventKind::Clicked},
  };
  EXPECT_EQ(events, expected);
}

TEST_F(QtDialogTest, HandlersSeeTheValuesTheUserLeft) {
  std::vector<std::string> seen;
  auto dialog = host.createDialog(102);
  dialog->setEntryCount(1049, 3);
  for (int entry = 1; entry <= 3; ++entry)
    dialog->setEntryText(1049, entry, std::string(1, "XYZ"[entry - 1]));
  dialog->onEvent(1028, [&](Dialog& d, ControlId, EventKind) { seen.push_back(d.text(1028)); });
  dialog->onEvent(1049, [&](Dialog& d, ControlId, EventKind) {
    seen.push_back(std::to_string(d.selection(1049)) + d.entryText(1049, d.selection(1049)));
  });
  dialog->onEvent(1065, [&](Dialog& d, ControlId, EventKind) {
    seen.push_back(d.isChecked(1065) ? "on" : "off");
  });
  ModalDriver driver;
  driver.onDialog(102, [](QWidget& window) {
    typeInto(window, 1028, "ab");
    typeInto(window, 1028, "");
    chooseEntry(window, 1049, 3);
    clickControl(window, 1065);
    clickControl(window, 1);
  });
  driver.start();
  dialog->runModal();
  EXPECT_TRUE(driver.done()) << driver.failure();
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "ab", "", "3Z", "on"}));
}

TEST_F(QtDialogTest, DisabledAndHiddenControlsDoNothing) {
  ModalDriver driver;
  driver.onDialog(102, [](QWidget& window) {
    clickControl(window, 1025);
    clickControl(window, 1);
  });
  runRecording(102, {1025}, driver, [](Dialog& dialog) { dialog.setEnabled(1025, false); });
  EXPECT_TRUE(events.empty());
}

TEST_F(QtDialogTest, DialogsCloseWithTheirButtonEscapeOrCloseBox) {
  struct Case {
    const char* how;
    std::function<void(QWidget&)> act;
    int exitCode;
  };
  const Case cases[] = {
      {"OK", [](QWidget& w) { clickControl(w, 1); }, kOkButton},
      {"Cancel", [](QWidget& w) { clickControl(w, 2); }, kCancelButton},
      {"Escape", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }, kCancelButton},
      {"close box", [](QWidget& w) { w.close(); }, kCancelButton},
  };
  for (const auto& c : cases) {
    ModalDriver driver;
    driver.onDialog(103, c.act);
    EXPECT_EQ(runRecording(103, {}, driver), c.exitCode) << c.how;
  }
}

TEST_F(QtDialogTest, CloseFromAHandlerEndsTheRunWithItsCode) {
  auto dialog = host.createDialog(102);
  dialog->onEvent(1004, [](Dialog& d, ControlId, EventKind) { d.close(kCancelButton); });
  ModalDriver driver;
  driver.onDialog(102, [](QWidget& window) { clickControl(window, 1004); });
  driver.start();
  EXPECT_EQ(dialog->runModal(), kCancelButton);
  EXPECT_TRUE(driver.done()) << driver.failure();
}

TEST_F(QtDialogTest, AThrowingHandlerIsReportedAndTheDialogGoesOn) {
  auto dialog = host.createDialog(103);
  dialog->onEvent(1043,
                  [](Dialog&, ControlId, EventKind) { throw std::runtime_error("disk on fire"); });
  bool after = false;
  dialog->onEvent(1031, [&](Dialog&, ControlId, EventKind) { after = true; });
  ModalDriver driver;
  driver.onDialog(103, [](QWidget& window) { clickControl(window, 1043); })
      .answerMessage(QMessageBox::Ok)
      .onDialog(103, [](QWidget& window) {
        clickControl(window, 1031);
        clickControl(window, 1);
      });
  driver.start();
  EXPECT_EQ(dialog->runModal(), kOkButton);
  EXPECT_TRUE(driver.done()) << driver.failure();
  ASSERT_EQ(driver.messages().size(), 1u);
  EXPECT_TRUE(driver.messages()[0].text.contains(QStringLiteral("disk on fire")));
  EXPECT_TRUE(after);
}

TEST_F(QtDialogTest, ListsKeepEntriesAndSelectionLikeTheMemoryBackend) {
  // A list box of the coordinates dialog and a drop-down list of the main one.
  for (const auto& [templateId, list] : {std::pair{103, 1029}, std::pair{102, 1049}}) {
    auto dialog = host.createDialog(templateId);
    Dialog& d = *dialog;
    d.setEntryCount(list, 3);
    d.setEntryText(list, 2, "two");
    d.setEntryText(list, 4, "beyond");  // ignored
    EXPECT_EQ(d.entryCount(list), 3);
    EXPECT_EQ(d.entryText(list, 2), "two");
    EXPECT_EQ(d.entryText(list, 4), "");
    EXPECT_EQ(d.selection(list), 0);
    d.setSelection(list, 3);
    EXPECT_EQ(d.selection(list), 3);
    d.setEntryCount(list, 2);  // the selected entry goes away
    EXPECT_EQ(d.selection(list), 0) << list;
    d.setSelection(list, 2);
    EXPECT_EQ(d.text(list), "two");
    d.setSelection(list, 0);
    EXPECT_EQ(d.selection(list), 0);
  }
}

TEST_F(QtDialogTest, MessageBoxesReturnThePressedButton) {
  struct Case {
    MessageButtons buttons;
    QMessageBox::StandardButton press;
    MessageAnswer answer;
  };
  const Case cases[] = {
      {MessageButtons::Ok, QMessageBox::Ok, MessageAnswer::Ok},
      {MessageButtons::RetryCancel, QMessageBox::Retry, MessageAnswer::Retry},
      {MessageButtons::RetryCancel, QMessageBox::Cancel, MessageAnswer::Cancel},
      {MessageButtons::YesNo, QMessageBox::Yes, MessageAnswer::Yes},
      {MessageButtons::YesNo, QMessageBox::No, MessageAnswer::No},
  };
  for (const auto& c : cases) {
    ModalDriver driver;
    driver.answerMessage(c.press);
    driver.start();
    EXPECT_EQ(host.showMessage("Wrong Data in Old File.", "ZENTRIX Message", c.buttons,
                               MessageIcon::Error),
              c.answer);
    ASSERT_TRUE(driver.done()) << driver.failure();
    EXPECT_EQ(driver.messages()[0].title, QStringLiteral("ZENTRIX Message"));
    EXPECT_EQ(driver.messages()[0].text, QStringLiteral("Wrong Data in Old File."));
  }
}

TEST_F(QtDialogTest, FileDialogAcceptsANewNameInAnExistingFolder) {
  QTemporaryDir folder;
  const QString fresh = QDir(folder.path()).filePath(QStringLiteral("new geometry.dat"));
  ModalDriver driver;
  driver.chooseFile(fresh).cancelFileDialog();
  driver.start();
  const auto chosen = host.chooseFile("Select/Create KARVEL Geometry File",
                                      folder.path().toStdString(), "", FileChoice::Save);
  const auto cancelled = host.chooseFile("Select Zentrix File", folder.path().toStdString(),
                                         fresh.toStdString(), FileChoice::Save);
  EXPECT_TRUE(driver.done()) << driver.failure();
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, QDir::toNativeSeparators(fresh).toStdString());
  EXPECT_FALSE(cancelled.has_value());
}

TEST_F(QtDialogTest, ButtonImagesReplaceTheCaptionAndMissingOnesLeaveIt) {
  QTemporaryDir folder;
  const QString icon = QDir(folder.path()).filePath(QStringLiteral("Coord.ico"));
  QImage image(32, 32, QImage::Format_ARGB32);
  image.fill(Qt::blue);
  ASSERT_TRUE(image.save(icon, "ICO"));
  host.loadImage(ImageId::Coordinates, icon.toStdString());
  host.loadImage(ImageId::Topology,
                 QDir(folder.path()).filePath(QStringLiteral("missing.ico")).toStdString());
  EXPECT_TRUE(host.image(ImageId::Coordinates).has_value());
  EXPECT_FALSE(host.image(ImageId::Topology).has_value());

  auto dialog = host.createDialog(102);
  dialog->setImage(1014, ImageId::Coordinates);
  dialog->setImage(1015, ImageId::Topology);
  QWidget& window = static_cast<QtDialog&>(*dialog).window();
  auto* coordinates = qobject_cast<QPushButton*>(controlOf(window, 1014));
  auto* topology = qobject_cast<QPushButton*>(controlOf(window, 1015));
  EXPECT_FALSE(coordinates->icon().isNull());
  EXPECT_TRUE(coordinates->text().isEmpty());
  EXPECT_EQ(coordinates->toolTip(), QStringLiteral("COORDINATES"));
  EXPECT_TRUE(topology->icon().isNull());
  EXPECT_EQ(topology->text(), QStringLiteral("TOPOLOGY"));
}

TEST_F(QtDialogTest, DigitsOnlyEditRefusesOtherCharacters) {
  std::string typed;
  auto dialog = host.createDialog(102);
  dialog->onEvent(1016, [&](Dialog& d, ControlId, EventKind) { typed = d.text(1016); });
  ModalDriver driver;
  driver.onDialog(102, [](QWidget& window) {
    typeInto(window, 1016, "1a2.5");
    clickControl(window, 1);
  });
  driver.start();
  dialog->runModal();
  EXPECT_EQ(typed, "125");
}

}  // namespace
}  // namespace zentrix::ui::testing
