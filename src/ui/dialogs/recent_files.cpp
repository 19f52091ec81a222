#include "ui/dialogs/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/native_path.h"
#include "files/recent_files_list.h"
#include "model/number_text.h"
#include "ui/ui_texts.h"

namespace zentrix::ui {

namespace {

// "bridge.dat  (C:\models)": the name first, so that a narrow list still
// shows which model an entry is.
std::string entryTextOf(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  if (cut == std::string::npos) return path;
  return path.substr(cut + 1) + "  (" + path.substr(0, cut) + ")";
}

}  // namespace

RecentFiles::RecentFiles(std::string settingsFolder, bool romanian) : romanian_(romanian) {
  settingsFolder = std::string(model::trimRight(settingsFolder));
  if (settingsFolder.empty()) return;
  if (settingsFolder.back() != '/' && settingsFolder.back() != '\\')
    settingsFolder += files::kFolderSeparator;
  listPath_ = settingsFolder + kRecentFilesName;
  paths_ = files::readRecentFiles(listPath_, kRecentFileCount);
}

void RecentFiles::remember(std::string_view path) {
  path = model::trimRight(path);
  if (path.empty()) return;
  forget(path);
  paths_.insert(paths_.begin(), std::string(path));
  if (paths_.size() > kRecentFileCount) paths_.resize(kRecentFileCount);
  keep();
}

void RecentFiles::forget(std::string_view path) {
  path = model::trimRight(path);
  const auto gone = std::remove(paths_.begin(), paths_.end(), path);
  if (gone == paths_.end()) return;
  paths_.erase(gone, paths_.end());
  keep();
}

// The list is a convenience: one that cannot be written (a read-only home)
// lasts the run, without a message on every load.
void RecentFiles::keep() const {
  if (!listPath_.empty()) (void)files::writeRecentFiles(listPath_, paths_, romanian_);
}

void RecentFiles::showIn(Dialog& dialog, ControlId list) const {
  dialog.setEntryCount(list, static_cast<int>(paths_.size()));
  for (std::size_t i = 0; i < paths_.size(); ++i)
    dialog.setEntryText(list, static_cast<int>(i + 1), entryTextOf(paths_[i]));
  dialog.setSelection(list, 0);
  dialog.setText(list, model::say(texts::kRecentFiles, romanian_));
  dialog.setEnabled(list, !paths_.empty());
}

std::string RecentFiles::pathOf(int entry) const {
  if (entry < 1 || entry > static_cast<int>(paths_.size())) return {};
  return paths_[static_cast<std::size_t>(entry - 1)];
}

bool recentFileExists(std::string_view path) {
  std::error_code error;
  return std::filesystem::is_regular_file(files::nativePath(std::string(path)), error);
}

}  // namespace zentrix::ui
