// Runs the desktop program's real start-up and main dialog and plays the
// typical road on it (Old File, GENERATE, CREATE), saving pictures of the
// windows on the way. Used by scripts/screenshots.sh under a virtual display.
//
//   zentrix_screenshot_driver INPUT_FILE GEOMETRY_FILE PICTURE_FOLDER
//
// Run it in the folder that holds uir/ (the build folder), as the program.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "modal_driver.h"
#include "ui/main_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/structure_view.h"
#include "ui/startup.h"

using namespace zentrix::ui;
using namespace zentrix::ui::main_controls;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s INPUT_FILE GEOMETRY_FILE PICTURE_FOLDER\n", argv[0]);
    return 2;
  }
  const QString input = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
  const QString geometry = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
  const QDir pictures(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[3])));
  QDir().mkpath(pictures.path());
  bool saved = true;
  const auto picture = [&](const char* name) {
    return [&, name](QWidget& window) {
      QApplication::processEvents();
      saved = window.grab().save(pictures.filePath(QString::fromUtf8(name))) && saved;
    };
  };

  // GENERATE may ask whether to go on; the examples' module lengths match.
  testing::ModalDriver road(60000);
  road.onDialog(kMainDialogTemplate,
                [&](QWidget& window) {
                  picture("main-dialog-start.png")(window);
                  testing::clickControl(window, kOldFile);
                })
      .chooseFile(input)
      .onDialog(kMainDialogTemplate,
                [&](QWidget& window) {
                  picture("main-dialog-loaded.png")(window);
                  // In one step: GENERATE lets timers run while it works, and
                  // a step of its own could click CREATE before it is enabled.
                  testing::clickControl(window, kGenerate);
                  testing::clickControl(window, kCreate);
                })
      .chooseFile(geometry)
      .answerMessage(QMessageBox::Ok)
      .onDialog(kMainDialogTemplate,
                [&](QWidget& main) {
                  picture("main-dialog.png")(main);
                  // The view opens beside the main dialog, which stays active.
                  testing::clickControl(main, kStructureView);
                  auto* window = main.findChild<QDialog*>("structureView");
                  if (window == nullptr) return;
                  QTest::qWaitForWindowExposed(window);
                  auto* view = window->findChild<StructureViewWidget*>();
                  auto* numbers = window->findChild<QCheckBox*>("numbers");
                  if (view != nullptr && numbers != nullptr) {
                    QTest::mouseClick(numbers, Qt::LeftButton);
                    // A click on element 1 shows its facts below the drawing.
                    const auto& screen = view->screen();
                    const auto a = screen[static_cast<std::size_t>(view->source().start(1) - 1)];
                    const auto b = screen[static_cast<std::size_t>(view->source().end(1) - 1)];
                    QTest::mouseClick(view, Qt::LeftButton, {},
                                      QPointF(0.5 * (a.x + b.x), 0.5 * (a.y + b.y)).toPoint());
                  }
                  picture("structure-view.png")(*window);
                  window->close();
                })
      .onDialog(kMainDialogTemplate,
                [&](QWidget& window) { testing::clickControl(window, kDone); });

  QtPlatform platform;
  QtDialogHost host;
  host.setNativeFileDialogs(false);
  zentrix::model::Model model;
  Session session;
  road.start();
  runDesktopProgram(model, session, platform, host, [&host](const std::vector<ImageFile>& images) {
    for (const auto& file : images) host.loadImage(file.image, file.path);
  });
  for (const auto& message : road.messages())
    std::printf("%s: %s\n", qPrintable(message.title), qPrintable(message.text));
  if (!road.done()) {
    std::fprintf(stderr, "the road was not completed: %s\n", road.failure().c_str());
    return 1;
  }
  return saved ? 0 : 1;
}
