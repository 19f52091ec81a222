// The Qt backend under real input where the seam cannot see: every way a
// user closes a dialog reaches its close request, the save dialog asks
// before replacing, Romanian reaches the standard buttons and the file
// dialog, path fields show whole paths, and the main dialog fits a small
// screen.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <string>

#include "modal_driver.h"
#include "ui/qt/qt_dialog_host.h"

namespace zentrix::ui::testing {
namespace {

struct CloseWay {
  std::string name;
  std::function<void(QWidget&)> act;
  int exitCode;
};

class UserCloses : public ::testing::TestWithParam<CloseWay> {
 protected:
  QtDialogHost host;
};

// Escape, Enter and the close box closed the main dialog without a word
// about unsaved work: each must ask, and a "no" keeps the dialog open.
TEST_P(UserCloses, AsksTheCloseRequestAndStaysOpenOnNo) {
  auto dialog = host.createDialog(102);
  std::vector<int> asked;
  dialog->onCloseRequest([&](int exitCode) {
    asked.push_back(exitCode);
    return asked.size() > 1;  // no the first time
  });
  bool openAfterNo = false;
  ModalDriver driver;
  driver.onDialog(102, [&](QWidget& w) {
    GetParam().act(w);
    openAfterNo = w.isVisible();
    GetParam().act(w);
  });
  driver.start();
  EXPECT_EQ(dialog->runModal(), GetParam().exitCode);
  EXPECT_TRUE(driver.done()) << driver.failure();
  EXPECT_TRUE(openAfterNo);
  EXPECT_EQ(asked, (std::vector<int>{GetParam().exitCode, GetParam().exitCode}));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, UserCloses,
    ::testing::Values(
        CloseWay{"DoneClicked", [](QWidget& w) { clickControl(w, kOkButton); }, kOkButton},
        CloseWay{"Escape", [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); }, kCancelButton},
        CloseWay{"EnterInAnEditBox",
                 [](QWidget& w) {
                   auto* edit = qobject_cast<QLineEdit*>(controlOf(w, 1028));
                   edit->setFocus();
                   QTest::keyClick(edit, Qt::Key_Return);
                 },
                 kOkButton},
        CloseWay{"CloseBox", [](QWidget& w) { w.close(); }, kCancelButton}),
    [](const auto& way) { return way.param.name; });

TEST(QtFileChoice, SaveDialogSaysSaveAndAsksBeforeReplacing) {
  QtDialogHost host;
  host.setNativeFileDialogs(false);
  QTemporaryDir folder;
  const QString model = folder.filePath(QStringLiteral("bridge.dat"));
  QFile file(model);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("the model\n");
  file.close();
  QString acceptLabel;
  QString question;
  ModalDriver driver;
  driver
      .onFileDialog([&](QWidget& w) {
        auto& dialog = static_cast<QFileDialog&>(w);
        acceptLabel = dialog.labelText(QFileDialog::Accept);
        // Enter on the proposed name, as the fault's user did.
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                        Qt::Key_Return);
      })
      .onMessageBox([&](QWidget& w) {
        auto& box = static_cast<QMessageBox&>(w);
        question = box.text();
        box.button(QMessageBox::No)->click();
      })
      .cancelFileDialog();
  driver.start();
  const auto chosen =
      host.chooseFile("Select/Create KARVEL Geometry File", folder.path().toStdString(),
                      model.toStdString(), FileChoice::Save);
  EXPECT_TRUE(driver.done()) << driver.failure();
  EXPECT_FALSE(chosen.has_value());
  EXPECT_EQ(acceptLabel, QStringLiteral("&Save"));
  EXPECT_TRUE(question.contains(QStringLiteral("already exists"))) << question.toStdString();
  QFile kept(model);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("the model\n"));
}

