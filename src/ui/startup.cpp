#include "ui/startup.h"

#include <array>
#include <utility>

#include "files/language_settings.h"
#include "model/number_text.h"
#include "ui/main_dialog.h"

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

}  // namespace

std::vector<ImageFile> imageFiles(const model::Model& model) {
  const std::string folder(model::trimRight(model.uiDir));
  std::vector<ImageFile> files;
  files.reserve(kImageFiles.size());
  for (const auto& [image, name] : kImageFiles) files.push_back({image, folder + name});
  return files;
}

void prepareRun(model::Model& model, Platform& platform) {
  model.currentDir = platform.currentDirectory();
  model.languageCode = files::lookUpLanguageCode(model.currentDir);
  model.romanian = files::isRomanianCode(model.languageCode);
  model.uiDir = std::string(model::trimRight(model.currentDir)) + "\\uir\\";
  model::setStartValues(model);
}

void shutDown(const model::Model& model, ExternalPrograms& programs) {
  programs.endLaunchedPrograms(model);
  programs.deleteBaseGeometryFiles(model);
}

RunResult runDesktopProgram(model::Model& model, Platform& platform, DialogHost& host,
                            const std::function<void(const std::vector<ImageFile>&)>& loadImages) {
  prepareRun(model, platform);
  host.setRomanian(model.romanian);
  if (loadImages) loadImages(imageFiles(model));
  ExternalPrograms programs(platform, host);
  runMainDialog(model, host, programs);
  shutDown(model, programs);
  return RunResult{0};
}

}  // namespace zentrix::ui
