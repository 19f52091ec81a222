// zentrix: the desktop program. Everything but the wiring lives in
// ui/startup (the run) and ui/qt (the Qt backend and the platform).
#include <QApplication>
#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "files/language_settings.h"
#include "files/native_path.h"
#include "files/platform_files.h"
#include "model/model.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_platform.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
  // --help and --version are answered before Qt starts, so that they need no
  // display.
  const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
  std::error_code error;
  const std::string current = zentrix::files::modelPathText(std::filesystem::current_path(error));
  const bool romanian =
      zentrix::files::isRomanianCode(zentrix::files::lookUpLanguageCode(error ? "" : current));
  if (const auto status = zentrix::ui::answerInformationOption(arguments, romanian, std::cout))
    return *status;

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
