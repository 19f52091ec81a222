#include "ui/external_programs.h"

#include <array>

#include "files/native_path.h"
#include "files/platform_files.h"
#include "model/number_text.h"
#include "ui/ui_texts.h"

namespace zentrix::ui {

namespace {

constexpr std::array<const char*, 8> kDesktopTextEditors = {
    "gnome-text-editor", "gedit", "kate", "mousepad", "xed", "pluma", "featherpad", "leafpad"};

std::optional<std::string> findOnPath(std::string_view name, std::string_view searchPath,
                                      const std::function<bool(const std::string&)>& isExecutable) {
  std::size_t start = 0;
  while (start <= searchPath.size()) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string_view::npos) end = searchPath.size();
    std::string folder(searchPath.substr(start, end - start));
    // An empty entry of PATH means the current directory.
    if (folder.empty()) folder = ".";
    std::string candidate = folder + "/" + std::string(name);
    if (isExecutable(candidate)) return candidate;
    start = end + 1;
  }
  return std::nullopt;
}

// The program's own viewer shows at most this much of a file: a Geometry
// File of millions of elements would take minutes to lay out.
constexpr std::size_t kShownTextLimit = std::size_t{16} << 20;

// The first `limit` bytes of a regular file (`cut` when there was more);
// nothing when it cannot be read.
std::optional<std::string> fileStart(std::string_view modelPath, std::size_t limit, bool& cut) {
  namespace platform = files::platform;
  const std::filesystem::path path = files::nativePath(modelPath);
  int error = 0;
  if (platform::factsOf(path, error).kind != platform::PathKind::kRegular) return std::nullopt;
  platform::ReadHandle file;
  if (platform::openForReading(path, file) != 0) return std::nullopt;
  std::string text;
  std::array<char, 65536> block{};
  for (;;) {
    std::size_t got = 0;
    if (file.read(block.data(), block.size(), got) != 0) return std::nullopt;
    if (got == 0) return text;
    text.append(block.data(), got);
    if (text.size() > limit) {
      text.resize(limit);
      cut = true;
      return text;
    }
  }
}

// The name of a file, after its last separator of either kind.
std::string_view fileNameOf(std::string_view path) {
  const std::size_t folderEnd = path.find_last_of("\\/");
  return folderEnd == std::string_view::npos ? path : path.substr(folderEnd + 1);
}

// The current directory's path less its last three characters (a package's
// "bin" folder gives the package folder).
std::string packageFolderOf(std::string_view currentDir) {
  return currentDir.size() < 3 ? std::string{}
                               : std::string(currentDir.substr(0, currentDir.size() - 3));
}

}  // namespace

std::string findTextViewer(std::optional<std::string_view> configured, std::string_view searchPath,
                           const std::function<bool(const std::string&)>& isExecutable) {
  if (configured && !configured->empty()) {
    if (configured->find('/') != std::string_view::npos) return std::string(*configured);
    if (auto found = findOnPath(*configured, searchPath, isExecutable)) return *found;
    return std::string(*configured);
  }
  for (const char* editor : kDesktopTextEditors)
    if (auto found = findOnPath(editor, searchPath, isExecutable)) return *found;
  if (auto found = findOnPath("xdg-open", searchPath, isExecutable)) return *found;
  return "xdg-open";
}

