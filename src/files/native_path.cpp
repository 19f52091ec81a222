#include "files/native_path.h"

#include "files/platform_files.h"

namespace zentrix::files {

std::filesystem::path nativePath(std::string_view modelPath) {
  return platform::pathFromUtf8(std::string(modelPath));
}

std::string modelPathText(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace zentrix::files
