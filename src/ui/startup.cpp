#include "ui/startup.h"

#include <array>
#include <ostream>
#include <utility>

#include "files/language_settings.h"
#include "files/native_path.h"
#include "model/number_text.h"
#include "model/program_version.h"
#include "ui/main_dialog.h"
#include "ui/ui_texts.h"

namespace zentrix::ui {

namespace {

constexpr std::array<std::pair<ImageId, const char*>, 11> kImageFiles = {{
    {ImageId::Notepad, "Notepad.ico"},
    {ImageId::InputFile, "InputFile1.ico"},
    {ImageId::Coordinates, "Coord.ico"},
    {ImageId::Topology, "Topo.ico"},
    {ImageId::Save, "Save.ico"},
    {ImageId::Help, "Help.ico"},
    {ImageId::Generate, "Zentrix.ico"},
    {ImageId::WindowIcon, "Zentrix-2.ico"},
    {ImageId::LoadBitmap, "LoadM.bmp"},
    {ImageId::Preview, "IconPreview.ico"},
    {ImageId::PreviewBase, "IconPreviewBase.ico"},
}};

// The images' folder: "uir" in the current directory, as always, else the
// one installed with the program when only that exists.
std::string imageFolder(const Session& session, Platform& platform) {
  const std::string here = pathIn(session.currentDir, "uir");
  const std::string installed = platform.installedDataFolder();
  std::string folder = here;
  if (!platform.exists(here) && !installed.empty() && platform.exists(pathIn(installed, "uir")))
    folder = pathIn(installed, "uir");
  return folder + files::kFolderSeparator;
}

}  // namespace

std::optional<int> answerInformationOption(std::span<const std::string_view> arguments,
                                           bool romanian, std::ostream& out) {
  for (const std::string_view argument : arguments) {
    if (argument == "--version")
      out << model::versionLine("zentrix") << '\n';
    else if (argument == "--help")
      out << model::say(texts::kDesktopHelp, romanian);
    else
      continue;
    out.flush();
    return out ? 0 : 1;
  }
  return std::nullopt;
}

std::vector<ImageFile> imageFiles(const Session& session) {
  const std::string folder(model::trimRight(session.uiDir));
  std::vector<ImageFile> files;
  files.reserve(kImageFiles.size());
  for (const auto& [image, name] : kImageFiles) files.push_back({image, folder + name});
  return files;
}

void prepareRun(model::Model& model, Session& session, Platform& platform) {
  session.currentDir = platform.currentDirectory();
  session.languageCode = files::lookUpLanguageCode(session.currentDir);
  session.romanian = files::isRomanianCode(session.languageCode);
  session.uiDir = imageFolder(session, platform);
  session.settingsDir = platform.settingsFolder();
  session.processCount = 0;
  model::setStartValues(model, session.romanian);
}

void shutDown(const Session& session, ExternalPrograms& programs) {
  programs.endLaunchedPrograms(session);
  programs.deleteBaseGeometryFiles(session);
}

void runDesktopProgram(model::Model& model, Session& session, Platform& platform, DialogHost& host,
                       const std::function<void(const std::vector<ImageFile>&)>& loadImages) {
  prepareRun(model, session, platform);
  host.setRomanian(session.romanian);
  if (loadImages) loadImages(imageFiles(session));
  ExternalPrograms programs(platform, host);
  runMainDialog(model, session, host, programs);
  shutDown(session, programs);
}

}  // namespace zentrix::ui
