// A fresh folder of its own for one test (or one step of a test), removed
// with everything in it afterwards. Every test that needs a folder uses this
// one; ScratchFolderTest in golden_file.h also makes it the current
// directory.
#pragma once

#include <filesystem>
#include <string>

#include "support/portable.h"

namespace zentrix::testing {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix = "zentrix-test")
      : path_(makeScratchFolder(prefix)) {}
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace zentrix::testing
