// zentrix: the desktop program. Everything but the wiring lives in
// ui/startup (the run) and ui/qt (the Qt backend and the platform).
#include <QApplication>

#include "files/platform_files.h"
#include "model/model.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  zentrix::files::platform::reportOversizedFilesAsErrors();
  QApplication::setApplicationName(QStringLiteral("ZENTRIX"));

  zentrix::ui::QtPlatform platform;
  zentrix::ui::QtDialogHost host;
  zentrix::model::Model model;
  zentrix::ui::Session session;
  zentrix::ui::runDesktopProgram(model, session, platform, host,
                                 [&host](const std::vector<zentrix::ui::ImageFile>& images) {
                                   for (const auto& file : images)
                                     host.loadImage(file.image, file.path);
                                 });
  return 0;
}