// Standard buttons, file dialog and progress window were English.
TEST(QtRomanian, StandardButtonsAndFileDialogSpeakRomanian) {
  QtDialogHost host;
  host.setNativeFileDialogs(false);
  host.setRomanian(true);
  QStringList buttons;
  QStringList labels;
  ModalDriver driver;
  driver
      .onMessageBox([&](QWidget& w) {
        auto& box = static_cast<QMessageBox&>(w);
        for (auto standard : {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Cancel})
          buttons << box.button(standard)->text();
        box.button(QMessageBox::Cancel)->click();
      })
      .onMessageBox([&](QWidget& w) {
        auto& box = static_cast<QMessageBox&>(w);
        for (auto standard : {QMessageBox::Yes, QMessageBox::No})
          buttons << box.button(standard)->text();
        box.button(QMessageBox::No)->click();
      })
      .onMessageBox([&](QWidget& w) {
        auto& box = static_cast<QMessageBox&>(w);
        for (auto standard : {QMessageBox::Retry, QMessageBox::Cancel})
          buttons << box.button(standard)->text();
        box.button(QMessageBox::Retry)->click();
      })
      .onFileDialog([&](QWidget& w) {
        auto& dialog = static_cast<QFileDialog&>(w);
        for (auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                           QFileDialog::Accept, QFileDialog::Reject})
          labels << dialog.labelText(label);
        dialog.reject();
      });
  driver.start();
  EXPECT_EQ(host.showMessage("m", "t", MessageButtons::SaveDiscardCancel, MessageIcon::Question),
            MessageAnswer::Cancel);
  EXPECT_EQ(host.showMessage("m", "t", MessageButtons::YesNo, MessageIcon::None),
            MessageAnswer::No);
  EXPECT_EQ(host.showMessage("m", "t", MessageButtons::RetryCancel, MessageIcon::Error),
            MessageAnswer::Retry);
  host.chooseFile("Select Old ZentrixInputFile", QDir::tempPath().toStdString(), "",
                  FileChoice::Open);
  EXPECT_TRUE(driver.done()) << driver.failure();
  EXPECT_EQ(buttons, (QStringList{"&Salvare", "&Renuntare", "Anulare", "&Da", "&Nu", "&Reincercare",
                                  "Anulare"}));
  EXPECT_EQ(labels,
            (QStringList{"Cauta in:", "Nume fisier:", "Tip fisier:", "&Deschidere", "Anulare"}));
}

TEST(QtPathFields, LongPathIsElidedInTheMiddleAndWholeOnHover) {
  QtDialogHost host;
  auto dialog = host.createDialog(102);
  const std::string path =
      "/home/engineer/projects/bridges/2026/river crossing/final/with long names/"
      "truss-bridge-3d-geometry.dat";
  dialog->setText(1055, path);
  auto* label = qobject_cast<QLabel*>(controlOf(static_cast<QtDialog&>(*dialog).window(), 1055));
  EXPECT_EQ(dialog->text(1055), path);
  EXPECT_EQ(label->toolTip().toStdString(), path);
  EXPECT_TRUE(label->text().endsWith(QStringLiteral("geometry.dat")));
  EXPECT_TRUE(label->text().startsWith(QStringLiteral("/home")));
  EXPECT_TRUE(label->text().contains(QChar(0x2026)));
}

// At 150 % on 1280x1024 the fixed main dialog was taller than the screen:
// the offscreen screen (800x600) is smaller still.
TEST(QtScreenFit, MainDialogFitsTheScreenAndKeepsEveryControl) {
  QtDialogHost host;
  auto dialog = host.createDialog(102);
  QWidget& window = static_cast<QtDialog&>(*dialog).window();
  const QSize available = window.screen()->availableGeometry().size();
  QSize shown;
  bool doneReachable = false;
  ModalDriver driver;
  driver.onDialog(102, [&](QWidget& w) {
    shown = w.size();
    QWidget* done = controlOf(w, kOkButton);
    doneReachable = done != nullptr && done->isVisible();
    if (auto* scroll = w.findChild<QScrollArea*>()) scroll->ensureWidgetVisible(done);
    clickControl(w, kOkButton);
  });
  driver.start();
  EXPECT_EQ(dialog->runModal(), kOkButton);
  EXPECT_TRUE(driver.done()) << driver.failure();
  EXPECT_LE(shown.height(), available.height());
  EXPECT_LE(shown.width(), available.width());
  EXPECT_TRUE(doneReachable);
}

}  // namespace
}  // namespace zentrix::ui::testing