bool matchesFilePattern(std::string_view name, std::string_view pattern) {
  // Iterative wildcard match with one back-track point for the latest "*".
  std::size_t n = 0, p = 0;
  std::size_t starAt = std::string_view::npos, matchedAtStar = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      matchedAtStar = n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = ++matchedAtStar;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::string_view withoutSurroundingQuotes(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    return text.substr(1, text.size() - 2);
  return text;
}

std::string ExternalPrograms::dataFolder() {
  const std::string current = platform_.currentDirectory();
  const std::string folder = packageFolderOf(current) + "dat";
  return platform_.exists(folder) ? folder : current;
}

bool ExternalPrograms::selectFile(std::string_view title, std::string& output, FileChoice choice) {
  return choose(title, output, lastChosenPath_, choice);
}

bool ExternalPrograms::selectModelFile(std::string_view title, std::string& output) {
  const std::string proposed(model::trimRight(output));
  return choose(title, output, proposed, FileChoice::Save);
}

bool ExternalPrograms::selectGeometryFile(std::string_view title, std::string& output,
                                          const Session& session) {
  const auto isModelFile = [&](std::string_view path) {
    return !path.empty() && (path == model::trimRight(session.oldFilePath) ||
                             path == model::trimRight(session.inputFilePath));
  };
  const std::string proposed =
      isModelFile(lastChosenPath_) ? geometryNameFor(lastChosenPath_) : lastChosenPath_;
  return choose(title, output, proposed, FileChoice::Save);
}

bool ExternalPrograms::choose(std::string_view title, std::string& output,
                              std::string_view proposed, FileChoice choice) {
  const std::string initialFolder = dataFolder();
  std::optional<std::string> chosen = host_.chooseFile(title, initialFolder, proposed, choice);
  if (!chosen || chosen->empty()) return false;
  // Kept whole: a path cut to a fixed width would name another file.
  lastChosenPath_ = *chosen;
  output = *chosen;
  return true;
}

std::string geometryNameFor(std::string_view modelPath) {
  const std::size_t folderEnd = modelPath.find_last_of("\\/");
  const std::size_t nameStart = folderEnd == std::string_view::npos ? 0 : folderEnd + 1;
  std::size_t dot = modelPath.rfind('.');
  // A name that starts with its only dot has no extension.
  if (dot == std::string_view::npos || dot <= nameStart) dot = modelPath.size();
  std::string name(modelPath.substr(0, dot));
  name += "-geometry";
  name += modelPath.substr(dot);
  return name;
}

std::string pathIn(std::string_view folder, std::string_view name) {
  std::string path(model::trimRight(folder));
  path += files::kFolderSeparator;
  path += name;
  return path;
}

std::string ExternalPrograms::readmePath(const Session& session) {
  const std::string current = platform_.currentDirectory();
  const std::string_view name = model::say(texts::kReadMeFile, session.romanian);
  const std::string docFolder = packageFolderOf(current) + files::kFolderSeparator + "Doc";
  if (platform_.exists(docFolder)) return pathIn(docFolder, name);
  const std::string here = pathIn(current, name);
  const std::string installed = platform_.installedDataFolder();
  if (platform_.exists(here) || installed.empty()) return here;
  const std::string there = pathIn(pathIn(installed, "Doc"), name);
  return platform_.exists(there) ? there : here;
}

std::string ExternalPrograms::previewProgram(const Session& session) {
  const std::string folder(model::trimRight(session.currentDir));
  const std::string suffix = platform_.executableSuffix();
  const std::string newer = folder + files::kFolderSeparator + "Vistrel 20" + suffix;
  return platform_.exists(newer) ? newer : folder + files::kFolderSeparator + "Vistrel" + suffix;
}

bool ExternalPrograms::previewInstalled(const Session& session) {
  return platform_.exists(previewProgram(session));
}

void ExternalPrograms::showReadme(Session& session) {
  showInTextViewer(session, readmePath(session));
}

void ExternalPrograms::showInTextViewer(Session& session, std::string_view path) {
  // A refusal for a full launch table has said why already.
  if (launch(session, platform_.textViewer(), std::string(path), Failure::Quiet) ==
      LaunchEnd::NotStarted)
    showInOwnViewer(session, path);
}

void ExternalPrograms::showInOwnViewer(const Session& session, std::string_view path) {
  const std::string_view file = model::trimRight(path);
  bool cut = false;
  std::optional<std::string> text = fileStart(file, kShownTextLimit, cut);
  if (!text) {
    host_.showMessage(model::say(texts::kTextNotReadable, session.romanian,
                                 {files::modelPathText(files::nativePath(file))}),
                      model::say(texts::kProcessMessageTitle, session.romanian), MessageButtons::Ok,
                      MessageIcon::Error);
    return;
  }
  if (cut)
    *text += "\n" + model::say(texts::kTextCutShort, session.romanian,
                               {std::to_string(kShownTextLimit >> 20)});
  host_.showText(model::say(texts::kTextViewerTitle, session.romanian, {fileNameOf(file)}), *text);
}

void ExternalPrograms::preview(Session& session, std::string_view path) {
  launch(session, previewProgram(session), "\"" + std::string(model::trimRight(path)) + "\"",
         Failure::Reported);
}

ExternalPrograms::LaunchEnd ExternalPrograms::launch(Session& session, std::string programPath,
                                                     std::string programArgs, Failure failure) {
  if (session.processCount >= kMaxLaunches) {
    host_.showMessage(model::say(texts::kTooManyPrograms, session.romanian),
                      model::say(texts::kProcessMessageTitle, session.romanian), MessageButtons::Ok,
                      MessageIcon::Error);
    return LaunchEnd::Refused;
  }
  session.processCount += 1;
  LaunchRecord& record = session.launch(session.processCount);
  record = LaunchRecord{};
  record.programPath = std::move(programPath);
  record.programArgs = std::move(programArgs);

  const std::string application(model::trimRight(record.programPath));
  const std::string_view argument = withoutSurroundingQuotes(model::trimRight(record.programArgs));
  if (const auto started = platform_.start(application, argument)) {
    record.processHandle = started->handle;
    record.processId = started->processId;
    record.launchState = 1;
    return LaunchEnd::Started;
  }
  record.launchState = -1;
  if (failure == Failure::Quiet) return LaunchEnd::NotStarted;
  host_.showMessage(
      model::say(texts::kFailedRun, session.romanian, {files::modelPathText(application)}),
      model::say(texts::kProcessMessageTitle, session.romanian), MessageButtons::Ok,
      MessageIcon::None);
  return LaunchEnd::NotStarted;
}

void ExternalPrograms::endLaunchedPrograms(const Session& session) {
  for (int slot = 1; slot <= session.processCount; ++slot) {
    const std::int64_t handle = session.launch(slot).processHandle;
    if (handle != 0) platform_.terminate(handle);
  }
}

void ExternalPrograms::deleteBaseGeometryFiles(const Session& session) {
  const std::string_view pattern = model::trimRight(session.baseGeometryPath);
  if (!model::trimLeft(pattern).empty()) platform_.deleteMatching(pattern);
}

}  // namespace zentrix::ui
