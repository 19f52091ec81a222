#include "ui/view_exports.h"

#include "files/structure_exports.h"
#include "generation/run.h"
#include "model/number_text.h"
#include "ui/desktop_caller.h"
#include "ui/view_texts.h"

namespace zentrix::ui {

namespace {

constexpr const char* kMessageTitle = "ZENTRIX Message";
constexpr const char* kNameWithoutModel = "structure";

std::size_t nameStartOf(std::string_view path) {
  const std::size_t folderEnd = path.find_last_of("\\/");
  return folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
}

// A dot after the name's first character starts its extension.
bool hasExtension(std::string_view path) {
  const std::size_t nameStart = nameStartOf(path);
  const std::size_t dot = path.rfind('.');
  return dot != std::string_view::npos && dot > nameStart && dot + 1 < path.size();
}

ViewOutput exchangeOutput(const model::Model& model, bool romanian, files::ExportFormat format,
                          const char* name, const char* extension) {
  return {name, extension,
          [&model, romanian, format] {
            return files::exportFileSizeBound(files::exportParts(model, romanian), format);
          },
          [&model, romanian, format](const std::string& path, model::Progress& progress) {
            return files::writeExportFile(format, files::exportParts(model, romanian), path,
                                          &progress);
          }};
}

}  // namespace

std::vector<ViewOutput> exchangeOutputs(const model::Model& model, bool romanian) {
  return {exchangeOutput(model, romanian, files::ExportFormat::kVtu, "VTU", "vtu"),
          exchangeOutput(model, romanian, files::ExportFormat::kMsh, "MSH", "msh"),
          exchangeOutput(model, romanian, files::ExportFormat::kDxf, "DXF", "dxf")};
}

std::string withDefaultExtension(std::string_view path, std::string_view extension) {
  std::string named(path);
  if (extension.empty() || path.empty() || nameStartOf(path) == path.size() || hasExtension(path))
    return named;
  if (named.back() == '.') named.pop_back();
  named += '.';
  named += extension;
  return named;
}

ExportPlace exportPlaceOf(const Session& session, std::string_view dataFolder) {
  std::string_view modelFile = model::trimRight(session.inputFilePath);
  if (modelFile.empty()) modelFile = model::trimRight(session.oldFilePath);
  if (modelFile.empty()) return {std::string(dataFolder), kNameWithoutModel};
  const std::size_t nameStart = nameStartOf(modelFile);
  std::string_view name = modelFile.substr(nameStart);
  if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
    name = name.substr(0, dot);
  std::string_view folder = modelFile.substr(0, nameStart);
  if (folder.size() > 1) folder.remove_suffix(1);  // the separator, but of a root
  return {std::string(folder.empty() ? dataFolder : folder),
          std::string(name.empty() ? kNameWithoutModel : name)};
}

std::optional<std::string> exportViewOutput(DialogHost& host, const ViewOutput& output,
                                            const ExportPlace& place, bool romanian) {
  const std::optional<std::string> chosen = host.chooseFile(
      model::say(texts::kViewExportTitle, romanian, {output.name}), place.folder,
      (place.name.empty() ? kNameWithoutModel : place.name) + "." + output.extension,
      FileChoice::Save, FileType{output.name, output.extension});
  if (!chosen || chosen->empty()) return std::nullopt;
  const std::string path = withDefaultExtension(*chosen, output.extension);
  generation::PlannedWrite write{path,
                                 output.sizeBound(),
                                 {},
                                 [&output, &path](model::Progress& progress, files::StagedFiles&) {
                                   return output.write(path, progress);
                                 }};
  if (writtenWithProgress(host, std::move(write),
                          model::say(texts::kViewWriting, romanian, {output.name}), kMessageTitle,
                          romanian))
    return path;
  return std::nullopt;
}

}  // namespace zentrix::ui
