// The recent files: the last model files loaded or saved, newest first,
// offered in a drop-down list beside the Old File field. The list is kept
// in the user's own settings folder (`Session::settingsDir`) and lasts the
// run only when there is none. A file no longer there is taken off the list
// when it is chosen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog_layer.h"

namespace zentrix::ui {

inline constexpr std::size_t kRecentFileCount = 8;
// The list's file in the settings folder.
inline constexpr const char* kRecentFilesName = "recent-files.txt";

class RecentFiles {
 public:
  // Reads the list kept in `settingsFolder` (none when it is empty).
  RecentFiles(std::string settingsFolder, bool romanian);

  const std::vector<std::string>& paths() const noexcept { return paths_; }
  // `path` becomes the newest entry; the oldest beyond kRecentFileCount goes.
  void remember(std::string_view path);
  void forget(std::string_view path);

  // Shows the list in the drop-down list `list`, no entry chosen; it is
  // greyed while empty.
  void showIn(Dialog& dialog, ControlId list) const;
  // The path of entry `entry` (1-based); empty for none.
  std::string pathOf(int entry) const;

 private:
  void keep() const;

  std::string listPath_;
  bool romanian_;
  std::vector<std::string> paths_;
};

// Whether a recent file is still there to be loaded.
bool recentFileExists(std::string_view path);

}  // namespace zentrix::ui
