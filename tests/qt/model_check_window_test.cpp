// The MODEL CHECK window on the real program: GENERATE on a model whose
// module length the Base module does not have, Yes to the warning, then the
// findings in their list, read and closed with OK before CREATE.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include "modal_driver.h"
#include "ui/dialogs/model_check_dialog.h"
#include "ui/main_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"
#include "ui/startup.h"

namespace zentrix::ui::testing {
namespace {

using namespace main_controls;
using Ids = ModelCheckControls;

constexpr const char* kExample = ZENTRIX_EXAMPLES_DIR "/truss-bridge-3d.dat";

// The bridge with modules of 6 where its Base module is 5 long.
QString longerModules(const QTemporaryDir& folder) {
  QFile original(QString::fromUtf8(kExample));
  if (!original.open(QIODevice::ReadOnly)) return {};
  QByteArray text = original.readAll();
  text.replace("           8   5.000000 ", "           8   6.000000 ");
  const QString path = QDir(folder.path()).filePath(QStringLiteral("bridge 6 m.dat"));
  QFile edited(path);
  if (!edited.open(QIODevice::WriteOnly)) return {};
  edited.write(text);
  return path;
}

TEST(QtModelCheck, FindingsAreListedAfterGenerateAndOkReturnsToCreate) {
  QTemporaryDir folder;
  const QString input = longerModules(folder);
  ASSERT_FALSE(input.isEmpty());
  QtPlatform platform;
  QtDialogHost host;
  host.setNativeFileDialogs(false);
  model::Model model;
  Session session;
  ModalDriver driver;
  QString heading;
  QString title;
  QStringList entries;
  bool createEnabled = false;
  driver.onDialog(kMainDialogTemplate, [](QWidget& window) { clickControl(window, kOldFile); })
      .chooseFile(input)
      .onDialog(kMainDialogTemplate, [](QWidget& window) { clickControl(window, kGenerate); })
      .answerMessage(QMessageBox::Yes)
      .onDialog(Ids::kTemplate,
                [&](QWidget& window) {
                  title = window.windowTitle();
                  heading = qobject_cast<QLabel*>(controlOf(window, Ids::kHeading))->text();
                  auto* list = qobject_cast<QListWidget*>(controlOf(window, Ids::kFindings));
                  for (int row = 0; row < list->count(); ++row) entries << list->item(row)->text();
                  clickEntry(*list, 2);  // reading an entry changes nothing
                  clickControl(window, kOkButton);
                })
      .onDialog(kMainDialogTemplate, [&](QWidget& window) {
        createEnabled = controlOf(window, kCreate)->isEnabled();
        clickControl(window, kDone);
      });
  driver.start();
  runDesktopProgram(model, session, platform, host, {});

  ASSERT_TRUE(driver.done()) << driver.failure();
  EXPECT_EQ(title, QStringLiteral("MODEL CHECK"));
  EXPECT_EQ(heading, QStringLiteral("Model check: 4 findings."));
  ASSERT_EQ(entries.size(), 4);
  EXPECT_TRUE(entries[0].startsWith(
      QStringLiteral("Base 1 node 5 is not Base 0 node 1 moved by the module length 6.")))
      << entries[0].toStdString();
  EXPECT_TRUE(createEnabled);
}

}  // namespace
}  // namespace zentrix::ui::testing
