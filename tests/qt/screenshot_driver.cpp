// Runs the desktop program's real start-up and main dialog and plays the
// typical road on it (Old File, GENERATE, CREATE), saving pictures of the
// windows on the way. Used by scripts/screenshots.sh under a virtual display.
// With EVERY_DIALOG_FOLDER it also opens every sub-dialog, the file dialog
// and the unsaved-work question and saves a picture of each there. In a
// Romanian session (language.dat) the pictures' names end in "-ro".
//
//   zentrix_screenshot_driver INPUT_FILE GEOMETRY_FILE PICTURE_FOLDER [EVERY_DIALOG_FOLDER]
//
// Run it in the folder that holds uir/ (the build folder), as the program.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <utility>

#include "modal_driver.h"
#include "ui/dialogs/coordinates_dialog.h"
#include "ui/dialogs/element_types_dialog.h"
#include "ui/dialogs/expansion_parameter_dialogs.h"
#include "ui/dialogs/topology_dialog.h"
#include "ui/main_dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/structure_view.h"
#include "ui/startup.h"

using namespace zentrix::ui;
using namespace zentrix::ui::main_controls;

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr,
                 "usage: %s INPUT_FILE GEOMETRY_FILE PICTURE_FOLDER [EVERY_DIALOG_FOLDER]\n",
                 argv[0]);
    return 2;
  }
  const bool everyDialog = argc == 5;
  const QString input = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
  const QString geometry = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
  const QDir pictures(QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[3])));
  const QDir dialogs(everyDialog ? QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[4]))
                                 : QString());
  QDir().mkpath(pictures.path());
  if (everyDialog) QDir().mkpath(dialogs.path());
  zentrix::model::Model model;
  Session session;
  bool saved = true;
  // NAME.png, or NAME-ro.png in a Romanian session.
  const auto pictureIn = [&](const QDir& folder, const char* name) {
    return [&, name](QWidget& window) {
      QApplication::processEvents();
      const QString file = QString::fromUtf8(name) + (session.romanian ? "-ro.png" : ".png");
      saved = window.grab().save(folder.filePath(file)) && saved;
    };
  };
  const auto picture = [&](const char* name) { return pictureIn(pictures, name); };

  // GENERATE may ask whether to go on; the examples' module lengths match.
  testing::ModalDriver road(60000);
  road.onDialog(kMainDialogTemplate,
                [&](QWidget& window) {
                  picture("main-dialog-start")(window);
                  testing::clickControl(window, kOldFile);
                })
      .onFileDialog([&](QWidget& window) {
        if (everyDialog) pictureIn(dialogs, "file-dialog")(window);
      })
      .chooseFile(input)
      .onDialog(kMainDialogTemplate,
                [&](QWidget& window) {
                  picture("main-dialog-loaded")(window);
                  // In one step: GENERATE lets timers run while it works, and
                  // a step of its own could click CREATE before it is enabled.
                  testing::clickControl(window, kGenerate);
                  testing::clickControl(window, kCreate);
                })
      .chooseFile(geometry)
      .answerMessage(QMessageBox::Ok)
      .onDialog(kMainDialogTemplate, [&](QWidget& main) {
        picture("main-dialog")(main);
        // The view opens beside the main dialog, which stays active.
        testing::clickControl(main, kStructureView);
        auto* window = main.findChild<QDialog*>("structureView");
        if (window == nullptr) return;
        if (!QTest::qWaitForWindowExposed(window)) return;
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
        picture("structure-view")(*window);
        window->close();
      });
  if (everyDialog) {
    // Each sub-dialog from its button or its expansion type, closed with OK.
    const std::pair<int, std::function<void(QWidget&)>> openings[] = {
        {CoordinatesControls::kTemplate,
         [](QWidget& window) { testing::clickControl(window, kCoordinates); }},
        {TopologyControls::kTemplate,
         [](QWidget& window) { testing::clickControl(window, kTopology); }},
        {ElementTypesControls::kTemplate,
         [](QWidget& window) { testing::clickControl(window, kElementTypes); }},
        {PyramidControls::kTemplate,
         [](QWidget& window) { testing::chooseEntry(window, kExpansionType, 2); }},
        {ShrinkControls::kTemplate,
         [](QWidget& window) { testing::chooseEntry(window, kExpansionType, 3); }},
        {ArchControls::kTemplate,
         [](QWidget& window) { testing::chooseEntry(window, kExpansionType, 4); }},
    };
    static const char* const kNames[] = {"dialog-103", "dialog-104", "dialog-108",
                                         "dialog-105", "dialog-106", "dialog-107"};
    int index = 0;
    for (const auto& [templateId, open] : openings) {
      road.onDialog(kMainDialogTemplate, open)
          .onDialog(templateId, [&, name = kNames[index++]](QWidget& window) {
            pictureIn(dialogs, name)(window);
            testing::clickControl(window, kOkButton);
          });
    }
    // The expansion type changed: DONE asks about the unsaved work.
    road.onDialog(kMainDialogTemplate,
                  [&](QWidget& window) {
                    pictureIn(dialogs, "main-dialog-every-type")(window);
                    testing::clickControl(window, kDone);
                  })
        .onMessageBox([&](QWidget& window) {
          pictureIn(dialogs, "unsaved-question")(window);
          static_cast<QMessageBox&>(window).button(QMessageBox::Discard)->click();
        });
  } else {
    road.onDialog(kMainDialogTemplate,
                  [&](QWidget& window) { testing::clickControl(window, kDone); });
  }

  QtPlatform platform;
  QtDialogHost host;
  host.setNativeFileDialogs(false);
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
