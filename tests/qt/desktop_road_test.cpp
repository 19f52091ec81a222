// The typical road through the real program on the Qt backend: start-up,
// Old File on an example, GENERATE, CREATE, DONE. The Geometry File it
// writes is the one the command-line program writes for the same example,
// byte for byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "modal_driver.h"
#include "ui/main_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"
#include "ui/startup.h"

namespace zentrix::ui::testing {
namespace {

using namespace main_controls;

constexpr const char* kExample = ZENTRIX_EXAMPLES_DIR "/truss-bridge-3d.dat";

QByteArray contentOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class DesktopRoadTest : public ::testing::Test {
 protected:
  DesktopRoadTest() {
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    host.setNativeFileDialogs(false);
  }
  ~DesktopRoadTest() override { qunsetenv("SOURCE_DATE_EPOCH"); }

  void runProgram() {
    driver.start();
    runDesktopProgram(model, session, platform, host, {});
  }

  QTemporaryDir folder;
  ModalDriver driver;
  QtPlatform platform;
  QtDialogHost host;
  model::Model model;
  Session session;
};

TEST_F(DesktopRoadTest, OldFileGenerateCreateWritesWhatTheCommandLineWrites) {
  if (!QFile::exists(QString::fromUtf8(kExample))) GTEST_SKIP() << "example not present";
  const QString geometry = QDir(folder.path()).filePath(QStringLiteral("bridge geometry.dat"));
  driver.onDialog(kMainDialogTemplate, [](QWidget& window) { clickControl(window, kOldFile); })
      .chooseFile(QString::fromUtf8(kExample))
      // One step: GENERATE lets timers run while it works, and a step of its
      // own could click CREATE before GENERATE has enabled it.
      .onDialog(kMainDialogTemplate,
                [](QWidget& window) {
                  clickControl(window, kGenerate);
                  clickControl(window, kCreate);
                })
      .chooseFile(geometry)
      .answerMessage(QMessageBox::Ok)
      .onDialog(kMainDialogTemplate, [](QWidget& window) { clickControl(window, kDone); });

  runProgram();

  ASSERT_TRUE(driver.done()) << driver.failure();
  ASSERT_EQ(driver.messages().size(), 1u);
  EXPECT_EQ(driver.messages()[0].title, QStringLiteral("Create Message"));
  EXPECT_TRUE(
      driver.messages()[0].text.startsWith(QStringLiteral("Created File: \"%1\".").arg(geometry)));
  const QByteArray written = contentOf(geometry);
  ASSERT_FALSE(written.isEmpty());

  // The command line writes the same file under the same name (the file
  // ends with its own path), after the desktop's copy is moved aside.
  const QString desktopCopy = geometry + QStringLiteral(".desktop");
  ASSERT_TRUE(QFile::rename(geometry, desktopCopy));
  QProcess cli;
  cli.start(QStringLiteral(ZENTRIX_CLI), {QStringLiteral("generate"), QString::fromUtf8(kExample),
                                          QStringLiteral("--geometry"), geometry});
  ASSERT_TRUE(cli.waitForFinished(60000));
  ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  EXPECT_TRUE(contentOf(geometry) == written) << "the desktop and the command line differ";
}

// Cancel used to end the program at once, losing the model being built.
TEST_F(DesktopRoadTest, WrongOldFileCancelReturnsToTheDialog) {
  const QString bad = QDir(folder.path()).filePath(QStringLiteral("bad.dat"));
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a Zentrix Input File\n");
  file.close();
  driver.onDialog(kMainDialogTemplate, [](QWidget& window) { clickControl(window, kOldFile); })
      .chooseFile(bad)
      .answerMessage(QMessageBox::Cancel)
      .onDialog(kMainDialogTemplate, [](QWidget& window) { clickControl(window, kDone); });

  runProgram();

  ASSERT_TRUE(driver.done()) << driver.failure();
  ASSERT_EQ(driver.messages().size(), 1u);
  EXPECT_TRUE(driver.messages()[0].text.startsWith(QStringLiteral("Wrong Data in Old File.")));
}

}  // namespace
}  // namespace zentrix::ui::testing
